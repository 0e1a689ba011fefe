// Finding records, replacing supplements and the automatic supplement.
#include "LedgerFixture.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerSearch.h"
#include "records/ledger/RecordEdits.h"
#include "records/Registration.h"
#include "records/window/TForm3.h"
#include "records/window/TFrmDoplnek.h"
#include "records/window/TFrmHledani.h"
#include "records/window/TFrmSkryta.h"
#include "records/ledger/HiddenAmount.h"
#include "records/ledger/LedgerTotals.h"
#include "records/window/RecordGrid.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QPointer>
#include <QtTest>

using SearchField = LedgerSearch::Field;
Q_DECLARE_METATYPE(LedgerSearch::Field)

namespace {

// Runs `answer` on the next modal window, from inside its event loop.
void whenModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            const QPointer<QWidget> asked = modal;
            answer(modal);
            // An answer cut short by a failed check leaves the dialog open:
            // it is closed, so that the failure shows instead of a hang.
            if (QTest::currentTestFailed() && asked && asked->isVisible())
                asked->close();
        }
    });
    timer->start();
}

// What a record window needs, as the program gives it: the holders, a
// prompter, a clock fixed on 20 February 2009, no opening picture.
struct WindowBench
{
    explicit WindowBench(const TestEnv &env) : context(AppContext::instance()), module2(StatusSink::none(), prompter)
    {
        context.reset();
        context.dataModule2 = &module2;
        context.dataModule6 = &module6;
        context.prompter = &prompter;
        context.clock = &clock;
        registerRecordWindow(context);
        IniStore(env.path(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni)).write(Key::Scr, false);
    }
    ~WindowBench() { context.reset(); }

    AppContext &context;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2009, 2, 20), QTime(9, 0))};
    TDataModule2 module2;
    TDataModule6 module6;
};

} // namespace

class FindTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    // Each press goes on after the record found; without a match the
    // search ends on the first record.
    void searchPresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SearchField>("field");
        QTest::addColumn<bool>("neo");
        QTest::addColumn<QList<int>>("found"); // the row after each press, -1: no match (back on the first)
        QTest::newRow("leden in the texts, again and again") << "leden" << SearchField::Text << false << QList<int>{1, 3, -1, 1};
        QTest::newRow("empty text matches nothing") << "" << SearchField::Text << false << QList<int>{-1};
        QTest::newRow("letters with diacritics keep their case") << "ČAJ" << SearchField::Text << false << QList<int>{-1};
        QTest::newRow("the same letters find it") << "čaj" << SearchField::Text << false << QList<int>{2};
        QTest::newRow("date as shown") << "3.2." << SearchField::Date << false << QList<int>{2};
        QTest::newRow("amount with its currency") << "-1 234,50 kč" << SearchField::Amount << false << QList<int>{3};
        QTest::newRow("thousands typed with a plain space") << "25 000" << SearchField::Amount << false << QList<int>{4};
        QTest::newRow("thousands typed with a narrow no-break space")
            << QString::fromUtf8("25\u202F000") << SearchField::Amount << false << QList<int>{4};
        QTest::newRow("supplement") << "ZA" << SearchField::Supplement << false << QList<int>{0};
        QTest::newRow("NEO compares nothing") << "leden" << SearchField::Text << true << QList<int>{-1};
    }
    void searchPresses()
    {
        QFETCH(QString, text);
        QFETCH(SearchField, field);
        QFETCH(bool, neo);
        QFETCH(QList<int>, found);
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;začátek;10;;;za únor"), QStringLiteral("2.2.2009;Celkem Leden;20"),
                             QStringLiteral("3.2.2009;čaj;30"), QStringLiteral("4.2.2009;Leden znovu;-1234,5"),
                             QStringLiteral("5.2.2009;výplata;25000")});
        QCOMPARE(LedgerSearch::count(*ledger), 5);
        LedgerSearch search(*ledger);
        int steps = 0;
        for (int expected : found) {
            const bool hit = search.next(text, field, neo, [&steps] { ++steps; });
            QCOMPARE(hit, expected >= 0);
            QCOMPARE(ledger->position(), expected >= 0 ? expected : 0);
        }
        QVERIFY(steps <= 3 * found.size() + 3);
    }

    // A table of one record: the progress bar's maximum is 0, and the
    // search finds it, then comes back to it.
    void oneRecordTable()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;jediný záznam;5")});
        QCOMPARE(LedgerSearch::count(*ledger), 1);
        TFrmHledani dialog(*ledger, 1, false);
        QCOMPARE(dialog.progress()->maximum(), 0);
        dialog.textBox()->setText(QStringLiteral("JEDIN"));
        LedgerSearch search(*ledger);
        QVERIFY(search.next(QStringLiteral("jedin"), LedgerSearch::Field::Text, false));
        QVERIFY(!search.next(QStringLiteral("jedin"), LedgerSearch::Field::Text, false));
        QCOMPARE(ledger->position(), 0);
    }

    // Replacing is whole value and letter case; an empty first text stands
    // for the empty supplements. One transaction.
    void replaceSupplements_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("exact only") << "Za Leden" << "Únor" << QStringList{"Únor", "za leden", "Za Leden a víc", ""};
        QTest::newRow("empty fills the empty") << "" << "doplněno" << QStringList{"Za Leden", "za leden", "Za Leden a víc", "doplněno"};
    }
    void replaceSupplements()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;a;1;;;Za Leden"), QStringLiteral("1.2.2009;b;1;;;za leden"),
                             QStringLiteral("1.2.2009;c;1;;;Za Leden a víc"), QStringLiteral("1.2.2009;d;1")});
        QCOMPARE(RecordEdits::replaceSupplement(*ledger, from, to), 1);
        QTEST(column(*ledger, LedgerField::Supplement), "after");
        QCOMPARE(ledger->position(), 0);
    }

    // Through the record window: an empty ledger cannot be searched; Enter
    // in the dialog searches, and the record found is the window's.
    void findThroughTheWindow()
    {
        WindowBench bench(*m_env);
        AppContext &context = bench.context;
        ScriptedPrompter &prompter = bench.prompter;
        TDataModule2 &module2 = bench.module2;
        WindowOrders orders;
        orders.record = {RecordKind::Month, QStringLiteral("Měsíc Únor"), false};
        module2.Soubor(QStringLiteral("Unor.db"));
        {
            std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
            auto *form = qobject_cast<TForm3 *>(window.get());
            form->find();
            QCOMPARE(prompter.messages, QStringList{QStringLiteral("Příliž málo položek k prohledání databáze !")});
            form->close();
        }
        {
            auto ledger = openLedger(QStringLiteral("Unor.db"));
            appendRows(*ledger, {QStringLiteral("1.2.2009;a;1"), QStringLiteral("2.2.2009;nákup Leden;2"),
                                 QStringLiteral("3.2.2009;c;3")});
        }
        module2.Soubor(QStringLiteral("Unor.db"));
        std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
        auto *form = qobject_cast<TForm3 *>(window.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        int maximum = -1;
        whenModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmHledani *>(modal);
            QVERIFY(dialog);
            // Its Enter works once it is the active window.
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            maximum = dialog->progress()->maximum();
            QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("RbText"))->isChecked());
            QTest::keyClicks(dialog->textBox(), QStringLiteral("leden"));
            QTest::keyClick(dialog->textBox(), Qt::Key_Return);
            QTRY_COMPARE(module2.table().position(), 1);
            QTest::keyClick(dialog->textBox(), Qt::Key_Escape);
        });
        form->find();
        QCOMPARE(maximum, 2);
        QCOMPARE(module2.table().position(), 1);
        QCOMPARE(form->grid()->currentIndex().row(), 1);
        form->close();
        window.reset();
        context.reset();
    }

    // The automatic supplement: "OK" keeps the text, and the window fills
    // the empty supplements at once; "Nahradit" replaces right away.
    void automaticSupplementThroughTheWindow()
    {
        WindowBench bench(*m_env);
        AppContext &context = bench.context;
        TDataModule2 &module2 = bench.module2;
        {
            auto ledger = openLedger(QStringLiteral("Unor.db"));
            appendRows(*ledger, {QStringLiteral("1.2.2009;a;1"), QStringLiteral("2.2.2009;b;2;;;staré")});
        }
        WindowOrders orders;
        orders.record = {RecordKind::Month, QStringLiteral("Měsíc Únor"), false};
        module2.Soubor(QStringLiteral("Unor.db"));
        std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
        auto *form = qobject_cast<TForm3 *>(window.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        whenModal([](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmDoplnek *>(modal);
            QVERIFY(dialog);
            QVERIFY(dialog->textBox()->text().isEmpty()); // never written yet
            whenModal([](QWidget *replace) {
                auto *two = qobject_cast<TFrmNahradit *>(replace);
                QVERIFY(two);
                two->fromBox()->setText(QStringLiteral("staré"));
                two->toBox()->setText(QStringLiteral("nové"));
                two->findChild<QPushButton *>(QStringLiteral("BtnNahradit"))->click();
                QTimer::singleShot(50, [] {
                    if (auto *back = qobject_cast<TFrmDoplnek *>(QApplication::activeModalWidget())) {
                        back->textBox()->setText(QStringLiteral("auto"));
                        back->findChild<QPushButton *>(QStringLiteral("BtnOK"))->click();
                    }
                });
            });
            dialog->findChild<QPushButton *>(QStringLiteral("BtnNahradit"))->click();
        });
        form->automaticSupplement();
        QCOMPARE(column(module2.table(), LedgerField::Supplement), (QStringList{"auto", "nové"}));
        form->close();
        window.reset();
        context.reset();
        QCOMPARE(IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::SetMesice)).read(Key::Record::TextDop),
                 QStringLiteral("auto"));
    }

    // What the amount box takes: an amount or a calculation.
    void hiddenAmountValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value"); // plain, or "none"
        QTest::newRow("amount") << "-50" << "-50";
        QTest::newRow("grouped amount") << "1 200,5" << "1200,5";
        QTest::newRow("calculation") << "2*150" << "300";
        QTest::newRow("calculation with a comma") << "0,5*3" << "1,5";
        QTest::newRow("empty is zero") << "" << "0";
        QTest::newRow("neither") << "abc" << "none";
        QTest::newRow("division by zero") << "1/0" << "none";
    }
    void hiddenAmountValues()
    {
        QFETCH(QString, typed);
        QFETCH(QString, value);
        const std::optional<Money> money = HiddenAmount::valueOf(typed);
        QCOMPARE(money ? Locale::moneyPlain(*money) : QStringLiteral("none"), value);
    }

    // A record of 250 with a hidden −50: the box shows −50 Kč and 200 Kč;
    // "OK   " writes the amount and the text in one post, and the record
    // counts as hidden and its total changes by −50. "Storno " drops all.
    void hiddenAmountDialog()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;nákup;250")});
        ledger->first();
        ScriptedPrompter prompter;
        {
            TFrmSkryta dialog(*ledger, prompter);
            dialog.amountBox()->setText(QStringLiteral("-50"));
            QCOMPARE(dialog.hiddenLine(), QStringLiteral("-50 Kč"));
            QCOMPARE(dialog.sumLine(), QStringLiteral("200 Kč"));
            dialog.textBox()->setPlainText(QStringLiteral("zpět"));
            dialog.reject();
        }
        QCOMPARE(LedgerTotals::hiddenCount(*ledger), 0);
        {
            TFrmSkryta dialog(*ledger, prompter);
            QCOMPARE(dialog.amountBox()->text(), QStringLiteral("0"));
            dialog.amountBox()->setText(QStringLiteral("x"));
            dialog.OKClick(); // refused, the dialog stays
            QCOMPARE(prompter.messages.size(), 1);
            dialog.amountBox()->setText(QStringLiteral("-50"));
            dialog.textBox()->setPlainText(QStringLiteral("zpět"));
            dialog.OKClick();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(ledger->field(LedgerField::HiddenAmount).asString(), QStringLiteral("-50"));
        QCOMPARE(ledger->field(LedgerField::HiddenText).asString(), QStringLiteral("zpět"));
        QCOMPARE(LedgerTotals::hiddenCount(*ledger), 1);
        QCOMPARE(LedgerTotals::total(*ledger), Money::fromCrowns(200));
    }

    // The export commands write the file the user chose, with the default
    // extension; cancelling writes nothing.
    void exportThroughTheWindow()
    {
        WindowBench bench(*m_env);
        AppContext &context = bench.context;
        ScriptedPrompter &prompter = bench.prompter;
        TDataModule2 &module2 = bench.module2;
        {
            auto ledger = openLedger(QStringLiteral("Unor.db"));
            appendRows(*ledger, {QStringLiteral("1.2.2009;a;1")});
        }
        WindowOrders orders;
        orders.record = {RecordKind::Month, QStringLiteral("Měsíc Únor"), false};
        module2.Soubor(QStringLiteral("Unor.db"));
        std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
        auto *form = qobject_cast<TForm3 *>(window.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        prompter.fileNames = {m_env->path(QStringLiteral("vypis")), m_env->path(QStringLiteral("stranka")),
                              m_env->path(QStringLiteral("druha.htm")), QString()};
        form->menus()->actions(RecordCommand::ExportTxt).first()->trigger();
        form->menus()->actions(RecordCommand::ExportHtml).first()->trigger();
        form->menus()->actions(RecordCommand::ExportHtml).first()->trigger(); // again: its own header only
        form->menus()->actions(RecordCommand::ExportTxt).first()->trigger(); // cancelled
        for (const char *name : {"stranka.htm", "druha.htm"}) {
            QFile file(m_env->path(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll().count("<HTML>"), 1);
        }
        QVERIFY(QFileInfo(m_env->path(QStringLiteral("vypis.TXT"))).isFile());
        QVERIFY(QFileInfo(m_env->path(QStringLiteral("stranka.htm"))).isFile());
        QFile page(m_env->path(QStringLiteral("stranka.htm")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<TITLE>Rozvahon : M\xec" "s\xed" "c \xdanor</TITLE>\r\n"));
        QVERIFY(prompter.messages.isEmpty());
        form->close();
        window.reset();
        context.reset();
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_MAIN(FindTest)
#include "tst_find.moc"
