#pragma once

#include "AlignLayout.h"

#include <QFrame>

// A plain container with an optional caption painted in its middle, and room for docked children.
class Panel : public QFrame {
public:
    explicit Panel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    AlignLayout& aligned() { return *m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    AlignLayout* m_layout;
};
