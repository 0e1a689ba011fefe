#include "core/data/engine/StoredValues.h"

#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/Sqlite.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace StoredValues {

namespace {

// A statement's column and a visited row's value read alike.
template <typename Row>
QVariant readValue(const Row &statement, int column, const FieldDef &def)
{
    if (statement.isNull(column))
        return QVariant();
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FormattedMemo:
    case FieldType::Bcd:
        return statement.columnText(column);
    case FieldType::Date:
        return QDate::fromString(statement.columnText(column), Qt::ISODate);
    case FieldType::Time:
        return QTime::fromString(statement.columnText(column), Qt::ISODateWithMs);
    case FieldType::Timestamp:
        return QDateTime::fromString(statement.columnText(column), Qt::ISODateWithMs);
    case FieldType::Money:
        return QVariant::fromValue(Money::fromUnits(statement.columnInt(column)));
    case FieldType::Number:
        return statement.columnDouble(column);
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement:
        return int(statement.columnInt(column));
    case FieldType::Logical:
        return statement.columnInt(column) != 0;
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes:
        return statement.columnBlob(column);
    }
    return QVariant();
}

} // namespace

QVariant read(const sqlite::Statement &statement, int column, const FieldDef &def)
{
    return readValue(statement, column, def);
}

QVariant read(const sqlite::RowValues &row, int column, const FieldDef &def) { return readValue(row, column, def); }

void bind(sqlite::Statement &statement, int index, const FieldDef &def, const QVariant &value)
{
    if (value.isNull()) {
        statement.bindNull(index);
        return;
    }
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FormattedMemo:
    case FieldType::Bcd:
        statement.bindText(index, value.toString());
        break;
    case FieldType::Date:
        statement.bindText(index, value.toDate().toString(Qt::ISODate));
        break;
    case FieldType::Time:
        statement.bindText(index, value.toTime().toString(Qt::ISODateWithMs));
        break;
    case FieldType::Timestamp:
        statement.bindText(index, value.toDateTime().toString(Qt::ISODateWithMs));
        break;
    case FieldType::Money:
        statement.bindInt(index, value.value<Money>().units());
        break;
    case FieldType::Number:
        statement.bindDouble(index, value.toDouble());
        break;
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement:
        statement.bindInt(index, value.toLongLong());
        break;
    case FieldType::Logical:
        statement.bindInt(index, value.toBool() ? 1 : 0);
        break;
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes:
        statement.bindBlob(index, value.toByteArray());
        break;
    }
}

} // namespace StoredValues
