#include "consumption/window/TSpotrebaElNoc.h"

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/window/LogGrid.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "widgets/Hints.h"
#include "widgets/TableGrid.h"

#include <QHeaderView>
#include <QPushButton>

namespace {

QList<LogColumn> nightColumns()
{
    using Shown = LogColumn::Shown;
    const QColor grid; // the grid's colour
    const auto reading = [&](const char *field, const char *title) {
        return LogColumn{QString::fromUtf8(field), QString::fromUtf8(title), Shown::General, 0, {}, grid, true, true};
    };
    const auto used = [&](const char *field, const char *title) {
        return LogColumn{QString::fromUtf8(field), QString::fromUtf8(title), Shown::Fixed, 0, QStringLiteral("KWh"), grid,
                         true};
    };
    return {
        {QStringLiteral("Mesic"), QStringLiteral("Měsíc"), Shown::AsStored, 0, {}, MeterLogModel::MonthColour, false},
        {QStringLiteral("SazbaDen"), QStringLiteral("Sazba ve dne"), Shown::Currency, 2, {}, grid, true},
        {QStringLiteral("SazbaNoc"), QStringLiteral("Sazba v noci"), Shown::Currency, 2, {}, grid, true},
        reading("Pocatek01", "Poč. stav 1. elekt."),
        reading("Konec01", "Kon. stav 1. elekt."),
        used("Spotreba01", "Spotřeba 1. elekt."),
        reading("Pocatek02", "Poč. stav 2. elekt."),
        reading("Konec02", "Kon. stav 2. elekt."),
        used("Spotreba02", "Spotřeba 2. elekt."),
    };
}

} // namespace

TSpotrebaElNoc::TSpotrebaElNoc(Prompter &prompter, QWidget *parent, LogYear year)
    : LogWindowFrame(prompter, parent, year.caption(QStringLiteral("Evidence spotřeby Elektřiny s Nočním proudem")),
                     QSize(793, 316), true),
      m_table(std::make_unique<Table>())
{
    setObjectName(QStringLiteral("SpotrebaElNoc"));
    m_table->setFolder(year.folder());
    m_table->setTableName(QStringLiteral("SpElNoc.DB"));
    m_log = std::make_unique<NightTariffLog>(*m_table);
    m_log->setReadOnly(year.previous);
    // FormCreate: no converter here; the engine says what is wrong.
    guarded([this] { m_table->open(); });

    label(QStringLiteral("Elektřina:"), QStringLiteral("Label1"), {8, 10, 120, 20});
    QPushButton *equalise = button(QStringLiteral("Sjednotit sazby"), QStringLiteral("SjednSazby"),
                                   QString(), {100, 6, 130, 25});
    const QString carryHint = QStringLiteral("Vloží počáteční stav z minulého měsíce");
    QPushButton *carry1 = button(QStringLiteral("Vlož počáteční stav"), QStringLiteral("Poc1"), carryHint,
                                 {300, 6, 150, 25});
    QPushButton *carry2 = button(QStringLiteral("Vlož počáteční stav"), QStringLiteral("Poc2"), carryHint,
                                 {550, 6, 150, 25});

    m_grid = new LogGrid(*m_log, nightColumns(), prompter, surface());
    m_grid->grid()->setObjectName(QStringLiteral("El"));
    Hints::apply(m_grid->grid(), QStringLiteral("Evidence spotřeby elektřiny"));
    m_grid->grid()->setGeometry(8, 34, 777, 236);
    m_grid->setColumnWidths({70, 72, 72, 82, 82, 82, 82, 82});
    // Nine columns: their titles take two lines.
    QHeaderView *titles = m_grid->grid()->horizontalHeader();
    titles->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    titles->setFixedHeight(2 * titles->fontMetrics().height() + 8);

    for (QPushButton *change : {equalise, carry1, carry2})
        change->setEnabled(!year.previous);
    QPushButton *ok = button(QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("Uložit změny a zavřít okno"),
                             {705, 280, 80, 27});
    connect(equalise, &QPushButton::clicked, this, &TSpotrebaElNoc::SjednSazbyClick);
    connect(carry1, &QPushButton::clicked, this, &TSpotrebaElNoc::Poc1Click);
    connect(carry2, &QPushButton::clicked, this, &TSpotrebaElNoc::Poc2Click);
    connect(ok, &QPushButton::clicked, this, &TSpotrebaElNoc::OKClick);
    m_grid->grid()->setFocus();
}

TSpotrebaElNoc::~TSpotrebaElNoc()
{
    // FormDestroy: the pending row is written, the table closed.
    writeAll();
    m_table->close();
    delete surface(); // the grid goes before its table
}

bool TSpotrebaElNoc::tablesOpen() const { return m_table->isOpen(); }

bool TSpotrebaElNoc::writePending()
{
    if (!m_grid->grid()->commitOpenEditor())
        return false;
    m_log->postPending();
    return true;
}

void TSpotrebaElNoc::SjednSazbyClick()
{
    if (!prompter().ask(NightTariffLog::EqualiseTitle, NightTariffLog::EqualiseQuestion, Prompter::InformationSign))
        return;
    busy([this] { m_grid->run([this] { m_log->equaliseRates(); }); });
}

void TSpotrebaElNoc::Poc1Click()
{
    m_grid->run([this] { m_log->carryOver(0); });
}

void TSpotrebaElNoc::Poc2Click()
{
    m_grid->run([this] { m_log->carryOver(1); });
}
