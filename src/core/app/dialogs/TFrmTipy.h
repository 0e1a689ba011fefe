#pragma once

#include <QDialog>
#include <QRandomGenerator>

class QCheckBox;
class QLabel;
class SettingsStore;

// The tips dialog "tipy pro Rozvahon": one tip chosen at random, "Další
// Tip" for another, and the check box that stores Tipy at each click.
class TFrmTipy : public QDialog
{
    Q_OBJECT
public:
    enum class Opened { FromMenu, AtStartUp };

    TFrmTipy(SettingsStore &settings, Opened opened, QWidget *parent = nullptr,
             quint32 seed = QRandomGenerator::global()->generate());

    int tipIndex() const { return m_tip; }
    QString tipText() const;
    QCheckBox *showAtStartUp() const { return m_check; }

    void DalsiTipClick();

private:
    void CheckBoxClick(bool checked);

    SettingsStore &m_settings;
    QRandomGenerator m_random;
    QLabel *m_text = nullptr;
    QCheckBox *m_check = nullptr;
    int m_tip = 0;
};
