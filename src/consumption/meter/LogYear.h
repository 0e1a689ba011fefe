#pragma once

#include "core/data/catalogue/Catalogue.h"

#include <QString>

// Which year's logs a window shows: the current year's, kept and edited,
// or the previous year's from the previous-year folder, only shown, its
// caption marked " - 2001" like the other previous-year windows.
struct LogYear
{
    bool previous = false;

    static LogYear current() { return {}; }
    static LogYear previousYear() { return {true}; }

    QString folder() const { return previous ? Catalogue::PreviousYearFolder : Catalogue::DataFolder; }
    QString caption(const QString &caption) const
    {
        return previous ? caption + QStringLiteral(" - 2001") : caption;
    }
};
