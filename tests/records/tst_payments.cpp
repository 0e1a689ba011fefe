// The offer of regular payments into the month ledgers.
#include "LedgerFixture.h"

#include "core/data/engine/EngineError.h"
#include "core/data/platform/Clock.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/PaymentOffer.h"
#include "records/ledger/PaymentTables.h"
#include "records/payments/TForm17.h"
#include "core/app/commands/MenuCaptions.h"
#include "widgets/TableGrid.h"
#include "support/GridTyping.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

struct Payment
{
    QString name;
    QString end;    // d.M.yyyy or empty
    QString amount; // crowns
    QList<int> written; // months whose flag is set
};

void storePayments(const QList<Payment> &payments, const QString &file = PaymentOffer::PaymentsFile)
{
    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(file);
    table.open();
    for (const Payment &payment : payments) {
        table.append();
        table.field(QStringLiteral("Nazev-Pl")).setString(payment.name);
        table.field(QStringLiteral("P-Datum")).setString(QStringLiteral("1.1.2030")); // a start in the future counts for nothing
        table.field(QStringLiteral("K-Datum")).setString(payment.end);
        table.field(QStringLiteral("Castka")).setString(payment.amount);
        for (int month = 1; month <= 12; ++month)
            table.field(PaymentOffer::flagField(month)).setBool(payment.written.contains(month));
        table.post();
    }
}

// "name: D1 … D12" as 0/1, per payment in table order.
QStringList flags()
{
    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(PaymentOffer::PaymentsFile);
    table.open();
    QStringList all;
    for (table.first(); !table.eof(); table.next()) {
        QString bits;
        for (int month = 1; month <= 12; ++month)
            bits += table.field(PaymentOffer::flagField(month)).asBool() ? QLatin1Char('1') : QLatin1Char('0');
        all << table.field(QStringLiteral("Nazev-Pl")).asString() + QStringLiteral(": ") + bits;
    }
    return all;
}

// "date;text;amount;supplement" of every ledger row.
QStringList rows(Table &ledger)
{
    QStringList all;
    for (ledger.first(); !ledger.eof(); ledger.next())
        all << QStringList{ledger.field(LedgerField::Date).asString(), ledger.field(LedgerField::Text).asString(),
                           ledger.field(LedgerField::Amount).asString(), ledger.field(LedgerField::Supplement).asString()}
                   .join(QLatin1Char(';'));
    return all;
}

// "name;start;end;amount" of every monthly payment, in table order.
QStringList storedPayments()
{
    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(PaymentOffer::PaymentsFile);
    table.open();
    QStringList all;
    for (table.first(); !table.eof(); table.next())
        all << QStringList{table.field(QStringLiteral("Nazev-Pl")).asString(), table.field(QStringLiteral("P-Datum")).asString(),
                           table.field(QStringLiteral("K-Datum")).asString(), table.field(QStringLiteral("Castka")).asString()}
                   .join(QLatin1Char(';'));
    return all;
}

// A line of storedPayments() with `field` set to `text`.
QString withField(const QString &stored, const QString &field, const QString &text)
{
    const QStringList fields{QStringLiteral("Nazev-Pl"), QStringLiteral("P-Datum"), QStringLiteral("K-Datum"),
                             QStringLiteral("Castka")};
    QStringList line = stored.split(QLatin1Char(';'));
    line[fields.indexOf(field)] = text;
    return line.join(QLatin1Char(';'));
}

// Two payments that look alike, valid to 2030, and a row of the user's
// own in January that looks like one of them.
void storeLookAlikes()
{
    storePayments({{QStringLiteral("Pojištění"), QStringLiteral("31.12.2030"), QStringLiteral("-500"), {}},
                   {QStringLiteral("Pojištění"), QStringLiteral("31.12.2030"), QStringLiteral("-500"), {}}});
    auto ledger = openLedger(QStringLiteral("Leden.db"));
    appendRows(*ledger, {QStringLiteral("1.1.2009;Pojištění;-500;;;Pravidelná platba")});
}

const FixedClock &january()
{
    static const FixedClock clock(QDateTime(QDate(2009, 1, 20), QTime(10, 0)));
    return clock;
}

// A program that offers January's payments, answering "Ano", and is killed
// at some moment of it: says "ready" first, and waits a little between
// each row and its flag.
int runOfferToBeKilled(const QString &folder)
{
    QDir::setCurrent(folder);
    ScriptedPrompter yes;
    yes.defaultAnswer = true;
    auto ledger = openLedger(QStringLiteral("Leden.db"));
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    PaymentOffer::setBetweenRowAndFlag([] { QThread::msleep(3); });
    PaymentOffer::offer(*ledger, 1, yes, january());
    std::fputs("done\n", stdout);
    std::fflush(stdout);
    return 0;
}

// What a try of the kill loop found: January's rows and the flags after
// the killed offer and the next one.
struct TryOutcome
{
    int rows = 0;
    QStringList flags;
    bool intact = false;
    bool betweenRowAndFlag = false; // the kill left a payment noted as under way
    bool finished = false;          // the offer was done before the kill
};

TryOutcome killOfferAndOfferAgain(const QString &folder, int delayMs)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--offer-to-be-killed"), folder});
    child.start();
    child.waitForStarted();
    QByteArray said;
    while (!said.contains("ready") && child.state() == QProcess::Running && child.waitForReadyRead(5000))
        said += child.readAllStandardOutput();
    QThread::msleep(ulong(delayMs));
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    TryOutcome outcome;
    outcome.finished = (said + child.readAllStandardOutput()).contains("done");
    outcome.betweenRowAndFlag = QFileInfo(QDir(folder).filePath(QStringLiteral("Data/PravPl1.db-vklad"))).size() > 0;
    ScriptedPrompter yes;
    yes.defaultAnswer = true;
    {
        auto ledger = openLedger(QStringLiteral("Leden.db"));
        PaymentOffer::offer(*ledger, 1, yes, january());
        outcome.rows = ledger->recordCount();
    }
    outcome.flags = flags();
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(QDir(folder).filePath(QStringLiteral("Data/Leden.db"))).constData(), &db,
                    SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    outcome.intact = sqlite3_step(check) == SQLITE_ROW
                     && qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)), "ok") == 0;
    sqlite3_finalize(check);
    sqlite3_close(db);
    return outcome;
}

const QStringList BothFlagged{QStringLiteral("Pojištění: 100000000000"), QStringLiteral("Pojištění: 100000000000")};

// `tries` kills at random moments of an offer of two look-alike payments
// beside a look-alike row of the user's; prints what was lost, written
// twice or damaged.
int runKillLoop(int tries)
{
    int lost = 0, duplicated = 0, corrupted = 0, unflagged = 0, between = 0, finished = 0;
    for (int i = 0; i < tries; ++i) {
        TestEnv env;
        env.deliverTables();
        storeLookAlikes();
        const TryOutcome outcome = killOfferAndOfferAgain(env.programFolder(), QRandomGenerator::global()->bounded(25));
        lost += std::max(0, 3 - outcome.rows);
        duplicated += std::max(0, outcome.rows - 3);
        corrupted += outcome.intact ? 0 : 1;
        unflagged += outcome.flags == BothFlagged ? 0 : 1;
        between += outcome.betweenRowAndFlag ? 1 : 0;
        finished += outcome.finished ? 1 : 0;
    }
    std::printf("%d tries (%d killed with a payment under way, %d after the offer was done): %d payment rows lost, "
                "%d written twice, %d tables corrupted, %d tries with a flag missing\n",
                tries, between, finished, lost, duplicated, corrupted, unflagged);
    return lost + duplicated + corrupted + unflagged == 0 ? 0 : 1;
}

} // namespace

class PaymentsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup()
    {
        PaymentOffer::setBetweenRowAndFlag(nullptr);
        m_env.reset();
    }

    // Which payments are offered on 20 May 2009, for March.
    void whichPaymentsAreOffered_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QList<int>>("written");
        QTest::addColumn<bool>("offered");
        QTest::newRow("valid, March not written") << "31.12.2009" << QList<int>{5} << true;
        QTest::newRow("March written") << "31.12.2009" << QList<int>{3} << false;
        QTest::newRow("ends today") << "20.5.2009" << QList<int>{} << false;
        QTest::newRow("ends tomorrow") << "21.5.2009" << QList<int>{} << true;
        QTest::newRow("no end date") << "" << QList<int>{} << false;
        QTest::newRow("expired") << "1.5.2009" << QList<int>{} << false;
    }
    void whichPaymentsAreOffered()
    {
        QFETCH(QString, end);
        QFETCH(QList<int>, written);
        QFETCH(bool, offered);
        storePayments({{QStringLiteral("Nájem"), end, QStringLiteral("-5000"), written}});
        const FixedClock clock(QDateTime(QDate(2009, 5, 20), QTime(10, 0)));
        ScriptedPrompter prompter;
        prompter.defaultAnswer = true;
        auto ledger = openLedger(QStringLiteral("Brezen.db"));
        QCOMPARE(PaymentOffer::offer(*ledger, 3, prompter, clock), offered ? 1 : 0);
        QCOMPARE(prompter.questions.size(), offered ? 1 : 0);
        if (!offered)
            return;
        QCOMPARE(prompter.questions.first().title, QStringLiteral("Pravidelné platby"));
        QCOMPARE(prompter.questions.first().text, QStringLiteral("Vložit pravidelnou platbu s názvem \"Nájem\""));
        QCOMPARE(prompter.questions.first().icon, 1);
        // Dated the first of the current month, whatever the table's month;
        // only the table's month is marked.
        QCOMPARE(rows(*ledger), QStringList{QStringLiteral("1.5.2009;Nájem;-5000;Pravidelná platba")});
        QVERIFY(flags().first().endsWith(written.contains(5) ? QStringLiteral("001010000000") : QStringLiteral("001000000000")));
    }

    // Two due payments: two questions in table order, both rows at the top,
    // the second above the first; a declined one is offered again.
    void twoPaymentsAndADeclinedOne()
    {
        storePayments({{QStringLiteral("Nájem"), QStringLiteral("31.12.2009"), QStringLiteral("-5000"), {}},
                       {QStringLiteral("Pojistka"), QStringLiteral("31.12.2009"), QStringLiteral("-300"), {}},
                       {QStringLiteral("Internet"), QStringLiteral("31.12.2009"), QStringLiteral("-500"), {}}});
        auto ledger = openLedger(QStringLiteral("Brezen.db"));
        appendRows(*ledger, {QStringLiteral("2.3.2009;stary;1")});
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        ScriptedPrompter prompter;
        prompter.answers = {true, true, false};
        QCOMPARE(PaymentOffer::offer(*ledger, 3, prompter, clock), 2);
        QCOMPARE(prompter.questions.size(), 3);
        QCOMPARE(prompter.questions[1].text, QStringLiteral("Vložit pravidelnou platbu s názvem \"Pojistka\""));
        QCOMPARE(rows(*ledger), (QStringList{"1.3.2009;Pojistka;-300;Pravidelná platba", "1.3.2009;Nájem;-5000;Pravidelná platba",
                                            "2.3.2009;stary;1;"}));
        // Next activation: only the declined one is asked again.
        ScriptedPrompter again;
        QCOMPARE(PaymentOffer::offer(*ledger, 3, again, clock), 0);
        QCOMPARE(again.questions.size(), 1);
        QCOMPARE(again.questions.first().text, QStringLiteral("Vložit pravidelnou platbu s názvem \"Internet\""));
    }

    // A program that ends between the payment's ledger row and its flag
    // leaves the row; the next offer sets the flag and writes nothing
    // twice. One that ends before the row leaves neither.
    void anEndBetweenRowAndFlagWritesNothingTwice_data()
    {
        QTest::addColumn<bool>("rowWritten");
        QTest::newRow("after the row") << true;
        QTest::newRow("before the row") << false;
    }
    void anEndBetweenRowAndFlagWritesNothingTwice()
    {
        QFETCH(bool, rowWritten);
        storePayments({{QStringLiteral("Nájem"), QStringLiteral("31.12.2009"), QStringLiteral("-5000"), {}}});
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        {
            auto ledger = openLedger(QStringLiteral("Brezen.db"));
            ScriptedPrompter prompter;
            prompter.answers = {rowWritten};
            if (rowWritten)
                PaymentOffer::setBetweenRowAndFlag([] { throw EngineError(QStringLiteral("konec programu")); });
            try {
                PaymentOffer::offer(*ledger, 3, prompter, clock);
            } catch (const EngineError &) {
            }
            PaymentOffer::setBetweenRowAndFlag(nullptr);
        }
        QCOMPARE(flags(), QStringList{QStringLiteral("Nájem: 000000000000")});
        auto ledger = openLedger(QStringLiteral("Brezen.db"));
        QCOMPARE(ledger->recordCount(), rowWritten ? 1 : 0);
        ScriptedPrompter next;
        next.defaultAnswer = true;
        PaymentOffer::offer(*ledger, 3, next, clock);
        QCOMPARE(next.questions.size(), rowWritten ? 0 : 1);
        QCOMPARE(ledger->recordCount(), 1);
        QCOMPARE(flags(), QStringList{QStringLiteral("Nájem: 001000000000")});
    }

    // What the flags grid's texts mean: "ANO" in any letter case sets a
    // flag, anything else clears it; typed into the grid and posted.
    void flagTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("set");
        QTest::newRow("ano") << "ano" << true;
        QTest::newRow("ANO") << "ANO" << true;
        QTest::newRow("Ano") << "Ano" << true;
        QTest::newRow("A") << "A" << false;
        QTest::newRow("Ne") << "Ne" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("with a blank") << "ano " << false;
    }
    void flagTexts()
    {
        QFETCH(QString, typed);
        QFETCH(bool, set);
        storePayments({{QStringLiteral("Nájem"), QStringLiteral("31.12.2009"), QStringLiteral("-5000"), {1}}});
        MenuCaptions captions;
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        {
            TForm17 window(captions, prompter, clock);
            QCOMPARE(window.flagsGrid()->item(0, 6)->text(), QStringLiteral("Dat. 7"));
            QCOMPARE(window.flagsGrid()->item(1, 0)->text(), QStringLiteral("Ano"));
            QCOMPARE(window.flagsGrid()->item(1, 6)->text(), QStringLiteral("Ne"));
            window.flagsGrid()->item(1, 6)->setText(typed);
            window.findChild<QPushButton *>(QStringLiteral("Zkontroluj"))->click();
        }
        QCOMPARE(flags(), QStringList{QStringLiteral("Nájem: 100000") + (set ? QStringLiteral("1") : QStringLiteral("0"))
                                      + QStringLiteral("00000")});
        QVERIFY(prompter.messages.isEmpty());
    }

    // The expired payments of all three tables, in table order, under
    // their groups' names; the header row comes first.
    void expiryList()
    {
        storePayments({{QStringLiteral("Nájem"), QStringLiteral("10.3.2009"), QStringLiteral("-5000"), {}},
                       {QStringLiteral("Bez konce"), QString(), QStringLiteral("-10"), {}},
                       {QStringLiteral("Stará"), QStringLiteral("9.3.2009"), QStringLiteral("-1,5"), {}}});
        storePayments({{QStringLiteral("Leasing"), QStringLiteral("1.1.2009"), QStringLiteral("-2000"), {}}},
                      PaymentTables::fileOf(1));
        MenuCaptions captions;
        captions.setGroup(1, QStringLiteral("Auto"));
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        TForm17 window(captions, prompter, clock);
        QTableWidget *list = window.expiredGrid();
        QCOMPARE(list->rowCount(), 4);
        QStringList shown;
        for (int row = 0; row < list->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 5; ++column)
                cells << (list->item(row, column) ? list->item(row, column)->text() : QString());
            shown << cells.join(QLatin1Char(';'));
        }
        QCOMPARE(shown, (QStringList{"Databáze;Poč. Datum;Kon. Datum;Název platby;Částka",
                                    "Měsíční;1.1.2030;;Bez konce;-10", "Měsíční;1.1.2030;9.3.2009;Stará;-1,5",
                                    "Auto;1.1.2030;1.1.2009;Leasing;-2000"}));
        QCOMPARE(window.groupChooser()->itemText(0), QStringLiteral("Měsíční databáze"));
        QCOMPARE(window.groupChooser()->itemText(1), QStringLiteral("Auto"));
    }

    // The group chooser switches the grid to the group's table; "Smazat
    // položku" asks first; what was typed is written when the window goes.
    void groupsDeletionAndTyping()
    {
        storePayments({{QStringLiteral("Nájem"), QStringLiteral("31.12.2009"), QStringLiteral("-5000"), {}},
                       {QStringLiteral("Pojistka"), QStringLiteral("31.12.2009"), QStringLiteral("-300"), {}}});
        storePayments({{QStringLiteral("Leasing"), QStringLiteral("31.12.2009"), QStringLiteral("-2000"), {}}},
                      PaymentTables::fileOf(2));
        MenuCaptions captions;
        ScriptedPrompter prompter;
        prompter.answers = {false, true};
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        {
            TForm17 window(captions, prompter, clock);
            QCOMPARE(window.payments().recordCount(), 2);
            window.chooseGroup(2);
            QCOMPARE(window.payments().tableName(), QStringLiteral("PravPl3.db"));
            QCOMPARE(window.payments().field(QStringLiteral("Nazev-Pl")).asString(), QStringLiteral("Leasing"));
            window.chooseGroup(0);
            window.grid()->setCurrentIndex(window.grid()->model()->index(1, 2));
            auto *remove = window.findChild<QPushButton *>(QStringLiteral("SmazatPolozku"));
            remove->click(); // Ne
            QCOMPARE(window.payments().recordCount(), 2);
            remove->click(); // Ano
            QCOMPARE(window.payments().recordCount(), 1);
            QCOMPARE(prompter.questions.size(), 2);
            QCOMPARE(prompter.questions.first().title, QStringLiteral("Smazat ?"));
            QCOMPARE(prompter.questions.first().text, QStringLiteral("Smazat tento záznam ?"));
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.grid()->setFocus();
            window.grid()->setCurrentIndex(window.grid()->model()->index(0, 3));
            QTest::keyClick(window.grid(), Qt::Key_Minus);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4800"));
            window.close();
        }
        Table table;
        table.setFolder(QStringLiteral("Data"));
        table.setTableName(PaymentOffer::PaymentsFile);
        table.open();
        QCOMPARE(table.recordCount(), 1);
        QCOMPARE(table.field(QStringLiteral("Castka")).asString(), QStringLiteral("-4800"));
    }

    // A refused amount or date keeps the user on the payment, in the cell,
    // with the typing in its editor; nothing is stored until it is put
    // right, and the correction goes to that payment.
    void refusedTypingStaysOnThePayment_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Qt::Key>("leave");
        QTest::newRow("amount, Down") << 3 << u"abc"_s << u"„abc“ není platná částka."_s << u"-8500"_s << u"Castka"_s
                                      << Qt::Key_Down;
        QTest::newRow("amount, Tab") << 3 << u"12a"_s << u"„12a“ není platná částka."_s << u"-8500"_s << u"Castka"_s
                                     << Qt::Key_Tab;
        QTest::newRow("end date, Up") << 1 << u"31.2.2009"_s << u"„31.2.2009“ není platné datum."_s << u"30.11.2009"_s
                                      << u"K-Datum"_s << Qt::Key_Up;
        QTest::newRow("end date, Return") << 1 << u"31.2.2009"_s << u"„31.2.2009“ není platné datum."_s
                                          << u"30.11.2009"_s << u"K-Datum"_s << Qt::Key_Return;
    }
    void refusedTypingStaysOnThePayment()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, corrected);
        QFETCH(QString, field);
        QFETCH(Qt::Key, leave);
        storePayments({{u"Nájem"_s, u"31.12.2009"_s, u"-5000"_s, {}},
                       {u"Pojistka"_s, u"31.12.2009"_s, u"-300"_s, {}},
                       {u"Internet"_s, u"31.12.2009"_s, u"-400"_s, {}}});
        const QStringList before = storedPayments();
        MenuCaptions captions;
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        {
            TForm17 window(captions, prompter, clock);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            TableGrid *grid = window.grid();
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(1, column));
            GridTyping::typeIntoCell(grid, typed);
            GridTyping::press(leave);
            QTRY_COMPARE(prompter.messages, QStringList{message}); // Return writes once the key is handled
            QCOMPARE(GridTyping::cursorOf(grid), u"1,%1"_s.arg(column));
            QCOMPARE(GridTyping::openEditorText(grid), std::optional<QString>(typed));
            QCOMPARE(storedPayments(), before);

            GridTyping::retype(corrected);
            GridTyping::press(Qt::Key_Down);
            QCOMPARE(GridTyping::cursorOf(grid), u"2,%1"_s.arg(column));
            QCOMPARE(prompter.messages.size(), 1);
        }
        QStringList after = before;
        after[1] = withField(before[1], field, corrected);
        QCOMPARE(storedPayments(), after);
    }

    // Escape on a new payment that holds no typing takes it away again (a
    // refused date is no typing); the next Escape closes the window, and
    // no empty payment is stored.
    void escapeTakesAnUntouchedPaymentAway_data()
    {
        QTest::addColumn<QString>("typed"); // into the new row's start date, refused; empty: nothing
        QTest::newRow("nothing typed") << QString();
        QTest::newRow("a refused date") << u"45.1.2009"_s;
    }
    void escapeTakesAnUntouchedPaymentAway()
    {
        QFETCH(QString, typed);
        storePayments({{u"Nájem"_s, u"31.12.2009"_s, u"-5000"_s, {}}, {u"Pojistka"_s, u"31.12.2009"_s, u"-300"_s, {}}});
        const QStringList before = storedPayments();
        MenuCaptions captions;
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        TForm17 window(captions, prompter, clock);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TableGrid *grid = window.grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QTest::keyClick(grid, Qt::Key_Down); // a new payment at the end
        QCOMPARE(grid->model()->rowCount(), 3);
        if (!typed.isEmpty()) {
            GridTyping::typeIntoCell(grid, typed);
            GridTyping::press(Qt::Key_Down);
            QCOMPARE(prompter.messages.size(), 1);
            QCOMPARE(GridTyping::cursorOf(grid), u"2,0"_s);
        }
        GridTyping::press(Qt::Key_Escape);
        QCOMPARE(grid->model()->rowCount(), 2);
        QVERIFY(window.isVisible());
        QCOMPARE(GridTyping::cursorOf(grid), u"1,0"_s);
        GridTyping::press(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(storedPayments(), before);
    }

    // Payments that look alike are each asked and each get a row of their
    // own; a row of the user's that looks like one flags nothing.
    void lookAlikesAreNeverTakenForOneAnother_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("flagsAfter");
        QTest::newRow("Ano, Ano") << QList<bool>{true, true} << 3 << BothFlagged;
        QTest::newRow("Ano, Ne") << QList<bool>{true, false} << 2
                                 << QStringList{"Pojištění: 100000000000", "Pojištění: 000000000000"};
        QTest::newRow("Ne, Ne") << QList<bool>{false, false} << 1
                                << QStringList{"Pojištění: 000000000000", "Pojištění: 000000000000"};
    }
    void lookAlikesAreNeverTakenForOneAnother()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(int, rows);
        QFETCH(QStringList, flagsAfter);
        storeLookAlikes();
        ScriptedPrompter prompter;
        prompter.answers = answers;
        auto ledger = openLedger(QStringLiteral("Leden.db"));
        QCOMPARE(PaymentOffer::offer(*ledger, 1, prompter, january()), int(answers.count(true)));
        QCOMPARE(prompter.questions.size(), 2);
        QCOMPARE(ledger->recordCount(), rows);
        QCOMPARE(flags(), flagsAfter);
        QVERIFY(!QFileInfo::exists(QStringLiteral("Data/PravPl1.db-vklad")));
    }

    // Killed at any moment of the offer, the next offer completes it: each
    // payment's row once, both flags, the user's row untouched. (The
    // loop of many tries runs with --kill-loop N.)
    void killedOfferIsCompletedByTheNext()
    {
        for (int delay : {0, 4, 9, 20}) {
            TestEnv env;
            env.deliverTables();
            storeLookAlikes();
            const TryOutcome outcome = killOfferAndOfferAgain(env.programFolder(), delay);
            QCOMPARE(outcome.rows, 3);
            QCOMPARE(outcome.flags, BothFlagged);
            QVERIFY(outcome.intact);
        }
    }

    // The label explains the flags when clicked, in its own words.
    void flagsLabelExplains()
    {
        MenuCaptions captions;
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 3, 10), QTime(10, 0)));
        TForm17 window(captions, prompter, clock);
        QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("LblInformace")), Qt::LeftButton);
        QCOMPARE(prompter.messages,
                 QStringList{QStringLiteral("Text \"Dat. 1\" určuje položku např. \"Leden\", hodnota \"Ano\" určuje zda byla "
                                            "položka vložena do databáze. Text \"Ano\" a \"Ne\" můžete libovolně měnit.")});
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--offer-to-be-killed") == 0)
        return runOfferToBeKilled(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--kill-loop") == 0)
        return runKillLoop(QString::fromLocal8Bit(argv[2]).toInt());
    PaymentsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_payments.moc"
