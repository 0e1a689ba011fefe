#pragma once

#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"

#include <QTemporaryDir>
#include <memory>

class TForm3;

// A program folder with every table and a settings file that shows every
// toolbar group, the holders of a run and a prompter that answers "Ne":
// what the record window needs outside a test.
class BenchWindow
{
public:
    BenchWindow();
    ~BenchWindow();

    QString folder() const { return m_dir.path(); }
    TDataModule2 &ledgerHolder() { return *m_module2; }
    // Opens `file` as the opening command does and shows the window.
    std::unique_ptr<TForm3> open(const QString &file, const QString &title, bool remembersPlacement = false);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Prompter> m_prompter;
    FixedClock m_clock;
    std::unique_ptr<TDataModule2> m_module2;
    std::unique_ptr<TDataModule23> m_module23;
    std::unique_ptr<TDataModule6> m_module6;
};
