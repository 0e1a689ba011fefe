#include "EngineTesting.h"

#include <QtTest>
#include <sqlite3.h>

std::unique_ptr<Table> openLedger(const QString &name, const QString &folder)
{
    auto table = std::make_unique<Table>();
    table->setFolder(folder);
    table->setTableName(name);
    table->open();
    return table;
}

void appendRow(Table &table, const QString &text, double amount)
{
    table.append();
    table.field(QStringLiteral("Text 80")).setString(text);
    table.field(QStringLiteral("Castka")).setMoney(Money::fromDouble(amount));
    table.post();
}

QStringList texts(Table &table)
{
    QStringList list;
    table.disableControls();
    const Table::Bookmark mark = table.bookmark();
    for (table.first(); !table.eof(); table.next())
        list << table.field(QStringLiteral("Text 80")).asString();
    if (table.bookmarkValid(mark))
        table.gotoBookmark(mark);
    table.enableControls();
    return list;
}

QString sqlValue(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

void sqlExec(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    const QString message = error ? QString::fromUtf8(error) : QString();
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(message));
}

