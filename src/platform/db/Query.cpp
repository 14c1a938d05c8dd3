#include "Query.h"

#include "Connection.h"
#include "DataSource.h"
#include "DatasetError.h"
#include "PgTypes.h"

#include <algorithm>
#include <cstdlib>

Query::Query(QString name, Connection* connection) : m_name(std::move(name)), m_connection(connection)
{
    m_sql.setOnChange([this] {
        close();
        m_markers.reset();
    });
}

Query::~Query()
{
    for (DataSource* source : m_sources)
        source->m_dataSet = nullptr;
}

void Query::setConnection(Connection* connection)
{
    close();
    m_connection = connection;
}

QString Query::prefixed(const QString& message) const
{
    return m_name.isEmpty() ? message : m_name + QStringLiteral(": ") + message;
}

void Query::fail(const QString& message) const
{
    throw DatasetError(prefixed(message));
}

void Query::checkActive() const
{
    if (!active())
        fail(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Query::checkBrowseMode()
{
    checkActive();
    if (m_state == State::Edit)
        post();
}

const ParameterMarkers& Query::markers()
{
    if (!m_markers) {
        m_markers = ParameterMarkers::parse(m_sql.text());
        m_params.reset(m_markers->names);
    }
    return *m_markers;
}

Params& Query::params()
{
    markers();
    return m_params;
}

Field& Query::addField(const QString& name, FieldType type, int size)
{
    close();
    if (findField(name))
        fail(QStringLiteral("Duplicate field name '%1'").arg(name));
    m_persistentFields = true;
    m_fields.push_back(std::make_unique<Field>(*this, name, type, size, fieldCount()));
    return *m_fields.back();
}

PgResult Query::run()
{
    if (!m_connection)
        fail(QStringLiteral("No connection assigned"));
    const ParameterMarkers& statement = markers();
    std::vector<const Param*> bound;
    for (const Param& param : m_params) {
        if (param.type() == ParamType::Unknown)
            fail(QStringLiteral("Parameter '%1' has no value").arg(param.name()));
        bound.push_back(&param);
    }
    return m_connection->exec(statement.serverSql, bound);
}

void Query::open()
{
    if (active())
        return;
    PgResult result = run();
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK)
        fail(QStringLiteral("The statement returns no rows to open"));
    bindFields(result.get());
    m_result = std::move(result);
    m_state = State::Browse;
    try {
        m_visible = rowsPassingFilter(m_filter, m_filtered);
    } catch (...) {
        close();
        throw;
    }
    notifyStateChanged();
    showFromFirstRow();
}

namespace {

bool fits(FieldType declared, FieldType column)
{
    const FieldFamily want = fieldFamily(declared);
    const FieldFamily have = fieldFamily(column);
    switch (want) {
        case FieldFamily::Text:
        case FieldFamily::Other:
            return true;
        case FieldFamily::Integer:
        case FieldFamily::LargeInt:
        case FieldFamily::Float:
        case FieldFamily::Currency:
            return isNumericType(column);
        case FieldFamily::Date:
        case FieldFamily::Time:
        case FieldFamily::DateTime:
            return have == FieldFamily::Date || have == FieldFamily::Time || have == FieldFamily::DateTime;
        case FieldFamily::Boolean:
            return have == FieldFamily::Boolean;
    }
    return false;
}

}  // namespace

// Reopening the same statement gives back the same field objects, so references to them stay valid.
std::unique_ptr<Field> Query::reuseOrCreateField(const QString& name, const PgColumnType& type, int column)
{
    for (auto it = m_retiredFields.begin(); it != m_retiredFields.end(); ++it) {
        Field& old = **it;
        if (old.m_name == name && old.m_type == type.fieldType && old.m_size == type.size && old.m_position == column) {
            std::unique_ptr<Field> field = std::move(*it);
            m_retiredFields.erase(it);
            field->m_index = column;
            return field;
        }
    }
    auto field = std::make_unique<Field>(*this, name, type.fieldType, type.size, column);
    field->m_position = column;
    return field;
}

void Query::bindFields(const PGresult* result)
{
    const int columns = PQnfields(result);
    if (!m_persistentFields) {
        m_fields.clear();
        for (int column = 0; column < columns; ++column) {
            const PgColumnType type = PgTypes::columnType(PQftype(result, column), PQfmod(result, column));
            m_fields.push_back(reuseOrCreateField(QString::fromUtf8(PQfname(result, column)), type, column));
            m_fields.back()->m_column = column;
        }
        return;
    }
    std::vector<int> bound;
    for (const auto& field : m_fields) {
        int found = -1;
        for (int column = 0; column < columns && found < 0; ++column)
            if (field->m_name.compare(QString::fromUtf8(PQfname(result, column)), Qt::CaseInsensitive) == 0)
                found = column;
        if (found < 0)
            fail(QStringLiteral("Field '%1' not found").arg(field->m_name));
        const FieldType columnType = PgTypes::columnType(PQftype(result, found), PQfmod(result, found)).fieldType;
        if (!fits(field->m_type, columnType))
            fail(QStringLiteral("Type mismatch for field '%1', expecting: %2 actual: %3")
                     .arg(field->m_name, fieldTypeName(field->m_type), fieldTypeName(columnType)));
        bound.push_back(found);
    }
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->m_column = bound[i];
}

void Query::close()
{
    if (!active())
        return;
    m_state = State::Inactive;
    m_result.reset();
    m_visible.clear();
    m_changes.clear();
    m_editBuffer.clear();
    m_current = -1;
    m_eof = m_bof = true;
    for (auto& field : m_fields) {
        field->m_column = -1;
        if (!m_persistentFields) {
            field->m_index = -1;  // kept alive for whoever still holds it, but no longer part of the dataset
            m_retiredFields.push_back(std::move(field));
        }
    }
    if (!m_persistentFields)
        m_fields.clear();
    notifyStateChanged();
    notifyDataSetChanged();
}

int Query::execute()
{
    const PgResult result = run();
    return std::atoi(PQcmdTuples(result.get()));
}

Field& Query::field(int index) const
{
    if (index < 0 || index >= fieldCount())
        fail(QStringLiteral("Field index %1 out of range").arg(index));
    return *m_fields[static_cast<std::size_t>(index)];
}

Field* Query::findField(const QString& name) const
{
    for (const auto& field : m_fields)
        if (field->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

Field& Query::fieldByName(const QString& name) const
{
    if (Field* found = findField(name))
        return *found;
    fail(QStringLiteral("Field '%1' not found").arg(name));
}

void Query::moveTo(int row, bool eof, bool bof)
{
    const bool moved = row != m_current;
    m_current = row;
    m_eof = eof;
    m_bof = bof;
    if (moved)
        notifyScrolled();
}

void Query::showFromFirstRow()
{
    m_current = m_visible.empty() ? -1 : 0;
    m_eof = m_visible.empty();
    m_bof = true;
    notifyDataSetChanged();
    notifyScrolled();
}

void Query::first()
{
    checkBrowseMode();
    moveTo(m_visible.empty() ? -1 : 0, m_visible.empty(), true);
}

void Query::last()
{
    checkBrowseMode();
    moveTo(static_cast<int>(m_visible.size()) - 1, true, m_visible.empty());
}

void Query::next()
{
    checkBrowseMode();
    if (m_current + 1 < static_cast<int>(m_visible.size()))
        moveTo(m_current + 1, false, false);
    else
        m_eof = true;
}

void Query::prior()
{
    checkBrowseMode();
    if (m_current > 0)
        moveTo(m_current - 1, false, false);
    else
        m_bof = true;
}

int Query::recordCount() const
{
    checkActive();
    return static_cast<int>(m_visible.size());
}

void Query::setRecNo(int row)
{
    checkBrowseMode();
    if (row < 0 || row >= static_cast<int>(m_visible.size()))
        fail(QStringLiteral("Record %1 out of range").arg(row));
    moveTo(row, false, false);
}

bool Query::locate(const QString& fieldName, const Value& key, LocateOptions options)
{
    checkBrowseMode();
    const Field& field = fieldByName(fieldName);
    const bool text = isTextType(field.dataType());
    const Value wanted = text ? Value(key.toString()) : field.coerce(key);
    const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int row = 0; row < static_cast<int>(m_visible.size()); ++row) {
        const Value candidate = fieldValueAt(field, row);
        if (candidate.isNull())
            continue;
        bool match = false;
        if (text) {
            const QString value = candidate.toString();
            match = options.partialKey ? value.startsWith(wanted.toString(), cs)
                                       : value.compare(wanted.toString(), cs) == 0;
        } else if (candidate.isNumeric()) {
            match = candidate.toDouble() == wanted.toDouble();
        } else {
            match = candidate == wanted;
        }
        if (match) {
            moveTo(row, false, false);
            return true;
        }
    }
    return false;
}

void Query::edit()
{
    checkActive();
    if (m_state == State::Edit)
        return;
    if (m_current < 0)
        fail(QStringLiteral("Cannot perform this operation on an empty dataset"));
    m_editBuffer.assign(m_fields.size(), std::nullopt);
    m_state = State::Edit;
    notifyStateChanged();
}

void Query::post()
{
    checkActive();
    if (m_state != State::Edit)
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    const int resultRow = m_visible[static_cast<std::size_t>(m_current)];
    auto& changes = m_changes[resultRow];
    changes.resize(m_fields.size());
    for (std::size_t i = 0; i < m_editBuffer.size(); ++i)
        if (m_editBuffer[i])
            changes[i] = std::move(m_editBuffer[i]);
    m_editBuffer.clear();
    m_state = State::Browse;
    notifyStateChanged();
    notifyRecordChanged(m_current);
    dropRowIfFilteredOut();
}

void Query::cancel()
{
    if (m_state != State::Edit)
        return;
    m_editBuffer.clear();
    m_state = State::Browse;
    notifyStateChanged();
    notifyRecordChanged(m_current);
}

// A posted row that no longer passes the filter leaves the visible rows; the next row becomes current.
void Query::dropRowIfFilteredOut()
{
    if (!m_filtered || passesFilter(m_filter, m_visible[static_cast<std::size_t>(m_current)]))
        return;
    m_visible.erase(m_visible.begin() + m_current);
    const int count = static_cast<int>(m_visible.size());
    m_current = std::min(m_current, count - 1);
    m_eof = m_bof = count == 0;
    notifyDataSetChanged();
    notifyScrolled();
}

bool Query::passesFilter(const FilterExpression& filter, int resultRow) const
{
    return filter.matches([&](const QString& name) { return storedValue(fieldByName(name), resultRow); });
}

std::vector<int> Query::rowsPassingFilter(const FilterExpression& filter, bool filtered) const
{
    const int rows = m_result ? PQntuples(m_result.get()) : 0;
    std::vector<int> passing;
    passing.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        if (!filtered || passesFilter(filter, row))
            passing.push_back(row);
    return passing;
}

void Query::setFilter(const QString& expression)
{
    FilterExpression parsed = FilterExpression::parse(expression);
    if (active() && m_filtered) {
        checkBrowseMode();
        m_visible = rowsPassingFilter(parsed, true);
    }
    m_filter = std::move(parsed);
    m_filterText = expression;
    if (active() && m_filtered)
        showFromFirstRow();
}

void Query::setFiltered(bool filtered)
{
    if (active()) {
        checkBrowseMode();
        m_visible = rowsPassingFilter(m_filter, filtered);
    }
    m_filtered = filtered;
    if (active())
        showFromFirstRow();
}

Value Query::storedValue(const Field& field, int resultRow) const
{
    const auto changed = m_changes.find(resultRow);
    if (changed != m_changes.end()) {
        const auto& values = changed->second;
        if (static_cast<std::size_t>(field.m_index) < values.size() && values[static_cast<std::size_t>(field.m_index)])
            return *values[static_cast<std::size_t>(field.m_index)];
    }
    const int column = field.m_column;
    if (column < 0 || PQgetisnull(m_result.get(), resultRow, column))
        return Value::null();
    return field.coerce(PgTypes::parseValue(PQftype(m_result.get(), column),
                                            PQgetvalue(m_result.get(), resultRow, column),
                                            PQgetlength(m_result.get(), resultRow, column)));
}

void Query::checkMember(const Field& field) const
{
    if (field.m_index < 0)
        fail(QStringLiteral("Field '%1' is no longer part of the dataset").arg(field.m_name));
}

Value Query::fieldValueAt(const Field& field, int row) const
{
    checkActive();
    checkMember(field);
    if (row < 0 || row >= static_cast<int>(m_visible.size()))
        fail(QStringLiteral("Record %1 out of range").arg(row));
    if (m_state == State::Edit && row == m_current && m_editBuffer[static_cast<std::size_t>(field.m_index)])
        return *m_editBuffer[static_cast<std::size_t>(field.m_index)];
    return storedValue(field, m_visible[static_cast<std::size_t>(row)]);
}

Value Query::currentFieldValue(const Field& field) const
{
    checkActive();
    return m_current < 0 ? Value::null() : fieldValueAt(field, m_current);
}

void Query::setCurrentFieldValue(const Field& field, const Value& value)
{
    checkActive();
    checkMember(field);
    if (m_state != State::Edit)
        fail(QStringLiteral("Dataset not in edit or insert mode"));
    if (field.readOnly())
        fail(QStringLiteral("Field '%1' cannot be modified").arg(field.fieldName()));
    m_editBuffer[static_cast<std::size_t>(field.m_index)] = field.coerce(value);
    notifyRecordChanged(m_current);
}

void Query::requestFocusControl(Field& field)
{
    bool handled = false;
    const std::vector<DataSource*> sources = m_sources;
    for (DataSource* source : sources) {
        Q_EMIT source->focusControlRequested(&field, &handled);
        if (handled)
            break;
    }
}

void Query::disableControls()
{
    ++m_disabledControls;
}

void Query::enableControls()
{
    if (m_disabledControls == 0)
        return;
    if (--m_disabledControls == 0 && m_missedNotification) {
        m_missedNotification = false;
        notifyDataSetChanged();
        notifyScrolled();
    }
}

void Query::attach(DataSource* source)
{
    m_sources.push_back(source);
}

void Query::detach(DataSource* source)
{
    std::erase(m_sources, source);
}

namespace {

template <typename Emit>
void broadcast(const std::vector<DataSource*>& sources, bool disabled, bool& missed, Emit emit)
{
    if (disabled) {
        missed = true;
        return;
    }
    const std::vector<DataSource*> copy = sources;  // a view may detach while being told
    for (DataSource* source : copy)
        emit(source);
}

}  // namespace

void Query::notifyDataSetChanged()
{
    broadcast(m_sources, controlsDisabled(), m_missedNotification, [](DataSource* s) { Q_EMIT s->dataSetChanged(); });
}

void Query::notifyRecordChanged(int row)
{
    broadcast(m_sources, controlsDisabled(), m_missedNotification,
              [row](DataSource* s) { Q_EMIT s->recordChanged(row); });
}

void Query::notifyScrolled()
{
    broadcast(m_sources, controlsDisabled(), m_missedNotification, [](DataSource* s) { Q_EMIT s->scrolled(); });
}

void Query::notifyStateChanged()
{
    broadcast(m_sources, controlsDisabled(), m_missedNotification, [](DataSource* s) { Q_EMIT s->stateChanged(); });
}
