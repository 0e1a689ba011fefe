#include "widgets/EditingDialog.h"


#include <QCloseEvent>

EditingDialog::EditingDialog(Prompter &prompter, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_prompter(prompter), m_guarded(prompter)
{
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
