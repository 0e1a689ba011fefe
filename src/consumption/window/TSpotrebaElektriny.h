#pragma once

#include "consumption/window/PricedLogWindow.h"

// "Evidence spotřeby Elektřiny": the single-tariff electricity log
// ("SPELEKTR.DB", grid El).
class TSpotrebaElektriny : public PricedLogWindow
{
    Q_OBJECT
public:
    TSpotrebaElektriny(Prompter &prompter, PlatformServices &services, QWidget *parent = nullptr,
                               LogYear year = LogYear::current());

    void ReCalc() { showTotal(0); }
    void VypocitaPocStavClick() { carryOver(0); }
    void OKClick() { writeAndClose(); }
};
