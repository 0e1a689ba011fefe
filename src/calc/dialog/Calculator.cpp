#include "calc/dialog/Calculator.h"

#include "calc/Infix.h"
#include "core/data/format/Locale.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

CalculatorOptions CalculatorOptions::read()
{
    const IniStore ini(QLatin1String(FileName::CalculatorOptions), QLatin1String(Section::CalculatorOptions));
    CalculatorOptions options;
    options.formatResult = ini.read(Key::Calc::FormatResult);
    options.width = ini.read(Key::Calc::Width);
    options.decimals = ini.read(Key::Calc::NumberOfDecimals);
    return options;
}

void Calculator::setExpression(const QString &text)
{
    m_expression = text;
    m_expression.replace(QLatin1Char(','), QLatin1Char('.'));
}

void Calculator::backspace() { m_expression.chop(1); }

void Calculator::clear()
{
    m_expression.clear();
    m_result.clear();
}

void Calculator::evaluate()
{
    const QByteArray bytes = m_expression.toLatin1();
    const infix::Result outcome = infix::evaluate(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!outcome.ok())
        m_result = QString::fromStdString(outcome.errorText);
    else
        m_result = formatValue(outcome.value, m_options);
}

QString Calculator::clipboardText()
{
    m_result.replace(QLatin1Char('.'), QLatin1Char(','));
    return m_result;
}

QString Calculator::formatValue(long double value, const CalculatorOptions &options)
{
    char buffer[128];
    if (options.formatResult) {
        // An options file can hold anything: keep the text to a sane size.
        const int width = std::clamp(options.width, 0, 40);
        const int decimals = std::clamp(options.decimals, 0, 18);
        // Halves round away from zero, as people expect of a calculator
        // (printf alone would round 2.25 to 2.2).
        const long double scale = std::pow(10.0L, decimals);
        value = std::round(value * scale) / scale;
        if (value == 0)
            value = 0; // a tiny negative value shows as zero, not "-0.00"
        std::snprintf(buffer, sizeof buffer, "%*.*Lf", width, decimals, value);
        return QString::fromLatin1(buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    QString text = QString::fromLatin1(buffer).toUpper();
    text.replace(QLatin1Char('.'), Locale::decimalSeparator());
    return text;
}
