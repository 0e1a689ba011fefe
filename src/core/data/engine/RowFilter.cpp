#include "core/data/engine/RowFilter.h"

#include <QRegularExpression>

std::optional<PrefixFilter> PrefixFilter::parse(const QString &expression)
{
    static const QRegularExpression form(QStringLiteral("^\\s*\\[?([^=\\]]*?)\\]?\\s*=\\s*'(.*)'\\s*$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const auto match = form.match(expression);
    if (!match.hasMatch())
        return std::nullopt;
    PrefixFilter filter;
    filter.field = match.captured(1).trimmed();
    filter.text = match.captured(2);
    filter.prefix = filter.text.endsWith(QLatin1Char('*'));
    if (filter.prefix)
        filter.text.chop(1);
    return filter;
}

bool PrefixFilter::accepts(const QString &value, Qt::CaseSensitivity sensitivity) const
{
    return prefix ? value.startsWith(text, sensitivity) : value.compare(text, sensitivity) == 0;
}
