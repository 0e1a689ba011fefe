#pragma once

#include "core/data/engine/FieldDef.h"

#include <QList>
#include <QString>
#include <optional>

// Whether the columns of a table file make a table of the program, and
// which layout it has. A table's columns are its fields in their order,
// then the hidden order column and the hidden identity column; tables of
// the first version end in the order column alone, which was their key.
namespace SchemaCheck {

inline const QString OrderColumn = QStringLiteral("_poradi");
inline const QString IdColumn = QStringLiteral("_id");

struct Column
{
    QString name;
    QString type; // as declared
    bool key = false;
};

struct Result
{
    Layout layout;
    bool firstVersion = false;
    QString refusal; // why the file is not a table of the program; empty when it is
};

// Checks the columns against `expected` (when there is one).
Result check(const QList<Column> &columns, const std::optional<Layout> &expected);

// The SQL declaration of the two hidden columns of the current form.
QString hiddenColumns();

} // namespace SchemaCheck
