#pragma once

#include <QWidget>

// A label whose text stands out of the surface: a light edge above and to
// the left, a dark shadow below and to the right.
class Label3D : public QWidget
{
    Q_OBJECT
public:
    explicit Label3D(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
