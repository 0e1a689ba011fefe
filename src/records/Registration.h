#pragma once

class AppContext;

// The record windows' subsystem: registers the record window TForm3 and
// the window of the information texts TForm8 with the context.
void registerRecords(AppContext &context);

// The window of the information texts alone (tests).
void registerInfoTextWindow(AppContext &context);
