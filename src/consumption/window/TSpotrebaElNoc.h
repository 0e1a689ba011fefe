#pragma once

#include "consumption/meter/LogYear.h"
#include "consumption/window/LogWindowFrame.h"

#include <memory>

class LogGrid;
class NightTariffLog;
class Table;

// "Evidence spotřeby Elektřiny s Nočním proudem": day and night rates and
// the readings of two meters for each month ("SpElNoc.DB", grid El); the
// consumption of each meter is worked out, no amount and no total. A table
// that cannot be opened is told with the engine's words and leaves the grid
// empty.
class TSpotrebaElNoc : public LogWindowFrame
{
    Q_OBJECT
public:
    explicit TSpotrebaElNoc(Prompter &prompter, QWidget *parent = nullptr, LogYear year = LogYear::current());
    ~TSpotrebaElNoc() override;

    LogGrid *logGrid() const { return m_grid; }
    bool tablesOpen() const override;

    void SjednSazbyClick();
    void Poc1Click();
    void Poc2Click();
    void OKClick() { writeAndClose(); }

protected:
    bool writePending() override;

private:
    std::unique_ptr<Table> m_table;
    std::unique_ptr<NightTariffLog> m_log;
    LogGrid *m_grid = nullptr;
};
