#include "contacts/window/TForm16.h"

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
    : EntryEditor(phoneBook, QStringLiteral("Smazat tento záznam z Tel. seznamu ?"), prompter, parent)
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
    editors()->bind(m_name, QStringLiteral("Prijmeni"));
    editors()->bind(m_number, QStringLiteral("Telefon"));
    editors()->bind(m_note, QStringLiteral("Poznamka"));
    QPushButton *ok = DialogFrame::button(QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("Zavře okno"), this);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Jméno a příjmení :"), m_name);
    fields->addRow(QStringLiteral("Telefon :"), m_number);
    fields->addRow(QStringLiteral("Poznámka :"), m_note);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(new ShadowedTitle(QStringLiteral("Upravení záznamu"), this));
    layout->addLayout(fields, 1);
    layout->addWidget(navigator(), 0, Qt::AlignHCenter);
    layout->addLayout(buttonRow(ok));
    ContactLook::fixSize(this, 292, 274);
    m_name->setFocus();
}

QWidget *TForm16::firstEdit() const { return m_name; }
