// The names of the item groups: the start-up pass, the dialog and its live
// updates of the main window's captions.
#include "core/app/commands/CommandTables.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/StatusSink.h"
#include "records/Registration.h"
#include "records/itemnames/TForm13.h"
#include "records/ledger/ItemNames.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using Commands::GraphFamily;
using Commands::GraphFamilies;

namespace {

const QString Dashes = QString(20, QLatin1Char('-'));

// The stored names row of a group's table, as text per field.
QString storedName(int group, const QString &field)
{
    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(ItemNames::fileOf(group));
    table.open();
    table.first();
    return table.isEmpty() ? QStringLiteral("<no row>") : table.field(field).asString();
}

void storeNames(int group, const QString &groupName, const QString &button, const QStringList &items)
{
    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(ItemNames::fileOf(group));
    table.open();
    table.first();
    table.edit();
    table.field(ItemNames::GroupField).setString(groupName);
    table.field(ItemNames::ButtonField).setString(button);
    for (int n = 1; n <= items.size(); ++n)
        table.field(ItemNames::itemField(n)).setString(items[n - 1]);
    table.post();
}

// Every caption that carries item n of a group.
QStringList captionsOf(const MenuCaptions &captions, int group, int n)
{
    QStringList all{captions.item(group, n), captions.printItem(group, n)};
    for (GraphFamily family : GraphFamilies)
        all << captions.graphItem(group, family, n);
    return all;
}

} // namespace

class ItemNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_module = std::make_unique<TDataModule12>(StatusSink::none());
    }
    void cleanup()
    {
        m_module.reset();
        m_env.reset();
    }

    // Delivered tables have one empty row: the defaults show, with 20
    // hyphens; stored names show bare, without a number.
    void startUpPassShowsNamesOrDefaults()
    {
        storeNames(2, QStringLiteral("Auto"), QStringLiteral("Auto!"), {QStringLiteral("Benzín"), QString(), QStringLiteral("Servis")});
        MenuCaptions captions;
        ItemNames::NastavitPolozky(*m_module, captions);
        QCOMPARE(captions.group(1), QStringLiteral("Skupina databáze 1"));
        QCOMPARE(captions.printGroup(1), QStringLiteral("Skupina databáze 1"));
        QCOMPARE(captions.button(1), QStringLiteral("Skupina dat. 1"));
        QCOMPARE(captionsOf(captions, 1, 1), QStringList(6, QStringLiteral("1. ") + Dashes));
        QCOMPARE(captionsOf(captions, 1, 12), QStringList(6, QStringLiteral("12. ") + Dashes));
        QCOMPARE(captions.group(2), QStringLiteral("Auto"));
        QCOMPARE(captions.printGroup(2), QStringLiteral("Auto"));
        QCOMPARE(captions.button(2), QStringLiteral("Auto!"));
        QCOMPARE(captionsOf(captions, 2, 1), QStringList(6, QStringLiteral("Benzín")));
        QCOMPARE(captionsOf(captions, 2, 2), QStringList(6, QStringLiteral("2. ") + Dashes));
        QCOMPARE(captionsOf(captions, 2, 3), QStringList(6, QStringLiteral("Servis")));
        QVERIFY(!m_module->table().isOpen()); // the pass closes the table again
    }

    // Typing in the dialog shows at once in the captions of its group only;
    // an emptied name shows its default.
    void typingShowsAtOnceInItsGroupOnly()
    {
        MenuCaptions captions;
        ItemNames::NastavitPolozky(*m_module, captions);
        const QStringList group1Before = captionsOf(captions, 1, 3);
        m_module->Soubor(ItemNames::fileOf(2));
        ScriptedPrompter prompter;
        {
            TForm13 dialog(m_module->table(), captions, prompter);
            QCOMPARE(dialog.group(), 2);
            QTest::keyClicks(dialog.itemBox(3), QStringLiteral("Pojisteni"));
            QCOMPARE(captionsOf(captions, 2, 3), QStringList(6, QStringLiteral("Pojisteni")));
            QCOMPARE(captionsOf(captions, 1, 3), group1Before);
            dialog.itemBox(3)->clear();
            QCOMPARE(captionsOf(captions, 2, 3), QStringList(6, QStringLiteral("3. ") + Dashes));
            QTest::keyClicks(dialog.itemBox(3), QStringLiteral("Dan"));
            QTest::keyClicks(dialog.groupBox(), QStringLiteral("Auto"));
            QCOMPARE(captions.group(2), QStringLiteral("Auto"));
            QCOMPARE(captions.printGroup(2), QStringLiteral("Auto"));
            QCOMPARE(captions.group(1), QStringLiteral("Skupina databáze 1"));
            QTest::keyClicks(dialog.buttonBox(), QStringLiteral("Moje auto"));
            QCOMPARE(captions.button(2), QStringLiteral("Moje auto"));
            dialog.groupBox()->clear();
            QCOMPARE(captions.group(2), QStringLiteral("Skupina databáze 2"));
            dialog.close(); // the close box keeps what was typed
        }
        QCOMPARE(storedName(2, ItemNames::itemField(3)), QStringLiteral("Dan"));
        QCOMPARE(storedName(2, ItemNames::ButtonField), QStringLiteral("Moje auto"));
        QCOMPARE(storedName(2, ItemNames::GroupField), QString());
        QCOMPARE(storedName(1, ItemNames::itemField(3)), QString());
        QVERIFY(prompter.messages.isEmpty());
    }

    // A name of 100 characters is kept whole; a button name takes 80.
    void lengthsOfNames()
    {
        MenuCaptions captions;
        m_module->Soubor(ItemNames::fileOf(1));
        ScriptedPrompter prompter;
        const QString hundred = QString(100, QLatin1Char('x'));
        {
            TForm13 dialog(m_module->table(), captions, prompter);
            dialog.itemBox(12)->setText(hundred);
            dialog.buttonBox()->setText(hundred);
            dialog.findChild<QPushButton *>(QStringLiteral("ZavritUlozit"))->click();
        }
        QCOMPARE(storedName(1, ItemNames::itemField(12)), hundred);
        QCOMPARE(storedName(1, ItemNames::ButtonField), QString(80, QLatin1Char('x')));
        QCOMPARE(captions.button(1), QString(80, QLatin1Char('x')));
    }

    // A names table without any row shows the defaults and gets its one
    // row at the first edit.
    void tableWithoutARowGetsOneAtTheFirstEdit()
    {
        {
            Table table;
            table.setFolder(QStringLiteral("Data"));
            table.setTableName(ItemNames::fileOf(1));
            table.open();
            table.first();
            table.remove();
        }
        MenuCaptions captions;
        ItemNames::NastavitPolozky(*m_module, captions);
        QCOMPARE(captions.group(1), QStringLiteral("Skupina databáze 1"));
        m_module->Soubor(ItemNames::fileOf(1));
        ScriptedPrompter prompter;
        {
            TForm13 dialog(m_module->table(), captions, prompter);
            QVERIFY(dialog.itemBox(1)->text().isEmpty());
            QTest::keyClicks(dialog.itemBox(1), QStringLiteral("Dum"));
        }
        QCOMPARE(storedName(1, ItemNames::itemField(1)), QStringLiteral("Dum"));
        QCOMPARE(m_module->table().recordCount(), 1);
    }

    // The dialog as the main-menu command opens it, and its texts.
    void dialogThroughItsRegistration()
    {
        AppContext &context = AppContext::instance();
        context.reset();
        MenuCaptions captions;
        ScriptedPrompter prompter;
        context.dataModule12 = m_module.get();
        context.menuCaptions = &captions;
        context.prompter = &prompter;
        registerItemNames(context);
        QVERIFY(context.itemNamesPass);
        context.itemNamesPass(captions);
        m_module->Soubor(ItemNames::fileOf(1));
        std::unique_ptr<QDialog> dialog = context.createWindow(WindowId::ItemNames, nullptr);
        context.reset();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Jména položek záznamové databáze"));
        QCOMPARE(dialog->size(), QSize(562, 353));
        auto *close = dialog->findChild<QPushButton *>(QStringLiteral("ZavritUlozit"));
        QCOMPARE(close->text(), QStringLiteral("Zavřít a uložit"));
        QCOMPARE(close->toolTip(), QStringLiteral("Zavře a uloží"));
        QCOMPARE(close->statusTip(), QStringLiteral("Zavře okno a uloží nastavení položek"));
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("EditPolozka7"))->toolTip(), QStringLiteral("Vložte název"));
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("EditSkupina"))->toolTip(), QStringLiteral("Vložte jméno skupiny"));
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<TDataModule12> m_module;
};

QTEST_MAIN(ItemNamesTest)
#include "tst_itemnames.moc"
