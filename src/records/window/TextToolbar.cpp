#include "records/window/TextToolbar.h"

#include "widgets/Hints.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

TextToolbar::TextToolbar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setFixedHeight(ToolbarLayout::TextToolbarHeight);

    m_supplement = new QLabel(this);
    m_supplement->setObjectName(QStringLiteral("DBLabel1"));
    m_supplement->setAlignment(Qt::AlignCenter);
    m_supplement->setTextFormat(Qt::PlainText);
    QFont bold = m_supplement->font();
    bold.setBold(true);
    m_supplement->setFont(bold);
    QPalette navy = m_supplement->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_supplement->setPalette(navy);
    m_supplement->setCursor(Qt::PointingHandCursor);
    Hints::apply(m_supplement, QStringLiteral("Změna doplňku (klikněte)|Poznámkový doplněk k položce"));
    m_supplement->installEventFilter(this);

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("Celkem"));
    m_total->setAlignment(Qt::AlignCenter);
    m_total->setTextFormat(Qt::PlainText);
    QFont totalFont = m_total->font();
    totalFont.setBold(true);
    totalFont.setPointSizeF(totalFont.pointSizeF() * 1.2);
    m_total->setFont(totalFont);
    Hints::apply(m_total, QStringLiteral("Celkem|Částka celková"));
}

void TextToolbar::apply(bool supplement, bool total, int supplementWidth)
{
    m_showSupplement = supplement;
    m_showTotal = total;
    m_supplementWidth = supplementWidth;
    setVisible(supplement || total);
    place();
}

void TextToolbar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    place();
}

void TextToolbar::place()
{
    const auto placement =
        ToolbarLayout::textToolbar(m_showSupplement, m_showTotal, contentsRect().width(), m_supplementWidth);
    const auto put = [&placement](QLabel *label, const ControlPlacement &where) {
        label->setVisible(where.visible);
        label->setGeometry(where.left, placement.top, where.width, placement.height);
    };
    put(m_supplement, placement.supplement);
    put(m_total, placement.total);
}

bool TextToolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_supplement
        && (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A double click arrives as press, release, double click, release:
        // the dialog opens on the first release only.
        if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonRelease)
            emit supplementClicked();
        return event->type() == QEvent::MouseButtonDblClick;
    }
    return QFrame::eventFilter(watched, event);
}
