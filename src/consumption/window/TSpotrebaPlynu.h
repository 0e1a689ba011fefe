#pragma once

#include "consumption/window/PricedLogWindow.h"

// "Evidence spotřeby Plynu": the gas log ("SPPlyn.db", grid El), read in
// m3 and priced per kWh at 10.5 kWh a m3.
class TSpotrebaPlynu : public PricedLogWindow
{
    Q_OBJECT
public:
    TSpotrebaPlynu(Prompter &prompter, PlatformServices &services, QWidget *parent = nullptr,
                           LogYear year = LogYear::current());

    void ReCalc() { showTotal(0); }
    void VypocitaPocStavClick() { carryOver(0); }
    void OKClick() { writeAndClose(); }
};
