#pragma once

#include <QDialog>

class StarField;

// The program's own screen saver: a black window over the whole screen
// with a moving star field. A click closes it.
class TSporic : public QDialog
{
    Q_OBJECT
public:
    explicit TSporic(QWidget *parent = nullptr);

    StarField *starField() const { return m_stars; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    StarField *m_stars = nullptr;
};
