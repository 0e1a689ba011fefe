#include "contacts/window/TForm18.h"

#include "contacts/window/ContactBrowser.h"
#include "contacts/window/ContactLook.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/Table.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/Navigator.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

TForm18::TForm18(Table &areaCodes, Prompter &prompter, QWidget *parent) : QDialog(parent), m_table(areaCodes)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Předvolby telefonních čísel pro Českou Republiku"));
    auto *frame = new DialogFrame(this);
    m_browser = new ContactBrowser(areaCodes, QStringLiteral("Mesto"), prompter, this);
    m_browser->guarded([this] { m_table.open(); });
    Hints::apply(m_browser->list(), QStringLiteral("Města"));

    auto *heading = new QLabel(QStringLiteral("Předvolby telefonních čísel v České Republice"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    QPalette navy = heading->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    heading->setPalette(navy);
    QLabel *town = ContactLook::bigLabel(this, 16, true, QColor(128, 0, 0), QStringLiteral("Město"));
    town->setObjectName(QStringLiteral("DBText1"));
    QLabel *code = ContactLook::bigLabel(this, 16, false, QColor(0, 128, 0), QStringLiteral("Předvolba"));
    code->setObjectName(QStringLiteral("DBText2"));
    m_browser->show(town, QStringLiteral("Mesto"));
    m_browser->show(code, QStringLiteral("Predvolba"));

    auto *search = new QGroupBox(this);
    QPushButton *find = DialogFrame::button(QStringLiteral("Hledat"), QStringLiteral("Hledat"), QStringLiteral("Začít hledat"), search);
    auto *text = new QLineEdit(search);
    text->setObjectName(QStringLiteral("Edit1"));
    Hints::apply(text, QStringLiteral("Zde vložte název města"));
    auto *byTown = new QRadioButton(QStringLiteral("Název města"), search);
    byTown->setObjectName(QStringLiteral("RadioButton1"));
    byTown->setChecked(true);
    auto *byCode = new QRadioButton(QStringLiteral("Předvolbu"), search);
    byCode->setObjectName(QStringLiteral("RadioButton2"));
    auto *onOff = new QCheckBox(QStringLiteral("Aktivovat hledání"), search);
    onOff->setObjectName(QStringLiteral("CheckBox1"));
    Hints::apply(onOff, QStringLiteral("Aktivace/Deaktivace hledání"));
    // The button's picture shows only while it can be used.
    const QIcon lens = style()->standardIcon(QStyle::SP_FileDialogContentsView);
    connect(onOff, &QCheckBox::toggled, find, [find, lens](bool on) { find->setIcon(on ? lens : QIcon()); });
    m_browser->setSearchControls({onOff, text, find, {{byTown, QStringLiteral("Mesto")}, {byCode, QStringLiteral("Predvolba")}}, {text, find}});

    auto *searchLayout = new QVBoxLayout(search);
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(find);
    findRow->addWidget(text, 1);
    searchLayout->addLayout(findRow);
    auto *choices = new QHBoxLayout;
    choices->addWidget(byTown);
    choices->addWidget(byCode);
    searchLayout->addLayout(choices);
    searchLayout->addWidget(onOff);

    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít"), QStringLiteral("Zavrit"), QStringLiteral("Zavřít okno"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *shown = new QVBoxLayout;
    auto *current = new QWidget(this);
    auto *currentLayout = new QVBoxLayout(current);
    currentLayout->setContentsMargins(0, 0, 0, 0);
    currentLayout->addWidget(town);
    currentLayout->addWidget(code);
    shown->addWidget(ContactLook::raised(current, this));
    shown->addWidget(search);
    shown->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(shown, 3);
    columns->addWidget(m_browser->list(), 2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_browser->navigator());
    bottom->addStretch();
    bottom->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(heading);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    ContactLook::addClosePopup(this);
    ContactLook::fixSize(this, 427, 305);
}

TForm18::~TForm18() { m_browser->closeTable(); }
