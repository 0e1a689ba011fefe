#pragma once

#include "widgets/FlashedPicture.h"

// The picture shown before the graph window when the settings ask for
// pictures: 200 x 220 px, a few bars and the line of their total.
class GraphPicture : public FlashedPicture
{
    Q_OBJECT
public:
    static constexpr int Width = 200;
    static constexpr int Height = 220;

    explicit GraphPicture(QWidget *parent = nullptr);

    static void flash() { FlashedPicture::flash(new GraphPicture); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
