#include "core/data/engine/ParadoxHeader.h"

#include <QFile>
#include <QList>

namespace ParadoxHeader {

bool looksLikeParadoxTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(6);
    if (head.size() < 6)
        return false;
    const auto word = [&head](int at) { return quint16(quint8(head[at]) | quint8(head[at + 1]) << 8); };
    const quint16 recordSize = word(0);
    const quint16 headerSize = word(2);
    const quint8 fileType = quint8(head[4]);
    const quint8 blockKilobytes = quint8(head[5]);
    return recordSize > 0 && headerSize > 0 && headerSize % 0x800 == 0 && (fileType == 0 || fileType == 2)
           && QList<quint8>{1, 2, 3, 4, 8, 16, 32}.contains(blockKilobytes);
}

QString oldFormatMessage(const QString &shownName)
{
    return QStringLiteral("Soubor %1 je tabulka starého formátu (Paradox). Převeďte ji: tabulky evidence spotřeby "
                          "převede program sám při otevření okna, ostatní tabulky převede příkaz „%2“ spuštěný "
                          "nad složkou se starými tabulkami. Původní soubor zůstane zachován.")
        .arg(shownName, ImportCommand);
}

} // namespace ParadoxHeader
