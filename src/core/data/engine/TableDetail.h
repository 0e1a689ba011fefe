#pragma once

#include "core/data/engine/SchemaCheck.h"

#include <QString>

// What the source files of Table share: the hidden columns, the size of
// the row cache and the texts of a row changed under the cursor.
namespace TableDetail {

using SchemaCheck::IdColumn;
using SchemaCheck::OrderColumn;
inline constexpr int RowCacheLimit = 2048;

inline QString quotedName(const QString &name) { return QStringLiteral("„") + name + QStringLiteral("“"); }

inline const QString RowDeleted = QStringLiteral("Záznam byl mezitím smazán v jiném okně programu. Tabulka %1 je "
                                                 "načtena znovu; zkontrolujte ji a změnu zadejte znovu.");
inline const QString RowChanged = QStringLiteral("Záznam byl mezitím změněn v jiném okně programu. Tabulka %1 je "
                                                 "načtena znovu; zkontrolujte záznam a změnu zadejte znovu.");

} // namespace TableDetail
