#pragma once

class AppContext;

// The main window's subsystem: registers the maker of the main window
// THlavni_Formular with the context.
void registerShell(AppContext &context);
