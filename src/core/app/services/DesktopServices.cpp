#include "core/app/services/DesktopServices.h"

#include "core/app/services/ProgramLocator.h"
#include "core/data/platform/Paths.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

namespace {

const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusInterface screenSaver()
{
    return QDBusInterface(ScreenSaverService, ScreenSaverPath, ScreenSaverService, QDBusConnection::sessionBus());
}

} // namespace

PlatformServices::LaunchResult DesktopServices::launchProgram(const QString &file)
{
    const ProgramLocator::Found found = ProgramLocator::forThisProcess().locate(file);
    if (found.result != LaunchResult::Started)
        return found.result;
    // Started directly, never through a shell, in the program folder.
    if (QProcess::startDetached(found.path, {}, Paths::programFolder()))
        return LaunchResult::Started;
    // Found and executable, yet the system would not run it: not a program.
    return QFileInfo(found.path).isExecutable() ? LaunchResult::NotAProgram : LaunchResult::OtherFailure;
}

PlatformServices::ShutdownResult DesktopServices::shutdown()
{
    QDBusInterface login(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                         QStringLiteral("org.freedesktop.login1.Manager"), QDBusConnection::systemBus());
    if (!login.isValid())
        return {false, QStringLiteral("Error: ") + login.lastError().message()};
    // Not interactive: no password question, a refusal is just a refusal.
    const QDBusMessage reply = login.call(QStringLiteral("PowerOff"), false);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return {false, QStringLiteral("Error: ") + reply.errorMessage()};
    return {true, {}};
}

bool DesktopServices::screenSaverAvailable()
{
    QDBusInterface saver = screenSaver();
    if (!saver.isValid())
        return false;
    const QDBusReply<bool> active = saver.call(QStringLiteral("GetActive"));
    return active.isValid();
}

void DesktopServices::startScreenSaver() { screenSaver().call(QDBus::NoBlock, QStringLiteral("SetActive"), true); }

void DesktopServices::dial(const QString &number, const QString &)
{
    QString digits = number;
    digits.remove(QLatin1Char(' '));
    QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + digits));
}

// The alarm's sound arrives with the alarm clock.
namespace {
// The one sound effect of the run; it belongs to the application, so it
// goes before the audio system does.
QPointer<QSoundEffect> &soundEffect()
{
    static QPointer<QSoundEffect> effect;
    return effect;
}
} // namespace

void DesktopServices::playSound(const QString &wavFile)
{
    if (wavFile.isEmpty() || !QFileInfo(wavFile).isFile()) {
        QApplication::beep();
        return;
    }
    QPointer<QSoundEffect> &effect = soundEffect();
    if (!effect) {
        effect = new QSoundEffect(qApp);
        // A file the audio system cannot play (no WAV, no sound device)
        // rings the bell instead; loading goes on in the background.
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [raw = effect.data()] {
            if (raw->status() == QSoundEffect::Error)
                QApplication::beep();
        });
    }
    const QUrl source = QUrl::fromLocalFile(QFileInfo(wavFile).absoluteFilePath());
    if (effect->source() != source)
        effect->setSource(source);
    else if (effect->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    // A new play replaces one still sounding.
    effect->stop();
    effect->play();
}

void DesktopServices::stopSound()
{
    if (QPointer<QSoundEffect> &effect = soundEffect())
        effect->stop();
}

void DesktopServices::openHelp(const QString &helpFile)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
}
