#include "calendar/window/TFrmBudikActive.h"

#include "core/data/platform/Clock.h"
#include "core/data/platform/PlatformServices.h"
#include "widgets/DialogFrame.h"
#include "widgets/Emblems.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int AskInterval = 100; // ms: the plays keep to their 2 s
}

TFrmBudikActive::TFrmBudikActive(const QString &message, QString soundFile, const Clock &clock,
                                 PlatformServices &services, QWidget *parent)
    : QDialog(parent), m_soundFile(std::move(soundFile)), m_clock(clock), m_services(services)
{
    setObjectName(QStringLiteral("FrmBudikActive"));
    setWindowTitle(QStringLiteral("Budík"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *frame = new DialogFrame(this);
    frame->setKeys([this] { accept(); }, [this] { accept(); });

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 12);
    outer->setSpacing(12);
    auto *row = new QHBoxLayout;
    row->setSpacing(14);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ObrBudik"));
    picture->setPixmap(Emblems::alarmClock(64));
    row->addWidget(picture, 0, Qt::AlignTop);
    m_message = new QLabel(message.isEmpty() ? QStringLiteral("Budík !") : message, this);
    m_message->setObjectName(QStringLiteral("Zprava"));
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(240);
    m_message->setMaximumWidth(420);
    m_message->setTextFormat(Qt::PlainText);
    QFont large = m_message->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    m_message->setFont(large);
    row->addWidget(m_message, 1, Qt::AlignVCenter);
    outer->addLayout(row);

    m_ok = DialogFrame::button(QStringLiteral("OK"), QStringLiteral("OK"), QString(), this);
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(90);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    outer->addWidget(m_ok, 0, Qt::AlignHCenter);

    m_timer.setInterval(AskInterval);
    connect(&m_timer, &QTimer::timeout, this, &TFrmBudikActive::ring);
    adjustSize();
    setFixedSize(size());
}

void TFrmBudikActive::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_timer.isActive())
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_schedule.start(m_clock.now());
    m_timer.start();
}

void TFrmBudikActive::ring()
{
    if (m_schedule.due(m_clock.now()))
        m_services.playSound(m_soundFile);
}

void TFrmBudikActive::done(int result)
{
    m_timer.stop();
    m_services.stopSound();
    QDialog::done(result);
}
