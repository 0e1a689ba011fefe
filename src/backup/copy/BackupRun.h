#pragma once

#include "backup/copy/BackupCopy.h"

#include <QString>
#include <QStringList>
#include <functional>

class Clock;
class Prompter;

// What a backup run shows and asks in its window.
class BackupView
{
public:
    virtual ~BackupView();

    enum class State {
        Normal,  // black
        Running, // red
        Bold,    // red and bold: the step that leads
        Done,    // black, struck through
        Ended,   // bold black: the last line, at the end
        Failed,  // bold red: the last line, when the run failed
    };
    virtual void setLine(int line, State state) = 0;
    virtual void setLineText(int line, const QString &text) = 0;
    // How far a copy has got; false stops it.
    virtual bool progress(int done, int total) = 0;
    // A file of that name is there already.
    virtual BackupCopy::Replace askReplace(const QString &relative) = 0;

    // "Disketa není prázdná !"
    enum class NotEmpty { Continue, Clear, Cancel };
    virtual NotEmpty askNotEmpty() = 0;
};

// The two runs of the backup windows, step by step as their status lines
// show them. The medium is a folder the user chose; the texts name it
// where they said "A:".
namespace BackupRun {

// The status lines of the backup window, top to bottom.
enum MakeLine { CheckMedium, CopyingFiles, CopyingLedgers, CopyingPersonal, CopyingSettings, BackupEnded };
QStringList makeLines(const QString &medium);
// The status lines of the window that opens a backup.
enum OpenLine { ReadingMedium, TargetFolder, RestoringLedgers, RestoringPersonal, RestoringSettings, Finished };
QStringList openLines(const QString &medium);

struct Outcome
{
    bool finished = false; // went to its end (a failure included)
    bool failed = false;
    QString safetyFolder;  // where the data were kept before a backup was opened
};

// "Vytvoř zálohu": Data/, VlDb Data/ and Penezka.ini of `program` to
// `medium`, each file in its own subfolder; the copied tables are checked.
Outcome make(const QString &program, const QString &medium, BackupView &view, Prompter &prompter);

// The program's tables, closed while a backup is opened and opened again
// afterwards.
struct OpenTables
{
    std::function<void()> close;
    std::function<void()> reopen;
};

// "Otevřít zálohu": medium by medium (the question "Další disketa"), its
// Data/, VlDb Data/ and INI files over those of `program`. A medium without
// a backup, or with a damaged table, copies nothing. Before the first copy
// the current data are kept in "Zalohy/pred-obnovenim-<date and time>".
Outcome open(const QString &program, const QString &medium, BackupView &view, Prompter &prompter, const Clock &clock,
             const OpenTables &tables);

// "Vymazat": the backup of an earlier run on `medium` (its Data/, VlDb Data/
// and INI files, nothing else) goes to the trash. An error text, empty
// when all went.
QString clearMedium(const QString &medium);

} // namespace BackupRun
