#include "records/window/IndicatorHeader.h"

#include "core/data/engine/Table.h"
#include "records/window/LedgerModel.h"

#include <QPainter>
#include <QPolygonF>

IndicatorHeader::IndicatorHeader(QWidget *parent) : QHeaderView(Qt::Vertical, parent)
{
    setObjectName(QStringLiteral("Indikator"));
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setFixedWidth(Width);
}

QSize IndicatorHeader::sizeHint() const { return {Width, QHeaderView::sizeHint().height()}; }

void IndicatorHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    const bool ticked = m_model && m_model->isTicked(logicalIndex);
    painter->fillRect(rect, ticked ? TickedBackground : palette().color(QPalette::Button));
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->setRenderHint(QPainter::Antialiasing);

    const Table *table = m_model ? &m_model->table() : nullptr;
    if (table && table->isOpen() && table->controlCurrentRow() == logicalIndex) {
        const QRectF mark(rect.left() + 2, rect.top(), 9, rect.height());
        painter->setPen(Qt::black);
        painter->setBrush(Qt::black);
        switch (table->state()) {
        case Table::State::Edit:
            painter->drawText(mark, Qt::AlignCenter, QStringLiteral("I"));
            break;
        case Table::State::Insert:
            painter->drawText(mark, Qt::AlignCenter, QStringLiteral("*"));
            break;
        default: {
            const qreal middle = mark.center().y();
            painter->drawPolygon(QPolygonF() << QPointF(mark.left() + 1, middle - 4) << QPointF(mark.left() + 6, middle)
                                             << QPointF(mark.left() + 1, middle + 4));
            break;
        }
        }
    }
    if (ticked) {
        const QRectF tick(rect.left() + 12, rect.top() + 2, 11, rect.height() - 4);
        painter->setPen(QPen(QColor(0, 0, 128), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        const qreal y = tick.center().y();
        painter->drawPolyline(QPolygonF() << QPointF(tick.left() + 1, y) << QPointF(tick.left() + 4, y + 3.5)
                                          << QPointF(tick.right() - 1, y - 4));
    }
    painter->restore();
}
