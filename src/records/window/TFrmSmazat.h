#pragma once

#include <QDialog>

class QLabel;

// The confirmation of a deletion in the record window: "Otázka", "Smazat
// tuto položku ?" with the record's date below, "&Ano" (default, Enter)
// and "&Ne" (Escape).
class TFrmSmazat : public QDialog
{
    Q_OBJECT
public:
    TFrmSmazat(const QString &dateText, QWidget *parent = nullptr);

    // Shows the dialog modally; true for "Ano".
    static bool confirm(const QString &dateText, QWidget *parent);

private:
    QLabel *m_date = nullptr;
};
