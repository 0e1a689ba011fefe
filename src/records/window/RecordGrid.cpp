#include "records/window/RecordGrid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

RecordGrid::RecordGrid(QWidget *parent) : TableGrid(parent) { setObjectName(QStringLiteral("DBGrid1")); }

void RecordGrid::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && event->key() == Qt::Key_Delete) {
        emit deleteRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_Insert) {
        emit insertRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        emit cancelRequested();
        return;
    }
    TableGrid::keyPressEvent(event);
}

void RecordGrid::focusInEvent(QFocusEvent *event)
{
    TableGrid::focusInEvent(event);
    emit focused();
}

void RecordGrid::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}
