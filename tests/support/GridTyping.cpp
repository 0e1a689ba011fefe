#include "support/GridTyping.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace GridTyping {

void typeIntoCell(QAbstractItemView *grid, const QString &text)
{
    QVERIFY(!text.isEmpty());
    QTest::keyClick(grid, text.at(0).toLatin1());
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget() != grid);
    QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
}

void retype(const QString &text)
{
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

std::optional<QString> openEditorText(const QAbstractItemView *grid)
{
    QWidget *editor = grid->indexWidget(grid->currentIndex()); // an open editor, if any
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        return combo->currentText();
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        return line->text();
    return std::nullopt;
}

QString cursorOf(const QAbstractItemView *grid)
{
    const QModelIndex at = grid->currentIndex();
    return QStringLiteral("%1,%2").arg(at.row()).arg(at.column());
}

} // namespace GridTyping
