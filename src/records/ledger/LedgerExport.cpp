#include "records/ledger/LedgerExport.h"

#include "core/data/engine/Table.h"
#include "core/data/format/CodePage1250.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/AtomicFile.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace LedgerExport {

namespace {

QString padded(const QString &piece, int width)
{
    return piece.size() >= width ? piece : piece + QString(width - piece.size(), QLatin1Char(' '));
}

} // namespace

QStringList textLines(Table &ledger)
{
    QStringList lines;
    if (!ledger.isOpen())
        return lines;
    const int date = ledger.fieldIndex(LedgerField::Date);
    const int text = ledger.fieldIndex(LedgerField::Text);
    const int amount = ledger.fieldIndex(LedgerField::Amount);
    const int supplement = ledger.fieldIndex(LedgerField::Supplement);
    {
        SuspendedControls suspended(ledger);
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            const QVariant value = ledger.value(amount);
            const Money money = value.isNull() ? Money() : value.value<Money>();
            const QString number = value.isNull() ? QString() : Locale::moneyPlain(money);
            const bool belowZero = std::llround(money.toDouble()) < 0;
            lines << padded(ledger.field(date).asString(), 11) + padded(ledger.field(text).asString(), belowZero ? 59 : 60)
                         + number + QStringLiteral("Kč") + QString(std::max(0, 30 - int(number.size())), QLatin1Char(' '))
                         + ledger.field(supplement).asString();
        }
        ledger.first();
    }
    return lines;
}

QStringList HtmlTableWriter::lines(Table &table) const
{
    QStringList lines = header.isEmpty()
                            ? QStringList{QStringLiteral("<html>"), QStringLiteral("<head> <title> DataSet </title> </head>"),
                                          QStringLiteral("<body>")}
                            : header;
    lines << QStringLiteral("<table border = \"1\" rows = \"%1\" bordercolor=\"#000000\" cellspacing=\"0\" cellpadding=\"2\">")
                 .arg(table.isOpen() ? table.recordCount() : 0); // the rows written, the filter followed
    lines << QStringLiteral("<tr>");
    for (const auto &[name, label] : fields)
        lines << QStringLiteral("<th  >") + label + QStringLiteral(" </th>");
    lines << QStringLiteral("</tr>");
    if (table.isOpen()) {
        SuspendedControls suspended(table);
        for (table.first(); !table.eof(); table.next()) {
            lines << QStringLiteral("<tr>");
            for (const auto &[name, label] : fields) {
                // Values are written as they are: other programs read these files.
                const QString value = table.field(name).displayText();
                lines << QStringLiteral("<td nowrap  >") + (value.isEmpty() ? QStringLiteral("&nbsp") : value)
                             + QStringLiteral(" </td>");
            }
            lines << QStringLiteral("</tr>");
        }
        table.last(); // the walk ends on the last record
    }
    lines << QStringLiteral("</table>");
    lines += footer.isEmpty() ? QStringList{QStringLiteral("</body>"), QStringLiteral("</html>")} : footer;
    return lines;
}

QStringList htmlLines(Table &ledger, const QString &caption)
{
    HtmlTableWriter writer;
    writer.header = {QStringLiteral("<HTML>"),
                     QStringLiteral("<HEAD>"),
                     QStringLiteral("<TITLE>Rozvahon : ") + caption + QStringLiteral("</TITLE>"),
                     QStringLiteral("</HEAD>"),
                     QStringLiteral("<BODY bgcolor=\"#000080\" text=\"#ffffff\" leftmargin=\"0\" topmargin=\"0\" "
                                    "marginwidth=\"0\" marginheight=\"0\">"),
                     QStringLiteral("<BR>"),
                     QStringLiteral("<FONT FACE=\"ARIAL\"><P align=\"Center\">") + caption,
                     QStringLiteral("<BR>"),
                     QStringLiteral("<BR>")};
    writer.footer = {QString(), QStringLiteral("</table>"), QStringLiteral("</body>"), QStringLiteral("</html>"),
                     QStringLiteral("</p>")};
    writer.fields = {{LedgerField::Text, QStringLiteral("Informační text")},
                     {LedgerField::Date, QStringLiteral("Datum")},
                     {LedgerField::Amount, QStringLiteral("Částka")}};
    return writer.lines(ledger);
}

int unencodable(const QStringList &lines)
{
    int count = 0;
    for (const QString &line : lines) {
        const QString back = CodePage1250::decode(CodePage1250::encode(line));
        // Each character the code page lacks came back as "?".
        int i = 0;
        for (const QChar *c = line.constBegin(); c != line.constEnd(); ++c) {
            if (c->isLowSurrogate())
                continue;
            if (i < back.size() && back[i] == u'?' && *c != u'?')
                ++count;
            ++i;
        }
    }
    return count;
}

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += CodePage1250::encode(line) + "\r\n";
    return bytes;
}

bool write(const QString &path, const QStringList &lines, QString *error)
{
    if (AtomicFile::write(path, fileBytes(lines)))
        return true;
    if (error)
        *error = QStringLiteral("Soubor „%1“ nelze zapsat. Zkontrolujte, zda složka existuje, zda do ní smíte zapisovat "
                                "a zda je na disku místo.")
                     .arg(QDir::toNativeSeparators(path));
    return false;
}

QString withExtension(const QString &path, const QString &extension)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + extension : path;
}

} // namespace LedgerExport
