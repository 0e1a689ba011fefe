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
#include <QMessageBox>

#include <cstdio>

namespace {

const QString Title = QStringLiteral("Zapomnik - Rozvahon");

// A message in a box, or on the terminal without one.
void tell(bool unattended, bool problem, const QString &text)
{
    if (unattended)
        std::fprintf(problem ? stderr : stdout, "%s\n", qPrintable(text));
    else if (problem)
        QMessageBox::warning(nullptr, Title, text);
    else
        QMessageBox::information(nullptr, Title, text);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zapomnik"));
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Vypnout heslo bez otázky."));
    const CompanionStart start =
        startCompanion(app, QStringLiteral("Vypne zapomenuté heslo při spuštění programu Rozvahon."), {yes});
    const bool unattended = start.isSet(QStringLiteral("yes"));
    if (!start.problem.isEmpty()) {
        tell(unattended, true, start.problem);
        return 1;
    }
    IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
    if (!StartupPassword::required(settings)) {
        tell(unattended, false, QStringLiteral("Program Rozvahon se spouští bez hesla."));
        return 0;
    }
    if (!unattended && !AskQuestion(QStringLiteral("Zapomenuté heslo"),
                                    QStringLiteral("Vypnout heslo při spuštění programu Rozvahon ?"), 1))
        return 0;
    if (!StartupPassword::switchOff(settings)) {
        tell(unattended, true, QStringLiteral("Soubor Penezka.ini se nepodařilo zapsat."));
        return 1;
    }
    tell(unattended, false,
         QStringLiteral("Heslo je vypnuto. Nové heslo lze nastavit v Nastavení, na stránce \"Další funkce\"."));
    return 0;
}
