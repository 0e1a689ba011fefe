#include "records/window/TFrmSmazat.h"

#include "widgets/DialogFrame.h"

#include "widgets/Hints.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmSmazat::TFrmSmazat(const QString &dateText, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmSmazat"));
    setWindowTitle(QStringLiteral("Otázka"));

    auto *question = new QLabel(QStringLiteral("Smazat tuto položku ?"), this);
    question->setObjectName(QStringLiteral("Label1"));
    question->setAlignment(Qt::AlignCenter);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);

    m_date = new QLabel(dateText, this);
    m_date->setObjectName(QStringLiteral("LblDatum"));
    m_date->setAlignment(Qt::AlignCenter);
    m_date->setMinimumHeight(18);
    Hints::apply(m_date, QStringLiteral("S Datumem|Smazat položku s tímto datumem ?"));

    DialogFrame::AnswerTexts texts;
    texts.yesName = QStringLiteral("BtnAno");
    texts.noName = QStringLiteral("BtnNe");
    const DialogFrame::Answers answers = (new DialogFrame(this))->answers(texts); // Escape rejects as well
    QPushButton *yes = answers.yes;

    QHBoxLayout *buttons = DialogFrame::centredRow(answers);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(m_date);
    layout->addLayout(buttons);
    setFixedSize(240, sizeHint().height());
    yes->setFocus();
}

bool TFrmSmazat::confirm(const QString &dateText, QWidget *parent)
{
    TFrmSmazat dialog(dateText, parent);
    return dialog.exec() == QDialog::Accepted;
}
