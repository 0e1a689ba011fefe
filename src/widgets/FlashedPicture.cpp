#include "widgets/FlashedPicture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

FlashedPicture::FlashedPicture(QSize size, QWidget *parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                         | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(size);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void FlashedPicture::flash(FlashedPicture *picture)
{
    picture->setAttribute(Qt::WA_DeleteOnClose);
    picture->show();
    QTimer::singleShot(ShownMs, picture, &QWidget::close);
}
