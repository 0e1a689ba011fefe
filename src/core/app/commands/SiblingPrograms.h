#pragma once

#include "core/data/platform/PlatformServices.h"

#include <QString>

class Prompter;

// Starting the programs that come beside this one: the area codes
// ("Volbik.exe") and the previous year's consumption logs ("Minulak.exe").
namespace SiblingPrograms {

// The message for a program that could not be started; empty when the
// reason has none (started, or an unknown failure).
QString failureMessage(PlatformServices::LaunchResult result);

// LaunchProgram: starts `file`; a failure is told in its message.
void launch(const QString &file, PlatformServices &services, Prompter &prompter);

// The previous year's consumption log `index` (0 water, 1 electricity,
// 2 gas): SrcData names the log for "Minulak.exe", which is then started;
// its failures are not told.
void showPreviousConsumption(int index, PlatformServices &services);

} // namespace SiblingPrograms
