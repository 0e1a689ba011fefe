#include "graphs/window/TFrmSpec.h"

#include "graphs/points/GraphBuilder.h"
#include "graphs/window/TForm4.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/EngineError.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "widgets/DialogFrame.h"
#include "widgets/RememberedPlace.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

TFrmSpec::TFrmSpec(TForm4 &graph, QString kind, Prompter &prompter, const Clock &clock)
    : QDialog(&graph), m_graph(graph), m_kind(std::move(kind)), m_prompter(prompter)
{
    setObjectName(QStringLiteral("FrmSpec"));
    setWindowTitle(QStringLiteral("Speciální funkce grafu"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_expenses = new QCheckBox(QStringLiteral("Zobrazit pouze výdaje"), this);
    m_incomes = new QCheckBox(QStringLiteral("Zobrazit pouze příjmy"), this);
    m_virtual = new QCheckBox(QStringLiteral("Použít virtuální položku"), this);
    m_amount = new QLineEdit(this);
    m_amount->setObjectName(QStringLiteral("Castka"));
    m_amount->setAlignment(Qt::AlignRight);
    m_amount->setText(QStringLiteral("0,00 Kč"));
    m_date = new QDateEdit(clock.today(), this);
    m_date->setDisplayFormat(QStringLiteral("d.M.yyyy"));
    m_date->setCalendarPopup(true);
    m_date->calendarWidget()->setWindowTitle(QStringLiteral("Vyberte datum"));
    auto *apply = new QPushButton(QStringLiteral("Použít"), this);
    auto *ok = new QPushButton(QStringLiteral("OK "), this);
    apply->setDefault(true);

    // The two "only" boxes exclude each other: the one just ticked wins.
    connect(m_expenses, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_incomes->setChecked(false);
    });
    connect(m_incomes, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_expenses->setChecked(false);
    });
    connect(m_virtual, &QCheckBox::toggled, this, &TFrmSpec::virtualToggled);
    connect(apply, &QPushButton::clicked, this, [this] { this->apply(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *frame = new DialogFrame(this);
    frame->setKeys([this] { this->apply(); }, [this] { accept(); });
    addProgramCaptionBand(*frame, outer);
    auto *grid = new QGridLayout;
    grid->setContentsMargins(10, 8, 10, 10);
    outer->addLayout(grid);
    grid->addWidget(m_expenses, 0, 0, 1, 2);
    grid->addWidget(m_incomes, 1, 0, 1, 2);
    grid->addWidget(m_virtual, 2, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Virtuální položka:"), this), 3, 0, 1, 2);
    grid->addWidget(m_amount, 4, 0);
    grid->addWidget(m_date, 4, 1);
    grid->addWidget(apply, 5, 0);
    grid->addWidget(ok, 5, 1);
    virtualToggled(false);

    auto *menu = new QMenu(this);
    menu->addAction(QStringLiteral("Zobraz"), this, [this] { this->apply(); });
    menu->addAction(QStringLiteral("Zavřít"), this, &QDialog::accept);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->popup(mapToGlobal(at)); });

    adjustSize();
    RememberedPlace::restore(*this, QLatin1String(Section::SpecialFunctions));
}

TFrmSpec::~TFrmSpec()
{
    if (!m_closed)
        closing();
}

void TFrmSpec::virtualToggled(bool on)
{
    m_amount->setEnabled(on);
    m_date->setEnabled(on);
    QPalette palette = m_amount->palette();
    palette.setColor(QPalette::Base, on ? QColor(Qt::white) : QColor(128, 128, 128));
    m_amount->setPalette(palette);
}

bool TFrmSpec::apply()
{
    std::optional<GraphPoint> virtualPoint;
    if (m_virtual->isChecked()) {
        const std::optional<Money> amount = Money::parse(m_amount->text());
        if (!amount) {
            m_prompter.message(QStringLiteral("„%1“ není částka. Zadejte například 1 250,50.").arg(m_amount->text()));
            m_amount->setFocus();
            return false;
        }
        virtualPoint = GraphPoint{*amount, m_date->date(), PointBuilder::VirtualText};
    }
    const PointBuilder::Only only = m_incomes->isChecked()    ? PointBuilder::Only::Incomes
                                    : m_expenses->isChecked() ? PointBuilder::Only::Expenses
                                                              : PointBuilder::Only::All;
    try {
        if (!GraphBuilder::applySpecial(m_kind, m_graph.ledger(), m_graph.points(), only, virtualPoint)) {
            m_prompter.message(GraphBuilder::EmptyLedgerMessage);
            return false;
        }
    } catch (const EngineError &error) {
        m_prompter.message(error.message());
        return false;
    }
    m_graph.pointsChanged();
    return true;
}

void TFrmSpec::done(int result)
{
    if (!m_closed)
        closing();
    QDialog::done(result);
}

void TFrmSpec::closing()
{
    // The graph window rebuilds its standard chart when it is active again.
    m_closed = true;
    RememberedPlace::store(*this, QLatin1String(Section::SpecialFunctions));
    RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)).write(Key::Reg::FrmGraf, false);
    try {
        if (m_graph.points().isOpen())
            m_graph.points().emptyTable();
    } catch (const EngineError &error) {
        m_prompter.message(error.message());
    }
}
