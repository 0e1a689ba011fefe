#pragma once

class AppContext;

// The composition root: the one list of the program's subsystems. Each
// subsystem registers its windows (and installs its long-lived parts)
// with the context through its own entry point; nothing below app/ knows
// the list.
void registerSubsystems(AppContext &context);
