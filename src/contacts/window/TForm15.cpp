#include "contacts/window/TForm15.h"

#include "contacts/book/ContactSearch.h"
#include "contacts/window/ContactBrowser.h"
#include "contacts/window/ContactLook.h"
#include "contacts/window/TForm16.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/Navigator.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

TForm15::TForm15(Table &phoneBook, Prompter &prompter, PlatformServices &services, QWidget *parent)
    : QDialog(parent), m_table(phoneBook), m_prompter(prompter), m_services(services)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Databáze telefonního seznamu"));
    auto *frame = new DialogFrame(this);
    m_browser = new ContactBrowser(phoneBook, QStringLiteral("Prijmeni"), prompter, this);
    m_browser->guarded([this] { m_table.open(); });
    Hints::apply(m_browser->list(), QStringLiteral("Jméno a příjmení"));

    QLabel *name = ContactLook::bigLabel(this, 14, true, QColor(), QString());
    name->setObjectName(QStringLiteral("DBText1"));
    QLabel *number = ContactLook::bigLabel(this, 14, true, QColor(), QString());
    number->setObjectName(QStringLiteral("DBText2"));
    auto *note = new QPlainTextEdit(this);
    note->setObjectName(QStringLiteral("DBMemo1"));
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Hints::apply(note, QStringLiteral("Poznámka"));
    m_browser->show(name, QStringLiteral("Prijmeni"));
    m_browser->show(number, QStringLiteral("Telefon"));
    m_browser->show(note, QStringLiteral("Poznamka"));

    // The search group.
    auto *search = new QGroupBox(QStringLiteral(" Hl&edání Jména "), this);
    auto *onOff = new QCheckBox(search);
    onOff->setObjectName(QStringLiteral("CheckBox1"));
    Hints::apply(onOff, QStringLiteral("Vypínač hledání"));
    auto *text = new QLineEdit(search);
    text->setObjectName(QStringLiteral("Edit1"));
    Hints::apply(text, QStringLiteral("Zde vložte jméno a příjmení"));
    QPushButton *find = DialogFrame::button(QStringLiteral("&Hledat"), QStringLiteral("Hledat"), QStringLiteral("Start hledání"), search);
    auto *byName = new QRadioButton(QStringLiteral("Hledat &Jméno a Příjmení"), search);
    byName->setObjectName(QStringLiteral("RadioButton1"));
    byName->setChecked(true);
    Hints::apply(byName, QStringLiteral("Hledat jméno a příjmení"));
    auto *byNumber = new QRadioButton(QStringLiteral("Hledat &Telefonní číslo"), search);
    byNumber->setObjectName(QStringLiteral("RadioButton2"));
    Hints::apply(byNumber, QStringLiteral("Hledat telefonní číslo bez předvolby"));
    m_dial = new QLineEdit(search);
    m_dial->setObjectName(QStringLiteral("EditVytoc"));
    Hints::apply(m_dial, QStringLiteral("Vytočí v modemu číslo"));
    QPushButton *dialButton = DialogFrame::button(QStringLiteral("Vytoč"), QStringLiteral("BtnVytoc"), QStringLiteral("Vytoč (Ctrl+V)"), search);
    auto *dialKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+V")), this);
    connect(dialKey, &QShortcut::activated, this, &TForm15::dial);
    connect(dialButton, &QPushButton::clicked, this, &TForm15::dial);
    m_browser->setSearchControls({onOff, text, find, {{byName, QStringLiteral("Prijmeni")}, {byNumber, QStringLiteral("Telefon")}}, {text, find}});
    // The dial box follows the current entry; the user may change it before dialling.
    connect(m_browser, &ContactBrowser::currentChanged, this, [this] {
        m_dial->setText(m_table.isOpen() && m_table.controlCurrentRow() >= 0 ? m_table.field(QStringLiteral("Telefon")).asString()
                                                                              : QString());
    });
    m_browser->refresh();

    auto *searchLayout = new QVBoxLayout(search);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(onOff);
    searchRow->addWidget(text, 1);
    searchRow->addWidget(find);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(byName);
    searchLayout->addWidget(byNumber);
    searchLayout->addWidget(new QLabel(QStringLiteral("Vytočit modemem"), search));
    auto *dialRow = new QHBoxLayout;
    dialRow->addWidget(m_dial, 1);
    dialRow->addWidget(dialButton);
    searchLayout->addLayout(dialRow);

    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Jméno a příjmení"), this));
    right->addWidget(ContactLook::raised(name, this));
    right->addWidget(new QLabel(QStringLiteral("Telefon"), this));
    right->addWidget(number);
    right->addWidget(note, 1);
    right->addWidget(search);

    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít"), QStringLiteral("Zavrit"), QStringLiteral("Zavřít telefonní seznam"), this);
    QPushButton *change = DialogFrame::button(QStringLiteral("Upravit"), QStringLiteral("Upravit"), QStringLiteral("Upravit/Přidat záznam"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(change, &QPushButton::clicked, this, &TForm15::edit);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_browser->navigator());
    bottom->addStretch();
    bottom->addWidget(close);
    bottom->addWidget(change);

    auto *columns = new QHBoxLayout;
    columns->addWidget(m_browser->list(), 2);
    columns->addLayout(right, 3);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    ContactLook::addClosePopup(this);
    ContactLook::fixSize(this, 621, 431);
}

TForm15::~TForm15() { m_browser->closeTable(); }

void TForm15::dial()
{
    const QString text = m_dial->text();
    if (const std::optional<QString> refusal = Dialling::refusal(text)) {
        m_prompter.message(*refusal);
        return;
    }
    m_services.dial(text, QString());
}

void TForm15::edit()
{
    {
        TForm16 editor(m_table, m_prompter, this);
        editor.exec();
    }
    m_browser->refresh();
}
