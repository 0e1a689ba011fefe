#include "core/app/commands/SiblingPrograms.h"

#include "core/app/commands/CommandTables.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

namespace SiblingPrograms {

QString failureMessage(PlatformServices::LaunchResult result)
{
    using Result = PlatformServices::LaunchResult;
    switch (result) {
    case Result::OutOfMemory: return QStringLiteral("Pro spuštění programu je málo paměti");
    case Result::NotAProgram: return QStringLiteral("Program je poškozen");
    case Result::PathNotFound: return QStringLiteral("Zadána špatná cesta");
    case Result::FileNotFound: return QStringLiteral("Program nebyl nalezen");
    case Result::Started:
    case Result::OtherFailure: break;
    }
    return {};
}

void launch(const QString &file, PlatformServices &services, Prompter &prompter)
{
    const QString message = failureMessage(services.launchProgram(file));
    if (!message.isEmpty())
        prompter.message(message);
}

void showPreviousConsumption(int index, PlatformServices &services)
{
    RegFlags registration(QLatin1String(RegistryKey), QLatin1String(Section::Registrace));
    registration.write(Key::Reg::SrcData, QString::fromUtf8(Commands::previousConsumption(index).srcData));
    services.launchProgram(Commands::PreviousConsumptionProgram);
}

} // namespace SiblingPrograms
