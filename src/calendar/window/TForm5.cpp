#include "calendar/window/TForm5.h"

#include "calendar/time/MonthSteps.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/platform/Clock.h"
#include "core/data/stores/Keys.h"
#include "widgets/DialogFrame.h"
#include "widgets/DigitalClock.h"
#include "widgets/Hints.h"
#include "widgets/RememberedPlace.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace {

struct StepButton
{
    TForm5::Step step;
    const char *caption;
    const char *name;
    const char *hint;
};
constexpr StepButton StepButtons[] = {
    {TForm5::Step::YearBack, "<<  Rok", "RokZpet", "O rok zpět"},
    {TForm5::Step::MonthBack, "<<  Měsíc", "MesicZpet", "O měsíc zpět"},
    {TForm5::Step::Today, "Dnes", "Dnes", "Dnešní den"},
    {TForm5::Step::MonthOn, "Měsíc >>", "MesicDopredu", "O měsíc dopředu"},
    {TForm5::Step::YearOn, "Rok >>", "RokDopredu", "O rok dopředu"},
};

QString placeSection() { return QLatin1String(Section::Calendar); }

} // namespace

TForm5::TForm5(const Clock &clock, QWidget *parent) : QDialog(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Kalendář"));
    // A dialog border without title-bar buttons; Esc and "Zavřít" close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *frame = new DialogFrame(this);
    frame->setKeys(nullptr, [this] { reject(); });
    addProgramCaptionBand(*frame, outer);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(6);
    outer->addLayout(body);

    auto *clockLabel = new DigitalClock(m_clock, this);
    clockLabel->setObjectName(QStringLiteral("Hodiny"));
    clockLabel->setFixedSize(90, 24);
    Hints::apply(clockLabel, QStringLiteral("Aktuální čas"));
    body->addWidget(clockLabel, 0, Qt::AlignHCenter);

    auto *steps = new QHBoxLayout;
    steps->setSpacing(4);
    for (const StepButton &each : StepButtons) {
        QPushButton *button = DialogFrame::button(QString::fromUtf8(each.caption), QLatin1String(each.name),
                                                  QString::fromUtf8(each.hint), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, step = each.step] { this->step(step); });
        m_buttons[int(each.step)] = button;
        steps->addWidget(button);
    }
    body->addLayout(steps);

    m_month = new QLabel(this);
    m_month->setObjectName(QStringLiteral("Mesic"));
    m_month->setAlignment(Qt::AlignCenter);
    QFont heading = m_month->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    m_month->setFont(heading);
    body->addWidget(m_month);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar1"));
    m_calendar->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_calendar->setGridVisible(true);
    // The buttons above move the month; the control's own bar would let
    // the month steps leave the year.
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setMinimumDate(QDate(1, 1, 1));
    m_calendar->setMaximumDate(QDate(9999, 12, 31));
    m_calendar->setFixedSize(393, 235);
    // Today is marked in red and bold, whichever month is shown.
    QTextCharFormat today;
    today.setForeground(QColor(200, 0, 0));
    today.setFontWeight(QFont::Bold);
    today.setFontUnderline(true);
    m_calendar->setDateTextFormat(m_clock.today(), today);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &TForm5::showHeading);
    body->addWidget(m_calendar, 0, Qt::AlignHCenter);

    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít  "), QStringLiteral("Zavrit"),
                                             QStringLiteral("Zavřít kalendář"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    body->addWidget(close, 0, Qt::AlignHCenter);

    showDate(m_clock.today());
    adjustSize();
    setFixedSize(size());
    RememberedPlace::restore(*this, placeSection());
}

QDate TForm5::date() const { return m_calendar->selectedDate(); }

QPushButton *TForm5::button(Step step) const { return m_buttons[int(step)]; }

void TForm5::showDate(QDate date)
{
    m_calendar->setSelectedDate(date);
    m_calendar->setCurrentPage(date.year(), date.month());
    showHeading(date.year(), date.month());
}

void TForm5::showHeading(int year, int month)
{
    m_month->setText(m_calendar->locale().standaloneMonthName(month) + QLatin1Char(' ') + QString::number(year));
}

void TForm5::step(Step step)
{
    const QDate date = this->date();
    switch (step) {
    case Step::YearBack: showDate(MonthSteps::years(date, -1)); break;
    case Step::MonthBack: showDate(MonthSteps::monthsWithinYear(date, -1)); break;
    case Step::Today: showDate(m_clock.today()); break;
    case Step::MonthOn: showDate(MonthSteps::monthsWithinYear(date, 1)); break;
    case Step::YearOn: showDate(MonthSteps::years(date, 1)); break;
    }
}

void TForm5::done(int result)
{
    RememberedPlace::store(*this, placeSection());
    QDialog::done(result);
}
