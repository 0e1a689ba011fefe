#pragma once

#include <QString>

class Prompter;
class Table;

// What the window of the information texts does to its table.
namespace InfoTextEdits {

inline const QString DeleteTitle = QStringLiteral("Smazat ?");
inline const QString DeleteQuestion = QStringLiteral("Chcete smazat tuto položku ?");

// "Přidat": an empty text before the current one, ready to be typed in.
void insertBefore(Table &texts);
// "Smazat": asks first; on "Ano" the current text goes. True when it went.
bool removeCurrent(Table &texts, Prompter &prompter);
// "Uložit a zavřít": writes a pending edit, an added empty text included
// (the lists then offer it as an empty entry).
void postPending(Table &texts);

} // namespace InfoTextEdits
