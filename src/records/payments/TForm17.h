#pragma once

#include "widgets/EditingDialog.h"

#include <array>

class Clock;
class MenuCaptions;
class Prompter;
class QComboBox;
class QTableWidget;
class Table;
class TableGrid;
class TableModel;

// "Pravidelné platby": the payments of the chosen group (the months or an
// item group) in a grid, the month flags of the current payment, the
// payments of all three tables whose time is over, and the group chooser.
class TForm17 : public EditingDialog
{
    Q_OBJECT
public:
    TForm17(const MenuCaptions &captions, Prompter &prompter, const Clock &clock, QWidget *parent = nullptr);
    ~TForm17() override;

    Table &payments() const { return *m_payments; }
    TableGrid *grid() const { return m_grid; }
    QTableWidget *flagsGrid() const { return m_flags; }
    QTableWidget *expiredGrid() const { return m_expired; }
    QComboBox *groupChooser() const { return m_groups; }

    void chooseGroup(int index);
    void Zkontroluj();
    void deleteCurrent();

protected:
    bool writePending() override;

private:
    void showFlags();
    void flagEdited(int column);
    void listExpired();

    const MenuCaptions &m_captions;
    const Clock &m_clock;
    std::unique_ptr<Table> m_payments;
    TableGrid *m_grid = nullptr;
    TableModel *m_model = nullptr;
    QTableWidget *m_flags = nullptr;
    QTableWidget *m_expired = nullptr;
    QComboBox *m_groups = nullptr;
    bool m_showingFlags = false;
    bool m_listQueued = false;
};
