#pragma once

#include <QHeaderView>

class LedgerModel;

// The grid's indicator column: the current row's mark (an arrow while
// browsing, "I" while edited, "*" for a new row) and, for a ticked row, a
// tick sign on a silver cell. A click on a cell toggles its row's tick.
class IndicatorHeader : public QHeaderView
{
    Q_OBJECT
public:
    static constexpr int Width = 26;
    static inline const QColor TickedBackground = QColor(192, 192, 192); // silver

    explicit IndicatorHeader(QWidget *parent = nullptr);
    void setLedgerModel(const LedgerModel *model) { m_model = model; }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    const LedgerModel *m_model = nullptr;
};
