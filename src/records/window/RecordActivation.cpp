#include "records/window/RecordActivation.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "records/ledger/LedgerTotals.h"
#include "records/ledger/Renumbering.h"
#include "records/window/RecordSettings.h"

ActivationView::~ActivationView() = default;

RecordActivation::RecordActivation(Table &ledger, RecordSettings &settings, Prompter &prompter, const Clock &clock,
                                   ActivationView &view)
    : m_ledger(ledger), m_settings(settings), m_prompter(prompter), m_clock(clock), m_view(view)
{
}

QStringList RecordActivation::dateChoices(QDate today)
{
    QStringList dates;
    for (int back = 0; back <= 6; ++back)
        dates << Locale::date(today.addDays(-back));
    return dates;
}

int RecordActivation::monthNumber(const QString &tableName)
{
    if (Catalogue::isPreviousYearName(tableName))
        return 0;
    if (const int month = Catalogue::monthOfFile(tableName))
        return month;
    return Catalogue::itemOfFile(tableName);
}

RecordActivation::Result RecordActivation::run(RecordKind kind, const QString &title, bool remembersPlacement)
{
    Result result;
    // Steps 1 and 3, undone at step 15 whatever happens in between.
    struct Setup
    {
        ActivationView &view;
        Setup(ActivationView &v) : view(v)
        {
            view.setBusy(true);
        }
        ~Setup()
        {
            view.setBusy(false);
            view.setOutOfView(false);
        }
    } setup(m_view);

    if (m_mainWindow)
        m_mainWindow->setMainStatusText(OpenStatus);
    result.kind = kind;
    m_settings.setKind(result.kind);
    result.automaticSupplement = m_settings.automaticSupplement();
    // The numbering reads the table once and takes the total and the
    // hidden-marked rows on the way, so the count below reads nothing.
    result.rowsWritten = Renumbering::run(m_ledger, result.automaticSupplement);
    result.hiddenCount = LedgerTotals::hiddenCount(m_ledger);
    m_view.setHiddenCountText(LedgerTotals::hiddenCountText(result.hiddenCount));
    m_view.setOutOfView(true);

    m_view.applyToolbarChoices(m_settings.toolbarChoices(), result.kind);

    if (m_mainWindow)
        m_mainWindow->DtVisTrue();
    m_view.setCaption(title);

    const QDate today = m_clock.today();
    m_view.setDateChoices(dateChoices(today));
    m_view.setTodayText(Locale::date(today));
    m_view.setTextChoices(m_texts ? m_texts() : QStringList());

    m_view.setGridBackground(m_settings.gridBackground());
    if (remembersPlacement)
        m_view.makeSizeable();
    else
        m_view.layoutForWidth();

    result.monthNumber = monthNumber(m_ledger.tableName());
    m_view.chooseKind(result.kind);
    if (result.kind == RecordKind::Month) {
        if (m_paymentOffer)
            m_paymentOffer(m_ledger, result.monthNumber, m_prompter, m_clock);
        m_ledger.first();
    }

    if (remembersPlacement)
        m_view.layoutForSize();
    return result;
}
