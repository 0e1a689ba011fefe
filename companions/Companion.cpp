#include "Companion.h"

#include "core/app/QtCzech.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/Keys.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

CompanionStart startCompanion(QApplication &app, const QString &description, const QList<QCommandLineOption> &own)
{
    installQtCzech();
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Složka programu Rozvahon s daty."),
                                       QStringLiteral("DIR"));
    parser.addOption(dirOption);
    parser.addOptions(own);
    parser.process(app);
    CompanionStart start;
    for (const QCommandLineOption &option : own)
        if (parser.isSet(option))
            start.setNames << option.names().constFirst();
    if (parser.isSet(dirOption) && !QDir::setCurrent(parser.value(dirOption))) {
        start.problem = QStringLiteral("Složka %1 neexistuje.").arg(QDir::toNativeSeparators(parser.value(dirOption)));
        return start;
    }
    // The program starts its companions in its program folder.
    if (!QFileInfo(Paths::inProgramFolder(QLatin1String(FileName::Settings))).isFile())
        start.problem = QStringLiteral("Ve složce %1 není program Rozvahon (chybí soubor Penezka.ini).")
                            .arg(QDir::toNativeSeparators(Paths::programFolder()));
    return start;
}
