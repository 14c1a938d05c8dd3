#include "DateTimePicker.h"

#include "Conversions.h"

DateTimePicker::DateTimePicker(QWidget* parent) : Control<QDateEdit>(parent)
{
    setCalendarPopup(true);
    setMinimumDate(QDate(100, 1, 1));
    setDisplayFormat(locale().dateFormat(QLocale::ShortFormat));
    m_value = Conversions::naiveDateTime(date());
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& picked) {
        if (picked == m_value.date())
            return;
        m_value = Conversions::naiveDateTime(picked, m_value.time());
        if (OnChange)
            Application::guard([&] { OnChange(this); });
    });
}

void DateTimePicker::setValue(const QDateTime& value)
{
    m_value = Conversions::naiveDateTime(value);
    setDate(m_value.date());
}
