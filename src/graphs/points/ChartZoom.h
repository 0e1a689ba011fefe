#pragma once

#include <QString>
#include <QVector>

// The zoom of the graph window's tool buttons: a percentage of the full
// (unzoomed) axis ranges, 100 when the window opens.
class ChartZoom
{
public:
    static constexpr int Step = 20;
    static constexpr int Least = 20;
    static constexpr int Most = 1000;

    int percent() const { return m_percent; }
    // ±20 %, kept between 20 % and 1000 %; false when nothing changed.
    bool zoomIn() { return setPercent(m_percent + Step); }
    bool zoomOut() { return setPercent(m_percent - Step); }
    void reset() { m_percent = 100; }

    struct Range
    {
        double min = 0;
        double max = 0;
        bool operator==(const Range &) const = default;
    };
    // The part of `full` shown at this percentage around the centre of
    // `current`: 120 % shows 1/1.2 of the full range, 50 % twice of it.
    Range visible(Range full, Range current) const;

private:
    bool setPercent(int percent);
    int m_percent = 100;
};

// The value axis of the charts: round steps and labels written as
// "#,##0.###Kč" (grouped thousands, at most three decimals).
namespace ValueAxis {

struct Tick
{
    double value = 0;
    QString label;
};
// Ticks on round values (1, 2 or 5 times a power of ten) covering
// [min, max], about `wanted` of them.
QVector<Tick> ticks(double min, double max, int wanted = 8);
QString label(double value);

} // namespace ValueAxis
