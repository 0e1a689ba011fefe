#pragma once

#include "core/data/platform/PlatformServices.h"

// The services of the running program on a freedesktop desktop: programs
// started detached (never through a shell), shutdown through logind, the
// screen saver through org.freedesktop.ScreenSaver, dialling and the help
// through the desktop's URL handlers.
class DesktopServices final : public PlatformServices
{
public:
    LaunchResult launchProgram(const QString &file) override;
    ShutdownResult shutdown() override;
    bool screenSaverAvailable() override;
    void startScreenSaver() override;
    void dial(const QString &number, const QString &name) override;
    void playSound(const QString &wavFile) override;
    void stopSound() override;
    void openHelp(const QString &helpFile) override;
};
