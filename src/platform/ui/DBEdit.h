#pragma once

#include "Control.h"

#include <QLineEdit>
#include <QPointer>

#include "DataSource.h"
class Field;
class Query;

// An edit box bound to one field of a dataset's current row: it shows the field's text and, once the
// user has typed, writes it back into the row (the dataset goes into edit mode) when the box is left.
class DBEdit : public Control<QLineEdit> {
public:
    explicit DBEdit(QWidget* parent = nullptr);

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;

    DataSource* dataSource() const { return m_source; }
    void setDataSource(DataSource* source);
    const QString& dataField() const { return m_fieldName; }
    void setDataField(const QString& name);
    Query* dataSet() const;
    // The bound field while the dataset is open and has it; null otherwise.
    Field* field() const;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showField();
    void takeFocusFor(Field* wanted, bool* handled);
    void userEdited();
    void writeBack();

    QPointer<DataSource> m_source;
    QString m_fieldName;
    bool m_showing = false;
    bool m_modified = false;
};
