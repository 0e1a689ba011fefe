#pragma once

// Infix: the calculator's expression evaluator.
//
// Evaluates an arithmetic expression such as "2*(SQRT(16)-1.5e1)/PI" in
// extended precision (long double), computing while it parses. Every
// arithmetic step is guarded against results outside 10^-37 ... 10^37:
// smaller results become 0, larger ones are errors. Evaluation stops at the
// first error; the result then carries an English error text and the
// 1-based character position at which the evaluator stopped.
//
// Grammar (blanks are spaces only, allowed between tokens; function names
// are case-insensitive):
//   simple expression = [ "+" | "-" ] term { ( "+" | "-" ) term }
//   term              = factor { ( "*" | "/" ) factor }
//   factor            = "(" simple expression ")" | unsigned number | function call
//   unsigned number   = digits [ "." digits ] [ ( "e" | "E" ) [ "+" | "-" ] digits ]
//   function call     = letters [ "(" simple expression { "," simple expression } ")" ]
// Functions: ABS, ARCTAN, COS, EXP, LN, PI (no argument), SIN, SQR (square),
// SQRT.
//
// Standard C++ only; the evaluator keeps no state between calls, so it may be
// used from several threads at once.

#include <cstddef>
#include <string>
#include <string_view>

namespace infix {

// Longest expression the evaluator accepts, in bytes.
inline constexpr std::size_t maxExpressionLength = 255;

// The outcome of one evaluation.
struct Result {
    // The value of the expression. After an error it is the value computed
    // up to the error (often 0); callers decide whether to use it.
    long double value = 0.0L;
    // 0 on success; otherwise the 1-based position of the character at which
    // evaluation stopped, or length + 1 when the input ended.
    int errorPosition = 0;
    // Empty on success; otherwise "Error:  " (two blanks), the message and a
    // full stop, e.g. "Error:  division by zero attempted.".
    std::string errorText;

    bool ok() const { return errorPosition == 0; }
};

// Evaluates `expression`, a string of bytes (ASCII; other bytes are simply
// not part of the grammar). An expression longer than maxExpressionLength is
// refused as a whole, never cut: the result is 0 with the error text
// "Error:  expression is longer than 255 characters." at position 256, the
// first byte that does not fit.
Result evaluate(std::string_view expression);

} // namespace infix
