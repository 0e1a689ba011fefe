#include "consumption/window/TSpotrebaVody.h"

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/LogOpening.h"
#include "consumption/window/LogGrid.h"
#include "widgets/Hints.h"
#include "widgets/TableGrid.h"

#include <QFrame>
#include <QLabel>

namespace {

using Shown = LogColumn::Shown;

std::vector<PricedLogWindow::LogSetup> waterLogs()
{
    return {
        // Hot water shows its money as "0.00 Kč/m3" and "0.00 Kč", cold
        // water in the locale's currency format.
        {QStringLiteral("Spvodat.DB"), &Meters::water,
         pricedColumns(QStringLiteral("Kc/m3"), QStringLiteral("Kč/m3"), Shown::Fixed, 3, QStringLiteral("m3"),
                       QStringLiteral("Kč/m3")),
         QStringLiteral("TV"), QStringLiteral("Evidence Teplé vody"), QStringLiteral("C1"), QStringLiteral("Celkem:")},
        {QStringLiteral("SPVodaS.db"), &Meters::water,
         pricedColumns(QStringLiteral("Kc/m3"), QStringLiteral("Kč/m3"), Shown::Currency, 3, QStringLiteral("m3"),
                       QString()),
         QStringLiteral("SV"), QStringLiteral("Evidence studené vody"), QStringLiteral("C2"), QStringLiteral("Celkem:")},
    };
}

const QList<int> ColumnWidths{90, 110, 110, 110, 110};

} // namespace

TSpotrebaVody::TSpotrebaVody(Prompter &prompter, PlatformServices &services, QWidget *parent, LogYear year)
    : PricedLogWindow(prompter, services, parent, QStringLiteral("Evidence spotřeby vody"), QSize(709, 474), false,
                      waterLogs(), LogOpening::WaterConverter, year)
{
    setObjectName(QStringLiteral("SpotrebaVody"));

    label(QStringLiteral("Teplá voda:"), QStringLiteral("Label1"), {8, 10, 200, 20});
    addCarryButton(0, QStringLiteral("VlozPocStavTepla"), {551, 6, 150, 25});
    placeLog(0, {8, 34, 693, 150}, {8, 188, 130, 25}, {400, 188, 301, 25});

    auto *line = new QFrame(surface());
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(4, 218, 701, 6);
    Hints::apply(line, QStringLiteral("Oddělovací čára Teplé a Studené vody"));

    label(QStringLiteral("Studená voda:"), QStringLiteral("Label2"), {8, 230, 200, 20});
    addCarryButton(1, QStringLiteral("VlozPocatecniStavStudena"), {551, 226, 150, 25});
    placeLog(1, {8, 254, 693, 150}, {8, 408, 130, 25}, {400, 408, 301, 25});

    addOkButton({621, 441, 80, 27});

    for (int log = 0; log < 2; ++log)
        logGrid(log)->setColumnWidths(ColumnWidths);
    // The hot-water grid has the focus first, so its total is worked out
    // as soon as the window opens.
    logGrid(0)->grid()->setFocus();
}
