// The sums of the meter logs and what a log does to its table, without
// any window.
#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/LogOpening.h"
#include "consumption/meter/MeterArithmetic.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/PlatformServices.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<Table> openLog(const QString &file)
{
    auto table = std::make_unique<Table>();
    table->setFolder(u"Data"_s);
    table->setTableName(file);
    table->open();
    return table;
}

// Writes the fields of row `row` (0-based) from "field=value" pairs; an
// empty value clears the field.
void setRow(Table &table, int row, const QStringList &values)
{
    table.moveTo(row);
    table.edit();
    for (const QString &pair : values) {
        const qsizetype at = pair.indexOf(u'=');
        table.field(pair.left(at)).setString(pair.mid(at + 1));
    }
    table.post();
}

Money money(const QString &text) { return *Money::parse(text); }

// The meter of each priced log with its table.
struct LogKind
{
    QString file;
    Meter meter;
};

LogKind logKind(const QString &name)
{
    if (name == u"electricity")
        return {u"SPELEKTR.DB"_s, Meters::electricity()};
    if (name == u"gas")
        return {u"SPPlyn.db"_s, Meters::gas()};
    if (name == u"cold water")
        return {u"SPVodaS.db"_s, Meters::water()};
    return {u"Spvodat.DB"_s, Meters::water()};
}

} // namespace

class MeterTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    void roundsAsTheGridShows_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("water consumption") << 12.3456 << 3 << 12.346 << u"12,346"_s;
        QTest::newRow("electricity consumption") << 234.56 << 1 << 234.6 << u"234,6"_s;
        QTest::newRow("price") << 31.456 << 2 << 31.46 << u"31,46"_s;
        QTest::newRow("a half just below in binary") << 2.675 << 2 << 2.68 << u"2,68"_s;
        QTest::newRow("a negative half") << -1.005 << 2 << -1.01 << u"-1,01"_s;
        QTest::newRow("whole kWh") << 150.0 << 0 << 150.0 << u"150"_s;
        QTest::newRow("minus nothing") << -0.0001 << 3 << 0.0 << u"0,000"_s;
    }
    void roundsAsTheGridShows()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, shown);
        QFETCH(QString, text);
        QCOMPARE(MeterArithmetic::roundAsShown(value, decimals), shown);
        QCOMPARE(MeterArithmetic::fixed(value, decimals), text);
    }

    // The examples of every log: readings and a price give the consumption
    // and the amount, by the arithmetic alone and by the log on its table.
    void monthIsWorkedOut_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("price");
        QTest::addColumn<double>("consumption");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("amountShown");
        QTest::newRow("hot water, consumption as shown") << u"hot water"_s << u"100"_s << u"112,3456"_s << u"25,50"_s
                                                          << 12.3456 << u"314,823"_s << u"314,82 Kč"_s;
        QTest::newRow("cold water, price as shown") << u"cold water"_s << u"100"_s << u"110"_s << u"31,456"_s << 10.0
                                                     << u"314,6"_s << u"314,60 Kč"_s;
        QTest::newRow("hot water, price as shown") << u"hot water"_s << u"0"_s << u"1"_s << u"31,456"_s << 1.0
                                                    << u"31,46"_s << u"31,46 Kč"_s;
        QTest::newRow("electricity, one decimal") << u"electricity"_s << u"100"_s << u"334,56"_s << u"4,25"_s << 234.56
                                                   << u"997,05"_s << u"997,05 Kč"_s;
        QTest::newRow("gas, 10.5 kWh a m3") << u"gas"_s << u"1200"_s << u"1300"_s << u"1,80"_s << 100.0 << u"1890"_s
                                             << u"1\u00A0890,00 Kč"_s;
        QTest::newRow("gas, consumption as shown") << u"gas"_s << u"0"_s << u"12,3456"_s << u"1"_s << 12.3456
                                                    << u"129,633"_s << u"129,63 Kč"_s;
        QTest::newRow("end below start") << u"gas"_s << u"5000"_s << u"4900"_s << u"1,80"_s << 0.0 << u"0"_s
                                          << u"0,00 Kč"_s;
        QTest::newRow("water, end below start") << u"hot water"_s << u"5000"_s << u"4900"_s << u"25"_s << 0.0 << u"0"_s
                                                 << u"0,00 Kč"_s;
        QTest::newRow("no price") << u"electricity"_s << u"10"_s << u"20"_s << QString() << 10.0 << u"0"_s
                                   << u"0,00 Kč"_s;
    }
    void monthIsWorkedOut()
    {
        QFETCH(QString, kind);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, price);
        QFETCH(double, consumption);
        QFETCH(QString, amount);
        QFETCH(QString, amountShown);
        const LogKind log = logKind(kind);

        const double used =
            MeterArithmetic::consumption(*Locale::parseNumber(start), *Locale::parseNumber(end));
        QCOMPARE(used, consumption);
        const Money priced = MeterArithmetic::amount(used, price.isEmpty() ? Money() : money(price),
                                                     log.meter.consumptionDecimals, log.meter.energyPerUnit)
                                 .value_or(Money::fromCrowns(-1));
        QCOMPARE(priced, money(amount));

        auto table = openLog(log.file);
        ConsumptionLog meterLog(*table, {log.meter});
        setRow(*table, 3, {u"Pocatek="_s + start, u"Konec="_s + end, log.meter.price + u'=' + price});
        meterLog.recomputeRow();
        table.reset();
        table = openLog(log.file);
        table->moveTo(3);
        QCOMPARE(table->field(u"Spotreba"_s).asDouble(), consumption);
        QCOMPARE(table->field(u"Castka"_s).asMoney(), money(amount));
        QCOMPARE(Locale::money(table->field(u"Castka"_s).asMoney()), amountShown);
        // The readings stay as they were typed, also when the end is below the start.
        QCOMPARE(table->field(u"Pocatek"_s).asDouble(), *Locale::parseNumber(start));
        QCOMPARE(table->field(u"Konec"_s).asDouble(), *Locale::parseNumber(end));
    }

    void emptyReadingsBecomeZero()
    {
        auto table = openLog(u"Spvodat.DB"_s);
        ConsumptionLog log(*table, {Meters::water()});
        setRow(*table, 0, {u"Pocatek="_s, u"Konec="_s, u"Kc/m3=20"_s});
        log.recomputeRow();
        QCOMPARE(table->field(u"Pocatek"_s).asString(), u"0"_s);
        QCOMPARE(table->field(u"Konec"_s).asString(), u"0"_s);
        QCOMPARE(table->field(u"Spotreba"_s).asDouble(), 0.0);
        QCOMPARE(table->field(u"Castka"_s).asMoney(), Money());
        QCOMPARE(table->state(), Table::State::Browse);
    }

    void carryOverTakesThePreviousEndReading_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("filledRow");
        QTest::addColumn<int>("readFrom");
        QTest::newRow("January fills February") << 0 << 1 << 0;
        QTest::newRow("June from May") << 5 << 5 << 4;
        QTest::newRow("December from November") << 11 << 11 << 10;
    }
    void carryOverTakesThePreviousEndReading()
    {
        QFETCH(int, row);
        QFETCH(int, filledRow);
        QFETCH(int, readFrom);
        auto table = openLog(u"SPPlyn.db"_s);
        for (int month = 0; month < ConsumptionLog::Months; ++month)
            setRow(*table, month, {u"Konec="_s + QString::number(1000 + month * 10) + u",5"_s});
        ConsumptionLog log(*table, {Meters::gas()});
        table->moveTo(row);
        log.carryOver();
        QCOMPARE(table->position(), filledRow);
        QCOMPARE(table->recordCount(), ConsumptionLog::Months);
        auto stored = openLog(u"SPPlyn.db"_s);
        stored->moveTo(filledRow);
        QCOMPARE(stored->field(u"Pocatek"_s).asDouble(), 1000 + readFrom * 10 + 0.5);
    }

    // The total counts every month as worked out on the way, a row just
    // typed into too, and the cursor comes back.
    void totalAddsEveryMonth()
    {
        auto table = openLog(u"SPELEKTR.DB"_s);
        ConsumptionLog log(*table, {Meters::electricity()});
        setRow(*table, 0, {u"Pocatek=100"_s, u"Konec=334,56"_s, u"Kc/KWh=4,25"_s});   // 997.05
        setRow(*table, 11, {u"Pocatek=0"_s, u"Konec=1000"_s, u"Kc/KWh=2"_s});          // 2000
        table->moveTo(6);
        table->edit();
        table->field(u"Konec"_s).setString(u"10"_s);
        table->field(u"Kc/KWh"_s).setString(u"0,5"_s);                                // 5, not yet posted
        QCOMPARE(log.total(), money(u"3002,05"_s));
        QCOMPARE(table->position(), 6);
        QCOMPARE(ConsumptionLog::totalText(money(u"3002,05"_s)), u"Celkem: 3\u00A0002,05 Kč"_s);
        QCOMPARE(ConsumptionLog::totalText(Money()), u"Celkem: 0,00 Kč"_s);
    }

    void nightTariffWorksOutTwoMeters()
    {
        auto table = openLog(u"SpElNoc.DB"_s);
        NightTariffLog log(*table);
        setRow(*table, 2, {u"Pocatek01=5000"_s, u"Konec01=4900"_s, u"Pocatek02=100"_s, u"Konec02=250"_s,
                           u"SazbaDen=4"_s, u"Prikon=7"_s});
        log.recomputeRow();
        QCOMPARE(table->field(u"Spotreba01"_s).asDouble(), 0.0);
        QCOMPARE(table->field(u"Spotreba02"_s).asDouble(), 150.0);
        QCOMPARE(table->field(u"Konec01"_s).asDouble(), 4900.0);
        QCOMPARE(table->field(u"Prikon"_s).asDouble(), 7.0);
    }

    void nightTariffWantsWholeReadings_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::newRow("a fraction") << u"12,5"_s;
        QTest::newRow("beyond 32 bits") << u"3000000000"_s;
    }
    void nightTariffWantsWholeReadings()
    {
        QFETCH(QString, reading);
        auto table = openLog(u"SpElNoc.DB"_s);
        NightTariffLog log(*table);
        setRow(*table, 4, {u"Pocatek01=10"_s, u"Konec02="_s + reading});
        try {
            log.recomputeRow();
            QFAIL("a reading that is not whole was taken");
        } catch (const EngineError &error) {
            QVERIFY2(error.message().contains(u"není platné celé číslo"_s), qPrintable(error.message()));
        }
        QCOMPARE(table->state(), Table::State::Browse);
        auto stored = openLog(u"SpElNoc.DB"_s);
        stored->moveTo(4);
        QCOMPARE(stored->field(u"Konec02"_s).asDouble(), *Locale::parseNumber(reading));
        QCOMPARE(stored->field(u"Pocatek01"_s).asDouble(), 10.0);
    }

    void equalisedRatesAreJanuarys()
    {
        auto table = openLog(u"SpElNoc.DB"_s);
        NightTariffLog log(*table);
        setRow(*table, 0, {u"SazbaDen=4,1234"_s, u"SazbaNoc=1,5"_s});
        setRow(*table, 7, {u"SazbaDen=9"_s, u"Pocatek02=1"_s, u"Konec02=4"_s});
        log.equaliseRates();
        auto stored = openLog(u"SpElNoc.DB"_s);
        QCOMPARE(stored->recordCount(), ConsumptionLog::Months);
        for (stored->first(); !stored->eof(); stored->next()) {
            QCOMPARE(stored->field(u"SazbaDen"_s).asMoney(), money(u"4,1234"_s));
            QCOMPARE(stored->field(u"SazbaNoc"_s).asMoney(), money(u"1,5"_s));
        }
        stored->moveTo(7);
        QCOMPARE(stored->field(u"Spotreba02"_s).asDouble(), 3.0); // worked out on the way
    }

    void oldFormatStartsTheConverter_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("converter");
        QTest::newRow("water") << u"SPVodaS.db"_s << LogOpening::WaterConverter;
        QTest::newRow("electricity") << u"SPELEKTR.DB"_s << LogOpening::ElectricityConverter;
        QTest::newRow("gas") << u"SPPlyn.db"_s << LogOpening::GasConverter;
    }
    void oldFormatStartsTheConverter()
    {
        QFETCH(QString, file);
        QFETCH(QString, converter);
        auto &platform = dynamic_cast<FakePlatformServices &>(PlatformServices::current());
        platform.calls.clear();
        ScriptedPrompter prompter;
        m_env->writeFile(u"Data/"_s + file, paradoxTable());
        Table first;
        first.setFolder(u"Data"_s);
        first.setTableName(u"Spvodat.DB"_s);
        Table old;
        old.setFolder(u"Data"_s);
        old.setTableName(file);
        QVERIFY(!LogOpening::openOrConvert({&first, &old}, u"/opt/rozvahon/bin"_s, converter, prompter, platform));
        QCOMPARE(prompter.messages, QStringList{LogOpening::OldFormatMessage});
        QCOMPARE(platform.calls, QStringList{u"launch /opt/rozvahon/bin/"_s + converter});
        QVERIFY(LogOpening::conversionStarted());
        QVERIFY(!first.isOpen());

        // The next opening clears the mark.
        QVERIFY(LogOpening::openOrConvert({&first}, u"/opt/rozvahon/bin"_s, converter, prompter, platform));
        QVERIFY(!LogOpening::conversionStarted());
        QCOMPARE(platform.calls.size(), 1);
    }

    // Only a table of an older format goes to the converter; a table that
    // is missing, empty, read-only or damaged is told as it is, and no
    // converter starts.
    void onlyAnOlderFormatIsConverted_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message"); // a part of it; empty: the old-format text
        QTest::newRow("a Paradox table") << u"paradox"_s << QString();
        QTest::newRow("a table of another layout") << u"layout"_s << QString();
        QTest::newRow("missing") << u"missing"_s << u"neexistuje"_s;
        QTest::newRow("empty") << u"empty"_s << u"je prázdný"_s;
        QTest::newRow("read-only") << u"readonly"_s << u"jen pro čtení"_s;
        QTest::newRow("damaged") << u"garbage"_s << u"poškozený"_s;
    }
    void onlyAnOlderFormatIsConverted()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        auto &platform = dynamic_cast<FakePlatformServices &>(PlatformServices::current());
        platform.calls.clear();
        const QString path = m_env->path(u"Data/SPELEKTR.DB"_s);
        if (damage == u"paradox") {
            m_env->writeFile(u"Data/SPELEKTR.DB"_s, paradoxTable());
        } else if (damage == u"layout") {
            QFile::remove(path);
            Table::create(path, {FieldDef{u"Jine"_s, FieldType::Text, 20}});
        } else if (damage == u"missing") {
            QFile::remove(path);
        } else if (damage == u"empty") {
            m_env->writeFile(u"Data/SPELEKTR.DB"_s, QByteArray());
        } else if (damage == u"readonly") {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
        } else {
            m_env->writeFile(u"Data/SPELEKTR.DB"_s, "garbage, not a table");
        }
        ScriptedPrompter prompter;
        Table log;
        log.setFolder(u"Data"_s);
        log.setTableName(u"SPELEKTR.DB"_s);
        QVERIFY(!LogOpening::openOrConvert({&log}, u"."_s, LogOpening::ElectricityConverter, prompter, platform));
        QCOMPARE(prompter.messages.size(), 1);
        if (message.isEmpty()) {
            QCOMPARE(prompter.messages[0], LogOpening::OldFormatMessage);
            QCOMPARE(platform.calls.size(), 1);
            QVERIFY(LogOpening::conversionStarted());
        } else {
            QVERIFY2(prompter.messages[0].contains(message), qPrintable(prompter.messages[0]));
            QVERIFY(platform.calls.isEmpty());
            QVERIFY(!LogOpening::conversionStarted());
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    // An amount beyond what an amount holds is refused before anything is
    // written, and the row is as it was.
    void anAmountTooBigIsRefused()
    {
        auto table = openLog(u"SPELEKTR.DB"_s);
        ConsumptionLog log(*table, {Meters::electricity()});
        setRow(*table, 2, {u"Pocatek=0"_s, u"Konec=900000000000000"_s, u"Kc/KWh=5000"_s});
        try {
            log.recomputeRow();
            QFAIL("an amount beyond the range was taken");
        } catch (const EngineError &error) {
            QVERIFY2(error.message().contains(u"nemůže uložit"_s), qPrintable(error.message()));
        }
        QCOMPARE(table->state(), Table::State::Browse);
        auto stored = openLog(u"SPELEKTR.DB"_s);
        stored->moveTo(2);
        QVERIFY(stored->field(u"Castka"_s).isNull() || stored->field(u"Castka"_s).asMoney() == Money());
    }

    void aFailedLaunchIsTold()
    {
        auto &platform = dynamic_cast<FakePlatformServices &>(PlatformServices::current());
        platform.nextLaunchResult = PlatformServices::LaunchResult::FileNotFound;
        ScriptedPrompter prompter;
        m_env->writeFile(u"Data/SPPlyn.db"_s, paradoxTable());
        Table gas;
        gas.setFolder(u"Data"_s);
        gas.setTableName(u"SPPlyn.db"_s);
        QVERIFY(!LogOpening::openOrConvert({&gas}, u"."_s, LogOpening::GasConverter, prompter, platform));
        QCOMPARE(prompter.messages, (QStringList{LogOpening::OldFormatMessage, u"Program nebyl nalezen"_s}));
        platform.nextLaunchResult = PlatformServices::LaunchResult::Started;
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_GUILESS_MAIN(MeterTest)
#include "tst_meter.moc"
