#pragma once

#include "convert/paradox/MemoFile.h"

#include <QList>
#include <QString>
#include <QVariant>

struct px_doc;

// A field of a Paradox table as its header describes it.
struct ParadoxField
{
    QString name;
    int type = 0;     // pxlib's pxf… kind
    int length = 0;   // bytes in the record
    int decimals = 0; // of a BCD field
};

// A Paradox table opened for reading through pxlib, with what pxlib 0.6.8
// gets wrong set right:
//  - a file cut short opens there without complaint and reads garbage, so
//    its size is checked against the header first;
//  - empty date, time and whole-number fields come back as -2147483648
//    marked as present, so a field whose stored bytes are all zero is empty
//    (Paradox never stores a present value as all zeros);
//  - its memo-file reader aborts the process, so memos are read by MemoFile.
// Texts are decoded from the table's code page (windows-1250 when the
// header names none).
class ParadoxFile
{
public:
    // Throws ConversionError when the file is no Paradox table pxlib can
    // read, is damaged or is in a code page the program does not know.
    explicit ParadoxFile(const QString &path);
    ~ParadoxFile();
    ParadoxFile(const ParadoxFile &) = delete;
    ParadoxFile &operator=(const ParadoxFile &) = delete;

    const QList<ParadoxField> &fields() const { return m_fields; }
    int codePage() const { return m_codePage; }
    // Records, deleted ones included.
    int recordCount() const { return m_records; }

    // The values of record `index` (0 the first), one for each field: a
    // QString (alpha, memo, BCD as "-12.34"), QDate, QTime, QDateTime,
    // qlonglong (short, long, autoincrement), double (number, money), bool,
    // or QByteArray (bytes, pictures, OLE, binary); null for an empty field.
    // Throws ConversionError (with no row number) for a record that cannot
    // be read. `deleted` tells a record the table marks as deleted.
    QVariantList record(int index, bool *deleted = nullptr) const;

    // The size the header promises, for the damage check.
    static qint64 expectedSize(int headerSize, unsigned blocks, int blockKilobytes);

private:
    void readHeader(const QString &path, const QString &shown);
    void release();
    QString decode(const QByteArray &bytes) const;
    QVariant value(const ParadoxField &field, const char *data) const;

    px_doc *m_doc = nullptr;
    QList<ParadoxField> m_fields;
    MemoFile m_memos;
    int m_codePage = 1250;
    int m_records = 0;
    int m_recordSize = 0;
};
