#pragma once

#include "core/data/platform/Prompter.h"

#include <QList>
#include <QStringList>

// A Prompter for tests: answers questions from a script and records every
// question and message it was shown.
class ScriptedPrompter final : public Prompter
{
public:
    struct Question
    {
        QString title;
        QString text;
        int icon;
    };

    bool ask(const QString &title, const QString &text, int icon) override;
    void message(const QString &text) override;
    QString openFileName(const QString &title, const QString &directory, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &directory, const QString &filter) override;
    std::optional<int> chooseColor(int initial) override;

    // Answers for the coming questions, in order; when they run out the
    // answer is `defaultAnswer`.
    QList<bool> answers;
    bool defaultAnswer = false;
    QStringList fileNames;             // answers for file dialogs, in order
    QList<std::optional<int>> colors;  // answers for colour dialogs

    QList<Question> questions;         // what was asked
    QStringList messages;              // what was shown
};
