#include "core/app/dialogs/TSporic.h"

#include "widgets/StarField.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

TSporic::TSporic(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Sporic"));
    setWindowTitle(QStringLiteral("Spořič obrazovky"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setCursor(Qt::BlankCursor);

    m_stars = new StarField(this);
    m_stars->setObjectName(QStringLiteral("StarField1"));
    m_stars->setStarCount(300);
    m_stars->setZoom(100);
    m_stars->setSpeed(15);
    m_stars->setWarp(true);
    // Clicks go through to the window, which closes.
    m_stars->setAttribute(Qt::WA_TransparentForMouseEvents);
    setWindowState(Qt::WindowMaximized);
}

void TSporic::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_stars->setGeometry(rect());
}

void TSporic::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        accept();
}

void TSporic::mouseDoubleClickEvent(QMouseEvent *) { accept(); }

void TSporic::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *end = menu.addAction(QStringLiteral("Konec Spořiče"));
    end->setObjectName(QStringLiteral("KonecSporice"));
    end->setEnabled(false);
    menu.exec(event->globalPos());
}
