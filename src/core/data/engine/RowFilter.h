#pragma once

#include <QString>
#include <optional>

// A filter of the form "Field = 'text*'": the rows whose field begins with
// the text (or, without the final star, equals it). Everything between
// "= '" and the final "*'" is the text, apostrophes included.
struct PrefixFilter
{
    QString field;
    QString text;
    bool prefix = false;

    // Nothing when the expression does not have that form.
    static std::optional<PrefixFilter> parse(const QString &expression);
    bool accepts(const QString &value, Qt::CaseSensitivity sensitivity) const;
};
