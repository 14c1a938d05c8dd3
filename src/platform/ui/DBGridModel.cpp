#include "DBGridModel.h"

#include "DataSource.h"
#include "DatasetError.h"
#include "Field.h"
#include "Query.h"

DBGridModel::DBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DBGridModel::setDataSource(DataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (source) {
        connect(source, &DataSource::dataSetChanged, this, &DBGridModel::reset);
        connect(source, &DataSource::recordChanged, this, &DBGridModel::rowChanged);
        connect(source, &QObject::destroyed, this, &DBGridModel::reset);
    }
    reset();
}

Query* DBGridModel::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

GridColumn& DBGridModel::addColumn(const QString& fieldName, const QString& title, int width)
{
    const int index = columnCountInGrid();
    beginInsertColumns({}, index, index);
    m_columns.push_back(std::make_unique<GridColumn>(index, fieldName, title, width));
    endInsertColumns();
    return *m_columns.back();
}

GridColumn& DBGridModel::column(int index) const
{
    if (index < 0 || index >= columnCountInGrid())
        throw DatasetError(QStringLiteral("Coluna %1 da grade não existe").arg(index));
    return *m_columns[static_cast<std::size_t>(index)];
}

void DBGridModel::setColumnTitle(int index, const QString& title)
{
    column(index).setTitle(title);
    Q_EMIT headerDataChanged(Qt::Horizontal, index, index);
}

int DBGridModel::rowCount(const QModelIndex& parent) const
{
    const Query* query = dataSet();
    if (parent.isValid() || !query || !query->active())
        return 0;
    return query->recordCount();
}

int DBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnCountInGrid();
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const
{
    const Query* query = dataSet();
    if (!index.isValid() || !query || !query->active())
        return {};
    const Field* field = m_columns[static_cast<std::size_t>(index.column())]->fieldIn(query);
    if (!field)
        return {};
    switch (role) {
        case Qt::DisplayRole:
            try {
                return field->textAt(index.row());
            } catch (const std::exception&) {
                return {};
            }
        case Qt::TextAlignmentRole:
            return isNumericType(field->dataType()) ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                    : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCountInGrid())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<std::size_t>(section)]->title();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void DBGridModel::reset()
{
    beginResetModel();
    endResetModel();
}

void DBGridModel::rowChanged(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCountInGrid() - 1));
}
