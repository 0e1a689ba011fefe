#pragma once

#include "core/data/stores/SettingsStore.h"

// The settings of one section of one INI file: "Penezka.ini" (section
// Nastaveni and the record windows' sections), a theme file, or the
// calculator options. File name and section can be changed at any time.
//
// Where the file name leads (filePath()): a bare name ("VedeVoda.INI") is
// looked up in $XDG_CONFIG_HOME/Rozvahon/, a relative path with a folder is
// taken from the current directory, an absolute path as it is; "\" works as
// a separator and every name is matched on disk without regard to case.
//
//     IniStore ini(Paths::inProgramFolder(QLatin1String(FileName::Settings)),
//                  QLatin1String(Section::Nastaveni));
//     ini.write(Key::RychloTl, true);   // RychloTl=1
//     ini.readInteger(QStringLiteral("BtnStyl")); // -11073 while missing
//
// The calls keep the original names in camelCase: ReadString is
// readString, WriteInteger is writeInteger, ReadScrambled is readScrambled.
class IniStore final : public SettingsStore
{
public:
    IniStore();
    IniStore(QString fileName, QString section);

    const QString &fileName() const { return m_fileName; }
    void setFileName(QString fileName) { m_fileName = std::move(fileName); }

    // The file that `fileName` names, as described above; empty for an
    // empty name.
    static QString pathFor(const QString &fileName);

protected:
    QString resolvePath() const override;
    QString misuseMessage() const override;
    void prepare(const QString &path, bool forWrite) const override;

private:
    QString m_fileName;
};
