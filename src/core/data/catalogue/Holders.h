#pragma once

#include "core/data/engine/Table.h"

#include <QObject>
#include <QString>

class Prompter;
class StatusSink;

// The ledger table holder shared by the record window, the graph window
// and the menu commands. `Soubor` switches it to another ledger table and
// remembers the previous one, which `ZpetSoubor` reopens.
class TDataModule2 : public QObject
{
    Q_OBJECT
public:
    TDataModule2(StatusSink &status, Prompter &prompter, QObject *parent = nullptr);

    Table &table() { return m_table; }
    // `name` is relative to the data folder and may carry "Data01\".
    void Soubor(const QString &name);
    void ZpetSoubor();
    QString previousTableName() const { return m_previousName; }

private:
    StatusSink &m_status;
    Table m_table;
    QString m_previousName;
};

// A second, independent cursor on any ledger table.
class TDataModule23 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule23(StatusSink &status, QObject *parent = nullptr);

    Table &table() { return m_table; }
    void Soubor(const QString &name);

private:
    StatusSink &m_status;
    Table m_table;
};

// The holder of the item names ("Položky1.db" or "Položky2.db").
class TDataModule12 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule12(StatusSink &status, QObject *parent = nullptr);

    Table &table() { return m_table; }
    void Soubor(const QString &name);

private:
    StatusSink &m_status;
    Table m_table;
};

// The holder of the information texts ("VlDb Data\TextData.db"): its table
// is opened when the program starts and stays open for the whole run.
class TDataModule6 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule6(QObject *parent = nullptr);

    Table &table() { return m_table; }
    // The texts in table order, read with the grids' updates suspended;
    // the cursor ends on the first record.
    QStringList texts();

private:
    Table m_table;
};
