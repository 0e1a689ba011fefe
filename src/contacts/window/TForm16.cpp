#include "contacts/window/TForm16.h"

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
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A title in large type with a grey shadow two pixels below and right.
class ShadowedTitle : public QLabel
{
public:
    ShadowedTitle(const QString &text, QWidget *parent) : QLabel(text, parent)
    {
        QFont large = font();
        large.setPointSize(16);
        large.setBold(true);
        setFont(large);
        setAlignment(Qt::AlignCenter);
        setMinimumHeight(fontMetrics().height() + 6);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(rect().translated(2, 2), int(alignment()), text());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), int(alignment()), text());
    }
};

} // namespace

TForm16::TForm16(Table &phoneBook, Prompter &prompter, QWidget *parent)
    : EditingDialog(prompter, parent), m_table(phoneBook)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Upravení/Přidání telefonního záznamu"));
    auto *frame = new DialogFrame(this);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("DBEdit1"));
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("DBEdit2"));
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("DBMemo1"));
    for (QWidget *edit : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_number), static_cast<QWidget *>(m_note)})
        Hints::apply(edit, QStringLiteral("Editační okno"));
    m_editors = new RecordEditors(phoneBook, prompter, this);
    m_editors->bind(m_name, QStringLiteral("Prijmeni"));
    m_editors->bind(m_number, QStringLiteral("Telefon"));
    m_editors->bind(m_note, QStringLiteral("Poznamka"));

    auto *navigator = new Navigator(this);
    navigator->walk(m_table, [this](const std::function<void()> &work) { return guarded(work); });
    QPushButton *ok = DialogFrame::button(QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("Zavře okno"), this);
    QPushButton *add = DialogFrame::button(QStringLiteral("Přidat"), QStringLiteral("Pridat"), QString(), this);
    QPushButton *remove = DialogFrame::button(QStringLiteral("Smazat"), QStringLiteral("Smazat"), QString(), this);
    connect(ok, &QPushButton::clicked, this, &EditingDialog::writeAndClose);
    connect(add, &QPushButton::clicked, this, &TForm16::add);
    connect(remove, &QPushButton::clicked, this, &TForm16::remove);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Jméno a příjmení :"), m_name);
    fields->addRow(QStringLiteral("Telefon :"), m_number);
    fields->addRow(QStringLiteral("Poznámka :"), m_note);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(new ShadowedTitle(QStringLiteral("Upravení záznamu"), this));
    layout->addLayout(fields, 1);
    layout->addWidget(navigator, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    ContactLook::fixSize(this, 292, 274);
    m_name->setFocus();
}

bool TForm16::writePending()
{
    m_table.checkBrowseMode();
    return true;
}

void TForm16::add()
{
    guarded([this] {
        if (!m_table.isOpen())
            return;
        m_table.insert();
    });
    m_editors->refresh();
    m_name->setFocus();
}

void TForm16::remove()
{
    if (!m_table.isOpen() || m_table.controlCurrentRow() < 0)
        return;
    if (!prompter().ask(QStringLiteral("Smazat ?"), QStringLiteral("Smazat tento záznam z Tel. seznamu ?"), Prompter::QuestionMark))
        return;
    guarded([this] { m_table.remove(); });
}
