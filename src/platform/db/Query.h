#pragma once

#include "Field.h"
#include "FilterExpression.h"
#include "ParameterMarkers.h"
#include "PgTypes.h"
#include "Params.h"
#include "PgResult.h"
#include "SqlLines.h"
#include "Value.h"

#include <QString>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class Connection;
class DataSource;

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false;  // a text matches when it begins with the key
};

// A dataset over one statement: its rows, a current row, fields by name, positional parameters,
// edits kept in memory (never written back to the database), a client-side filter, and a switch that
// stops bound views from repainting while rows are walked.
class Query {
public:
    enum class State { Inactive, Browse, Edit };

    explicit Query(QString name = {}, Connection* connection = nullptr);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    Connection* connection() const { return m_connection; }
    void setConnection(Connection* connection);

    // Changing the statement closes the dataset and gives it a fresh, unassigned parameter list.
    SqlLines& sql() { return m_sql; }
    const SqlLines& sql() const { return m_sql; }
    Params& params();
    Param& param(int index) { return params()[index]; }

    // Declaring fields fixes the dataset's field list: exactly these, each bound to the first result
    // column of its name; other columns are ignored and a missing one makes opening fail.
    Field& addField(const QString& name, FieldType type, int size = 0);

    void open();
    void close();
    // Runs the statement without opening the dataset; returns the rows it affected.
    int execute();
    bool active() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    Field& field(int index) const;
    Field* findField(const QString& name) const;
    Field& fieldByName(const QString& name) const;

    void first();
    void next();
    void prior();
    void last();
    // A closed dataset has no row to stand on: eof, bof and isEmpty are true.
    bool eof() const { return !active() || m_eof; }
    bool bof() const { return !active() || m_bof; }
    bool isEmpty() const { return !active() || m_visible.empty(); }
    int recordCount() const;
    // The current row counted from 0 among the rows the filter lets through; -1 when there is none.
    int recNo() const { return active() ? m_current : -1; }
    void setRecNo(int row);
    bool locate(const QString& fieldName, const Value& key, LocateOptions options = {});

    void edit();
    void post();
    void cancel();

    const QString& filter() const { return m_filterText; }
    void setFilter(const QString& expression);
    bool filtered() const { return m_filtered; }
    void setFiltered(bool filtered);

    // Asks the bound controls, in the order they were bound, to focus the one that shows `field`.
    void requestFocusControl(Field& field);

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabledControls > 0; }

private:
    friend class Field;
    friend class DataSource;

    QString prefixed(const QString& message) const;
    [[noreturn]] void fail(const QString& message) const;
    void checkActive() const;
    void checkBrowseMode();
    const ParameterMarkers& markers();
    PgResult run();
    void bindFields(const PGresult* result);
    std::unique_ptr<Field> reuseOrCreateField(const QString& name, const PgColumnType& type, int column);
    void checkMember(const Field& field) const;
    bool passesFilter(const FilterExpression& filter, int resultRow) const;
    std::vector<int> rowsPassingFilter(const FilterExpression& filter, bool filtered) const;
    void moveTo(int row, bool eof, bool bof);
    void showFromFirstRow();
    void dropRowIfFilteredOut();

    Value currentFieldValue(const Field& field) const;
    Value fieldValueAt(const Field& field, int row) const;
    Value storedValue(const Field& field, int resultRow) const;
    void setCurrentFieldValue(const Field& field, const Value& value);

    void attach(DataSource* source);
    void detach(DataSource* source);
    void notifyDataSetChanged();
    void notifyRecordChanged(int row);
    void notifyScrolled();
    void notifyStateChanged();

    QString m_name;
    Connection* m_connection = nullptr;
    SqlLines m_sql;
    std::optional<ParameterMarkers> m_markers;
    Params m_params;

    bool m_persistentFields = false;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::vector<std::unique_ptr<Field>> m_retiredFields;  // fields of an earlier opening

    State m_state = State::Inactive;
    PgResult m_result;
    std::vector<int> m_visible;  // result rows that pass the filter, in result order
    int m_current = -1;          // index into m_visible
    bool m_eof = true;
    bool m_bof = true;
    // The change cache: result row -> value per field index, for the fields that were edited.
    std::unordered_map<int, std::vector<std::optional<Value>>> m_changes;
    std::vector<std::optional<Value>> m_editBuffer;

    QString m_filterText;
    FilterExpression m_filter;
    bool m_filtered = false;

    int m_disabledControls = 0;
    bool m_missedNotification = false;
    std::vector<DataSource*> m_sources;
};

// Keeps bound views still for a scope, however it is left.
class ControlsDisabled {
public:
    explicit ControlsDisabled(Query& query) : m_query(query) { m_query.disableControls(); }
    ~ControlsDisabled() { m_query.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    Query& m_query;
};
