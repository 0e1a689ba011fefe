#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/PlatformServices.h"
#include "support/TestEnv.h"

#include <QtTest>

class FormatsTest : public QObject
{
    Q_OBJECT

private slots:
    void money_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("plain");
        const QString nbsp(QChar(0x00A0));
        QTest::newRow("zero") << qint64(0) << "0,00 Kč" << "0";
        QTest::newRow("thousands") << qint64(12345000) << "1" + nbsp + "234,50 Kč" << "1234,5";
        QTest::newRow("millions") << qint64(12345678900000) << "1" + nbsp + "234" + nbsp + "567" + nbsp + "890,00 Kč"
                                  << "1234567890";
        QTest::newRow("negative") << qint64(-305000) << "-30,50 Kč" << "-30,5";
        QTest::newRow("rounds half up") << qint64(50) << "0,01 Kč" << "0,005";
        QTest::newRow("tiny negative shows zero") << qint64(-49) << "0,00 Kč" << "-0,0049";
        QTest::newRow("hundred") << qint64(1000000) << "100,00 Kč" << "100";
    }
    void money()
    {
        QFETCH(qint64, units);
        QFETCH(QString, shown);
        QFETCH(QString, plain);
        QCOMPARE(Locale::money(Money::fromUnits(units)), shown);
        QCOMPARE(Locale::moneyPlain(Money::fromUnits(units)), plain);
        QCOMPARE(Money::parse(plain)->units(), units);
    }

    void moneyParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("units");
        QTest::newRow("comma") << "12,5" << true << qint64(125000);
        QTest::newRow("point") << "12.5" << true << qint64(125000);
        QTest::newRow("with Kč and grouping") << "1\u00a0234,50 Kč" << true << qint64(12345000);
        QTest::newRow("plus sign") << "+3" << true << qint64(30000);
        QTest::newRow("leading comma") << ",5" << true << qint64(5000);
        QTest::newRow("fifth decimal rounds") << "0,00005" << true << qint64(1);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("two commas") << "1,2,3" << false << qint64(0);
        QTest::newRow("only sign") << "-" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("too big") << "99999999999999999999" << false << qint64(0);
    }
    void moneyParsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, units);
        const auto money = Money::parse(text);
        QCOMPARE(bool(money), valid);
        if (valid)
            QCOMPARE(money->units(), units);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("short") << "31.1.2009" << QDate(2009, 1, 31);
        QTest::newRow("padded") << "01.02.2009" << QDate(2009, 2, 1);
        QTest::newRow("spaced") << "1. 12. 2009" << QDate(2009, 12, 1);
        QTest::newRow("iso") << "2009-03-15" << QDate(2009, 3, 15);
        QTest::newRow("two-digit year") << "5.6.09" << QDate(2009, 6, 5);
        QTest::newRow("no such day") << "30.2.2009" << QDate();
        QTest::newRow("words") << "zítra" << QDate();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const auto parsed = Locale::parseDate(text);
        QCOMPARE(parsed.value_or(QDate()), date);
        if (date.isValid())
            QCOMPARE(Locale::parseDate(Locale::date(date)).value(), date);
    }

    void numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 255.0 << "255";
        QTest::newRow("fraction") << 12.25 << "12,25";
        QTest::newRow("no grouping") << 1234567.5 << "1234567,5";
        QTest::newRow("negative") << -0.5 << "-0,5";
        QTest::newRow("colour") << 16777215.0 << "16777215";
    }
    void numbers()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Locale::number(value), text);
        QCOMPARE(Locale::parseNumber(text).value(), value);
    }

    void clockCanBeSet()
    {
        FixedClock clock(QDateTime(QDate(2009, 3, 31), QTime(23, 59, 59)));
        clock.advance(1000);
        QCOMPARE(clock.today(), QDate(2009, 4, 1));
    }

    void pathsResolveWithoutRegardToCase()
    {
        TestEnv env;
        env.writeFile(QStringLiteral("VlDb Data/TelSez.DB"), "x");
        QCOMPARE(Paths::resolve(env.programFolder(), QStringLiteral("vldb data\\telsez.db")),
                 env.path(QStringLiteral("VlDb Data/TelSez.DB")));
        // A missing tail is kept as written.
        QCOMPARE(Paths::resolve(env.programFolder(), QStringLiteral("VLDB DATA\\Nove\\a.txt")),
                 env.path(QStringLiteral("VlDb Data/Nove/a.txt")));
    }

    void fakePlatformRecords()
    {
        qputenv("ROZVAHON_FAKE_PLATFORM", "1");
        PlatformServices &services = PlatformServices::current();
        auto *fake = dynamic_cast<FakePlatformServices *>(&services);
        QVERIFY(fake);
        fake->nextShutdownResult = {false, QStringLiteral("Error: 5")};
        QCOMPARE(services.shutdown().errorText, QStringLiteral("Error: 5"));
        services.launchProgram(QStringLiteral("Volbik.exe"));
        QCOMPARE(fake->calls, (QStringList{"shutdown", "launch Volbik.exe"}));
    }
};

QTEST_GUILESS_MAIN(FormatsTest)
#include "tst_formats.moc"
