#pragma once

#include <QApplication>
#include <exception>
#include <functional>

class Prompter;
class StatusSink;

// The application-wide handler of errors no window caught: a table engine
// error (or any other exception) is shown in a message box with its text,
// the busy cursor is reset and the command that raised it is abandoned.
namespace ApplicationErrors {

// Where errors are told (Prompter::global() when none is set) and whose
// busy cursor is reset; the program sets them for the run.
void setTargets(Prompter *prompter, StatusSink *status);

// Runs `command`; an error it raises is shown and swallowed. Returns false
// when the command was abandoned.
bool guard(const std::function<void()> &command);

// Shows the error carried by `error` (the current exception when null).
void show(std::exception_ptr error);

} // namespace ApplicationErrors

// The application object of the program: every event goes through the
// application-wide error handler.
class RozvahonApplication : public QApplication
{
    Q_OBJECT
public:
    RozvahonApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
