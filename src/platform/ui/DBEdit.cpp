#include "DBEdit.h"

#include "DataSource.h"
#include "Field.h"
#include "Query.h"

#include <QMouseEvent>

DBEdit::DBEdit(QWidget* parent) : Control<QLineEdit>(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            Application::guard([&] { OnChange(this); });
    });
    connect(this, &QLineEdit::textEdited, this, [this] { Application::guard([&] { userEdited(); }); });
}

void DBEdit::setDataSource(DataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &DataSource::dataSetChanged, this, &DBEdit::showField);
        connect(source, &DataSource::scrolled, this, &DBEdit::showField);
        connect(source, &DataSource::recordChanged, this, &DBEdit::showField);
        connect(source, &DataSource::stateChanged, this, &DBEdit::showField);
        connect(source, &DataSource::focusControlRequested, this, &DBEdit::takeFocusFor);
    }
    showField();
}

void DBEdit::takeFocusFor(Field* wanted, bool* handled)
{
    if (*handled || !wanted || wanted != field() || !isEnabled() || !isVisible())
        return;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    *handled = true;
}

void DBEdit::setDataField(const QString& name)
{
    m_fieldName = name;
    showField();
}

Query* DBEdit::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

Field* DBEdit::field() const
{
    Query* query = dataSet();
    return query && query->active() ? query->findField(m_fieldName) : nullptr;
}

void DBEdit::showField()
{
    if (m_modified && dataSet() && dataSet()->state() == Query::State::Edit)
        return;  // the user's typing stands until it is written back
    m_modified = false;
    QString text;
    if (const Field* bound = field(); bound && !dataSet()->isEmpty())
        text = bound->asString();
    m_showing = true;
    setText(text);
    m_showing = false;
}

void DBEdit::userEdited()
{
    Query* query = dataSet();
    if (m_showing || !field() || !query)
        return;
    if (query->state() != Query::State::Edit)
        query->edit();
    m_modified = true;
}

void DBEdit::writeBack()
{
    Field* bound = field();
    if (!m_modified || !bound || dataSet()->state() != Query::State::Edit)
        return;
    m_modified = false;
    bound->setAsString(text());
}

// The typed text is in the row before anyone hears the box was left.
void DBEdit::focusOutEvent(QFocusEvent* event)
{
    Application::guard([&] { writeBack(); });
    Control<QLineEdit>::focusOutEvent(event);
}

void DBEdit::mouseReleaseEvent(QMouseEvent* event)
{
    Control<QLineEdit>::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && OnClick)
        Application::guard([&] { OnClick(this); });
}
