// Minulak: the previous year's meter log, only shown. The program names
// the log in the registry value SrcData ("Voda", "Elekt", "Plyn") and
// starts this program in its program folder; the log comes from the
// previous-year folder Data\Data01, in the same window as this year's,
// the electricity log with night tariff when the settings say so (SNoc).
//
//     Minulak [--dir DIR] [--terminal] [--log Voda|Elekt|Plyn]
#include "Companion.h"

#include "consumption/Registration.h"
#include "consumption/window/LogWindowFrame.h"
#include "core/app/services/WidgetPrompter.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Která evidence se má zobrazit (jinak podle programu Rozvahon)."),
                                       QStringLiteral("Voda|Elekt|Plyn"));
    const CompanionStart start =
        startCompanion(app, QStringLiteral("Minulak"), QStringLiteral("Evidence spotřeby předešlého roku programu Rozvahon."),
                       {logOption});
    if (!start.problem.isEmpty()) {
        tell(start, true, start.problem);
        return 1;
    }
    if (!QFileInfo(Paths::inProgramFolder(Catalogue::PreviousYearFolder)).isDir()) {
        tell(start, true, QStringLiteral("Data předešlého roku nejsou k dispozici: složka %1 neexistuje.")
                                 .arg(Catalogue::PreviousYearFolder));
        return 1;
    }
    const QString log = start.isSet(QStringLiteral("log"))
                            ? start.value(QStringLiteral("log"))
                            : RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::Registrace)).read(Key::Reg::SrcData);
    const IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));

    WidgetPrompter prompter;
    Prompter::setGlobal(&prompter);
    Catalogue::installLayoutCheck();
    int result = 0;
    {
        const std::unique_ptr<LogWindowFrame> window = createPreviousYearLog(log, settings.read(Key::SNoc), prompter);
        if (!window) {
            tell(start, true, QStringLiteral("Není určeno, která evidence spotřeby se má zobrazit (Voda, Elekt "
                                                "nebo Plyn), program dostal „%1“.").arg(log));
            result = 1;
        } else if (!window->tablesOpen()) {
            result = 1; // the window has told why
        } else {
            window->exec();
        }
    }
    Prompter::setGlobal(nullptr);
    return result;
}
