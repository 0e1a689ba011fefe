#pragma once

class AppContext;

// The meter logs' windows: water, electricity (single and night tariff)
// and gas, each after the picture screen's consumption picture.
void registerConsumption(AppContext &context);
