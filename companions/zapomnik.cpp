// Zapomnik: for a user who forgot the start-up password. It asks whether
// to switch the password off and does so; it never shows the password -
// whoever could read it here would not need to know it.
//
//     Zapomnik [--dir DIR] [--yes]
//
// With --yes it switches the password off without asking and tells on the
// terminal (for a script, or a user on a machine without a desktop).
#include "Companion.h"

#include "core/app/commands/StartupPassword.h"
#include "core/app/dialogs/TDotazFrm.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Vypnout heslo bez otázky (zprávy na terminál)."));
    CompanionStart start = startCompanion(app, QStringLiteral("Zapomnik"),
                                          QStringLiteral("Vypne zapomenuté heslo při spuštění programu Rozvahon."), {yes});
    const bool unattended = start.isSet(QStringLiteral("yes"));
    start.onTerminal = start.onTerminal || unattended;
    if (!start.problem.isEmpty()) {
        tell(start, true, start.problem);
        return 1;
    }
    IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
    if (!StartupPassword::required(settings)) {
        tell(start, false, QStringLiteral("Program Rozvahon se spouští bez hesla."));
        return 0;
    }
    if (!unattended && !AskQuestion(QStringLiteral("Zapomenuté heslo"),
                                    QStringLiteral("Vypnout heslo při spuštění programu Rozvahon ?"), 1))
        return 0;
    if (!StartupPassword::switchOff(settings)) {
        tell(start, true, QStringLiteral("Soubor Penezka.ini se nepodařilo zapsat."));
        return 1;
    }
    tell(start, false,
         QStringLiteral("Heslo je vypnuto. Nové heslo lze nastavit v Nastavení, na stránce \"Další funkce\"."));
    return 0;
}
