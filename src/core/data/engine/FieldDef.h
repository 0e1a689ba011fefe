#pragma once

#include <QList>
#include <QString>

// The kinds of field a table of the program can have, and how each is
// stored: texts as TEXT cut to their size, money as INTEGER ten-thousandths,
// numbers as REAL, dates and times as ISO TEXT, logicals as 0/1, large
// objects and bytes as BLOB. Empty is NULL.
enum class FieldType {
    Text,          // text(N)
    Date,
    Time,
    Timestamp,
    Money,
    Number,        // double
    Short,         // 16-bit
    Long,          // 32-bit
    Logical,
    AutoIncrement, // assigned by the engine when a row is inserted
    Bcd,           // decimal with `size` digits after the point
    Memo,
    FormattedMemo,
    Graphic,
    Ole,
    Binary,
    Bytes,         // fixed `size` bytes
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters of a text, bytes of bytes(N), digits of BCD, inline part of a memo

    bool operator==(const FieldDef &) const = default;
};

using Layout = QList<FieldDef>;

namespace FieldTypes {

// The SQL column type that stores a field ("TEXT(80)", "MONEY INTEGER").
QString declaredType(const FieldDef &field);
// Back from a declared type; false when it is not one of ours.
bool fromDeclaredType(const QString &declared, FieldType *type, int *size);
// "text(80)", "money": for messages.
QString describe(const FieldDef &field);
// Whether a written value is cut to `size` characters (text) or bytes.
inline bool isCutToSize(FieldType type) { return type == FieldType::Text || type == FieldType::Bytes; }

} // namespace FieldTypes
