#pragma once

#include <QByteArray>
#include <QString>

// The memo file (".MB") beside a Paradox table, which holds the memos,
// formatted memos, pictures and other large values longer than the part
// kept in the record. pxlib 0.6.8 aborts the process when it opens such a
// file (a stack overflow, mended only in 0.6.10), so the file is read here:
// a record's field ends in a pointer (offset, length, modification number)
// to a block of one value or to a slot of a block shared by small values.
class MemoFile
{
public:
    // No file: only values kept whole in their records can be read.
    MemoFile() = default;
    // Reads the whole file; throws ConversionError when it cannot be read.
    explicit MemoFile(const QString &path);

    bool isPresent() const { return m_present; }

    // The value of a large-object field of `fieldLength` bytes as a record
    // holds it; null when the field is empty. Throws ConversionError (without
    // a row number) for a pointer the file does not answer.
    QByteArray value(const char *field, int fieldLength) const;

    // The memo file of `tablePath`: the same name with ".MB" in any letter
    // case; empty when there is none.
    static QString besideTable(const QString &tablePath);

private:
    QByteArray m_data;
    bool m_present = false;
};
