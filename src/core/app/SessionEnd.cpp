#include "core/app/SessionEnd.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int wakePipe[2] = {-1, -1};
bool endBegun = false;
constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void onEndingSignal(int number)
{
    // Only what is safe in a signal handler: one byte into the pipe.
    const int saved = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(QObject *parent) : QObject(parent)
{
    if (wakePipe[0] < 0 && ::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        wakePipe[0] = wakePipe[1] = -1;
    if (wakePipe[0] >= 0) {
        m_notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
        struct sigaction action = {};
        action.sa_handler = onEndingSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int number : EndingSignals)
            ::sigaction(number, &action, nullptr);
    }
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // The desktop is logging out: the data is saved by ending the run.
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { endNow(); },
                Qt::DirectConnection);
    }
}

SessionEnd::~SessionEnd()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : EndingSignals)
        ::sigaction(number, &action, nullptr);
}

bool SessionEnd::isEnding() { return endBegun; }

void SessionEnd::readSignal()
{
    char bytes[16];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    endNow();
}

void SessionEnd::endNow()
{
    if (m_ending)
        return;
    m_ending = true;
    endBegun = true;
    emit ending();
    // The modal windows from the top down: each one writes what it holds
    // as it closes. One that refuses to close could not write what it holds
    // (it has said why, in the log): the run ends without it, at once.
    for (int guard = 0; guard < 64; ++guard) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        modal->close();
        if (modal->isVisible()) {
            qWarning("%s", qUtf8Printable(QStringLiteral("Rozvahon končí: okno „%1“ nešlo zavřít, protože to, co je "
                                                         "v něm napsáno, nelze zapsat (viz výše). Program končí bez "
                                                         "toho.")
                                              .arg(modal->windowTitle())));
            QCoreApplication::exit(1);
            return;
        }
    }
    if (m_mainWindow)
        m_mainWindow->close();
    else
        QCoreApplication::quit();
}
