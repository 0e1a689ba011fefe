#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QApplication;

// What every companion does first: its application in Czech, its command
// line (--help, --dir DIR and its own options), and the program folder it
// was started in or the one --dir names.
struct CompanionStart
{
    QString problem;      // why the folder is no program folder; empty when it is
    QStringList setNames; // the companion's own options that were given

    bool isSet(const QString &name) const { return setNames.contains(name); }
};
CompanionStart startCompanion(QApplication &app, const QString &description,
                              const QList<QCommandLineOption> &own = {});
