#pragma once

#include "consumption/window/PricedLogWindow.h"

// "Evidence spotřeby vody": the hot-water log (grid TV, "Spvodat.DB") over
// the cold-water log (grid SV, "SPVodaS.db").
class TSpotrebaVody : public PricedLogWindow
{
    Q_OBJECT
public:
    TSpotrebaVody(Prompter &prompter, PlatformServices &services, QWidget *parent = nullptr,
                          LogYear year = LogYear::current());

    void ReCalc() { showTotal(0); }
    void ReCalc2() { showTotal(1); }
    void VlozPocStavTeplaClick() { carryOver(0); }
    void VlozPocatecniStavStudenaClick() { carryOver(1); }
    void OKClick() { writeAndClose(); }
};
