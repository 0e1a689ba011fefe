#pragma once

#include <QWidget>
#include <functional>

class QToolButton;
class Table;

// The four buttons that walk a table: first, previous, next and last, with
// the hints "První", "Předchozí", "Další", "Poslední".
class Navigator : public QWidget
{
    Q_OBJECT
public:
    explicit Navigator(QWidget *parent = nullptr);

    enum Step { First, Prior, Next, Last };
    QToolButton *button(Step step) const { return m_buttons[step]; }

    // The buttons walk `table`; `guard` runs each step and tells its errors.
    using Guard = std::function<bool(const std::function<void()> &work)>;
    void walk(Table &table, Guard guard);

signals:
    void stepped(Navigator::Step step);

private:
    QToolButton *m_buttons[4] = {};
};
