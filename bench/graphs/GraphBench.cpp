#include "GraphBench.h"
#include "../support/SilentPrompter.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "graphs/Registration.h"
#include "graphs/points/GraphKind.h"
#include "graphs/window/TForm4.h"

#include <QDir>
#include <QFile>

GraphBench::GraphBench()
    : m_prompter(std::make_unique<SilentPrompter>()), m_clock(QDateTime(QDate(2009, 1, 20), QTime(9, 41, 7)))
{
    Catalogue::installLayoutCheck();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
    QDir::setCurrent(m_dir.path());
    Catalogue::createTables(m_dir.path());
    IniStore(QDir(m_dir.path()).filePath(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni))
        .write(Key::Scr, false);
    m_module2 = std::make_unique<TDataModule2>(StatusSink::none(), *m_prompter);
    m_module23 = std::make_unique<TDataModule23>(StatusSink::none());
    AppContext &context = AppContext::instance();
    context.dataModule2 = m_module2.get();
    context.dataModule23 = m_module23.get();
    context.prompter = m_prompter.get();
    context.clock = &m_clock;
    registerGraphs(context);
}

GraphBench::~GraphBench() { AppContext::instance().reset(); }

void GraphBench::fillJanuary(int rows)
{
    const char *texts[] = {"Výplata", "Nájem", "Potraviny", "Elektřina", "Benzín", "Oběd", "Dárek", "Kino"};
    Table table;
    table.setFolder(Catalogue::DataFolder);
    table.setTableName(QStringLiteral("Leden.db"));
    table.open();
    table.beginBatch();
    for (int i = 0; i < rows; ++i) {
        table.append();
        table.field(QStringLiteral("Datum")).setDate(QDate(2009, 1, 1 + (i * 31) / rows));
        table.field(QStringLiteral("Text 80")).setString(QString::fromUtf8(texts[i % 8]));
        const qint64 crowns = i % 8 == 0 ? 2500 + 37 * (i % 11) : -(120 + 53 * (i % 13));
        table.field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(crowns));
        table.post();
    }
    table.commitBatch();
}

void GraphBench::fillJanuaryOn(const QList<int> &days)
{
    Table table;
    table.setFolder(Catalogue::DataFolder);
    table.setTableName(QStringLiteral("Leden.db"));
    table.open();
    table.emptyTable();
    table.beginBatch();
    for (int i = 0; i < days.size(); ++i) {
        table.append();
        table.field(QStringLiteral("Datum")).setDate(QDate(2009, 1, days.at(i)));
        table.field(QStringLiteral("Text 80")).setString(QStringLiteral("Záznam %1").arg(i + 1));
        table.field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(i % 3 == 0 ? 900 + 100 * i : -(150 + 40 * i)));
        table.post();
    }
    table.commitBatch();
}

std::unique_ptr<TForm4> GraphBench::open(const QString &kind, QSize size)
{
    AppContext &context = AppContext::instance();
    const GraphOrder order{kind, GraphKind::isYearly(kind) ? QStringLiteral("Roční") : QStringLiteral("Leden")};
    RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)).write(Key::Reg::FrmGraf, false);
    m_module2->Soubor(QStringLiteral("Leden.db"));
    auto window = std::make_unique<TForm4>(context, order);
    window->setWindowState(Qt::WindowNoState);
    window->resize(size);
    window->show();
    window->FormActivate();
    window->chartImage(); // drawn once
    return window;
}
