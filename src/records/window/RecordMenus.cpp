#include "records/window/RecordMenus.h"

#include "records/ledger/MonthTotals.h"
#include "records/window/Glyphs.h"
#include "widgets/Hints.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

struct RecordMenus::Entry
{
    QString caption; // empty: a separator
    QKeySequence shortcut;
    QString hint;
    RecordCommand command = RecordCommand::BackToGrid;
    int argument = 0;
};

namespace {

QString text(const char *utf8) { return QString::fromUtf8(utf8); }

// The shortcuts of the grid and window menus, each bound once to the window.
struct WindowShortcut
{
    const char *keys;
    RecordCommand command;
};
constexpr WindowShortcut WindowShortcuts[] = {
    {"Ctrl+Q", RecordCommand::Calculator}, {"Ctrl+K", RecordCommand::Calendar},
    {"Ctrl+A", RecordCommand::Addresses},  {"Ctrl+T", RecordCommand::PhoneBook},
    {"Ctrl+M", RecordCommand::AreaCodes},  {"Ctrl+F", RecordCommand::Find},
    {"Ctrl+P", RecordCommand::Wizard},     {"Ctrl+S", RecordCommand::HiddenAmount},
    {"Alt+X", RecordCommand::CloseWindow},
};

} // namespace

RecordMenus::RecordMenus(QWidget *window)
    : QObject(window), m_windowWidget(window),
      m_table([this](int command, const MenuArgs &args) { emit triggered(RecordCommand(command), args.a); })
{
    const QKeySequence none;
    const QKeySequence ctrlS(QStringLiteral("Ctrl+S"));
    const QKeySequence ctrlP(QStringLiteral("Ctrl+P"));
    const QKeySequence altX(QStringLiteral("Alt+X"));
    const Entry separator{};

    m_add = build({{text("Přidat nad položku"), none, text("Přidat nad položku bez průvodce"), RecordCommand::InsertAbove},
                   {text("Průvodce přidáním"), ctrlP, QString(), RecordCommand::Wizard},
                   {text("Zpět do databáze"), none, QString(), RecordCommand::BackToGrid}},
                  QStringLiteral("PopupPridat"));

    QList<Entry> settings;
    for (const ToolbarGroupInfo &group : ToolbarGroups)
        settings.append({QString::fromUtf8(group.menuCaption), none, QString(), RecordCommand::ToggleGroup, int(group.group)});
    settings.append({text("Automatické vkládání doplňku"), none, QString(), RecordCommand::AutoSupplement});
    settings.append({text("Barva pozadí databáze"), none, QString(), RecordCommand::GridBackground});
    settings.append({text("Zpět do databáze"), none, QString(), RecordCommand::BackToGrid});
    m_settings = build(settings, QStringLiteral("PopupNastaveni"));
    const QList<QAction *> settingActions = m_settings->actions();
    for (std::size_t i = 0; i < ToolbarGroupCount; ++i) {
        m_groups[i] = settingActions.at(int(i));
        m_groups[i]->setCheckable(true);
    }

    QList<Entry> month{{text("Skrytá částka k položce"), ctrlS, QString(), RecordCommand::HiddenAmount},
                       {text("Průvodce přidáním"), ctrlP, QString(), RecordCommand::Wizard},
                       {text("Exportovat do TXT souboru"), none, QString(), RecordCommand::ExportTxt},
                       {text("Exportovat do HTML souboru"), none, QString(), RecordCommand::ExportHtml},
                       separator};
    for (int m = 0; m < MonthTotals::MenuEntries; ++m) {
        const MonthTotals::Entry &entry = MonthTotals::entries()[std::size_t(m)];
        month.append({MonthTotals::MenuPrefix + QString::fromUtf8(entry.menuName), none,
                      MonthTotals::HintPrefix + QString::fromUtf8(entry.monthName), RecordCommand::MonthTotal, m});
    }
    month.append(separator);
    month.append({text("Zavřít databázi"), altX, QString(), RecordCommand::CloseDatabase});
    m_monthGrid = build(month, QStringLiteral("PopupMesic"));

    m_itemGrid = build({{text("Skrytá částka k položce"), ctrlS, QString(), RecordCommand::HiddenAmount},
                        {text("Průvodce přidáním"), ctrlP, QString(), RecordCommand::Wizard},
                        {text("Uložit obsah do TXT souboru"), none, QString(), RecordCommand::SaveTxt},
                        {text("Exportovat do HTML souboru"), none, QString(), RecordCommand::ExportHtml},
                        separator,
                        {text("Zavřít okno"), altX, QString(), RecordCommand::CloseWindow}},
                       QStringLiteral("PopupPolozky"));

    m_window = build({{text("Kalkulačka"), QKeySequence(QStringLiteral("Ctrl+Q")), QString(), RecordCommand::Calculator},
                      {text("Kalendář"), QKeySequence(QStringLiteral("Ctrl+K")), QString(), RecordCommand::Calendar},
                      {text("Adresy"), QKeySequence(QStringLiteral("Ctrl+A")), QString(), RecordCommand::Addresses},
                      {text("Tel. seznam"), QKeySequence(QStringLiteral("Ctrl+T")), QString(), RecordCommand::PhoneBook},
                      {text("Tel. předvolby"), QKeySequence(QStringLiteral("Ctrl+M")), QString(), RecordCommand::AreaCodes},
                      separator,
                      {text("Hledat"), QKeySequence(QStringLiteral("Ctrl+F")), QString(), RecordCommand::Find},
                      {text("Průvodce přidáním"), ctrlP, QString(), RecordCommand::Wizard},
                      {text("Skrytá částka k položce"), ctrlS, QString(), RecordCommand::HiddenAmount},
                      {text("Zavřít okno"), altX, QString(), RecordCommand::CloseWindow}},
                     QStringLiteral("PopupOkno"));

    for (const WindowShortcut &shortcut : WindowShortcuts) {
        auto *action = new QAction(window);
        action->setShortcut(QKeySequence(QLatin1String(shortcut.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(int(shortcut.command));
        const RecordCommand command = shortcut.command;
        connect(action, &QAction::triggered, this, [this, command] { emit triggered(command, 0); });
        window->addAction(action);
        m_shortcuts << action;
    }
}

RecordMenus::~RecordMenus() = default;

QMenu *RecordMenus::build(const QList<Entry> &entries, const QString &name)
{
    // Owned by the window, so that their hints reach its status bar.
    auto *menu = new QMenu(m_windowWidget);
    menu->setObjectName(name);
    int position = 0;
    for (const Entry &entry : entries) {
        MenuEntry row;
        row.caption = entry.caption;
        row.shortcut = entry.shortcut;
        row.hint = entry.hint;
        row.command = int(entry.command);
        row.args.a = entry.argument;
        if (!entry.caption.isEmpty())
            row.icon = Glyphs::menuEntry(position++);
        // The window owns the keys; in the menu they are only shown.
        if (QAction *action = m_table.add(menu, row))
            action->setShortcutContext(Qt::WidgetShortcut);
    }
    return menu;
}

void RecordMenus::setChecks(const ToolbarChoices &choices)
{
    for (std::size_t i = 0; i < ToolbarGroupCount; ++i)
        m_groups[i]->setChecked(choices.shown[i]);
}

QList<QAction *> RecordMenus::actions(RecordCommand command) const
{
    const std::vector<QAction *> found = m_table.actions(int(command));
    return QList<QAction *>(found.begin(), found.end());
}

void RecordMenus::setAvailable(RecordCommand command, bool available)
{
    m_table.setAvailable(int(command), available);
    for (QAction *action : m_shortcuts)
        if (action->data().toInt() == int(command))
            action->setEnabled(available);
}

bool RecordMenus::isAvailable(RecordCommand command) const
{
    if (m_table.actions(int(command)).empty()) {
        for (QAction *action : m_shortcuts)
            if (action->data().toInt() == int(command))
                return action->isEnabled();
        return false;
    }
    return m_table.isAvailable(int(command));
}
