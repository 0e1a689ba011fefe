#pragma once

#include <QDialog>

class QLineEdit;

// "Změna názvu", opened from the supplement label: the current supplement
// and an edit for the new one. "OK   " (Enter) accepts, "Storno "
// (Escape) discards; the caller writes the accepted text.
class TFrmZmenaNazvu : public QDialog
{
    Q_OBJECT
public:
    TFrmZmenaNazvu(const QString &supplement, QWidget *parent = nullptr);

    QString newText() const;
    QLineEdit *edit() const { return m_edit; }

private:
    QLineEdit *m_edit = nullptr;
};
