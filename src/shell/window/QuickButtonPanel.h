#pragma once

#include "shell/look/QuickButtons.h"

#include <QObject>
#include <QPoint>
#include <QSize>
#include <array>

class QPushButton;
class QWidget;

// The twelve quick buttons on the main window's client area: made with
// their captions and hints, shown by the quick-button rule, moved to their
// stored or centred places. A click is passed on as its button's number.
class QuickButtonPanel : public QObject
{
    Q_OBJECT
public:
    // The buttons become children of `client`.
    explicit QuickButtonPanel(QWidget *client);

    // Button n (1-12).
    QPushButton *button(int n) const { return m_buttons[std::size_t(n - 1)]; }

    std::array<QPoint, QuickButtons::Count> places() const;
    void moveTo(const std::array<QPoint, QuickButtons::Count> &places);
    // The centred places for the client area's width.
    void placeInCentre();
    // Every button that reaches outside an area of this size is moved in.
    void keepWithin(QSize area);
    void setShown(const std::array<bool, QuickButtons::Count> &shown);

signals:
    void clicked(int n);

private:
    QWidget *m_client;
    std::array<QPushButton *, QuickButtons::Count> m_buttons{};
};
