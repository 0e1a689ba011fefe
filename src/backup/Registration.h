#pragma once

class AppContext;

// The backup window and the window that opens a backup.
void registerBackup(AppContext &context);
