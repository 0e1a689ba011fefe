#pragma once

#include <QBasicTimer>
#include <QWidget>

// A label whose letters are lit one after another by a travelling wave of
// colour, for the program's name in the about box.
class AnimatedLabel : public QWidget
{
    Q_OBJECT
public:
    explicit AnimatedLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString m_text;
    int m_phase = 0;
    QBasicTimer m_timer;
};
