#pragma once

class AppContext;

// The record windows' subsystem: registers the record window TForm3, the
// window of the information texts TForm8 and the item-names dialog TForm13
// with the context, and installs the start-up pass of the item names.
void registerRecords(AppContext &context);

// The window of the information texts alone (tests).
void registerInfoTextWindow(AppContext &context);
// The item-names dialog and the start-up pass of the names alone (tests).
void registerItemNames(AppContext &context);
