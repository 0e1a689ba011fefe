#include "records/window/TFrmZmenaNazvu.h"

#include "widgets/Hints.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmZmenaNazvu::TFrmZmenaNazvu(const QString &supplement, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmZmenaNazvu"));
    setWindowTitle(QStringLiteral("Změna názvu"));

    auto *textCaption = new QLabel(QStringLiteral("Text :"), this);
    auto *current = new QLabel(supplement, this);
    current->setObjectName(QStringLiteral("LblText"));
    QFont bold = current->font();
    bold.setBold(true);
    current->setFont(bold);
    auto *newCaption = new QLabel(QStringLiteral("Změnit na :"), this);
    m_edit = new QLineEdit(supplement, this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMaxLength(100); // the supplement field's size
    Hints::apply(m_edit, QStringLiteral("Vložte nový text"));
    newCaption->setBuddy(m_edit);

    auto *ok = new QPushButton(QStringLiteral("OK   "), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    Hints::apply(ok, QStringLiteral("Zapíše a zavře toto okno"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Storno "), this);
    cancel->setObjectName(QStringLiteral("BtnStorno"));
    cancel->setAutoDefault(false);
    Hints::apply(cancel, QStringLiteral("Stornuje"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(textCaption, 0, 0);
    grid->addWidget(current, 0, 1);
    grid->addWidget(newCaption, 1, 0);
    grid->addWidget(m_edit, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 300);
    m_edit->selectAll();
    m_edit->setFocus();
}

QString TFrmZmenaNazvu::newText() const { return m_edit->text(); }
