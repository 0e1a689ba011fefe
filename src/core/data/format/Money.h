#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// A currency amount kept exactly in ten-thousandths of a crown, so that
// sums of amounts never drift.
class Money
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromCrowns(qint64 crowns) { return Money(crowns * Scale); }
    // Rounded to the nearest ten-thousandth, halves away from zero.
    static Money fromDouble(double value);
    // "1234,5", "-30", "1 234,50 Kč", "1234.5": a decimal comma or point,
    // grouping blanks and a trailing "Kč" are accepted. Nothing on bad text.
    static std::optional<Money> parse(const QString &text);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    constexpr bool isZero() const { return m_units == 0; }

    constexpr Money operator+(Money other) const { return Money(m_units + other.m_units); }
    constexpr Money operator-(Money other) const { return Money(m_units - other.m_units); }
    constexpr Money operator-() const { return Money(-m_units); }
    Money &operator+=(Money other) { m_units += other.m_units; return *this; }
    Money &operator-=(Money other) { m_units -= other.m_units; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};
