#include "records/window/TFrmHledani.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/Table.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFrmHledani::TFrmHledani(Table &ledger, int records, bool neo, QWidget *parent)
    : QDialog(parent), m_search(ledger), m_neo(neo)
{
    setObjectName(QStringLiteral("FrmHledani"));
    setWindowTitle(QStringLiteral("Hledání"));
    auto *frame = new DialogFrame(this);

    auto *heading = new QLabel(QStringLiteral("Hledání v databázi"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Edit1"));
    Hints::apply(m_text, QStringLiteral("Napište Datum DD.MM.RRRR, Text, Text Doplňku, Částku XX Kč"));

    const auto radio = [this](const QString &caption, const QString &name, const QString &hint) {
        auto *button = new QRadioButton(caption, this);
        button->setObjectName(name);
        Hints::apply(button, hint);
        return button;
    };
    m_date = radio(QStringLiteral("Datum"), QStringLiteral("RbDatum"), QStringLiteral("Hledá datum"));
    m_infoText = radio(QStringLiteral("Informační text"), QStringLiteral("RbText"), QStringLiteral("Hledá v informačním textu"));
    m_supplement = radio(QStringLiteral("Doplněk"), QStringLiteral("RbDoplnek"), QStringLiteral("Hledá v doplňcích"));
    m_amount = radio(QStringLiteral("Částka"), QStringLiteral("RbCastka"), QStringLiteral("Hledá částku"));
    m_infoText->setChecked(true);

    auto *start = new QPushButton(QStringLiteral("Start    "), this);
    start->setObjectName(QStringLiteral("BtnStart"));
    Hints::apply(start, QStringLiteral("Začne hledat"));
    start->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Storno  "), this);
    cancel->setObjectName(QStringLiteral("BtnStorno"));
    cancel->setAutoDefault(false);
    connect(start, &QPushButton::clicked, this, &TFrmHledani::Start);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    frame->setKeys([this] { Start(); }, [this] { reject(); });

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, std::max(0, records - 1));
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    Hints::apply(m_progress, QStringLiteral("Stav hledání"));

    auto *fields = new QGridLayout;
    fields->addWidget(m_date, 0, 0);
    fields->addWidget(m_infoText, 0, 1);
    fields->addWidget(m_supplement, 1, 0);
    fields->addWidget(m_amount, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    setFixedWidth(340);
}

void TFrmHledani::showEvent(QShowEvent *event)
{
    // Every time the dialog comes up it searches the information texts.
    m_infoText->setChecked(true);
    m_text->setFocus();
    QDialog::showEvent(event);
}

LedgerSearch::Field TFrmHledani::field() const
{
    if (m_date->isChecked())
        return LedgerSearch::Field::Date;
    if (m_supplement->isChecked())
        return LedgerSearch::Field::Supplement;
    if (m_amount->isChecked())
        return LedgerSearch::Field::Amount;
    return LedgerSearch::Field::Text;
}

void TFrmHledani::Start()
{
    m_search.next(m_text->text(), field(), m_neo, [this] { m_progress->setValue(m_progress->value() + 1); });
}
