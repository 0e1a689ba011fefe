#pragma once

#include <QDialog>

class QLineEdit;
class SettingsStore;

// The start-up password dialog "Heslo". Accepted when the typed password
// is right; rejected for a wrong one, "Storno", Esc or the close box - each
// of which ends the program.
class TFrmHeslo : public QDialog
{
    Q_OBJECT
public:
    TFrmHeslo(const SettingsStore &settings, QWidget *parent = nullptr);

    QLineEdit *passwordEdit() const { return m_edit; }

private:
    void OKClick();
    void StornoClick();

    const SettingsStore &m_settings;
    QLineEdit *m_edit = nullptr;
};
