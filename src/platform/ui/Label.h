#pragma once

#include <QLabel>

class Label : public QLabel {
public:
    explicit Label(QWidget* parent = nullptr) : QLabel(parent) {}

    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }
};
