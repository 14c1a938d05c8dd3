#include "ProgressBar.h"

#include <algorithm>

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void ProgressBar::setPosition(int position)
{
    setValue(std::clamp(position, minimum(), maximum()));
}

void ProgressBar::stepBy(int delta)
{
    const long long target = static_cast<long long>(position()) + delta;
    setPosition(static_cast<int>(std::clamp<long long>(target, minimum(), maximum())));
}
