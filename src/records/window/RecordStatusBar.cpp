#include "records/window/RecordStatusBar.h"

#include <QLabel>

RecordStatusBar::RecordStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // The design widths, or what the panel's longest text needs.
        const QString longest = i == Hidden ? QStringLiteral("0000 skrytých") : i == Today ? QStringLiteral("30.12.2009") : QString();
        const int width = std::max(DesignWidths[i], panel->fontMetrics().horizontalAdvance(longest) + 10);
        if (i == Hint) {
            panel->setMinimumWidth(MinimumHintWidth);
            panel->setMaximumWidth(width);
        } else {
            panel->setFixedWidth(width);
        }
        panel->setTextFormat(Qt::PlainText);
        if (i >= NumLock)
            panel->setAlignment(Qt::AlignCenter);
        addWidget(panel, i == Hint ? 1 : 0); // the hints panel takes up to its width
        m_panels[i] = panel;
    }
    m_panels[Hint]->setText(InitialHint);
}

void RecordStatusBar::setText(Panel panel, const QString &text) { m_panels[panel]->setText(text); }

QString RecordStatusBar::text(Panel panel) const { return m_panels[panel]->text(); }

void RecordStatusBar::setHintWidth(int width)
{
    // Panels made wider than their design for their texts take it from the
    // hints panel, so that the panels never ask for more than the window
    // has (the window would grow and lay out again, without end).
    int extra = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        if (i != Hint)
            extra += m_panels[i]->width() - DesignWidths[i];
    QLabel *hint = m_panels[Hint];
    hint->setMinimumWidth(MinimumHintWidth);
    hint->setMaximumWidth(std::max(MinimumHintWidth, width - extra));
}

void RecordStatusBar::setLocks(bool numLock, bool capsLock)
{
    setText(NumLock, numLock ? QStringLiteral("123") : QString());
    setText(CapsLock, capsLock ? QStringLiteral("ABC") : QString());
}
