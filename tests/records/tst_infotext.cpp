// The window of the information texts and what it does to the texts' table.
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "records/Registration.h"
#include "records/infotext/TForm8.h"
#include "records/ledger/InfoTextEdits.h"
#include "support/GridTyping.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"
#include "widgets/TableGrid.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QElapsedTimer>
#include <QtTest>
#include <sqlite3.h>

namespace {

using GridTyping::typeIntoCell;

QStringList storedTexts()
{
    Table table;
    table.setFolder(QStringLiteral("VlDb Data"));
    table.setTableName(QStringLiteral("TextData.db"));
    table.open();
    QStringList texts;
    for (table.first(); !table.eof(); table.next())
        texts << table.field(QStringLiteral("Text")).asString();
    return texts;
}

void appendTexts(Table &texts, const QStringList &rows)
{
    for (const QString &row : rows) {
        texts.append();
        texts.field(QStringLiteral("Text")).setString(row);
        texts.post();
    }
}

// The window on screen and active, its grid on `row` with the focus.
bool shownOnRow(TForm8 &window, int row)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    window.grid()->setFocus();
    window.grid()->setCurrentIndex(window.grid()->model()->index(row, 0));
    return true;
}

} // namespace

class InfoTextTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_prompter = std::make_unique<ScriptedPrompter>();
        m_module6 = std::make_unique<TDataModule6>();
    }
    void cleanup()
    {
        m_module6.reset();
        m_env.reset();
    }

    // The texts as the user types them, in the order of the table; "Přidat"
    // puts a new text before the current one.
    void typedTextsAreStoredInTableOrder()
    {
        {
            TForm8 window(m_module6->table(), *m_prompter);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(QApplication::focusWidget(), window.findChild<QPushButton *>(QStringLiteral("UlozitZavrit")));
            TableGrid *grid = window.grid();
            grid->setFocus();
            typeIntoCell(grid, QStringLiteral("Billa")); // an empty table: typing starts a text
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            typeIntoCell(grid, QStringLiteral("Lidl"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            window.findChild<QPushButton *>(QStringLiteral("Pridat"))->click(); // before "Lidl"
            typeIntoCell(grid, QStringLiteral("Albert"));
            window.findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->click();
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(storedTexts(), (QStringList{"Billa", "Albert", "Lidl"}));
        QCOMPARE(m_module6->texts(), (QStringList{"Billa", "Albert", "Lidl"}));
        QVERIFY(m_prompter->messages.isEmpty());
    }

    // Each way of closing writes the text being typed.
    void everyWayOfClosingWritesTheTyping_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Uložit a zavřít") << "save";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("the window's close button") << "close";
        QTest::newRow("destroyed") << "destroy";
    }
    void everyWayOfClosingWritesTheTyping()
    {
        QFETCH(QString, way);
        {
            auto window = std::make_unique<TForm8>(m_module6->table(), *m_prompter);
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            window->grid()->setFocus();
            typeIntoCell(window->grid(), QStringLiteral("Tesco"));
            if (way == QLatin1String("save"))
                window->findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->click();
            else if (way == QLatin1String("escape"))
                QTest::keyClick(window.get(), Qt::Key_Escape);
            else if (way == QLatin1String("close"))
                window->close();
            if (way != QLatin1String("destroy"))
                QVERIFY(!window->isVisible());
        }
        QCOMPARE(storedTexts(), QStringList{"Tesco"});
    }

    // "Přidat" and then "Uložit a zavřít   " without typing writes an empty
    // text, which the lists offer as an empty entry.
    void addedEmptyTextIsWritten()
    {
        {
            TForm8 window(m_module6->table(), *m_prompter);
            window.show();
            window.findChild<QPushButton *>(QStringLiteral("Pridat"))->click();
            window.findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->click();
        }
        QCOMPARE(storedTexts(), QStringList{QString()});
        QCOMPARE(m_module6->texts(), QStringList{QString()});
    }

    // "Smazat", the grid's Delete key and its menu ask first; "Ano" deletes
    // the current text, "Ne" keeps it. Insert adds before the current one.
    void deletionAsks_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("button, Ano") << "button" << true << QStringList{"a", "c"};
        QTest::newRow("button, Ne") << "button" << false << QStringList{"a", "b", "c"};
        QTest::newRow("Delete key, Ano") << "key" << true << QStringList{"a", "c"};
        QTest::newRow("grid menu, Ano") << "menu" << true << QStringList{"a", "c"};
    }
    void deletionAsks()
    {
        QFETCH(QString, how);
        QFETCH(bool, answer);
        Table &texts = m_module6->table();
        appendTexts(texts, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        m_prompter->answers = {answer};
        {
            TForm8 window(texts, *m_prompter);
            QVERIFY(shownOnRow(window, 1));
            if (how == QLatin1String("button"))
                window.findChild<QPushButton *>(QStringLiteral("Smazat"))->click();
            else if (how == QLatin1String("key"))
                QTest::keyClick(window.grid(), Qt::Key_Delete);
            else
                window.findChild<QAction *>(QStringLiteral("Smazat1"))->trigger();
            window.close();
        }
        QCOMPARE(m_prompter->questions.size(), 1);
        QCOMPARE(m_prompter->questions.first().title, QStringLiteral("Smazat ?"));
        QCOMPARE(m_prompter->questions.first().text, QStringLiteral("Chcete smazat tuto položku ?"));
        QCOMPARE(m_prompter->questions.first().icon, 1);
        QTEST(storedTexts(), "stored");
    }

    void insertKeyAddsBeforeTheCurrent()
    {
        Table &texts = m_module6->table();
        appendTexts(texts, {QStringLiteral("a"), QStringLiteral("b")});
        {
            TForm8 window(texts, *m_prompter);
            QVERIFY(shownOnRow(window, 1));
            QTest::keyClick(window.grid(), Qt::Key_Insert);
            typeIntoCell(window.grid(), QStringLiteral("novy"));
            window.close();
        }
        QCOMPARE(storedTexts(), (QStringList{"a", "novy", "b"}));
    }

    // Escape on a new text that holds no typing takes it away again, and
    // the typing after it goes to the text the user is on; a new text
    // with typing stays.
    void escapeTakesAnUntouchedTextAway_data()
    {
        QTest::addColumn<QString>("how");   // how the new text came
        QTest::addColumn<QString>("typed"); // into it before Escape
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("Insert, untouched") << "insert" << QString() << QStringList{"a", "b2"};
        QTest::newRow("Přidat, untouched") << "button" << QString() << QStringList{"a", "b2"};
        QTest::newRow("Down on the last, untouched") << "down" << QString() << QStringList{"a", "b2"};
        QTest::newRow("Insert, typed") << "insert" << "novy" << QStringList{"a", "novy", "b"};
    }
    void escapeTakesAnUntouchedTextAway()
    {
        QFETCH(QString, how);
        QFETCH(QString, typed);
        Table &texts = m_module6->table();
        appendTexts(texts, {QStringLiteral("a"), QStringLiteral("b")});
        {
            TForm8 window(texts, *m_prompter);
            QVERIFY(shownOnRow(window, 1));
            TableGrid *grid = window.grid();
            if (how == QLatin1String("insert"))
                QTest::keyClick(grid, Qt::Key_Insert);
            else if (how == QLatin1String("button"))
                window.findChild<QPushButton *>(QStringLiteral("Pridat"))->click();
            else
                QTest::keyClick(grid, Qt::Key_Down);
            QCOMPARE(grid->model()->rowCount(), 3);
            if (!typed.isEmpty()) {
                typeIntoCell(grid, typed);
                GridTyping::press(Qt::Key_Return);
                QTRY_VERIFY(!grid->isEditing()); // Return writes once the key is handled
            }
            GridTyping::press(Qt::Key_Escape);
            // With typing, Escape closes the window, which writes it.
            QCOMPARE(window.isVisible(), typed.isEmpty());
            if (typed.isEmpty()) {
                QCOMPARE(grid->model()->rowCount(), 2);
                QCOMPARE(GridTyping::cursorOf(grid), QStringLiteral("1,0"));
                typeIntoCell(grid, QStringLiteral("b2"));
                window.findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->click();
                QVERIFY(!window.isVisible());
            }
        }
        QFETCH(QStringList, stored);
        QCOMPARE(storedTexts(), stored);
    }

    // A table another program holds for writing: the save is told at once
    // (the window does not hang) and the window stays with the typing; once
    // the other program lets go, the save writes it.
    void tableHeldByAnotherProgram()
    {
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_env->path(QStringLiteral("VlDb Data/TextData.db"))).constData(), &other),
                 SQLITE_OK);
        {
            TForm8 window(m_module6->table(), *m_prompter);
            QVERIFY(shownOnRow(window, 0));
            typeIntoCell(window.grid(), QStringLiteral("Tesco"));
            QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
            QElapsedTimer timer;
            timer.start();
            window.findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->click();
            QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
            QCOMPARE(m_prompter->messages.size(), 1);
            QVERIFY2(m_prompter->messages[0].contains(QStringLiteral("právě používá jiný program")),
                     qPrintable(m_prompter->messages[0]));
            QVERIFY(window.isVisible());
            QCOMPARE(sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
            window.findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->click();
            QVERIFY(!window.isVisible());
        }
        sqlite3_close(other);
        QCOMPARE(storedTexts(), QStringList{QStringLiteral("Tesco")});
    }

    // The window as the program shows it: its texts and hints, and opened
    // through its registration with the texts' holder.
    void windowTextsAndRegistration()
    {
        AppContext &context = AppContext::instance();
        context.reset();
        context.dataModule6 = m_module6.get();
        context.prompter = m_prompter.get();
        registerInfoTextWindow(context);
        std::unique_ptr<QDialog> window = context.createWindow(WindowId::InfoText, nullptr);
        context.reset();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Rychlý výpis informačního textu"));
        auto *heading = window->findChild<QLabel *>(QStringLiteral("Label1"));
        QCOMPARE(heading->text(), QStringLiteral("Nastavení - Informačního text pro rychlý zápis"));
        QCOMPARE(heading->toolTip(), QStringLiteral("Nastavení textu"));
        const QList<QPair<QString, QString>> buttons{{QStringLiteral("Pridat"), QStringLiteral("Přidat záznam")},
                                                     {QStringLiteral("Smazat"), QStringLiteral("Smazat záznam")},
                                                     {QStringLiteral("UlozitZavrit"), QStringLiteral("Zapsat změny a zavřít toto okno")}};
        for (const auto &[name, hint] : buttons)
            QCOMPARE(window->findChild<QPushButton *>(name)->toolTip(), hint);
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("UlozitZavrit"))->text(), QStringLiteral("Uložit a zavřít   "));
        auto *grid = window->findChild<TableGrid *>(QStringLiteral("DBGrid1"));
        QCOMPARE(grid->columnWidth(0), 484);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Text"));
        QCOMPARE(grid->toolTip(), QStringLiteral("Editace textu"));
        QCOMPARE(grid->palette().color(QPalette::Base), QApplication::palette().color(QPalette::ToolTipBase));
        auto *menu = window->findChild<QMenu *>(QStringLiteral("PopupMenu1"));
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Smazat"));
        QCOMPARE(menu->actions().at(0)->shortcut(), QKeySequence(Qt::Key_Delete));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Vložit"));
        QCOMPARE(menu->actions().at(1)->shortcut(), QKeySequence(Qt::Key_Insert));
    }

    // Equal texts are offered twice; an empty table offers none.
    void listsOfferEveryText()
    {
        QVERIFY(m_module6->texts().isEmpty());
        appendTexts(m_module6->table(), {QStringLiteral("Billa"), QStringLiteral("Billa")});
        QCOMPARE(m_module6->texts(), (QStringList{"Billa", "Billa"}));
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<TDataModule6> m_module6;
};

QTEST_MAIN(InfoTextTest)
#include "tst_infotext.moc"
