#include "core/app/services/DesktopServices.h"

#include "core/app/services/ProgramLocator.h"
#include "core/data/platform/Paths.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
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
void DesktopServices::playSound(const QString &) {}

void DesktopServices::stopSound() {}

void DesktopServices::openHelp(const QString &helpFile)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
}
