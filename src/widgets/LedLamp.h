#pragma once

#include <QWidget>

// The hidden-data lamp `Led1`: a small round lamp, red when on and green
// when off; it never blinks. A click is reported.
class LedLamp : public QWidget
{
    Q_OBJECT
public:
    explicit LedLamp(QWidget *parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    QSize sizeHint() const override { return {15, 15}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_on = false;
};
