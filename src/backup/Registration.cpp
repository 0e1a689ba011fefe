#include "backup/Registration.h"

#include "backup/window/TFrmOpenZaloha.h"
#include "backup/window/TFrmZaloha.h"
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"

#include <memory>
#include <vector>

namespace {

// The tables of the run's holders: closed while a backup is opened, and
// those that were open opened again (the ledger with the name it had).
BackupRun::OpenTables holdersTables(AppContext &context)
{
    auto wereOpen = std::make_shared<std::vector<Table *>>();
    BackupRun::OpenTables tables;
    tables.close = [&context, wereOpen] {
        std::vector<Table *> all;
        if (context.dataModule6)
            all.push_back(&context.dataModule6->table());
        if (context.dataModule12)
            all.push_back(&context.dataModule12->table());
        if (context.dataModule2)
            all.push_back(&context.dataModule2->table());
        if (context.dataModule23)
            all.push_back(&context.dataModule23->table());
        for (Table *table : all) {
            if (!table->isOpen())
                continue;
            if (std::find(wereOpen->begin(), wereOpen->end(), table) == wereOpen->end())
                wereOpen->push_back(table);
            table->close();
        }
    };
    tables.reopen = [&context, wereOpen] {
        for (Table *table : *wereOpen) {
            try {
                table->open();
            } catch (const EngineError &error) {
                if (context.prompter)
                    context.prompter->message(error.message());
            }
        }
        wereOpen->clear();
    };
    return tables;
}

} // namespace

void registerBackup(AppContext &context)
{
    context.registerWindow(WindowId::Backup, [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
        if (!context.prompter)
            return nullptr;
        return std::make_unique<TFrmZaloha>(*context.prompter, parent);
    });
    context.registerWindow(WindowId::OpenBackup,
                           [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
                               if (!context.prompter)
                                   return nullptr;
                               return std::make_unique<TFrmOpenZaloha>(
                                   *context.prompter, context.clock ? *context.clock : Clock::system(),
                                   holdersTables(context), parent);
                           });
}
