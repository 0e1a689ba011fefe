#pragma once

#include <QByteArray>

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: a temporary directory made the
// current directory, with its own XDG_CONFIG_HOME and XDG_DATA_HOME, so that
// no test reads or writes the user's files. Everything is put back when the
// object goes.
// The start of a table of the program's older edition (Paradox): record
// size, a 2 kB header, file type 0 and 2 kB blocks, then the header's rest.
inline QByteArray paradoxTable()
{
    QByteArray bytes(2048, '\0');
    bytes[0] = 0x20;
    bytes[3] = 0x08;
    bytes[5] = 2;
    return bytes;
}

class TestEnv
{
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv &) = delete;
    TestEnv &operator=(const TestEnv &) = delete;

    QString programFolder() const;        // the current directory
    QString configHome() const;           // XDG_CONFIG_HOME of the test
    QString path(const QString &relative) const; // below the program folder

    // The program folder with every table of the catalogue, empty, as the
    // build delivers it, and the first-run INI files.
    void deliverTables() const;
    // Writes `contents` (UTF-8 source text) to a file below the program folder.
    void writeFile(const QString &relative, const QByteArray &contents) const;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    QByteArray m_previousConfig;
    QByteArray m_previousData;
};
