// Bounded random test of the expression evaluator: feeds a fixed number of
// generated inputs, from a fixed seed, and checks the invariants of
// InfixInvariants.h on each. Usage: test_infix_random [count] [seed]

#include "InfixInvariants.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

// Deterministic input generator: raw bytes, token soup from the grammar's
// alphabet, well-formed expressions, and mutations of those.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    // A number in 0 ... n-1 (n > 0).
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }
    bool chance(std::size_t percent) { return below(100) < percent; }

    std::string rawBytes()
    {
        std::string text(below(300), '\0');
        for (char& c : text)
            c = static_cast<char>(below(256));
        return text;
    }

    std::string tokenSoup()
    {
        static constexpr std::array<std::string_view, 40> tokens{
            "0", "1", "2", "5", "9", "10", "37", "38", ".", ".5", "e", "E", "e-", "e+", "+", "-", "*", "/",
            "(", ")", ",", " ", "  ", "abs", "ARCTAN", "Cos", "EXP", "ln", "PI", "SIN", "sqr", "SQRT",
            "MAX", "x", "1e37", "99999999999999999999999999999999999999", "\t", "\xff", "\x80",
            std::string_view("\0", 1),
        };
        std::string text;
        const std::size_t count = chance(5) ? below(200) : below(20);
        for (std::size_t i = 0; i < count; ++i)
            text += tokens[below(tokens.size())];
        return text;
    }

    std::string wellFormed()
    {
        static constexpr std::array<std::size_t, 3> budgets{15, 50, 120};
        budget_ = budgets[below(budgets.size())];
        std::string text;
        simpleExpression(text, 0);
        return text;
    }

    std::string mutated()
    {
        std::string text = chance(50) ? wellFormed() : tokenSoup();
        const std::size_t edits = 1 + below(3);
        for (std::size_t i = 0; i < edits; ++i) {
            const std::size_t at = below(text.size() + 1);
            const char byte = static_cast<char>(chance(70) ? "0123456789.eE+-*/(), aZ"[below(23)] : below(256));
            switch (below(3)) {
            case 0:
                text.insert(at, 1, byte);
                break;
            case 1:
                if (at < text.size())
                    text.erase(at, 1);
                break;
            default:
                if (at < text.size())
                    text[at] = byte;
                break;
            }
        }
        return text;
    }

private:
    // Keeps most well-formed expressions within the length limit.
    bool roomLeft(const std::string& text) const { return text.size() < budget_; }

    void blanks(std::string& text)
    {
        if (chance(20))
            text.append(1 + below(2), ' ');
    }

    void simpleExpression(std::string& text, int depth)
    {
        blanks(text);
        if (chance(20))
            text += chance(50) ? '-' : '+';
        term(text, depth);
        const std::size_t more = roomLeft(text) ? below(3) : 0;
        for (std::size_t i = 0; i < more; ++i) {
            blanks(text);
            text += chance(50) ? '+' : '-';
            term(text, depth);
        }
    }

    void term(std::string& text, int depth)
    {
        factor(text, depth);
        const std::size_t more = roomLeft(text) ? below(3) : 0;
        for (std::size_t i = 0; i < more; ++i) {
            blanks(text);
            text += chance(50) ? '*' : '/';
            factor(text, depth);
        }
    }

    void factor(std::string& text, int depth)
    {
        blanks(text);
        const std::size_t kind = depth >= 8 || !roomLeft(text) ? 0 : below(10);
        if (kind < 5) {
            number(text);
        } else if (kind < 7) {
            text += '(';
            simpleExpression(text, depth + 1);
            blanks(text);
            text += ')';
        } else {
            std::string name(infix::invariants::functionNames[below(infix::invariants::functionNames.size())]);
            for (char& c : name) {
                if (chance(30))
                    c = static_cast<char>(c - 'A' + 'a');
            }
            text += name;
            if (name == "PI" || name == "pi" || name == "Pi" || name == "pI")
                return;
            blanks(text);
            text += '(';
            simpleExpression(text, depth + 1);
            blanks(text);
            text += ')';
        }
    }

    void digits(std::string& text, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            text += static_cast<char>('0' + below(10));
    }

    void number(std::string& text)
    {
        digits(text, chance(1) ? 30 + below(15) : 1 + below(4));
        if (chance(30)) {
            text += '.';
            digits(text, chance(3) ? 30 + below(60) : 1 + below(4));
        }
        if (chance(25)) {
            text += chance(50) ? 'e' : 'E';
            if (chance(60))
                text += chance(50) ? '-' : '+';
            text += std::to_string(chance(10) ? below(41) : below(20));
        }
    }

    std::mt19937_64 random_;
    std::size_t budget_ = 0;
};

std::string printable(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const unsigned long count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20090101;

    Generator generator(seed);
    static constexpr std::array<const char*, 4> kinds{"raw bytes", "token soup", "well-formed", "mutated"};
    std::array<unsigned long, 4> inputs{};
    std::array<unsigned long, 4> successes{};
    unsigned long longInputs = 0;
    for (unsigned long i = 0; i < count; ++i) {
        const std::size_t kind = i % kinds.size();
        std::string input;
        switch (kind) {
        case 0:
            input = generator.rawBytes();
            break;
        case 1:
            input = generator.tokenSoup();
            break;
        case 2:
            input = generator.wellFormed();
            break;
        default:
            input = generator.mutated();
            break;
        }
        const std::string failure = infix::invariants::check(input, kind == 2);
        if (!failure.empty()) {
            std::fprintf(stderr, "input %lu \"%s\": %s\n", i, printable(input).c_str(), failure.c_str());
            return EXIT_FAILURE;
        }
        ++inputs[kind];
        if (input.size() > infix::maxExpressionLength)
            ++longInputs;
        else if (infix::evaluate(input).ok())
            ++successes[kind];
    }
    std::printf("%lu inputs (seed %llu), %lu of them longer than %zu; no invariant failed\n", count, seed,
                longInputs, infix::maxExpressionLength);
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
        std::printf("  %-12s %8lu inputs, %8lu evaluated without error\n", kinds[kind], inputs[kind], successes[kind]);
    return EXIT_SUCCESS;
}
