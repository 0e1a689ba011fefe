#include "core/app/dialogs/TDotazFrm.h"

#include "widgets/DialogFrame.h"

#include "widgets/Emblems.h"

#include <QApplication>
#include <algorithm>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int PanelLeft = 48;
constexpr int PanelTop = 10;
constexpr int PanelHeight = 36;
constexpr int ButtonTop = 58;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
// Below this text width the two buttons would no longer fit side by side
// inside the dialog ("Ano" would start left of its edge), so a shorter text
// is laid out as if it were this wide.
constexpr int NarrowestText = 98;
} // namespace

QuestionLayout QuestionLayout::forText(int measured)
{
    const int t = std::max(measured, NarrowestText);
    QuestionLayout layout;
    layout.width = t + 78;
    layout.panelWidth = t + 20;
    layout.yesLeft = layout.width / 2 - 80;
    layout.noLeft = layout.width / 2;
    layout.shiftLeft = (t - 122) / 2; // C++ division truncates towards zero, as div does
    return layout;
}

TDotazFrm::TDotazFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("DotazFrm"));
    // The menu colour as the background.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(colours);
    setAutoFillBackground(true);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(8, 12, 32, 32);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::NoFrame);
    m_text = new QLabel(m_panel);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setAlignment(Qt::AlignCenter);
    // The text may quote the user's own words (a payment's name, a record's
    // text, a file's path); they are shown as typed, never as markup.
    m_text->setTextFormat(Qt::PlainText);

    DialogFrame::AnswerTexts texts;
    texts.yesCaption = QStringLiteral("Ano");
    texts.noCaption = QStringLiteral("Ne");
    // Enter answers with the button that has the focus: "Ano" unless the
    // user has moved to "Ne".
    texts.enterFollowsFocus = true;
    texts.closesDialog = false;
    const DialogFrame::Answers answers = (new DialogFrame(this))->answers(texts);
    m_yes = answers.yes;
    m_no = answers.no;
    connect(m_yes, &QPushButton::clicked, this, &TDotazFrm::AnoClick);
    connect(m_no, &QPushButton::clicked, this, &TDotazFrm::NeClick);

    setQuestion(QString(), QString(), 0);
}

void TDotazFrm::setQuestion(const QString &title, const QString &text, int icon)
{
    setWindowTitle(title);
    m_text->setText(text);
    m_iconKind = (icon >= 1 && icon <= 3) ? icon : 0;
    m_picture->setPixmap(Emblems::question(m_iconKind));

    const QuestionLayout layout = QuestionLayout::forText(fontMetrics().horizontalAdvance(text));
    setFixedSize(layout.width, QuestionLayout::ClientHeight);
    m_panel->setGeometry(PanelLeft, PanelTop, layout.panelWidth, PanelHeight);
    m_text->setGeometry(0, 0, layout.panelWidth, PanelHeight);
    m_yes->setGeometry(layout.yesLeft, ButtonTop, ButtonWidth, ButtonHeight);
    m_no->setGeometry(layout.noLeft, ButtonTop, ButtonWidth, ButtonHeight);

    // Centred on the screen at the design width, then moved by half the
    // growth.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const int designLeft = available.left() + (available.width() - QuestionLayout::DesignWidth) / 2;
    const int top = available.top() + (available.height() - QuestionLayout::ClientHeight) / 2;
    move(designLeft - layout.shiftLeft, top);
}

void TDotazFrm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // The dialog unrolls from nothing each time it becomes active.
    for (int height = 10; height <= 100; height += 10)
        setFixedHeight(height);
    setFixedHeight(QuestionLayout::ClientHeight);
}

void TDotazFrm::AnoClick()
{
    m_answer = true;
    accept();
}

void TDotazFrm::NeClick()
{
    m_answer = false;
    reject();
}

bool AskQuestion(const QString &title, const QString &text, int icon)
{
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    TDotazFrm dialog(owner);
    dialog.setQuestion(title, text, icon);
    dialog.exec();
    return dialog.answer();
}
