#include "Subsystems.h"

#include "calc/dialog/Registration.h"
#include "calendar/Registration.h"
#include "consumption/Registration.h"
#include "backup/Registration.h"
#include "contacts/Registration.h"
#include "core/app/context/AppContext.h"
#include "shell/window/MainMenus.h"
#include "shell/window/THlavni_Formular.h"
#include "graphs/Registration.h"
#include "records/Registration.h"
#include "reports/Registration.h"
#include "settings/Registration.h"
#include "shell/Registration.h"
#include "records/window/RecordSeams.h"

namespace {
// The record window's graph button drops down the main window's graph menu
// of the window's kind.
void connectGraphButton(AppContext &context)
{
    RecordSeams::graphMenu() = [&context](RecordKind kind) -> QMenu * {
        auto *main = dynamic_cast<THlavni_Formular *>(context.mainWindow);
        if (!main)
            return nullptr;
        switch (kind) {
        case RecordKind::Month:
            return main->menus().menu(MainMenu::DropMonthGraphs);
        case RecordKind::ItemGroup1:
            return main->menus().menu(MainMenu::DropGroup1Graphs);
        case RecordKind::ItemGroup2:
            return main->menus().menu(MainMenu::DropGroup2Graphs);
        case RecordKind::PreviousYear:
            return nullptr;
        }
        return nullptr;
    };
}
} // namespace

void registerSubsystems(AppContext &context)
{
    registerShell(context);
    registerCalculatorWindow(context);
    registerRecords(context);
    registerGraphs(context);
    registerReports(context);
    registerConsumption(context);
    registerContacts(context);
    registerBackup(context);
    registerCalendar(context);
    registerSettings(context);
    connectGraphButton(context);
}
