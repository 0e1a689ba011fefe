#pragma once

#include "core/data/engine/ErrorGuard.h"

#include "core/app/context/AppContext.h"
#include "core/app/context/ScreenPicture.h"
#include "core/data/format/Money.h"
#include "records/ledger/RecordDeletion.h"
#include "records/ledger/RowTicks.h"
#include "records/window/RecordActivation.h"
#include "records/window/RecordMenus.h"
#include "records/window/RecordSettings.h"

#include <QDialog>
#include <functional>
#include <optional>

class ButtonToolbar;
class Clock;
class IndicatorHeader;
class KeyboardLocks;
class LedgerModel;
class Prompter;
class RecordDelegate;
class RecordGrid;
class RecordStatusBar;
class Table;
class TDataModule23;
class TextToolbar;

// The record window: one ledger or item table of TDataModule2 in a grid,
// with its total, its hidden-data lamp and count, the row ticks and their
// filter, and the toolbars, menus and status bar around them. The kind,
// the caption and the placement memory come from the opening command's
// order. Every activation runs the activation sequence;
// closing checks the dates.
class TForm3 : public QDialog, private ActivationView
{
    Q_OBJECT
public:
    TForm3(AppContext &context, const RecordWindowOrder &order, Table &ledger, TDataModule23 *otherMonth,
           QWidget *parent = nullptr);
    ~TForm3() override;

    // The activation sequence; the window runs it itself when it is first
    // shown and whenever the user comes back to it from one of its windows.
    void activate();
    // The total label recomputed, ending on the record that was current.
    void ReCalc();
    // The number of hidden-marked records of the shown rows.
    QString PocetSkrytych();
    // Inserts the total of month `month` (0 = January) at the top.
    void VlozitMesic(int month);
    // Deletion of the current record with its confirmation.
    void deleteCurrent();
    void insertAbove();
    // "Hledání", and the automatic supplement with its replace dialog.
    void find();
    void automaticSupplement();
    // "Skrytá částka k položce" of the current record.
    void hiddenAmount();
    // The shown rows to a text or an HTML file the user chooses.
    void exportText();
    void exportHtml();
    void writeExport(const QString &path, const QStringList &lines);
    // The supplement dialog "Změna názvu".
    void changeSupplement();
    void chooseRowColour();
    void chooseGridBackground();
    void toggleGroup(ToolbarGroup group);
    void setTicksFilter(bool on);
    void toggleTick(int row);

    RecordKind kind() const { return m_kind; }
    const RowTicks &ticks() const { return m_ticks; }
    ToolbarChoices choices() const { return m_choices; }
    RecordMenus *menus() const { return m_menus; }
    RecordGrid *grid() const { return m_grid; }
    QString totalText() const;

    // How a deletion is confirmed; the dialog "Otázka" unless replaced.
    void setDeletionConfirmation(RecordDeletion::Confirmation confirm) { m_confirm = std::move(confirm); }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void reject() override;

private:
    // ActivationView
    void setBusy(bool busy) override;
    void setHiddenCountText(const QString &text) override;
    void setOutOfView(bool outOfView) override;
    void applyToolbarChoices(const ToolbarChoices &choices, RecordKind kind) override;
    void setCaption(const QString &caption) override;
    void setDateChoices(const QStringList &dates) override;
    void setTodayText(const QString &date) override;
    void setTextChoices(const QStringList &texts) override;
    void setGridBackground(int colour) override;
    void layoutForWidth() override;
    void makeSizeable() override;
    void chooseKind(RecordKind kind) override;
    void layoutForSize() override;

    void buildToolbarActions();
    void runCommand(RecordCommand command, int argument);
    // A window of its own, after the picture registered with it.
    void openTool(WindowId id);
    void layoutToolbars();
    void applySizes(bool onResize);
    void refreshCurrent();
    // Writes an open cell editor and posts the record being edited (an
    // untouched new record goes); false when the typing or the record was
    // refused, which the user has been told.
    bool writeRecord();
    // The record is written as the user leaves the window for another.
    void leaveRecord();
    // `window` is a dialog this window opened (or one opened from such).
    bool isOwnDialog(const QWidget *window) const;
    void scheduleReCalc();
    void showTotal(Money total);
    // Runs a command of the window; an engine error is shown, not thrown.

    AppContext &m_context;
    const RecordWindowOrder m_order; // what the opening command asked to show
    Table &m_ledger;
    TDataModule23 *m_otherMonth;
    Prompter &m_prompter;
    ErrorGuard m_guarded; // tells the engine errors of the window's commands
    const Clock &m_clock;
    RecordSettings m_settings;
    RowTicks m_ticks;
    RecordDeletion::Confirmation m_confirm;

    TextToolbar *m_text = nullptr;
    ButtonToolbar *m_buttons = nullptr;
    RecordGrid *m_grid = nullptr;
    LedgerModel *m_model = nullptr;
    RecordDelegate *m_delegate = nullptr;
    IndicatorHeader *m_indicator = nullptr;
    RecordStatusBar *m_status = nullptr;
    RecordMenus *m_menus = nullptr;
    KeyboardLocks *m_locks = nullptr;

    RecordKind m_kind = RecordKind::Month;
    ToolbarChoices m_choices;
    bool m_remembersPlacement = false;
    bool m_shown = false;          // the first activation ran
    bool m_activating = false;
    bool m_closing = false;
    bool m_leaving = false;         // the record is being written on leaving the window
    bool m_leftForOwnWindow = false; // the last deactivation went to one of ours
    bool m_toolOpen = false;        // a tool opened from the window is on screen
    bool m_paintPending = true;    // the next paint sets RunFrm and the status bar
    bool m_reCalcQueued = false;
    int m_busy = 0;
};
