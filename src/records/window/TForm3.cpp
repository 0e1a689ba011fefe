#include "records/window/TForm3.h"

#include "core/app/dialogs/TForm45.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "records/ledger/DateCheck.h"
#include "records/ledger/LedgerExport.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerSearch.h"
#include "records/ledger/LedgerTotals.h"
#include "records/ledger/MonthTotals.h"
#include "records/ledger/RecordEdits.h"
#include "records/ledger/Renumbering.h"
#include "records/window/ButtonToolbar.h"
#include "widgets/Colours.h"
#include "widgets/DigitalClock.h"
#include "records/window/IndicatorHeader.h"
#include "records/window/KeyboardLocks.h"
#include "widgets/LedLamp.h"
#include "records/window/LedgerModel.h"
#include "records/window/OpeningPicture.h"
#include "records/window/PlacementMemory.h"
#include "records/window/RecordDelegate.h"
#include "records/window/RecordGrid.h"
#include "records/window/RecordSeams.h"
#include "records/window/RecordStatusBar.h"
#include "records/window/SizeRules.h"
#include "records/window/TFrmDoplnek.h"
#include "records/window/TFrmHledani.h"
#include "records/window/TFrmSkryta.h"
#include "records/window/TFrmSmazat.h"
#include "records/window/TFrmZmenaNazvu.h"
#include "records/window/TextToolbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

RegFlags runFrm() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)); }

// The tools of the window that are windows of their own.
struct Tool
{
    RecordCommand command;
    WindowId window;
};
constexpr Tool Tools[] = {
    {RecordCommand::Calculator, WindowId::Calculator}, {RecordCommand::Calendar, WindowId::Calendar},
    {RecordCommand::Addresses, WindowId::Addresses},   {RecordCommand::PhoneBook, WindowId::PhoneBook},
    {RecordCommand::Wizard, WindowId::Wizard},         {RecordCommand::AreaCodes, WindowId::AreaCodes},
};

const Tool *toolOf(RecordCommand command)
{
    for (const Tool &tool : Tools)
        if (tool.command == command)
            return &tool;
    return nullptr;
}

} // namespace

TForm3::TForm3(AppContext &context, const RecordWindowOrder &order, Table &ledger, TDataModule23 *otherMonth,
               QWidget *parent)
    : QDialog(parent), m_context(context), m_order(order), m_ledger(ledger), m_otherMonth(otherMonth),
      m_prompter(context.prompter ? *context.prompter : Prompter::global()),
      m_guarded(m_prompter,
                [this] {
                    while (m_busy > 0)
                        setBusy(false);
                }),
      m_clock(context.clock ? *context.clock : Clock::system())
{
    setObjectName(QStringLiteral("Form3"));
    setBusy(true);
    m_remembersPlacement = order.remembersPlacement;
    if (m_settings.mainSetting(Key::Scr))
        OpeningPicture::flash();
    // The store points at the current folder's "Penezka.ini" now; the
    // full name is written for whoever looks, in the section "SetMesice".
    m_settings.writeDirectory();

    m_text = new TextToolbar(this);
    m_buttons = new ButtonToolbar(m_clock, this);
    m_grid = new RecordGrid(this);
    m_indicator = new IndicatorHeader(m_grid);
    m_grid->setVerticalHeader(m_indicator);
    m_indicator->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_model = new LedgerModel(ledger, m_ticks, this);
    m_model->setErrorReporter([this](const QString &message) { m_prompter.message(message); });
    m_indicator->setLedgerModel(m_model);
    m_grid->showTable(m_model, [this](const std::function<void()> &work) { return m_guarded(work); });
    m_delegate = new RecordDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->setColumnWidth(LedgerModel::DateColumn, SizeRules::DateColumnWidth);
    m_grid->setColumnWidth(LedgerModel::TextColumn, SizeRules::InfoColumnDesignWidth);
    m_grid->setColumnWidth(LedgerModel::AmountColumn, SizeRules::AmountColumnWidth);
    QFont titles = m_grid->horizontalHeader()->font();
    titles.setBold(true);
    m_grid->horizontalHeader()->setFont(titles);
    m_status = new RecordStatusBar(this);
    m_menus = new RecordMenus(this);
    m_locks = new KeyboardLocks(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_text);
    layout->addWidget(m_buttons);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);

    buildToolbarActions();

    // What the window shows of the record the table's cursor is on.
    connect(m_model, &TableModel::currentRowChanged, this, &TForm3::refreshCurrent);
    connect(m_indicator, &QHeaderView::sectionClicked, this, &TForm3::toggleTick);
    connect(m_grid, &RecordGrid::deleteRequested, this, &TForm3::deleteCurrent);
    connect(m_grid, &RecordGrid::insertRequested, this, &TForm3::insertAbove);
    connect(m_grid, &RecordGrid::cancelRequested, this, [this] { m_guarded([this] { m_ledger.cancel(); }); });
    connect(m_grid, &RecordGrid::focused, this, &TForm3::ReCalc);
    connect(m_grid, &RecordGrid::contextMenuRequested, this, [this](const QPoint &at) {
        (m_kind == RecordKind::Month ? m_menus->monthGridMenu() : m_menus->itemGridMenu())->popup(at);
    });
    connect(m_text, &TextToolbar::supplementClicked, this, &TForm3::changeSupplement);
    connect(m_menus, &RecordMenus::triggered, this, &TForm3::runCommand);
    connect(m_locks, &KeyboardLocks::changed, this,
            [this] { m_status->setLocks(m_locks->numLock(), m_locks->capsLock()); });
    m_status->setLocks(m_locks->numLock(), m_locks->capsLock());
    connect(m_buttons->clock(), &DigitalClock::ticked, this,
            [this] { m_status->setLocks(m_locks->numLock(), m_locks->capsLock()); });

    // What the window shows of the current record.
    for (auto signal : {&Table::afterScroll, &Table::afterPost, &Table::afterDelete, &Table::controlsReset,
                        &Table::afterInsert})
        connect(&m_ledger, signal, this, &TForm3::refreshCurrent);
    connect(&m_ledger, &Table::fieldChanged, this, &TForm3::refreshCurrent);
    connect(&m_ledger, &Table::afterPost, this, &TForm3::scheduleReCalc);
    connect(&m_ledger, &Table::afterDelete, this, &TForm3::scheduleReCalc);

    for (const Tool &tool : Tools)
        m_menus->setAvailable(tool.command, context.hasWindow(tool.window));
    m_menus->setAvailable(RecordCommand::MonthTotal, otherMonth != nullptr);

    m_context.recordWindowStatus = [this](const QString &text) { m_status->setText(RecordStatusBar::Hint, text); };

    if (m_remembersPlacement) {
        setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint);
        setMinimumSize(SizeRules::MinimumWidth - SizeRules::FrameAllowance, SizeRules::MinimumHeight);
        if (const auto placement = PlacementMemory::load()) {
            setGeometry(placement->geometry);
            if (placement->maximized)
                setWindowState(Qt::WindowMaximized);
        } else {
            resize(800, 500);
        }
    } else {
        setWindowState(Qt::WindowMaximized);
    }
    setBusy(false);
}

TForm3::~TForm3()
{
    m_grid->commitOpenEditor(); // a window destroyed without closing keeps the typing too
    m_ledger.disconnect(this);
    m_context.recordWindowStatus = nullptr;
    try {
        m_ledger.checkBrowseMode();
    } catch (const EngineError &) {
        m_ledger.cancel(); // the holder has said why; a record that cannot be written goes
    }
    // The ticks go with the window, and so does the filter that reads them.
    m_ledger.setFiltered(false);
    m_ledger.setFilter(nullptr);
    m_ledger.close();
    runFrm().write(Key::Reg::RunFrm, false);
}

void TForm3::buildToolbarActions()
{
    ButtonToolbar &bar = *m_buttons;
    const auto onClick = [this, &bar](ToolbarControl control, auto slot) {
        connect(bar.button(control), &QToolButton::clicked, this, slot);
    };
    // What a cell editor holds is written before the cursor moves: written
    // afterwards it would pull the cursor back to the edited row.
    const auto move = [this](void (Table::*step)()) {
        if (m_grid->commitOpenEditor())
            m_guarded([this, step] { (m_ledger.*step)(); });
    };
    onClick(ToolbarControl::S1, [move] { move(&Table::first); });
    onClick(ToolbarControl::S3, [move] { move(&Table::prior); });
    onClick(ToolbarControl::S2, [move] { move(&Table::next); });
    onClick(ToolbarControl::S4, [move] { move(&Table::last); });
    onClick(ToolbarControl::E2, [this] { deleteCurrent(); });
    onClick(ToolbarControl::E3, [this] { writeRecord(); });
    // The buttons take no focus, so an open cell editor is still there:
    // its typing belongs to the edit being cancelled.
    onClick(ToolbarControl::E4, [this] {
        m_grid->discardOpenEditor();
        m_guarded([this] { m_ledger.cancel(); });
    });
    onClick(ToolbarControl::RowColour, [this] { chooseRowColour(); });
    onClick(ToolbarControl::BtnZavrit, [this] { close(); });
    onClick(ToolbarControl::BtnCalc, [this] { runCommand(RecordCommand::Calculator, 0); });
    connect(bar.button(ToolbarControl::BtnFiltrace), &QToolButton::toggled, this, &TForm3::setTicksFilter);
    bar.button(ToolbarControl::E1)->setMenu(m_menus->addMenu());
    bar.button(ToolbarControl::MenuNastaveni)->setMenu(m_menus->settingsMenu());
    // A click on the clock opens the alarm settings.
    onClick(ToolbarControl::BtnHledani, [this] { find(); });
    connect(bar.lamp(), &LedLamp::clicked, this, [this] { hiddenAmount(); });
    connect(bar.clock(), &DigitalClock::clicked, this, [this] {
        if (m_context.hasWindow(WindowId::Alarm))
            openTool(WindowId::Alarm);
    });
    bar.button(ToolbarControl::BtnCalc)->setEnabled(m_context.hasWindow(WindowId::Calculator));
}


// ---------------------------------------------------------------- events

bool TForm3::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        m_status->setText(RecordStatusBar::Hint, static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    case QEvent::WindowDeactivate: {
        // Coming back from another application is no activation; coming
        // back from one of the program's windows is, except from a question
        // the activation itself asked (that would ask it again and again)
        // and from a message about what the user is doing here (a refused
        // date): after it the user goes on where they were.
        QWidget *now = QApplication::activeWindow();
        m_leftForOwnWindow = !m_activating && now != nullptr && now != this && !qobject_cast<QMessageBox *>(now);
        // A question or dialog of this window's own is part of what the
        // user is doing here (a deletion asks first); any other window takes
        // the user away from the row.
        if (!isOwnDialog(now))
            leaveRecord();
        break;
    }
    case QEvent::WindowActivate:
        if (m_shown && m_leftForOwnWindow && !m_toolOpen) {
            m_leftForOwnWindow = false;
            QTimer::singleShot(0, this, [this] {
                if (isActiveWindow())
                    activate();
            });
        }
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

bool TForm3::isOwnDialog(const QWidget *window) const
{
    for (const QWidget *w = window; w; w = w->parentWidget())
        if (w == this)
            return w != window;
    return false;
}

bool TForm3::writeRecord()
{
    return m_grid->commitOpenEditor() && m_guarded([this] { m_ledger.checkBrowseMode(); });
}

void TForm3::leaveRecord()
{
    // Another window took the focus: what was typed is written, as if the
    // user had left the row. A message about a failed post takes the focus
    // again, and is not answered by another attempt.
    if (m_activating || m_closing || m_leaving || !m_shown)
        return;
    m_leaving = true;
    writeRecord();
    m_leaving = false;
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        activate();
        m_grid->setFocus();
    }
}

void TForm3::paintEvent(QPaintEvent *event)
{
    if (m_paintPending) {
        m_paintPending = false;
        runFrm().write(Key::Reg::RunFrm, true);
        m_status->setText(RecordStatusBar::Caption, windowTitle());
        m_status->setVisible(m_settings.mainSetting(Key::StatusBar1));
        if (m_remembersPlacement)
            applySizes(true);
    }
    QDialog::paintEvent(event);
}

void TForm3::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    applySizes(m_remembersPlacement);
}

void TForm3::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    if (!writeRecord()) {
        // The typed record could not be written: the window stays, so
        // that it can be put right or cancelled.
        m_closing = false;
        event->ignore();
        return;
    }
    m_guarded([this] {
        DateCheck::KontrolaDatumu(m_ledger, m_prompter, m_clock);
        Renumbering::numberRows(m_ledger);
    });
    if (m_context.mainWindow)
        m_context.mainWindow->DtVisFalse();
    if (m_remembersPlacement)
        PlacementMemory::save({normalGeometry(), isMaximized()});
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TForm3::reject()
{
    // Every way out goes through the closing checks.
    close();
}

void TForm3::keyPressEvent(QKeyEvent *event)
{
    // Escape cancels an edit; it does not close the window.
    if (event->key() == Qt::Key_Escape) {
        m_guarded([this] { m_ledger.cancel(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::contextMenuEvent(QContextMenuEvent *event) { m_menus->windowMenu()->popup(event->globalPos()); }

// ---------------------------------------------------------------- activation

void TForm3::activate()
{
    if (m_activating || m_closing)
        return;
    m_activating = true;
    RecordActivation activation(m_ledger, m_settings, m_prompter, m_clock, *this);
    if (m_context.dataModule6)
        activation.setInformationTexts([this] { return m_context.dataModule6->texts(); });
    activation.setMainWindow(m_context.mainWindow);
    activation.setPaymentOffer(RecordSeams::paymentOffer());
    m_guarded([&] {
        const RecordActivation::Result result = activation.run(m_order.kind, m_order.title, m_remembersPlacement);
        m_kind = result.kind;
    });
    m_activating = false;
    m_paintPending = true;
    refreshCurrent();
    update();
}

void TForm3::setBusy(bool busy)
{
    if (busy) {
        ++m_busy;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busy > 0) {
        --m_busy;
        QApplication::restoreOverrideCursor();
    }
}

void TForm3::setHiddenCountText(const QString &text) { m_status->setText(RecordStatusBar::Hidden, text); }

void TForm3::setOutOfView(bool outOfView)
{
    // Hiding a modal window would end it: it is frozen instead.
    setUpdatesEnabled(!outOfView);
}

void TForm3::applyToolbarChoices(const ToolbarChoices &choices, RecordKind kind)
{
    m_choices = choices;
    m_kind = kind;
    m_menus->setChecks(choices);
    layoutToolbars();
}

void TForm3::setCaption(const QString &caption) { setWindowTitle(caption); }

void TForm3::setDateChoices(const QStringList &dates) { m_delegate->setDateChoices(dates); }

void TForm3::setTodayText(const QString &date) { m_status->setText(RecordStatusBar::Today, date); }

void TForm3::setTextChoices(const QStringList &texts) { m_delegate->setTextChoices(texts); }

void TForm3::setGridBackground(int colour)
{
    QPalette palette = m_grid->palette();
    const QColor shown = Colours::fromValue(colour);
    palette.setColor(QPalette::Base, shown.isValid() ? shown : Colours::fromValue(Colours::GridDesignColour));
    m_grid->setPalette(palette);
}

void TForm3::layoutForWidth() { applySizes(false); }

void TForm3::makeSizeable() { setMinimumSize(SizeRules::MinimumWidth - SizeRules::FrameAllowance, SizeRules::MinimumHeight); }

void TForm3::chooseKind(RecordKind kind)
{
    m_kind = kind;
    QToolButton *graphs = m_buttons->button(ToolbarControl::MenuGrafu);
    QMenu *menu = RecordSeams::graphMenu() && kind != RecordKind::PreviousYear ? RecordSeams::graphMenu()(kind) : nullptr;
    graphs->setMenu(menu);
    graphs->setEnabled(menu != nullptr);
    layoutToolbars();
}

void TForm3::layoutForSize() { applySizes(true); }

// ---------------------------------------------------------------- layout

void TForm3::applySizes(bool onResize)
{
    const RecordSizes sizes = RecordSizes::forWidth(width() + SizeRules::FrameAllowance, onResize);
    m_grid->setColumnWidth(LedgerModel::TextColumn, sizes.infoColumnWidth);
    m_status->setHintWidth(sizes.statusPanel1Width);
    layoutToolbars();
}

void TForm3::layoutToolbars()
{
    const RecordSizes sizes = RecordSizes::forWidth(width() + SizeRules::FrameAllowance, m_remembersPlacement);
    const bool supplement = m_choices[ToolbarGroup::Doplnek];
    const bool total = m_choices[ToolbarGroup::Celkem];
    m_text->apply(supplement, total, sizes.supplementWidth);
    m_buttons->apply(ToolbarLayout::buttonToolbar(m_choices, m_kind, sizes.clockWidth), sizes.lampLeft);
}

// ---------------------------------------------------------------- the record

void TForm3::refreshCurrent()
{
    if (m_ledger.controlsDisabled() || !m_ledger.isOpen())
        return;
    const bool hasRecord = m_ledger.controlCurrentRow() >= 0;
    m_text->supplement()->setText(hasRecord ? m_ledger.field(LedgerField::Supplement).asString() : QString());
    m_buttons->lamp()->setOn(LedgerTotals::isHiddenMarked(m_ledger));
    m_indicator->viewport()->update();
}

void TForm3::scheduleReCalc()
{
    // Not inside the walks of the activation and of closing, whose posts
    // are many.
    if (m_activating || m_closing || m_ledger.controlsDisabled() || m_reCalcQueued)
        return;
    m_reCalcQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_reCalcQueued = false;
        ReCalc();
    });
}

void TForm3::ReCalc()
{
    // The total is read from the stored rows without moving the cursor, so
    // it follows every post even while the next record is being typed.
    if (m_activating || m_closing)
        return;
    setBusy(true);
    m_text->total()->setText(TotalDisplay::Pending);
    m_text->total()->repaint();
    m_guarded([this] { showTotal(LedgerTotals::total(m_ledger)); });
    setBusy(false);
}

void TForm3::showTotal(Money total)
{
    const TotalDisplay shown = TotalDisplay::of(total);
    QLabel *label = m_text->total();
    label->setText(shown.text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, shown.colour);
    label->setPalette(palette);
}

QString TForm3::totalText() const { return m_text->total()->text(); }

QString TForm3::PocetSkrytych()
{
    QString count = QStringLiteral("0");
    m_guarded([&] { count = QString::number(LedgerTotals::hiddenCount(m_ledger)); });
    return count;
}

// ---------------------------------------------------------------- commands

void TForm3::runCommand(RecordCommand command, int argument)
{
    if (!m_menus->isAvailable(command) && command != RecordCommand::ToggleGroup)
        return;
    switch (command) {
    case RecordCommand::InsertAbove: insertAbove(); break;
    case RecordCommand::ToggleGroup: toggleGroup(ToolbarGroup(argument)); break;
    case RecordCommand::GridBackground: chooseGridBackground(); break;
    case RecordCommand::MonthTotal: VlozitMesic(argument); break;
    case RecordCommand::CloseDatabase:
    case RecordCommand::CloseWindow: close(); break;
    case RecordCommand::BackToGrid: m_grid->setFocus(); break;
    case RecordCommand::Find: find(); break;
    case RecordCommand::AutoSupplement: automaticSupplement(); break;
    case RecordCommand::HiddenAmount: hiddenAmount(); break;
    case RecordCommand::ExportTxt:
    case RecordCommand::SaveTxt: exportText(); break;
    case RecordCommand::ExportHtml: exportHtml(); break;
    default:
        if (const Tool *tool = toolOf(command))
            openTool(tool->window);
        break;
    }
}

void TForm3::openTool(WindowId id)
{
    if (!writeRecord())
        return;
    // Coming back from the tool is one activation, whatever the desktop
    // reports about the picture screen and the tool in between.
    m_toolOpen = true;
    showPictureThenWindow(m_context, id, this);
    m_toolOpen = false;
    m_leftForOwnWindow = false;
    activate();
    // A tool may have written to the ledger (the wizard places a record)
    // while the activation kept the total from following its posts.
    ReCalc();
}

void TForm3::find()
{
    if (!writeRecord())
        return;
    int records = 0;
    if (!m_guarded([&] { records = LedgerSearch::count(m_ledger); }))
        return;
    if (records == 0) {
        m_prompter.message(QStringLiteral("Příliž málo položek k prohledání databáze !"));
        return;
    }
    // The record found stays current when the dialog closes: no activation.
    m_toolOpen = true;
    TFrmHledani dialog(m_ledger, records, m_settings.mainSetting(Key::NEO), this);
    dialog.exec();
    m_toolOpen = false;
    m_leftForOwnWindow = false;
}

void TForm3::hiddenAmount()
{
    if (!writeRecord())
        return;
    if (!m_ledger.isOpen() || m_ledger.controlCurrentRow() < 0)
        return;
    m_toolOpen = true;
    TFrmSkryta dialog(m_ledger, m_prompter, this);
    const bool stored = dialog.exec() == QDialog::Accepted;
    m_toolOpen = false;
    m_leftForOwnWindow = false;
    if (stored)
        setHiddenCountText(LedgerTotals::hiddenCountText(PocetSkrytych().toInt()));
    refreshCurrent();
}

void TForm3::exportText()
{
    if (!writeRecord())
        return;
    const QString chosen = m_prompter.saveFileName(QStringLiteral("Uložit obsah jako TXT soubor"), QString(),
                                                   QStringLiteral("Textový soubor [*.txt] (*.txt)"));
    if (chosen.isEmpty())
        return;
    QStringList lines;
    if (!m_guarded([&] { lines = LedgerExport::textLines(m_ledger); }))
        return;
    writeExport(LedgerExport::withExtension(chosen, QStringLiteral("TXT")), lines);
}

void TForm3::exportHtml()
{
    if (!writeRecord())
        return;
    const QString chosen = m_prompter.saveFileName(QStringLiteral("Exportovat do HTML"), QString(),
                                                   QStringLiteral("Soubor HTML (*.HTM);;Všechny soubory (*.*)"));
    if (chosen.isEmpty())
        return;
    QStringList lines;
    if (!m_guarded([&] { lines = LedgerExport::htmlLines(m_ledger, windowTitle()); }))
        return;
    writeExport(LedgerExport::withExtension(chosen, QStringLiteral("htm")), lines);
}

void TForm3::writeExport(const QString &path, const QStringList &lines)
{
    QString error;
    if (!LedgerExport::write(path, lines, &error)) {
        m_prompter.message(error);
        return;
    }
    // Nothing is dropped silently: what the code page lacks is told.
    if (const int lost = LedgerExport::unencodable(lines))
        m_prompter.message(QStringLiteral("Soubor „%1“ je zapsán v kódování windows-1250, které nezná %2 znaků; jsou "
                                          "v něm zapsány jako otazník „?“.")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(lost));
}

void TForm3::automaticSupplement()
{
    if (!writeRecord())
        return;
    m_toolOpen = true;
    TFrmDoplnek dialog(m_settings.automaticSupplement(), this);
    connect(&dialog, &TFrmDoplnek::replaceRequested, &dialog, [this, &dialog] {
        TFrmNahradit replace(&dialog);
        if (replace.exec() == QDialog::Accepted)
            m_guarded([&] { RecordEdits::replaceSupplement(m_ledger, replace.from(), replace.to()); });
    });
    if (dialog.exec() == QDialog::Accepted)
        m_settings.setAutomaticSupplement(dialog.text());
    m_toolOpen = false;
    m_leftForOwnWindow = false;
    activate(); // the text fills the empty supplements at once
}

void TForm3::VlozitMesic(int month)
{
    if (!m_otherMonth || month < 0 || month >= MonthTotals::MenuEntries)
        return;
    const MonthTotals::Entry &entry = MonthTotals::entries()[std::size_t(month)];
    if (!m_grid->commitOpenEditor())
        return;
    setBusy(true);
    m_guarded([&] {
        MonthTotals::VlozitMesic(m_ledger, *m_otherMonth, QString::fromUtf8(entry.monthName),
                                 QString::fromUtf8(entry.file), entry.date);
    });
    setBusy(false);
}

void TForm3::deleteCurrent()
{
    const RecordDeletion::Confirmation ask =
        m_confirm ? m_confirm : [this](const QString &date) { return TFrmSmazat::confirm(date, this); };
    // The typing of an open cell editor goes with its record; written after
    // the deletion it would land in the record that follows.
    const RecordDeletion::Confirmation confirm = [this, &ask](const QString &date) {
        const bool yes = ask(date);
        if (yes)
            m_grid->discardOpenEditor();
        return yes;
    };
    bool deleted = false;
    m_guarded([&] { deleted = RecordDeletion::deleteCurrent(m_ledger, m_prompter, confirm); });
    if (deleted)
        ReCalc();
}

void TForm3::insertAbove()
{
    if (!m_grid->commitOpenEditor())
        return;
    m_guarded([this] { m_ledger.insert(); });
    m_grid->setFocus();
}

void TForm3::changeSupplement()
{
    if (!m_grid->commitOpenEditor())
        return;
    if (!m_ledger.isOpen() || m_ledger.controlCurrentRow() < 0)
        return;
    TFrmZmenaNazvu dialog(m_ledger.field(LedgerField::Supplement).asString(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_guarded([&] { RecordEdits::changeSupplement(m_ledger, dialog.newText()); });
}

void TForm3::chooseRowColour()
{
    if (!m_grid->commitOpenEditor())
        return;
    if (!m_ledger.isOpen() || m_ledger.controlCurrentRow() < 0)
        return;
    const std::optional<int> colour = m_prompter.chooseColor(RecordEdits::rowColour(m_ledger));
    m_guarded([&] { RecordEdits::applyRowColour(m_ledger, colour); });
}

void TForm3::chooseGridBackground()
{
    QColorDialog::setCustomColor(0, Colours::fromValue(Colours::GridCustomColour));
    const int current = Colours::toValue(m_grid->palette().color(QPalette::Base));
    if (const std::optional<int> colour = m_prompter.chooseColor(current)) {
        setGridBackground(*colour);
        m_settings.setGridBackground(*colour);
    }
}

void TForm3::toggleGroup(ToolbarGroup group)
{
    const bool shown = !m_choices[group];
    m_choices.set(group, shown);
    m_settings.setChoice(group, shown);
    m_menus->setChecks(m_choices);
    layoutToolbars();
}

void TForm3::setTicksFilter(bool on)
{
    if (!m_ledger.isOpen())
        return;
    if (!m_grid->commitOpenEditor())
        return;
    m_guarded([&] {
        m_ledger.checkBrowseMode();
        m_ledger.setFilter(m_ticks.filter(m_ledger.fieldIndex(LedgerField::RowNumber)));
        m_ledger.setFiltered(on);
        m_ledger.refresh();
        m_ledger.first();
    });
    QToolButton *button = m_buttons->button(ToolbarControl::BtnFiltrace);
    if (button->isChecked() != on) {
        const QSignalBlocker quiet(button);
        button->setChecked(on);
    }
    ReCalc();
}

void TForm3::toggleTick(int row)
{
    if (const std::optional<int> number = m_model->rowNumber(row))
        m_ticks.toggle(*number);
    m_indicator->viewport()->update();
}
