#pragma once

class AppContext;

// Registers the record window TForm3 as WindowId::RecordWindow; it shows
// the table of the context's ledger holder.
void registerRecordWindow(AppContext &context);
