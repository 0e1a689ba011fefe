#pragma once

#include <QDialog>

class Clock;
class QCalendarWidget;
class QLabel;
class QPushButton;

// The calendar "Kalendář": one month of days with week numbers, today
// marked, buttons that move it by a month (within the year) and by a year,
// back to today, and a running clock. It stores nothing but its place.
class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(const Clock &clock, QWidget *parent = nullptr);

    QCalendarWidget *calendar() const { return m_calendar; }
    QDate date() const;

    enum class Step { YearBack, MonthBack, Today, MonthOn, YearOn };
    QPushButton *button(Step step) const;

protected:
    void done(int result) override;

private:
    void showDate(QDate date);
    void showHeading(int year, int month);
    void step(Step step);

    const Clock &m_clock;
    QCalendarWidget *m_calendar = nullptr;
    QLabel *m_month = nullptr; // the shown month and year
    QPushButton *m_buttons[5] = {};
};
