#pragma once

#include <QProgressBar>

// A progress bar whose position stays within its range, however far it is stepped.
class ProgressBar : public QProgressBar {
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int position);
    void stepBy(int delta);
};
