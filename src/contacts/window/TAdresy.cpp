#include "contacts/window/TAdresy.h"

#include "contacts/book/ContactTables.h"
#include "contacts/window/ContactBrowser.h"
#include "contacts/window/ContactLook.h"
#include "contacts/window/TFrmEditAdres.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/Navigator.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TAdresy::TAdresy(Prompter &prompter, QWidget *parent) : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("Adresy"));
    setWindowTitle(QStringLiteral("Adresy"));
    auto *frame = new DialogFrame(this);
    ContactTables::locate(m_table, ContactTables::Addresses);
    m_browser = new ContactBrowser(m_table, QStringLiteral("Prijmeni"), prompter, this);
    m_browser->guarded([this] { m_table.open(); });
    Hints::apply(m_browser->list(), QStringLiteral("Seznam"));

    const QColor maroon(128, 0, 0);
    const QColor navy(0, 0, 128);
    QLabel *first = ContactLook::bigLabel(this, 14, true, maroon, QStringLiteral("Jméno"));
    first->setObjectName(QStringLiteral("DBText1"));
    QLabel *surname = ContactLook::bigLabel(this, 14, true, maroon, QStringLiteral("Příjmení"));
    surname->setObjectName(QStringLiteral("DBText2"));
    QLabel *street = ContactLook::bigLabel(this, 10, false, navy, QStringLiteral("Ulice"));
    QLabel *town = ContactLook::bigLabel(this, 10, false, navy, QStringLiteral("Město"));
    QLabel *code = ContactLook::bigLabel(this, 10, false, navy, QStringLiteral("Poštovní smerovací číslo"));
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("DBText6"));
    note->setWordWrap(true);
    Hints::apply(note, QStringLiteral("Obsah poznámky"));
    m_browser->show(first, QStringLiteral("Jmeno"));
    m_browser->show(surname, QStringLiteral("Prijmeni"));
    m_browser->show(street, QStringLiteral("Ulice"));
    m_browser->show(town, QStringLiteral("Mesto"));
    m_browser->show(code, QStringLiteral("PSC"));
    m_browser->show(note, QStringLiteral("Poznámka"));

    auto *search = new QGroupBox(QStringLiteral(" Hledání "), this);
    auto *text = new QLineEdit(search);
    text->setObjectName(QStringLiteral("Edit1"));
    QPushButton *find = DialogFrame::button(QStringLiteral("Hledat"), QStringLiteral("Hledat"), QString(), search);
    auto *onOff = new QCheckBox(search);
    onOff->setObjectName(QStringLiteral("CheckBox1"));
    Hints::apply(onOff, QStringLiteral("Vypínač hledání"));
    auto *byFirst = new QRadioButton(QStringLiteral("Jméno"), search);
    byFirst->setObjectName(QStringLiteral("RadioButton1"));
    Hints::apply(byFirst, QStringLiteral("Prohledat jména"));
    auto *bySurname = new QRadioButton(QStringLiteral("Příjmení"), search);
    bySurname->setObjectName(QStringLiteral("RadioButton2"));
    bySurname->setChecked(true);
    Hints::apply(bySurname, QStringLiteral("Prohledat příjmení"));
    // The text box stays usable with the search off.
    m_browser->setSearchControls({onOff, text, find, {{byFirst, QStringLiteral("Jmeno")}, {bySurname, QStringLiteral("Prijmeni")}}, {find}});
    auto *searchLayout = new QVBoxLayout(search);
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(text, 1);
    findRow->addWidget(find);
    findRow->addWidget(onOff);
    searchLayout->addLayout(findRow);
    auto *choices = new QHBoxLayout;
    choices->addWidget(byFirst);
    choices->addWidget(bySurname);
    searchLayout->addLayout(choices);

    QPushButton *change = DialogFrame::button(QStringLiteral("Upravit záznamy"), QStringLiteral("Upravit"), QStringLiteral("Editace záznamů"), this);
    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít okno"), QStringLiteral("Zavrit"), QStringLiteral("Zavřít toto okno"), this);
    connect(change, &QPushButton::clicked, this, &TAdresy::edit);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *current = new QWidget(this);
    auto *currentLayout = new QVBoxLayout(current);
    currentLayout->setContentsMargins(0, 0, 0, 0);
    auto *names = new QHBoxLayout;
    names->addStretch();
    names->addWidget(first);
    names->addWidget(surname);
    names->addStretch();
    currentLayout->addLayout(names);
    currentLayout->addWidget(street);
    currentLayout->addWidget(town);
    currentLayout->addWidget(code);
    auto *right = new QVBoxLayout;
    right->addWidget(ContactLook::raised(current, this));
    right->addWidget(search);
    right->addWidget(m_browser->navigator(), 0, Qt::AlignHCenter);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(change);
    buttons->addWidget(close);
    right->addLayout(buttons);
    right->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(m_browser->list(), 1);
    left->addWidget(new QLabel(QStringLiteral("Poznámka :"), this));
    left->addWidget(note);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addLayout(columns, 1);
    ContactLook::addClosePopup(this);
    ContactLook::fixSize(this, 527, 362);
}

TAdresy::~TAdresy() { m_browser->closeTable(); }

bool TAdresy::event(QEvent *event)
{
    // The table is opened whenever the window becomes active (nothing
    // happens while it is open).
    if (event->type() == QEvent::WindowActivate && !m_table.isOpen())
        m_browser->guarded([this] { m_table.open(); });
    return QDialog::event(event);
}

void TAdresy::edit()
{
    {
        TFrmEditAdres editor(m_table, m_prompter, this);
        editor.exec();
    }
    m_browser->refresh();
}
