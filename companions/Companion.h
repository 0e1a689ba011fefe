#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QApplication;

// What every companion does first: its application in Czech, its command
// line (--help, --dir DIR, --terminal and its own options), and the program
// folder it was started in or the one --dir names.
struct CompanionStart
{
    QString title;        // "Minulak - Rozvahon", for its messages
    bool onTerminal = false; // --terminal: messages go to the terminal
    QString problem;      // why the folder is no program folder; empty when it is
    QStringList setNames; // the companion's own options that were given
    QMap<QString, QString> values; // and the values of those that take one

    bool isSet(const QString &name) const { return setNames.contains(name); }
    QString value(const QString &name) const { return values.value(name); }
};
CompanionStart startCompanion(QApplication &app, const QString &name, const QString &description,
                              const QList<QCommandLineOption> &own = {});

// A message of the companion: in a box titled with its name, or on the
// terminal (problems on the error output) when it was started so.
void tell(const CompanionStart &start, bool problem, const QString &text);
