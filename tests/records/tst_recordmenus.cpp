#include "records/window/RecordMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <QtTest>

namespace {

// "caption [keys] {status text}" for every entry, "-" for a separator.
QStringList entries(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator()) {
            result << QStringLiteral("-");
            continue;
        }
        QString entry = action->text();
        if (!action->shortcut().isEmpty())
            entry += QStringLiteral(" [%1]").arg(action->shortcut().toString(QKeySequence::PortableText));
        if (!action->statusTip().isEmpty())
            entry += QStringLiteral(" {%1}").arg(action->statusTip());
        result << entry;
    }
    return result;
}

QStringList monthEntries()
{
    QStringList result{QStringLiteral("Skrytá částka k položce [Ctrl+S]"), QStringLiteral("Průvodce přidáním [Ctrl+P]"),
                       QStringLiteral("Exportovat do TXT souboru"), QStringLiteral("Exportovat do HTML souboru"),
                       QStringLiteral("-")};
    const char *const months[][2] = {{"LEDEN", "Leden"},     {"ÚNOR", "Únor"},         {"BŘEZEN", "Březen"},
                                     {"DUBEN", "Duben"},     {"KVĚTEN", "Květen"},     {"ČERVEN", "Červen"},
                                     {"ČERVENEC", "Červenec"}, {"SRPEN", "Srpen"},     {"ZÁŘÍ", "Září"},
                                     {"ŘÍJEN", "Říjen"},     {"LISTOPAD", "Listopad"}};
    for (const auto &month : months)
        result << QStringLiteral("Vlož výsledek z měsíce %1 {Vloží celkovou částku z měsíce %2}")
                      .arg(QString::fromUtf8(month[0]), QString::fromUtf8(month[1]));
    result << QStringLiteral("-") << QStringLiteral("Zavřít databázi [Alt+X]");
    return result;
}

} // namespace

class RecordMenusTest : public QObject
{
    Q_OBJECT

private slots:
    void entriesInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("add menu") << "add"
                                  << QStringList{"Přidat nad položku {Přidat nad položku bez průvodce}",
                                                 "Průvodce přidáním [Ctrl+P]", "Zpět do databáze"};
        QTest::newRow("settings menu")
            << "settings"
            << QStringList{"Zobrazovat doplňkový text",     "Zobrazovat celkovou částku",
                           "Zobrazovat hledání a filtraci", "Zobrazovat pohybové šipky",
                           "Zobrazovat editační tlačítka",  "Zobrazovat tlačítko pro grafy",
                           "Zobrazovat tlačítko kalkulačky", "Zobrazovat hodiny",
                           "Automatické vkládání doplňku",  "Barva pozadí databáze",
                           "Zpět do databáze"};
        QTest::newRow("grid menu of a month") << "month" << monthEntries();
        QTest::newRow("grid menu of the other kinds")
            << "item"
            << QStringList{"Skrytá částka k položce [Ctrl+S]", "Průvodce přidáním [Ctrl+P]",
                           "Uložit obsah do TXT souboru", "Exportovat do HTML souboru", "-", "Zavřít okno [Alt+X]"};
        QTest::newRow("window menu")
            << "window"
            << QStringList{"Kalkulačka [Ctrl+Q]", "Kalendář [Ctrl+K]", "Adresy [Ctrl+A]", "Tel. seznam [Ctrl+T]",
                           "Tel. předvolby [Ctrl+M]", "-", "Hledat [Ctrl+F]", "Průvodce přidáním [Ctrl+P]",
                           "Skrytá částka k položce [Ctrl+S]", "Zavřít okno [Alt+X]"};
    }
    void entriesInOrder()
    {
        QWidget window;
        RecordMenus menus(&window);
        QFETCH(QString, menu);
        const QMenu *shown = menu == u"add"        ? menus.addMenu()
                             : menu == u"settings" ? menus.settingsMenu()
                             : menu == u"month"    ? menus.monthGridMenu()
                             : menu == u"item"     ? menus.itemGridMenu()
                                                   : menus.windowMenu();
        QTEST(entries(shown), "expected");
        for (const QAction *action : shown->actions())
            QVERIFY2(action->isSeparator() || !action->icon().isNull(), qPrintable(action->text()));
    }

    // Only the eight toolbar groups carry a check mark.
    void settingsChecksFollowTheChoices()
    {
        QWidget window;
        RecordMenus menus(&window);
        ToolbarChoices choices;
        choices.set(ToolbarGroup::Celkem, true);
        choices.set(ToolbarGroup::Cas1, true);
        menus.setChecks(choices);
        QStringList checked;
        for (const QAction *action : menus.settingsMenu()->actions())
            if (action->isChecked())
                checked << action->text();
        QCOMPARE(checked, (QStringList{"Zobrazovat celkovou částku", "Zobrazovat hodiny"}));
        QCOMPARE(menus.settingsMenu()->actions().at(8)->isCheckable(), false);
    }
};

QTEST_MAIN(RecordMenusTest)
#include "tst_recordmenus.moc"
