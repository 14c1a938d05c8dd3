#include "DataSource.h"

#include "Query.h"

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::~DataSource()
{
    setDataSet(nullptr);
}

void DataSource::setDataSet(Query* dataSet)
{
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        m_dataSet->detach(this);
    m_dataSet = dataSet;
    if (m_dataSet)
        m_dataSet->attach(this);
    Q_EMIT dataSetChanged();
}
