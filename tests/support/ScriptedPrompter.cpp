#include "support/ScriptedPrompter.h"

bool ScriptedPrompter::ask(const QString &title, const QString &text, int icon)
{
    questions.append({title, text, icon});
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void ScriptedPrompter::message(const QString &text) { messages.append(text); }

QString ScriptedPrompter::openFileName(const QString &, const QString &, const QString &)
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompter::saveFileName(const QString &, const QString &, const QString &)
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

std::optional<int> ScriptedPrompter::chooseColor(int)
{
    return colors.isEmpty() ? std::nullopt : colors.takeFirst();
}
