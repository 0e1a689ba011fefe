#include "reports/report/ReportKeys.h"

#include "core/data/catalogue/Catalogue.h"

namespace ReportKeys {

namespace {

// 1 ... 12 from the number that ends a key, 0 when it is anything else.
int numberAfter(const QString &key, qsizetype prefixLength)
{
    const QString digits = key.mid(prefixLength);
    bool ok = false;
    const int n = digits.toInt(&ok);
    // "01" or "+1" is no key of a menu entry.
    if (!ok || digits.isEmpty() || digits.front() == u'0' || !digits.front().isDigit())
        return 0;
    return n >= 1 && n <= 12 ? n : 0;
}

} // namespace

std::optional<Source> source(const QString &key, const QString &caption)
{
    if (key.startsWith(QLatin1String("2S"))) {
        if (const int n = numberAfter(key, 2))
            return Source{Catalogue::itemFile(2, n), caption};
        return std::nullopt;
    }
    if (key.startsWith(u'S')) {
        if (const int n = numberAfter(key, 1))
            return Source{Catalogue::itemFile(1, n), caption};
        return std::nullopt;
    }
    if (const int m = numberAfter(key, 0))
        return Source{Catalogue::monthFile(m), Catalogue::monthName(m)};
    return std::nullopt;
}

} // namespace ReportKeys
