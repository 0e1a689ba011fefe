#include "consumption/window/LogWindowFrame.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "widgets/DialogFrame.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

LogWindowFrame::LogWindowFrame(Prompter &prompter, QWidget *parent, const QString &caption, QSize size, bool closeBox)
    : EditingDialog(prompter, parent,
                    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | (closeBox ? Qt::WindowCloseButtonHint : Qt::WindowType(0)))
{
    setWindowTitle(caption);
    auto *frame = new DialogFrame(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("Surface"));
    m_surface->setFixedSize(size);
    layout->addWidget(m_surface);
    addProgramCaptionBand(*frame, layout);
    adjustSize();
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QLabel *LogWindowFrame::label(const QString &text, const QString &name, QRect where)
{
    auto *made = new QLabel(text, m_surface);
    made->setObjectName(name);
    made->setGeometry(where);
    return made;
}

QPushButton *LogWindowFrame::button(const QString &caption, const QString &name, const QString &hint, QRect where)
{
    QPushButton *made = DialogFrame::button(caption, name, hint, m_surface);
    made->setGeometry(where);
    return made;
}

void LogWindowFrame::busy(const std::function<void()> &work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    work();
    QApplication::restoreOverrideCursor();
}
