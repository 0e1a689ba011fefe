// Saves a picture of each meter-log window with a few months filled in:
//     QT_QPA_PLATFORM=offscreen ./consumption_pictures OUTDIR
// gives OUTDIR/water.png, electricity.png, night.png, gas.png and
// gas_previous_year.png (last year's log, only shown, as Minulak shows it).

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/window/TSpotrebaElNoc.h"
#include "consumption/window/TSpotrebaElektriny.h"
#include "consumption/window/TSpotrebaPlynu.h"
#include "consumption/window/TSpotrebaVody.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include "../support/SilentPrompter.h"
#include <cstdio>

namespace {

// Readings of the first months of a log: "field=value" pairs per row; then
// every month is worked out, as a walk of the log does.
void fill(const QString &file, const QList<QStringList> &rows, const QList<Meter> &meters)
{
    Table table;
    table.setFolder(Catalogue::DataFolder);
    table.setTableName(file);
    table.open();
    for (int row = 0; row < rows.size(); ++row) {
        table.moveTo(row);
        table.edit();
        for (const QString &pair : rows[row]) {
            const qsizetype at = pair.indexOf(QLatin1Char('='));
            table.field(pair.left(at)).setString(pair.mid(at + 1));
        }
        table.post();
    }
    if (meters.size() == 2) {
        NightTariffLog log(table);
        for (table.first(); !table.eof(); table.next())
            log.recomputeRow();
    } else {
        ConsumptionLog(table, meters).total();
    }
}

// Shows the window, lets it work out what it does on entry, and saves it.
void save(QDialog &window, const QString &file)
{
    window.show();
    window.activateWindow();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    window.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

QList<QStringList> months(double start, double step, const QString &priceField, const QString &price, int count)
{
    QList<QStringList> rows;
    for (int m = 0; m < count; ++m) {
        const double from = start + m * step;
        rows << QStringList{QStringLiteral("Pocatek=%1").arg(from), QStringLiteral("Konec=%1").arg(from + step * (1 + 0.1 * m)),
                            priceField + QLatin1Char('=') + price};
    }
    return rows;
}

} // namespace

int main(int argc, char **argv)
{
    Catalogue::installLayoutCheck();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QDir().mkpath(out);
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("/config")));
    QDir::setCurrent(folder.path());
    Catalogue::createTables(folder.path(), true);
    // The delivered look: the caption band on its gradient.
    IniStore look(QDir(folder.path()).filePath(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
    look.write(Key::GradientCaption1, true);
    look.write(Key::GradientColor, 16711680);

    fill(QStringLiteral("Spvodat.DB"), months(100, 3.4567, QStringLiteral("Kc/m3"), QStringLiteral("25,5"), 4), {Meters::water()});
    fill(QStringLiteral("SPVodaS.db"), months(250, 6.25, QStringLiteral("Kc/m3"), QStringLiteral("31,456"), 3), {Meters::water()});
    fill(QStringLiteral("SPELEKTR.DB"), months(100, 234.56, QStringLiteral("Kc/KWh"), QStringLiteral("4,25"), 5), {Meters::electricity()});
    fill(QStringLiteral("SPPlyn.db"), months(1200, 100, QStringLiteral("Kc/m3"), QStringLiteral("1,8"), 5), {Meters::gas()});
    fill(QStringLiteral("SpElNoc.DB"),
         {{QStringLiteral("SazbaDen=4,25"), QStringLiteral("SazbaNoc=1,75"), QStringLiteral("Pocatek01=5000"),
           QStringLiteral("Konec01=5210"), QStringLiteral("Pocatek02=300"), QStringLiteral("Konec02=450")},
          {QStringLiteral("SazbaDen=4,25"), QStringLiteral("SazbaNoc=1,75"), QStringLiteral("Pocatek01=5210"),
           QStringLiteral("Konec01=4900"), QStringLiteral("Pocatek02=450"), QStringLiteral("Konec02=640")}},
         {Meter{}, Meter{}});

    fill(QStringLiteral("Data01\\SPPlyn.db"), months(700, 90, QStringLiteral("Kc/m3"), QStringLiteral("1,6"), 12),
         {Meters::gas()});

    SilentPrompter prompter;
    PlatformServices &services = PlatformServices::current();
    {
        TSpotrebaVody water(prompter, services);
        save(water, out + QStringLiteral("/water.png"));
    }
    {
        TSpotrebaElektriny electricity(prompter, services);
        save(electricity, out + QStringLiteral("/electricity.png"));
    }
    {
        TSpotrebaElNoc night(prompter);
        save(night, out + QStringLiteral("/night.png"));
    }
    {
        TSpotrebaPlynu gas(prompter, services);
        save(gas, out + QStringLiteral("/gas.png"));
    }
    {
        TSpotrebaPlynu lastYear(prompter, services, nullptr, LogYear::previousYear());
        save(lastYear, out + QStringLiteral("/gas_previous_year.png"));
    }
    return 0;
}
