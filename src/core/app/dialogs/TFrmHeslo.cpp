#include "core/app/dialogs/TFrmHeslo.h"

#include "widgets/DialogFrame.h"

#include "core/app/commands/StartupPassword.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmHeslo::TFrmHeslo(const SettingsStore &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("FrmHeslo"));
    setWindowTitle(QStringLiteral("Heslo"));

    auto *label = new QLabel(QStringLiteral("Vložte vstupní heslo prosím !"), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    m_edit->setToolTip(QStringLiteral("Vložte vstupní heslo"));
    m_edit->setStatusTip(QStringLiteral("Vložte vstupní heslo"));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setToolTip(QStringLiteral("Zkontrolovat heslo a pokračovat"));
    ok->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setObjectName(QStringLiteral("Storno"));
    cancel->setToolTip(QStringLiteral("Zavřít program"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TFrmHeslo::OKClick);
    connect(cancel, &QPushButton::clicked, this, &TFrmHeslo::StornoClick);

    // Enter and Esc through the dialog's small menu.
    (new DialogFrame(this))->setKeys([this] { OKClick(); }, [this] { StornoClick(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label, 0, Qt::AlignHCenter);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->setMinimumWidth(220);
}

void TFrmHeslo::OKClick()
{
    if (StartupPassword::matches(m_settings, m_edit->text()))
        accept();
    else
        reject(); // no message: the program just ends
}

void TFrmHeslo::StornoClick() { reject(); }
