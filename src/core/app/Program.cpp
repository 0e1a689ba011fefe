#include "core/app/Program.h"

#include "core/platform/ProgramFolder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMessageBox>

int runProgram(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rozvahon"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rozvahon - domácí účetnictví na jeden rok"));
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Složka programu s daty."),
                                       QStringLiteral("DIR"));
    parser.addOption(dirOption);
    parser.process(app);

    const QString error = ProgramFolder::prepare(parser.value(dirOption));
    if (!error.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Rozvahon"), error);
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Rozvahon 5.6"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
