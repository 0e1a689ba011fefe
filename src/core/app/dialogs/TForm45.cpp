#include "core/app/dialogs/TForm45.h"

#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "widgets/Emblems.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimerEvent>

namespace {

constexpr QSize ClientSize(231, 239);

struct PictureRow
{
    ScreenPicture picture;
    const char *name;
    Emblems::Picture drawing;
};
const PictureRow Pictures[] = {
    {ScreenPicture::Kalk, "Kalk", Emblems::Picture::Calculator},
    {ScreenPicture::Cal, "Cal", Emblems::Picture::Calendar},
    {ScreenPicture::Adr, "Adr", Emblems::Picture::Addresses},
    {ScreenPicture::Tel, "Tel", Emblems::Picture::Telephone},
    {ScreenPicture::Nast, "Nast", Emblems::Picture::Settings},
    {ScreenPicture::Spt, "Spt", Emblems::Picture::Consumption},
    {ScreenPicture::Info, "Info", Emblems::Picture::Information},
};

} // namespace

TForm45::TForm45(ScreenPicture picture, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_picture(picture)
{
    setObjectName(QStringLiteral("Form45"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(ClientSize);

    // One picture per name; only the one asked for is visible.
    for (const PictureRow &row : Pictures) {
        if (row.picture != picture)
            continue;
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(row.name));
        label->setGeometry(QRect(QPoint(0, 0), ClientSize));
        label->setAlignment(Qt::AlignCenter);
        label->setPixmap(Emblems::picture(row.drawing, ClientSize));
    }

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(ClientSize.width() / 2, ClientSize.height() / 2));
}

void TForm45::tick()
{
    ++m_ticks;
    if (m_ticks >= TicksShown) {
        m_timer.stop();
        accept();
    }
}

void TForm45::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_timer.start(TickMilliseconds, this);
}

void TForm45::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QDialog::hideEvent(event);
}

void TForm45::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        tick();
    else
        QDialog::timerEvent(event);
}

void PictureScreen(ScreenPicture picture)
{
    const IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)),
                            QLatin1String(Section::Nastaveni));
    if (!settings.read(Key::Scr))
        return;
    TForm45 screen(picture, QApplication::activeWindow());
    screen.exec();
}
