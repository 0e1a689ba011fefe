#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// One INI file on disk, in windows-1250 with CR LF line ends (LF alone is
// read too). Every call opens the file, reads or rewrites it and closes it
// again; nothing is remembered between calls, so other windows and other
// running instances see a change at once.
//
// Section and key names are matched without regard to letter case (Unicode
// case folding of the decoded names); blanks around a key name do not count.
// A value is every byte after the first "=" up to the line end, blanks
// included, so that scrambled values (which may begin or end with a blank)
// come back exactly. Lines the class does not understand, comments and the
// order of everything are kept when the file is rewritten.
//
// A write is atomic: the new contents go to a fresh file (unnamed until it
// is complete) that then replaces the old one by a rename, so a crash or a
// full disk never leaves half a file. Every read-modify-write holds an exclusive advisory lock (flock) on
// the folder that holds the file, so concurrent writers, in this process or
// in others, never lose each other's keys. Readers take no lock.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    // The stored bytes of `key` in `section`; nothing when the file, the
    // section or the key is missing. The first matching key wins.
    std::optional<QByteArray> value(const QString &section, const QString &key) const;

    // Stores `value` under `key` in `section`: an existing key keeps its line
    // and its spelling, a new key goes after the last entry of the section, a
    // new section goes to the end of the file; the file is created when its
    // folder exists. Returns false, leaving the file as it was, when a name
    // cannot be stored in one line (see isValidSection, isValidKey), the value
    // holds CR, LF or NUL, an existing file cannot be read, or the new file
    // cannot be written.
    bool setValue(const QString &section, const QString &key, QByteArrayView value);

    // Creates an empty file when there is none; true when the file exists.
    bool create() const;

    // Names in the file, in file order, as written there.
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    // A section name fits between "[" and "]" of one line; a key name fits
    // before "=" of one line and is not taken for a section or a comment.
    static bool isValidSection(QStringView section);
    static bool isValidKey(QStringView key);

    // Without the spaces and tabs around it, as names and values are read.
    static QByteArrayView trimmedBlanks(QByteArrayView text);

private:
    QString m_path;
};
