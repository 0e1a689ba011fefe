#pragma once

#include "widgets/EditingDialog.h"

class AlarmClock;
class Clock;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The alarm settings "Nastavení Budíku": the alarm's hour and minute, its
// message and sound file, and the switch that arms it. Closing the window
// leaves the alarm as it is; a message typed is kept.
class TFrmBudik : public EditingDialog
{
    Q_OBJECT
public:
    // With `switchOn` the window opens armed: the values shown arm the
    // alarm again (the tray's "Zobrazit budík").
    TFrmBudik(AlarmClock &alarm, Prompter &prompter, const Clock &clock, bool switchOn, QWidget *parent = nullptr);

    QSpinBox *hourBox() const { return m_hour; }
    QSpinBox *minuteBox() const { return m_minute; }
    QLineEdit *messageBox() const { return m_message; }
    QLineEdit *soundBox() const { return m_sound; }
    QPushButton *switchButton() const { return m_switch; }
    QPushButton *currentTimeButton() const { return m_current; }
    QPushButton *soundButton() const { return m_chooseSound; }

protected:
    bool writePending() override;

private:
    void setSwitch(bool on);
    void useCurrentTime();
    void chooseSound();

    AlarmClock &m_alarm;
    const Clock &m_clock;
    QSpinBox *m_hour = nullptr;
    QSpinBox *m_minute = nullptr;
    QLineEdit *m_message = nullptr;
    QLineEdit *m_sound = nullptr;
    QPushButton *m_switch = nullptr;
    QPushButton *m_current = nullptr;
    QPushButton *m_chooseSound = nullptr;
};
