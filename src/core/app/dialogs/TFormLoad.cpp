#include "core/app/dialogs/TFormLoad.h"

#include "widgets/Emblems.h"
#include "widgets/GradientPanel.h"
#include "widgets/Label3D.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

TFormLoad::TFormLoad(const QString &version, int steps)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormLoad"));
    setFixedSize(264, 167);

    // Blue through orange-blue to white, as the loading window was drawn.
    GradientFill background;
    background.beginColour = 0xFF0000;
    background.coloursBetween = {QStringLiteral("$00FF8000")};
    background.endColour = 0xFFFFFF;
    auto *panel = new GradientPanel(background, this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 264, 167);

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(Emblems::programIcon(72));
    picture->setGeometry(14, 18, 72, 72);

    auto *versionLabel = new Label3D(QStringLiteral("Verze ") + version, panel);
    versionLabel->setObjectName(QStringLiteral("Label1"));
    QFont big = versionLabel->font();
    big.setPixelSize(26);
    big.setBold(true);
    versionLabel->setFont(big);
    versionLabel->setGeometry(92, 30, 160, 44);

    auto *opening = new QLabel(QStringLiteral("Otevírá se..."), panel);
    opening->setObjectName(QStringLiteral("Label2"));
    opening->setGeometry(14, 108, 236, 18);

    m_progress = new QProgressBar(panel);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, steps);
    m_progress->setValue(0);
    m_progress->setGeometry(14, 130, 236, 16);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TFormLoad::showNow()
{
    show();
    raise();
    // Let the window system map it, then paint it straight away.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TFormLoad::advance()
{
    m_progress->setValue(m_progress->value() + 1);
    m_progress->repaint();
}
