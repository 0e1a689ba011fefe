#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// What the program asks of the desktop: start a sibling program, shut the
// machine down, the system screen saver, dialling, sounds and the help.
// The running program gets the real services; tests and trial runs
// (ROZVAHON_FAKE_PLATFORM=1) get the recording fake, so no test ever shuts
// a machine down or starts another program.
class PlatformServices
{
public:
    // Why a program could not be started; each maps to its own message.
    enum class LaunchResult { Started, OutOfMemory, NotAProgram, PathNotFound, FileNotFound, OtherFailure };

    struct ShutdownResult
    {
        bool accepted = false;
        QString errorText; // "Error: " + the system's reason when refused
    };

    virtual ~PlatformServices();

    virtual LaunchResult launchProgram(const QString &file) = 0;
    virtual ShutdownResult shutdown() = 0;
    virtual bool screenSaverAvailable() = 0;
    virtual void startScreenSaver() = 0;
    virtual void dial(const QString &number, const QString &name) = 0;
    // Plays a WAV file without waiting, replacing a sound still playing. An
    // empty name, or a file that cannot be played, rings the desktop's bell
    // instead, so that an alarm is never silent.
    virtual void playSound(const QString &wavFile) = 0;
    virtual void stopSound() = 0;
    virtual void openHelp(const QString &helpFile) = 0;

    // The services of this process: the fake when ROZVAHON_FAKE_PLATFORM is
    // set, otherwise whatever the program installed (the real services).
    static PlatformServices &current();
    static void install(std::unique_ptr<PlatformServices> services);
    static bool fakeRequested();
};

// Records every request instead of performing it. Results can be set.
class FakePlatformServices final : public PlatformServices
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

    // One line per request, e.g. "launch Volbik.exe", "shutdown", "dial 123",
    // "play /x/Ding.wav", "bell" (a play without a file), "stop sound".
    QStringList calls;
    LaunchResult nextLaunchResult = LaunchResult::Started;
    ShutdownResult nextShutdownResult{true, {}};
    bool screenSaver = true;
};
