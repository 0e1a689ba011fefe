#pragma once

#include <QString>

class Clock;
class Prompter;
class Table;

// `KontrolaDatumu`: when the record window closes, every shown record
// without a date is asked about; "Ano" dates it today. A pass whose last
// answer was "Ano" is followed by another pass from the first record, so a
// record declined earlier in it is asked about again.
namespace DateCheck {

inline const QString Title = QStringLiteral("Chybí datum");
inline const QString DeclinedMessage = QStringLiteral("Chybějící datum způsobí chybné zobrazení v grafu !");
inline constexpr int QuestionIcon = 2;

// "V položce "text" chybí datum ! Vložit dnešní datum ?"
QString question(const QString &text);

// The grids' updates are suspended meanwhile; ends on the first record.
// Returns the number of passes made.
int KontrolaDatumu(Table &ledger, Prompter &prompter, const Clock &clock);

} // namespace DateCheck
