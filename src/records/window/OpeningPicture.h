#pragma once

#include "widgets/FlashedPicture.h"

// The record window's opening picture: 210 x 265 px, an open ledger with a
// pen and a coin.
class OpeningPicture : public FlashedPicture
{
    Q_OBJECT
public:
    static constexpr int Width = 210;
    static constexpr int Height = 265;

    explicit OpeningPicture(QWidget *parent = nullptr);

    static void flash() { FlashedPicture::flash(new OpeningPicture); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
