#pragma once

// Properties of the expression evaluator that hold for every input, checked
// by the libFuzzer target and by the bounded random test.

#include "calc/Infix.h"

#include <array>
#include <cfenv>
#include <cmath>
#include <string>
#include <string_view>

namespace infix::invariants {

// What an error message says about its input.
enum class MessageKind {
    Unknown,    // not a message of the evaluator
    Syntax,     // the input does not follow the grammar
    Arithmetic, // a well-formed input whose values leave the allowed range or domain
    TooLong,    // the input exceeds the length limit
};

inline constexpr std::array<std::string_view, 9> functionNames{
    "ABS", "ARCTAN", "COS", "EXP", "LN", "PI", "SIN", "SQR", "SQRT",
};

inline bool isFunctionName(std::string_view name)
{
    for (std::string_view known : functionNames) {
        if (known == name)
            return true;
    }
    return false;
}

inline bool isUpperName(std::string_view name)
{
    if (name.empty())
        return false;
    for (char c : name) {
        if (c < 'A' || c > 'Z')
            return false;
    }
    return true;
}

// If `message` is prefix + NAME + suffix, stores NAME and returns true.
inline bool matchName(std::string_view message, std::string_view prefix, std::string_view suffix,
                      std::string_view& name)
{
    if (message.size() < prefix.size() + suffix.size() || message.substr(0, prefix.size()) != prefix
        || message.substr(message.size() - suffix.size()) != suffix)
        return false;
    name = message.substr(prefix.size(), message.size() - prefix.size() - suffix.size());
    return isUpperName(name);
}

inline MessageKind classify(std::string_view message)
{
    static constexpr std::array<std::string_view, 12> syntax{
        "end of expression encountered where simple expression expected",
        "end of expression encountered where term was expected",
        "end of expression encountered where factor expected",
        "end of expression encountered where \")\" was expected",
        "expression not followed by \")\"",
        "expression followed by garbage",
        "function, unsigned number, or \"(\" expected",
        "end of expression encountered where decimal part expected",
        "decimal part of real number is missing",
        "end of expression encountered where exponent expected",
        "end of expression encountered where exponent magnitude expected",
        "nonnumeric exponent encountered",
    };
    static constexpr std::array<std::string_view, 2> arguments{
        "comma missing from function arguments",
        "\")\" to terminate function arguments is missing",
    };
    static constexpr std::array<std::string_view, 11> arithmetic{
        "division by zero attempted",
        "overflow detected during addition",
        "overflow detected during subtraction",
        "overflow detected during multiplication",
        "overflow detected during division",
        "overflow detected while calculating \"EXP\"",
        "overflow detected during calculation of \"SQR\"",
        "argument to \"LN\" is other than positive",
        "argument to \"SQRT\" is negative",
        "constant is too big",
        "magnitude of exponent is too large",
    };
    for (std::string_view m : syntax) {
        if (m == message)
            return MessageKind::Syntax;
    }
    for (std::string_view m : arguments) {
        if (m == message)
            return MessageKind::Syntax;
    }
    for (std::string_view m : arithmetic) {
        if (m == message)
            return MessageKind::Arithmetic;
    }
    if (message == "expression is longer than 255 characters")
        return MessageKind::TooLong;
    std::string_view name;
    if (matchName(message, "argument to \"", "\" is missing", name))
        return isFunctionName(name) && name != "PI" ? MessageKind::Syntax : MessageKind::Unknown;
    if (matchName(message, "extraneous argument supplied to function \"", "\"", name))
        return isFunctionName(name) ? MessageKind::Syntax : MessageKind::Unknown;
    if (matchName(message, "the function \"", "\" is unrecognized", name))
        return isFunctionName(name) ? MessageKind::Unknown : MessageKind::Syntax;
    return MessageKind::Unknown;
}

// The message inside "Error:  " ... ".", or Unknown when the frame is wrong.
inline MessageKind classifyText(std::string_view text)
{
    constexpr std::string_view prefix = "Error:  ";
    if (text.size() < prefix.size() + 1 || text.substr(0, prefix.size()) != prefix || text.back() != '.')
        return MessageKind::Unknown;
    return classify(text.substr(prefix.size(), text.size() - prefix.size() - 1));
}

inline bool sameResult(const Result& a, const Result& b)
{
    return a.value == b.value && std::signbit(a.value) == std::signbit(b.value)
           && a.errorPosition == b.errorPosition && a.errorText == b.errorText;
}

inline std::string withLetterCase(std::string_view text, bool upper)
{
    std::string mapped(text);
    for (char& c : mapped) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return mapped;
}

// Checks every invariant for `input`; returns an empty string when all hold,
// else what failed. With `wellFormed`, the input was generated from the
// grammar and must not fail with a syntax error.
inline std::string check(std::string_view input, bool wellFormed = false)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const Result result = evaluate(input);
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        return "a floating-point exception was raised";

    const auto length = static_cast<int>(input.size());
    if (input.size() > maxExpressionLength) {
        if (result.errorPosition != static_cast<int>(maxExpressionLength) + 1 || result.value != 0
            || classifyText(result.errorText) != MessageKind::TooLong)
            return "a long input was not refused";
        return {};
    }
    if (result.errorPosition < 0 || result.errorPosition > length + 1)
        return "error position out of range";
    if (result.errorText.empty() != (result.errorPosition == 0))
        return "error text and error position disagree";
    if (!std::isfinite(result.value) || std::fabs(result.value) > 1.000000001e37L)
        return "value out of range";
    if (result.value == 0 && std::signbit(result.value))
        return "negative zero";
    if (result.errorPosition != 0) {
        const MessageKind kind = classifyText(result.errorText);
        if (kind == MessageKind::Unknown || kind == MessageKind::TooLong)
            return "unknown error text: " + result.errorText;
        if (wellFormed && kind == MessageKind::Syntax)
            return "syntax error in a well-formed input: " + result.errorText;
    }

    // No state survives between evaluations.
    if (!sameResult(evaluate(input), result))
        return "a second evaluation differs";
    // Letters only matter through their upper-case form.
    if (!sameResult(evaluate(withLetterCase(input, true)), result) || !sameResult(evaluate(withLetterCase(input, false)), result))
        return "the result depends on letter case";
    // The evaluator never reads beyond the character at which it stopped.
    if (result.errorPosition >= 1 && result.errorPosition <= length
        && !sameResult(evaluate(input.substr(0, static_cast<std::size_t>(result.errorPosition))), result))
        return "the result depends on characters after the error position";

    if (result.ok() && input.size() + 3 <= maxExpressionLength) {
        const std::string text(input);
        if (!sameResult(evaluate("(" + text + ")"), result))
            return "parentheses change the result";
        if (!sameResult(evaluate(text + " "), result))
            return "a trailing blank changes the result";
        const Result negated = evaluate("-(" + text + ")");
        if (!negated.ok() || negated.value != (result.value == 0 ? 0 : -result.value))
            return "negation in parentheses is not the negated value";
    }
    return {};
}

} // namespace infix::invariants
