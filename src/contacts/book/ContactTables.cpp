#include "contacts/book/ContactTables.h"

#include "core/data/catalogue/Catalogue.h"

namespace ContactTables {

void locate(Table &table, const QString &file)
{
    table.close();
    table.setFolder(Catalogue::PersonalFolder);
    table.setTableName(file);
}

} // namespace ContactTables

TDataModule14::TDataModule14(QObject *parent) : QObject(parent)
{
    ContactTables::locate(m_table, ContactTables::PhoneBook);
}

TDataModule19::TDataModule19(QObject *parent) : QObject(parent)
{
    ContactTables::locate(m_table, ContactTables::AreaCodes);
}
