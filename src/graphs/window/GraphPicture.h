#pragma once

#include <QFrame>

// The picture shown before the graph window when the settings ask for
// pictures: 200 x 220 px, centred on the screen, with a lowered frame. It
// closes itself after 700 ms and does not hold up the window meanwhile.
class GraphPicture : public QFrame
{
    Q_OBJECT
public:
    static constexpr int Width = 200;
    static constexpr int Height = 220;
    static constexpr int ShownMs = 700;

    explicit GraphPicture(QWidget *parent = nullptr);
    static GraphPicture *flash();

protected:
    void paintEvent(QPaintEvent *event) override;
};
