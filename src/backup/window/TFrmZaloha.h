#pragma once

#include "backup/window/BackupWindow.h"

// "Zálohování dat ze všech databází": the program's data and settings to
// the backup folder, step by step.
class TFrmZaloha : public BackupWindow
{
    Q_OBJECT
public:
    TFrmZaloha(Prompter &prompter, QWidget *parent = nullptr);

    // "Vytvoř zálohu  ".
    BackupRun::Outcome makeBackup();

protected:
    void mediumChanged() override;
};
