#pragma once

#include "GridColumn.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <memory>
#include <vector>

#include "DataSource.h"
class Query;

// The rows of a dataset as a table model: one row per row the dataset shows (its filter applied),
// one column per grid column. Reading never throws: what cannot be read shows as nothing.
class DBGridModel : public QAbstractTableModel {
public:
    explicit DBGridModel(QObject* parent = nullptr);

    DataSource* dataSource() const { return m_source; }
    void setDataSource(DataSource* source);
    Query* dataSet() const;

    GridColumn& addColumn(const QString& fieldName, const QString& title, int width);
    int columnCountInGrid() const { return static_cast<int>(m_columns.size()); }
    GridColumn& column(int index) const;
    void setColumnTitle(int index, const QString& title);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void reset();
    void rowChanged(int row);

    QPointer<DataSource> m_source;
    std::vector<std::unique_ptr<GridColumn>> m_columns;
};
