#include "reports/Registration.h"

#include "core/app/context/AppContext.h"
#include "reports/preview/ReportPreview.h"
#include "reports/report/TForm24.h"

void registerReports(AppContext &context) { registerReports(context, &ReportPreview::printersInstalled); }

void registerReports(AppContext &context, std::function<bool()> printersInstalled)
{
    context.registerWindow(WindowId::Report,
                           [&context, printersInstalled](const WindowOrders &orders,
                                                         QWidget *parent) -> std::unique_ptr<QDialog> {
                               if (!context.prompter || !context.clock)
                                   return nullptr;
                               // TForm24.PrMesic: the report opens the table the key names.
                               auto report = std::make_unique<TForm24>(*context.clock);
                               if (!report->PrMesic(orders.report.code, orders.report.title))
                                   return nullptr;
                               return std::make_unique<ReportPreview>(std::move(report), *context.prompter,
                                                                      printersInstalled, parent);
                           });
}
