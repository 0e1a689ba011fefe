#include "graphs/points/GraphKind.h"

namespace GraphKind {

namespace {
Look ledgerLook(Series series, const QString &captionPrefix, const QString &filePrefix, const QString &name)
{
    return Look{series, false, captionPrefix + name, name, filePrefix + name + QStringLiteral(".bmp")};
}

Look yearLook(Series series, const QString &caption, const QString &file)
{
    return Look{series, true, caption, caption, file};
}
} // namespace

Look lookOf(const QString &kind, const QString &name)
{
    if (kind == Line)
        return ledgerLook(Series::Line, QStringLiteral("Křivkový Graf - "), QStringLiteral("KGraf_"), name);
    if (kind == Bar3D)
        return ledgerLook(Series::Bar3D, QStringLiteral("Sloupcový Graf - "), QStringLiteral("SGraf_"), name);
    if (kind == Pie)
        return ledgerLook(Series::Pie, QStringLiteral("Koláčový Graf - "), QStringLiteral("KlGraf_"), name);
    if (kind == YearLine)
        return yearLook(Series::Line, QStringLiteral("Křivkový roční Graf"), QStringLiteral("KRGraf.bmp"));
    if (kind == YearArea)
        return yearLook(Series::Area, QStringLiteral("Sloupcový roční Graf"), QStringLiteral("SlRGraf.bmp"));
    if (kind == YearBar3D)
        return yearLook(Series::Bar3D, QStringLiteral("Sloupcový roční Graf 3D"), QStringLiteral("Sl3DRGraf.bmp"));
    if (kind == YearPie)
        return yearLook(Series::Pie, QStringLiteral("Koláčový roční Graf"), QStringLiteral("KlRGraf.bmp"));
    return ledgerLook(Series::Area, QStringLiteral("Sloupcový Graf - "), QStringLiteral("SGraf_"), name);
}

} // namespace GraphKind
