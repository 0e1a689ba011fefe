#pragma once

#include "core/data/catalogue/RecordKind.h"
#include "records/window/RecordSeams.h"
#include "records/window/ToolbarChoices.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class Clock;
class MainWindowHooks;
class Prompter;
class RecordSettings;
class Table;

// What the activation sequence shows. The record window implements it;
// tests record the calls.
class ActivationView
{
public:
    virtual ~ActivationView();
    virtual void setBusy(bool busy) = 0;
    virtual void setHiddenCountText(const QString &text) = 0; // status panel 2
    virtual void setOutOfView(bool outOfView) = 0;
    // The text toolbar, the button groups with their check marks, and the
    // button toolbar laid out.
    virtual void applyToolbarChoices(const ToolbarChoices &choices, RecordKind kind) = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setDateChoices(const QStringList &dates) = 0;
    virtual void setTodayText(const QString &date) = 0; // status panel 5
    virtual void setTextChoices(const QStringList &texts) = 0;
    virtual void setGridBackground(int colour) = 0;
    virtual void layoutForWidth() = 0;   // the size layout, placement memory inactive
    virtual void makeSizeable() = 0;     // placement memory active
    virtual void chooseKind(RecordKind kind) = 0; // graph menu, grid menu; a previous-year window hides the graph and settings buttons
    virtual void layoutForSize() = 0;    // the size layout, placement memory active
};

// The sequence the record window runs every time it becomes active: when
// it is first shown and whenever the user comes back to it from one of its
// dialogs or tools.
class RecordActivation
{
public:
    struct Result
    {
        RecordKind kind = RecordKind::Month;
        int monthNumber = 0;
        QString automaticSupplement;
        int hiddenCount = 0;
        int rowsWritten = 0;
    };

    RecordActivation(Table &ledger, RecordSettings &settings, Prompter &prompter, const Clock &clock,
                     ActivationView &view);

    // The texts of the information-text table, in its order.
    void setInformationTexts(std::function<QStringList()> texts) { m_texts = std::move(texts); }
    // May stay null (no main window).
    void setMainWindow(MainWindowHooks *mainWindow) { m_mainWindow = mainWindow; }
    void setPaymentOffer(RecordSeams::PaymentOffer offer) { m_paymentOffer = std::move(offer); }

    // Steps 1-15 for the RecordWindowKind value and title the caller handed
    // over. The view is back in sight and the cursor normal also when a
    // step fails; the error then goes on to the caller.
    Result run(RecordKind kind, const QString &title, bool remembersPlacement);

    // Today and the six days before, newest first, as d.M.yyyy.
    static QStringList dateChoices(QDate today);
    // The month or item number of a table name ("LEDEN.DB" 1, "ZAZNAM012.DB"
    // 12); 0 for any other name.
    static int monthNumber(const QString &tableName);

    static inline const QString OpenStatus = QStringLiteral("Otevřená databáze");

private:
    Table &m_ledger;
    RecordSettings &m_settings;
    Prompter &m_prompter;
    const Clock &m_clock;
    ActivationView &m_view;
    std::function<QStringList()> m_texts;
    MainWindowHooks *m_mainWindow = nullptr;
    RecordSeams::PaymentOffer m_paymentOffer;
};
