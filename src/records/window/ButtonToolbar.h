#pragma once

#include "records/window/ToolbarLayout.h"

#include <QFrame>
#include <array>

class DigitalClock;
class LedLamp;
class QToolButton;
class Clock;

// The record window's button toolbar `ToolBar2`: the find, filter,
// movement and editing buttons, the settings, graph and row colour
// buttons, the close and calculator buttons, the clock `Cas1` and the lamp
// `Led1`, each named as the program has always named it.
class ButtonToolbar : public QFrame
{
    Q_OBJECT
public:
    static constexpr int Height = 28;

    ButtonToolbar(const Clock &clock, QWidget *parent = nullptr);

    QToolButton *button(ToolbarControl control) const;
    QWidget *control(ToolbarControl control) const { return m_controls[std::size_t(control)]; }
    DigitalClock *clock() const { return m_clock; }
    LedLamp *lamp() const { return m_lamp; }

    // Shows, hides and places the controls; the lamp at `lampLeft`. The
    // clock ends before the lamp.
    void apply(const ButtonToolbarPlacement &placement, int lampLeft);

private:
    std::array<QWidget *, ToolbarControlCount> m_controls{};
    DigitalClock *m_clock = nullptr;
    LedLamp *m_lamp = nullptr;
};
