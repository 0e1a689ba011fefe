#include "reports/preview/ReportPreview.h"

#include "core/app/dialogs/ProgramCaption.h"

#include "core/data/platform/AtomicFile.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "reports/report/PageLayout.h"
#include "reports/report/TForm24.h"
#include "widgets/Colours.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString NoPrinterTitle = QStringLiteral("Tisk");
const QString NoPrinterQuestion = QStringLiteral("Na tomto počítači není nainstalovaná žádná tiskárna.\n"
                                                 "Chcete sestavu uložit jako PDF?");
const QString NothingToPrint = QStringLiteral("Tabulka nemá žádné záznamy, sestava nemá žádnou stránku.");

// Page turning and zoom: short captions, the full words in the hint.
QAction *pageAction(QToolBar *bar, const char16_t *caption, const QString &name, const QString &hint)
{
    QAction *action = bar->addAction(QString::fromUtf16(caption));
    action->setObjectName(name);
    Hints::apply(action, hint);
    return action;
}

QAction *zoomAction(QToolBar *bar, const QString &caption, const QString &name, const QString &hint)
{
    QAction *action = bar->addAction(caption);
    action->setObjectName(name);
    Hints::apply(action, hint);
    return action;
}

// A file name made of the report's title; characters a file name cannot
// hold become "_".
QString suggestedFileName(const QString &title)
{
    QString name = title.trimmed().isEmpty() ? QStringLiteral("Sestava") : title.trimmed();
    for (QChar &c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control)
            c = u'_';
    }
    return name + QStringLiteral(".pdf");
}

} // namespace

bool ReportPreview::printersInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

ReportPreview::ReportPreview(std::unique_ptr<TForm24> report, Prompter &prompter, PrinterCheck printers, QWidget *parent)
    : QDialog(parent), m_report(std::move(report)), m_prompter(prompter), m_printers(std::move(printers)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("Nahled"));
    setWindowTitle(QStringLiteral("Náhled před tiskem"));
    setModal(false);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::WindowMinMaxButtonsHint);
    setWindowState(Qt::WindowMaximized);
    m_printer->setPageLayout(PageLayout::pageLayout());
    m_printer->setDocName(m_report->title());

    auto *frame = new DialogFrame(this);
    frame->setKeys(nullptr, [this] { ZavritClick(); });

    QPushButton *print = DialogFrame::button(QStringLiteral("Tisk"), QStringLiteral("Tisk"), QStringLiteral("Tisk sestavy"), this);
    QPushButton *setup = DialogFrame::button(QStringLiteral("Nastavení tisku"), QStringLiteral("NastaveniTisku"),
                                             QStringLiteral("Nastavení tiskárny"), this);
    QPushButton *pdf = DialogFrame::button(QStringLiteral("Uložit jako PDF"), QStringLiteral("UlozitPdf"),
                                           QStringLiteral("Uložit sestavu do souboru PDF"), this);
    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít"), QStringLiteral("Zavrit"),
                                             QStringLiteral("Zavřít náhled"), this);
    connect(print, &QPushButton::clicked, this, &ReportPreview::TiskClick);
    connect(setup, &QPushButton::clicked, this, &ReportPreview::NastaveniClick);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::UlozitPdfClick);
    connect(close, &QPushButton::clicked, this, &ReportPreview::ZavritClick);

    m_pageView = new QPrintPreviewWidget(m_printer.get(), this);
    m_pageView->setObjectName(QStringLiteral("PageView"));
    m_pageView->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_pageView->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_pageView, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) { m_report->draw(*printer); });
    connect(m_pageView, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::showPageNumber);

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QPushButton *button : {print, setup, pdf, close})
        bar->addWidget(button);
    bar->addSeparator();
    QAction *first = pageAction(bar, u"|◀", QStringLiteral("PrvniStrana"), QStringLiteral("První strana"));
    QAction *previous = pageAction(bar, u"◀", QStringLiteral("PredchoziStrana"), QStringLiteral("Předchozí strana"));
    m_pageNumber = new QLabel(bar);
    m_pageNumber->setObjectName(QStringLiteral("CisloStrany"));
    m_pageNumber->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(m_pageNumber);
    QAction *next = pageAction(bar, u"▶", QStringLiteral("DalsiStrana"), QStringLiteral("Další strana"));
    QAction *last = pageAction(bar, u"▶|", QStringLiteral("PosledniStrana"), QStringLiteral("Poslední strana"));
    bar->addSeparator();
    QAction *zoomIn = zoomAction(bar, QStringLiteral("Zvětšit"), QStringLiteral("Zvetsit"), QStringLiteral("Zvětšit stránku"));
    QAction *zoomOut = zoomAction(bar, QStringLiteral("Zmenšit"), QStringLiteral("Zmensit"), QStringLiteral("Zmenšit stránku"));
    QAction *wholePage = zoomAction(bar, QStringLiteral("Celá stránka"), QStringLiteral("CelaStranka"),
                                    QStringLiteral("Celá stránka v okně"));
    QAction *pageWidth = zoomAction(bar, QStringLiteral("Šířka stránky"), QStringLiteral("SirkaStranky"),
                                    QStringLiteral("Stránka na šířku okna"));
    auto turn = [this](int page) {
        m_pageView->setCurrentPage(page);
        showPageNumber();
    };
    connect(first, &QAction::triggered, this, [turn] { turn(1); });
    connect(previous, &QAction::triggered, this, [this, turn] { turn(m_pageView->currentPage() - 1); });
    connect(next, &QAction::triggered, this, [this, turn] { turn(m_pageView->currentPage() + 1); });
    connect(last, &QAction::triggered, this, [this, turn] { turn(m_pageView->pageCount()); });
    connect(zoomIn, &QAction::triggered, m_pageView, [this] { m_pageView->zoomIn(); });
    connect(zoomOut, &QAction::triggered, m_pageView, [this] { m_pageView->zoomOut(); });
    connect(wholePage, &QAction::triggered, m_pageView, &QPrintPreviewWidget::fitInView);
    connect(pageWidth, &QAction::triggered, m_pageView, &QPrintPreviewWidget::fitToWidth);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_pageView, 1);
    addProgramCaptionBand(*frame, layout);
    showPageNumber();
}

ReportPreview::~ReportPreview()
{
    // The page view draws with the printer: it goes first.
    delete m_pageView;
}

void ReportPreview::showPageNumber()
{
    const int pages = m_pageView->pageCount();
    m_pageNumber->setText(pages == 0 ? QStringLiteral("Žádná strana")
                                     : QStringLiteral("Strana %1 z %2").arg(m_pageView->currentPage()).arg(pages));
}

bool ReportPreview::printable()
{
    if (!m_report->isEmpty())
        return true;
    m_prompter.message(NothingToPrint);
    return false;
}

bool ReportPreview::havePrinter()
{
    if (m_printers && m_printers())
        return true;
    if (m_prompter.ask(NoPrinterTitle, NoPrinterQuestion, Prompter::QuestionMark))
        UlozitPdfClick();
    return false;
}

void ReportPreview::printOn(QPrinter &printer)
{
    printer.setDocName(m_report->title());
    if (m_report->draw(printer) < 0)
        m_prompter.message(QStringLiteral("Sestavu se nepodařilo vytisknout na tiskárně „%1“.").arg(printer.printerName()));
}

void ReportPreview::TiskClick()
{
    if (!printable() || !havePrinter())
        return;
    printOn(*m_printer);
}

void ReportPreview::NastaveniClick()
{
    if (!printable() || !havePrinter())
        return;
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() == QDialog::Accepted)
        printOn(*m_printer);
    m_pageView->updatePreview();
}

void ReportPreview::UlozitPdfClick()
{
    if (!printable())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = m_prompter.saveFileName(QStringLiteral("Uložit jako PDF"),
                                           QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                               .filePath(suggestedFileName(m_report->title())),
                                           QStringLiteral("Dokument PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QByteArray bytes = m_report->pdf();
    if (bytes.isEmpty() || !AtomicFile::write(path, bytes))
        m_prompter.message(QStringLiteral("Soubor „%1“ nelze zapsat. Zkontrolujte, zda složka existuje, zda do ní smíte "
                                          "zapisovat a zda je na disku místo.")
                               .arg(QDir::toNativeSeparators(path)));
}

void ReportPreview::ZavritClick() { close(); }
