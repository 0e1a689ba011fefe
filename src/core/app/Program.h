#pragma once

#include "core/app/StatusRelay.h"

#include <functional>
#include <memory>
#include <vector>

class AppContext;
class QDialog;
class TDataModule12;
class TDataModule2;
class TDataModule23;
class TDataModule6;
class TForm26;
class ProgramWindow;

// The long-lived objects of one run, created in their fixed order (the
// item names' holder first, the ledger holder after the main window) and
// destroyed in the reverse order. The windows registered for the context,
// and the shell that makes the main window, must be registered before.
class ProgramSession
{
public:
    // `advance` runs before each object is created (the loading window's
    // progress bar).
    explicit ProgramSession(AppContext &context, const std::function<void()> &advance = {});
    ~ProgramSession();
    ProgramSession(const ProgramSession &) = delete;
    ProgramSession &operator=(const ProgramSession &) = delete;

    // How many objects a session of `context` creates.
    static int stepCount(const AppContext &context);

    ProgramWindow *mainWindow() const { return m_mainWindow.get(); }

private:
    struct Step
    {
        const char *name;
        std::function<void()> create;
    };
    std::vector<Step> steps();

    AppContext &m_context;
    StatusRelay m_relay; // the holders report to the main window through it
    std::unique_ptr<TDataModule12> m_dataModule12;
    std::unique_ptr<ProgramWindow> m_mainWindow;
    std::unique_ptr<QDialog> m_settingsDialog;
    std::unique_ptr<TDataModule6> m_dataModule6;
    std::unique_ptr<TDataModule23> m_dataModule23;
    std::unique_ptr<TForm26> m_shutdownWait;
    std::unique_ptr<TDataModule2> m_dataModule2;
};

// The start-up up to the message loop: the loading window while the
// long-lived objects are made, then the main window shown maximised. Null
// when the main window could not be made.
std::unique_ptr<ProgramSession> startProgramSession(AppContext &context);

// The hint windows of the whole program: red 227, green 224, blue 248.
void applyHintColours();

// The whole run of the program: choose the program folder, register the
// subsystems' windows with `context`, start up, run the message loop until
// the main window closes.
int runProgram(int argc, char **argv, AppContext &context, const std::function<void(AppContext &)> &registerSubsystems);
