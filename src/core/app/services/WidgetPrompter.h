#pragma once

#include "core/data/platform/Prompter.h"

class QWidget;

// The Prompter of the running program: questions through AskQuestion
// (TDotazFrm), messages in a plain box with OK captioned "Rozvahon", and
// Qt's file and colour dialogs.
class WidgetPrompter final : public Prompter
{
public:
    bool ask(const QString &title, const QString &text, int icon) override;
    void message(const QString &text) override;
    QString openFileName(const QString &title, const QString &directory, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &directory, const QString &filter) override;
    std::optional<int> chooseColor(int initial) override;

    // The window a dialog belongs to: the modal window, else the active one.
    static QWidget *owner();

    // Nobody is there to answer (the session is ending): questions are
    // answered "Ne", messages go to the log, dialogs are cancelled.
    void setUnattended(bool unattended) { m_unattended = unattended; }

private:
    bool m_unattended = false;
};
