#include "widgets/EditingDialog.h"

#include "core/data/engine/EngineError.h"
#include "core/data/platform/Prompter.h"

#include <QCloseEvent>

EditingDialog::EditingDialog(Prompter &prompter, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_prompter(prompter)
{
}

bool EditingDialog::guarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const EngineError &error) {
        m_prompter.message(error.message());
        return false;
    }
}

void EditingDialog::writeAndClose()
{
    if (guarded([this] { writePending(); }))
        accept();
}

void EditingDialog::reject()
{
    if (guarded([this] { writePending(); }))
        QDialog::reject();
}

void EditingDialog::closeEvent(QCloseEvent *event)
{
    if (!guarded([this] { writePending(); })) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
