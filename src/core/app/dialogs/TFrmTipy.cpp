#include "core/app/dialogs/TFrmTipy.h"

#include "widgets/DialogFrame.h"

#include "core/app/commands/Tips.h"
#include "core/data/stores/SettingsStore.h"
#include "widgets/Emblems.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmTipy::TFrmTipy(SettingsStore &settings, Opened opened, QWidget *parent, quint32 seed)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_settings(settings), m_random(seed)
{
    setObjectName(QStringLiteral("FrmTipy"));
    new DialogFrame(this); // the shared window background
    setWindowTitle(QStringLiteral("tipy pro Rozvahon"));

    auto *picture = new QLabel(this);
    picture->setPixmap(Emblems::question(3, 40));
    auto *heading = new QLabel(QStringLiteral("Víte že... ?"), this);
    heading->setObjectName(QStringLiteral("Heading"));
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    heading->setFont(big);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("TipText"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_text->setMargin(8);
    m_text->setBackgroundRole(QPalette::Base);
    m_text->setAutoFillBackground(true);
    m_text->setFixedSize(360, 120);

    m_check = new QCheckBox(QStringLiteral("Zobrazovat tipy vždy při spuštění"), this);
    m_check->setObjectName(QStringLiteral("CheckBox1"));
    m_check->setChecked(opened == Opened::AtStartUp || m_settings.read(Key::Tipy));
    connect(m_check, &QCheckBox::clicked, this, &TFrmTipy::CheckBoxClick);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setToolTip(QStringLiteral("Pokračovat"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *next = new QPushButton(QStringLiteral("Další Tip"), this);
    next->setObjectName(QStringLiteral("DalsiTip"));
    next->setToolTip(QStringLiteral("Další tip z databáze tipů"));
    connect(next, &QPushButton::clicked, this, &TFrmTipy::DalsiTipClick);

    auto *head = new QHBoxLayout;
    head->addWidget(picture);
    head->addWidget(heading, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_check, 1);
    buttons->addWidget(next);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    DalsiTipClick();
}

QString TFrmTipy::tipText() const { return Tips::all().value(m_tip); }

void TFrmTipy::DalsiTipClick()
{
    m_tip = Tips::pick(m_random);
    m_text->setText(tipText());
}

void TFrmTipy::CheckBoxClick(bool checked) { m_settings.write(Key::Tipy, checked); }
