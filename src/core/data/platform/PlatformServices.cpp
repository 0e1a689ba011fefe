#include "core/data/platform/PlatformServices.h"

#include <QtGlobal>

PlatformServices::~PlatformServices() = default;

namespace {
std::unique_ptr<PlatformServices> &installed()
{
    static std::unique_ptr<PlatformServices> services;
    return services;
}
} // namespace

bool PlatformServices::fakeRequested()
{
    const QByteArray value = qgetenv("ROZVAHON_FAKE_PLATFORM");
    return !value.isEmpty() && value != "0";
}

PlatformServices &PlatformServices::current()
{
    auto &services = installed();
    if (!services || (fakeRequested() && !dynamic_cast<FakePlatformServices *>(services.get())))
        services = std::make_unique<FakePlatformServices>();
    return *services;
}

void PlatformServices::install(std::unique_ptr<PlatformServices> services)
{
    // A trial run asked for the fake: nobody's machine is touched.
    if (fakeRequested() && !dynamic_cast<FakePlatformServices *>(services.get()))
        return;
    installed() = std::move(services);
}

PlatformServices::LaunchResult FakePlatformServices::launchProgram(const QString &file)
{
    calls << QStringLiteral("launch ") + file;
    return nextLaunchResult;
}

PlatformServices::ShutdownResult FakePlatformServices::shutdown()
{
    calls << QStringLiteral("shutdown");
    return nextShutdownResult;
}

bool FakePlatformServices::screenSaverAvailable() { return screenSaver; }

void FakePlatformServices::startScreenSaver() { calls << QStringLiteral("screensaver"); }

void FakePlatformServices::dial(const QString &number, const QString &name)
{
    calls << QStringLiteral("dial ") + number + QStringLiteral(" ") + name;
}

void FakePlatformServices::playSound(const QString &wavFile)
{
    calls << (wavFile.isEmpty() ? QStringLiteral("bell") : QStringLiteral("play ") + wavFile);
}

void FakePlatformServices::stopSound() { calls << QStringLiteral("stop sound"); }

void FakePlatformServices::openHelp(const QString &helpFile) { calls << QStringLiteral("help ") + helpFile; }
