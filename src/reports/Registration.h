#pragma once

#include <functional>

class AppContext;

// The printed reports' subsystem: registers the report TForm24 with its
// preview window for the print commands.
void registerReports(AppContext &context);
// The same with another look at the machine's printers (tests).
void registerReports(AppContext &context, std::function<bool()> printersInstalled);
