#include "shell/Registration.h"

#include "core/app/context/AppContext.h"
#include "shell/window/THlavni_Formular.h"

void registerShell(AppContext &context)
{
    context.registerProgramWindow(
        [](AppContext &session) -> std::unique_ptr<ProgramWindow> { return std::make_unique<THlavni_Formular>(session); });
}
