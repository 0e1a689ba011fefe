// The backup's copying: file lists, folders kept, open tables copied whole.
#include "backup/copy/BackupCopy.h"
#include "BackupFixture.h"
#include "core/data/engine/Table.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

using BackupFixture::addTexts;
using BackupFixture::texts;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}



} // namespace

class BackupCopyTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    // A folder's own files in name order, then each subfolder's, and a
    // mask that ignores letter case.
    void fileListOrder()
    {
        for (const char *name : {"list/b.txt", "list/A.ini", "list/z/1.txt", "list/y/2.ini", "list/y/x/3.txt"})
            m_env->writeFile(QString::fromLatin1(name), "x");
        const QString folder = m_env->path(u"list"_s);
        QCOMPARE(BackupCopy::fileList(folder), (QStringList{u"A.ini"_s, u"b.txt"_s, u"y/2.ini"_s, u"y/x/3.txt"_s, u"z/1.txt"_s}));
        QCOMPARE(BackupCopy::fileList(folder, u"*.INI"_s), (QStringList{u"A.ini"_s, u"y/2.ini"_s}));
        QCOMPARE(BackupCopy::fileList(m_env->path(u"none"_s)), QStringList{});
    }

    // The previous year's tables keep their own folder on the medium and
    // when the backup is opened; what is opened is the medium's copy byte
    // for byte.
    void bothYearsKeepTheirFolders()
    {
        QVERIFY(QFileInfo(m_env->path(u"Data/Data01/Leden.db"_s)).isFile()); // the previous year, delivered
        addTexts(u"Data"_s, u"Leden.db"_s, {u"letos"_s});
        addTexts(u"Data/Data01"_s, u"Leden.db"_s, {u"loni"_s});
        const QStringList files = BackupCopy::fileList(m_env->path(u"Data"_s));
        const BackupCopy::Result saved = BackupCopy::copyFiles(m_env->path(u"Data"_s), m_env->path(u"medium/Data"_s), files, {});
        QVERIFY2(saved.error.isEmpty(), qPrintable(saved.error));
        QVERIFY(saved.copied.contains(u"Data01/Leden.db"_s));
        for (const QString &copied : saved.copied)
            QVERIFY2(!copied.endsWith(u"-wal"_s) && !copied.endsWith(u"-shm"_s), qPrintable(copied));
        QCOMPARE(texts(u"medium/Data"_s, u"Leden.db"_s), QStringList{u"letos"_s});
        QCOMPARE(texts(u"medium/Data"_s, u"Data01/Leden.db"_s), QStringList{u"loni"_s});

        const QStringList onMedium = BackupCopy::fileList(m_env->path(u"medium/Data"_s));
        const QByteArray mediumBytes = bytesOf(m_env->path(u"medium/Data/Data01/Leden.db"_s));
        const BackupCopy::Result opened =
            BackupCopy::copyFiles(m_env->path(u"medium/Data"_s), m_env->path(u"restored/Data"_s), onMedium, {});
        QVERIFY2(opened.error.isEmpty(), qPrintable(opened.error));
        QCOMPARE(bytesOf(m_env->path(u"restored/Data/Data01/Leden.db"_s)), mediumBytes);
        QCOMPARE(texts(u"restored/Data"_s, u"Leden.db"_s), QStringList{u"letos"_s});
        QCOMPARE(texts(u"restored/Data"_s, u"Data01/Leden.db"_s), QStringList{u"loni"_s});
        QVERIFY(BackupCopy::damagedTables(m_env->path(u"restored/Data"_s), onMedium).isEmpty());
    }

    // A table open in the program, its posts still in the journal: the
    // copy holds them.
    void openTableIsCopiedWhole()
    {
        Table open;
        open.setFolder(u"Data"_s);
        open.setTableName(u"Unor.db"_s);
        open.open();
        for (int i = 0; i < 50; ++i) {
            open.append();
            open.field(u"Text 80"_s).setString(u"row %1"_s.arg(i));
            open.post();
        }
        QVERIFY(QFileInfo(m_env->path(u"Data/Unor.db-wal"_s)).size() > 0);
        const BackupCopy::Result saved =
            BackupCopy::copyFiles(m_env->path(u"Data"_s), m_env->path(u"medium"_s), {u"Unor.db"_s, u"Unor.db-wal"_s, u"Unor.db-shm"_s}, {});
        QVERIFY2(saved.error.isEmpty(), qPrintable(saved.error));
        QCOMPARE(saved.copied, QStringList{u"Unor.db"_s});
        QVERIFY(!QFileInfo::exists(m_env->path(u"medium/Unor.db-wal"_s)));
        QCOMPARE(texts(u"medium"_s, u"Unor.db"_s).size(), 50);
    }

    // A file that is there already: the user's answer decides.
    void replaceQuestion_data()
    {
        QTest::addColumn<QList<int>>("answers"); // BackupCopy::Replace, one per file that is there
        QTest::addColumn<QStringList>("copied");
        QTest::addColumn<bool>("cancelled");
        using R = BackupCopy::Replace;
        QTest::newRow("Ano, Ne") << QList<int>{int(R::Yes), int(R::No)} << QStringList{u"a.txt"_s, u"c.txt"_s} << false;
        QTest::newRow("Ano všem") << QList<int>{int(R::YesToAll)} << QStringList{u"a.txt"_s, u"b.txt"_s, u"c.txt"_s} << false;
        QTest::newRow("Storno") << QList<int>{int(R::Cancel)} << QStringList{} << true;
    }
    void replaceQuestion()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, copied);
        QFETCH(bool, cancelled);
        for (const char *name : {"from/a.txt", "from/b.txt", "from/c.txt"})
            m_env->writeFile(QString::fromLatin1(name), "new");
        m_env->writeFile(u"to/a.txt"_s, "old");
        m_env->writeFile(u"to/b.txt"_s, "old");
        QStringList asked;
        const auto replace = [&](const QString &relative) {
            asked << relative;
            return BackupCopy::Replace(answers.value(int(asked.size()) - 1, int(BackupCopy::Replace::Cancel)));
        };
        const BackupCopy::Result result =
            BackupCopy::copyFiles(m_env->path(u"from"_s), m_env->path(u"to"_s), BackupCopy::fileList(m_env->path(u"from"_s)), replace);
        QCOMPARE(result.copied, copied);
        QCOMPARE(result.cancelled, cancelled);
        QCOMPARE(asked.size(), answers.size());
        QCOMPARE(bytesOf(m_env->path(u"to/b.txt"_s)), QByteArray(copied.contains(u"b.txt"_s) ? "new" : "old"));
    }

    // A damaged table is named with SQLite's complaint; files that are no
    // tables are not checked.
    void damagedTablesAreNamed()
    {
        QByteArray damaged = bytesOf(m_env->path(u"Data/Leden.db"_s));
        QVERIFY(damaged.size() > 4096);
        damaged.replace(100, 200, QByteArray(200, '\x5a'));
        m_env->writeFile(u"medium/Leden.db"_s, damaged);
        m_env->writeFile(u"medium/Penezka.ini"_s, "[Nastaveni]\r\n");
        const QStringList found = BackupCopy::damagedTables(m_env->path(u"medium"_s), {u"Leden.db"_s, u"Penezka.ini"_s});
        QCOMPARE(found.size(), 1);
        QVERIFY2(found[0].startsWith(u"Leden.db: "_s), qPrintable(found[0]));
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_GUILESS_MAIN(BackupCopyTest)
#include "tst_backupcopy.moc"
