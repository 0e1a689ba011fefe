#include "records/ledger/RowTicks.h"

bool RowTicks::toggle(int number)
{
    if (m_numbers.remove(number))
        return false;
    m_numbers.insert(number);
    return true;
}

Table::Predicate RowTicks::filter(int rowNumberField) const
{
    return [this, rowNumberField](const Table &table) {
        const QVariant number = table.value(rowNumberField);
        return !number.isNull() && m_numbers.contains(number.toInt());
    };
}
