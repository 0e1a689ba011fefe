#include "core/app/services/WidgetPrompter.h"

#include "core/app/dialogs/TDotazFrm.h"
#include "widgets/Colours.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

QWidget *WidgetPrompter::owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

bool WidgetPrompter::ask(const QString &title, const QString &text, int icon)
{
    if (m_unattended)
        return false; // as if the dialog were closed
    return AskQuestion(title, text, icon);
}

void WidgetPrompter::message(const QString &text)
{
    if (m_unattended) {
        qWarning("%s", qUtf8Printable(text));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Rozvahon"), text, QMessageBox::Ok, owner());
    box.setObjectName(QStringLiteral("Message"));
    // Messages may carry names and paths the user chose: shown as they are.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString WidgetPrompter::openFileName(const QString &title, const QString &directory, const QString &filter)
{
    if (m_unattended)
        return QString();
    return QFileDialog::getOpenFileName(owner(), title, directory, filter);
}

QString WidgetPrompter::saveFileName(const QString &title, const QString &directory, const QString &filter)
{
    if (m_unattended)
        return QString();
    return QFileDialog::getSaveFileName(owner(), title, directory, filter);
}

std::optional<int> WidgetPrompter::chooseColor(int initial)
{
    if (m_unattended)
        return std::nullopt;
    // System colours (negative values) start the dialog on black.
    const QColor start = initial < 0 ? QColor(Qt::black) : Colours::fromValue(initial);
    const QColor chosen = QColorDialog::getColor(start, owner());
    if (!chosen.isValid())
        return std::nullopt;
    return Colours::toValue(chosen);
}
