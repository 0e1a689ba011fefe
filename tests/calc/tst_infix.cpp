#include "calc/Infix.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// The evaluator's messages, without the "Error:  " prefix and the full stop.
namespace msg {
constexpr const char* none = "";
constexpr const char* simpleEnd = "end of expression encountered where simple expression expected";
constexpr const char* termEnd = "end of expression encountered where term was expected";
constexpr const char* factorEnd = "end of expression encountered where factor expected";
constexpr const char* closeEnd = "end of expression encountered where \")\" was expected";
constexpr const char* notClosed = "expression not followed by \")\"";
constexpr const char* garbage = "expression followed by garbage";
constexpr const char* factorExpected = "function, unsigned number, or \"(\" expected";
constexpr const char* decimalEnd = "end of expression encountered where decimal part expected";
constexpr const char* decimalMissing = "decimal part of real number is missing";
constexpr const char* exponentEnd = "end of expression encountered where exponent expected";
constexpr const char* magnitudeEnd = "end of expression encountered where exponent magnitude expected";
constexpr const char* nonnumericExponent = "nonnumeric exponent encountered";
constexpr const char* exponentTooLarge = "magnitude of exponent is too large";
constexpr const char* tooBig = "constant is too big";
constexpr const char* commaMissing = "comma missing from function arguments";
constexpr const char* argumentsOpen = "\")\" to terminate function arguments is missing";
constexpr const char* divisionByZero = "division by zero attempted";
constexpr const char* addOverflow = "overflow detected during addition";
constexpr const char* subtractOverflow = "overflow detected during subtraction";
constexpr const char* multiplyOverflow = "overflow detected during multiplication";
constexpr const char* divideOverflow = "overflow detected during division";
constexpr const char* expOverflow = "overflow detected while calculating \"EXP\"";
constexpr const char* sqrOverflow = "overflow detected during calculation of \"SQR\"";
constexpr const char* lnNotPositive = "argument to \"LN\" is other than positive";
constexpr const char* sqrtNegative = "argument to \"SQRT\" is negative";
constexpr const char* tooLong = "expression is longer than 255 characters";

QByteArray missing(const char* name) { return QByteArray("argument to \"") + name + "\" is missing"; }
QByteArray extraneous(const char* name)
{
    return QByteArray("extraneous argument supplied to function \"") + name + '"';
}
QByteArray unrecognized(const QByteArray& name) { return "the function \"" + name + "\" is unrecognized"; }
} // namespace msg

// A readable row name: the input itself, with other bytes as \xNN.
QByteArray tagFor(const QByteArray& input)
{
    if (input.isEmpty())
        return "(empty)";
    QByteArray tag;
    for (char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f)
            tag += c;
        else
            tag += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
    }
    return tag;
}

void row(const QByteArray& tag, const QByteArray& input, double value, int position, const QByteArray& message)
{
    QTest::newRow(tag.constData()) << input << value << position << message;
}

void row(const QByteArray& input, double value, int position, const QByteArray& message)
{
    row(tagFor(input), input, value, position, message);
}

// Relative agreement to about one unit in the last place of a double; an
// expected 0 must be a true (positive) zero.
bool sameValue(long double actual, double expected)
{
    if (expected == 0)
        return actual == 0 && !std::signbit(actual);
    return std::fabs(static_cast<double>(actual) - expected) <= 1e-15 * std::fabs(expected);
}

} // namespace

// Table-driven checks of the expression evaluator: value, error position and
// error text of each input.
class TestInfix : public QObject {
    Q_OBJECT

private slots:
    void evaluate_data();
    void evaluate();
};

void TestInfix::evaluate_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("message");

    // Errors and their positions as documented for the evaluator.
    row("", 0, 1, msg::simpleEnd);
    row("2+", 2, 3, msg::termEnd);
    row("2*", 2, 3, msg::factorEnd);
    row("(2", 2, 3, msg::closeEnd);
    row("(2 3)", 2, 4, msg::notClosed);
    row("2 3", 2, 3, msg::garbage);
    row("1.e5", 1, 3, msg::decimalMissing);
    row("1e", 1, 3, msg::exponentEnd);
    row("1e+", 1, 4, msg::magnitudeEnd);
    row("1ex", 1, 3, msg::nonnumericExponent);
    row("1e38", 1, 5, msg::exponentTooLarge);
    row("9e37", 9, 5, msg::tooBig);
    row("0.5e-37", 0, 0, msg::none);
    row("1e-38", 1, 6, msg::exponentTooLarge);
    row("sqrt(16)", 4, 0, msg::none);
    row("pi", pi, 0, msg::none);
    row("PI(1)", 0, 6, msg::extraneous("PI"));
    row("SIN", 0, 4, msg::missing("SIN"));
    row("MAX(1,2)", 0, 9, msg::unrecognized("MAX"));
    row("- 3 * 2", -6, 0, msg::none);
    row("2 * - 3", 2, 5, msg::factorExpected);
    row("1/0", 0, 4, msg::divisionByZero);
    row("5+1/0", 5, 6, msg::divisionByZero);
    row("1e36*100", 0, 9, msg::multiplyOverflow);
    row("SIN()", 0, 5, msg::factorExpected);
    row("SIN(1,2)", 0, 9, msg::extraneous("SIN"));
    row("SIN(", 0, 5, msg::argumentsOpen);
    row("SIN2", 0, 4, msg::missing("SIN"));
    row("PI2", pi, 3, msg::garbage);
    row("0/5", 0, 0, msg::none);

    // Precedence, left associativity and signs.
    row("1+2*3", 7, 0, msg::none);
    row("(1+2)*3", 9, 0, msg::none);
    row("8-4-2", 2, 0, msg::none);
    row("8/4/2", 1, 0, msg::none);
    row("2-3+4", 3, 0, msg::none);
    row("12/3*2", 8, 0, msg::none);
    row("-2*3+1", -5, 0, msg::none);
    row("+5", 5, 0, msg::none);
    row("-(2+3)", -5, 0, msg::none);
    row("2*(-3)", -6, 0, msg::none);
    row("((((1))))", 1, 0, msg::none);
    row("-0", 0, 0, msg::none);
    row("2+-3", 2, 3, msg::factorExpected);
    row("--2", 0, 2, msg::factorExpected);
    row("-", 0, 2, msg::termEnd);
    row("(", 0, 2, msg::simpleEnd);
    row("()", 0, 2, msg::factorExpected);
    row("2)", 2, 2, msg::garbage);
    row("2+3+", 5, 5, msg::termEnd);
    // The pending negation is skipped when its term fails.
    row("-2*", 2, 4, msg::factorEnd);

    // Unsigned numbers.
    row("0", 0, 0, msg::none);
    row("007", 7, 0, msg::none);
    row("1.5", 1.5, 0, msg::none);
    row("3.25e2", 325, 0, msg::none);
    row("2.5E-3", 0.0025, 0, msg::none);
    row("1e-5", 1e-5, 0, msg::none);
    row("1e+2", 100, 0, msg::none);
    row("1E2", 100, 0, msg::none);
    row("1e-0", 1, 0, msg::none);
    row("0e37", 0, 0, msg::none);
    row("0e38", 0, 5, msg::exponentTooLarge);
    row(".5", 0, 1, msg::factorExpected);
    row("1.", 1, 3, msg::decimalEnd);
    row("1.5e", 1.5, 5, msg::exponentEnd);
    row("1e-", 1, 4, msg::magnitudeEnd);
    row("1e-x", 1, 4, msg::nonnumericExponent);
    row("1 .5", 1, 3, msg::garbage);
    row("1. 5", 1, 3, msg::decimalMissing);
    row("1e 5", 1, 3, msg::nonnumericExponent);
    row("2x", 2, 2, msg::garbage);
    row("2(3)", 2, 2, msg::garbage);

    // Constants at the limits of 10^-37 ... 10^37.
    row("1e37", 1e37, 0, msg::none);
    row("10e36", 1e37, 0, msg::none);
    row("1.1e37", 1.1, 7, msg::tooBig);
    row("1e-37", 1e-37, 0, msg::none);
    row("0.1e-36", 1e-37, 0, msg::none);
    row("0.99e-37", 0, 0, msg::none);
    row("1e0000000000000000000000000000000000000037", 1e37, 0, msg::none);
    row("exponent of 39 digits", "1e1" + QByteArray(38, '0'), 1, 41, msg::tooBig);
    row("integer of 38 digits", '1' + QByteArray(37, '0'), 1e37, 0, msg::none);
    row("integer of 39 digits", '1' + QByteArray(38, '0'), 1e37, 39, msg::tooBig);
    row("integer of 37 nines", QByteArray(37, '9'), 1e37, 0, msg::none);
    row("integer of 38 nines", QByteArray(38, '9'), 1e37, 38, msg::tooBig);
    row("36 nines then a digit", QByteArray(36, '9') + '0', 1e37, 0, msg::none);
    row("10^36 + 1 then a digit", '1' + QByteArray(35, '0') + "10", 1e36, 38, msg::tooBig);
    row("leading zeros", QByteArray(100, '0') + '1' + QByteArray(37, '0'), 1e37, 0, msg::none);
    // A constant without an exponent is not flushed to 0.
    row("100 decimal zeros", "0." + QByteArray(100, '0') + '1', 1e-101, 0, msg::none);

    // Blanks are spaces only.
    row("  1  +  2  ", 3, 0, msg::none);
    row("\t1", 0, 1, msg::factorExpected);
    row("1\t+2", 1, 2, msg::garbage);
    row("1+\t2", 1, 3, msg::factorExpected);
    row("1 \n", 1, 3, msg::garbage);
    row("SQRT (16)", 4, 0, msg::none);
    row("SQRT( 16 )", 4, 0, msg::none);
    row("SI N", 0, 4, msg::unrecognized("SI"));
    row("PI 2", pi, 4, msg::garbage);

    // Bytes outside ASCII are neither letters, digits nor blanks.
    row("\xa0"
        "1",
        0, 1, msg::factorExpected);
    row("1+\xff", 1, 3, msg::factorExpected);
    row("PI\xe9", pi, 3, msg::garbage);
    row("\xe9PI", 0, 1, msg::factorExpected);
    row(QByteArray("1\0", 2), 1, 2, msg::garbage);

    // Functions, their arguments and their errors.
    row("ABS(-3)", 3, 0, msg::none);
    row("ABS(2-5)", 3, 0, msg::none);
    row("ARCTAN(1)*4", pi, 0, msg::none);
    row("COS(0)", 1, 0, msg::none);
    row("COS(PI)", -1, 0, msg::none);
    row("SIN(PI/2)", 1, 0, msg::none);
    row("SIN(0)", 0, 0, msg::none);
    row("EXP(0)", 1, 0, msg::none);
    row("EXP(1)", std::numbers::e, 0, msg::none);
    row("LN(1)", 0, 0, msg::none);
    row("LN(0)", 0, 6, msg::lnNotPositive);
    row("LN(-1)", 0, 7, msg::lnNotPositive);
    row("SQRT(0)", 0, 0, msg::none);
    row("SQRT(2)", std::numbers::sqrt2, 0, msg::none);
    row("SQRT(-1)", 0, 9, msg::sqrtNegative);
    row("SQR(3)", 9, 0, msg::none);
    row("SQR(-3)", 9, 0, msg::none);
    row("SQR(0)", 0, 0, msg::none);
    row("2*PI", 2 * pi, 0, msg::none);
    row("PI()", 0, 4, msg::factorExpected);
    row("ABS", 0, 4, msg::missing("ABS"));
    row("x+1", 0, 2, msg::unrecognized("X"));
    row("SIN(1 2)", 0, 7, msg::commaMissing);
    row("SIN(1;2)", 0, 6, msg::commaMissing);
    row("SIN(1", 0, 6, msg::argumentsOpen);
    row("SIN(1,", 0, 7, msg::argumentsOpen);
    row("SIN(1,)", 0, 7, msg::factorExpected);
    row("SIN(2+", 0, 7, msg::termEnd);
    row("3*SIN(2+", 3, 9, msg::termEnd);
    row("4-LN(0)", 4, 8, msg::lnNotPositive);

    // Nested functions; each call has its own arguments.
    row("SQRT(SQR(3)+SQR(4))", 5, 0, msg::none);
    row("LN(EXP(2))", 2, 0, msg::none);
    row("EXP(LN(5))", 5, 0, msg::none);
    row("ABS(SIN(-PI/2))", 1, 0, msg::none);
    row("COS(SIN(0))", 1, 0, msg::none);
    row("ARCTAN(SQRT(3))*3", pi, 0, msg::none);
    row("SIN(1,COS(0))", 0, 14, msg::extraneous("SIN"));
    row("SQRT(COS(0),2)", 0, 15, msg::extraneous("SQRT"));

    // Function names in any letter case; messages name them in upper case.
    row("SqRt(16)", 4, 0, msg::none);
    row("Pi", pi, 0, msg::none);
    row("aBs(-2)", 2, 0, msg::none);
    row("ArcTan(0)", 0, 0, msg::none);
    row("abs", 0, 4, msg::missing("ABS"));
    row("sin(1,2)", 0, 9, msg::extraneous("SIN"));
    row("ln(0)", 0, 6, msg::lnNotPositive);
    row("max(1)", 0, 7, msg::unrecognized("MAX"));

    // Guarded arithmetic on both sides of its limits.
    row("5e36+4.9999999999e36", 9.9999999999e36, 0, msg::none);
    row("5e36+5.0000000001e36", 0, 21, msg::addOverflow);
    row("-5e36+(-4.9999999999e36)", -9.9999999999e36, 0, msg::none);
    row("-5e36+(-5.0000000001e36)", 0, 25, msg::addOverflow);
    row("-5e36-4.9999999999e36", -9.9999999999e36, 0, msg::none);
    row("-5e36-5.0000000001e36", 0, 22, msg::subtractOverflow);
    row("5e36-(-4.9999999999e36)", 9.9999999999e36, 0, msg::none);
    row("5e36-(-5.0000000001e36)", 0, 24, msg::subtractOverflow);
    row("1e37-1e37", 0, 0, msg::none);
    row("1e36*10", 1e37, 0, msg::none);
    row("1e30*1e7", 1e37, 0, msg::none);
    row("-1e36*10", -1e37, 0, msg::none);
    row("1e36*10.000001", 0, 15, msg::multiplyOverflow);
    row("1e-36*0.1", 1e-37, 0, msg::none);
    row("1e-36*0.09", 0, 0, msg::none);
    row("1e36/0.1", 1e37, 0, msg::none);
    row("1e36/0.099999", 0, 14, msg::divideOverflow);
    row("1e-36/10", 1e-37, 0, msg::none);
    row("1e-36/10.1", 0, 0, msg::none);
    row("0/0", 0, 4, msg::divisionByZero);
    // 37 * ln 10 = 85.19564844...
    row("EXP(85.1956484)", static_cast<double>(std::exp(85.1956484L)), 0, msg::none);
    row("EXP(85.1956485)", 0, 16, msg::expOverflow);
    row("EXP(-85.1956484)", static_cast<double>(std::exp(-85.1956484L)), 0, msg::none);
    row("EXP(-85.1956485)", 0, 0, msg::none);
    // sqrt(10) = 3.16227766017...
    row("SQR(3.16227766e18)", 3.16227766e18 * 3.16227766e18, 0, msg::none);
    row("SQR(3.1622777e18)", 0, 18, msg::sqrOverflow);
    row("SQR(-3.1622777e18)", 0, 19, msg::sqrOverflow);
    row("SQR(3.1622777e-19)", 3.1622777e-19 * 3.1622777e-19, 0, msg::none);
    row("SQR(3.16227766e-19)", 0, 0, msg::none);
    // Sine and cosine give 0 from 2^63 on.
    row("COS(9223372036854775807)", static_cast<double>(std::cos(9223372036854775807.0L)), 0, msg::none);
    row("COS(9223372036854775808)", 0, 0, msg::none);
    row("SIN(-9223372036854775808)", 0, 0, msg::none);
    row("SIN(1e19)", 0, 0, msg::none);

    // Long inputs: 255 characters are evaluated, longer ones refused.
    QByteArray sum = "1";
    while (sum.size() < 255)
        sum += "+1";
    row("sum of 255 characters", sum, 128, 0, msg::none);
    row("sum of 256 characters", sum + ' ', 0, 256, msg::tooLong);
    row("1000 characters", QByteArray(1000, '1'), 0, 256, msg::tooLong);
    row("127 nested parentheses", QByteArray(127, '(') + '1' + QByteArray(127, ')'), 1, 0, msg::none);
    row("255 opening parentheses", QByteArray(255, '('), 0, 256, msg::simpleEnd);
    row("254 blanks before a digit", QByteArray(254, ' ') + '1', 1, 0, msg::none);
    row("255 nines", QByteArray(255, '9'), 1e37, 38, msg::tooBig);
    row("252 decimal zeros", "0." + QByteArray(252, '0') + '1', 1e-253, 0, msg::none);
    row("name of 255 letters", QByteArray(255, 'a'), 0, 256, msg::unrecognized(QByteArray(255, 'A')));
}

void TestInfix::evaluate()
{
    QFETCH(QByteArray, input);
    QFETCH(double, value);
    QFETCH(int, position);
    QFETCH(QByteArray, message);

    const infix::Result result = infix::evaluate(std::string_view(input.constData(), input.size()));

    const QByteArray expectedText = message.isEmpty() ? QByteArray() : "Error:  " + message + '.';
    QCOMPARE(QByteArray::fromStdString(result.errorText), expectedText);
    QCOMPARE(result.errorPosition, position);
    QVERIFY2(sameValue(result.value, value),
             qPrintable(QStringLiteral("value %1, expected %2")
                            .arg(static_cast<double>(result.value), 0, 'g', 17)
                            .arg(value, 0, 'g', 17)));
}

QTEST_APPLESS_MAIN(TestInfix)
#include "tst_infix.moc"
