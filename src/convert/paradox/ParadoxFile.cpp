#include "convert/paradox/ParadoxFile.h"

#include "convert/paradox/ConversionError.h"
#include "core/data/format/CodePage1250.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTime>
// pxlib's header declares no C linkage of its own.
extern "C" {
#include <paradox.h>
}

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Day 1 of a Paradox date is 1 January of the year 1, Julian day 1721426.
constexpr qint64 JulianDayBeforeYearOne = 1721425;
constexpr double MillisecondsPerDay = 86400000.0;

// pxlib tells its errors through a handler; the last one is kept for the
// message.
void keepError(pxdoc_t *, int, const char *message, void *data)
{
    if (data && message)
        *static_cast<QString *>(data) = QString::fromLocal8Bit(message).trimmed();
}

QString &lastPxError()
{
    static thread_local QString error;
    return error;
}

bool allZero(const char *data, int length)
{
    return std::all_of(data, data + length, [](char c) { return c == 0; });
}

// The name the code page has among the text codecs.
std::optional<QStringDecoder> decoderFor(int codePage)
{
    for (const QString &name : {QStringLiteral("windows-%1").arg(codePage), QStringLiteral("IBM%1").arg(codePage),
                                QStringLiteral("cp%1").arg(codePage)}) {
        QStringDecoder decoder(name.toLatin1().constData());
        if (decoder.isValid())
            return decoder;
    }
    return std::nullopt;
}

} // namespace

qint64 ParadoxFile::expectedSize(int headerSize, unsigned blocks, int blockKilobytes)
{
    return qint64(headerSize) + qint64(blocks) * qint64(blockKilobytes) * 1024;
}

ParadoxFile::ParadoxFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    PX_boot();
    m_doc = PX_new3(keepError, nullptr, nullptr, nullptr, &lastPxError());
    if (!m_doc)
        throw ConversionError{QStringLiteral("pro čtení tabulky není dost paměti")};
    lastPxError().clear();
    if (PX_open_file(m_doc, QFile::encodeName(path).constData()) < 0) {
        PX_delete(m_doc);
        m_doc = nullptr;
        throw ConversionError{QStringLiteral("soubor %1 není čitelná tabulka formátu Paradox%2")
                                  .arg(shown, lastPxError().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(lastPxError()))};
    }
    // A constructor that throws runs no destructor: the table is let go here.
    try {
        readHeader(path, shown);
    } catch (...) {
        release();
        throw;
    }
}

void ParadoxFile::readHeader(const QString &path, const QString &shown)
{
    const pxhead_t *head = m_doc->px_head;
    if (head->px_filetype != pxfFileTypIndexDB && head->px_filetype != pxfFileTypNonIndexDB)
        throw ConversionError{QStringLiteral("soubor %1 není datová tabulka Paradox, ale její index").arg(shown)};
    const qint64 expected = expectedSize(head->px_headersize, head->px_fileblocks, head->px_maxtablesize);
    const qint64 actual = QFileInfo(path).size();
    if (actual != expected || head->px_numrecords < 0 || head->px_numrecords > head->px_theonumrecords)
        throw ConversionError{QStringLiteral("tabulka %1 je zkrácená nebo poškozená (soubor má %2 bajtů, podle své "
                                             "hlavičky má mít %3)")
                                  .arg(shown).arg(actual).arg(expected)};
    if (head->px_doscodepage > 0)
        m_codePage = head->px_doscodepage;
    if (m_codePage != 1250 && !decoderFor(m_codePage))
        throw ConversionError{QStringLiteral("tabulka %1 je v kódové stránce %2, kterou program nezná").arg(shown).arg(m_codePage)};
    m_records = head->px_numrecords;
    m_recordSize = head->px_recordsize;
    for (int i = 0; i < head->px_numfields; ++i) {
        const pxfield_t &field = head->px_fields[i];
        m_fields.append({decode(QByteArray(field.px_fname)), int(quint8(field.px_ftype)), field.px_flen, field.px_fdc});
    }
    const QString memoPath = MemoFile::besideTable(path);
    if (!memoPath.isEmpty())
        m_memos = MemoFile(memoPath);
}

void ParadoxFile::release()
{
    if (!m_doc)
        return;
    PX_close(m_doc);
    PX_delete(m_doc);
    m_doc = nullptr;
}

ParadoxFile::~ParadoxFile() { release(); }

QString ParadoxFile::decode(const QByteArray &bytes) const
{
    if (m_codePage == 1250)
        return CodePage1250::decode(bytes);
    std::optional<QStringDecoder> decoder = decoderFor(m_codePage);
    return decoder ? decoder->decode(bytes) : QString::fromLatin1(bytes);
}

QVariantList ParadoxFile::record(int index, bool *deleted) const
{
    std::vector<char> data(size_t(std::max(m_recordSize, 1)));
    int isDeleted = 0;
    pxdatablockinfo_t block{};
    lastPxError().clear();
    if (index < 0 || index >= m_records || !PX_get_record2(m_doc, index, data.data(), &isDeleted, &block))
        throw ConversionError{QStringLiteral("záznam nelze přečíst%1")
                                  .arg(lastPxError().isEmpty() ? QString() : QStringLiteral(" (%1)").arg(lastPxError()))};
    if (deleted)
        *deleted = isDeleted != 0;
    QVariantList values;
    values.reserve(m_fields.size());
    int offset = 0;
    for (const ParadoxField &field : m_fields) {
        if (offset + field.length > m_recordSize)
            throw ConversionError{QStringLiteral("pole %1 přesahuje záznam").arg(field.name)};
        try {
            values.append(value(field, data.data() + offset));
        } catch (ConversionError &error) {
            error.field = field.name;
            throw;
        }
        offset += field.length;
    }
    return values;
}

QVariant ParadoxFile::value(const ParadoxField &field, const char *data) const
{
    char *at = const_cast<char *>(data);
    const int length = field.length;
    if (allZero(data, length))
        return {};
    switch (field.type) {
    case pxfAlpha: {
        const char *end = std::find(data, data + length, '\0');
        return decode(QByteArray(data, int(end - data)));
    }
    case pxfDate: {
        long days = 0;
        PX_get_data_long(m_doc, at, length, &days);
        return QDate::fromJulianDay(qint64(days) + JulianDayBeforeYearOne);
    }
    case pxfTime: {
        long milliseconds = 0;
        PX_get_data_long(m_doc, at, length, &milliseconds);
        return QTime::fromMSecsSinceStartOfDay(int(milliseconds));
    }
    case pxfTimestamp: {
        double milliseconds = 0;
        PX_get_data_double(m_doc, at, length, &milliseconds);
        const double days = std::floor(milliseconds / MillisecondsPerDay);
        const QDate date = QDate::fromJulianDay(qint64(days) + JulianDayBeforeYearOne);
        return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(std::llround(milliseconds - days * MillisecondsPerDay))));
    }
    case pxfShort: {
        short number = 0;
        PX_get_data_short(m_doc, at, length, &number);
        return qlonglong(number);
    }
    case pxfLong:
    case pxfAutoInc: {
        long number = 0;
        PX_get_data_long(m_doc, at, length, &number);
        return qlonglong(number);
    }
    case pxfCurrency:
    case pxfNumber: {
        double number = 0;
        PX_get_data_double(m_doc, at, length, &number);
        return number;
    }
    case pxfLogical: {
        char flag = 0;
        PX_get_data_byte(m_doc, at, length, &flag);
        return flag != 0;
    }
    case pxfBCD: {
        char *text = nullptr;
        if (PX_get_data_bcd(m_doc, reinterpret_cast<unsigned char *>(at), field.decimals, &text) <= 0 || !text)
            return {};
        const QString number = QString::fromLatin1(text);
        m_doc->free(m_doc, text);
        return number;
    }
    case pxfBytes:
        return QByteArray(data, length);
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb: {
        const QByteArray bytes = m_memos.value(data, length);
        if (bytes.isNull())
            return {};
        const qsizetype end = bytes.indexOf('\0');
        return decode(end < 0 ? bytes : bytes.left(end));
    }
    case pxfBLOb:
    case pxfGraphic:
    case pxfOLE: {
        const QByteArray bytes = m_memos.value(data, length);
        return bytes.isNull() ? QVariant() : QVariant(bytes);
    }
    default:
        throw ConversionError{QStringLiteral("pole %1 je druhu, který program nezná (%2)").arg(field.name).arg(field.type)};
    }
}
