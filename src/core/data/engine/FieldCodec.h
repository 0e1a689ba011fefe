#pragma once

#include "core/data/engine/FieldDef.h"
#include "core/data/format/Money.h"

#include <QVariant>

Q_DECLARE_METATYPE(Money)

// The values of fields: what a field can hold, how typed text becomes a
// value, and how a value reads as text and in a grid.
namespace FieldCodec {

// Normalises a value for a field (cuts texts, converts numbers); raises an
// EngineError for a value the field cannot take. Empty becomes null.
QVariant normalized(const FieldDef &def, const QVariant &value);
// Parses typed text by the field's type ("1 234,50", "3.2.2009", "Ano");
// empty text clears. Raises an EngineError for text that is no such value.
QVariant fromText(const FieldDef &def, const QString &text);
// The text of a value as stored: numbers without grouping, d.M.yyyy dates,
// logicals "True"/"False".
QString text(const FieldDef &def, const QVariant &value);
// As a grid shows it: amounts "1 234,50 Kč", everything else as text().
QString displayText(const FieldDef &def, const QVariant &value);
// Two stored values are the same: nulls equal only nulls.
bool sameValue(const QVariant &a, const QVariant &b);

} // namespace FieldCodec
