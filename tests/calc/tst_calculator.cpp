#include "calc/dialog/TdlgCalculator.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Clicks the dialog's button with this caption.
void click(TdlgCalculator &dialog, const QString &caption)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == caption) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + caption));
}

QLineEdit *expressionBox(TdlgCalculator &dialog) { return dialog.findChild<QLineEdit *>(QStringLiteral("Edit1")); }

} // namespace

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnv>(); }
    void cleanup() { m_env.reset(); }

    void typedDecimalCommaBecomesAPoint()
    {
        TdlgCalculator dialog(nullptr, CalculatorOptions{});
        dialog.show();
        QLineEdit *box = expressionBox(dialog);
        QTest::keyClicks(box, QStringLiteral("1,5*2"));
        QCOMPARE(dialog.expressionText(), QStringLiteral("1.5*2"));
        QCOMPARE(box->cursorPosition(), 5);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(dialog.resultText(), QStringLiteral("3.00"));
        click(dialog, QStringLiteral("Schránka"));
        QCOMPARE(dialog.resultText(), QStringLiteral("3,00"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3,00"));
        // A second copy finds no points and keeps the commas.
        click(dialog, QStringLiteral("Schránka"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3,00"));
    }

    void keypadBuildsTheExpression()
    {
        TdlgCalculator dialog(nullptr, CalculatorOptions{});
        for (const char *caption : {"(", "1", "0", "+", "2", ")", "/", "4", ".", "0"})
            click(dialog, QLatin1String(caption));
        QCOMPARE(dialog.expressionText(), QStringLiteral("(10+2)/4.0"));
        click(dialog, QStringLiteral("="));
        QCOMPARE(dialog.resultText(), QStringLiteral("3.00"));
        click(dialog, QStringLiteral("<----"));
        QCOMPARE(dialog.expressionText(), QStringLiteral("(10+2)/4."));
        click(dialog, QStringLiteral("&C"));
        QVERIFY(dialog.expressionText().isEmpty());
        QVERIFY(dialog.resultText().isEmpty());
        // Backspace on an empty expression leaves it empty.
        click(dialog, QStringLiteral("<----"));
        QVERIFY(dialog.expressionText().isEmpty());
    }

    void resultForms_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("result");
        QTest::newRow("ten by three") << true << 1 << 2 << "10/3" << "3.33";
        QTest::newRow("negative") << true << 1 << 2 << "-2*3" << "-6.00";
        QTest::newRow("padded to width") << true << 8 << 1 << "2.25" << "     2.3";
        QTest::newRow("no decimals") << true << 1 << 0 << "7/2" << "4";
        QTest::newRow("half rounds up") << true << 1 << 0 << "5/2" << "3";
        QTest::newRow("negative half rounds away") << true << 1 << 1 << "0-2.25" << "-2.3";
        QTest::newRow("tiny negative is zero") << true << 1 << 2 << "0-0.001" << "0.00";
        QTest::newRow("general form") << false << 1 << 2 << "10/4" << "2,5";
        QTest::newRow("general, whole") << false << 1 << 2 << "6/2" << "3";
        QTest::newRow("general, fifteen digits") << false << 1 << 2 << "1/3" << "0,333333333333333";
        QTest::newRow("error shows its text") << true << 1 << 2 << "1/0" << "Error:  division by zero attempted.";
        QTest::newRow("empty expression") << true << 1 << 2 << ""
                                          << "Error:  end of expression encountered where simple expression expected.";
    }
    void resultForms()
    {
        QFETCH(bool, fixed);
        QFETCH(int, width);
        QFETCH(int, decimals);
        QFETCH(QString, expression);
        QFETCH(QString, result);
        Calculator calculator(CalculatorOptions{fixed, width, decimals});
        calculator.setExpression(expression);
        calculator.evaluate();
        QCOMPARE(calculator.result(), result);
    }

    // Every message of the evaluator can be read whole: what does not fit
    // the result line is cut with an ellipsis and shown whole as its hint
    // and status text.
    void longMessagesCanBeReadWhole_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("cut");
        QTest::newRow("division by zero") << "1/0" << true;
        QTest::newRow("empty expression") << "" << true;
        QTest::newRow("unbalanced") << "(1+2" << true;
        QTest::newRow("a number fits") << "10/4" << false;
    }
    void longMessagesCanBeReadWhole()
    {
        QFETCH(QString, expression);
        QFETCH(bool, cut);
        TdlgCalculator dialog(nullptr, CalculatorOptions{});
        dialog.show();
        QLineEdit *box = expressionBox(dialog);
        box->setText(expression);
        QTest::keyClick(box, Qt::Key_Return);
        auto *line = dialog.findChild<QLabel *>(QStringLiteral("LblVysledek"));
        const QString whole = dialog.resultText();
        QVERIFY(!whole.isEmpty());
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->contentsRect().width());
        if (cut) {
            QVERIFY2(line->text().endsWith(QChar(0x2026)), qPrintable(line->text()));
            QCOMPARE(line->toolTip(), whole);
            QCOMPARE(line->statusTip(), whole);
        } else {
            QCOMPARE(line->text(), whole);
            QCOMPARE(line->toolTip(), QStringLiteral("výsledek"));
        }
    }

    void optionsComeFromTheCalculatorFile()
    {
        QCOMPARE(CalculatorOptions::read().formatResult, true);
        QCOMPARE(CalculatorOptions::read().width, 1);
        QCOMPARE(CalculatorOptions::read().decimals, 2);
        QDir().mkpath(m_env->configHome() + QStringLiteral("/Rozvahon"));
        QFile file(m_env->configHome() + QStringLiteral("/Rozvahon/VedeVoda.INI"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Calculator Options]\r\nFormat Result=0\r\nWidth=6\r\nNumber Of Decimals=3\r\n");
        file.close();
        const CalculatorOptions options = CalculatorOptions::read();
        QCOMPARE(options.formatResult, false);
        QCOMPARE(options.width, 6);
        QCOMPARE(options.decimals, 3);
    }

    void escapeClosesAndThePlaceIsRemembered()
    {
        QPoint closedAt;
        {
            TdlgCalculator dialog(nullptr, CalculatorOptions{});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.move(dialog.pos() + QPoint(-20, -10));
            closedAt = dialog.pos();
            QTest::keyClick(expressionBox(dialog), Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        TdlgCalculator again(nullptr, CalculatorOptions{});
        QCOMPARE(again.pos(), closedAt);
        QCOMPARE(again.size(), QSize(222, 291));
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_MAIN(CalculatorTest)
#include "tst_calculator.moc"
