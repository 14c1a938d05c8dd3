#include "GridColumn.h"

#include "Query.h"

Field* GridColumn::fieldIn(const Query* dataSet) const
{
    return dataSet ? dataSet->findField(m_fieldName) : nullptr;
}
