#include "graphs/window/TForm4.h"

#include "widgets/GradientPanel.h"

#include "graphs/points/PointTable.h"
#include "graphs/points/YearTotals.h"
#include "graphs/window/GraphChart.h"
#include "graphs/window/GraphPicture.h"
#include "graphs/window/GraphView.h"
#include "graphs/window/TFrmSpec.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/EngineError.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/Prompter.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int PanelHeight = 42;
constexpr int CloseButtonInset = 65;

RegFlags graphFlags() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)); }

IniStore mainSettings()
{
    return IniStore(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
}

// The picture of each popup entry, from the desktop style's own set.
QStyle::StandardPixmap entryIcon(TForm4::Entry entry)
{
    switch (entry) {
    case TForm4::Entry::Close: return QStyle::SP_DialogCloseButton;
    case TForm4::Entry::BackToGraph: return QStyle::SP_ArrowBack;
    case TForm4::Entry::Export: return QStyle::SP_DialogSaveButton;
    case TForm4::Entry::Copy: return QStyle::SP_FileDialogContentsView;
    case TForm4::Entry::Print: return QStyle::SP_FileIcon;
    case TForm4::Entry::StandardSize: return QStyle::SP_BrowserReload;
    case TForm4::Entry::FullScreen: return QStyle::SP_TitleBarMaxButton;
    case TForm4::Entry::Monochrome: return QStyle::SP_DesktopIcon;
    case TForm4::Entry::HidePanel: return QStyle::SP_TitleBarShadeButton;
    case TForm4::Entry::Special: return QStyle::SP_FileDialogDetailedView;
    case TForm4::Entry::Balance: return QStyle::SP_DialogApplyButton;
    }
    return QStyle::SP_CustomBase;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

TForm4::TForm4(AppContext &context, GraphOrder order, QWidget *parent)
    : QDialog(parent), m_context(context), m_order(std::move(order)),
      m_prompter(context.prompter ? *context.prompter : Prompter::global()), m_guarded(m_prompter),
      m_clock(context.clock ? *context.clock : Clock::system())
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Graf Měsíce"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    resize(900, 640);
    if (mainSettings().read(Key::Scr))
        GraphPicture::flash();

    m_points.setObjectName(QStringLiteral("NGraf"));
    m_points.setFolder(Catalogue::DataFolder);
    m_points.setTableName(QStringLiteral("NGraf.db"));
    m_guarded([this] { m_points.open(); });

    m_chart = new GraphChart;
    m_view = new GraphView(m_chart, this);
    buildPanel();
    buildPopup();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    layout->addWidget(m_view, 1);

    connect(m_view, &GraphView::doubleClicked, this, &QDialog::accept);
    connect(m_view, &GraphView::popupRequested, this, [this](const QPoint &at) { m_popup->popup(at); });
    connect(m_view, &GraphView::zoomedByMouse, this, [this] { afterZoom(); });
}

TForm4::~TForm4()
{
    if (!m_closed)
        closeSequence();
}

Table &TForm4::ledger() { return m_context.dataModule2->table(); }

TFrmSpec *TForm4::specialFunctions() const { return m_special; }

bool TForm4::built() const { return graphFlags().read(Key::Reg::FrmGraf); }

// ---------------------------------------------------------------- layout

void TForm4::buildPanel()
{
    // Silver through light grey to white, 15 colours a segment.
    GradientFill background;
    background.beginColour = 0xC0C0C0;
    background.coloursBetween = {QStringLiteral("$00DDDDDD")};
    background.endColour = 0xFFFFFF;
    background.setColourCount(15);
    m_panel = new GradientPanel(background, this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFixedHeight(PanelHeight);
    auto *row = new QHBoxLayout(m_panel);
    row->setContentsMargins(6, 4, CloseButtonInset + 8, 4);
    row->setSpacing(2);
    auto tool = [this, row](const QString &caption, auto slot, bool checkable = false) {
        auto *button = new QToolButton(m_panel);
        button->setText(caption);
        button->setToolTip(caption);
        button->setAutoRaise(true);
        button->setCheckable(checkable);
        button->setFocusPolicy(Qt::NoFocus);
        if (checkable)
            connect(button, &QToolButton::toggled, this, slot);
        else
            connect(button, &QToolButton::clicked, this, slot);
        row->addWidget(button);
        return button;
    };
    m_zoomButtons[0] = tool(QStringLiteral("Zvětšit o 20%"), [this] { zoomIn(); });
    m_zoomButtons[1] = tool(QStringLiteral("Zmenšit o 20%"), [this] { zoomOut(); });
    m_zoomButtons[2] = tool(QStringLiteral("Velikost na 100%"), [this] { zoomToStandard(); });
    row->addWidget(separator(m_panel));
    tool(QStringLiteral("Tisk"), [this] { printChart(); });
    tool(QStringLiteral("Zkopírovat graf do schánky"), [this] { copyToClipboard(); });
    row->addWidget(separator(m_panel));
    m_fullScreenButton = tool(QStringLiteral("Přes celou obrazovku"), [this](bool on) { setFullScreen(on); }, true);
    m_monochromeButton = tool(QStringLiteral("Zobrazit ČB"), [this](bool on) { setMonochrome(on); }, true);
    row->addStretch(1);
    // The window's menu, which the title bar cannot carry here.
    m_menuButton = new QToolButton(m_panel);
    m_menuButton->setText(QStringLiteral("Nabídka ▾"));
    m_menuButton->setToolTip(QStringLiteral("Nabídka grafu"));
    m_menuButton->setAutoRaise(true);
    m_menuButton->setFocusPolicy(Qt::NoFocus);
    connect(m_menuButton, &QToolButton::clicked, this,
            [this] { m_popup->popup(m_menuButton->mapToGlobal(QPoint(0, m_menuButton->height()))); });
    row->addWidget(m_menuButton);

    m_close = new QPushButton(QStringLiteral("Zavřít"), m_panel);
    m_close->setObjectName(QStringLiteral("BtnZavrit"));
    m_close->setFixedSize(60, 28);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm4::buildPopup()
{
    m_popup = new QMenu(this);
    auto add = [this](Entry which, const QString &caption, auto slot) {
        QAction *action = m_popup->addAction(style()->standardIcon(entryIcon(which)), caption);
        m_entries[int(which)] = action;
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction *close = add(Entry::Close, QStringLiteral("Zavřít Graf"), [this] { accept(); });
    m_popup->setDefaultAction(close);
    add(Entry::BackToGraph, QStringLiteral("Zpět do grafu"), [] {});
    m_popup->addSeparator();
    add(Entry::Export, QStringLiteral("Exportovat do BMP"), [this] { exportBmp(); });
    add(Entry::Copy, QStringLiteral("Kopírovat do schránky"), [this] { copyToClipboard(); });
    add(Entry::Print, QStringLiteral("Tisk..."), [this] { printChart(); });
    add(Entry::StandardSize, QStringLiteral("Standardní velikost grafu"), [this] { zoomToStandard(); });
    m_popup->addSeparator();
    add(Entry::FullScreen, QStringLiteral("Zobrazit přes celou obrazovku"), [this] { setFullScreen(!m_fullScreen); });
    add(Entry::Monochrome, QStringLiteral("Zobrazit Monochromaticky"), [this] { setMonochrome(!m_chart->monochrome()); });
    add(Entry::HidePanel, QStringLiteral("Skrýt panel tlačítek"), [this] { setPanelHidden(!m_panel->isHidden()); });
    m_specialSeparator = m_popup->addSeparator();
    add(Entry::Special, QStringLiteral("Speciální funkce"), [this] { openSpecialFunctions(); });
    add(Entry::Balance, QStringLiteral("Zobrazit zůstatek"), [this] { showBalance(); })->setVisible(false);
    refreshTicks();
}

void TForm4::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_close->move(width() - CloseButtonInset, (PanelHeight - m_close->height()) / 2);
}

// ---------------------------------------------------------------- building

bool TForm4::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_closed)
        FormActivate();
    return QDialog::event(event);
}

void TForm4::FormActivate()
{
    m_guarded([this] {
        if (!m_points.isOpen())
            m_points.open();
        if (built())
            return;
        m_close->move(width() - CloseButtonInset, (PanelHeight - m_close->height()) / 2);
        m_chart->setTitle(QString());
        for (QToolButton *button : m_zoomButtons)
            button->setEnabled(true);
        build();
        graphFlags().write(Key::Reg::FrmGraf, true);
    });
}

void TForm4::build()
{
    m_zoom.reset();
    GraphBuilder::Sources sources{ledger(), m_points};
    sources.year = Catalogue::EditionYear;
    sources.singleItems = mainSettings().read(Key::GrPol);
    TDataModule23 *months = m_context.dataModule23;
    sources.monthTotal = [months](int month) {
        return months ? YearTotals::monthTotal(*months, Catalogue::monthFile(month)) : Money();
    };
    m_built = GraphBuilder::build(m_order.kind, m_order.name, sources);

    setWindowTitle(m_built.look.caption);
    m_chart->setTitle(m_built.look.title);
    entry(Entry::Special)->setVisible(m_built.specialFunctions);
    m_specialSeparator->setVisible(m_built.specialFunctions || m_built.balance);
    entry(Entry::Balance)->setVisible(m_built.balance);
    for (QToolButton *button : m_zoomButtons)
        button->setEnabled(m_built.zoomable);
    showPoints();
}

void TForm4::showPoints()
{
    m_model.setPoints(GraphBuilder::shownPoints(m_built, ledger(), m_points));
    m_chart->showPoints(m_built.look.series, m_built.look.yearly, m_model.points());
}

void TForm4::pointsChanged()
{
    m_guarded([this] {
        const bool fromLedger = m_built.fromLedger;
        m_built.fromLedger = false;
        showPoints();
        m_built.fromLedger = fromLedger;
    });
}

void TForm4::showBalance()
{
    m_guarded([this] {
        GraphBuilder::showBalance(ledger(), m_points);
        showPoints();
    });
}

// ---------------------------------------------------------------- tools

void TForm4::zoomIn()
{
    if (!m_built.zoomable || !m_zoom.zoomIn())
        return;
    m_chart->applyZoom(m_zoom);
    afterZoom();
}

void TForm4::zoomOut()
{
    if (!m_built.zoomable || !m_zoom.zoomOut())
        return;
    m_chart->applyZoom(m_zoom);
    afterZoom();
}

void TForm4::zoomToStandard()
{
    m_zoom.reset();
    m_chart->undoZoom();
}

void TForm4::afterZoom()
{
    // A zoomed chart is a coloured one; monochrome is offered no more
    // unless it was on.
    if (!m_chart->monochrome())
        entry(Entry::Monochrome)->setEnabled(false);
    m_chart->setMonochrome(false);
    const QSignalBlocker blockButton(m_monochromeButton);
    m_monochromeButton->setChecked(false);
    m_view->setMouseZoom(true);
    refreshTicks();
}

void TForm4::setMonochrome(bool on)
{
    const QSignalBlocker blockButton(m_monochromeButton);
    m_monochromeButton->setChecked(on);
    zoomToStandard();
    m_view->setMouseZoom(!on);
    m_chart->setMonochrome(on);
    refreshTicks();
}

void TForm4::setFullScreen(bool on)
{
    const QSignalBlocker blockButton(m_fullScreenButton);
    m_fullScreenButton->setChecked(on);
    m_fullScreen = on;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, on);
    if (wasVisible)
        on ? showFullScreen() : showMaximized();
    refreshTicks();
}

void TForm4::setPanelHidden(bool on)
{
    m_panel->setVisible(!on);
    refreshTicks();
}

void TForm4::refreshTicks()
{
    // The menu shows its tick marks only while one of its toggles is on.
    const std::pair<Entry, bool> toggles[] = {{Entry::FullScreen, m_fullScreen},
                                              {Entry::Monochrome, m_chart->monochrome()},
                                              {Entry::HidePanel, m_panel->isHidden()}};
    bool anyOn = false;
    for (const auto &[which, on] : toggles)
        anyOn = anyOn || on;
    for (const auto &[which, on] : toggles) {
        entry(which)->setCheckable(anyOn);
        entry(which)->setChecked(on);
    }
}

QImage TForm4::chartImage() const { return m_view->grab().toImage(); }

bool TForm4::exportBmp()
{
    QString file = m_prompter.saveFileName(QStringLiteral("Exportovat do BMP"), m_built.look.bmpName,
                                           QStringLiteral("Obrázek (*.BMP)"));
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".bmp");
    if (!chartImage().save(file, "BMP")) {
        m_prompter.message(QStringLiteral("Graf se nepodařilo uložit do souboru „%1“.").arg(QDir::toNativeSeparators(file)));
        return false;
    }
    return true;
}

void TForm4::copyToClipboard() { QGuiApplication::clipboard()->setImage(chartImage()); }

void TForm4::printChart()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_built.look.caption);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_prompter.message(QStringLiteral("Graf se nepodařilo vytisknout: tiskárna není připravena."));
        return;
    }
    m_view->render(&painter, printer.pageLayout().paintRectPixels(printer.resolution()));
    painter.end();
}

void TForm4::openSpecialFunctions()
{
    if (m_special && !m_special->isVisible())
        delete m_special; // closed: a new one starts from its defaults
    if (!m_special)
        m_special = new TFrmSpec(*this, m_order.kind, m_prompter, m_clock);
    m_special->show();
    m_special->raise();
    m_special->activateWindow();
}

// ---------------------------------------------------------------- closing

void TForm4::done(int result)
{
    if (!m_closed)
        closeSequence();
    QDialog::done(result);
}

void TForm4::closeSequence()
{
    m_closed = true;
    if (m_special)
        m_special->close();
    graphFlags().write(Key::Reg::FrmGraf, false);
    m_order.kind.clear();
    if (m_context.status)
        m_context.status->setBusy(false);
    m_guarded([this] {
        if (m_points.isOpen())
            m_points.emptyTable();
    });
    m_guarded([this] {
        // A record window gets its own table back; otherwise the ledger
        // holder is closed.
        if (!m_context.dataModule2)
            return;
        if (graphFlags().read(Key::Reg::RunFrm))
            m_context.dataModule2->ZpetSoubor();
        else
            m_context.dataModule2->table().close();
    });
    m_points.close();
}

