#include "records/ledger/ItemNames.h"

#include "core/app/commands/CommandTables.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"

namespace ItemNames {

QString itemField(int n) { return QStringLiteral("String ") + QString::number(n); }

QString fileOf(int group) { return group == 2 ? QStringLiteral("Položky2.db") : QStringLiteral("Položky1.db"); }

int groupOf(const QString &fileName)
{
    if (fileName == fileOf(1))
        return 1;
    if (fileName == fileOf(2))
        return 2;
    return 0;
}

Names read(const Table &names)
{
    Names read;
    if (!names.isOpen() || names.controlCurrentRow() < 0)
        return read;
    read.group = names.field(GroupField).asString();
    read.button = names.field(ButtonField).asString();
    for (int n = 1; n <= Commands::ItemCount; ++n)
        read.items[std::size_t(n - 1)] = names.field(itemField(n)).asString();
    return read;
}

void showGroupName(MenuCaptions &captions, int group, const QString &name)
{
    const QString shown = name.isEmpty() ? Commands::defaultGroupCaption(group) : name;
    captions.setGroup(group, shown);
    captions.setPrintGroup(group, shown);
}

void showButtonName(MenuCaptions &captions, int group, const QString &name)
{
    captions.setButton(group, name.isEmpty() ? Commands::defaultButtonCaption(group) : name);
}

void showItemName(MenuCaptions &captions, int group, int n, const QString &name)
{
    const QString shown = name.isEmpty() ? Commands::defaultItemCaption(n) : name;
    captions.setItem(group, n, shown);
    for (Commands::GraphFamily family : Commands::GraphFamilies)
        captions.setGraphItem(group, family, n, shown);
    captions.setPrintItem(group, n, shown);
}

void show(MenuCaptions &captions, int group, const Names &names)
{
    showGroupName(captions, group, names.group);
    showButtonName(captions, group, names.button);
    for (int n = 1; n <= Commands::ItemCount; ++n)
        showItemName(captions, group, n, names.items[std::size_t(n - 1)]);
}

void NastavitPolozky(TDataModule12 &module, MenuCaptions &captions)
{
    for (int group = 1; group <= Commands::GroupCount; ++group) {
        module.Soubor(fileOf(group));
        module.table().first();
        show(captions, group, read(module.table()));
        module.table().close();
    }
}

} // namespace ItemNames
