#pragma once

#include <QString>
#include <array>

class MenuCaptions;
class Table;
class TDataModule12;

// The names of the two item groups: where they are stored ("Položky1.db",
// "Položky2.db", first row) and how they reach the main window's captions,
// with the defaults shown for an empty name. A name is shown exactly as
// stored; only the defaults carry their number.
namespace ItemNames {

inline const QString GroupField = QStringLiteral("St 0");
inline const QString ButtonField = QStringLiteral("String 80");
QString itemField(int n); // "String 1" … "String 12"
QString fileOf(int group); // "Položky1.db", "Položky2.db"
// The group whose names `fileName` holds: 1, 2, or 0 for neither.
int groupOf(const QString &fileName);

struct Names
{
    QString group;
    QString button;
    std::array<QString, 12> items;
};

// The names of the table's first row; empty when it has none.
Names read(const Table &names);

// The live updates of one name: the captions that carry it, the default
// when it is empty. Only the captions of `group` change.
void showGroupName(MenuCaptions &captions, int group, const QString &name);
void showButtonName(MenuCaptions &captions, int group, const QString &name);
void showItemName(MenuCaptions &captions, int group, int n, const QString &name);
void show(MenuCaptions &captions, int group, const Names &names);

// The start-up pass (NastavitPolozky): group 1, then group 2, each table
// opened, shown and closed again.
void NastavitPolozky(TDataModule12 &module, MenuCaptions &captions);

} // namespace ItemNames
