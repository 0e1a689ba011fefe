#pragma once

#include <QChartView>

// The chart's view: a rubber band zooms while allowed, a double click
// closes the graph, the right button asks for the popup menu.
class GraphView : public QChartView
{
    Q_OBJECT
public:
    explicit GraphView(QChart *chart, QWidget *parent = nullptr);

    void setMouseZoom(bool allowed);
    bool mouseZoom() const { return m_mouseZoom; }

signals:
    void doubleClicked();
    void popupRequested(const QPoint &globalPos);
    void zoomedByMouse();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_mouseZoom = true;
    QPoint m_pressedAt;
};
