#include "records/window/Registration.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "records/window/TForm3.h"

void registerRecordWindow(AppContext &context)
{
    context.registerWindow(WindowId::RecordWindow,
                           [&context](const WindowOrders &orders, QWidget *parent) -> std::unique_ptr<QDialog> {
                               // The window shows the table of the ledger holder;
                               // without one there is nothing to show.
                               if (!context.dataModule2)
                                   return nullptr;
                               return std::make_unique<TForm3>(context, orders.record, context.dataModule2->table(),
                                                               context.dataModule23, parent);
                           });
}
