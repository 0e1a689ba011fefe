#pragma once

#include "core/data/stores/SettingsStore.h"

// The values the program kept in the user's part of the registry, under
// the key RegistryKey ("\Software\Mlynek\Rozvahon 2004"): each subkey is
// the section of a per-user INI file,
//
//     "\Software\Mlynek\Rozvahon 2004"  ->  $XDG_CONFIG_HOME/Mlynek/Rozvahon 2004.ini
//
// (the leading "Software" goes; the other components are folders, the last
// one the file name). Same encodings and missing values as IniStore, shared
// by every running instance of the program. The folders and the file are
// created at the first access of an instance, a section when it is first
// written.
//
//     RegFlags run(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm));
//     if (run.read(Key::Reg::RunFrm)) ... // "Databáze je již aktivní !"
//
// Integers (readInteger, writeInteger) are there for the program's own
// values, such as the record window's placement.
class RegFlags final : public SettingsStore
{
public:
    RegFlags();
    RegFlags(QString keyPath, QString section);

    const QString &keyPath() const { return m_keyPath; }
    void setKeyPath(QString keyPath);

    // The file that holds `keyPath`; empty when the path names no key (it is
    // empty, or a component is "." or "..").
    static QString pathFor(const QString &keyPath);

protected:
    QString resolvePath() const override;
    QString misuseMessage() const override;
    void prepare(const QString &path, bool forWrite) const override;

private:
    QString m_keyPath;
    mutable bool m_created = false; // the key path exists (first access done)
};
