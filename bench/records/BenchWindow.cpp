#include "BenchWindow.h"
#include "../support/SilentPrompter.h"

#include "calc/dialog/Registration.h"
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "records/Registration.h"
#include "records/window/TForm3.h"

#include <QDir>

BenchWindow::BenchWindow()
    : m_prompter(std::make_unique<SilentPrompter>()), m_clock(QDateTime(QDate(2009, 1, 20), QTime(9, 41, 7)))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
    QDir::setCurrent(m_dir.path());
    Catalogue::createTables(m_dir.path());
    IniStore main(QDir(m_dir.path()).filePath(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
    main.write(Key::Scr, false);
    main.write(Key::StatusBar1, true);
    IniStore month(main.fileName(), QLatin1String(Section::SetMesice));
    for (const ToolbarGroupInfo &group : ToolbarGroups)
        month.write(group.key, true);

    m_module2 = std::make_unique<TDataModule2>(StatusSink::none(), *m_prompter);
    m_module23 = std::make_unique<TDataModule23>(StatusSink::none());
    m_module6 = std::make_unique<TDataModule6>();
    AppContext &context = AppContext::instance();
    context.dataModule2 = m_module2.get();
    context.dataModule23 = m_module23.get();
    context.dataModule6 = m_module6.get();
    context.prompter = m_prompter.get();
    context.clock = &m_clock;
    registerRecordWindow(context);
    registerCalculatorWindow(context);
}

BenchWindow::~BenchWindow() { AppContext::instance().reset(); }

std::unique_ptr<TForm3> BenchWindow::open(const QString &file, const QString &title, bool remembersPlacement)
{
    AppContext &context = AppContext::instance();
    WindowOrders orders;
    orders.record = {RecordKind::Month, title, remembersPlacement};
    m_module2->Soubor(file);
    std::unique_ptr<QDialog> window = context.createWindow(WindowId::RecordWindow, nullptr, orders);
    auto *form = static_cast<TForm3 *>(window.release());
    form->show(); // the first activation runs here
    return std::unique_ptr<TForm3>(form);
}
