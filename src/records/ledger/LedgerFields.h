#pragma once

#include <QString>

// The fields of a ledger record that the record window gives a meaning to.
// The other fields of the layout stay empty.
namespace LedgerField {

inline const QString Date = QStringLiteral("Datum");
inline const QString Text = QStringLiteral("Text 80");              // "Informační text"
inline const QString Amount = QStringLiteral("Castka");             // "Částka"
inline const QString Supplement = QStringLiteral("Text 2 100");     // "Doplněk"
inline const QString Colour = QStringLiteral("Cislo");              // the row's text colour, 0x00BBGGRR
inline const QString HiddenAmount = QStringLiteral("Cena");         // counted in the total, never shown
inline const QString RowNumber = QStringLiteral("Kratky - Short");  // 1 ... N in table order
inline const QString HiddenText = QStringLiteral("Memo Polozka 10");

} // namespace LedgerField
