#pragma once

#include "core/data/platform/Prompter.h"

#include <cstdio>

// The prompter of the benchmarks and picture tools: every question is
// answered "Ne", every file dialog cancelled, and messages go to stderr.
class SilentPrompter final : public Prompter
{
public:
    bool ask(const QString &, const QString &, int) override { return false; }
    void message(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<int> chooseColor(int) override { return std::nullopt; }
};
