// Volbik: the area codes of the Czech Republic, the program's own window
// as a program of its own.
#include "Companion.h"

#include "contacts/Registration.h"
#include "core/app/context/AppContext.h"
#include "core/app/services/WidgetPrompter.h"
#include "core/data/engine/EngineError.h"
#include "core/data/platform/Prompter.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const CompanionStart start =
        startCompanion(app, QStringLiteral("Volbik"), QStringLiteral("Předvolby telefonních čísel programu Rozvahon."));
    if (!start.problem.isEmpty()) {
        tell(start, true, start.problem);
        return 1;
    }
    WidgetPrompter prompter;
    Prompter::setGlobal(&prompter);
    AppContext context;
    context.prompter = &prompter;
    registerContacts(context);
    try {
        const std::unique_ptr<QDialog> window = context.createWindow(WindowId::AreaCodes, nullptr);
        if (!window)
            return 1;
        window->exec();
    } catch (const EngineError &error) {
        tell(start, true, error.message());
        return 1;
    }
    Prompter::setGlobal(nullptr);
    return 0;
}
