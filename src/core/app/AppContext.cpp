#include "core/app/AppContext.h"

#include <QDialog>

MainWindowHooks::~MainWindowHooks() = default;

AppContext &AppContext::instance()
{
    static AppContext context;
    return context;
}

void AppContext::registerWindow(WindowId id, DialogFactory factory) { m_factories[int(id)] = std::move(factory); }

bool AppContext::hasWindow(WindowId id) const { return bool(m_factories[int(id)]); }

std::unique_ptr<QDialog> AppContext::createWindow(WindowId id, QWidget *parent) const
{
    const auto &factory = m_factories[int(id)];
    return factory ? factory(parent) : nullptr;
}

void AppContext::reset() { *this = AppContext(); }
