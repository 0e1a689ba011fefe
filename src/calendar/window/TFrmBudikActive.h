#pragma once

#include "calendar/time/RingSchedule.h"

#include <QDialog>
#include <QTimer>

class Clock;
class PlatformServices;
class QLabel;
class QPushButton;

// The ringing alarm "Budík": on top of every window, its message and an
// OK button; the sound plays every 2 seconds, the first time 2 seconds
// after the window opened, until OK.
class TFrmBudikActive : public QDialog
{
    Q_OBJECT
public:
    // An empty `soundFile` (none was ever chosen) rings the desktop's bell.
    TFrmBudikActive(const QString &message, QString soundFile, const Clock &clock, PlatformServices &services,
                    QWidget *parent = nullptr);

    QLabel *messageLabel() const { return m_message; }
    QPushButton *okButton() const { return m_ok; }

    // Plays when a play is due; the window's timer asks often.
    void ring();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QString m_soundFile;
    const Clock &m_clock;
    PlatformServices &m_services;
    RingSchedule m_schedule;
    QTimer m_timer;
    QLabel *m_message = nullptr;
    QPushButton *m_ok = nullptr;
};
