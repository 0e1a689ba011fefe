#include "consumption/window/TSpotrebaElektriny.h"

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/LogOpening.h"
#include "consumption/window/LogGrid.h"
#include "widgets/TableGrid.h"


TSpotrebaElektriny::TSpotrebaElektriny(Prompter &prompter, PlatformServices &services, QWidget *parent, LogYear year)
    : PricedLogWindow(prompter, services, parent, QStringLiteral("Evidence spotřeby Elektřiny"), QSize(736, 317), true,
                      {{QStringLiteral("SPELEKTR.DB"), &Meters::electricity,
                        pricedColumns(QStringLiteral("Kc/KWh"), QStringLiteral("Kč/kWh"), LogColumn::Shown::Fixed, 1,
                                      QStringLiteral("KWh"), QStringLiteral("Kč/kWh")),
                        QStringLiteral("El"), QStringLiteral("Evidence spotřeby elektřiny"), QStringLiteral("C1"),
                        QStringLiteral("Celkem: ? Kč")}},
                      LogOpening::ElectricityConverter, year)
{
    setObjectName(QStringLiteral("SpotrebaElektriny"));
    label(QStringLiteral("Elektřina:"), QStringLiteral("Label1"), {8, 10, 200, 20});
    addCarryButton(0, QStringLiteral("VypocitaPocStav"), {578, 6, 150, 25});
    placeLog(0, {8, 34, 720, 236}, {8, 280, 130, 27}, {150, 280, 370, 27});
    addOkButton({648, 280, 80, 27});
    logGrid(0)->setColumnWidths({100, 115, 115, 115, 115});
    logGrid(0)->grid()->setFocus();
}
