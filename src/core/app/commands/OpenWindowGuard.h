#pragma once

#include <QString>

// The registry flags that keep a second record window from opening while
// one is open (RunFrm) and the graph window from rebuilding its chart on
// every activation (FrmGraf). They outlive the process and are shared by
// every instance of the program run by the same user.
namespace OpenWindowGuard {

inline const QString ActiveMessage = QStringLiteral("Databáze je již aktivní !");

// RunFrm := false, FrmGraf := false: what a run that ended without closing
// its windows left behind is cleared when the main window is built.
void reset();
// RunFrm: a record window is open.
bool recordWindowOpen();

} // namespace OpenWindowGuard
