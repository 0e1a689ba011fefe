// --help, --version and --import-paradox print and end without a window,
// also where no display is.
#include "ParadoxWriter.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("printed");
        QTest::newRow("--version") << u"--version"_s << u"Rozvahon 5.6"_s;
        QTest::newRow("-v") << u"-v"_s << u"Rozvahon 5.6"_s;
        QTest::newRow("--help") << u"--help"_s << u"--dir <DIR>"_s;
        QTest::newRow("-h") << u"-h"_s << u"ROZVAHON_FAKE_PLATFORM"_s;
        QTest::newRow("--help names the import") << u"--help"_s << u"--import-paradox <SLOŽKA>"_s;
    }
    void answersWithoutAWindow()
    {
        QFETCH(QString, option);
        QFETCH(QString, printed);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display and no platform: a window could not even be made.
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM_PATH), {option});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(out.contains(printed), qPrintable(out));
    }

    // A folder of old tables converts into the program folder, with a
    // summary; a folder with none is told, with an exit code of failure.
    void importsAFolderOfOldTables_data()
    {
        QTest::addColumn<bool>("withTable");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");
        QTest::newRow("a gas log") << true << 0 << u"Data\\SPPlyn.db: převedeno 2 řádků"_s;
        QTest::newRow("nothing to convert") << false << 1 << u"není žádná tabulka starého formátu"_s;
    }
    void importsAFolderOfOldTables()
    {
        QFETCH(bool, withTable);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        TestEnv env;
        env.deliverTables();
        QDir().mkpath(env.path(u"stare"_s));
        if (withTable)
            QVERIFY(ParadoxWriter::write(env.path(u"stare/SPPlyn.db"_s), ParadoxWriter::meterLogFields(),
                                         {{u"Leden"_s, 1.0, 2.0, 1.0, 1.5, 15.75}, {u"Únor"_s, 2.0, 4.0, 2.0, 1.5, 31.5}}));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(env.programFolder());
        program.start(QStringLiteral(PROGRAM_PATH), {u"--import-paradox"_s, u"stare"_s});
        QVERIFY(program.waitForFinished(20000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2(out.contains(printed), qPrintable(out));
        if (!withTable)
            return;
        Catalogue::installLayoutCheck();
        Table gas;
        gas.setFolder(u"Data"_s);
        gas.setTableName(u"SPPlyn.db"_s);
        gas.open();
        QCOMPARE(gas.recordCount(), 2);
        gas.last();
        QCOMPARE(gas.field(u"Mesic"_s).asString(), u"Únor"_s);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
