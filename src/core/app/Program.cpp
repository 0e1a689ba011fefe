#include "core/app/Program.h"
#include "core/data/catalogue/Catalogue.h"

#include "core/app/context/AppContext.h"
#include "core/app/context/ApplicationErrors.h"
#include "core/app/QtCzech.h"
#include "core/app/SessionEnd.h"
#include "core/app/dialogs/TForm25.h"
#include "core/app/dialogs/TFormLoad.h"
#include "core/app/context/ProgramWindow.h"
#include "core/app/services/DesktopServices.h"
#include "core/app/services/WidgetPrompter.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "core/data/platform/ProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPalette>
#include <QToolTip>
#include <cstdio>

ProgramSession::ProgramSession(AppContext &context, const std::function<void()> &advance) : m_context(context)
{
    if (!m_context.prompter)
        m_context.prompter = &Prompter::global();
    if (!m_context.clock)
        m_context.clock = &Clock::system();
    m_context.status = &m_relay;
    ApplicationErrors::setTargets(m_context.prompter, &m_relay);
    for (const Step &step : steps()) {
        if (advance)
            advance();
        // An object whose table cannot be opened is told about and left
        // out; the start-up goes on.
        ApplicationErrors::guard(step.create);
    }
}

ProgramSession::~ProgramSession()
{
    m_context.dataModule2 = nullptr;
    m_dataModule2.reset();
    m_shutdownWait.reset();
    m_context.dataModule23 = nullptr;
    m_dataModule23.reset();
    m_context.dataModule6 = nullptr;
    m_dataModule6.reset();
    m_context.settingsDialog = nullptr;
    m_settingsDialog.reset();
    m_relay.setTarget(nullptr);
    m_mainWindow.reset();
    m_context.dataModule12 = nullptr;
    m_dataModule12.reset();
    m_context.status = nullptr;
    ApplicationErrors::setTargets(nullptr, nullptr);
}

std::vector<ProgramSession::Step> ProgramSession::steps()
{
    std::vector<Step> list;
    list.push_back({"TDataModule12", [this] {
                        m_dataModule12 = std::make_unique<TDataModule12>(m_relay);
                        m_context.dataModule12 = m_dataModule12.get();
                    }});
    list.push_back({"THlavni_Formular", [this] {
                        m_mainWindow = m_context.createProgramWindow();
                        m_relay.setTarget(m_mainWindow.get());
                        if (m_mainWindow)
                            m_context.attachCompanions(*m_mainWindow);
                    }});
    // The settings dialog joins once it is registered.
    if (m_context.hasWindow(WindowId::Settings))
        list.push_back({"TForm11", [this] {
                            m_settingsDialog = m_context.createWindow(WindowId::Settings, m_mainWindow.get());
                            m_context.settingsDialog = m_settingsDialog.get();
                        }});
    list.push_back({"TDataModule6", [this] {
                        m_dataModule6 = std::make_unique<TDataModule6>();
                        m_context.dataModule6 = m_dataModule6.get();
                    }});
    list.push_back({"TDataModule23", [this] {
                        m_dataModule23 = std::make_unique<TDataModule23>(m_relay);
                        m_context.dataModule23 = m_dataModule23.get();
                    }});
    list.push_back({"TForm26", [this] {
                        m_shutdownWait = std::make_unique<TForm26>(m_mainWindow.get());
                        if (m_mainWindow)
                            m_mainWindow->setShutdownWait(m_shutdownWait.get());
                    }});
    list.push_back({"TDataModule2", [this] {
                        m_dataModule2 = std::make_unique<TDataModule2>(m_relay, *m_context.prompter);
                        m_context.dataModule2 = m_dataModule2.get();
                    }});
    return list;
}

int ProgramSession::stepCount(const AppContext &context)
{
    // The six objects of the core, and the settings dialog once registered.
    return 6 + (context.hasWindow(WindowId::Settings) ? 1 : 0);
}

std::unique_ptr<ProgramSession> startProgramSession(AppContext &context)
{
    auto loading = std::make_unique<TFormLoad>(context.values.programVersion, ProgramSession::stepCount(context));
    loading->showNow();
    auto session = std::make_unique<ProgramSession>(context, [&loading] { loading->advance(); });
    loading.reset();
    if (!session->mainWindow())
        return nullptr;
    session->mainWindow()->showMaximized();
    return session;
}

void applyHintColours()
{
    QPalette hints = QApplication::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(227, 224, 248));
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(hints);
    // The hint windows keep a palette of their own, which a desktop theme
    // may already have filled.
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, hints.color(QPalette::ToolTipBase));
    tips.setColor(QPalette::ToolTipText, hints.color(QPalette::ToolTipText));
    QToolTip::setPalette(tips);
}

namespace {

const QCommandLineOption DirOption(QStringLiteral("dir"), QStringLiteral("Složka programu s daty (jinak aktuální složka s programem, nebo $XDG_DATA_HOME/Rozvahon)."),
                                   QStringLiteral("DIR"));

void describeCommandLine(QCommandLineParser &parser, const AppContext &context)
{
    parser.setApplicationDescription(QStringLiteral(
        "Rozvahon - domácí účetnictví na jeden rok.\n"
        "Nastavení: Penezka.ini ve složce programu; údaje uživatele: $XDG_CONFIG_HOME/Mlynek/Rozvahon 2004.ini.\n"
        "ROZVAHON_FAKE_PLATFORM=1: zkušební běh, který nevypíná počítač ani nespouští jiné programy."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(DirOption);
    for (const CommandLineTask &task : context.commandLineTasks)
        parser.addOption(QCommandLineOption(task.name, task.description, task.valueName));
}

// The task the command line asks for, if any ("--name VALUE" or
// "--name=VALUE").
const CommandLineTask *askedTask(int argc, char **argv, const AppContext &context)
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        for (const CommandLineTask &task : context.commandLineTasks) {
            const QString option = QStringLiteral("--") + task.name;
            if (argument == option || argument.startsWith(option + QLatin1Char('=')))
                return &task;
        }
    }
    return nullptr;
}

// Runs a task of the command line without a window.
int runTask(int argc, char **argv, AppContext &context, const CommandLineTask &task)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Rozvahon"));
    QCoreApplication::setApplicationVersion(context.values.programVersion);
    Catalogue::installLayoutCheck();
    QCommandLineParser parser;
    describeCommandLine(parser, context);
    parser.process(app);
    const QString startFolder = QDir::currentPath();
    const QString error = ProgramFolder::prepare(parser.value(DirOption));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return task.run(parser.value(task.name), startFolder);
}

// --help and --version answer without a window, also where there is no
// display to open one on.
bool onlyAsksForInformation(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "--help-all" || argument == "--version" ||
            argument == "-v")
            return true;
    }
    return false;
}

} // namespace

int runProgram(int argc, char **argv, AppContext &context, const std::function<void(AppContext &)> &registerSubsystems)
{
    if (onlyAsksForInformation(argc, argv)) {
        QCoreApplication information(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Rozvahon"));
        QCoreApplication::setApplicationVersion(context.values.programVersion);
        QCommandLineParser parser;
        describeCommandLine(parser, context);
        parser.process(information); // prints and ends the process
        return 0;
    }
    if (const CommandLineTask *task = askedTask(argc, argv, context))
        return runTask(argc, argv, context, *task);
    RozvahonApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rozvahon"));
    QApplication::setApplicationVersion(context.values.programVersion);
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.mlynek.Rozvahon"));
    Catalogue::installLayoutCheck();
    if (!installQtCzech())
        qWarning("Qt's Czech translation (qtbase_cs.qm) was not found: Qt's own dialogs stay in English.");

    QCommandLineParser parser;
    describeCommandLine(parser, context);
    parser.process(app);

    QString notice;
    const QString error = ProgramFolder::prepare(parser.value(DirOption), &notice);
    if (!error.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Rozvahon"), error);
        return 1;
    }
    if (!notice.isEmpty())
        QMessageBox::warning(nullptr, QStringLiteral("Rozvahon"), notice);

    applyHintColours();

    PlatformServices::install(std::make_unique<DesktopServices>());
    WidgetPrompter prompter;
    Prompter::setGlobal(&prompter);
    context.prompter = &prompter;
    context.clock = &Clock::system();
    registerSubsystems(context);

    int result = 1;
    if (std::unique_ptr<ProgramSession> session = startProgramSession(context)) {
        // The run ends when the main window closes, also while the settings
        // dialog is still shown.
        QObject::connect(session->mainWindow(), &ProgramWindow::closed, &app, &QApplication::quit,
                         Qt::QueuedConnection);
        // A stop signal or the end of the desktop session closes the program
        // as the user would, without waiting for answers.
        SessionEnd ending;
        ending.setMainWindow(session->mainWindow());
        QObject::connect(&ending, &SessionEnd::ending, &app, [&prompter] { prompter.setUnattended(true); });
        result = QApplication::exec();
    }
    Prompter::setGlobal(nullptr);
    context.prompter = nullptr;
    return result;
}
