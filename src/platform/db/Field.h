#pragma once

#include "FieldType.h"
#include "Value.h"

#include <QDateTime>
#include <QString>

class Query;

// One field of a dataset. Reads and writes go to the dataset's current row; a NULL reads as 0, the
// empty text, false or the zero date-time through the typed accessors and as Null through value().
class Field {
public:
    Field(Query& dataSet, QString name, FieldType type, int size, int index);
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    Query& dataSet() const { return m_dataSet; }
    const QString& fieldName() const { return m_name; }
    FieldType dataType() const { return m_type; }
    int size() const { return m_size; }
    // Its place in the dataset's field list; -1 for a field of an earlier opening of another statement.
    int index() const { return m_index; }

    QString displayLabel() const { return m_displayLabel.isEmpty() ? m_name : m_displayLabel; }
    void setDisplayLabel(const QString& label) { m_displayLabel = label; }
    int displayWidth() const { return m_displayWidth > 0 ? m_displayWidth : defaultDisplayWidth(m_type, m_size); }
    void setDisplayWidth(int width) { m_displayWidth = width; }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    Value value() const;
    bool isNull() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    QString asString() const;
    QDateTime asDateTime() const;
    bool asBoolean() const;
    QString displayText() const { return asString(); }

    // The value in another row of the dataset, without moving to it (for views that paint rows).
    Value valueAt(int row) const;
    QString textAt(int row) const;

    void setValue(const Value& value);
    void setAsInteger(int value) { setValue(Value(value)); }
    void setAsFloat(double value) { setValue(Value(value)); }
    void setAsString(const QString& value) { setValue(Value(value)); }
    void setAsDateTime(const QDateTime& value) { setValue(Value(value)); }
    void clear() { setValue(Value::null()); }

    // Gives the focus to the first control that shows this field, if any does.
    void focusControl();

    // The value as this field holds it (an integer field holds integers...); Null stays Null.
    Value coerce(const Value& value) const;
    // The text a value of this field shows: dates without time, times without date.
    QString textOf(const Value& value) const;

private:
    friend class Query;

    Query& m_dataSet;
    QString m_name;
    FieldType m_type;
    int m_size;
    int m_index;
    QString m_displayLabel;
    int m_displayWidth = 0;
    bool m_readOnly = false;
    int m_column = -1;    // the result column it is bound to while the dataset is open
    int m_position = -1;  // the column a field made from the result stands for
};
