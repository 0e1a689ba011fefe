#include "core/data/platform/Prompter.h"

#include <QDebug>

Prompter::~Prompter() = default;

namespace {

// Used until a window installs the real prompter: it cannot ask, so it
// answers "Ne" and cancels, and it writes messages to the log.
class LogPrompter final : public Prompter
{
public:
    bool ask(const QString &title, const QString &text, int) override
    {
        qWarning().noquote() << title << ":" << text;
        return false;
    }
    void message(const QString &text) override { qWarning().noquote() << text; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<int> chooseColor(int) override { return std::nullopt; }
};

LogPrompter logPrompter;
Prompter *current = &logPrompter;

} // namespace

Prompter &Prompter::global() { return *current; }

void Prompter::setGlobal(Prompter *prompter) { current = prompter ? prompter : &logPrompter; }
