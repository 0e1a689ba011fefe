#include "records/Registration.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "records/infotext/TForm8.h"
#include "records/window/Registration.h"

void registerInfoTextWindow(AppContext &context)
{
    context.registerWindow(WindowId::InfoText,
                           [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
                               // The texts' table is held for the whole run.
                               if (!context.dataModule6 || !context.prompter)
                                   return nullptr;
                               return std::make_unique<TForm8>(context.dataModule6->table(), *context.prompter, parent);
                           });
}

void registerRecords(AppContext &context)
{
    registerRecordWindow(context);
    registerInfoTextWindow(context);
}
