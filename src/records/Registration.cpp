#include "records/Registration.h"

#include "core/app/commands/MenuCaptions.h"
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "records/infotext/TForm8.h"
#include "records/itemnames/TForm13.h"
#include "records/payments/TForm17.h"
#include "records/window/TFrmPruvodce.h"
#include "records/ledger/ItemNames.h"
#include "records/ledger/PaymentOffer.h"
#include "records/window/RecordSeams.h"
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

void registerItemNames(AppContext &context)
{
    context.registerWindow(WindowId::ItemNames,
                           [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
                               // The command has switched the holder to the group's table.
                               if (!context.dataModule12 || !context.menuCaptions || !context.prompter)
                                   return nullptr;
                               return std::make_unique<TForm13>(context.dataModule12->table(), *context.menuCaptions,
                                                                *context.prompter, parent);
                           });
    // The names reach the main window's captions while it is built.
    context.itemNamesPass = [&context](MenuCaptions &captions) {
        if (context.dataModule12)
            ItemNames::NastavitPolozky(*context.dataModule12, captions);
    };
}

void registerPaymentsWindow(AppContext &context)
{
    context.registerWindow(WindowId::Payments,
                           [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
                               if (!context.menuCaptions || !context.prompter || !context.clock)
                                   return nullptr;
                               return std::make_unique<TForm17>(*context.menuCaptions, *context.prompter, *context.clock,
                                                                parent);
                           });
}

void registerWizard(AppContext &context)
{
    context.registerWindow(WindowId::Wizard,
                           [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
                               if (!context.dataModule2 || !context.prompter || !context.clock)
                                   return nullptr;
                               auto texts = [&context] {
                                   return context.dataModule6 ? context.dataModule6->texts() : QStringList();
                               };
                               return std::make_unique<TFrmPruvodce>(context.dataModule2->table(), texts, *context.prompter,
                                                                     *context.clock, parent);
                           });
}

void registerRecords(AppContext &context)
{
    registerWizard(context);
    registerPaymentsWindow(context);
    registerRecordWindow(context);
    // Every activation of a month window offers the due regular payments.
    RecordSeams::paymentOffer() = [](Table &ledger, int month, Prompter &prompter, const Clock &clock) {
        PaymentOffer::offer(ledger, month, prompter, clock);
    };
    registerInfoTextWindow(context);
    registerItemNames(context);
}
