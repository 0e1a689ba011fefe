#include "LedgerFixture.h"

#include "core/data/catalogue/Holders.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/StatusSink.h"
#include "records/ledger/DateCheck.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerTotals.h"
#include "records/ledger/MonthTotals.h"
#include "records/ledger/RecordDeletion.h"
#include "records/ledger/Renumbering.h"
#include "records/ledger/RowTicks.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {
const QString Nbsp = QString(QChar(0x00A0));
}

class LedgerTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_ledger = openLedger(QStringLiteral("Leden.db"));
    }
    void cleanup()
    {
        m_ledger.reset();
        m_env.reset();
    }

    void totalAndHiddenCount_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("green");
        QTest::addColumn<int>("hidden");

        QTest::newRow("empty table") << QStringList() << QStringLiteral("0,00 Kč") << false << 0;
        QTest::newRow("hidden amount counts") << QStringList{QStringLiteral(";a;100;-30")}
                                              << QStringLiteral("70,00 Kč") << true << 1;
        QTest::newRow("hidden text only") << QStringList{QStringLiteral(";a;;;tajné")} << QStringLiteral("0,00 Kč")
                                          << false << 1;
        QTest::newRow("exactly zero is red")
            << QStringList{QStringLiteral(";a;50"), QStringLiteral(";b;-50")} << QStringLiteral("0,00 Kč") << false << 0;
        QTest::newRow("negative") << QStringList{QStringLiteral(";a;-10,5")} << QStringLiteral("-10,50 Kč") << false << 0;
        QTest::newRow("grouped thousands, exact sum")
            << QStringList{QStringLiteral(";a;1234,1"), QStringLiteral(";b;0,2;0,2"), QStringLiteral(";c;0,0001")}
            << (QStringLiteral("1") + Nbsp + QStringLiteral("234,50 Kč")) << true << 1;
    }
    void totalAndHiddenCount()
    {
        QFETCH(QStringList, rows);
        appendRows(*m_ledger, rows);
        const int current = m_ledger->recordCount() > 1 ? 1 : m_ledger->position();
        if (current >= 0)
            m_ledger->moveTo(current);

        const TotalDisplay shown = TotalDisplay::of(LedgerTotals::total(*m_ledger));
        QTEST(shown.text, "total");
        QFETCH(bool, green);
        QCOMPARE(shown.colour, green ? QColor(0, 128, 0) : QColor(255, 0, 0));
        QCOMPARE(m_ledger->position(), current);

        const int hidden = LedgerTotals::hiddenCount(*m_ledger);
        QTEST(hidden, "hidden");
        QCOMPARE(LedgerTotals::hiddenCountText(hidden), QString::number(hidden) + QStringLiteral(" skrytých"));
        QCOMPARE(m_ledger->position(), current);
    }

    void hiddenMarkOfTheCurrentRecord()
    {
        appendRows(*m_ledger, {QStringLiteral(";plain;10"), QStringLiteral(";amount;10;-30"),
                               QStringLiteral(";text;10;;x")});
        const QList<bool> expected{false, true, true};
        for (int row = 0; row < 3; ++row) {
            m_ledger->moveTo(row);
            QCOMPARE(LedgerTotals::isHiddenMarked(*m_ledger), expected[row]);
        }
    }

    void renumberingAndSupplements_data()
    {
        QTest::addColumn<QStringList>("supplements");
        QTest::addColumn<QString>("automatic");
        QTest::addColumn<QStringList>("expected");

        const QStringList mixed{QString(), QStringLiteral("ERROR"), QStringLiteral("vlastní"), QStringLiteral("error")};
        QTest::newRow("automatic text") << mixed << QStringLiteral("Auto")
                                        << QStringList{QStringLiteral("Auto"), QString(), QStringLiteral("vlastní"),
                                                       QStringLiteral("error")};
        QTest::newRow("no automatic text") << mixed << QString()
                                           << QStringList{QString(), QString(), QStringLiteral("vlastní"),
                                                          QStringLiteral("error")};
        QTest::newRow("missing key reads ERROR") << mixed << QStringLiteral("ERROR")
                                                 << QStringList{QString(), QString(), QStringLiteral("vlastní"),
                                                                QStringLiteral("error")};
    }
    void renumberingAndSupplements()
    {
        QFETCH(QStringList, supplements);
        QFETCH(QString, automatic);
        QStringList rows;
        for (const QString &supplement : supplements)
            rows << QStringLiteral(";t;1;;;") + supplement;
        appendRows(*m_ledger, rows);
        m_ledger->last();

        Renumbering::run(*m_ledger, automatic);
        QCOMPARE(m_ledger->position(), 0);
        QTEST(column(*m_ledger, LedgerField::Supplement), "expected");
        QCOMPARE(column(*m_ledger, LedgerField::RowNumber), (QStringList{"1", "2", "3", "4"}));
        // The supplement emptied from "ERROR" is filled at the next
        // activation; after that a numbered, filled table costs no write.
        QCOMPARE(Renumbering::run(*m_ledger, automatic), automatic == QLatin1String("Auto") ? 1 : 0);
        QCOMPARE(Renumbering::run(*m_ledger, automatic), 0);
    }

    void ticksStayWithTheirNumbers()
    {
        appendRows(*m_ledger, {QStringLiteral(";A;1"), QStringLiteral(";B;2"), QStringLiteral(";C;4")});
        Renumbering::run(*m_ledger, QString());
        RowTicks ticks;
        QVERIFY(ticks.toggle(2)); // B
        m_ledger->setFilter(ticks.filter(m_ledger->fieldIndex(LedgerField::RowNumber)));

        // Two rows come in at the top; the next activation numbers anew.
        m_ledger->first();
        m_ledger->insert();
        m_ledger->field(LedgerField::Text).setString(QStringLiteral("X"));
        m_ledger->post();
        m_ledger->last();
        m_ledger->append();
        m_ledger->field(LedgerField::Text).setString(QStringLiteral("Z"));
        m_ledger->post();
        m_ledger->setFiltered(true);
        Renumbering::run(*m_ledger, QString());

        QCOMPARE(column(*m_ledger, LedgerField::Text), QStringList{QStringLiteral("A")});
        QCOMPARE(TotalDisplay::of(LedgerTotals::total(*m_ledger)).text, QStringLiteral("1,00 Kč"));
        m_ledger->setFiltered(false);
        QCOMPARE(column(*m_ledger, LedgerField::RowNumber), (QStringList{"1", "2", "3", "4", "5"}));
        QCOMPARE(column(*m_ledger, LedgerField::Text), (QStringList{"X", "A", "B", "C", "Z"}));
        QVERIFY(!ticks.toggle(2));
        QVERIFY(ticks.isEmpty());
    }

    void filterWithNoTicksShowsNothing()
    {
        appendRows(*m_ledger, {QStringLiteral(";A;100"), QStringLiteral(";B;-30;5")});
        Renumbering::run(*m_ledger, QString());
        RowTicks ticks;
        m_ledger->setFilter(ticks.filter(m_ledger->fieldIndex(LedgerField::RowNumber)));
        m_ledger->setFiltered(true);
        m_ledger->refresh();
        QCOMPARE(m_ledger->recordCount(), 0);
        const TotalDisplay shown = TotalDisplay::of(LedgerTotals::total(*m_ledger));
        QCOMPARE(shown.text, QStringLiteral("0,00 Kč"));
        QCOMPARE(shown.colour, QColor(255, 0, 0));
        QCOMPARE(LedgerTotals::hiddenCount(*m_ledger), 0);
    }

    void monthTotal_data()
    {
        QTest::addColumn<QStringList>("otherRows");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("amount");

        QTest::newRow("empty month") << QStringList() << 0 << QStringLiteral("0");
        QTest::newRow("hidden amounts not counted")
            << QStringList{QStringLiteral(";a;100;-30"), QStringLiteral(";b;-20,5")} << 1 << QStringLiteral("79,5");
        QTest::newRow("rounded half away from zero")
            << QStringList{QStringLiteral(";a;1,0049"), QStringLiteral(";b;0,0001")} << 10 << QStringLiteral("1,01");
        QTest::newRow("negative rounded") << QStringList{QStringLiteral(";a;-2,345")} << 2 << QStringLiteral("-2,35");
    }
    void monthTotal()
    {
        QFETCH(QStringList, otherRows);
        QFETCH(int, month);
        const MonthTotals::Entry &entry = MonthTotals::entries()[std::size_t(month)];
        {
            auto other = openLedger(QString::fromUtf8(entry.file));
            appendRows(*other, otherRows);
        }
        // The open ledger is another month with a record of its own.
        auto ledger = openLedger(QStringLiteral("Prosinec.db"));
        appendRows(*ledger, {QStringLiteral("1.12.2009;vlastní;5")});
        ledger->last();
        TDataModule23 second(StatusSink::none());

        MonthTotals::VlozitMesic(*ledger, second, QString::fromUtf8(entry.monthName), QString::fromUtf8(entry.file),
                                 entry.date);

        QCOMPARE(ledger->recordCount(), 2);
        ledger->first();
        QTEST(ledger->field(LedgerField::Amount).asString(), "amount");
        QCOMPARE(ledger->field(LedgerField::Text).asString(),
                 QStringLiteral("Celková čátka z měsíce ") + QString::fromUtf8(entry.monthName));
        QCOMPARE(ledger->field(LedgerField::Supplement).asString(), QStringLiteral("Za ") + QString::fromUtf8(entry.monthName));
        QCOMPARE(ledger->field(LedgerField::Date).asDate(), entry.date);
        ledger->next();
        QCOMPARE(ledger->field(LedgerField::Text).asString(), QStringLiteral("vlastní"));
    }

    void monthTotalEntries()
    {
        const auto &entries = MonthTotals::entries();
        QCOMPARE(QString::fromUtf8(entries[0].menuName), QStringLiteral("LEDEN"));
        QCOMPARE(entries[1].date, QDate(2009, 2, 28));
        QCOMPARE(QString::fromUtf8(entries[10].monthName), QStringLiteral("Listopad"));
        for (const auto &entry : entries)
            QCOMPARE(entry.date, QDate(2009, entry.date.month(), 1).addMonths(1).addDays(-1));
    }

    void dateCheck_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("declinedMessages");
        QTest::addColumn<QStringList>("datesAfter");

        const QStringList twoUndated{QStringLiteral(";první;1"), QStringLiteral(";druhá;2")};
        QTest::newRow("Ne then Ano asks the first again")
            << twoUndated << QList<bool>{false, true, false} << QStringList{"první", "druhá", "první"} << 2
            << QStringList{QString(), QStringLiteral("15.3.2009")};
        QTest::newRow("Ano to both: second pass finds nothing")
            << twoUndated << QList<bool>{true, true} << QStringList{"první", "druhá"} << 0
            << QStringList{QStringLiteral("15.3.2009"), QStringLiteral("15.3.2009")};
        QTest::newRow("Ne to both") << twoUndated << QList<bool>{false, false} << QStringList{"první", "druhá"} << 2
                                    << QStringList{QString(), QString()};
        QTest::newRow("Ano then Ne: the last answer ends it")
            << twoUndated << QList<bool>{true, false} << QStringList{"první", "druhá"} << 1
            << QStringList{QStringLiteral("15.3.2009"), QString()};
        QTest::newRow("dated rows are not asked")
            << QStringList{QStringLiteral("2.1.2009;má datum;1"), QStringLiteral(";bez data;2")} << QList<bool>{true}
            << QStringList{"bez data"} << 0 << QStringList{QStringLiteral("2.1.2009"), QStringLiteral("15.3.2009")};
        QTest::newRow("empty table") << QStringList() << QList<bool>() << QStringList() << 0 << QStringList();
    }
    void dateCheck()
    {
        QFETCH(QStringList, rows);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, asked);
        appendRows(*m_ledger, rows);
        ScriptedPrompter prompter;
        prompter.answers = answers;
        prompter.defaultAnswer = true; // an endless loop would show here as more questions
        const FixedClock clock(QDateTime(QDate(2009, 3, 15), QTime(10, 0)));

        DateCheck::KontrolaDatumu(*m_ledger, prompter, clock);

        QCOMPARE(prompter.questions.size(), asked.size());
        for (int i = 0; i < asked.size(); ++i) {
            QCOMPARE(prompter.questions[i].title, QStringLiteral("Chybí datum"));
            QCOMPARE(prompter.questions[i].text,
                     QStringLiteral("V položce \"") + asked[i] + QStringLiteral("\" chybí datum ! Vložit dnešní datum ?"));
            QCOMPARE(prompter.questions[i].icon, 2);
        }
        QFETCH(int, declinedMessages);
        QCOMPARE(prompter.messages.size(), declinedMessages);
        for (const QString &message : prompter.messages)
            QCOMPARE(message, QStringLiteral("Chybějící datum způsobí chybné zobrazení v grafu !"));
        QTEST(column(*m_ledger, LedgerField::Date), "datesAfter");
        QVERIFY(!m_ledger->controlsDisabled());
    }

    void deletion_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("textsAfter");

        const QString empty = QStringLiteral("Pravděpodobně je prázdná databáze, nelze mazat");
        const QStringList two{QStringLiteral("3.1.2009;A;1"), QStringLiteral("4.1.2009;B;2")};
        QTest::newRow("empty table, Ano") << QStringList() << true << false << QStringList{empty} << QStringList();
        QTest::newRow("empty table, Ne") << QStringList() << false << false << QStringList() << QStringList();
        QTest::newRow("Ano deletes the current") << two << true << true << QStringList() << QStringList{"A"};
        QTest::newRow("Ne keeps it") << two << false << false << QStringList() << QStringList{"A", "B"};
    }
    void deletion()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, confirm);
        appendRows(*m_ledger, rows);
        m_ledger->last();
        ScriptedPrompter prompter;
        QStringList shownDates;
        const bool deleted = RecordDeletion::deleteCurrent(*m_ledger, prompter, [&](const QString &date) {
            shownDates << date;
            return confirm;
        });
        QTEST(deleted, "deleted");
        QCOMPARE(shownDates, QStringList{rows.isEmpty() ? QString() : QStringLiteral("4.1.2009")});
        QTEST(prompter.messages, "messages");
        QTEST(column(*m_ledger, LedgerField::Text), "textsAfter");
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<Table> m_ledger;
};

QTEST_GUILESS_MAIN(LedgerTest)
#include "tst_ledger.moc"
