#pragma once

#include <QFrame>

// The record window's opening picture: 210 x 265 px, centred on the
// screen, with a lowered frame; an open ledger with a pen and a coin. It
// closes itself after 700 ms and does not hold up the window meanwhile.
class OpeningPicture : public QFrame
{
    Q_OBJECT
public:
    static constexpr int Width = 210;
    static constexpr int Height = 265;
    static constexpr int ShownMs = 700;

    explicit OpeningPicture(QWidget *parent = nullptr);

    // Shows a picture that deletes itself when its time is up.
    static OpeningPicture *flash();

protected:
    void paintEvent(QPaintEvent *event) override;
};
