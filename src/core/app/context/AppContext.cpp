#include "core/app/context/AppContext.h"

#include <QDialog>

MainWindowHooks::~MainWindowHooks() = default;

AppContext &AppContext::instance()
{
    static AppContext context;
    return context;
}

void AppContext::registerWindow(WindowId id, DialogFactory factory, std::optional<ScreenPicture> picture)
{
    m_windows[int(id)] = {std::move(factory), picture};
}

bool AppContext::hasWindow(WindowId id) const { return bool(m_windows[int(id)].factory); }

std::optional<ScreenPicture> AppContext::pictureBefore(WindowId id) const { return m_windows[int(id)].picture; }

std::unique_ptr<QDialog> AppContext::createWindow(WindowId id, QWidget *parent) const
{
    const DialogFactory &factory = m_windows[int(id)].factory;
    return factory ? factory(orders, parent) : nullptr;
}

void AppContext::reset() { *this = AppContext(); }
