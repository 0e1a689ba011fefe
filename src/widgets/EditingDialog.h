#pragma once

#include "core/data/engine/ErrorGuard.h"

#include <QDialog>
#include <functional>

class Prompter;

// A dialog in which the user types into tables. Whatever way it closes
// (its own button, Escape, the close box), what was typed is written
// first; when it cannot be, the user is told why and the dialog stays, so
// that it can be put right. There is no cancel.
class EditingDialog : public QDialog
{
    Q_OBJECT
public:
    EditingDialog(Prompter &prompter, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // The dialog's closing button: writes, then closes.
    void writeAndClose();

protected:
    // Writes a pending edit (and an open cell editor); a table error is
    // thrown as it comes. False when a grid refused what was typed into it
    // (the user has been told and is back in the cell).
    virtual bool writePending() = 0;
    // writePending with its table error told; true when all was written.
    bool writeAll();
    // Runs `work`; a table error is shown, not thrown.
    bool guarded(const std::function<void()> &work) const { return m_guarded(work); }
    Prompter &prompter() const { return m_prompter; }

    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    Prompter &m_prompter;
    ErrorGuard m_guarded; // tells the engine errors of the window's commands
};
