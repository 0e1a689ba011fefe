#pragma once

#include "core/data/engine/Table.h"

#include <QObject>
#include <QString>

// The tables of the contacts, in the personal folder "VlDb Data".
namespace ContactTables {

inline const QString PhoneBook = QStringLiteral("TelSez.DB");
inline const QString AreaCodes = QStringLiteral("Predvlby.db");
inline const QString Addresses = QStringLiteral("Adresy.db");

// A table of the personal folder, not yet open.
void locate(Table &table, const QString &file);

} // namespace ContactTables

// The holder of the phone book ("VlDb Data\TelSez.DB"), made when the
// program starts; the phone-book window opens its table when it is made
// and closes it when it goes.
class TDataModule14 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule14(QObject *parent = nullptr);
    Table &table() { return m_table; }

private:
    Table m_table;
};

// The holder of the area codes ("VlDb Data\Predvlby.db"); the area-code
// window opens its table and closes it again.
class TDataModule19 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule19(QObject *parent = nullptr);
    Table &table() { return m_table; }

private:
    Table m_table;
};
