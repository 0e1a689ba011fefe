#include "core/app/commands/ShutdownCommand.h"

#include "core/data/platform/PlatformServices.h"

ShutdownCommand::Outcome ShutdownCommand::run(const Steps &steps, PlatformServices &services, QString &lastError)
{
    if (!steps.confirm || !steps.confirm())
        return Outcome::Cancelled;
    if (steps.showWait)
        steps.showWait();
    const PlatformServices::ShutdownResult result = services.shutdown();
    if (result.accepted)
        return Outcome::EndProgram;
    lastError = result.errorText;
    return Outcome::Refused;
}
