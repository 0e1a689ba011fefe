#include "graphs/Registration.h"

#include "graphs/window/TForm4.h"

#include "core/app/context/AppContext.h"

void registerGraphs(AppContext &context)
{
    context.registerWindow(WindowId::GraphWindow,
                           [&context](const WindowOrders &orders, QWidget *parent) -> std::unique_ptr<QDialog> {
                               // The opener has switched the ledger holder to the graphed table.
                               if (!context.dataModule2)
                                   return nullptr;
                               return std::make_unique<TForm4>(context, orders.graph, parent);
                           });
}
