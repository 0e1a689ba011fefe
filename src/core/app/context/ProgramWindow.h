#pragma once

#include "core/app/context/AppContext.h"
#include "core/data/platform/StatusSink.h"

#include <QMainWindow>

class TForm26;

// The main window as the start-up and the other windows see it: it holds
// the menus and the status bar the holders report to, tells when it has
// been drawn once and when it is closed. The shell builds it through the
// factory it registers with the context.
class ProgramWindow : public QMainWindow, public MainWindowHooks, public StatusSink
{
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // The long-lived wait window shown while the machine shuts down.
    virtual void setShutdownWait(TForm26 *wait) = 0;

    QWidget *mainWidget() override { return this; }

signals:
    // The window has been drawn once; the password and the tips follow.
    void firstPainted();
    // The window has been closed: the run ends.
    void closed();
};
