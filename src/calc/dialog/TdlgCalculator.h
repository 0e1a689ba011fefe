#pragma once

#include "calc/dialog/Calculator.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The calculator dialog "Kalkulačka": an expression box, the result after
// an "=" sign, a keypad, and the result copied to the clipboard with a
// decimal comma, ready to be pasted into an amount.
class TdlgCalculator : public QDialog
{
    Q_OBJECT
public:
    explicit TdlgCalculator(QWidget *parent = nullptr, CalculatorOptions options = CalculatorOptions::read());
    ~TdlgCalculator() override;

    QString expressionText() const;
    QString resultText() const;

public slots:
    void EvaluateExp();
    void copyToClipboard();
    void clearAll();
    void backspace();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void addChar(const QString &text);
    QPushButton *button(const QString &objectName, const QString &caption, const QString &hint, int x, int y,
                        int width);
    void showExpression();
    void showResult(const QString &text);
    void restorePosition();
    void savePosition() const;

    Calculator m_calculator;
    QLineEdit *m_edit = nullptr;
    QLabel *m_result = nullptr;
    QString m_fullResult; // the result line's whole text, however much is shown
    bool m_updating = false;
};
