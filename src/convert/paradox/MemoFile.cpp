#include "convert/paradox/MemoFile.h"

#include "convert/paradox/ConversionError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int PointerSize = 10;  // offset (4), length (4), modification number (2)
constexpr char SingleBlock = 2;  // a block (or run of blocks) holding one value
constexpr char SharedBlock = 3;  // a block whose slots hold small values
constexpr int SingleHeader = 9;  // type, block count, length, modification number
constexpr int SlotTable = 12;    // where a shared block's slot table starts
constexpr int SlotSize = 5;      // offset / 16, length / 16, modification number, length % 16

quint32 le32(const char *at)
{
    const auto *b = reinterpret_cast<const unsigned char *>(at);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

ConversionError broken(const QString &why)
{
    return {QStringLiteral("soubor poznámek (.MB) k tabulce je poškozený: %1").arg(why)};
}

} // namespace

MemoFile::MemoFile(const QString &path) : m_present(true)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ConversionError{QStringLiteral("soubor poznámek %1 nelze přečíst: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString())};
    m_data = file.readAll();
}

QString MemoFile::besideTable(const QString &tablePath)
{
    const QFileInfo table(tablePath);
    const QDir folder = table.absoluteDir();
    const QString wanted = table.completeBaseName() + QStringLiteral(".mb");
    for (const QString &name : folder.entryList(QDir::Files))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return {};
}

QByteArray MemoFile::value(const char *field, int fieldLength) const
{
    if (fieldLength < PointerSize)
        throw broken(QStringLiteral("pole je kratší než jeho ukazatel"));
    const int leaderLength = fieldLength - PointerSize;
    const char *pointer = field + leaderLength;
    const quint32 offset = le32(pointer);
    const quint32 length = le32(pointer + 4);
    if (length == 0)
        return {};
    // A value no longer than the record's own part is kept there whole.
    if (offset == 0) {
        if (length > quint32(leaderLength))
            throw broken(QStringLiteral("hodnota bez místa v souboru"));
        return QByteArray(field, int(length));
    }
    if (!m_present)
        throw ConversionError{QStringLiteral("k tabulce chybí soubor poznámek (.MB)")};
    const qint64 block = offset & 0xFFFFFF00u;
    const int slot = int(offset & 0xFFu);
    if (block + SlotTable + SlotSize > m_data.size())
        throw broken(QStringLiteral("ukazatel míří za konec souboru"));
    const char *start = m_data.constData() + block;
    qint64 dataAt = 0;
    if (slot == 0xFF) {
        if (start[0] != SingleBlock || le32(start + 3) != length)
            throw broken(QStringLiteral("blok hodnoty neodpovídá ukazateli"));
        dataAt = block + SingleHeader;
    } else {
        if (start[0] != SharedBlock)
            throw broken(QStringLiteral("blok hodnoty neodpovídá ukazateli"));
        const char *entry = start + SlotTable + slot * SlotSize;
        dataAt = block + qint64(quint8(entry[0])) * 16;
    }
    if (dataAt + qint64(length) > m_data.size())
        throw broken(QStringLiteral("hodnota přesahuje konec souboru"));
    return m_data.mid(dataAt, qsizetype(length));
}
