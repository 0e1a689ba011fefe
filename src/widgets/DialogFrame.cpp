#include "widgets/DialogFrame.h"

#include "widgets/CaptionBand.h"
#include "widgets/Hints.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

DialogFrame::BackgroundPainter &backgroundPainter()
{
    static DialogFrame::BackgroundPainter painter;
    return painter;
}

} // namespace

DialogFrame::DialogFrame(QDialog *dialog) : QObject(dialog), m_dialog(dialog)
{
    dialog->installEventFilter(this);
}

void DialogFrame::setBackgroundPainter(BackgroundPainter painter) { backgroundPainter() = std::move(painter); }

bool DialogFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The background goes under the dialog's own painting.
    if (watched == m_dialog && event->type() == QEvent::Paint && backgroundPainter()) {
        QPainter painter(m_dialog);
        backgroundPainter()(painter, *m_dialog);
    }
    return QObject::eventFilter(watched, event);
}

void DialogFrame::setKeys(std::function<void()> enter, std::function<void()> escape)
{
    auto key = [this](QAction *&action, const QString &caption, const QString &name, const QList<QKeySequence> &keys,
                      std::function<void()> run) {
        delete action;
        action = nullptr;
        if (!run)
            return;
        action = new QAction(caption, m_dialog);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, m_dialog, std::move(run));
        m_dialog->addAction(action);
    };
    key(m_enter, QStringLiteral("Pokračovat"), QStringLiteral("Pokracovat"),
        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, std::move(enter));
    key(m_escape, QStringLiteral("Zrušit"), QStringLiteral("Zrusit"), {QKeySequence(Qt::Key_Escape)}, std::move(escape));
}

DialogFrame::Answers DialogFrame::answers(const AnswerTexts &texts)
{
    Answers made;
    made.yes = new QPushButton(texts.yesCaption, m_dialog);
    made.yes->setObjectName(texts.yesName);
    made.no = new QPushButton(texts.noCaption, m_dialog);
    made.no->setObjectName(texts.noName);
    QPushButton *preferred = texts.yesIsDefault ? made.yes : made.no;
    QPushButton *other = texts.yesIsDefault ? made.no : made.yes;
    preferred->setDefault(true);
    preferred->setAutoDefault(true);
    other->setAutoDefault(texts.enterFollowsFocus);
    if (texts.closesDialog) {
        connect(made.yes, &QPushButton::clicked, m_dialog, &QDialog::accept);
        connect(made.no, &QPushButton::clicked, m_dialog, &QDialog::reject);
    }
    return made;
}

QPushButton *DialogFrame::button(const QString &caption, const QString &objectName, const QString &hint, QWidget *parent)
{
    auto *made = new QPushButton(caption, parent);
    made->setObjectName(objectName);
    made->setAutoDefault(false);
    Hints::apply(made, hint);
    return made;
}

QHBoxLayout *DialogFrame::centredRow(const Answers &answers)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(answers.yes);
    row->addWidget(answers.no);
    row->addStretch();
    return row;
}

QWidget *DialogFrame::addCaptionBand(QBoxLayout *layout, bool gradient, QColor colour)
{
    auto *band = new CaptionBand(m_dialog, gradient, colour);
    layout->insertWidget(0, band);
    return band;
}
