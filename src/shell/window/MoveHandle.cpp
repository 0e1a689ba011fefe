#include "shell/window/MoveHandle.h"

#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr int Margin = 2;
}

MoveHandle::MoveHandle(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Pohyb"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(Margin);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(200, 0, 0));
    setPalette(colours);
    setCursor(Qt::SizeAllCursor);
    // The button inside stays visible: only the frame's edge takes the mouse.
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
    setEnabled(false);
}

void MoveHandle::attach(QPushButton *button)
{
    m_button = button;
    follow();
    show();
    raise();
}

void MoveHandle::detach()
{
    m_button = nullptr;
    m_dragging = false;
    hide();
}

void MoveHandle::follow()
{
    if (m_button)
        setGeometry(m_button->geometry().adjusted(-Margin, -Margin, Margin, Margin));
}

void MoveHandle::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_button)
        return;
    m_dragging = true;
    m_grab = event->position().toPoint();
}

void MoveHandle::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !m_button)
        return;
    const QPoint topLeft = mapToParent(event->position().toPoint()) - m_grab;
    // The button stays inside the client area.
    const QRect area = parentWidget()->rect();
    const int left = std::clamp(topLeft.x() + Margin, 0, std::max(0, area.width() - m_button->width()));
    const int top = std::clamp(topLeft.y() + Margin, 0, std::max(0, area.height() - m_button->height()));
    m_button->move(left, top);
    follow();
}

void MoveHandle::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}
