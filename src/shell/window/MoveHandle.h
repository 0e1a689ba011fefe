#pragma once

#include <QFrame>
#include <QPointer>
#include <QPushButton>

// The move handle `Pohyb` of the moving mode: attached to one quick
// button, it frames it 2 pixels outside on every side, and dragging the
// frame drags the button. Attaching it to another button leaves the first.
class MoveHandle final : public QFrame
{
    Q_OBJECT
public:
    explicit MoveHandle(QWidget *parent);

    void attach(QPushButton *button);
    void detach();
    QPushButton *button() const { return m_button; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void follow();

    QPointer<QPushButton> m_button;
    QPoint m_grab; // where the frame was taken, in its own coordinates
    bool m_dragging = false;
};
