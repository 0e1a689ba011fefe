#include "core/app/context/ApplicationErrors.h"

#include "core/data/engine/EngineError.h"
#include "core/data/platform/Prompter.h"
#include "core/data/platform/StatusSink.h"

namespace ApplicationErrors {

namespace {

Prompter *errorPrompter = nullptr;
StatusSink *errorStatus = nullptr;

QString textOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EngineError &engine) {
        return engine.message();
    } catch (const std::exception &other) {
        return QString::fromLocal8Bit(other.what());
    } catch (...) {
        return QStringLiteral("Neznámá chyba");
    }
}
} // namespace

void setTargets(Prompter *prompter, StatusSink *status)
{
    errorPrompter = prompter;
    errorStatus = status;
}

void show(std::exception_ptr error)
{
    if (!error)
        error = std::current_exception();
    if (!error)
        return;
    // No hourglass may outlive the command that failed.
    if (errorStatus)
        errorStatus->setBusy(false);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    Prompter &prompter = errorPrompter ? *errorPrompter : Prompter::global();
    prompter.message(textOf(error));
}

bool guard(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (...) {
        show(std::current_exception());
        return false;
    }
}

} // namespace ApplicationErrors

RozvahonApplication::RozvahonApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool RozvahonApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ApplicationErrors::show(std::current_exception());
        return false;
    }
}
