#include "contacts/window/TFrmEditAdres.h"

#include "contacts/window/ContactLook.h"
#include "contacts/window/RecordEditors.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/Navigator.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmEditAdres::TFrmEditAdres(Table &addresses, Prompter &prompter, QWidget *parent)
    : EditingDialog(prompter, parent), m_table(addresses)
{
    setObjectName(QStringLiteral("FrmEditAdres"));
    setWindowTitle(QStringLiteral("Editor Adres"));
    auto *frame = new DialogFrame(this);
    m_editors = new RecordEditors(addresses, prompter, this);

    auto *heading = new QLabel(QStringLiteral("Editace adres"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);

    struct Row
    {
        const char *label;
        const char *field;
        const char *hint;
    };
    const Row rows[] = {{"Jméno :", "Jmeno", "Editace jména"},   {"Příjmení :", "Prijmeni", "Editace příjmení"},
                        {"Ulice :", "Ulice", "Editace ulice"},   {"Město :", "Mesto", "Editace města"},
                        {"PSČ :", "PSC", "Editace PSČ"}};
    auto *fields = new QFormLayout;
    for (const Row &row : rows) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("DBEdit") + QString::number(m_edits.size() + 1));
        Hints::apply(edit, QString::fromUtf8(row.hint));
        m_editors->bind(edit, QString::fromUtf8(row.field));
        fields->addRow(QString::fromUtf8(row.label), edit);
        m_edits << edit;
    }
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("DBMemo1"));
    Hints::apply(m_note, QStringLiteral("Editace poznámky"));
    m_editors->bind(m_note, QStringLiteral("Poznámka"));
    fields->addRow(QStringLiteral("Poznámka :"), m_note);

    auto *navigator = new Navigator(this);
    navigator->walk(m_table, [this](const std::function<void()> &work) { return guarded(work); });
    QPushButton *save = DialogFrame::button(QStringLiteral("Uložit"), QStringLiteral("Ulozit"), QStringLiteral("Zavře okno a uloží databázi"), this);
    QPushButton *add = DialogFrame::button(QStringLiteral("Přidat"), QStringLiteral("Pridat"), QString(), this);
    QPushButton *remove = DialogFrame::button(QStringLiteral("Smazat"), QStringLiteral("Smazat"), QString(), this);
    connect(save, &QPushButton::clicked, this, &EditingDialog::writeAndClose);
    connect(add, &QPushButton::clicked, this, &TFrmEditAdres::add);
    connect(remove, &QPushButton::clicked, this, &TFrmEditAdres::remove);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(save);

    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(heading);
    layout->addLayout(fields, 1);
    layout->addWidget(navigator, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    ContactLook::fixSize(this, 345, 325);
    m_edits.first()->setFocus();
}

bool TFrmEditAdres::writePending()
{
    m_table.checkBrowseMode();
    return true;
}

void TFrmEditAdres::add()
{
    guarded([this] {
        if (m_table.isOpen())
            m_table.insert();
    });
    m_editors->refresh();
    m_edits.first()->setFocus();
}

void TFrmEditAdres::remove()
{
    if (!m_table.isOpen() || m_table.controlCurrentRow() < 0)
        return;
    if (!prompter().ask(QStringLiteral("Smazat ?"), QStringLiteral("Smazat tento záznam z databáze Adres ?"), Prompter::QuestionMark))
        return;
    guarded([this] { m_table.remove(); });
}
