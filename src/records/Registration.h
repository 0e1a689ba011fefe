#pragma once

class AppContext;

// The record windows' subsystem: registers the record window TForm3, the
// window of the information texts TForm8, the item-names dialog TForm13 and
// the window of the regular payments TForm17 with the context, and installs
// the start-up pass of the item names and the offer of the payments.
void registerRecords(AppContext &context);

// The record window TForm3 alone (tests): WindowId::RecordWindow, showing
// the table of the context's ledger holder.
void registerRecordWindow(AppContext &context);
// The window of the information texts alone (tests).
void registerInfoTextWindow(AppContext &context);
// The item-names dialog and the start-up pass of the names alone (tests).
void registerItemNames(AppContext &context);
// The window of the regular payments alone (tests).
void registerPaymentsWindow(AppContext &context);
// The add-item wizard alone (tests).
void registerWizard(AppContext &context);
