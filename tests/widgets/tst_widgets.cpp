// The dialog frame every dialog is built in, and the hint splitter.
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/TableGrid.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QtTest>

class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void hintsSplitAtTheBar_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("status");
        QTest::newRow("both parts") << "Celkem|Částka celková" << "Celkem" << "Částka celková";
        QTest::newRow("no bar: both the same") << "Stornuje" << "Stornuje" << "Stornuje";
        QTest::newRow("only the first bar splits") << "a|b|c" << "a" << "b|c";
        QTest::newRow("empty tip") << "|jen stav" << "" << "jen stav";
    }
    void hintsSplitAtTheBar()
    {
        QFETCH(QString, hint);
        QLabel label;
        Hints::apply(&label, hint);
        QTEST(label.toolTip(), "tip");
        QTEST(label.statusTip(), "status");
    }

    // Enter and Escape reach the dialog's small menu wherever the focus is,
    // also inside a line edit.
    void keysGoThroughTheSmallMenu()
    {
        QDialog dialog;
        auto *edit = new QLineEdit(&dialog);
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        QStringList pressed;
        (new DialogFrame(&dialog))->setKeys([&] { pressed << QStringLiteral("enter"); },
                                            [&] { pressed << QStringLiteral("escape"); });
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(pressed, (QStringList{"enter", "enter", "escape"}));
        QVERIFY(dialog.isVisible()); // the keys did what they were given, nothing else
        QVERIFY(dialog.findChild<QAction *>(QStringLiteral("Pokracovat")));
        QVERIFY(dialog.findChild<QAction *>(QStringLiteral("Zrusit")));
    }

    // Which button Enter presses: the default one, or the focused one where
    // the dialog says so; the buttons close the dialog with their answer.
    void answerRow_data()
    {
        QTest::addColumn<bool>("yesIsDefault");
        QTest::addColumn<bool>("followsFocus");
        QTest::addColumn<bool>("focusOnNo");
        QTest::addColumn<int>("result");
        QTest::newRow("Ano is default") << true << false << false << int(QDialog::Accepted);
        QTest::newRow("Ne is default") << false << false << false << int(QDialog::Rejected);
        QTest::newRow("focus on Ne, Enter follows it") << true << true << true << int(QDialog::Rejected);
        QTest::newRow("focus on Ne, Enter stays on Ano") << true << false << true << int(QDialog::Accepted);
    }
    void answerRow()
    {
        QFETCH(bool, yesIsDefault);
        QFETCH(bool, followsFocus);
        QFETCH(bool, focusOnNo);
        QDialog dialog;
        DialogFrame::AnswerTexts texts;
        texts.yesIsDefault = yesIsDefault;
        texts.enterFollowsFocus = followsFocus;
        const DialogFrame::Answers answers = (new DialogFrame(&dialog))->answers(texts);
        auto *layout = new QVBoxLayout(&dialog);
        layout->addLayout(DialogFrame::centredRow(answers));
        QCOMPARE(answers.yes->text(), QStringLiteral("&Ano"));
        QCOMPARE(answers.no->objectName(), QStringLiteral("Ne"));
        QTimer press;
        press.setInterval(10);
        connect(&press, &QTimer::timeout, &dialog, [&] {
            if (!dialog.isActiveWindow())
                return dialog.activateWindow();
            press.stop();
            (focusOnNo ? answers.no : answers.yes)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        press.start();
        QTEST(dialog.exec(), "result");
    }

    // A grid on any model: Tab goes on from the last cell into a new row,
    // Shift+Tab stops at the first cell, Down on the last row asks for a
    // new row, and a closed drop-down leaves Down to the grid.
    void tableGridNeverWraps()
    {
        QStandardItemModel model(2, 3);
        TableGrid grid;
        grid.setModel(&model);
        int appended = 0;
        connect(&grid, &TableGrid::appendRequested, &grid, [&] {
            ++appended;
            model.appendRow({new QStandardItem, new QStandardItem, new QStandardItem});
            grid.setCurrentIndex(model.index(model.rowCount() - 1, grid.currentIndex().column()));
        });
        grid.show();
        grid.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        grid.setCurrentIndex(model.index(1, 2));
        QTest::keyClick(&grid, Qt::Key_Tab);
        QCOMPARE(appended, 1);
        QCOMPARE(grid.currentIndex(), model.index(2, 0));
        grid.setCurrentIndex(model.index(0, 0));
        QTest::keyClick(&grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid.currentIndex(), model.index(0, 0));
        grid.setCurrentIndex(model.index(2, 1));
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(appended, 2);
        QCOMPARE(model.rowCount(), 4);

        CellComboBox combo;
        combo.setEditable(true);
        combo.addItems({QStringLiteral("20.1.2009"), QStringLiteral("19.1.2009")});
        combo.setCurrentIndex(-1);
        combo.setEditText(QStringLiteral("3.2.2009"));
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(&combo, &down);
        QVERIFY(!down.isAccepted());
        QCOMPARE(combo.currentText(), QStringLiteral("3.2.2009"));
    }

    // A grid of fixed rows: every way of asking for a new row is refused
    // and the cursor stays where it was.
    void tableGridOfFixedRowsRefusesNewRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("key");
        QTest::newRow("Down on the last row") << 2 << 0 << int(Qt::Key_Down);
        QTest::newRow("Tab in the last cell") << 2 << 2 << int(Qt::Key_Tab);
        QTest::newRow("typing into an empty grid") << 0 << 0 << int(Qt::Key_A);
    }
    void tableGridOfFixedRowsRefusesNewRows()
    {
        QFETCH(int, rows);
        QFETCH(int, column);
        QFETCH(int, key);
        QStandardItemModel model(rows, 3);
        TableGrid grid;
        grid.setModel(&model);
        grid.setNewRowsAllowed(false);
        int appended = 0;
        int refused = 0;
        connect(&grid, &TableGrid::appendRequested, &grid, [&] { ++appended; });
        connect(&grid, &TableGrid::newRowRefused, &grid, [&] { ++refused; });
        grid.show();
        grid.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        const QModelIndex start = rows > 0 ? model.index(rows - 1, column) : QModelIndex();
        grid.setCurrentIndex(start);
        QTest::keyClick(&grid, Qt::Key(key));
        QCOMPARE(refused, 1);
        QCOMPARE(appended, 0);
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(grid.currentIndex(), start);
        QVERIFY(!grid.isEditing());
    }

    // The caption band carries the title, also when the title changes.
    void captionBandFollowsTheTitle()
    {
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Změna názvu"));
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("obsah"), &dialog));
        auto *band = qobject_cast<QLabel *>((new DialogFrame(&dialog))->addCaptionBand(layout, true, QColor(0, 0, 255)));
        QVERIFY(band);
        QCOMPARE(layout->itemAt(0)->widget(), band);
        QCOMPARE(band->text(), QStringLiteral("Změna názvu"));
        dialog.setWindowTitle(QStringLiteral("Hledání"));
        QCOMPARE(band->text(), QStringLiteral("Hledání"));
        // Painted: the band begins in the gradient's colour.
        dialog.resize(300, 100);
        const QImage picture = band->grab().toImage();
        const QColor start = picture.pixelColor(0, picture.height() / 2);
        QVERIFY2(start.red() < 8 && start.green() < 8 && start.blue() > 247, qPrintable(start.name()));
    }

    // The shared background goes under the dialog's controls.
    void backgroundIsPaintedUnderTheDialog()
    {
        DialogFrame::setBackgroundPainter([](QPainter &painter, QWidget &window) {
            painter.fillRect(window.rect(), QColor(10, 200, 30));
        });
        QDialog dialog;
        new DialogFrame(&dialog);
        dialog.resize(120, 80);
        const QImage picture = dialog.grab().toImage();
        DialogFrame::setBackgroundPainter(nullptr);
        QCOMPARE(picture.pixelColor(60, 40), QColor(10, 200, 30));
    }
};

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
