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
    void apply(const ToolbarLayout::TextToolbarPlacement &placement);

signals:
    void supplementClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_supplement = nullptr;
    QLabel *m_total = nullptr;
};
