// --help and --version print and end without a window, also where no
// display is.
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
