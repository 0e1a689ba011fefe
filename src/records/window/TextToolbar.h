#pragma once

#include "records/window/ToolbarLayout.h"

#include <QFrame>

class QLabel;

// The record window's text toolbar: the supplement label `DBLabel1` (the
// current record's supplement; a click opens the supplement dialog) at the
// left and the total label `Celkem` at the right.
class TextToolbar : public QFrame
{
    Q_OBJECT
public:
    explicit TextToolbar(QWidget *parent = nullptr);

    QLabel *supplement() const { return m_supplement; }
    QLabel *total() const { return m_total; }
    // Which labels show; `supplementWidth` from the size rules (-1: the
    // design places). A label alone fills the toolbar, also after it
    // was hidden and is resized.
    void apply(bool supplement, bool total, int supplementWidth);

signals:
    void supplementClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void place();

    bool m_showSupplement = false;
    bool m_showTotal = false;
    int m_supplementWidth = -1;
    QLabel *m_supplement = nullptr;
    QLabel *m_total = nullptr;
};
