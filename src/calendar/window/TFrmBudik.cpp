#include "calendar/window/TFrmBudik.h"

#include "calendar/time/AlarmClock.h"
#include "calendar/time/AlarmStore.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"
#include "widgets/DigitalClock.h"
#include "widgets/Emblems.h"
#include "widgets/Hints.h"
#include "widgets/TellingLabel.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString OnlyWhileRunning = QStringLiteral(
    "Budík je aktivní pouze při zapnutém programu Rozvahon. Po vypnutí tohoto proramu se vypne !");

QSpinBox *timeBox(int maximum, const QString &name, const QString &hint, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, maximum);
    box->setWrapping(true);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(56);
    Hints::apply(box, hint);
    return box;
}

} // namespace

TFrmBudik::TFrmBudik(AlarmClock &alarm, Prompter &prompter, const Clock &clock, bool switchOn, QWidget *parent)
    : EditingDialog(prompter, parent), m_alarm(alarm), m_clock(clock)
{
    setObjectName(QStringLiteral("FrmBudik"));
    setWindowTitle(QStringLiteral("Nastavení Budíku"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *frame = new DialogFrame(this);
    frame->setKeys(nullptr, [this] { reject(); });
    addProgramCaptionBand(*frame, outer);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    outer->addLayout(grid);

    auto *picture = new TellingLabel(OnlyWhileRunning, prompter, this);
    picture->setObjectName(QStringLiteral("ObrBudik"));
    picture->setPixmap(Emblems::alarmClock(56));
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop | Qt::AlignLeft);

    auto *now = new DigitalClock(m_clock, this);
    now->setObjectName(QStringLiteral("Hodiny"));
    now->setFixedSize(90, 24);
    Hints::apply(now, QStringLiteral("Aktuální čas"));
    grid->addWidget(now, 0, 1, 1, 3, Qt::AlignLeft);

    m_hour = timeBox(23, QStringLiteral("Hodina"), QStringLiteral("Hodina buzení"), this);
    m_minute = timeBox(59, QStringLiteral("Minuta"), QStringLiteral("Vložte hodnotu 0 až 59"), this);
    auto *hourLabel = new QLabel(QStringLiteral("Hodina"), this);
    hourLabel->setBuddy(m_hour);
    Hints::apply(hourLabel, QStringLiteral("Hodina buzení"));
    auto *minuteLabel = new QLabel(QStringLiteral("Minuta"), this);
    minuteLabel->setBuddy(m_minute);
    Hints::apply(minuteLabel, QStringLiteral("Minuta buzení"));
    grid->addWidget(hourLabel, 1, 1);
    grid->addWidget(minuteLabel, 1, 2);
    grid->addWidget(m_hour, 2, 1);
    grid->addWidget(m_minute, 2, 2);

    m_current = DialogFrame::button(QStringLiteral("Aktuální"), QStringLiteral("Aktualni"),
                                    QStringLiteral("Vloží aktuální čas"), this);
    m_current->setAutoDefault(false);
    connect(m_current, &QPushButton::clicked, this, &TFrmBudik::useCurrentTime);
    grid->addWidget(m_current, 2, 3);

    m_switch = DialogFrame::button(QStringLiteral("Vypnuto"), QStringLiteral("Spinac"),
                                   QStringLiteral("Zapne/Vypne budík"), this);
    m_switch->setCheckable(true);
    m_switch->setAutoDefault(false);
    m_switch->setMinimumWidth(80);
    connect(m_switch, &QPushButton::toggled, this, &TFrmBudik::setSwitch);
    grid->addWidget(m_switch, 2, 4);

    auto *messageLabel = new QLabel(QStringLiteral("Vzpráva která se má objevit :"), this);
    m_message = new QLineEdit(AlarmStore::message(), this);
    m_message->setObjectName(QStringLiteral("Zprava"));
    Hints::apply(m_message, QStringLiteral("Vložte vzprávu"));
    messageLabel->setBuddy(m_message);
    grid->addWidget(messageLabel, 3, 0, 1, 5);
    grid->addWidget(m_message, 4, 0, 1, 5);

    auto *soundLabel = new QLabel(QStringLiteral("Wav soubor :"), this);
    const QString sound = AlarmStore::soundFile();
    m_sound = new QLineEdit(sound.isEmpty() ? QString::fromUtf8(AlarmStore::SuggestedSound) : sound, this);
    m_sound->setObjectName(QStringLiteral("Zvuk"));
    m_sound->setReadOnly(true);
    m_chooseSound = DialogFrame::button(QStringLiteral("..."), QStringLiteral("VyberZvuk"), QString(), this);
    m_chooseSound->setAutoDefault(false);
    m_chooseSound->setFixedWidth(30);
    connect(m_chooseSound, &QPushButton::clicked, this, &TFrmBudik::chooseSound);
    soundLabel->setBuddy(m_sound);
    grid->addWidget(soundLabel, 5, 0, 1, 5);
    auto *soundRow = new QHBoxLayout;
    soundRow->addWidget(m_sound);
    soundRow->addWidget(m_chooseSound);
    grid->addLayout(soundRow, 6, 0, 1, 5);

    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít   "), QStringLiteral("Zavrit"),
                                             QStringLiteral("Zavře okno"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TFrmBudik::writeAndClose);
    grid->addWidget(close, 7, 0, 1, 5, Qt::AlignHCenter);

    m_hour->setValue(m_alarm.hour());
    m_minute->setValue(m_alarm.minute());
    // The switch starts off, also while an alarm is armed: only switching
    // it on arms again, with what the boxes show.
    if (switchOn)
        m_switch->setChecked(true);
    adjustSize();
    setFixedSize(size());
}

void TFrmBudik::setSwitch(bool on)
{
    m_switch->setText(on ? QStringLiteral("Zapnuto") : QStringLiteral("Vypnuto"));
    m_hour->setEnabled(!on);
    m_minute->setEnabled(!on);
    m_message->setEnabled(!on);
    if (on) {
        // Typing still open in a spin box counts.
        m_hour->interpretText();
        m_minute->interpretText();
        m_alarm.arm(m_hour->value(), m_minute->value());
        AlarmStore::setMessage(m_message->text());
    } else {
        m_alarm.disarm();
    }
}

void TFrmBudik::useCurrentTime()
{
    if (m_switch->isChecked())
        return;
    const QTime now = m_clock.now().time();
    m_hour->setValue(now.hour());
    m_minute->setValue(now.minute());
}

void TFrmBudik::chooseSound()
{
    const QString shown = m_sound->text();
    const QString folder = QFileInfo::exists(shown) ? QFileInfo(shown).absolutePath() : QString();
    const QString chosen =
        prompter().openFileName(QStringLiteral("Otevřít zvukový soubor..."), folder,
                                QStringLiteral("Zvukové soubory (*.wav);;Všechny soubory (*.*)"));
    if (chosen.isEmpty())
        return;
    m_sound->setText(chosen);
    AlarmStore::setSoundFile(chosen);
}

bool TFrmBudik::writePending()
{
    // A message typed and not yet armed is kept for the next alarm.
    if (m_message->isEnabled() && m_message->text() != AlarmStore::message())
        AlarmStore::setMessage(m_message->text());
    return true;
}
