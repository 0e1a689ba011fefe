#include "core/data/engine/FieldDef.h"

#include <QRegularExpression>

namespace FieldTypes {

namespace {

struct TypeName
{
    FieldType type;
    const char *sql;    // the declared type without its size
    bool sized;         // carries "(size)"
    const char *human;
};

// The declared types keep SQLite's column affinity right (INTEGER, REAL,
// TEXT, BLOB) and name the field kind, so a table file describes itself.
constexpr TypeName typeNames[] = {
    {FieldType::Text, "TEXT", true, "text"},
    {FieldType::Date, "DATE TEXT", false, "date"},
    {FieldType::Time, "TIME TEXT", false, "time"},
    {FieldType::Timestamp, "TIMESTAMP TEXT", false, "timestamp"},
    {FieldType::Money, "MONEY INTEGER", false, "money"},
    {FieldType::Number, "NUMBER REAL", false, "number"},
    {FieldType::Short, "SHORT INTEGER", false, "short"},
    {FieldType::Long, "LONG INTEGER", false, "long"},
    {FieldType::Logical, "LOGICAL INTEGER", false, "logical"},
    {FieldType::AutoIncrement, "AUTOINC INTEGER", false, "autoincrement"},
    {FieldType::Bcd, "BCD TEXT", true, "BCD"},
    {FieldType::Memo, "MEMO TEXT", true, "memo"},
    {FieldType::FormattedMemo, "FORMATTED MEMO TEXT", true, "formatted memo"},
    {FieldType::Graphic, "GRAPHIC BLOB", true, "graphic"},
    {FieldType::Ole, "OLE BLOB", true, "OLE"},
    {FieldType::Binary, "BINARY BLOB", true, "binary"},
    {FieldType::Bytes, "BYTES BLOB", true, "bytes"},
};

const TypeName &nameOf(FieldType type)
{
    for (const TypeName &name : typeNames)
        if (name.type == type)
            return name;
    return typeNames[0];
}

} // namespace

QString declaredType(const FieldDef &field)
{
    const TypeName &name = nameOf(field.type);
    QString text = QLatin1String(name.sql);
    if (name.sized)
        text += QStringLiteral("(%1)").arg(field.size);
    return text;
}

bool fromDeclaredType(const QString &declared, FieldType *type, int *size)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([A-Z ]*[A-Z])\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*$"));
    const auto match = form.match(declared.toUpper());
    if (!match.hasMatch())
        return false;
    const QString base = match.captured(1).simplified();
    const bool hasSize = !match.captured(2).isEmpty();
    for (const TypeName &name : typeNames) {
        if (base == QLatin1String(name.sql) && hasSize == name.sized) {
            *type = name.type;
            *size = hasSize ? match.captured(2).toInt() : 0;
            return true;
        }
    }
    return false;
}

QString describe(const FieldDef &field)
{
    const TypeName &name = nameOf(field.type);
    QString text = QLatin1String(name.human);
    if (name.sized)
        text += QStringLiteral("(%1)").arg(field.size);
    return text;
}

} // namespace FieldTypes
