// The printed report read back from its PDF with pdftotext (poppler-utils),
// and the preview window: which table a print command opens, that the
// preview blocks nothing and goes with its table when closed, and what
// "Tisk" does on a machine without a printer.

#include "records/LedgerFixture.h"

#include "core/app/commands/MenuCaptions.h"
#include "core/app/context/AppContext.h"
#include "shell/window/MainCommands.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "reports/Registration.h"
#include "reports/preview/ReportPreview.h"
#include "reports/report/TForm24.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The amounts of the 120-record month: both signs, grouping, decimals.
QString amountOf(int i) { return (i % 3 == 0 ? u"-"_s : QString()) + QString::number(i * 1013) + u",25"_s; }

QStringList monthRows(int count)
{
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows << u"%1.3.2009;Položka %2;%3;999999;SKRYTY;DOPLNEK"_s.arg(i % 28 + 1).arg(i).arg(amountOf(i));
    return rows;
}

// pdftotext uses plain blanks; so do the comparisons.
QString plain(QString text) { return text.replace(QChar(0x00A0), u' '); }

// The pages of a PDF document as pdftotext -layout reads them.
QStringList pdfPages(const QByteArray &pdf)
{
    const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (tool.isEmpty()) {
        qWarning("pdftotext is missing: install the Debian package poppler-utils");
        return {};
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(u"report.pdf"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess process;
    process.start(tool, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, file.fileName(), u"-"_s});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = plain(QString::fromUtf8(process.readAllStandardOutput())).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

ReportPreview *openPreview()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *preview = qobject_cast<ReportPreview *>(widget); preview && preview->isVisible())
            return preview;
    }
    return nullptr;
}

void deleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QPushButton *button(QWidget *window, const QString &name) { return window->findChild<QPushButton *>(name); }

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_context = std::make_unique<AppContext>();
        m_prompterOwner = std::make_unique<ScriptedPrompter>();
        m_context->prompter = m_prompterOwner.get();
        m_context->clock = &m_clock;
        m_captions = std::make_unique<MenuCaptions>();
        m_commands = std::make_unique<MainCommands>(*m_context, *m_captions);
        registerReports(*m_context, [this] { return m_printers; });
    }
    void cleanup()
    {
        while (ReportPreview *preview = openPreview())
            preview->close();
        deleteClosed();
        m_commands.reset();
        m_captions.reset();
        m_context.reset();
        m_prompterOwner.reset();
        m_env.reset();
    }

    // 120 records: the title once, on page 1; the headings, the date of
    // printing and "Strana n" on every page; the amounts in table order;
    // never a supplement, a hidden amount or a hidden text.
    void monthOfManyPages()
    {
        appendRows(*openLedger(u"Brezen.db"_s), monthRows(120));
        TForm24 report(m_clock);
        QVERIFY(report.PrMesic(u"3"_s, QString()));
        QCOMPARE(report.title(), u"Březen"_s);
        const QByteArray pdf = report.pdf();
        QVERIFY(pdf.startsWith("%PDF"));
        keepForPictures(u"brezen.pdf"_s, pdf);
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 3);

        const QString all = pages.join(u'\f');
        QCOMPARE(all.count(u"Březen"_s), 1);
        QVERIFY(pages[0].trimmed().startsWith(u"Březen"_s));
        for (qsizetype n = 0; n < pages.size(); ++n) {
            const QString &page = pages[n];
            for (const QString &heading : {u"Datum"_s, u"Informační text"_s, u"Částka"_s})
                QCOMPARE(page.count(heading), 1);
            QCOMPARE(page.count(u"Strana"_s), 1);
            QVERIFY2(page.contains(QRegularExpression(u"15\\.3\\.2009 +Strana %1\\s*$"_s.arg(n + 1))),
                     qPrintable(page.right(200)));
        }
        QCOMPARE(pages[0].count(u"Položka"_s), 48);
        QCOMPARE(pages[1].count(u"Položka"_s), 49);
        QCOMPARE(pages[2].count(u"Položka"_s), 23);

        QStringList expected;
        for (int i = 1; i <= 120; ++i)
            expected << plain(Locale::money(*Money::parse(amountOf(i))));
        QStringList printed;
        const QRegularExpression amount(u"(-?\\d{1,3}(?: \\d{3})*,\\d\\d Kč)\\s*$"_s, QRegularExpression::MultilineOption);
        for (auto match = amount.globalMatch(all); match.hasNext();)
            printed << match.next().captured(1);
        QCOMPARE(printed, expected);
        // Each record's date, text and amount are on one line.
        QVERIFY(all.contains(QRegularExpression(u"\\b3\\.3\\.2009 +Položka 2 +2 026,25 Kč"_s)));
        for (const QString &hidden : {u"DOPLNEK"_s, u"999 999"_s, u"999999"_s, u"SKRYTY"_s})
            QVERIFY2(!all.contains(hidden), qPrintable(hidden));
    }

    // An item of group 2 is printed from its own table ("Zaznam010.db" for
    // item 10, not group 1's "Zaznam10.db") under its menu entry's caption;
    // the preview blocks nothing and closes its table when it goes.
    void itemOfGroupTwoFromTheMenu()
    {
        appendRows(*openLedger(u"Zaznam010.db"_s), {u"2.6.2009;Letenky;-12000"_s});
        appendRows(*openLedger(u"Zaznam10.db"_s), {u"2.6.2009;Jiná skupina;5"_s});
        m_captions->setPrintItem(2, 10, u"10. Dovolená"_s);

        m_commands->printItem(2, 10);
        QPointer<ReportPreview> preview = openPreview();
        QVERIFY(preview);
        QVERIFY(!preview->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(preview->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(preview->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QCOMPARE(preview->windowTitle(), u"Náhled před tiskem"_s);
        QCOMPARE(preview->report().table().tableName(), u"Zaznam010.db"_s);
        QVERIFY(preview->report().table().isOpen());
        QCOMPARE(preview->pageView()->pageCount(), 1);

        const QStringList pages = pdfPages(preview->report().pdf());
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].trimmed().startsWith(u"10. Dovolená"_s));
        QVERIFY(pages[0].contains(QRegularExpression(u"2\\.6\\.2009 +Letenky +-12 000,00 Kč"_s)));
        QVERIFY(!pages[0].contains(u"Jiná skupina"_s));
        keepPicture(preview, u"preview.png"_s);

        QTest::mouseClick(button(preview, u"Zavrit"_s), Qt::LeftButton);
        deleteClosed();
        QVERIFY(!preview);
    }

    // The page view turns the pages of the report and tells where it is.
    void pagesTurn()
    {
        appendRows(*openLedger(u"Brezen.db"_s), monthRows(120));
        m_commands->printMonth(3);
        ReportPreview *preview = openPreview();
        QVERIFY(preview);
        QCOMPARE(preview->pageView()->pageCount(), 3);
        auto *where = preview->findChild<QLabel *>(u"CisloStrany"_s);
        QVERIFY(where);
        QCOMPARE(where->text(), u"Strana 1 z 3"_s);
        const QList<std::pair<QString, int>> steps{{u"DalsiStrana"_s, 2}, {u"PosledniStrana"_s, 3}, {u"DalsiStrana"_s, 3},
                                                   {u"PredchoziStrana"_s, 2}, {u"PrvniStrana"_s, 1},
                                                   {u"PredchoziStrana"_s, 1}};
        for (const auto &[name, page] : steps) {
            auto *action = preview->findChild<QAction *>(name);
            QVERIFY2(action, qPrintable(name));
            action->trigger();
            QCOMPARE(preview->pageView()->currentPage(), page);
            QCOMPARE(where->text(), u"Strana %1 z 3"_s.arg(page));
        }
    }

    // A table without records gives no page: nothing in the preview, no
    // PDF, and printing says why instead of printing nothing.
    void emptyTableGivesNoPage()
    {
        TForm24 report(m_clock);
        QVERIFY(report.PrMesic(u"5"_s, QString()));
        QVERIFY(report.isEmpty());
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath(u"empty.pdf"_s));
        QCOMPARE(report.draw(writer), 0);
        QVERIFY(report.pdf().isEmpty());

        m_commands->printMonth(5);
        ReportPreview *preview = openPreview();
        QVERIFY(preview);
        QCOMPARE(preview->pageView()->pageCount(), 0);
        m_prompter().fileNames = {dir.filePath(u"x.pdf"_s), dir.filePath(u"x.pdf"_s)};
        for (const QString &name : {u"Tisk"_s, u"UlozitPdf"_s}) {
            m_prompter().messages.clear();
            QTest::mouseClick(button(preview, name), Qt::LeftButton);
            QCOMPARE(m_prompter().messages, QStringList{u"Tabulka nemá žádné záznamy, sestava nemá žádnou stránku."_s});
        }
        QVERIFY(m_prompter().questions.isEmpty());
        QCOMPARE(m_prompter().fileNames.size(), 2);
        QVERIFY(!QFile::exists(dir.filePath(u"x.pdf"_s)));

        // A record written since (by the record window) is printed.
        appendRows(*openLedger(u"Kveten.db"_s), {u"4.5.2009;Nájem;-8000"_s});
        m_prompter().messages.clear();
        QTest::mouseClick(button(preview, u"UlozitPdf"_s), Qt::LeftButton);
        QVERIFY(m_prompter().messages.isEmpty());
        QFile file(dir.filePath(u"x.pdf"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(pdfPages(file.readAll()).value(0).contains(u"Nájem"_s));
    }

    // Without a printer, "Tisk" and "Nastavení tisku" say so and offer the
    // PDF file; a name without an extension gets ".pdf".
    void noPrinterOffersPdf_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Tisk, yes") << u"Tisk"_s << true;
        QTest::newRow("Tisk, no") << u"Tisk"_s << false;
        QTest::newRow("Nastavení tisku, yes") << u"NastaveniTisku"_s << true;
        QTest::newRow("Nastavení tisku, no") << u"NastaveniTisku"_s << false;
    }
    void noPrinterOffersPdf()
    {
        QFETCH(QString, buttonName);
        QFETCH(bool, answer);
        m_printers = false;
        appendRows(*openLedger(u"Leden.db"_s), monthRows(3));
        m_commands->printMonth(1);
        ReportPreview *preview = openPreview();
        QVERIFY(preview);
        QTemporaryDir dir;
        m_prompter().answers = {answer};
        m_prompter().fileNames = {dir.filePath(u"leden"_s)};
        QTest::mouseClick(button(preview, buttonName), Qt::LeftButton);

        QCOMPARE(m_prompter().questions.size(), 1);
        QCOMPARE(m_prompter().questions[0].title, u"Tisk"_s);
        QCOMPARE(m_prompter().questions[0].text,
                 u"Na tomto počítači není nainstalovaná žádná tiskárna.\nChcete sestavu uložit jako PDF?"_s);
        QVERIFY(m_prompter().messages.isEmpty());
        QCOMPARE(m_prompter().fileNames.isEmpty(), answer);
        QCOMPARE(QFile::exists(dir.filePath(u"leden.pdf"_s)), answer);
        if (answer) {
            QFile file(dir.filePath(u"leden.pdf"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList pages = pdfPages(file.readAll());
            QCOMPARE(pages.size(), 1);
            QCOMPARE(pages[0].count(u"Položka"_s), 3);
        }
    }

    // A PDF that cannot be written is told, and nothing is left behind.
    void pdfIntoMissingFolderIsTold()
    {
        appendRows(*openLedger(u"Leden.db"_s), monthRows(2));
        m_commands->printMonth(1);
        ReportPreview *preview = openPreview();
        QVERIFY(preview);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"chybi/leden.pdf"_s);
        m_prompter().fileNames = {path};
        QTest::mouseClick(button(preview, u"UlozitPdf"_s), Qt::LeftButton);
        QCOMPARE(m_prompter().messages.size(), 1);
        QVERIFY(m_prompter().messages[0].startsWith(u"Soubor „%1“ nelze zapsat."_s.arg(QDir::toNativeSeparators(path))));
        QVERIFY(!QFile::exists(path));
    }

    // A text too long for its column is cut at the column's edge, and an
    // amount wider than its column is printed whole, the text ending before
    // it.
    void longTextIsCut()
    {
        const QString longText = QString(80, u'W');
        appendRows(*openLedger(u"Unor.db"_s),
                   {u"1.2.2009;%1;-123456789012,5"_s.arg(longText), u"2.2.2009;%1;1"_s.arg(longText)});
        TForm24 report(m_clock);
        QVERIFY(report.PrMesic(u"2"_s, QString()));
        const QStringList pages = pdfPages(report.pdf());
        QCOMPARE(pages.size(), 1);
        const QRegularExpression line(u"^ *(\\d+\\.2\\.2009) +(W+) +(.*Kč)\\s*$"_s, QRegularExpression::MultilineOption);
        QList<qsizetype> kept;
        for (auto match = line.globalMatch(pages[0]); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            kept << found.captured(2).size();
            QCOMPARE(found.captured(3), found.captured(1).startsWith(u'1') ? u"-123 456 789 012,50 Kč"_s : u"1,00 Kč"_s);
        }
        QCOMPARE(kept.size(), 2);
        QVERIFY2(kept[0] < kept[1] && kept[1] < 80 && kept[0] > 10, qPrintable(u"%1 %2"_s.arg(kept[0]).arg(kept[1])));
    }

private:
    ScriptedPrompter &m_prompter() { return *m_prompterOwner; }
    void keepForPictures(const QString &name, const QByteArray &bytes)
    {
        const QString dir = qEnvironmentVariable("ROZVAHON_PICTURES");
        if (dir.isEmpty())
            return;
        QFile file(QDir(dir).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    void keepPicture(QWidget *window, const QString &name)
    {
        const QString dir = qEnvironmentVariable("ROZVAHON_PICTURES");
        if (dir.isEmpty())
            return;
        // The offscreen screen does not maximise: a usual screen's size.
        window->resize(1280, 800);
        QCoreApplication::processEvents();
        window->grab().save(QDir(dir).filePath(name));
    }

    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<ScriptedPrompter> m_prompterOwner;
    FixedClock m_clock{QDateTime(QDate(2009, 3, 15), QTime(10, 0))};
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MenuCaptions> m_captions;
    std::unique_ptr<MainCommands> m_commands;
    bool m_printers = false;
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
