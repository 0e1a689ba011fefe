#include "records/window/Registration.h"

#include "core/app/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "records/window/TForm3.h"

void registerRecordWindow()
{
    AppContext::instance().registerWindow(WindowId::RecordWindow, [](QWidget *parent) -> std::unique_ptr<QDialog> {
        AppContext &context = AppContext::instance();
        // The window shows the table of the ledger holder; without one
        // there is nothing to show.
        if (!context.dataModule2)
            return nullptr;
        return std::make_unique<TForm3>(context, context.dataModule2->table(), context.dataModule23, parent);
    });
}
