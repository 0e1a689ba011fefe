#pragma once

#include <QString>

// How the calculator shows its result, read once from "VedeVoda.INI",
// section "Calculator Options" (the program never writes that file).
struct CalculatorOptions
{
    bool formatResult = true; // fixed point; false: general form
    int width = 1;            // least width of the fixed-point result
    int decimals = 2;         // decimals of the fixed-point result

    static CalculatorOptions read();
};

// The calculator's expression and result, without the dialog: typing
// (a decimal comma becomes a point), evaluating with the infix evaluator,
// and the clipboard form of the result (points become commas).
class Calculator
{
public:
    explicit Calculator(CalculatorOptions options = {}) : m_options(options) {}

    const QString &expression() const { return m_expression; }
    const QString &result() const { return m_result; }

    // The new text of the expression box: every "," becomes ".".
    void setExpression(const QString &text);
    void append(const QString &text) { setExpression(m_expression + text); }
    void backspace();
    void clear();

    // Evaluates the expression into the result. After an error the result
    // is the evaluator's error text.
    void evaluate();
    // The result with decimal commas, ready to be pasted into an amount;
    // the result itself takes that form too.
    QString clipboardText();

    static QString formatValue(long double value, const CalculatorOptions &options);

private:
    CalculatorOptions m_options;
    QString m_expression;
    QString m_result;
};
