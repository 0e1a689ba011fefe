#pragma once

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

// Ends the program as closing it does when the process is asked to stop
// (SIGTERM, SIGHUP, SIGINT) or the desktop session ends: every open
// window is closed from the top, so that a record being typed is written,
// the open-window guard cleared and the main window's settings saved. The
// signals only wake the event loop (through a pipe); the work runs there.
class SessionEnd : public QObject
{
    Q_OBJECT
public:
    explicit SessionEnd(QObject *parent = nullptr);
    ~SessionEnd() override;

    // The window whose closing ends the run; without one the application
    // quits once the other windows are closed.
    void setMainWindow(QWidget *window) { m_mainWindow = window; }

    // The end has begun (in this process): a window closed now is closed
    // by the end, not by the user.
    static bool isEnding();

public slots:
    void endNow();

signals:
    // The end has begun: from now on nobody is there to answer a question.
    void ending();

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
    QPointer<QWidget> m_mainWindow;
    bool m_ending = false;
};
