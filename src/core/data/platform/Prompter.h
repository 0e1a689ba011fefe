#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Everything the program asks of the user or tells the user goes through a
// Prompter: the windows give the real dialogs, the tests a scripted one.
class Prompter
{
public:
    // Pictures of the question dialog.
    enum Icon { Computer = 0, QuestionMark = 1, ErrorCross = 2, InformationSign = 3 };

    virtual ~Prompter();

    // A yes/no question; true means "Ano". Closing the dialog answers "Ne".
    virtual bool ask(const QString &title, const QString &text, int icon) = 0;
    // A plain message box with an OK button.
    virtual void message(const QString &text) = 0;
    // File dialogs; an empty result means the user cancelled. `filter` uses
    // Qt's "Popis (*.txt)" form.
    virtual QString openFileName(const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    // A colour dialog; colours are 0x00BBGGRR values. Nothing when cancelled.
    virtual std::optional<int> chooseColor(int initial) = 0;

    // The process-wide prompter, for the few places that have no window to
    // ask through (the settings stores' misuse message). Never null: until
    // the program installs one, messages go to the log.
    static Prompter &global();
    static void setGlobal(Prompter *prompter);
};
