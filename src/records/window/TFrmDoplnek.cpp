#include "records/window/TFrmDoplnek.h"

#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *supplementBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(100); // the supplement field's size
    Hints::apply(box, QStringLiteral("Vložte údaj"));
    return box;
}

} // namespace

TFrmDoplnek::TFrmDoplnek(const QString &text, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmDoplnek"));
    setWindowTitle(QStringLiteral("Nastavení Automatického vložení do doplňku"));
    new DialogFrame(this);

    auto *question = new QLabel(QStringLiteral("Jaký text se má vkládat ?"), this);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    auto *line1 = new QLabel(QStringLiteral("Při každém otevření databáze, program zkontroluje, zda doplňkový text není prázdný."), this);
    auto *line2 = new QLabel(QStringLiteral("Nalezne-li prázdné místo, nahradí ho tímto textem."), this);
    m_text = supplementBox(QStringLiteral("Edit1"), this);
    m_text->setText(text);

    QPushButton *ok = DialogFrame::button(QStringLiteral("OK"), QStringLiteral("BtnOK"), QStringLiteral("Zapsat nastavení a zavřít okno"), this);
    ok->setDefault(true);
    QPushButton *cancel = DialogFrame::button(QStringLiteral("Storno"), QStringLiteral("BtnStorno"),
                                 QStringLiteral("Zavřít okno a nic neukládat"), this);
    QPushButton *replace = DialogFrame::button(QStringLiteral("Nahradit"), QStringLiteral("BtnNahradit"),
                                  QStringLiteral("Okamžite změnit text doplňku"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(replace, &QPushButton::clicked, this, &TFrmDoplnek::replaceRequested);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(replace);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
}

QString TFrmDoplnek::text() const { return m_text->text(); }

TFrmNahradit::TFrmNahradit(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmNahradit"));
    setWindowTitle(QStringLiteral("Nahradit text doplňku jiným"));
    Hints::apply(this, QStringLiteral("Okamžité nahrazení textu doplňku jiným textem"));
    new DialogFrame(this);

    m_from = supplementBox(QStringLiteral("EditZ"), this);
    m_to = supplementBox(QStringLiteral("EditNa"), this);
    QPushButton *replace = DialogFrame::button(QStringLiteral("Nahradit  "), QStringLiteral("BtnNahradit"), QStringLiteral("Provést náhradu"), this);
    replace->setDefault(true);
    QPushButton *cancel = DialogFrame::button(QStringLiteral("Storno  "), QStringLiteral("BtnStorno"), QStringLiteral("Zavřít okno"), this);
    connect(replace, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nahradit tento text :"), m_from);
    form->addRow(QStringLiteral("Na tento text :"), m_to);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(replace);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

QString TFrmNahradit::from() const { return m_from->text(); }

QString TFrmNahradit::to() const { return m_to->text(); }
