#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

class Prompter;
class Table;

// The three tables of regular payments and what the payments window reads
// and decides about them.
namespace PaymentTables {

inline constexpr int Count = 3;
// "PravPl1.db" (the months), "PravPl2.db" (item group 1), "PravPl3.db"
// (item group 2); index 0-2.
QString fileOf(int index);

// The flags of a payment as the flags grid shows them: "Ano" or "Ne".
QStringList flagTexts(const std::array<bool, 12> &flags);
// Back from the grid's texts: true exactly for "ANO" in any letter case.
std::array<bool, 12> flagsFrom(const QStringList &texts);
std::array<bool, 12> flagsOf(const Table &payments);
void setFlags(Table &payments, const std::array<bool, 12> &flags);

// A payment whose end date is before today, or that has none.
bool isExpired(const QDate &end, const QDate &today);

struct ExpiredRow
{
    QString group; // "Měsíční" or the group's name
    QString start;
    QString end;
    QString name;
    QString amount; // a plain number
};
// The expired payments of the three tables, in table order; `groupNames`
// names the three tables' groups.
QList<ExpiredRow> expired(const QDate &today, const std::array<QString, Count> &groupNames);

inline const QString DeleteTitle = QStringLiteral("Smazat ?");
inline const QString DeleteQuestion = QStringLiteral("Smazat tento záznam ?");
// "Smazat položku": writes a pending edit, asks, and on "Ano" deletes.
bool removeCurrent(Table &payments, Prompter &prompter);

} // namespace PaymentTables
