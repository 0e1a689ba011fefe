#pragma once

#include "core/app/context/AppContext.h"

#include <QDialog>
#include <QList>

// Stands in for the windows of the other subsystems: each "opening" is
// recorded with the values the command handed over and the table the
// ledger holder had open, and the window closes at once.
struct OpenedWindow
{
    WindowId id;
    WindowOrders orders;
    QString ledgerTable; // TDataModule2's table name when the window was made
};

class FakeWindows
{
public:
    // Registers a recording factory for each id with `context`, each shown
    // after `picture` when one is given.
    FakeWindows(AppContext &context, const QList<WindowId> &ids, std::optional<ScreenPicture> picture = std::nullopt);

    QList<OpenedWindow> opened;

private:
    AppContext &m_context;
};
