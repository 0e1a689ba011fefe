#include "calc/Infix.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace infix {
namespace {

using Real = long double;

// Results are kept within 10^-37 ... 10^37 in magnitude.
constexpr Real upperLimit = 1e37L;
constexpr int maxDecimalExponent = 37;
// The hardware sine and cosine give up from this magnitude on; so do we.
constexpr Real trigonometricLimit = 9223372036854775808.0L; // 2^63

// Characters are bytes; bytes >= 0x80 are neither digits nor letters. The
// <cctype> functions are avoided because a negative char is undefined there.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char toUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
int digitValue(char c) { return c - '0'; }

Real log10OfTen() { return std::log(Real(10)); }

// Decimal logarithm, as the natural logarithm divided by ln 10. Only called
// with a positive argument.
Real decimalLog(Real x) { return std::log(x) / log10OfTen(); }

// Negation that never yields -0, so that "-0" reads as a plain 0.
Real negated(Real x) { return x == 0 ? Real(0) : -x; }

enum class Function { Abs, Arctan, Cos, Exp, Ln, Pi, Sin, Sqr, Sqrt };

struct FunctionName {
    std::string_view name;
    Function function;
};

// Looked up in this order, by the upper-cased name.
constexpr std::array<FunctionName, 9> functionTable{{
    {"ABS", Function::Abs},
    {"ARCTAN", Function::Arctan},
    {"COS", Function::Cos},
    {"EXP", Function::Exp},
    {"LN", Function::Ln},
    {"PI", Function::Pi},
    {"SIN", Function::Sin},
    {"SQR", Function::Sqr},
    {"SQRT", Function::Sqrt},
}};

// Recursive-descent parser over one expression; computes while it parses.
// Each level returns as soon as an error is recorded, without reading any
// further, so the position at the error is the position of the offending
// character. Recursion depth is bounded by the length limit: every level of
// nesting consumes at least one character.
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Result run()
    {
        Result result;
        result.value = simpleExpression();
        if (!failed_) {
            skipBlanks();
            if (!atEnd())
                fail("expression followed by garbage");
        }
        if (failed_) {
            result.errorPosition = static_cast<int>(pos_) + 1;
            result.errorText = std::move(errorText_);
        }
        return result;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    // Only called when !atEnd().
    char next() const { return text_[pos_]; }
    bool nextIs(char c) const { return !atEnd() && next() == c; }
    bool nextIsDigit() const { return !atEnd() && isDigit(next()); }

    void skipBlanks()
    {
        while (nextIs(' '))
            ++pos_;
    }

    // Records the first error only.
    void fail(std::string_view message)
    {
        if (failed_)
            return;
        failed_ = true;
        errorText_ = "Error:  ";
        errorText_ += message;
        errorText_ += '.';
    }

    // A sign is only allowed at the start of a simple expression, and it
    // applies to the whole first term: "-3*2" is -(3*2).
    Real simpleExpression()
    {
        skipBlanks();
        if (atEnd()) {
            fail("end of expression encountered where simple expression expected");
            return 0;
        }
        const char sign = next();
        if (sign == '+' || sign == '-')
            ++pos_;
        Real value = term();
        if (failed_)
            return value;
        if (sign == '-')
            value = negated(value);
        for (;;) {
            skipBlanks();
            if (atEnd())
                return value;
            const char op = next();
            if (op != '+' && op != '-')
                return value;
            ++pos_;
            const Real operand = term();
            if (failed_)
                return value;
            value = (op == '+') ? add(value, operand) : subtract(value, operand);
            if (failed_)
                return value;
        }
    }

    Real term()
    {
        skipBlanks();
        if (atEnd()) {
            fail("end of expression encountered where term was expected");
            return 0;
        }
        Real value = factor();
        for (;;) {
            if (failed_)
                return value;
            skipBlanks();
            if (atEnd())
                return value;
            const char op = next();
            if (op != '*' && op != '/')
                return value;
            ++pos_;
            const Real operand = factor();
            if (failed_)
                return value;
            value = (op == '*') ? multiply(value, operand) : divide(value, operand);
        }
    }

    Real factor()
    {
        skipBlanks();
        if (atEnd()) {
            fail("end of expression encountered where factor expected");
            return 0;
        }
        const char c = next();
        if (c == '(') {
            ++pos_;
            const Real value = simpleExpression();
            if (failed_)
                return value;
            skipBlanks();
            if (atEnd())
                fail("end of expression encountered where \")\" was expected");
            else if (next() != ')')
                fail("expression not followed by \")\"");
            else
                ++pos_;
            return value;
        }
        if (isDigit(c))
            return unsignedNumber();
        if (isLetter(c))
            return functionCall();
        // Also rejects a leading "." and a sign after an operator.
        fail("function, unsigned number, or \"(\" expected");
        return 0;
    }

    // Reads a non-empty run of digits into `value`. A further digit is only
    // taken while the integer read so far is at most 10^36; otherwise the
    // constant is too big and that digit is left unread. The comparison is
    // made on the digits themselves, because the accumulated long double is
    // no longer exact near 10^36 (36 nines would round up past 10^36).
    bool digits(Real& value)
    {
        int significantDigits = 0; // digits from the first non-zero one on
        bool powerOfTen = false;   // the significant digits are 1 0 0 ... 0
        auto take = [&](char c) {
            const int d = digitValue(c);
            if (significantDigits > 0) {
                ++significantDigits;
                powerOfTen = powerOfTen && d == 0;
            } else if (d != 0) {
                significantDigits = 1;
                powerOfTen = d == 1;
            }
            value = value * 10 + d;
            ++pos_;
        };
        value = 0;
        take(next());
        while (nextIsDigit()) {
            // 10^36 has 37 digits.
            if (significantDigits > 37 || (significantDigits == 37 && !powerOfTen)) {
                fail("constant is too big");
                return false;
            }
            take(next());
        }
        return true;
    }

    // Called with a digit next. After an error the mantissa read so far is
    // returned.
    Real unsignedNumber()
    {
        Real mantissa = 0;
        if (!digits(mantissa))
            return mantissa;

        if (nextIs('.')) {
            ++pos_;
            if (atEnd()) {
                fail("end of expression encountered where decimal part expected");
                return mantissa;
            }
            if (!isDigit(next())) {
                fail("decimal part of real number is missing");
                return mantissa;
            }
            // The k-th decimal adds digit / 10^k; 10^k stays finite because
            // an expression holds at most 255 characters.
            Real place = 1;
            while (nextIsDigit()) {
                place *= 10;
                mantissa += digitValue(next()) / place;
                ++pos_;
            }
        }

        if (!nextIs('e') && !nextIs('E'))
            return mantissa;
        ++pos_;
        if (atEnd()) {
            fail("end of expression encountered where exponent expected");
            return mantissa;
        }
        const bool negativeExponent = next() == '-';
        if (next() == '+' || next() == '-')
            ++pos_;
        if (atEnd()) {
            fail("end of expression encountered where exponent magnitude expected");
            return mantissa;
        }
        if (!isDigit(next())) {
            fail("nonnumeric exponent encountered");
            return mantissa;
        }
        Real exponent = 0;
        if (!digits(exponent))
            return mantissa;
        if (exponent > maxDecimalExponent) {
            fail("magnitude of exponent is too large");
            return mantissa;
        }
        // exponent is a whole number in 0 ... 37 here.
        const int count = static_cast<int>(exponent);
        Real scale = 1;
        for (int i = 0; i < count; ++i)
            scale *= 10;
        if (negativeExponent)
            scale = 1 / scale;

        if (mantissa == 0)
            return 0;
        const Real magnitude = decimalLog(std::fabs(mantissa)) + decimalLog(scale);
        if (magnitude < -maxDecimalExponent)
            return 0;
        if (magnitude > maxDecimalExponent) {
            fail("constant is too big");
            return mantissa;
        }
        return mantissa * scale;
    }

    // Called with a letter next. The arguments are read before the name is
    // looked up; after any error the call's value is 0.
    Real functionCall()
    {
        std::string name;
        while (!atEnd() && isLetter(next())) {
            name += toUpper(next());
            ++pos_;
        }
        skipBlanks();

        // The last argument is on top (at the back).
        std::vector<Real> arguments;
        if (nextIs('(')) {
            ++pos_;
            for (;;) {
                if (atEnd()) {
                    fail("\")\" to terminate function arguments is missing");
                    return 0;
                }
                const Real argument = simpleExpression();
                if (failed_)
                    return 0;
                arguments.push_back(argument);
                skipBlanks();
                if (atEnd()) {
                    fail("\")\" to terminate function arguments is missing");
                    return 0;
                }
                const char c = next();
                if (c == ')') {
                    ++pos_;
                    break;
                }
                if (c != ',') {
                    fail("comma missing from function arguments");
                    return 0;
                }
                ++pos_;
            }
        }

        for (const FunctionName& entry : functionTable) {
            if (entry.name == name)
                return apply(entry.function, name, arguments);
        }
        fail("the function \"" + name + "\" is unrecognized");
        return 0;
    }

    Real apply(Function function, const std::string& name, std::vector<Real>& arguments)
    {
        if (function == Function::Pi) {
            if (!arguments.empty()) {
                fail("extraneous argument supplied to function \"" + name + '"');
                return 0;
            }
            return 4 * std::atan(Real(1));
        }

        if (arguments.empty()) {
            fail("argument to \"" + name + "\" is missing");
            return 0;
        }
        const Real x = arguments.back();
        arguments.pop_back();
        if (!arguments.empty()) {
            fail("extraneous argument supplied to function \"" + name + '"');
            return 0;
        }

        switch (function) {
        case Function::Abs:
            return std::fabs(x);
        case Function::Arctan:
            return std::atan(x);
        case Function::Cos:
            return std::fabs(x) >= trigonometricLimit ? Real(0) : std::cos(x);
        case Function::Sin:
            return std::fabs(x) >= trigonometricLimit ? Real(0) : std::sin(x);
        case Function::Exp: {
            const Real magnitude = x / log10OfTen();
            if (magnitude > maxDecimalExponent) {
                fail("overflow detected while calculating \"EXP\"");
                return 0;
            }
            return magnitude < -maxDecimalExponent ? Real(0) : std::exp(x);
        }
        case Function::Ln:
            if (x <= 0) {
                fail("argument to \"LN\" is other than positive");
                return 0;
            }
            return std::log(x);
        case Function::Sqr: {
            if (x == 0)
                return 0;
            const Real magnitude = 2 * decimalLog(std::fabs(x));
            if (magnitude > maxDecimalExponent) {
                fail("overflow detected during calculation of \"SQR\"");
                return 0;
            }
            return magnitude < -maxDecimalExponent ? Real(0) : x * x;
        }
        case Function::Sqrt:
            if (x < 0) {
                fail("argument to \"SQRT\" is negative");
                return 0;
            }
            return std::sqrt(x);
        case Function::Pi:
            break;
        }
        return 0;
    }

    // Guarded arithmetic: a failed step is worth 0.

    Real add(Real a, Real b)
    {
        if ((a > 0 && b > 0 && a > upperLimit - b) || (a < 0 && b < 0 && a < -upperLimit - b)) {
            fail("overflow detected during addition");
            return 0;
        }
        return a + b;
    }

    Real subtract(Real a, Real b)
    {
        if ((a < 0 && b > 0 && a < b - upperLimit) || (a > 0 && b < 0 && a > b + upperLimit)) {
            fail("overflow detected during subtraction");
            return 0;
        }
        return a - b;
    }

    Real multiply(Real a, Real b)
    {
        if (a == 0 || b == 0)
            return 0;
        const Real magnitude = decimalLog(std::fabs(a)) + decimalLog(std::fabs(b));
        if (magnitude < -maxDecimalExponent)
            return 0;
        if (magnitude > maxDecimalExponent) {
            fail("overflow detected during multiplication");
            return 0;
        }
        return a * b;
    }

    Real divide(Real a, Real b)
    {
        if (b == 0) {
            fail("division by zero attempted");
            return 0;
        }
        if (a == 0)
            return 0;
        const Real magnitude = decimalLog(std::fabs(a)) - decimalLog(std::fabs(b));
        if (magnitude < -maxDecimalExponent)
            return 0;
        if (magnitude > maxDecimalExponent) {
            fail("overflow detected during division");
            return 0;
        }
        return a / b;
    }

    std::string_view text_;
    std::size_t pos_ = 0; // 0-based index of the next character
    bool failed_ = false;
    std::string errorText_;
};

} // namespace

Result evaluate(std::string_view expression)
{
    // A longer expression is refused rather than cut, so that a value is
    // never computed from part of what was typed.
    if (expression.size() > maxExpressionLength) {
        Result result;
        result.errorPosition = static_cast<int>(maxExpressionLength) + 1;
        result.errorText = "Error:  expression is longer than " + std::to_string(maxExpressionLength)
                           + " characters.";
        return result;
    }
    return Parser(expression).run();
}

} // namespace infix
