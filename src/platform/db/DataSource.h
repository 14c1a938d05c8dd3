#pragma once

#include <QObject>

class Field;
class Query;

// Connects views to a dataset: they learn from its signals when to repaint.
class DataSource : public QObject {
    Q_OBJECT

public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    Query* dataSet() const { return m_dataSet; }
    void setDataSet(Query* dataSet);

Q_SIGNALS:
    // Rows or fields changed as a whole: opened, closed, filtered, or controls enabled again.
    void dataSetChanged();
    // One row's values changed.
    void recordChanged(int row);
    // The current row moved.
    void scrolled();
    // Browse, edit or inactive.
    void stateChanged();
    // A control showing `field` is asked to take the focus; the first that does sets *handled.
    void focusControlRequested(Field* field, bool* handled);

private:
    friend class Query;
    Query* m_dataSet = nullptr;
};
