#pragma once

#include "Control.h"

#include <QDateEdit>
#include <QDateTime>

// A date picker that holds a whole date-time: it shows and edits the date, and keeps the time of day
// it was given when the user picks another date. Values are naive date-times (no time zone).
class DateTimePicker : public Control<QDateEdit> {
public:
    explicit DateTimePicker(QWidget* parent = nullptr);

    TNotifyEvent OnChange;

    QDateTime value() const { return m_value; }
    void setValue(const QDateTime& value);

protected:
    // Tab leaves the picker instead of walking through day, month and year.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

private:
    QDateTime m_value;
};
