#pragma once

#include <functional>

class Prompter;

// Runs the work of a window's command and tells the user a table engine
// error it raises, in the engine's own words, instead of letting it end
// the command somewhere up the stack. `beforeTelling` runs first (a window
// that shows a busy cursor drops it there).
//
//     ErrorGuard guarded(prompter);
//     if (!guarded([&] { ledger.post(); })) ... // nothing was written
class ErrorGuard
{
public:
    explicit ErrorGuard(Prompter &prompter, std::function<void()> beforeTelling = {})
        : m_prompter(prompter), m_beforeTelling(std::move(beforeTelling)) {}

    // False when the work raised an engine error, which has been told.
    bool operator()(const std::function<void()> &work) const;

private:
    Prompter &m_prompter;
    std::function<void()> m_beforeTelling;
};
