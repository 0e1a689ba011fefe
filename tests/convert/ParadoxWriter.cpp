#include "ParadoxWriter.h"

#include "core/data/format/CodePage1250.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTime>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <paradox.h>
}

namespace ParadoxWriter {

namespace {

constexpr long JulianDayBeforeYearOne = 1721425;

int ownLength(int type)
{
    switch (type) {
    case pxfDate: case pxfLong: case pxfTime: return 4;
    case pxfShort: return 2;
    case pxfCurrency: case pxfNumber: case pxfTimestamp: return 8;
    case pxfLogical: return 1;
    case pxfMemoBLOb: return 20;
    default: return 10;
    }
}

} // namespace

bool write(const QString &path, const QList<Field> &fields, const QList<QVariantList> &rows)
{
    PX_boot();
    pxdoc_t *doc = PX_new();
    auto *defs = static_cast<pxfield_t *>(std::calloc(size_t(fields.size()), sizeof(pxfield_t)));
    bool hasMemo = false;
    for (int i = 0; i < fields.size(); ++i) {
        defs[i].px_fname = strdup(CodePage1250::encode(fields.at(i).name).constData());
        defs[i].px_ftype = char(fields.at(i).type);
        defs[i].px_flen = fields.at(i).length > 0 ? fields.at(i).length : ownLength(fields.at(i).type);
        hasMemo = hasMemo || fields.at(i).type == pxfMemoBLOb;
    }
    if (PX_create_file(doc, defs, fields.size(), QFile::encodeName(path).constData(), pxfFileTypNonIndexDB) < 0) {
        PX_delete(doc);
        return false;
    }
    PX_set_value(doc, "codepage", 1250);
    if (hasMemo) {
        pxblob_t *blob = PX_new_blob(doc);
        const QString memoPath = QFileInfo(path).path() + QLatin1Char('/') + QFileInfo(path).completeBaseName() + QStringLiteral(".MB");
        if (PX_create_blob_file(blob, QFile::encodeName(memoPath).constData()) < 0)
            return false;
        doc->px_blob = blob;
    }
    bool written = true;
    for (const QVariantList &row : rows) {
        std::vector<pxval_t *> values(size_t(fields.size()));
        std::vector<QByteArray> texts(size_t(fields.size()));
        for (int i = 0; i < fields.size(); ++i) {
            pxval_t *value = nullptr;
            MAKE_PXVAL(doc, value);
            values[size_t(i)] = value;
            value->type = fields.at(i).type;
            const QVariant given = i < row.size() ? row.at(i) : QVariant();
            value->isnull = given.isNull() ? 1 : 0;
            if (given.isNull())
                continue;
            switch (fields.at(i).type) {
            case pxfAlpha: case pxfMemoBLOb:
                texts[size_t(i)] = CodePage1250::encode(given.toString());
                value->value.str.val = texts[size_t(i)].data();
                value->value.str.len = int(texts[size_t(i)].size());
                break;
            case pxfBytes:
                texts[size_t(i)] = given.toByteArray();
                value->value.str.val = texts[size_t(i)].data();
                value->value.str.len = int(texts[size_t(i)].size());
                break;
            case pxfDate: value->value.lval = long(given.toDate().toJulianDay() - JulianDayBeforeYearOne); break;
            case pxfTime: value->value.lval = given.toTime().msecsSinceStartOfDay(); break;
            case pxfTimestamp: {
                const QDateTime when = given.toDateTime();
                value->value.dval = double(when.date().toJulianDay() - JulianDayBeforeYearOne) * 86400000.0
                                    + when.time().msecsSinceStartOfDay();
                break;
            }
            case pxfCurrency: case pxfNumber: value->value.dval = given.toDouble(); break;
            case pxfLogical: value->value.lval = given.toBool() ? 1 : 0; break;
            default: value->value.lval = long(given.toLongLong()); break;
            }
        }
        if (PX_insert_record(doc, values.data()) < 0)
            written = false;
        for (pxval_t *value : values)
            FREE_PXVAL(doc, value);
    }
    PX_close(doc);
    PX_delete(doc);
    return written;
}

QList<Field> meterLogFields()
{
    return {{QStringLiteral("Mesic"), Alpha, 15}, {QStringLiteral("Pocatek"), Number},
            {QStringLiteral("Konec"), Number},    {QStringLiteral("Spotreba"), Number},
            {QStringLiteral("Kc/m3"), Currency},  {QStringLiteral("Castka"), Currency}};
}

QList<Field> ledgerFields()
{
    return {{QStringLiteral("Text 80"), Alpha, 80},   {QStringLiteral("Datum"), Date},
            {QStringLiteral("Castka"), Currency},      {QStringLiteral("Text 2 100"), Alpha, 100},
            {QStringLiteral("Cislo"), Number},         {QStringLiteral("Kratky - Short"), Short},
            {QStringLiteral("Vysoke Cislo"), Long},    {QStringLiteral("Cas - Time"), Time},
            {QStringLiteral("Time Stamp"), Timestamp}, {QStringLiteral("Memo Polozka 10"), Memo, 20},
            {QStringLiteral("Logical"), Logical},      {QStringLiteral("Bytes"), Bytes, 10}};
}

} // namespace ParadoxWriter
