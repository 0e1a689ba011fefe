#include "consumption/window/TSpotrebaPlynu.h"

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/LogOpening.h"
#include "consumption/window/LogGrid.h"
#include "widgets/TableGrid.h"

#include <QLabel>

TSpotrebaPlynu::TSpotrebaPlynu(Prompter &prompter, PlatformServices &services, QWidget *parent, LogYear year)
    : PricedLogWindow(prompter, services, parent, QStringLiteral("Evidence spotřeby Plynu"), QSize(729, 317), true,
                      {{QStringLiteral("SPPlyn.db"), &Meters::gas,
                        pricedColumns(QStringLiteral("Kc/m3"), QStringLiteral("Kč/kWh"), LogColumn::Shown::Fixed, 3,
                                      QStringLiteral("m3"), QStringLiteral("Kč/kWh")),
                        QStringLiteral("El"), QStringLiteral("Evidence spotřeby plynu"), QStringLiteral("C1"),
                        QStringLiteral("Celkem: ? Kč")}},
                      LogOpening::GasConverter, year)
{
    setObjectName(QStringLiteral("SpotrebaPlynu"));
    label(QStringLiteral("Plyn:"), QStringLiteral("Label1"), {8, 10, 120, 20});
    QLabel *energy = label(QStringLiteral("1m3 = 10,5kWh"), QStringLiteral("Label2"), {300, 10, 160, 20});
    QFont bold = energy->font();
    bold.setBold(true);
    energy->setFont(bold);
    addCarryButton(0, QStringLiteral("VypocitaPocStav"), {571, 6, 150, 25});
    placeLog(0, {8, 34, 713, 236}, {8, 280, 130, 27}, {150, 280, 370, 27});
    addOkButton({641, 280, 80, 27});
    logGrid(0)->setColumnWidths({100, 115, 115, 115, 115});
    logGrid(0)->grid()->setFocus();
}
