#pragma once

#include "core/data/stores/IniStore.h"
#include "core/data/catalogue/RecordKind.h"
#include "records/window/ToolbarChoices.h"

// The record window's own settings store `DbSet`: "Penezka.ini" in the
// current folder, section "SetMesice" for months and "SetUziv1" for the
// other kinds. Every read and write goes to the file at once.
class RecordSettings
{
public:
    // Points the store at the current folder's "Penezka.ini", section
    // "SetMesice".
    RecordSettings();

    QString fileName() const { return m_store.fileName(); }
    QString section() const { return m_store.section(); }
    void setKind(RecordKind kind);

    // "Directory" := the store's full file name, in the section it has now.
    void writeDirectory();

    ToolbarChoices toolbarChoices() const;
    bool choice(ToolbarGroup group) const;
    void setChoice(ToolbarGroup group, bool on);

    // "TextDop"; a missing key ("ERROR") reads as empty.
    QString automaticSupplement() const;
    void setAutomaticSupplement(const QString &text);

    // "BckgDatabaze", the design colour 13434879 while never written.
    int gridBackground() const;
    void setGridBackground(int colour);

    // Main settings (section "Nastaveni") the window reads: "Scr",
    // "StatusBar1".
    bool mainSetting(BoolKey key) const;

private:
    IniStore m_store;
};
