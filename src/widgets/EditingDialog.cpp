#include "widgets/EditingDialog.h"


#include <QCloseEvent>

EditingDialog::EditingDialog(Prompter &prompter, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_prompter(prompter), m_guarded(prompter)
{
}

bool EditingDialog::writeAll()
{
    bool written = false;
    return guarded([&] { written = writePending(); }) && written;
}

void EditingDialog::writeAndClose()
{
    if (writeAll())
        accept();
}

void EditingDialog::reject()
{
    if (writeAll())
        QDialog::reject();
}

void EditingDialog::closeEvent(QCloseEvent *event)
{
    if (!writeAll()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
