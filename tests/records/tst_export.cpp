// The text and HTML files of a ledger.
#include "LedgerFixture.h"

#include "core/data/format/CodePage1250.h"
#include "records/ledger/LedgerExport.h"
#include "records/ledger/RowTicks.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QString spaces(int n) { return QString(n, QLatin1Char(' ')); }

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    // One line per record, the pieces padded so that the digits line up.
    void textLine_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("line");
        QTest::newRow("positive") << "3.2.2009;Nákup;100;;;doplněk"
                                  << QStringLiteral("3.2.2009") + spaces(3) + QStringLiteral("Nákup") + spaces(55)
                                         + QStringLiteral("100Kč") + spaces(27) + QStringLiteral("doplněk");
        QTest::newRow("negative starts a column to the left") << "3.2.2009;Nákup;-100"
                                  << QStringLiteral("3.2.2009") + spaces(3) + QStringLiteral("Nákup") + spaces(54)
                                         + QStringLiteral("-100Kč") + spaces(26);
        QTest::newRow("rounds to zero: not moved") << "3.2.2009;x;-0,4"
                                  << QStringLiteral("3.2.2009") + spaces(3) + QStringLiteral("x") + spaces(59)
                                         + QStringLiteral("-0,4Kč") + spaces(26);
        QTest::newRow("no date") << ";x;1" << spaces(11) + QStringLiteral("x") + spaces(59) + QStringLiteral("1Kč") + spaces(29);
        QTest::newRow("no amount") << "3.2.2009;x;" << QStringLiteral("3.2.2009") + spaces(3) + QStringLiteral("x") + spaces(59)
                                                          + QStringLiteral("Kč") + spaces(30);
        QTest::newRow("long text runs into the amount")
            << QStringLiteral("3.2.2009;") + QString(61, QLatin1Char('t')) + QStringLiteral(";5")
            << QStringLiteral("3.2.2009") + spaces(3) + QString(61, QLatin1Char('t')) + QStringLiteral("5Kč") + spaces(29);
    }
    void textLine()
    {
        QFETCH(QString, row);
        QFETCH(QString, line);
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {row});
        QCOMPARE(LedgerExport::textLines(*ledger), QStringList{line});
    }

    // The amounts 100 and −100 end with their last digit in one column.
    void digitsLineUp()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;a;100"), QStringLiteral("1.2.2009;b;-100")});
        const QStringList lines = LedgerExport::textLines(*ledger);
        QCOMPARE(lines[0].indexOf(QStringLiteral("Kč")), lines[1].indexOf(QStringLiteral("Kč")));
    }

    // The page, line by line; values as they are, amounts in the currency
    // format, empty values as &nbsp.
    void htmlPage()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;A & <b>;1234,5"), QStringLiteral(";bez data;")});
        const QStringList lines = LedgerExport::htmlLines(*ledger, QStringLiteral("Měsíc Únor"));
        const QStringList expected{
            "<HTML>", "<HEAD>", "<TITLE>Rozvahon : Měsíc Únor</TITLE>", "</HEAD>",
            "<BODY bgcolor=\"#000080\" text=\"#ffffff\" leftmargin=\"0\" topmargin=\"0\" marginwidth=\"0\" marginheight=\"0\">",
            "<BR>", "<FONT FACE=\"ARIAL\"><P align=\"Center\">Měsíc Únor", "<BR>", "<BR>",
            "<table border = \"1\" rows = \"2\" bordercolor=\"#000000\" cellspacing=\"0\" cellpadding=\"2\">",
            "<tr>", "<th  >Informační text </th>", "<th  >Datum </th>", "<th  >Částka </th>", "</tr>",
            "<tr>", "<td nowrap  >A & <b> </td>", "<td nowrap  >1.2.2009 </td>",
            QStringLiteral("<td nowrap  >1\u00A0234,50 Kč </td>"), "</tr>",
            "<tr>", "<td nowrap  >bez data </td>", "<td nowrap  >&nbsp </td>", "<td nowrap  >&nbsp </td>", "</tr>",
            "</table>", "", "</table>", "</body>", "</html>", "</p>"};
        QCOMPARE(lines, expected);
        QCOMPARE(ledger->position(), 1); // on the last record
    }

    // An empty table: an empty text file; the page has the header, a table
    // of 0 rows with its heading row, and the footer.
    void emptyTable()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        QVERIFY(LedgerExport::textLines(*ledger).isEmpty());
        const QStringList lines = LedgerExport::htmlLines(*ledger, QStringLiteral("Měsíc Únor"));
        QCOMPARE(lines.size(), 9 + 1 + 5 + 6);
        QVERIFY(lines[9].contains(QStringLiteral("rows = \"0\"")));
    }

    // Only the ticked rows while the filter is on.
    void filteredRows()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;a;1"), QStringLiteral("2.2.2009;b;2"), QStringLiteral("3.2.2009;c;3")});
        ledger->setFilter([](const Table &table) { return table.field(QStringLiteral("Text 80")).asString() != QLatin1String("b"); });
        ledger->setFiltered(true);
        QCOMPARE(LedgerExport::textLines(*ledger).size(), 2);
    }

    // The file: windows-1250, CR LF after every line, no byte-order mark;
    // written whole, replacing what was there.
    void fileBytes()
    {
        const QString path = m_env->path(QStringLiteral("vypis.txt"));
        m_env->writeFile(QStringLiteral("vypis.txt"), "old contents that are longer than the new ones");
        QString error;
        QVERIFY(LedgerExport::write(path, {QStringLiteral("Nájem č. 1"), QStringLiteral("ž")}, &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), CodePage1250::encode(u"Nájem č. 1") + "\r\n" + CodePage1250::encode(u"ž") + "\r\n");
        QVERIFY(!LedgerExport::write(m_env->path(QStringLiteral("neni/vypis.txt")), {QStringLiteral("x")}, &error));
        QVERIFY2(error.contains(QStringLiteral("nelze zapsat")), qPrintable(error));
        QCOMPARE(LedgerExport::withExtension(QStringLiteral("/tmp/a"), QStringLiteral("TXT")), QStringLiteral("/tmp/a.TXT"));
        QCOMPARE(LedgerExport::withExtension(QStringLiteral("/tmp/a.txt"), QStringLiteral("TXT")), QStringLiteral("/tmp/a.txt"));
    }

    // A fixed ledger exported byte for byte as the checked-in files hold it:
    // dated and undated rows, positive, negative, zero and missing amounts,
    // a 60-character text, "&" and "<", a supplement, Czech letters.
    void goldenFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text") << "txt";
        QTest::newRow("HTML") << "htm";
    }
    void goldenFiles()
    {
        QFETCH(QString, kind);
        auto ledger = openLedger(QStringLiteral("Leden.db"));
        appendRows(*ledger, {QStringLiteral("1.1.2009;Výplata;28500;;;příjem"), QStringLiteral("3.1.2009;Nájem & energie;-9800"),
                             QStringLiteral(";bez data;0"), QStringLiteral("5.1.2009;<b>značka</b>;"),
                             QStringLiteral("12.1.2009;") + QString(60, QLatin1Char('x')) + QStringLiteral(";-0,75;;;krátký"),
                             QStringLiteral("31.1.2009;Úroky žluťoučký kůň;12,35;;;čtvrtletní")});
        const QStringList lines = kind == QLatin1String("txt") ? LedgerExport::textLines(*ledger)
                                                               : LedgerExport::htmlLines(*ledger, QStringLiteral("Měsíc Leden"));
        const QString path = QFINDTESTDATA(QStringLiteral("golden/ledger.") + kind);
        QVERIFY2(!path.isEmpty(), "golden file missing");
        QFile golden(path);
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const QByteArray expected = golden.readAll();
        const QByteArray actual = LedgerExport::fileBytes(lines);
        // ROZVAHON_WRITE_GOLDEN=1 writes the files anew, to be read and checked in.
        if (qEnvironmentVariableIsSet("ROZVAHON_WRITE_GOLDEN")) {
            golden.close();
            QVERIFY(golden.open(QIODevice::WriteOnly | QIODevice::Truncate));
            golden.write(actual);
            return;
        }
        QCOMPARE(actual, expected);
    }

    // The general writer: its own header and footer when given none.
    void writerDefaults()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        LedgerExport::HtmlTableWriter writer;
        writer.fields = {{QStringLiteral("Text 80"), QStringLiteral("Text")}};
        const QStringList lines = writer.lines(*ledger);
        QCOMPARE(lines.mid(0, 3), (QStringList{"<html>", "<head> <title> DataSet </title> </head>", "<body>"}));
        QCOMPARE(lines.mid(lines.size() - 3), (QStringList{"</table>", "</body>", "</html>"}));
    }

    // Characters the code page lacks are counted, never lost unseen.
    void unencodableCharacters()
    {
        QCOMPARE(LedgerExport::unencodable({QStringLiteral("Nájem € ?")}), 0);
        QCOMPARE(LedgerExport::unencodable({QStringLiteral("漢字 a"), QStringLiteral("ok ✓")}), 3);
    }

    // A folder nobody may write into: a clear message, the old file intact.
    void readOnlyFolderKeepsTheOldFile()
    {
        QVERIFY(QDir().mkpath(m_env->path(QStringLiteral("vystup"))));
        m_env->writeFile(QStringLiteral("vystup/vypis.txt"), "the old export");
        const QString folder = m_env->path(QStringLiteral("vystup"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        QString error;
        const bool written = LedgerExport::write(folder + QStringLiteral("/vypis.txt"), {QStringLiteral("nový")}, &error);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QVERIFY2(error.contains(QStringLiteral("nelze zapsat")), qPrintable(error));
        QFile old(folder + QStringLiteral("/vypis.txt"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the old export"));
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
