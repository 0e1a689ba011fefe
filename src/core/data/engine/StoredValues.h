#pragma once

#include "core/data/engine/FieldDef.h"

#include <QVariant>

namespace sqlite {
class RowValues;
class Statement;
}

// How a field's value is kept in its SQLite column: texts as TEXT, money as
// INTEGER ten-thousandths, dates and times as ISO TEXT, logicals as 0/1,
// bytes as BLOB; null is NULL.
namespace StoredValues {

QVariant read(const sqlite::Statement &statement, int column, const FieldDef &def);
QVariant read(const sqlite::RowValues &row, int column, const FieldDef &def);
void bind(sqlite::Statement &statement, int index, const FieldDef &def, const QVariant &value);

} // namespace StoredValues
