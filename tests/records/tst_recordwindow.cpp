#include "LedgerFixture.h"

#include "core/app/context/AppContext.h"
#include "core/app/SessionEnd.h"
#include "shell/window/MainCommands.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "records/ledger/LedgerFields.h"
#include "records/window/ButtonToolbar.h"
#include "widgets/LedLamp.h"
#include "records/window/RecordDelegate.h"
#include "records/window/RecordGrid.h"
#include "records/window/RecordSeams.h"
#include "records/window/RecordStatusBar.h"
#include "records/Registration.h"
#include "records/window/TForm3.h"
#include "records/window/TFrmSkryta.h"
#include "records/window/TFrmPruvodce.h"
#include "support/GridTyping.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QProcess>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <sqlite3.h>

Q_DECLARE_METATYPE(ToolbarChoices)

namespace {

using GridTyping::typeIntoCell;

// The main window as the record window sees it.
class FakeMainWindow final : public MainWindowHooks
{
public:
    void DtVisTrue() override { calls << QStringLiteral("DtVisTrue"); }
    void DtVisFalse() override { calls << QStringLiteral("DtVisFalse"); }
    void setMainStatusText(const QString &text) override { calls << text; }
    QWidget *mainWidget() override { return nullptr; }
    QStringList calls;
};

// Answers the next modal window from inside its own event loop.
void whenModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

// Tells every message in a real message box that a timer answers, so that
// the window under it is left and activated again as on a desktop; the
// rest goes to the script.
class MessageBoxPrompter final : public Prompter
{
public:
    explicit MessageBoxPrompter(ScriptedPrompter &script) : m_script(script) {}
    bool ask(const QString &title, const QString &text, int icon) override { return m_script.ask(title, text, icon); }
    void message(const QString &text) override
    {
        m_script.message(text);
        QWidget *under = QApplication::activeWindow();
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Rozvahon"), text, QMessageBox::Ok, under);
        QTimer::singleShot(100, &box, &QDialog::accept);
        box.exec();
        // As the desktop does: the window under the box is active again.
        if (under)
            under->activateWindow();
    }
    QString openFileName(const QString &title, const QString &directory, const QString &filter) override
    {
        return m_script.openFileName(title, directory, filter);
    }
    QString saveFileName(const QString &title, const QString &directory, const QString &filter) override
    {
        return m_script.saveFileName(title, directory, filter);
    }
    std::optional<int> chooseColor(int initial) override { return m_script.chooseColor(initial); }

private:
    ScriptedPrompter &m_script;
};

// "date;text;amount" of every stored row of `file`, in table order.
QStringList storedRows(const QString &file)
{
    auto ledger = openLedger(file);
    QStringList rows;
    for (ledger->first(); !ledger->eof(); ledger->next())
        rows << QStringList{ledger->field(LedgerField::Date).asString(), ledger->field(LedgerField::Text).asString(),
                            ledger->field(LedgerField::Amount).asString()}
                    .join(QLatin1Char(';'));
    return rows;
}

bool runFrm()
{
    return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)).read(Key::Reg::RunFrm);
}

QString panel(QWidget &window, int number)
{
    auto *label = window.findChild<QLabel *>(QStringLiteral("Panel%1").arg(number));
    return label ? label->text() : QStringLiteral("<no panel>");
}

bool shownIn(QWidget &window, const QString &name)
{
    QWidget *widget = window.findChild<QWidget *>(name);
    return widget && widget->isVisibleTo(&window);
}

} // namespace

class RecordWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        AppContext &context = AppContext::instance();
        context.reset();
        m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2009, 1, 20), QTime(9, 30)));
        m_prompter = std::make_unique<ScriptedPrompter>();
        m_module2 = std::make_unique<TDataModule2>(StatusSink::none(), *m_prompter);
        m_module23 = std::make_unique<TDataModule23>(StatusSink::none());
        m_module6 = std::make_unique<TDataModule6>();
        context.dataModule2 = m_module2.get();
        context.dataModule23 = m_module23.get();
        context.dataModule6 = m_module6.get();
        context.prompter = m_prompter.get();
        context.clock = m_clock.get();
        registerRecordWindow(context);
        // No opening picture in these tests.
        IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni)).write(Key::Scr, false);
    }
    void cleanup()
    {
        RecordSeams::paymentOffer() = nullptr;
        AppContext::instance().reset();
        m_module6.reset();
        m_module23.reset();
        m_module2.reset();
        m_env.reset();
    }

    // The window as the main window's command opens it.
    std::unique_ptr<TForm3> open(int kind, const QString &title, const QString &file)
    {
        AppContext &context = AppContext::instance();
        WindowOrders orders;
        orders.record = {RecordKinds::fromValue(kind), title, m_remembersPlacement};
        m_module2->Soubor(file);
        std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
        auto *form = qobject_cast<TForm3 *>(window.get());
        if (!form)
            return nullptr;
        window.release();
        return std::unique_ptr<TForm3>(form);
    }

    // A month window on `file` holding `rows` ("date;text;amount"), shown
    // and active, as the user sees it; null when it did not come up.
    std::unique_ptr<TForm3> openActive(const QString &title, const QString &file, const QStringList &rows)
    {
        {
            auto ledger = openLedger(file);
            appendRows(*ledger, rows);
        }
        auto window = open(0, title, file);
        if (!window)
            return nullptr;
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        return window;
    }

    void typedRecordIsStoredNumbered()
    {
        {
            auto window = open(0, QStringLiteral("Měsíc Leden"), QStringLiteral("Leden.db"));
            QVERIFY(window);
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            QCOMPARE(window->windowTitle(), QStringLiteral("Měsíc Leden"));
            QTRY_VERIFY(runFrm());

            RecordGrid *grid = window->grid();
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_2); // an empty table: the key starts a new record
            QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget() != grid);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0.1.2009"));
            // Tab writes the cell and opens the next one.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Nakup"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-120,5"));
            // Closed at once: what the open cell holds is written too.

            window->close();
            QVERIFY(!window->isVisible());
            QVERIFY(m_prompter->questions.isEmpty()); // the record has its date
            QVERIFY(m_prompter->messages.isEmpty());
        }
        QVERIFY(!runFrm());
        QVERIFY(!m_module2->table().isOpen());
        auto ledger = openLedger(QStringLiteral("Leden.db"));
        QCOMPARE(ledger->recordCount(), 1);
        QCOMPARE(ledger->field(LedgerField::Date).asString(), QStringLiteral("20.1.2009"));
        QCOMPARE(ledger->field(LedgerField::Text).asString(), QStringLiteral("Nakup"));
        QCOMPARE(ledger->field(LedgerField::Amount).asString(), QStringLiteral("-120,5"));
        QCOMPARE(ledger->field(LedgerField::RowNumber).asString(), QStringLiteral("1"));
    }

    // The total follows each placement of the add-item wizard at once.
    void wizardPlacementShowsInTheTotal_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("total");
        QTest::newRow("append") << QString() << QStringLiteral("120,00 Kč");
        QTest::newRow("insert above") << QStringLiteral("RbNad") << QStringLiteral("120,00 Kč");
        QTest::newRow("overwrite the first") << QStringLiteral("RbPrepsat") << QStringLiteral("20,00 Kč");
    }
    void wizardPlacementShowsInTheTotal()
    {
        QFETCH(QString, radio);
        QFETCH(QString, total);
        registerWizard(AppContext::instance());
        auto window = openActive(QStringLiteral("Měsíc únor"), QStringLiteral("Unor.db"),
                                 {QStringLiteral("1.2.2009;a;100"), QStringLiteral("2.2.2009;b;50")});
        QVERIFY(window);
        auto *label = window->findChild<QLabel *>(QStringLiteral("Celkem"));
        QTRY_COMPARE(label->text(), QStringLiteral("150,00 Kč"));
        bool driven = false;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            auto *wizard = window->findChild<TFrmPruvodce *>();
            if (driven || !wizard || !wizard->isVisible())
                return;
            driven = true;
            if (!radio.isEmpty())
                wizard->findChild<QRadioButton *>(radio)->setChecked(true);
            wizard->Dalsi();
            wizard->textBox()->setEditText(QStringLiteral("nový"));
            wizard->amountBox()->setText(QStringLiteral("-30"));
            wizard->Dalsi();
            wizard->Dalsi();
        });
        driver.start(20);
        QTest::keyClick(window->grid(), Qt::Key_P, Qt::ControlModifier); // "Průvodce přidáním"
        QVERIFY(driven);
        QTRY_COMPARE(label->text(), total);
    }

    void emptyTable()
    {
        auto window = open(0, QStringLiteral("Měsíc únor"), QStringLiteral("Unor.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->ReCalc();
        auto *total = window->findChild<QLabel *>(QStringLiteral("Celkem"));
        QCOMPARE(total->text(), QStringLiteral("0,00 Kč"));
        QCOMPARE(total->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(panel(*window, 2), QStringLiteral("0 skrytých"));
        QCOMPARE(panel(*window, 5), QStringLiteral("20.1.2009"));
        QCOMPARE(window->PocetSkrytych(), QStringLiteral("0"));

        window->setDeletionConfirmation([](const QString &) { return true; });
        QTest::keyClick(window->grid(), Qt::Key_Delete);
        QCOMPARE(m_prompter->messages, QStringList{QStringLiteral("Pravděpodobně je prázdná databáze, nelze mazat")});
    }

    void activationNumbersShowsHiddenAndTotals()
    {
        {
            auto ledger = openLedger(QStringLiteral("Brezen.db"));
            appendRows(*ledger, {QStringLiteral("1.3.2009;plat;100;-30"), QStringLiteral("2.3.2009;oběd;-20;;poznámka"),
                                 QStringLiteral("3.3.2009;ERROR v doplňku;5;;;ERROR")});
            ledger->last();
            ledger->edit();
            ledger->field(LedgerField::Colour).setInteger(255); // red
            ledger->post();
        }
        IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::SetMesice))
            .write(Key::Record::TextDop, QStringLiteral("domácnost"));
        auto window = open(0, QStringLiteral("Měsíc březen"), QStringLiteral("Brezen.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(window->totalText(), QStringLiteral("55,00 Kč"));
        QCOMPARE(panel(*window, 2), QStringLiteral("2 skrytých"));
        QCOMPARE(panel(*window, 0), QStringLiteral("Měsíc březen"));

        Table &ledger = m_module2->table();
        QCOMPARE(column(ledger, LedgerField::RowNumber), (QStringList{"1", "2", "3"}));
        QCOMPARE(column(ledger, LedgerField::Supplement), (QStringList{"domácnost", "domácnost", ""}));
        QCOMPARE(ledger.position(), 0);
        auto *lamp = window->findChild<LedLamp *>(QStringLiteral("Led1"));
        QVERIFY(lamp->isOn());
        ledger.last();
        QVERIFY(!lamp->isOn());
        QCOMPARE(window->grid()->model()->data(window->grid()->model()->index(2, 1), Qt::ForegroundRole).value<QColor>(),
                 QColor(255, 0, 0));
        QCOMPARE(window->grid()->model()->data(window->grid()->model()->index(0, 1), Qt::ForegroundRole).value<QColor>(),
                 QColor(Qt::black));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("DBLabel1"))->text(), QString());
        ledger.first();
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("DBLabel1"))->text(), QStringLiteral("domácnost"));

        // Ticks and the filter; ticks keep their numbers.
        QHeaderView *indicator = window->grid()->verticalHeader();
        QCOMPARE(indicator->objectName(), QStringLiteral("Indikator"));
        QTest::mouseClick(indicator->viewport(), Qt::LeftButton, {},
                          QPoint(5, indicator->sectionViewportPosition(1) + indicator->sectionSize(1) / 2));
        QVERIFY(window->ticks().contains(2));
        QToolButton *filter = window->findChild<QToolButton *>(QStringLiteral("BtnFiltrace"));
        filter->click();
        QCOMPARE(column(ledger, LedgerField::Text), QStringList{QStringLiteral("oběd")});
        QCOMPARE(window->totalText(), QStringLiteral("-20,00 Kč"));
        filter->click();
        QCOMPARE(ledger.recordCount(), 3);

        // The month total of January (empty) arrives at the top, dated at month end.
        window->VlozitMesic(0);
        ledger.first();
        QCOMPARE(ledger.field(LedgerField::Text).asString(), QStringLiteral("Celková čátka z měsíce Leden"));
        QCOMPARE(ledger.field(LedgerField::Date).asString(), QStringLiteral("31.1.2009"));
        QCOMPARE(ledger.field(LedgerField::Amount).asMoney(), Money());
        QTRY_COMPARE(window->totalText(), QStringLiteral("55,00 Kč"));
    }

    void toolbarFollowsTheSettings_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("keysOn");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");

        const QStringList always{"MenuNastaveni", "BtnBarva", "BtnZavrit", "Led1"};
        QTest::newRow("month, every key false")
            << 0 << QStringLiteral("Leden.db") << QStringLiteral("SetMesice") << false << always
            << QStringList{"ToolBar1", "BtnHledani", "BtnFiltrace", "S1", "S4", "E1", "E4", "MenuGrafu", "BtnCalc", "Cas1"};
        QTest::newRow("item, every key on")
            << 1 << QStringLiteral("Zaznam3.db") << QStringLiteral("SetUziv1") << true
            << (always + QStringList{"ToolBar1", "DBLabel1", "Celkem", "BtnHledani", "S1", "E1", "MenuGrafu", "BtnCalc", "Cas1"})
            << QStringList();
        QTest::newRow("previous year: no graph, no settings")
            << 4 << QStringLiteral("Data01\\Leden.db") << QStringLiteral("SetUziv1") << true
            << QStringList{"BtnBarva", "BtnZavrit", "BtnHledani", "S1", "E1", "BtnCalc", "Cas1"}
            << QStringList{"MenuNastaveni", "MenuGrafu"};
    }
    void toolbarFollowsTheSettings()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(QString, section);
        QFETCH(bool, keysOn);
        IniStore store(m_env->path(QStringLiteral("Penezka.ini")), section);
        for (const ToolbarGroupInfo &group : ToolbarGroups)
            store.write(group.key, keysOn);
        auto window = open(kind, QStringLiteral("okno"), file);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        for (const QString &name : shown)
            QVERIFY2(shownIn(*window, name), qPrintable(name));
        for (const QString &name : hidden)
            QVERIFY2(!shownIn(*window, name), qPrintable(name));
        for (const ToolbarGroupInfo &group : ToolbarGroups)
            QCOMPARE(window->menus()->groupAction(group.group)->isChecked(), keysOn);
        // The settings menu unmarks a group, hides it and writes its key.
        window->menus()->groupAction(ToolbarGroup::BtnSipky)->trigger();
        QCOMPARE(shownIn(*window, QStringLiteral("S1")), !keysOn);
        QCOMPARE(window->menus()->groupAction(ToolbarGroup::BtnSipky)->isChecked(), !keysOn);
        QCOMPARE(store.read(Key::Record::BtnSipky), !keysOn);
        if (!keysOn) {
            // The total label alone fills the text toolbar that comes back.
            window->menus()->groupAction(ToolbarGroup::Celkem)->trigger();
            QVERIFY(shownIn(*window, QStringLiteral("ToolBar1")));
            QVERIFY(!shownIn(*window, QStringLiteral("DBLabel1")));
            auto *total = window->findChild<QLabel *>(QStringLiteral("Celkem"));
            QVERIFY(total->isVisibleTo(window.get()));
            QCOMPARE(total->width(), window->findChild<QWidget *>(QStringLiteral("ToolBar1"))->contentsRect().width());
        }
    }

    void closingAsksForMissingDates()
    {
        {
            auto ledger = openLedger(QStringLiteral("Duben.db"));
            appendRows(*ledger, {QStringLiteral(";bez data;10"), QStringLiteral("1.4.2009;s datem;5")});
        }
        m_prompter->answers = {true};
        {
            auto window = open(0, QStringLiteral("Měsíc duben"), QStringLiteral("Duben.db"));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            window->close();
        }
        QCOMPARE(m_prompter->questions.size(), 1);
        QCOMPARE(m_prompter->questions[0].text, QStringLiteral("V položce \"bez data\" chybí datum ! Vložit dnešní datum ?"));
        auto ledger = openLedger(QStringLiteral("Duben.db"));
        QCOMPARE(column(*ledger, LedgerField::Date), (QStringList{"20.1.2009", "1.4.2009"}));
    }

    void commandsOfLaterPartsAreDisabled()
    {
        auto window = open(0, QStringLiteral("Měsíc Leden"), QStringLiteral("Leden.db"));
        for (RecordCommand command : {RecordCommand::AreaCodes, RecordCommand::Calculator, RecordCommand::Wizard})
            QVERIFY(!window->menus()->isAvailable(command));
        for (RecordCommand command : {RecordCommand::Find, RecordCommand::AutoSupplement, RecordCommand::HiddenAmount,
                                      RecordCommand::ExportTxt, RecordCommand::ExportHtml})
            QVERIFY(window->menus()->isAvailable(command));
        QVERIFY(window->menus()->isAvailable(RecordCommand::MonthTotal));
        QCOMPARE(window->menus()->monthGridMenu()->actions().size(), 4 + 1 + 11 + 1 + 1);
        QCOMPARE(window->menus()->monthGridMenu()->actions().at(5)->text(),
                 QStringLiteral("Vlož výsledek z měsíce LEDEN"));
        QCOMPARE(window->menus()->monthGridMenu()->actions().at(5)->statusTip(),
                 QStringLiteral("Vloží celkovou částku z měsíce Leden"));
    }

    void calculatorAfterThePictureThenActivationAgain()
    {
        IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni)).write(Key::Scr, true);
        AppContext::instance().registerWindow(
            WindowId::Calculator,
            [](const WindowOrders &, QWidget *parent) {
                auto dialog = std::make_unique<QDialog>(parent);
                dialog->setObjectName(QStringLiteral("FakeCalculator"));
                return dialog;
            },
            ScreenPicture::Kalk);
        int offers = 0;
        RecordSeams::paymentOffer() = [&offers](Table &, int month, Prompter &, const Clock &) {
            QCOMPARE(month, 1);
            ++offers;
        };
        auto window = open(0, QStringLiteral("Měsíc Leden"), QStringLiteral("Leden.db"));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(offers, 1);

        // Each modal window that comes up is noted and closed.
        QStringList seen;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, this, [&seen] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                const QString name = QString::fromLatin1(modal->metaObject()->className()) + QLatin1Char('/')
                                     + modal->objectName();
                if (seen.isEmpty() || seen.last() != name)
                    seen << name;
                modal->close();
            }
        });
        closer.start();
        auto *button = window->findChild<QToolButton *>(QStringLiteral("BtnCalc"));
        QVERIFY(button->isEnabled());
        button->click();
        closer.stop();
        RecordSeams::paymentOffer() = nullptr;
        QCOMPARE(seen.size(), 2);
        QVERIFY2(seen[0].startsWith(QLatin1String("TForm45/")), qPrintable(seen.join(u' ')));
        QCOMPARE(seen[1], QStringLiteral("QDialog/FakeCalculator"));
        // Back from the calculator the window activates again.
        QTRY_COMPARE(offers, 2);
    }

    void deletionAsksWithTheDate_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("textsAfter");
        QTest::addColumn<QString>("totalAfter");

        QTest::newRow("Enter is Ano") << int(Qt::Key_Return) << QStringList{"A"} << QStringLiteral("1,00 Kč");
        QTest::newRow("Escape is Ne") << int(Qt::Key_Escape) << QStringList{"A", "B"} << QStringLiteral("3,00 Kč");
    }
    void deletionAsksWithTheDate()
    {
        QFETCH(int, key);
        {
            auto ledger = openLedger(QStringLiteral("Kveten.db"));
            appendRows(*ledger, {QStringLiteral("3.5.2009;A;1"), QStringLiteral("4.5.2009;B;2")});
        }
        auto window = open(0, QStringLiteral("Měsíc květen"), QStringLiteral("Kveten.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        m_module2->table().last();
        QString title, question, date;
        whenModal([&](QWidget *dialog) {
            title = dialog->windowTitle();
            question = dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text();
            date = dialog->findChild<QLabel *>(QStringLiteral("LblDatum"))->text();
            QTest::keyClick(dialog, Qt::Key(key));
        });
        window->findChild<QToolButton *>(QStringLiteral("E2"))->click();
        QCOMPARE(title, QStringLiteral("Otázka"));
        QCOMPARE(question, QStringLiteral("Smazat tuto položku ?"));
        QCOMPARE(date, QStringLiteral("4.5.2009"));
        QTEST(column(m_module2->table(), LedgerField::Text), "textsAfter");
        QTEST(window->totalText(), "totalAfter");
        QVERIFY(m_prompter->messages.isEmpty());
    }

    void supplementRowColourAndBackground()
    {
        {
            auto ledger = openLedger(QStringLiteral("Cerven.db"));
            appendRows(*ledger, {QStringLiteral("3.6.2009;A;1;;;starý")});
        }
        auto window = open(0, QStringLiteral("Měsíc červen"), QStringLiteral("Cerven.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        Table &ledger = m_module2->table();

        // "Změna názvu": Storno keeps the supplement, OK writes it.
        for (const bool accept : {false, true}) {
            QString shown;
            whenModal([&](QWidget *dialog) {
                shown = dialog->windowTitle();
                auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"));
                edit->setText(QStringLiteral("nový"));
                QTest::keyClick(edit, accept ? Qt::Key_Return : Qt::Key_Escape);
            });
            QTest::mouseClick(window->findChild<QLabel *>(QStringLiteral("DBLabel1")), Qt::LeftButton);
            QCOMPARE(shown, QStringLiteral("Změna názvu"));
            QCOMPARE(ledger.field(LedgerField::Supplement).asString(), accept ? QStringLiteral("nový") : QStringLiteral("starý"));
        }
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("DBLabel1"))->text(), QStringLiteral("nový"));

        // The row colour: cancelled changes nothing, a colour is written.
        m_prompter->colors = {std::nullopt, 0x0000FF};
        window->chooseRowColour();
        QVERIFY(ledger.field(LedgerField::Colour).isNull());
        window->chooseRowColour();
        QCOMPARE(ledger.field(LedgerField::Colour).asInteger(), 0x0000FF);
        QCOMPARE(ledger.state(), Table::State::Browse);

        // The grid's background, the design colour until chosen.
        IniStore store(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::SetMesice));
        QCOMPARE(window->grid()->palette().color(QPalette::Base), QColor(255, 255, 204));
        m_prompter->colors = {0x00FF00};
        window->chooseGridBackground();
        QCOMPARE(window->grid()->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(store.read(Key::Record::BckgDatabaze), 0x00FF00);
    }

    void mainWindowHooksAndHints()
    {
        FakeMainWindow main;
        AppContext::instance().mainWindow = &main;
        {
            auto window = open(1, QStringLiteral("Auto"), QStringLiteral("Zaznam1.db"));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QCOMPARE(main.calls, (QStringList{QStringLiteral("Otevřená databáze"), QStringLiteral("DtVisTrue")}));
            QCOMPARE(panel(*window, 1), QStringLiteral("Operace s databází"));
            // A hint's status half goes to panel 1, also through the context.
            QStatusTipEvent tip(QStringLiteral("Zavře tuto databázi"));
            QApplication::sendEvent(window->findChild<QToolButton *>(QStringLiteral("BtnZavrit")), &tip);
            QCOMPARE(panel(*window, 1), QStringLiteral("Zavře tuto databázi"));
            QVERIFY(AppContext::instance().recordWindowStatus);
            AppContext::instance().recordWindowStatus(QStringLiteral("z hlavního okna"));
            QCOMPARE(panel(*window, 1), QStringLiteral("z hlavního okna"));
            QCOMPARE(window->findChild<QToolButton *>(QStringLiteral("BtnZavrit"))->toolTip(),
                     QStringLiteral("Zavře tuto databázi"));
            QCOMPARE(window->findChild<QToolButton *>(QStringLiteral("BtnFiltrace"))->toolTip(),
                     QStringLiteral("Zobrazit jen vybrané"));
            window->close();
        }
        QCOMPARE(main.calls.last(), QStringLiteral("DtVisFalse"));
        QVERIFY(!AppContext::instance().recordWindowStatus);
    }

    void dropDownsStatusBarAndDirectory()
    {
        {
            Table texts;
            texts.setFolder(QStringLiteral("VlDb Data"));
            texts.setTableName(QStringLiteral("TextData.db"));
            texts.open();
            for (const char *text : {"Potraviny", "Benzín", "Nájem"}) {
                texts.append();
                texts.field(QStringLiteral("Text")).setString(QString::fromUtf8(text));
                texts.post();
            }
        }
        m_module6 = std::make_unique<TDataModule6>(); // reads the texts afresh
        AppContext::instance().dataModule6 = m_module6.get();
        IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni)).write(Key::StatusBar1, false);
        m_clock->setDate(QDate(2009, 3, 2));
        auto window = open(0, QStringLiteral("Měsíc březen"), QStringLiteral("Brezen.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *delegate = window->grid()->findChild<RecordDelegate *>();
        QVERIFY(delegate);
        QCOMPARE(delegate->dateChoices(), (QStringList{"2.3.2009", "1.3.2009", "28.2.2009", "27.2.2009", "26.2.2009",
                                                       "25.2.2009", "24.2.2009"}));
        QCOMPARE(delegate->textChoices(), (QStringList{"Potraviny", "Benzín", "Nájem"}));
        QTRY_VERIFY(!window->findChild<QWidget *>(QStringLiteral("StatusBar1"))->isVisibleTo(window.get()));
        // The full name of the settings file, in the month section.
        const QString directory =
            IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::SetMesice)).read(Key::Record::Directory);
        QCOMPARE(QFileInfo(directory).canonicalFilePath(), QFileInfo(m_env->path(QStringLiteral("Penezka.ini"))).canonicalFilePath());
    }

    void insertKeyAddsAboveTheCurrent()
    {
        {
            auto ledger = openLedger(QStringLiteral("Srpen.db"));
            appendRows(*ledger, {QStringLiteral("3.8.2009;A;1"), QStringLiteral("4.8.2009;B;2")});
        }
        auto window = open(0, QStringLiteral("Měsíc srpen"), QStringLiteral("Srpen.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        Table &ledger = m_module2->table();
        ledger.last();
        QTest::keyClick(window->grid(), Qt::Key_Insert);
        QCOMPARE(ledger.state(), Table::State::Insert);
        ledger.field(LedgerField::Text).setString(QStringLiteral("nový"));
        ledger.post();
        QCOMPARE(column(ledger, LedgerField::Text), (QStringList{"A", "nový", "B"}));
        // Escape cancels an edit.
        ledger.edit();
        ledger.field(LedgerField::Text).setString(QStringLiteral("jinak"));
        QTest::keyClick(window->grid(), Qt::Key_Escape);
        QCOMPARE(ledger.state(), Table::State::Browse);
        QCOMPARE(column(ledger, LedgerField::Text), (QStringList{"A", "nový", "B"}));
        QVERIFY(window->isVisible());
        // Alt+X closes the window, wherever the focus is in it.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->grid(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!window->isVisible());
    }

    void deletionLeavesTheFollowingRecordCurrent_data()
    {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QString>("current");

        QTest::newRow("first") << 0 << QStringLiteral("B");
        QTest::newRow("middle") << 1 << QStringLiteral("C");
        QTest::newRow("last: the new last") << 2 << QStringLiteral("B");
    }
    void deletionLeavesTheFollowingRecordCurrent()
    {
        QFETCH(int, deleted);
        {
            auto ledger = openLedger(QStringLiteral("Cervenec.db"));
            appendRows(*ledger, {QStringLiteral("3.7.2009;A;1"), QStringLiteral("4.7.2009;B;2"),
                                 QStringLiteral("5.7.2009;C;3")});
        }
        auto window = open(0, QStringLiteral("Měsíc červenec"), QStringLiteral("Cervenec.db"));
        window->setDeletionConfirmation([](const QString &) { return true; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QAbstractItemModel *model = window->grid()->model();
        window->grid()->setCurrentIndex(model->index(deleted, 2));
        window->findChild<QToolButton *>(QStringLiteral("E2"))->click();
        Table &ledger = m_module2->table();
        QTEST(ledger.field(LedgerField::Text).asString(), "current");
        QCOMPARE(window->grid()->currentIndex().row(), ledger.position());
        QCOMPARE(window->grid()->currentIndex().column(), 2);
        QCOMPARE(ledger.recordCount(), 2);
    }

    // The question of a deletion is a window of its own: while it is up, a
    // new row that nothing was typed into stays the row to delete, and the
    // record before it is never the one that goes.
    void deletingANewRowThroughItsQuestionKeepsTheOthers()
    {
        auto window = openActive(QStringLiteral("Měsíc červenec"), QStringLiteral("Cervenec.db"),
                                 {QStringLiteral("3.7.2009;A;1"), QStringLiteral("4.7.2009;B;2")});
        QVERIFY(window);
        TForm3 *form = window.get();
        window->setDeletionConfirmation([form](const QString &) {
            QDialog question(form);
            question.setObjectName(QStringLiteral("Otazka"));
            QTimer::singleShot(50, &question, &QDialog::accept);
            question.exec(); // takes the focus from the record window
            return true;
        });
        window->grid()->setFocus();
        window->grid()->setCurrentIndex(window->grid()->model()->index(1, 1));
        QTest::keyClick(window->grid(), Qt::Key_Insert);
        QCOMPARE(m_module2->table().state(), Table::State::Insert);
        QTest::keyClick(window->grid(), Qt::Key_Delete);
        window->close();
        auto ledger = openLedger(QStringLiteral("Cervenec.db"));
        QCOMPARE(column(*ledger, LedgerField::Text), (QStringList{"A", "B"}));
    }

    void typingAfterAnInsertGoesToTheNewRecord_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<int>("above");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("Insert key above the second") << false << 1 << QStringList{"A", "novy", "B"};
        QTest::newRow("Insert key above the first") << false << 0 << QStringList{"novy", "A", "B"};
        QTest::newRow("add menu above the second") << true << 1 << QStringList{"A", "novy", "B"};
    }
    void typingAfterAnInsertGoesToTheNewRecord()
    {
        QFETCH(bool, byMenu);
        QFETCH(int, above);
        {
            auto ledger = openLedger(QStringLiteral("Cerven.db"));
            appendRows(*ledger, {QStringLiteral("3.6.2009;A;1"), QStringLiteral("4.6.2009;B;2")});
        }
        {
            auto window = open(0, QStringLiteral("Měsíc červen"), QStringLiteral("Cerven.db"));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QAbstractItemModel *model = window->grid()->model();
            window->grid()->setFocus();
            window->grid()->setCurrentIndex(model->index(above, 1));
            if (byMenu)
                window->menus()->actions(RecordCommand::InsertAbove).first()->trigger();
            else
                QTest::keyClick(window->grid(), Qt::Key_Insert);
            Table &ledger = m_module2->table();
            QCOMPARE(ledger.state(), Table::State::Insert);
            QCOMPARE(window->grid()->currentIndex().row(), ledger.controlCurrentRow());
            // The first key opens the cell editor, the rest go into it.
            QTest::keyClick(window->grid(), Qt::Key_N);
            auto *editor = qobject_cast<QComboBox *>(window->grid()->indexWidget(window->grid()->currentIndex()));
            QVERIFY(editor && editor->lineEdit());
            QTest::keyClicks(editor->lineEdit(), QStringLiteral("ovy"));
            QTest::keyClick(editor, Qt::Key_Return);
            window->close();
        }
        auto ledger = openLedger(QStringLiteral("Cerven.db"));
        QTEST(column(*ledger, LedgerField::Text), "stored");
    }

    void buttonsWithAnOpenCellEditor_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("confirmDeletion");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("Dolů writes the typing and moves on") << "S2" << false << 1 << QStringList{"zmena", "B", "C"};
        QTest::newRow("last record writes the typing") << "S4" << false << 2 << QStringList{"zmena", "B", "C"};
        QTest::newRow("cancel drops the typing") << "E4" << false << 0 << QStringList{"A", "B", "C"};
        QTest::newRow("deletion takes the typing along") << "E2" << true << 0 << QStringList{"B", "C"};
        QTest::newRow("declined deletion keeps the typing") << "E2" << false << 0 << QStringList{"zmena", "B", "C"};
        QTest::newRow("row colour writes the typing") << "BtnBarva" << false << 0 << QStringList{"zmena", "B", "C"};
        QTest::newRow("filter writes the typing first") << "BtnFiltrace" << false << -1 << QStringList{"zmena", "B", "C"};
    }
    void buttonsWithAnOpenCellEditor()
    {
        QFETCH(QString, button);
        QFETCH(bool, confirmDeletion);
        {
            auto ledger = openLedger(QStringLiteral("Cerven.db"));
            appendRows(*ledger, {QStringLiteral("3.6.2009;A;1"), QStringLiteral("4.6.2009;B;2"),
                                 QStringLiteral("5.6.2009;C;3")});
        }
        {
            auto window = open(0, QStringLiteral("Měsíc červen"), QStringLiteral("Cerven.db"));
            window->setDeletionConfirmation([confirmDeletion](const QString &) { return confirmDeletion; });
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QAbstractItemModel *model = window->grid()->model();
            window->grid()->setCurrentIndex(model->index(0, 1));
            window->grid()->edit(model->index(0, 1));
            auto *editor = qobject_cast<QComboBox *>(window->grid()->indexWidget(model->index(0, 1)));
            QVERIFY(editor && editor->lineEdit());
            editor->lineEdit()->selectAll();
            QTest::keyClicks(editor->lineEdit(), QStringLiteral("zmena"));

            window->findChild<QToolButton *>(button)->click();
            QFETCH(int, position);
            QCOMPARE(m_module2->table().position(), position);
            QCOMPARE(window->grid()->currentIndex().row(), position);
            QVERIFY(m_prompter->messages.isEmpty());
            window->close();
        }
        auto ledger = openLedger(QStringLiteral("Cerven.db"));
        QFETCH(QStringList, stored);
        QCOMPARE(column(*ledger, LedgerField::Text), stored);
    }

    // Whatever way the user leaves a row whose cell editor is still open,
    // the typing is written into the row, the row is posted and the total
    // follows at once.
    void everyWayOutOfAnEditedRowWritesIt_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("row");        // the row edited
        QTest::addColumn<int>("column");     // its cell
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored"); // "date;text;amount" of every stored row afterwards
        QTest::addColumn<QString>("total");      // the total label afterwards; empty once closed

        const QString a = QStringLiteral("3.6.2009;A;10");
        const QString b = QStringLiteral("4.6.2009;B;20");
        const QString c = QStringLiteral("5.6.2009;C;30");
        const QString bTyped = QStringLiteral("4.6.2009;B;-45,5");
        const QString minus = QStringLiteral("-45,5");
        QTest::newRow("Down") << "Down" << 1 << 2 << minus << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("Up") << "Up" << 1 << 2 << minus << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("Down on the last row") << "Down" << 2 << 2 << minus
                                              << QStringList{a, b, QStringLiteral("5.6.2009;C;-45,5")} << "-15,50 Kč";
        QTest::newRow("Tab") << "Tab" << 1 << 2 << minus << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("Tab in the last cell") << "Tab" << 2 << 2 << minus
                                              << QStringList{a, b, QStringLiteral("5.6.2009;C;-45,5")} << "-15,50 Kč";
        QTest::newRow("Shift+Tab in the first cell") << "Backtab" << 1 << 0 << QStringLiteral("7.6.2009")
                                                     << QStringList{a, QStringLiteral("7.6.2009;B;20"), c} << "60,00 Kč";
        QTest::newRow("PgDn") << "PgDn" << 0 << 2 << minus
                              << QStringList{QStringLiteral("3.6.2009;A;-45,5"), b, c} << "4,50 Kč";
        QTest::newRow("PgUp") << "PgUp" << 2 << 2 << minus
                              << QStringList{a, b, QStringLiteral("5.6.2009;C;-45,5")} << "-15,50 Kč";
        QTest::newRow("text by Down") << "Down" << 1 << 1 << QStringLiteral("Bx")
                                      << QStringList{a, QStringLiteral("4.6.2009;Bx;20"), c} << "60,00 Kč";
        QTest::newRow("mouse on another row") << "click" << 1 << 2 << minus << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("toolbar button Dolů") << "S2" << 1 << 2 << minus << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("menu command: add above") << "menu" << 1 << 2 << minus << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("another window takes the focus") << "other window" << 1 << 2 << minus
                                                        << QStringList{a, bTyped, c} << "-5,50 Kč";
        QTest::newRow("closing") << "close" << 1 << 2 << minus << QStringList{a, bTyped, c} << "";
        QTest::newRow("Alt+X") << "Alt+X" << 1 << 2 << minus << QStringList{a, bTyped, c} << "";
    }
    void everyWayOutOfAnEditedRowWritesIt()
    {
        QFETCH(QString, way);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        auto window = openActive(QStringLiteral("Měsíc červen"), QStringLiteral("Cerven.db"),
                                 {QStringLiteral("3.6.2009;A;10"), QStringLiteral("4.6.2009;B;20"),
                                  QStringLiteral("5.6.2009;C;30")});
        QVERIFY(window);
        RecordGrid *grid = window->grid();
        QAbstractItemModel *model = grid->model();
        QTRY_COMPARE(window->totalText(), QStringLiteral("60,00 Kč"));
        grid->setFocus();
        grid->setCurrentIndex(model->index(row, column));
        typeIntoCell(grid, typed);
        QVERIFY(grid->isEditing());

        QWidget other;
        if (way == QLatin1String("Down"))
            GridTyping::press(Qt::Key_Down);
        else if (way == QLatin1String("Up"))
            GridTyping::press(Qt::Key_Up);
        else if (way == QLatin1String("Tab"))
            GridTyping::press(Qt::Key_Tab);
        else if (way == QLatin1String("Backtab"))
            GridTyping::press(Qt::Key_Backtab, Qt::ShiftModifier);
        else if (way == QLatin1String("PgDn"))
            GridTyping::press(Qt::Key_PageDown);
        else if (way == QLatin1String("PgUp"))
            GridTyping::press(Qt::Key_PageUp);
        else if (way == QLatin1String("click"))
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(model->index(0, 1)).center());
        else if (way == QLatin1String("S2"))
            window->findChild<QToolButton *>(QStringLiteral("S2"))->click();
        else if (way == QLatin1String("menu"))
            window->menus()->actions(RecordCommand::InsertAbove).first()->trigger();
        else if (way == QLatin1String("other window")) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        } else if (way == QLatin1String("close"))
            window->close();
        else if (way == QLatin1String("Alt+X"))
            GridTyping::press(Qt::Key_X, Qt::AltModifier);

        QFETCH(QString, total);
        if (total.isEmpty()) {
            QTRY_VERIFY(!window->isVisible());
        } else {
            QTRY_COMPARE(window->totalText(), total);
            QVERIFY(window->isVisible());
        }
        QVERIFY2(m_prompter->messages.isEmpty(), qPrintable(m_prompter->messages.join(QLatin1Char('|'))));
        QStringList stored;
        auto check = openLedger(QStringLiteral("Cerven.db"));
        for (check->first(); !check->eof(); check->next())
            stored << check->field(LedgerField::Date).asString() + QLatin1Char(';') + check->field(LedgerField::Text).asString()
                          + QLatin1Char(';') + check->field(LedgerField::Amount).asString();
        QTEST(stored, "stored");
    }

    // Rows added with Down, typed cell by cell and left with Down again:
    // every amount is stored and the total follows each of them.
    void rowsAppendedWithDownKeepTheirAmounts()
    {
        auto window = openActive(QStringLiteral("Měsíc Únor"), QStringLiteral("Unor.db"), {QStringLiteral("1.2.2009;start;100")});
        QVERIFY(window);
        RecordGrid *grid = window->grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        const QStringList totals{QStringLiteral("90,00 Kč"), QStringLiteral("70,00 Kč"), QStringLiteral("40,00 Kč")};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // a new row at the end
            QTRY_COMPARE(grid->currentIndex().row(), i + 1);
            GridTyping::press(Qt::Key_Home); // the new row is entered in the column left
            QCOMPARE(grid->currentIndex().column(), 0);
            typeIntoCell(grid, QStringLiteral("%1.2.2009").arg(i + 2));
            GridTyping::press(Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("nakup %1").arg(i + 1));
            GridTyping::press(Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-%1").arg(10 * (i + 1)));
            GridTyping::press(Qt::Key_Down); // no Enter: the amount goes with the row
            QTRY_COMPARE(window->totalText(), totals[i]);
        }
        QVERIFY2(m_prompter->messages.isEmpty(), qPrintable(m_prompter->messages.join(QLatin1Char('|'))));
        auto check = openLedger(QStringLiteral("Unor.db"));
        QCOMPARE(column(*check, LedgerField::Amount), (QStringList{"100", "-10", "-20", "-30"}));
        QCOMPARE(column(*check, LedgerField::Date), (QStringList{"1.2.2009", "2.2.2009", "3.2.2009", "4.2.2009"}));
        QCOMPARE(column(*check, LedgerField::Text), (QStringList{"start", "nakup 1", "nakup 2", "nakup 3"}));
    }

    // The keys that move between rows never pick from a closed drop-down
    // list: the typed date or text is what is stored.
    void closedDropDownKeepsTheTypedText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("rowAfter");
        QTest::newRow("date, Down") << 0 << "3.2.2009" << int(Qt::Key_Down) << 2;
        QTest::newRow("date, Up") << 0 << "3.2.2009" << int(Qt::Key_Up) << 0;
        QTest::newRow("date, PgDn") << 0 << "3.2.2009" << int(Qt::Key_PageDown) << 2;
        QTest::newRow("text, Down") << 1 << "vlastni" << int(Qt::Key_Down) << 2;
        QTest::newRow("text, Up") << 1 << "vlastni" << int(Qt::Key_Up) << 0;
    }
    void closedDropDownKeepsTheTypedText()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, key);
        Table &texts = m_module6->table();
        texts.open();
        texts.append();
        texts.field(QStringLiteral("Text")).setString(QStringLiteral("nákup potravin"));
        texts.post();
        auto window = openActive(QStringLiteral("Měsíc Únor"), QStringLiteral("Unor.db"),
                                 {QStringLiteral("1.2.2009;A;1"), QStringLiteral("2.2.2009;B;2"), QStringLiteral("5.2.2009;C;3")});
        QVERIFY(window);
        RecordGrid *grid = window->grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, column));
        grid->edit(grid->currentIndex());
        auto *editor = qobject_cast<QComboBox *>(grid->indexWidget(grid->currentIndex()));
        QVERIFY(editor && editor->count() > 0); // the list has entries to pick from
        editor->lineEdit()->selectAll();
        QTest::keyClicks(editor->lineEdit(), typed);
        GridTyping::press(Qt::Key(key));
        QFETCH(int, rowAfter);
        QTRY_COMPARE(grid->currentIndex().row(), rowAfter);
        auto check = openLedger(QStringLiteral("Unor.db"));
        check->moveTo(1);
        QCOMPARE(check->field(column == 0 ? LedgerField::Date : LedgerField::Text).asString(), typed);
    }

    // Tab in the last cell of the last row goes on into a new row; it never
    // wraps round to the first row, whose date the next keys would replace.
    void tabInTheLastCellNeverWraps()
    {
        auto window = openActive(QStringLiteral("Měsíc Únor"), QStringLiteral("Unor.db"),
                                 {QStringLiteral("1.2.2009;A;1"), QStringLiteral("2.2.2009;B;2")});
        QVERIFY(window);
        RecordGrid *grid = window->grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 2));
        GridTyping::press(Qt::Key_Tab);
        QTRY_COMPARE(grid->currentIndex(), grid->model()->index(2, 0));
        QCOMPARE(m_module2->table().state(), Table::State::Insert);
        typeIntoCell(grid, QStringLiteral("9.2.2009"));
        GridTyping::press(Qt::Key_Return);
        // Shift+Tab in the first cell stays there.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        GridTyping::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
        window->close();
        auto check = openLedger(QStringLiteral("Unor.db"));
        QCOMPARE(column(*check, LedgerField::Date), (QStringList{"1.2.2009", "2.2.2009", "9.2.2009"}));
    }

    // A stop signal (or the end of the desktop session) ends the program as
    // closing does: the row being typed is in the file afterwards and the
    // open-window guard is cleared.
    void stopSignalWritesTheTypedRow_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void stopSignalWritesTheTypedRow()
    {
        QFETCH(int, number);
        QProcess program;
        QVERIFY(startStopped(program, QStringLiteral("--stopped-while-typing")));
        QVERIFY(runFrm());
        ::kill(pid_t(program.processId()), number);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        auto ledger = openLedger(QStringLiteral("Leden.db"));
        QCOMPARE(ledger->recordCount(), 1);
        QCOMPARE(ledger->field(LedgerField::Date).asString(), QStringLiteral("1.1.2009"));
        QCOMPARE(ledger->field(LedgerField::Text).asString(), QStringLiteral("Najem"));
        QCOMPARE(ledger->field(LedgerField::Amount).asString(), QStringLiteral("-5000"));
        QVERIFY(!runFrm());
    }

    void totalKeepsTheGridsPlace()
    {
        {
            auto ledger = openLedger(QStringLiteral("Rijen.db"));
            appendRows(*ledger, {QStringLiteral("3.10.2009;A;1"), QStringLiteral("4.10.2009;B;2"),
                                 QStringLiteral("5.10.2009;C;4")});
        }
        auto window = open(0, QStringLiteral("Měsíc říjen"), QStringLiteral("Rijen.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QAbstractItemModel *model = window->grid()->model();
        window->grid()->setCurrentIndex(model->index(1, 2));
        QCOMPARE(m_module2->table().position(), 1);
        QVERIFY(model->setData(model->index(1, 2), QStringLiteral("10")));
        window->grid()->setCurrentIndex(model->index(2, 2)); // leaving the row writes it
        QTRY_COMPARE(window->totalText(), QStringLiteral("15,00 Kč"));
        QCOMPARE(window->grid()->currentIndex(), model->index(2, 2));
        QCOMPARE(m_module2->table().position(), 2);
    }

    void badCellInputIsReported_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");

        QTest::newRow("no date") << 0 << QStringLiteral("45.1.2009") << QStringLiteral("není platné datum");
        QTest::newRow("no amount") << 2 << QStringLiteral("sto korun") << QStringLiteral("není platná částka");
    }
    void badCellInputIsReported()
    {
        QFETCH(int, column);
        const int cell = column;
        QFETCH(QString, typed);
        {
            auto ledger = openLedger(QStringLiteral("Listopad.db"));
            appendRows(*ledger, {QStringLiteral("3.11.2009;A;1")});
        }
        auto window = open(0, QStringLiteral("Měsíc listopad"), QStringLiteral("Listopad.db"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QAbstractItemModel *model = window->grid()->model();
        QVERIFY(!model->setData(model->index(0, cell), typed));
        QCOMPARE(m_prompter->messages.size(), 1);
        QFETCH(QString, message);
        QVERIFY2(m_prompter->messages[0].contains(message), qPrintable(m_prompter->messages[0]));
        window->close();
        auto ledger = openLedger(QStringLiteral("Listopad.db"));
        QCOMPARE(::column(*ledger, LedgerField::Date), QStringList{QStringLiteral("3.11.2009")});
        QCOMPARE(::column(*ledger, LedgerField::Amount), QStringList{QStringLiteral("1")});
    }

    // Typing the row refuses keeps the user where they were, whatever way
    // they leave the cell: the cursor stays, the editor holds the typing,
    // nothing is stored; the correction goes to that record.
    void refusedTypingKeepsTheUserInTheCell_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("way");
        const QString badDate = QStringLiteral("„31.2.2009“ není platné datum.");
        const QString badAmount = QStringLiteral("„12a“ není platná částka.");
        QTest::newRow("date, Down") << 0 << "31.2.2009" << badDate << "4.1.2009" << "down";
        QTest::newRow("date, Up") << 0 << "31.2.2009" << badDate << "4.1.2009" << "up";
        QTest::newRow("date, a click on another row") << 0 << "31.2.2009" << badDate << "4.1.2009" << "click";
        QTest::newRow("amount, Tab") << 2 << "12a" << badAmount << "-150" << "tab";
        QTest::newRow("amount, Return") << 2 << "12a" << badAmount << "-150" << "return";
        QTest::newRow("amount, the next-record button") << 2 << "12a" << badAmount << "-150" << "button";
    }
    void refusedTypingKeepsTheUserInTheCell()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, way);
        auto window = openActive(QStringLiteral("Měsíc Leden"), QStringLiteral("Leden.db"),
                                 {QStringLiteral("1.1.2009;Pojistka;-1000"), QStringLiteral("2.1.2009;Nakup;-200"),
                                  QStringLiteral("3.1.2009;Plat;30000")});
        QVERIFY(window);
        const QStringList before = storedRows(QStringLiteral("Leden.db"));
        RecordGrid *grid = window->grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, column));
        typeIntoCell(grid, typed);
        if (way == QLatin1String("click"))
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, column)).center());
        else if (way == QLatin1String("button"))
            window->findChild<QToolButton *>(QStringLiteral("S2"))->click();
        else
            GridTyping::press(way == QLatin1String("down") ? Qt::Key_Down
                              : way == QLatin1String("up")  ? Qt::Key_Up
                              : way == QLatin1String("tab") ? Qt::Key_Tab
                                                            : Qt::Key_Return);
        QFETCH(QString, message);
        QTRY_COMPARE(m_prompter->messages, QStringList{message}); // Return writes once the key is handled
        QCOMPARE(GridTyping::cursorOf(grid), QStringLiteral("1,%1").arg(column));
        QCOMPARE(GridTyping::openEditorText(grid), std::optional<QString>(typed));
        QCOMPARE(m_module2->table().position(), 1);
        QCOMPARE(storedRows(QStringLiteral("Leden.db")), before);

        QFETCH(QString, corrected);
        GridTyping::retype(corrected);
        GridTyping::press(Qt::Key_Down);
        QCOMPARE(GridTyping::cursorOf(grid), QStringLiteral("2,%1").arg(column));
        QCOMPARE(m_prompter->messages.size(), 1);
        window->close();
        QStringList after = before;
        QStringList row = after[1].split(QLatin1Char(';'));
        row[column] = corrected;
        after[1] = row.join(QLatin1Char(';'));
        QCOMPARE(storedRows(QStringLiteral("Leden.db")), after);
    }

    // A new record with a refused date, told in a real message box: the
    // window does not run its activation again when the box goes (no
    // payment is offered twice, the cursor is not sent to the first
    // record), and what the user types next fills the new record.
    void insertedRowWithARefusedDateKeepsItsPlace()
    {
        int activations = 0;
        RecordSeams::paymentOffer() = [&activations](Table &, int, Prompter &, const Clock &) { ++activations; };
        MessageBoxPrompter boxes(*m_prompter);
        AppContext::instance().prompter = &boxes;
        auto window = openActive(QStringLiteral("Měsíc Leden"), QStringLiteral("Leden.db"),
                                 {QStringLiteral("1.1.2009;Pojistka;-1000"), QStringLiteral("2.1.2009;Nakup;-200"),
                                  QStringLiteral("3.1.2009;Plat;30000")});
        QVERIFY(window);
        QCOMPARE(activations, 1);
        RecordGrid *grid = window->grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QTest::keyClick(grid, Qt::Key_Insert);
        typeIntoCell(grid, QStringLiteral("31.2.2009"));
        GridTyping::press(Qt::Key_Down);
        QCOMPARE(m_prompter->messages, QStringList{QStringLiteral("„31.2.2009“ není platné datum.")});
        QTRY_VERIFY(window->isActiveWindow());
        QTest::qWait(200); // whatever coming back to the window runs has run
        QCOMPARE(activations, 1);
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(GridTyping::cursorOf(grid), QStringLiteral("1,0"));
        QCOMPARE(GridTyping::openEditorText(grid), std::optional<QString>(QStringLiteral("31.2.2009")));

        GridTyping::retype(QStringLiteral("3.1.2009"));
        GridTyping::press(Qt::Key_Tab);
        GridTyping::retype(QStringLiteral("Test ztraty"));
        GridTyping::press(Qt::Key_Tab);
        GridTyping::retype(QStringLiteral("123"));
        GridTyping::press(Qt::Key_Down);
        QCOMPARE(GridTyping::cursorOf(grid), QStringLiteral("2,2"));
        window->close();
        RecordSeams::paymentOffer() = nullptr;
        QCOMPARE(storedRows(QStringLiteral("Leden.db")),
                 (QStringList{"1.1.2009;Pojistka;-1000", "3.1.2009;Test ztraty;123", "2.1.2009;Nakup;-200",
                              "3.1.2009;Plat;30000"}));
        QCOMPARE(m_prompter->messages.size(), 1);
    }

    // A stop signal with the hidden-amount dialog open: the user has not
    // chosen "Storno", so the typed hidden amount is written, as OK does.
    void stopSignalWritesTheHiddenAmount_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void stopSignalWritesTheHiddenAmount()
    {
        QFETCH(int, number);
        {
            auto ledger = openLedger(QStringLiteral("Leden.db"));
            appendRows(*ledger, {QStringLiteral("1.1.2009;Najem;-5000")});
        }
        QProcess program;
        QVERIFY(startStopped(program, QStringLiteral("--stopped-in-hidden-amount")));
        ::kill(pid_t(program.processId()), number);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        auto ledger = openLedger(QStringLiteral("Leden.db"));
        QCOMPARE(ledger->recordCount(), 1);
        QCOMPARE(ledger->field(LedgerField::HiddenAmount).asString(), QStringLiteral("150"));
        QCOMPARE(ledger->field(LedgerField::HiddenText).asString(), QStringLiteral("doplatek"));
        QVERIFY(!runFrm());
    }

    // A stop signal while another program holds the ledger for writing:
    // the typed row cannot be written, the program says so in Czech and
    // ends within seconds instead of waiting for the lock.
    void stopSignalWhileTheLedgerIsHeld()
    {
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_env->path(QStringLiteral("Data/Leden.db"))).constData(), &other),
                 SQLITE_OK);
        QProcess program;
        QVERIFY(startStopped(program, QStringLiteral("--stopped-while-typing"), QProcess::SeparateChannels));
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        QElapsedTimer timer;
        timer.start();
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(20000));
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(QStringLiteral("právě používá jiný program")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("nelze zapsat")), qPrintable(said));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }

    void openedByTheMonthCommandOnlyOnce()
    {
        MenuCaptions captions;
        MainCommands commands(AppContext::instance(), captions);
        QString title;
        bool refused = false;
        whenModal([&](QWidget *window) {
            title = window->windowTitle();
            QTRY_VERIFY(runFrm()); // from the window's first paint
            commands.openMonth(2); // a second record window
            refused = QApplication::activeModalWidget() == window
                      && m_prompter->messages == QStringList{QStringLiteral("Databáze je již aktivní !")};
            window->close();
        });
        commands.openMonth(1);
        QCOMPARE(title, QStringLiteral("Měsíc Leden"));
        QVERIFY(refused);
        QVERIFY(!runFrm());
        QCOMPARE(m_module2->table().tableName(), QStringLiteral("Leden.db"));
    }

    void placementIsRemembered()
    {
        m_remembersPlacement = true;
        {
            auto window = open(0, QStringLiteral("Měsíc září"), QStringLiteral("Zari.db"));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QCOMPARE(window->minimumSize(), QSize(593, 175));
            // At its narrowest the window's panels still fit: it keeps its size.
            window->resize(window->minimumSize());
            QTest::qWait(100);
            QCOMPARE(window->size(), QSize(593, 175));
            QVERIFY(window->findChild<QWidget *>(QStringLiteral("StatusBar1"))->minimumSizeHint().width() <= 593);
            window->resize(700, 300);
            QTRY_COMPARE(window->size(), QSize(700, 300));
            window->close();
        }
        {
            auto window = open(0, QStringLiteral("Měsíc září"), QStringLiteral("Zari.db"));
            QCOMPARE(window->size(), QSize(700, 300));
        }
        m_remembersPlacement = false;
        auto window = open(0, QStringLiteral("Měsíc září"), QStringLiteral("Zari.db"));
        QVERIFY(window->windowState() & Qt::WindowMaximized);
    }

private:
    // This test program started as the child `mode`, which has typed and
    // waits to be stopped; false when it did not say "typed".
    static bool startStopped(QProcess &program, const QString &mode,
                             QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
    {
        program.setProgram(QCoreApplication::applicationFilePath());
        program.setArguments({mode});
        program.setProcessChannelMode(channels);
        program.start();
        if (!program.waitForStarted())
            return false;
        QByteArray said;
        QElapsedTimer timer;
        timer.start();
        while (!said.contains('\n') && timer.elapsed() < 20000 && program.state() == QProcess::Running) {
            program.waitForReadyRead(500);
            said += program.readAllStandardOutput();
        }
        return said.trimmed() == "typed";
    }

    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<TDataModule2> m_module2;
    std::unique_ptr<TDataModule23> m_module23;
    std::unique_ptr<TDataModule6> m_module6;
    bool m_remembersPlacement = false; // MenOkn as the opener read it
};


// A program with January open in its record window, in the current folder:
// `typing` types into it, then the program says "typed" and waits to be
// stopped by a signal.
// Tells its messages on standard error, as the program does once nobody is
// there to answer them; answers every question with "Ne".
class LoggingPrompter final : public Prompter
{
public:
    bool ask(const QString &, const QString &, int) override { return false; }
    void message(const QString &text) override { qWarning("%s", qUtf8Printable(text)); }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<int> chooseColor(int) override { return std::nullopt; }
};

int runStopped(const std::function<void(TForm3 *)> &typing)
{
    FixedClock clock(QDateTime(QDate(2009, 1, 20), QTime(9, 30)));
    LoggingPrompter prompter;
    TDataModule2 module2(StatusSink::none(), prompter);
    TDataModule23 module23(StatusSink::none());
    TDataModule6 module6;
    AppContext &context = AppContext::instance();
    context.dataModule2 = &module2;
    context.dataModule23 = &module23;
    context.dataModule6 = &module6;
    context.prompter = &prompter;
    context.clock = &clock;
    WindowOrders orders;
    orders.record = {RecordKind::Month, QStringLiteral("Měsíc Leden"), false};
    registerRecordWindow(context);
    module2.Soubor(QStringLiteral("Leden.db"));
    std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
    auto *form = qobject_cast<TForm3 *>(window.get());
    if (!form)
        return 2;
    SessionEnd ending;
    QTimer::singleShot(0, form, [form, typing] {
        QTimer::singleShot(200, form, [form, typing] {
            form->activateWindow();
            form->grid()->setFocus();
            typing(form);
        });
        form->exec();
        QCoreApplication::quit();
    });
    const int result = QApplication::exec();
    window.reset();
    context.reset();
    return result;
}

void said(const char *line)
{
    std::fputs(line, stdout);
    std::fflush(stdout);
}

// Types a row into an empty January and leaves the amount in the open
// cell editor.
void typeARow(TForm3 *form)
{
    RecordGrid *grid = form->grid();
    QTest::keyClick(grid, Qt::Key_1); // an empty table: the key starts a new record
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(".1.2009"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Najem"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("-5000"));
    said(grid->isEditing() ? "typed\n" : "not editing\n");
}

// Opens the hidden-amount dialog of January's first record and types an
// amount and a text into it.
void typeAHiddenAmount(TForm3 *form)
{
    QTimer::singleShot(100, form, [] {
        auto *dialog = qobject_cast<TFrmSkryta *>(QApplication::activeModalWidget());
        if (!dialog)
            return said("no dialog\n");
        dialog->amountBox()->selectAll();
        QTest::keyClicks(dialog->amountBox(), QStringLiteral("150"));
        dialog->textBox()->setPlainText(QStringLiteral("doplatek"));
        said("typed\n");
    });
    form->hiddenAmount();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--stopped-while-typing") == 0)
        return runStopped(typeARow);
    if (argc == 2 && qstrcmp(argv[1], "--stopped-in-hidden-amount") == 0)
        return runStopped(typeAHiddenAmount);
    RecordWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_recordwindow.moc"
