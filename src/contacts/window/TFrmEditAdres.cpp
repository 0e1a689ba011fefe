#include "contacts/window/TFrmEditAdres.h"

#include "contacts/window/ContactLook.h"
#include "contacts/window/RecordEditors.h"
#include "core/app/dialogs/ProgramCaption.h"
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
    : EntryEditor(addresses, QStringLiteral("Smazat tento záznam z databáze Adres ?"), prompter, parent)
{
    setObjectName(QStringLiteral("FrmEditAdres"));
    setWindowTitle(QStringLiteral("Editor Adres"));
    auto *frame = new DialogFrame(this);

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
        editors()->bind(edit, QString::fromUtf8(row.field));
        fields->addRow(QString::fromUtf8(row.label), edit);
        m_edits << edit;
    }
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("DBMemo1"));
    Hints::apply(m_note, QStringLiteral("Editace poznámky"));
    editors()->bind(m_note, QStringLiteral("Poznámka"));
    fields->addRow(QStringLiteral("Poznámka :"), m_note);

    QPushButton *save = DialogFrame::button(QStringLiteral("Uložit"), QStringLiteral("Ulozit"), QStringLiteral("Zavře okno a uloží databázi"), this);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(heading);
    layout->addLayout(fields, 1);
    layout->addWidget(navigator(), 0, Qt::AlignHCenter);
    layout->addLayout(buttonRow(save));
    ContactLook::fixSize(this, 345, 325);
    m_edits.first()->setFocus();
}

QWidget *TFrmEditAdres::firstEdit() const { return m_edits.first(); }
