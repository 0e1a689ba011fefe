#include "records/window/TFrmSkryta.h"

#include "core/app/SessionEnd.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/HiddenAmount.h"
#include "records/ledger/LedgerFields.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

TFrmSkryta::TFrmSkryta(Table &ledger, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_ledger(ledger), m_prompter(prompter)
{
    setObjectName(QStringLiteral("FrmSkryta"));
    setWindowTitle(QStringLiteral("Skrytá částka k položce"));
    Hints::apply(this, QStringLiteral("Skrytá částka k aktuální položce"));
    auto *frame = new DialogFrame(this);

    auto *date = new QLabel(ledger.field(LedgerField::Date).asString(), this);
    date->setObjectName(QStringLiteral("LblDatum"));
    auto *info = new QLabel(ledger.field(LedgerField::Text).asString(), this);
    info->setObjectName(QStringLiteral("LblText"));
    info->setTextFormat(Qt::PlainText);
    QFont bold = date->font();
    bold.setBold(true);
    date->setFont(bold);
    info->setFont(bold);

    // The sum box: amount, hidden amount, a rule, their sum.
    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    m_amountLine = new QLabel(box);
    m_hiddenLine = new QLabel(box);
    Hints::apply(m_hiddenLine, QStringLiteral("částka přičtená jako skrytá"));
    m_sumLine = new QLabel(box);
    Hints::apply(m_sumLine, QStringLiteral("celková částka"));
    for (QLabel *line : {m_amountLine, m_hiddenLine, m_sumLine})
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *rule = new QFrame(box);
    rule->setFrameShape(QFrame::HLine);
    auto *sums = new QVBoxLayout(box);
    sums->addWidget(m_amountLine);
    sums->addWidget(m_hiddenLine);
    sums->addWidget(rule);
    sums->addWidget(m_sumLine);

    // The amount, typed or worked out on the drop-down calculator.
    m_amount = new QLineEdit(this);
    m_amount->setObjectName(QStringLiteral("EditCastka"));
    Hints::apply(m_amount, QStringLiteral("Vložte částku"));
    m_amount->setText(Locale::moneyPlain(ledger.field(LedgerField::HiddenAmount).asMoney()));
    auto *calculator = new QToolButton(this);
    calculator->setObjectName(QStringLiteral("BtnKalkulacka"));
    calculator->setArrowType(Qt::DownArrow);
    calculator->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(calculator);
    auto *expression = new QLineEdit(menu);
    expression->setObjectName(QStringLiteral("EditVypocet"));
    expression->setPlaceholderText(QStringLiteral("výpočet, např. 2*150"));
    auto *holder = new QWidgetAction(menu);
    holder->setDefaultWidget(expression);
    menu->addAction(holder);
    calculator->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, expression, [this, expression] {
        expression->setText(m_amount->text());
        expression->selectAll();
        expression->setFocus();
    });
    connect(expression, &QLineEdit::returnPressed, this, [this, expression, menu] {
        if (const std::optional<Money> value = HiddenAmount::valueOf(expression->text())) {
            m_amount->setText(Locale::moneyPlain(*value));
            menu->close();
        }
    });
    connect(m_amount, &QLineEdit::textChanged, this, &TFrmSkryta::showLines);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("MemoText"));
    m_text->setPlainText(ledger.field(LedgerField::HiddenText).asString());
    m_text->setTabChangesFocus(true);
    Hints::apply(m_text, QStringLiteral("Doplňkový text"));

    auto *cancel = new QPushButton(QStringLiteral("Storno "), this);
    cancel->setObjectName(QStringLiteral("BtnStorno"));
    cancel->setAutoDefault(false);
    Hints::apply(cancel, QStringLiteral("Stornuje operaci"));
    auto *ok = new QPushButton(QStringLiteral("OK   "), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setAutoDefault(false);
    Hints::apply(ok, QStringLiteral("Uloží a zavře okno"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &TFrmSkryta::OKClick);
    frame->setKeys(nullptr, [this] { reject(); });

    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(m_amount, 1);
    amountRow->addWidget(calculator);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Skrytá částka :"), amountRow);
    form->addRow(QStringLiteral("Informační text :"), m_text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(date);
    layout->addWidget(info);
    layout->addWidget(box);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(360);
    showLines();
}

void TFrmSkryta::showLines()
{
    const Money amount = m_ledger.field(LedgerField::Amount).asMoney();
    const std::optional<Money> hidden = HiddenAmount::valueOf(m_amount->text());
    if (!hidden)
        return; // the lines wait for an amount
    const HiddenAmount::Lines lines = HiddenAmount::lines(amount, *hidden);
    m_amountLine->setText(lines.amount);
    m_hiddenLine->setText(lines.hidden);
    m_sumLine->setText(lines.sum);
}

QString TFrmSkryta::hiddenLine() const { return m_hiddenLine->text(); }

QString TFrmSkryta::sumLine() const { return m_sumLine->text(); }

void TFrmSkryta::closeEvent(QCloseEvent *event)
{
    // The session ends with the dialog open: the user has not chosen
    // "Storno", so what it holds is written, as OK writes it.
    if (SessionEnd::isEnding()) {
        OKClick();
        if (result() == QDialog::Accepted)
            event->accept();
        else
            event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFrmSkryta::OKClick()
{
    const std::optional<Money> hidden = HiddenAmount::valueOf(m_amount->text());
    if (!hidden) {
        m_prompter.message(QStringLiteral("„%1“ není platná částka ani výpočet. Opravte skrytou částku.").arg(m_amount->text()));
        m_amount->setFocus();
        return;
    }
    try {
        HiddenAmount::store(m_ledger, *hidden, m_text->toPlainText());
    } catch (const EngineError &error) {
        m_prompter.message(error.message());
        return;
    }
    accept();
}
