// The companion programs run by themselves on a test folder.
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(COMPANION_DIR) + QLatin1Char('/') + program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class CompanionsTest : public QObject
{
    Q_OBJECT

private slots:
    // Zapomnik switches HAct off and leaves Pas; it never shows it.
    void zapomnik_data()
    {
        QTest::addColumn<QByteArray>("settings"); // empty: no Penezka.ini
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("told");
        QTest::newRow("password on") << QByteArray("[Nastaveni]\r\nHAct=1\r\n") << 0 << u"Heslo je vypnuto."_s;
        QTest::newRow("password off") << QByteArray("[Nastaveni]\r\nHAct=0\r\n") << 0
                                      << u"Program Rozvahon se spouští bez hesla."_s;
        QTest::newRow("no program folder") << QByteArray() << 1 << u"není program Rozvahon"_s;
    }
    void zapomnik()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, exitCode);
        QFETCH(QString, told);
        TestEnv env;
        const QString path = env.path(u"Penezka.ini"_s);
        if (!settings.isEmpty()) {
            env.writeFile(u"Penezka.ini"_s, settings);
            IniStore(path, QLatin1String(Section::Nastaveni)).write(Key::Pas, u"tajné heslo"_s);
        }
        const Run done = run(u"Zapomnik"_s, {u"--yes"_s, u"--dir"_s, env.programFolder()});
        QCOMPARE(done.exitCode, exitCode);
        QVERIFY2((done.out + done.err).contains(told), qPrintable(done.out + done.err));
        QVERIFY(!(done.out + done.err).contains(u"tajné"_s));
        if (settings.isEmpty())
            return;
        const IniStore store(path, QLatin1String(Section::Nastaveni));
        QCOMPARE(store.read(Key::HAct), false);
        QCOMPARE(store.read(Key::Pas), u"tajné heslo"_s);
    }

    void volbikTellsWhatItIs()
    {
        const Run done = run(u"Volbik"_s, {u"--help"_s});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.out.contains(u"Předvolby telefonních čísel"_s), qPrintable(done.out));
    }

    // Minulak tells what keeps it from showing a log.
    void minulakTellsWhatIsMissing_data()
    {
        QTest::addColumn<bool>("previousYear");
        QTest::addColumn<QString>("srcData");
        QTest::addColumn<QString>("told");
        QTest::newRow("no previous year") << false << u"Plyn"_s << u"složka Data\\Data01 neexistuje"_s;
        QTest::newRow("no such log") << true << u"Vítr"_s << u"program dostal „Vítr“"_s;
        QTest::newRow("nothing named") << true << QString() << u"Není určeno, která evidence"_s;
    }
    void minulakTellsWhatIsMissing()
    {
        QFETCH(bool, previousYear);
        QFETCH(QString, srcData);
        QFETCH(QString, told);
        TestEnv env;
        env.writeFile(u"Penezka.ini"_s, "[Nastaveni]\r\n");
        if (previousYear)
            QDir().mkpath(env.path(u"Data/Data01"_s));
        const Run done = run(u"Minulak"_s, {u"--terminal"_s, u"--dir"_s, env.programFolder(), u"--log"_s, srcData});
        QCOMPARE(done.exitCode, 1);
        QVERIFY2(done.err.contains(told), qPrintable(done.err));
    }

    // The converters say what they did on a folder without old tables.
    void convertersLeaveTablesOfTheProgram_data()
    {
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("table");
        QTest::newRow("Hydrak") << u"Hydrak"_s << u"Data\\Spvodat.DB: už je ve formátu programu."_s;
        QTest::newRow("Voltak") << u"Voltak"_s << u"Data\\SpElNoc.DB: už je ve formátu programu."_s;
        QTest::newRow("Plamak") << u"Plamak"_s << u"Data\\Data01\\SPPlyn.db: už je ve formátu programu."_s;
    }
    void convertersLeaveTablesOfTheProgram()
    {
        QFETCH(QString, converter);
        QFETCH(QString, table);
        TestEnv env;
        env.deliverTables();
        const Run done = run(converter, {u"--terminal"_s, u"--dir"_s, env.programFolder()});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.out.contains(table), qPrintable(done.out + done.err));
    }

    void aMissingFolderIsTold()
    {
        const Run done = run(u"Zapomnik"_s, {u"--yes"_s, u"--dir"_s, u"/nikde/takova/slozka"_s});
        QCOMPARE(done.exitCode, 1);
        QVERIFY(done.err.contains(u"neexistuje"_s));
    }
};

QTEST_GUILESS_MAIN(CompanionsTest)
#include "tst_companions.moc"
