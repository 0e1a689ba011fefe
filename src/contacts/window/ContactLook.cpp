#include "contacts/window/ContactLook.h"

#include "widgets/Hints.h"

#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace ContactLook {

QLabel *bigLabel(QWidget *parent, int pointSize, bool bold, const QColor &colour, const QString &hint)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (colour.isValid()) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, colour);
        label->setPalette(colours);
    }
    if (!hint.isEmpty())
        Hints::apply(label, hint);
    return label;
}

QFrame *raised(QWidget *content, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(content);
    return frame;
}

void addClosePopup(QDialog *window)
{
    auto *close = new QAction(QStringLiteral("Zavřít"), window);
    close->setObjectName(QStringLiteral("Zavrit1"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, window, &QDialog::close);
    window->addAction(close);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void fixSize(QDialog *window, int width, int height)
{
    const QSize needed = window->sizeHint();
    window->setFixedSize(std::max(width, needed.width()), std::max(height, needed.height()));
}

} // namespace ContactLook
