#include "Companion.h"

#include "core/app/QtCzech.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/Keys.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

CompanionStart startCompanion(QApplication &app, const QString &name, const QString &description,
                              const QList<QCommandLineOption> &own)
{
    QApplication::setApplicationName(name);
    installQtCzech();
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Složka programu Rozvahon s daty."),
                                       QStringLiteral("DIR"));
    parser.addOption(dirOption);
    const QCommandLineOption terminalOption(QStringLiteral("terminal"),
                                            QStringLiteral("Zprávy vypsat na terminál místo do okna."));
    parser.addOption(terminalOption);
    parser.addOptions(own);
    parser.process(app);
    CompanionStart start;
    start.title = name + QStringLiteral(" - Rozvahon");
    start.onTerminal = parser.isSet(terminalOption);
    for (const QCommandLineOption &option : own)
        if (parser.isSet(option)) {
            start.setNames << option.names().constFirst();
            if (!option.valueName().isEmpty())
                start.values.insert(option.names().constFirst(), parser.value(option));
        }
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

void tell(const CompanionStart &start, bool problem, const QString &text)
{
    if (start.onTerminal)
        std::fprintf(problem ? stderr : stdout, "%s\n", qPrintable(text));
    else if (problem)
        QMessageBox::warning(nullptr, start.title, text);
    else
        QMessageBox::information(nullptr, start.title, text);
}
