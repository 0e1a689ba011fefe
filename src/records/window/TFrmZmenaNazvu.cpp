#include "records/window/TFrmZmenaNazvu.h"

#include "widgets/DialogFrame.h"

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

    DialogFrame::AnswerTexts texts;
    texts.yesCaption = QStringLiteral("OK   ");
    texts.noCaption = QStringLiteral("Storno ");
    texts.yesName = QStringLiteral("BtnOK");
    texts.noName = QStringLiteral("BtnStorno");
    const DialogFrame::Answers answers = (new DialogFrame(this))->answers(texts);
    Hints::apply(answers.yes, QStringLiteral("Zapíše a zavře toto okno"));
    Hints::apply(answers.no, QStringLiteral("Stornuje"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(textCaption, 0, 0);
    grid->addWidget(current, 0, 1);
    grid->addWidget(newCaption, 1, 0);
    grid->addWidget(m_edit, 1, 1);
    grid->addLayout(DialogFrame::centredRow(answers), 2, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 300);
    m_edit->selectAll();
    m_edit->setFocus();
}

QString TFrmZmenaNazvu::newText() const { return m_edit->text(); }
