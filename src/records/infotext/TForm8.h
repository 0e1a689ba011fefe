#pragma once

#include "widgets/EditingDialog.h"

class Prompter;
class QMenu;
class QPushButton;
class Table;
class TableGrid;
class TableModel;

// "Rychlý výpis informačního textu": the user's list of ready-made
// information texts, edited in place in a grid, with "Přidat", "Smazat"
// and "Uložit a zavřít   ". Whatever way the window closes, a pending edit
// is written.
class TForm8 : public EditingDialog
{
    Q_OBJECT
public:
    TForm8(Table &texts, Prompter &prompter, QWidget *parent = nullptr);
    ~TForm8() override;

    TableGrid *grid() const { return m_grid; }

    void PridatClick();
    void SmazatClick();
    void UlozitClick();

protected:
    // Writes an open cell editor and the pending edit.
    bool writePending() override;

private:

    Table &m_texts;
    TableGrid *m_grid = nullptr;
    TableModel *m_model = nullptr;
    QMenu *m_gridMenu = nullptr;
};
