#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Writes Paradox tables for the tests with pxlib itself (never with files
// from elsewhere): the fields by name, pxlib kind and size, the rows as
// QVariants (QString, QDate, QTime, QDateTime, qlonglong, double, bool,
// QByteArray; null for empty), texts encoded in windows-1250 and the code
// page 1250 in the header. Memo fields get a memo file (".MB") beside.
namespace ParadoxWriter {

struct Field
{
    QString name;
    int type;       // pxf… of paradox.h
    int length = 0; // 0: the kind's own size
};

// pxlib's kinds, so that the tests need not include its header.
enum Kind : int {
    Alpha = 0x01, Date = 0x02, Short = 0x03, Long = 0x04, Currency = 0x05, Number = 0x06, Logical = 0x09,
    Memo = 0x0C, Time = 0x14, Timestamp = 0x15, Bytes = 0x18,
};

// False when pxlib refused; the file is then incomplete.
bool write(const QString &path, const QList<Field> &fields, const QList<QVariantList> &rows);

// The fields of a meter log (price field "Kc/m3").
QList<Field> meterLogFields();
// The fields of a ledger that carry a value in these tests.
QList<Field> ledgerFields();

} // namespace ParadoxWriter
