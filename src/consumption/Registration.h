#pragma once

#include <QString>
#include <memory>

class AppContext;
class LogWindowFrame;
class Prompter;
class QWidget;

// The meter logs' windows: water, electricity (single and night tariff)
// and gas, each after the picture screen's consumption picture.
void registerConsumption(AppContext &context);

// The previous year's log that `srcData` names ("Voda", "Elekt", "Plyn",
// letter case ignored), only shown; the electricity log with night tariff
// when `nightTariff`. Null for a name that is none of these. The window
// has told why when its tables did not open (tablesOpen()).
std::unique_ptr<LogWindowFrame> createPreviousYearLog(const QString &srcData, bool nightTariff, Prompter &prompter,
                                               QWidget *parent = nullptr);
