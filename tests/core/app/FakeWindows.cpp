#include "FakeWindows.h"

#include "core/data/catalogue/Holders.h"

namespace {
class ClosingDialog final : public QDialog
{
public:
    using QDialog::QDialog;
    int exec() override { return QDialog::Rejected; }
};
} // namespace

FakeWindows::FakeWindows(AppContext &context, const QList<WindowId> &ids, std::optional<ScreenPicture> picture)
    : m_context(context)
{
    for (WindowId id : ids)
        m_context.registerWindow(id, [this, id](const WindowOrders &orders, QWidget *parent) -> std::unique_ptr<QDialog> {
            OpenedWindow window{id, orders, QString()};
            if (m_context.dataModule2)
                window.ledgerTable = m_context.dataModule2->table().tableName();
            opened << window;
            return std::make_unique<ClosingDialog>(parent);
        }, picture);
}
