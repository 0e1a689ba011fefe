#pragma once

#include "backup/window/BackupWindow.h"

class Clock;

// "Otevření zálohy": a backup of the backup folder over the program's data
// and settings, medium by medium; the program's tables are closed meanwhile.
class TFrmOpenZaloha : public BackupWindow
{
    Q_OBJECT
public:
    TFrmOpenZaloha(Prompter &prompter, const Clock &clock, BackupRun::OpenTables tables, QWidget *parent = nullptr);

    // "Otevřít zálohu".
    BackupRun::Outcome openBackup();

protected:
    void mediumChanged() override;

private:
    const Clock &m_clock;
    BackupRun::OpenTables m_tables;
};
