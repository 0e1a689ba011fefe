#include "core/app/context/AppContext.h"

#include "core/app/context/ProgramWindow.h"

#include <QDialog>

MainWindowHooks::~MainWindowHooks() = default;

AppContext &AppContext::instance()
{
    static AppContext context;
    return context;
}

void AppContext::registerWindow(WindowId id, DialogFactory factory, std::optional<ScreenPicture> picture)
{
    m_windows.at(std::size_t(id)) = {std::move(factory), picture};
}

bool AppContext::hasWindow(WindowId id) const { return bool(m_windows.at(std::size_t(id)).factory); }

std::optional<ScreenPicture> AppContext::pictureBefore(WindowId id) const
{
    return m_windows.at(std::size_t(id)).picture;
}

std::unique_ptr<QDialog> AppContext::createWindow(WindowId id, QWidget *parent, const WindowOrders &orders) const
{
    const DialogFactory &factory = m_windows.at(std::size_t(id)).factory;
    return factory ? factory(orders, parent) : nullptr;
}

std::unique_ptr<ProgramWindow> AppContext::createProgramWindow()
{
    return m_programWindow ? m_programWindow(*this) : nullptr;
}

void AppContext::attachCompanions(QWidget &mainWindow) const
{
    for (const CompanionFactory &make : m_companions)
        make(mainWindow);
}

void AppContext::reset() { *this = AppContext(); }
