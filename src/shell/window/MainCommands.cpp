#include "shell/window/MainCommands.h"

#include "core/app/commands/MenuCaptions.h"
#include "core/app/commands/OpenWindowGuard.h"
#include "core/app/commands/SiblingPrograms.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/Prompter.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"

#include "core/app/dialogs/TForm45.h"

#include <QDialog>

using namespace Commands;

namespace {
StatusSink &statusOf(const AppContext &context) { return context.status ? *context.status : StatusSink::none(); }
} // namespace

MainCommands::MainCommands(AppContext &context, MenuCaptions &captions) : m_context(context), m_captions(captions) {}

IniStore MainCommands::settings() const
{
    return IniStore(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
}

Prompter &MainCommands::prompter() const { return m_context.prompter ? *m_context.prompter : Prompter::global(); }

void MainCommands::showPicture(ScreenPicture picture) const
{
    if (m_picture)
        m_picture(picture);
}

void MainCommands::runWindow(WindowId id, const WindowOrders &orders)
{
    if (std::unique_ptr<QDialog> window = m_context.createWindow(id, m_parent, orders))
        window->exec();
}

void MainCommands::openRecordWindow(RecordKind kind, const QString &title, const QString &file)
{
    if (OpenWindowGuard::recordWindowOpen()) {
        prompter().message(OpenWindowGuard::ActiveMessage);
        return;
    }
    if (!available(WindowId::RecordWindow))
        return;
    WindowOrders orders;
    orders.record.kind = kind; // TForm3.TypDatabaze(kind)
    orders.record.title = title;
    if (m_context.dataModule2) {
        m_context.dataModule2->Soubor(file);
        statusOf(m_context).setBusy(false);
    }
    orders.record.remembersPlacement = settings().read(Key::MenOkn);
    runWindow(WindowId::RecordWindow, orders);
}

void MainCommands::openMonth(int m) { openRecordWindow(RecordKind::Month, monthTitle(m), Catalogue::monthFile(m)); }

void MainCommands::openItem(int group, int n)
{
    openRecordWindow(group == 2 ? RecordKind::ItemGroup2 : RecordKind::ItemGroup1, m_captions.item(group, n), itemFile(group, n));
}

void MainCommands::openPreviousMonth(int m)
{
    openRecordWindow(RecordKind::PreviousYear, previousMonthTitle(m), previousMonthFile(m));
}

void MainCommands::openPreviousItem(int group, int n)
{
    openRecordWindow(RecordKind::PreviousYear, m_captions.previousItem(group, n) + PreviousYearSuffix,
                     previousItemFile(group, n));
}

void MainCommands::openGraph(GraphFamily family, const QString &name, const QString &file)
{
    if (!available(WindowId::GraphWindow))
        return;
    WindowOrders orders;
    orders.graph.name = name;
    // The column entries name no kind: an empty kind is the column graph.
    if (const char *kind = graph(family).kind)
        orders.graph.kind = QString::fromLatin1(kind); // TForm4.Graf(kind)
    if (m_context.dataModule2) {
        m_context.dataModule2->Soubor(file);
        statusOf(m_context).setBusy(false);
    }
    runWindow(WindowId::GraphWindow, orders);
}

void MainCommands::monthGraph(GraphFamily family, int m)
{
    openGraph(family, monthGraphName(m), Catalogue::monthFile(m));
}

void MainCommands::itemGraph(int group, GraphFamily family, int n)
{
    openGraph(family, m_captions.item(group, n), itemFile(group, n));
}

void MainCommands::yearGraph(GraphFamily family)
{
    if (!available(WindowId::GraphWindow))
        return;
    WindowOrders orders;
    orders.graph.name = YearGraphName;
    orders.graph.kind = QString::fromLatin1(graph(family).yearKind);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainStatusText(QStringLiteral("Otevírám databázi..."));
    // The yearly graph reads every month itself; the ledger holder only has
    // to be open on the table it has.
    if (m_context.dataModule2 && !m_context.dataModule2->table().isOpen())
        m_context.dataModule2->table().open();
    runWindow(WindowId::GraphWindow, orders);
}

void MainCommands::print(const QString &code, const QString &title)
{
    if (!available(WindowId::Report))
        return;
    StatusSink &status = statusOf(m_context);
    status.setBusy(true);
    WindowOrders orders;
    orders.report.code = code; // TForm24.PrMesic(code, title)
    orders.report.title = title;
    std::unique_ptr<QDialog> report;
    try {
        report = m_context.createWindow(WindowId::Report, m_parent, orders);
    } catch (...) {
        status.setBusy(false);
        throw;
    }
    status.setBusy(false);
    if (!report)
        return;
    // The preview does not block the other windows; it and its report live
    // until it is closed.
    QDialog *preview = report.release();
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
}

void MainCommands::printMonth(int m) { print(printMonthCode(m), QString()); }

void MainCommands::printItem(int group, int n) { print(printItemCode(group, n), m_captions.printItem(group, n)); }

void MainCommands::openWindow(WindowId id)
{
    showPictureThenWindow(m_context, id, m_parent, [this](ScreenPicture picture) { showPicture(picture); });
}

WindowId MainCommands::electricityWindow() const
{
    return settings().read(Key::SNoc) ? WindowId::ElectricityNight : WindowId::Electricity;
}

void MainCommands::openElectricity() { openWindow(electricityWindow()); }

void MainCommands::openItemNames(int group)
{
    if (!available(WindowId::ItemNames))
        return;
    if (m_context.dataModule12)
        m_context.dataModule12->Soubor(group == 2 ? QStringLiteral("Položky2.db") : QStringLiteral("Položky1.db"));
    runWindow(WindowId::ItemNames);
}

void MainCommands::openSettings()
{
    QDialog *dialog = m_context.settingsDialog;
    if (!dialog)
        return;
    showPicture(ScreenPicture::Nast);
    // The settings dialog lives for the whole run and is shown without
    // waiting for it.
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainCommands::openAreaCodes()
{
    SiblingPrograms::launch(AreaCodesProgram, PlatformServices::current(), prompter());
}

void MainCommands::openPreviousConsumption(int index)
{
    showPicture(ScreenPicture::Spt);
    SiblingPrograms::showPreviousConsumption(index, PlatformServices::current());
}
