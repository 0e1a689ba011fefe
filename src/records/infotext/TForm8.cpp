#include "records/infotext/TForm8.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/engine/TableModel.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/InfoTextEdits.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/TableGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int TextColumnWidth = 484;

} // namespace

TForm8::TForm8(Table &texts, Prompter &prompter, QWidget *parent) : EditingDialog(prompter, parent), m_texts(texts)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Rychlý výpis informačního textu"));
    auto *frame = new DialogFrame(this);

    auto *heading = new QLabel(QStringLiteral("Nastavení - Informačního text pro rychlý zápis"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    Hints::apply(heading, QStringLiteral("Nastavení textu"));

    QPushButton *add = DialogFrame::button(QStringLiteral("Přidat"), QStringLiteral("Pridat"), QStringLiteral("Přidat záznam"), this);
    QPushButton *remove = DialogFrame::button(QStringLiteral("Smazat"), QStringLiteral("Smazat"), QStringLiteral("Smazat záznam"), this);
    QPushButton *save = DialogFrame::button(QStringLiteral("Uložit a zavřít   "), QStringLiteral("UlozitZavrit"),
                               QStringLiteral("Zapsat změny a zavřít toto okno"), this);
    save->setDefault(true);
    connect(add, &QPushButton::clicked, this, &TForm8::PridatClick);
    connect(remove, &QPushButton::clicked, this, &TForm8::SmazatClick);
    connect(save, &QPushButton::clicked, this, &TForm8::UlozitClick);

    m_grid = new TableGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new TableModel(texts, {QStringLiteral("Text")}, this);
    m_model->setErrorReporter([this](const QString &message) { this->prompter().message(message); });
    m_grid->showTable(m_model, [this](const std::function<void()> &work) { return guarded(work); });
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->setColumnWidth(0, TextColumnWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    Hints::apply(m_grid, QStringLiteral("Editace textu"));
    QPalette colours = m_grid->palette();
    colours.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    m_grid->setPalette(colours);

    // The grid's menu, whose keys act as the two buttons.
    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *menuRemove = m_gridMenu->addAction(QStringLiteral("Smazat"), this, &TForm8::SmazatClick);
    menuRemove->setObjectName(QStringLiteral("Smazat1"));
    menuRemove->setShortcut(QKeySequence(Qt::Key_Delete));
    QAction *menuInsert = m_gridMenu->addAction(QStringLiteral("Vložit"), this, &TForm8::PridatClick);
    menuInsert->setObjectName(QStringLiteral("Vlozit1"));
    menuInsert->setShortcut(QKeySequence(Qt::Key_Insert));
    for (QAction *action : {menuRemove, menuInsert}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        m_grid->addAction(action);
    }
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_gridMenu->popup(m_grid->viewport()->mapToGlobal(at)); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(heading);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
    resize(TextColumnWidth + 70, 380);

    save->setFocus();
}

TForm8::~TForm8()
{
    m_grid->commitOpenEditor();
    try {
        InfoTextEdits::postPending(m_texts);
    } catch (const EngineError &) {
        m_texts.cancel(); // the table has said why
    }
}

bool TForm8::writePending()
{
    if (!m_grid->commitOpenEditor())
        return false;
    InfoTextEdits::postPending(m_texts);
    return true;
}

void TForm8::PridatClick()
{
    if (!m_grid->commitOpenEditor())
        return;
    guarded([this] { InfoTextEdits::insertBefore(m_texts); });
    m_grid->setFocus();
}

void TForm8::SmazatClick()
{
    // The typing of an open editor goes with its record, if it goes.
    if (!m_grid->commitOpenEditor())
        return;
    guarded([this] { InfoTextEdits::removeCurrent(m_texts, prompter()); });
}

void TForm8::UlozitClick() { writeAndClose(); }
