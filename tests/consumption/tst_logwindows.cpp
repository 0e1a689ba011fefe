// The four meter-log windows driven as the user drives them: readings typed
// into their grids, their buttons, their ways of closing, and the opening
// of a log in an older format.
#include "consumption/Registration.h"
#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/LogOpening.h"
#include "consumption/window/LogGrid.h"
#include "consumption/window/TSpotrebaElNoc.h"
#include "consumption/window/TSpotrebaElektriny.h"
#include "consumption/window/TSpotrebaPlynu.h"
#include "consumption/window/TSpotrebaVody.h"
#include "ParadoxWriter.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/app/context/AppContext.h"
#include "shell/window/MainCommands.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "support/GridTyping.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"
#include "widgets/TableGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using GridTyping::typeIntoCell;

enum Column { Month, Start, End, Used, Price, Amount };

FakePlatformServices &platform() { return dynamic_cast<FakePlatformServices &>(PlatformServices::current()); }

// A stored value of `file`, read afresh.
QVariant stored(const QString &file, int row, const QString &field)
{
    Table table;
    table.setFolder(u"Data"_s);
    table.setTableName(file);
    table.open();
    table.moveTo(row);
    return table.field(field).value();
}

void store(const QString &file, int row, const QStringList &values)
{
    Table table;
    table.setFolder(u"Data"_s);
    table.setTableName(file);
    table.open();
    table.moveTo(row);
    table.edit();
    for (const QString &pair : values) {
        const qsizetype at = pair.indexOf(u'=');
        table.field(pair.left(at)).setString(pair.mid(at + 1));
    }
    table.post();
}

bool showActive(QDialog &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void goTo(TableGrid *grid, int row, int column)
{
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
}

// Replaces what the open editor of `column` holds with `text`.
void typeIntoOpenEditor(TableGrid *grid, int column, const QString &text)
{
    QTRY_VERIFY(grid->isEditing() && grid->currentIndex().column() == column);
    GridTyping::retype(text);
}

QString shown(TableGrid *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

// The window of a log kind, made for the test.
std::unique_ptr<QDialog> makeWindow(const QString &kind, Prompter &prompter)
{
    if (kind == u"water")
        return std::make_unique<TSpotrebaVody>(prompter, PlatformServices::current());
    if (kind == u"electricity")
        return std::make_unique<TSpotrebaElektriny>(prompter, PlatformServices::current());
    if (kind == u"gas")
        return std::make_unique<TSpotrebaPlynu>(prompter, PlatformServices::current());
    return std::make_unique<TSpotrebaElNoc>(prompter);
}

TableGrid *gridNamed(QDialog &window, const QString &name) { return window.findChild<TableGrid *>(name); }

} // namespace

class LogWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_prompter = std::make_unique<ScriptedPrompter>();
        platform().calls.clear();
    }
    void cleanup()
    {
        m_prompter.reset();
        m_env.reset();
    }

    // Readings and a price typed into a row are worked out when the cursor
    // leaves it, and shown in the log's formats.
    void typedRowIsWorkedOutOnLeaving_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("usedShown");
        QTest::addColumn<QString>("priceShown");
        QTest::addColumn<QString>("amountShown");
        QTest::newRow("hot water") << u"water"_s << u"TV"_s << u"100"_s << u"112,3456"_s << u"25,50"_s
                                   << u"12,346 m3"_s << u"25,50 Kč/m3"_s << u"314,82 Kč"_s;
        QTest::newRow("cold water") << u"water"_s << u"SV"_s << u"100"_s << u"110"_s << u"31,456"_s << u"10,000 m3"_s
                                    << u"31,46 Kč"_s << u"314,60 Kč"_s;
        QTest::newRow("electricity") << u"electricity"_s << u"El"_s << u"100"_s << u"334,56"_s << u"4,25"_s
                                     << u"234,6 KWh"_s << u"4,25 Kč/kWh"_s << u"997,05 Kč"_s;
        QTest::newRow("gas") << u"gas"_s << u"El"_s << u"1200"_s << u"1300"_s << u"1,80"_s << u"100,000 m3"_s
                             << u"1,80 Kč/kWh"_s << u"1890,00 Kč"_s;
        QTest::newRow("end below start") << u"gas"_s << u"El"_s << u"5000"_s << u"4900"_s << u"1,80"_s
                                         << u"0,000 m3"_s << u"1,80 Kč/kWh"_s << u"0,00 Kč"_s;
    }
    void typedRowIsWorkedOutOnLeaving()
    {
        QFETCH(QString, kind);
        QFETCH(QString, grid);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, price);
        QFETCH(QString, usedShown);
        QFETCH(QString, priceShown);
        QFETCH(QString, amountShown);
        auto window = makeWindow(kind, *m_prompter);
        QVERIFY(showActive(*window));
        TableGrid *log = gridNamed(*window, grid);
        QVERIFY(log);
        goTo(log, 2, Start);
        const QString usedBefore = shown(log, 2, Used);
        typeIntoCell(log, start);
        // Tab out of an editor opens the next cell's editor.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        typeIntoOpenEditor(log, End, end);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        typeIntoOpenEditor(log, Price, price);
        QCOMPARE(shown(log, 2, Used), usedBefore); // not before the row is left
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(log->currentIndex().row(), 3);
        QCOMPARE(shown(log, 2, Start), start);
        QCOMPARE(shown(log, 2, End), end);
        QCOMPARE(shown(log, 2, Used), usedShown);
        QCOMPARE(shown(log, 2, Price), priceShown);
        QCOMPARE(shown(log, 2, Amount), amountShown);
        QVERIFY(m_prompter->messages.isEmpty());
    }

    // A reading beyond what a log keeps, or an amount beyond what an amount
    // holds, is refused before anything is written; the cursor stays.
    void readingsBeyondTheRangeAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("message"); // its beginning
        const QString reading = u"není možný stav měřidla"_s;
        QTest::newRow("water, 10^15") << u"water"_s << u"Spvodat.DB"_s << u"1000000000000000"_s << u"2"_s << reading;
        QTest::newRow("water, 1e308") << u"water"_s << u"Spvodat.DB"_s << u"1e308"_s << u"2"_s << reading;
        QTest::newRow("gas, 20 digits") << u"gas"_s << u"SPPlyn.db"_s << u"12345678901234567890"_s << u"2"_s << reading;
        QTest::newRow("electricity, an amount too big") << u"electricity"_s << u"SPELEKTR.DB"_s << u"900000000000000"_s
                                                        << u"5000"_s << u"za cenu"_s;
    }
    void readingsBeyondTheRangeAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, end);
        QFETCH(QString, price);
        QFETCH(QString, message);
        store(file, 0, {u"Pocatek=10"_s, u"Konec=12"_s, u"Spotreba=2"_s});
        {
            auto window = makeWindow(kind, *m_prompter);
            QVERIFY(showActive(*window));
            TableGrid *log = window->findChild<TableGrid *>(kind == u"water" ? u"TV"_s : u"El"_s);
            goTo(log, 0, Price);
            typeIntoCell(log, price);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_VERIFY(!log->isEditing());
            goTo(log, 0, End);
            typeIntoCell(log, end);
            GridTyping::press(Qt::Key_Down);
            QTRY_COMPARE(m_prompter->messages.size(), 1);
            QVERIFY2(m_prompter->messages[0].contains(message), qPrintable(m_prompter->messages[0]));
            QCOMPARE(log->currentIndex().row(), 0);
            QCOMPARE(stored(file, 0, u"Konec"_s).toDouble(), 12.0);
            QCOMPARE(stored(file, 0, u"Spotreba"_s).toDouble(), 2.0);
        }
        // Closed with the row as it is: still nothing of it is stored.
        QCOMPARE(stored(file, 0, u"Konec"_s).toDouble(), 12.0);
        QCOMPARE(stored(file, 0, u"Spotreba"_s).toDouble(), 2.0);
    }

    void emptyReadingsBecomeZeroOnLeaving()
    {
        TSpotrebaElektriny window(*m_prompter, platform());
        QVERIFY(showActive(window));
        TableGrid *log = gridNamed(window, u"El"_s);
        goTo(log, 5, Price);
        typeIntoCell(log, u"3"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(log->currentIndex().row(), 4);
        QCOMPARE(shown(log, 5, Start), u"0"_s);
        QCOMPARE(shown(log, 5, End), u"0"_s);
        QCOMPARE(shown(log, 5, Used), u"0,0 KWh"_s);
        QCOMPARE(shown(log, 5, Amount), u"0,00 Kč"_s);
    }

    void carryOverOnJanuaryFillsFebruary_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("endField");
        QTest::addColumn<int>("startColumn");
        QTest::newRow("hot water") << u"water"_s << u"Spvodat.DB"_s << u"VlozPocStavTepla"_s << u"TV"_s << u"Konec"_s
                                   << int(Start);
        QTest::newRow("cold water") << u"water"_s << u"SPVodaS.db"_s << u"VlozPocatecniStavStudena"_s << u"SV"_s
                                    << u"Konec"_s << int(Start);
        QTest::newRow("electricity") << u"electricity"_s << u"SPELEKTR.DB"_s << u"VypocitaPocStav"_s << u"El"_s
                                     << u"Konec"_s << int(Start);
        QTest::newRow("gas") << u"gas"_s << u"SPPlyn.db"_s << u"VypocitaPocStav"_s << u"El"_s << u"Konec"_s
                             << int(Start);
        QTest::newRow("night, meter 1") << u"night"_s << u"SpElNoc.DB"_s << u"Poc1"_s << u"El"_s << u"Konec01"_s << 3;
        QTest::newRow("night, meter 2") << u"night"_s << u"SpElNoc.DB"_s << u"Poc2"_s << u"El"_s << u"Konec02"_s << 6;
    }
    void carryOverOnJanuaryFillsFebruary()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, button);
        QFETCH(QString, grid);
        QFETCH(QString, endField);
        QFETCH(int, startColumn);
        store(file, 0, {endField + u"=1234"_s});
        auto window = makeWindow(kind, *m_prompter);
        QVERIFY(showActive(*window));
        TableGrid *log = gridNamed(*window, grid);
        goTo(log, 0, startColumn);
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(log->currentIndex().row(), 1);
        QCOMPARE(shown(log, 1, startColumn), u"1234"_s);
        QCOMPARE(shown(log, 0, startColumn), u"0"_s); // January was worked out as it was left
        window.reset();
        const QString startField = QString(endField).replace(u"Konec"_s, u"Pocatek"_s);
        QCOMPARE(stored(file, 1, startField).toDouble(), 1234.0);
    }

    void thirteenthRowIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<bool>("tab");
        QTest::addColumn<bool>("editing");
        QTest::newRow("water, Down") << u"water"_s << u"SV"_s << false << false;
        QTest::newRow("electricity, Tab") << u"electricity"_s << u"El"_s << true << false;
        QTest::newRow("gas, Down") << u"gas"_s << u"El"_s << false << false;
        QTest::newRow("gas, Tab out of an editor") << u"gas"_s << u"El"_s << true << true;
        QTest::newRow("night, Down") << u"night"_s << u"El"_s << false << false;
        QTest::newRow("night, Down out of an editor") << u"night"_s << u"El"_s << false << true;
    }
    void thirteenthRowIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, grid);
        QFETCH(bool, tab);
        QFETCH(bool, editing);
        auto window = makeWindow(kind, *m_prompter);
        QVERIFY(showActive(*window));
        TableGrid *log = gridNamed(*window, grid);
        const int lastColumn = log->model()->columnCount() - 1;
        goTo(log, 11, tab ? lastColumn : Start);
        if (editing)
            typeIntoCell(log, u"7"_s);
        QTest::keyClick(editing ? QApplication::focusWidget() : log, tab ? Qt::Key_Tab : Qt::Key_Down);
        QCOMPARE(m_prompter->messages, QStringList{ConsumptionLog::RefusalMessage});
        QCOMPARE(log->model()->rowCount(), 12);
        QCOMPARE(log->currentIndex().row(), 11);
        window.reset();
        Table table;
        table.setFolder(u"Data"_s);
        table.setTableName(kind == u"water" ? u"SPVodaS.db"_s
                           : kind == u"gas" ? u"SPPlyn.db"_s
                           : kind == u"night" ? u"SpElNoc.DB"_s
                                              : u"SPELEKTR.DB"_s);
        table.open();
        QCOMPARE(table.recordCount(), 12);
    }

    // The hot-water total is there as soon as the window opens; a total
    // asked for right after typing counts the row typed into.
    void totalCountsTheRowJustTyped()
    {
        store(u"Spvodat.DB"_s, 0, {u"Pocatek=0"_s, u"Konec=10"_s, u"Kc/m3=20"_s, u"Castka=200"_s});
        TSpotrebaVody window(*m_prompter, platform());
        QCOMPARE(window.findChild<QLabel *>(u"C2"_s)->text(), u"Celkem:"_s);
        QVERIFY(showActive(window));
        QTRY_COMPARE(window.findChild<QLabel *>(u"C1"_s)->text(), u"Celkem: 200,00 Kč"_s);
        QCOMPARE(window.findChild<QLabel *>(u"C2"_s)->text(), u"Celkem:"_s);

        TableGrid *hot = gridNamed(window, u"TV"_s);
        goTo(hot, 4, End);
        typeIntoCell(hot, u"1000,5"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(hot, Qt::Key_Tab);
        typeIntoCell(hot, u"2"_s);
        QTest::mouseClick(window.findChild<QPushButton *>(u"TVCelkem"_s), Qt::LeftButton);
        QCOMPARE(window.findChild<QLabel *>(u"C1"_s)->text(), u"Celkem: 2\u00A0201,00 Kč"_s);
        QCOMPARE(hot->currentIndex().row(), 4);
        QCOMPARE(hot->currentIndex().column(), int(Price));
        QCOMPARE(shown(hot, 4, Amount), u"2001,00 Kč"_s);

        // Entering the cold-water grid works out its total.
        gridNamed(window, u"SV"_s)->setFocus();
        QTRY_COMPARE(window.findChild<QLabel *>(u"C2"_s)->text(), u"Celkem: 0,00 Kč"_s);
    }

    void totalPlaceholders_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("electricity") << u"electricity"_s;
        QTest::newRow("gas") << u"gas"_s;
    }
    void totalPlaceholders()
    {
        QFETCH(QString, kind);
        auto window = makeWindow(kind, *m_prompter);
        QCOMPARE(window->findChild<QLabel *>(u"C1"_s)->text(), u"Celkem: ? Kč"_s);
        QVERIFY(showActive(*window));
        QTRY_COMPARE(window->findChild<QLabel *>(u"C1"_s)->text(), u"Celkem: 0,00 Kč"_s);
    }

    // Readings typed on a row that the cursor never left are written
    // however the window closes.
    void closingKeepsTypedReadings_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        for (const QString &how : {u"OK"_s, u"Escape"_s, u"close box"_s}) {
            QTest::addRow("water, %s", qPrintable(how))
                << u"water"_s << u"SPVodaS.db"_s << u"SV"_s << int(End) << u"Konec"_s << how;
            QTest::addRow("electricity, %s", qPrintable(how))
                << u"electricity"_s << u"SPELEKTR.DB"_s << u"El"_s << int(Start) << u"Pocatek"_s << how;
            QTest::addRow("gas, %s", qPrintable(how))
                << u"gas"_s << u"SPPlyn.db"_s << u"El"_s << int(End) << u"Konec"_s << how;
            QTest::addRow("night, %s", qPrintable(how))
                << u"night"_s << u"SpElNoc.DB"_s << u"El"_s << 7 << u"Konec02"_s << how;
        }
    }
    void closingKeepsTypedReadings()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, grid);
        QFETCH(int, column);
        QFETCH(QString, field);
        QFETCH(QString, how);
        {
            auto window = makeWindow(kind, *m_prompter);
            QVERIFY(showActive(*window));
            TableGrid *log = gridNamed(*window, grid);
            goTo(log, 7, column);
            typeIntoCell(log, u"4321"_s);
            QVERIFY(log->isEditing());
            if (how == u"OK") {
                QTest::mouseClick(window->findChild<QPushButton *>(u"OK"_s), Qt::LeftButton);
            } else if (how == u"Escape") {
                // Escape in the cell editor drops its typing, as in any
                // grid: Enter first puts it into the row, which the
                // cursor has not left.
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTRY_VERIFY(!log->isEditing());
                QTest::keyClick(log, Qt::Key_Escape);
            } else {
                window->close();
            }
            QTRY_VERIFY(!window->isVisible());
        }
        QCOMPARE(stored(file, 7, field).toDouble(), 4321.0);
        QVERIFY(m_prompter->messages.isEmpty());
    }

    void oldFormatStartsTheConverterAndCloses_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("converter");
        QTest::newRow("water, cold table") << u"water"_s << u"SPVodaS.db"_s << u"Hydrak.exe"_s;
        QTest::newRow("electricity") << u"electricity"_s << u"SPELEKTR.DB"_s << u"Voltak.exe"_s;
        QTest::newRow("gas") << u"gas"_s << u"SPPlyn.db"_s << u"Plamak.exe"_s;
    }
    void oldFormatStartsTheConverterAndCloses()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, converter);
        m_env->writeFile(u"Data/"_s + file, paradoxTable());
        auto window = makeWindow(kind, *m_prompter);
        QCOMPARE(m_prompter->messages,
                 QStringList{u"Pravděpodobně starý formát tabulky. Spustí se program pro vřevod dat."_s});
        QCOMPARE(platform().calls, QStringList{u"launch "_s + QDir(Paths::executableFolder()).filePath(converter)});
        QVERIFY(LogOpening::conversionStarted());
        window->show();
        QTRY_VERIFY(!window->isVisible());
        window.reset();
        QVERIFY(LogOpening::conversionStarted()); // until the next opening
        QCOMPARE(m_prompter->messages.size(), 1);

        QFile::remove(m_env->path(u"Data/"_s + file));
        m_env.reset();
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        TSpotrebaPlynu next(*m_prompter, platform());
        QVERIFY(!LogOpening::conversionStarted());
    }

    // The whole old-format path with the real converter: open, message,
    // converter, and the window opened again shows the converted rows.
    void aConvertedLogOpensWithItsRows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("priceField");
        QTest::newRow("water") << u"water"_s << u"SPVodaS.db"_s << u"Hydrak"_s << u"Kc/m3"_s;
        QTest::newRow("electricity") << u"electricity"_s << u"SPELEKTR.DB"_s << u"Voltak"_s << u"Kc/KWh"_s;
        QTest::newRow("gas") << u"gas"_s << u"SPPlyn.db"_s << u"Plamak"_s << u"Kc/m3"_s;
    }
    void aConvertedLogOpensWithItsRows()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, converter);
        QFETCH(QString, priceField);
        QList<ParadoxWriter::Field> fields = ParadoxWriter::meterLogFields();
        fields[4].name = priceField;
        QList<QVariantList> rows;
        for (int m = 1; m <= 12; ++m)
            rows << QVariantList{Catalogue::monthName(m), 10.0 * m, 10.0 * m + 2, 2.0, 1.005, 2.01};
        QFile::remove(m_env->path(u"Data/"_s + file));
        QVERIFY(ParadoxWriter::write(m_env->path(u"Data/"_s + file), fields, rows));
        {
            auto window = makeWindow(kind, *m_prompter);
            QCOMPARE(m_prompter->messages.size(), 1);
            QCOMPARE(platform().calls.size(), 1);
            QVERIFY(platform().calls.constFirst().endsWith(converter + u".exe"_s));
        }
        QProcess run;
        run.start(QStringLiteral(COMPANION_DIR "/") + converter, {u"--terminal"_s, u"--dir"_s, m_env->programFolder()});
        QVERIFY(run.waitForFinished(30000));
        const QString told = QString::fromUtf8(run.readAllStandardOutput() + run.readAllStandardError());
        QVERIFY2(run.exitCode() == 0, qPrintable(told));
        QVERIFY2(told.contains(u"převedeno 12 řádků"_s), qPrintable(told));
        QVERIFY(QFileInfo::exists(m_env->path(u"Data/"_s + file + u".paradox"_s)));

        m_prompter->messages.clear();
        auto again = makeWindow(kind, *m_prompter);
        QCOMPARE(m_prompter->messages, QStringList());
        QVERIFY(!LogOpening::conversionStarted());
        TableGrid *grid = gridNamed(*again, kind == u"water" ? u"SV"_s : u"El"_s);
        QCOMPARE(grid->model()->rowCount(), 12);
        QCOMPARE(shown(grid, 2, Month), u"Březen"_s);
        QCOMPARE(shown(grid, 2, Start), u"30"_s);
        QCOMPARE(shown(grid, 2, End), u"32"_s);
        QCOMPARE(stored(file, 2, priceField).value<Money>(), Money::fromUnits(10050));
    }

    // The previous year's logs are only shown: titled " - 2001", from the
    // previous-year folder, nothing typed, carried or written.
    void previousYearLogIsOnlyShown_data()
    {
        QTest::addColumn<QString>("srcData");
        QTest::addColumn<bool>("nightTariff");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("grid");
        QTest::newRow("gas") << u"Plyn"_s << false << u"SPPlyn.db"_s << u"Evidence spotřeby Plynu - 2001"_s << u"El"_s;
        QTest::newRow("water") << u"Voda"_s << false << u"SPVodaS.db"_s << u"Evidence spotřeby vody - 2001"_s << u"SV"_s;
        QTest::newRow("electricity") << u"elekt"_s << false << u"SPELEKTR.DB"_s << u"Evidence spotřeby Elektřiny - 2001"_s
                                     << u"El"_s;
        QTest::newRow("night tariff") << u"Elekt"_s << true << u"SpElNoc.DB"_s
                                      << u"Evidence spotřeby Elektřiny s Nočním proudem - 2001"_s << u"El"_s;
    }
    void previousYearLogIsOnlyShown()
    {
        QFETCH(QString, srcData);
        QFETCH(bool, nightTariff);
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QString, grid);
        const bool night = file == u"SpElNoc.DB";
        const QString startField = night ? u"Pocatek01"_s : u"Pocatek"_s;
        const QString endField = night ? u"Konec01"_s : u"Konec"_s;
        // Last year's readings, and an amount that no longer matches them:
        // shown as stored, not worked out again.
        store(u"Data01\\"_s + file, 0, {startField + u"=100"_s, endField + u"=112"_s});
        if (!night)
            store(u"Data01\\"_s + file, 0, {u"Castka=77"_s});
        store(file, 0, {startField + u"=5"_s});
        LogOpening::setConversionStarted(true); // left by a conversion of this year's logs

        const std::unique_ptr<LogWindowFrame> window = createPreviousYearLog(srcData, nightTariff, *m_prompter);
        QVERIFY(window);
        QVERIFY(window->tablesOpen());
        QCOMPARE(window->windowTitle(), caption);
        QVERIFY(showActive(*window));
        TableGrid *log = gridNamed(*window, grid);
        QCOMPARE(shown(log, 0, night ? 3 : Start), u"100"_s);
        goTo(log, 0, night ? 4 : End);
        // F2 and typing open no editor; leaving the row writes nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), u"999"_s);
        QVERIFY(!log->isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(shown(log, 0, night ? 4 : End), u"112"_s);
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (button->text() == u"Vlož počáteční stav"_s || button->text() == u"Sjednotit sazby"_s)
                QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        if (!night) {
            window->findChild<QPushButton *>(grid + u"Celkem"_s)->click();
            QCOMPARE(window->findChild<QLabel *>(u"C1"_s)->text().isEmpty(), false);
            QVERIFY2(window->findChild<QLabel *>(grid == u"SV"_s ? u"C2"_s : u"C1"_s)->text().contains(u"77"_s),
                     qPrintable(window->findChild<QLabel *>(grid == u"SV"_s ? u"C2"_s : u"C1"_s)->text()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(window->isHidden()); // not closed by the conversion flag at its first paint
        QCOMPARE(stored(u"Data01\\"_s + file, 0, endField).toDouble(), 112.0);
        if (!night)
            QCOMPARE(stored(u"Data01\\"_s + file, 0, u"Castka"_s).value<Money>(), Money::fromCrowns(77));
        QCOMPARE(stored(file, 0, startField).toDouble(), 5.0);
        QCOMPARE(m_prompter->messages, QStringList());
    }

    void previousYearLogThatIsMissingIsTold()
    {
        QVERIFY(!createPreviousYearLog(u"Vítr"_s, false, *m_prompter));
        QVERIFY(QFile::remove(m_env->path(u"Data/Data01/SPPlyn.db"_s)));
        const std::unique_ptr<LogWindowFrame> window = createPreviousYearLog(u"Plyn"_s, false, *m_prompter);
        QVERIFY(!window->tablesOpen());
        QCOMPARE(m_prompter->messages.size(), 1);
        QVERIFY2(m_prompter->messages.constFirst().contains(u"Data\\Data01\\SPPlyn.db"_s), qPrintable(m_prompter->messages.constFirst()));
    }

    void sNocChoosesTheElectricityWindow_data()
    {
        QTest::addColumn<QByteArray>("sNoc");
        QTest::addColumn<QString>("window");
        QTest::newRow("night tariff") << QByteArray("1") << u"SpotrebaElNoc"_s;
        QTest::newRow("single tariff") << QByteArray("0") << u"SpotrebaElektriny"_s;
        QTest::newRow("missing key") << QByteArray() << u"SpotrebaElektriny"_s;
    }
    void sNocChoosesTheElectricityWindow()
    {
        QFETCH(QByteArray, sNoc);
        QFETCH(QString, window);
        AppContext &context = AppContext::instance();
        context.reset();
        context.prompter = m_prompter.get();
        registerConsumption(context);
        IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
        if (sNoc.isEmpty()) {
            QFile ini(settings.filePath());
            if (ini.open(QIODevice::ReadOnly)) {
                QByteArrayList lines = ini.readAll().split('\n');
                ini.close();
                lines.removeIf([](const QByteArray &line) { return line.trimmed().toLower().startsWith("snoc="); });
                QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
                ini.write(lines.join('\n'));
            }
        } else {
            settings.write(Key::SNoc, sNoc == "1");
        }
        MenuCaptions captions;
        MainCommands commands(context, captions);
        QList<ScreenPicture> pictures;
        commands.setPictureHook([&](ScreenPicture picture) { pictures << picture; });
        QStringList opened;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            opened << (modal ? modal->objectName() : u"none"_s);
            if (modal)
                modal->close();
        });
        commands.openElectricity();
        QCOMPARE(opened, QStringList{window});
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(int(pictures[0]), int(ScreenPicture::Spt));
        context.reset();
    }

    // A night-tariff reading must be a whole number: another is told, the
    // cursor stays in the cell with the typing in its editor, and nothing
    // is stored until it is put right; the correction goes to that row.
    void nightReadingMustBeWhole_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Qt::Key>("leave");
        QTest::newRow("a fraction, Up") << u"10,5"_s
                                        << u"„10,5“ není platné celé číslo. Stavy elektroměru se zapisují v celých kWh."_s
                                        << Qt::Key_Up;
        QTest::newRow("a fraction, Tab") << u"10,5"_s
                                         << u"„10,5“ není platné celé číslo. Stavy elektroměru se zapisují v celých kWh."_s
                                         << Qt::Key_Tab;
        QTest::newRow("not a number, Up") << u"abc"_s << u"„abc“ není platné číslo."_s << Qt::Key_Up;
    }
    void nightReadingMustBeWhole()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(Qt::Key, leave);
        store(u"SpElNoc.DB"_s, 11, {u"Pocatek01=7"_s, u"Konec01=9"_s});
        {
            TSpotrebaElNoc window(*m_prompter);
            QVERIFY(showActive(window));
            TableGrid *log = gridNamed(window, u"El"_s);
            goTo(log, 11, 3); // Prosinec, "Poč. stav 1. elekt."
            typeIntoCell(log, typed);
            GridTyping::press(leave);
            QCOMPARE(m_prompter->messages, QStringList{message});
            QCOMPARE(GridTyping::cursorOf(log), u"11,3"_s);
            QCOMPARE(GridTyping::openEditorText(log), std::optional<QString>(typed));
            QCOMPARE(stored(u"SpElNoc.DB"_s, 11, u"Pocatek01"_s).toDouble(), 7.0);

            GridTyping::retype(u"8"_s);
            GridTyping::press(Qt::Key_Up);
            QCOMPARE(GridTyping::cursorOf(log), u"10,3"_s);
            QCOMPARE(shown(log, 11, 5), u"1 KWh"_s);
            QCOMPARE(m_prompter->messages.size(), 1);
        }
        QCOMPARE(stored(u"SpElNoc.DB"_s, 11, u"Pocatek01"_s).toDouble(), 8.0);
    }

    void nightTariffWorksOutEachMeterAndNoTotal()
    {
        store(u"SpElNoc.DB"_s, 3,
              {u"Pocatek01=5000"_s, u"Konec01=4900"_s, u"Pocatek02=100"_s, u"Konec02=250"_s, u"SazbaDen=4,5"_s,
               u"SazbaNoc=2"_s});
        TSpotrebaElNoc window(*m_prompter);
        QVERIFY(showActive(window));
        TableGrid *log = gridNamed(window, u"El"_s);
        goTo(log, 3, 1);
        QTest::keyClick(log, Qt::Key_Down);
        QCOMPARE(shown(log, 3, 5), u"0 KWh"_s);
        QCOMPARE(shown(log, 3, 8), u"150 KWh"_s);
        QCOMPARE(shown(log, 3, 1), u"4,50 Kč"_s);
        QCOMPARE(log->model()->columnCount(), 9);
        for (const QLabel *label : window.findChildren<QLabel *>())
            QVERIFY2(!label->text().contains(u"Celkem"_s), qPrintable(label->text()));
        QVERIFY(!window.findChild<QPushButton *>(u"ElCelkem"_s));
    }

    void equaliseRates_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Ano") << true;
        QTest::newRow("Ne") << false;
    }
    void equaliseRates()
    {
        QFETCH(bool, answer);
        store(u"SpElNoc.DB"_s, 0, {u"SazbaDen=4,25"_s, u"SazbaNoc=1,75"_s});
        store(u"SpElNoc.DB"_s, 6, {u"SazbaDen=9"_s, u"SazbaNoc=8"_s});
        m_prompter->answers = {answer};
        {
            TSpotrebaElNoc window(*m_prompter);
            QVERIFY(showActive(window));
            QTest::mouseClick(window.findChild<QPushButton *>(u"SjednSazby"_s), Qt::LeftButton);
            QCOMPARE(m_prompter->questions.size(), 1);
            QCOMPARE(m_prompter->questions[0].title, u"Dotaz"_s);
            QCOMPARE(m_prompter->questions[0].text, u"Přejete si nastavit všechny sazby podle měsíce Ledna ?"_s);
            QCOMPARE(m_prompter->questions[0].icon, int(Prompter::InformationSign));
            QCOMPARE(window.logGrid()->model()->rowCount(), 12);
        }
        for (int row = 1; row < 12; ++row) {
            const QString day = Locale::money(stored(u"SpElNoc.DB"_s, row, u"SazbaDen"_s).value<Money>());
            const QString night = Locale::money(stored(u"SpElNoc.DB"_s, row, u"SazbaNoc"_s).value<Money>());
            if (answer) {
                QCOMPARE(day, u"4,25 Kč"_s);
                QCOMPARE(night, u"1,75 Kč"_s);
            } else {
                QCOMPARE(day, row == 6 ? u"9,00 Kč"_s : u"0,00 Kč"_s);
                QCOMPARE(night, row == 6 ? u"8,00 Kč"_s : u"0,00 Kč"_s);
            }
        }
    }

    void nightTableThatCannotOpenLeavesAnEmptyGrid()
    {
        m_env->writeFile(u"Data/SpElNoc.DB"_s, "a table of an older edition");
        TSpotrebaElNoc window(*m_prompter);
        QCOMPARE(m_prompter->messages.size(), 1);
        QVERIFY(m_prompter->messages[0] != LogOpening::OldFormatMessage);
        QVERIFY(!m_prompter->messages[0].isEmpty());
        QVERIFY(platform().calls.isEmpty());
        QVERIFY(showActive(window));
        QCOMPARE(window.logGrid()->model()->rowCount(), 0);
        m_prompter->answers = {true};
        QTest::mouseClick(window.findChild<QPushButton *>(u"SjednSazby"_s), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>(u"Poc1"_s), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>(u"OK"_s), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(m_prompter->messages.size(), 1);
    }

    void windowsHaveTheirSizesAndCaptions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("water") << u"water"_s << u"Evidence spotřeby vody"_s << QSize(709, 474);
        QTest::newRow("electricity") << u"electricity"_s << u"Evidence spotřeby Elektřiny"_s << QSize(736, 317);
        QTest::newRow("night") << u"night"_s << u"Evidence spotřeby Elektřiny s Nočním proudem"_s << QSize(793, 316);
        QTest::newRow("gas") << u"gas"_s << u"Evidence spotřeby Plynu"_s << QSize(729, 317);
    }
    void windowsHaveTheirSizesAndCaptions()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        auto window = makeWindow(kind, *m_prompter);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->findChild<QWidget *>(u"Surface"_s)->size(), size);
        QCOMPARE(window->width(), size.width());
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint), kind != u"water");
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<ScriptedPrompter> m_prompter;
};

QTEST_MAIN(LogWindowsTest)
#include "tst_logwindows.moc"
