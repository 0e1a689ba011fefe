#pragma once

#include "backup/copy/BackupRun.h"

#include <QDialog>

// "Disketa není prázdná...": go on ("Pokračovat"), clear the earlier
// backup first ("Vymazat") or stop ("Stornovat", or closing the dialog).
class TFrmNeprazdna : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmNeprazdna(QWidget *parent = nullptr);
    BackupView::NotEmpty choice() const { return m_choice; }

private:
    BackupView::NotEmpty m_choice = BackupView::NotEmpty::Cancel;
};
