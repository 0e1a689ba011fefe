#include "core/app/commands/PreviousYearNames.h"

#include "core/app/commands/CommandTables.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"

PreviousYearNames PreviousYearNames::defaults(int group)
{
    PreviousYearNames names;
    names.group = Commands::defaultGroupCaption(group);
    for (int n = 1; n <= Commands::ItemCount; ++n)
        names.items << Commands::defaultPreviousItemCaption(n);
    return names;
}

PreviousYearNames PreviousYearNames::read(Table &table, int group)
{
    PreviousYearNames names = defaults(group);
    table.close();
    table.setFolder(Catalogue::PreviousYearFolder);
    table.setTableName(group == 2 ? QStringLiteral("Položky2.db") : QStringLiteral("Položky1.db"));
    table.open();
    table.first();
    if (!table.isEmpty()) {
        const QString title = table.field(QStringLiteral("St 0")).asString();
        if (!title.isEmpty())
            names.group = title;
        for (int n = 1; n <= Commands::ItemCount; ++n) {
            const QString caption = table.field(QStringLiteral("String ") + QString::number(n)).asString();
            if (!caption.isEmpty())
                names.items[n - 1] = caption;
        }
    }
    table.close();
    return names;
}
