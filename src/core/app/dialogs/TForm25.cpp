#include "core/app/dialogs/TForm25.h"

#include "widgets/DialogFrame.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TForm25::TForm25(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form25"));
    setWindowTitle(QStringLiteral("Okamžitě vypne"));
    auto *text = new QLabel(QStringLiteral("Opravdu si přejete vypnout počítač ?"), this);
    text->setObjectName(QStringLiteral("Label1"));
    DialogFrame::AnswerTexts texts;
    texts.yesIsDefault = false; // Enter must not switch the machine off by accident
    texts.enterFollowsFocus = true;
    const DialogFrame::Answers answers = (new DialogFrame(this))->answers(texts);
    answers.yes->setToolTip(QStringLiteral("Ihned vypne"));
    answers.no->setToolTip(QStringLiteral("Tuto akci zruší"));

    QHBoxLayout *buttons = DialogFrame::centredRow(answers);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(16);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TForm26::TForm26(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form26"));
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    auto *title = new QLabel(QStringLiteral("Vypínám Počítač"), frame);
    title->setObjectName(QStringLiteral("Label1"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    auto *wait = new QLabel(QStringLiteral("Čekejte..."), frame);
    wait->setObjectName(QStringLiteral("Label2"));
    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(30, 20, 30, 20);
    inner->addWidget(title, 0, Qt::AlignHCenter);
    inner->addWidget(wait, 0, Qt::AlignHCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void TForm26::showCentred()
{
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    repaint();
}

void TForm26::mousePressEvent(QMouseEvent *) { hide(); }
