#include "core/data/catalogue/Catalogue.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/EngineError.h"
#include "core/data/platform/FolderLock.h"
#include "core/data/platform/ProgramFolder.h"
#include "core/data/platform/StatusSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QDate>
#include <QDirIterator>
#include <QProcess>
#include <QtTest>
#include <memory>
#include <csignal>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// Records what a holder shows in the main window's status bar.
class RecordingStatus final : public StatusSink
{
public:
    void setStatusText(const QString &text) override { texts << text; }
    void setBusy(bool busy) override { this->busy = busy; }
    QStringList texts;
    bool busy = false;
};

QStringList columnsOf(const QString &path)
{
    QStringList columns;
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT p.name FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table' "
                       "AND m.name NOT LIKE 'sqlite%'",
                       -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        columns << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return columns;
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void monthFiles_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("file");
        QTest::newRow("January") << 1 << "Leden.db";
        QTest::newRow("February") << 2 << "Unor.db";
        QTest::newRow("July") << 7 << "Cervenec.db";
        QTest::newRow("September") << 9 << "Zari.db";
        QTest::newRow("December") << 12 << "Prosinec.db";
    }
    void monthFiles()
    {
        QFETCH(int, month);
        QFETCH(QString, file);
        QCOMPARE(Catalogue::monthFile(month), file);
        QCOMPARE(Catalogue::monthOfFile(file), month);
        QCOMPARE(Catalogue::monthOfFile(file.toUpper()), month);
        QCOMPARE(Catalogue::monthOfFile(Catalogue::previousYearName(file)), month);
    }

    void itemFiles_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("file");
        QTest::newRow("group 1, item 1") << 1 << 1 << "Zaznam1.db";
        QTest::newRow("group 1, item 10") << 1 << 10 << "Zaznam10.db";
        QTest::newRow("group 1, item 12") << 1 << 12 << "Zaznam12.db";
        QTest::newRow("group 2, item 1") << 2 << 1 << "Zaznam01.db";
        QTest::newRow("group 2, item 10") << 2 << 10 << "Zaznam010.db";
        QTest::newRow("group 2, item 12") << 2 << 12 << "Zaznam012.db";
    }
    void itemFiles()
    {
        QFETCH(int, group);
        QFETCH(int, item);
        QFETCH(QString, file);
        QCOMPARE(Catalogue::itemFile(group, item), file);
        QCOMPARE(Catalogue::itemOfFile(file.toUpper()), item);
        QCOMPARE(Catalogue::groupOfFile(file.toUpper()), group);
        QCOMPARE(Catalogue::itemOfFile(QStringLiteral("Data01\\") + file), item);
    }

    void namesThatAreNoTable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("item 13") << "ZAZNAM13.DB";
        QTest::newRow("item 0") << "ZAZNAM0.DB";
        QTest::newRow("group 2 item 13") << "ZAZNAM013.DB";
        QTest::newRow("two zeros") << "ZAZNAM001.DB";
        QTest::newRow("no number") << "ZAZNAM.DB";
        QTest::newRow("other table") << "NGRAF.DB";
    }
    void namesThatAreNoTable()
    {
        QFETCH(QString, file);
        QCOMPARE(Catalogue::itemOfFile(file), 0);
        QCOMPARE(Catalogue::monthOfFile(file), 0);
    }

    void catalogueKnowsEveryTable()
    {
        QCOMPARE(Catalogue::tables().size(), 12 + 24 + 2 + 3 + 1 + 5 + 4);
        QCOMPARE(Catalogue::layout(Catalogue::Kind::Ledger).size(), 24);
        QCOMPARE(Catalogue::layout(Catalogue::Kind::ItemNames).size(), 25);
        QCOMPARE(Catalogue::layout(Catalogue::Kind::RegularPayment).size(), 16);
        QCOMPARE(Catalogue::layoutForFile(QStringLiteral("data01\\SPELEKTR.db"))->at(4).name, QStringLiteral("Kc/KWh"));
        QCOMPARE(Catalogue::layoutForFile(QStringLiteral("SPPLYN.DB"))->at(4).name, QStringLiteral("Kc/m3"));
        QVERIFY(!Catalogue::layoutForFile(QStringLiteral("Jiny.db")));
    }

    void previousYearTableOpensBelowTheDataFolder()
    {
        TestEnv env;
        env.deliverTables();
        ScriptedPrompter prompter;
        RecordingStatus status;
        TDataModule2 holder(status, prompter);
        holder.Soubor(QStringLiteral("Data01\\Leden.db"));
        QCOMPARE(holder.table().filePath(), env.path(QStringLiteral("Data/Data01/Leden.db")));
        QCOMPARE(status.texts, QStringList{QStringLiteral("Otevírám databázi...")});
        QVERIFY(status.busy); // the caller resets it
    }

    void backToThePreviousTable()
    {
        TestEnv env;
        env.deliverTables();
        ScriptedPrompter prompter;
        RecordingStatus status;
        TDataModule2 holder(status, prompter);
        holder.Soubor(QStringLiteral("Data01\\Zaznam05.db"));
        holder.Soubor(QStringLiteral("Unor.db"));
        holder.ZpetSoubor();
        QCOMPARE(holder.table().tableName(), QStringLiteral("Data01\\Zaznam05.db"));
        QVERIFY(holder.table().isOpen());
        QCOMPARE(holder.table().filePath(), env.path(QStringLiteral("Data/Data01/Zaznam05.db")));
        QCOMPARE(status.texts.last(), QStringLiteral("Databáze je otevřená"));
    }

    void failedSwitchDoesNotLeaveTheHourglass()
    {
        TestEnv env;
        env.deliverTables();
        ScriptedPrompter prompter;
        RecordingStatus status;
        TDataModule2 holder(status, prompter);
        QVERIFY_THROWS_EXCEPTION(EngineError, holder.Soubor(QStringLiteral("Neni.db")));
        QVERIFY(!status.busy);
        TDataModule23 second(status);
        second.Soubor(QStringLiteral("Leden.db"));
        QVERIFY(!status.busy);
    }

    void itemNamesHolderOpensUnfiltered()
    {
        TestEnv env;
        env.deliverTables();
        RecordingStatus status;
        TDataModule12 holder(status);
        holder.Soubor(QStringLiteral("Položky2.db"));
        QCOMPARE(holder.table().recordCount(), 1);
        QCOMPARE(status.texts, (QStringList{QStringLiteral("Otevírám databázi..."), QString()}));
        QVERIFY(!status.busy);
    }

    // The folder the build delivers: every catalogued file with its exact
    // name, each table with the catalogue's columns in order.
    void deliveredFolderHoldsTheCatalogue()
    {
        const QString delivered = ProgramFolder::deliveredFolder();
        QVERIFY2(!delivered.isEmpty(), "no delivered folder found");
        for (const Catalogue::TableFile &file : Catalogue::tables()) {
            const QString path = delivered + QLatin1Char('/') + file.folder + QLatin1Char('/') + file.fileName;
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
            QStringList expected;
            for (const FieldDef &field : Catalogue::layout(file.kind))
                expected << field.name;
            expected << QStringLiteral("_poradi") << QStringLiteral("_id");
            QCOMPARE(columnsOf(path), expected);
        }
        for (const char *name : {"Penezka.ini", "TemaDef.vdd", "Textura.bmp"})
            QVERIFY2(QFileInfo(delivered + QLatin1Char('/') + QLatin1String(name)).isFile(), name);
    }

    void deliveredRows_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rows");
        QTest::newRow("ledger empty") << "Data" << "Leden.db" << 0;
        QTest::newRow("item names") << "Data" << "Položky1.db" << 1;
        QTest::newRow("item names 2") << "Data" << "Položky2.db" << 1;
        QTest::newRow("hot water") << "Data" << "Spvodat.DB" << 12;
        QTest::newRow("night tariff") << "Data" << "SpElNoc.DB" << 12;
        QTest::newRow("gas") << "Data" << "SPPlyn.db" << 12;
        QTest::newRow("payments empty") << "Data" << "PravPl1.db" << 0;
        QTest::newRow("phone book empty") << "VlDb Data" << "TelSez.DB" << 0;
    }
    void deliveredRows()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(int, rows);
        // Read a copy: opening a table writes its journal beside it, and the
        // delivered folder is shared with suites running at the same time.
        TestEnv env;
        env.deliverTables();
        Table table;
        table.setFolder(env.path(folder));
        table.setTableName(file);
        table.open();
        QCOMPARE(table.recordCount(), rows);
        if (rows == 12) {
            table.first();
            QCOMPARE(table.field(QStringLiteral("Mesic")).asString(), QStringLiteral("Leden"));
            table.last();
            QCOMPARE(table.field(QStringLiteral("Mesic")).asString(), QStringLiteral("Prosinec"));
        }
    }

    void deliveredAreaCodesHoldTheDistrictTowns()
    {
        TestEnv env;
        env.deliverTables();
        Table table;
        table.setFolder(env.path(QStringLiteral("VlDb Data")));
        table.setTableName(QStringLiteral("Predvlby.db"));
        table.open();
        QVERIFY(table.recordCount() >= 77);
        QHash<QString, QString> codes;
        for (table.first(); !table.eof(); table.next())
            codes.insert(table.field(QStringLiteral("Mesto")).asString(), table.field(QStringLiteral("Predvolba")).asString());
        QCOMPARE(codes.value(QStringLiteral("Praha")), QStringLiteral("02"));
        QCOMPARE(codes.value(QStringLiteral("Brno")), QStringLiteral("05"));
        QVERIFY(codes.contains(QStringLiteral("Žďár nad Sázavou")));
    }

    void firstStartFillsAnEmptyFolder()
    {
        TestEnv env;
        const QString target = env.programFolder() + QStringLiteral("/new");
        QCOMPARE(ProgramFolder::prepare(target), QString());
        QCOMPARE(QDir::currentPath(), target);
        QVERIFY(QFileInfo(target + QStringLiteral("/Data/Položky1.db")).isFile());
        QVERIFY(QFileInfo(target + QStringLiteral("/VlDb Data/Predvlby.db")).isFile());
        QVERIFY(QFileInfo(target + QStringLiteral("/Penezka.ini")).isFile());
    }

    void folderWithoutProgramUsesTheDataHome()
    {
        TestEnv env;
        QCOMPARE(ProgramFolder::prepare(QString()), QString());
        QCOMPARE(QDir::currentPath(), QDir(env.programFolder() + QStringLiteral("/../data/Rozvahon")).canonicalPath());
        QVERIFY(QFileInfo(QStringLiteral("Data/Leden.db")).isFile());
    }

    // A folder in use keeps every file it has; what it lacks of the
    // delivered files is added, and the missing tables are told of.
    void existingProgramFolderKeepsItsFiles()
    {
        TestEnv env;
        env.writeFile(QStringLiteral("Penezka.ini"), "[Nastaveni]\r\nTipy=0\r\n");
        QString notice;
        QCOMPARE(ProgramFolder::prepare(QString(), &notice), QString());
        QCOMPARE(QDir::currentPath(), env.programFolder());
        QFile ini(QStringLiteral("Penezka.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), QByteArray("[Nastaveni]\r\nTipy=0\r\n"));
        QVERIFY(QFileInfo(QStringLiteral("Data/Leden.db")).isFile());
        QVERIFY2(notice.contains(QStringLiteral("chyběly tabulky: Data\\Brezen.db, ")) && notice.contains(QStringLiteral("dalších")),
                 qPrintable(notice));
    }

    // A settings file that cannot be read as settings at all is kept aside
    // under a dated name, told of once, and the delivered settings take its
    // place; one with a byte-order mark is the user's and stays.
    void unreadableSettingsAreSetAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("setAside");
        QTest::newRow("NUL bytes") << QByteArray("[Nastaveni]\r\nTipy=0\r\n\0\0\0\0", 26) << true;
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\x01\x02 nothing of settings") << true;
        QTest::newRow("a byte-order mark") << QByteArray("\xEF\xBB\xBF[Nastaveni]\r\nTipy=0\r\n") << false;
        QTest::newRow("plain settings") << QByteArray("[Nastaveni]\r\nTipy=0\r\n") << false;
    }
    void unreadableSettingsAreSetAside()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, setAside);
        TestEnv env;
        env.deliverTables();
        env.writeFile(QStringLiteral("Penezka.ini"), contents);
        QString notice;
        QCOMPARE(ProgramFolder::prepare(QString(), &notice), QString());
        const QString aside = env.path(QStringLiteral("Penezka.ini.nečitelný-") + QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(QFileInfo::exists(aside), setAside);
        QCOMPARE(notice.contains(QStringLiteral("Penezka.ini")), setAside);
        QFile now(env.path(QStringLiteral("Penezka.ini")));
        QVERIFY(now.open(QIODevice::ReadOnly));
        QFile delivered(QDir(ProgramFolder::deliveredFolder()).filePath(QStringLiteral("Penezka.ini")));
        QVERIFY(delivered.open(QIODevice::ReadOnly));
        QCOMPARE(now.readAll(), setAside ? delivered.readAll() : contents);
        if (setAside) {
            QFile kept(aside);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), contents);
            notice.clear();
            QCOMPARE(ProgramFolder::prepare(QString(), &notice), QString());
            QVERIFY2(!notice.contains(QStringLiteral("Penezka.ini")), qPrintable(notice)); // told once
        }
    }

    // A first start cut short (here: one file cannot be written) says which
    // file failed; the next start completes the folder and keeps what the
    // user has written meanwhile.
    void firstStartCutShortIsCompletedByTheNext()
    {
        TestEnv env;
        const QString target = env.programFolder() + QStringLiteral("/new");
        QVERIFY(QDir().mkpath(target + QStringLiteral("/Data/Srpen.db.part/blocked")));
        const QString error = ProgramFolder::prepare(target);
        QVERIFY2(error.contains(QStringLiteral("Srpen.db")), qPrintable(error));
        QVERIFY(!QFileInfo::exists(target + QStringLiteral("/Data/Srpen.db")));
        QVERIFY(QDir(target + QStringLiteral("/Data/Srpen.db.part")).removeRecursively());
        env.writeFile(QStringLiteral("new/Data/Leden.db"), "the user's own");

        QString notice;
        QCOMPARE(ProgramFolder::prepare(target, &notice), QString());
        for (const Catalogue::TableFile &file : Catalogue::tables())
            QVERIFY2(QFileInfo(target + QLatin1Char('/') + file.folder + QLatin1Char('/') + file.fileName).isFile(),
                     qPrintable(file.fileName));
        QVERIFY(QFileInfo(target + QStringLiteral("/Penezka.ini")).isFile());
        QFile mine(target + QStringLiteral("/Data/Leden.db"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("the user's own"));
        QVERIFY2(notice.contains(QStringLiteral("chyběly tabulky: Data\\")), qPrintable(notice));
        QDirIterator left(target, {QStringLiteral("*.part")}, QDir::AllEntries, QDirIterator::Subdirectories);
        QVERIFY(!left.hasNext());
    }

    // The folder the program makes for itself holds a household's finances:
    // only its user may look in.
    void ownFolderIsPrivate()
    {
        TestEnv env;
        QCOMPARE(ProgramFolder::prepare(QString()), QString());
        const QFileInfo folder(QDir::currentPath());
        QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther | QFile::WriteOther),
                 QFile::Permissions());
        const QFileInfo table(QStringLiteral("Data/Leden.db"));
        QCOMPARE(table.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
        QVERIFY(table.permissions() & QFile::WriteOwner);
    }

    // One program per folder: a second one is refused while the first runs,
    // and the lock goes with the process that held it, even when killed.
    void secondProgramOnTheFolderIsRefused()
    {
        TestEnv env;
        const QString target = env.programFolder() + QStringLiteral("/shared");
        QVERIFY(QDir().mkpath(target));
        {
            FolderLock running(target);
            QVERIFY(running.isLocked());
            const QString error = ProgramFolder::prepare(target);
            QVERIFY2(error.contains(QStringLiteral("už běží nad složkou")), qPrintable(error));
            QVERIFY(!QFileInfo::exists(target + QStringLiteral("/Data")));
        }
        QProcess holder;
        holder.setProgram(QCoreApplication::applicationFilePath());
        holder.setArguments({QStringLiteral("--hold-lock"), target});
        holder.start();
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));
        QVERIFY(!FolderLock(target).isLocked());
        ::kill(pid_t(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(ProgramFolder::prepare(target), QString());
        QVERIFY(QFileInfo(target + QStringLiteral("/Data/Leden.db")).isFile());
    }

    void copyNeverReplacesAFile()
    {
        TestEnv env;
        env.writeFile(QStringLiteral("target/Data/Leden.db"), "mine");
        QCOMPARE(ProgramFolder::copyDelivered(ProgramFolder::deliveredFolder(), env.path(QStringLiteral("target"))), QString());
        QFile mine(env.path(QStringLiteral("target/Data/Leden.db")));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
        QVERIFY(QFileInfo(env.path(QStringLiteral("target/Data/Unor.db"))).isFile());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // A program holding the lock of a folder until it is killed.
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0) {
        FolderLock lock(QString::fromLocal8Bit(argv[2]));
        std::fputs(lock.isLocked() ? "locked\n" : "refused\n", stdout);
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    CatalogueTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_catalogue.moc"
