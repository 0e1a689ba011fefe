#include "core/data/catalogue/Catalogue.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Catalogue {

namespace {

FieldDef text(const char *name, int size) { return {QString::fromUtf8(name), FieldType::Text, size}; }
FieldDef of(const char *name, FieldType type, int size = 0) { return {QString::fromUtf8(name), type, size}; }

Layout ledger()
{
    return {
        text("Text 80", 80),
        of("Datum", FieldType::Date),
        of("Castka", FieldType::Money),
        text("Text 2 100", 100),
        of("Cislo", FieldType::Number),
        of("Cena", FieldType::Money),
        of("Kratky - Short", FieldType::Short),
        of("Vysoke Cislo", FieldType::Long),
        of("BCD 2", FieldType::Bcd, 2),
        of("BCD 3", FieldType::Bcd, 3),
        of("BCD 5", FieldType::Bcd, 5),
        of("BCD 10", FieldType::Bcd, 10),
        of("Datum 2", FieldType::Date),
        of("Cas - Time", FieldType::Time),
        of("Time Stamp", FieldType::Timestamp),
        of("Memo Polozka 10", FieldType::Memo, 10),
        of("Formated Memo 10", FieldType::FormattedMemo, 10),
        of("Graph 10", FieldType::Graphic, 10),
        of("Ole 10", FieldType::Ole, 10),
        of("Logical", FieldType::Logical),
        of("Autoincrement", FieldType::AutoIncrement),
        of("Bytes 2 20", FieldType::Bytes, 20),
        of("Binary 10", FieldType::Binary, 10),
        of("Bytes", FieldType::Bytes, 10),
    };
}

Layout itemNames()
{
    Layout layout{text("St 0", 100)};
    for (int i = 1; i <= 12; ++i)
        layout << FieldDef{QStringLiteral("String %1").arg(i), FieldType::Text, 100};
    layout << text("String 100 a", 100) << text("String 100 b", 100) << text("String 80", 80)
           << text("String 200", 200) << of("Number 10", FieldType::Number) << of("Number 20", FieldType::Number)
           << of("Number 50", FieldType::Number) << of("Number 100", FieldType::Number)
           << of("Money 100 a", FieldType::Money) << of("Money 100 b", FieldType::Money)
           << of("Date a", FieldType::Date) << of("Date b", FieldType::Date);
    return layout;
}

Layout regularPayment()
{
    Layout layout{text("Nazev-Pl", 150), of("K-Datum", FieldType::Date), of("P-Datum", FieldType::Date),
                  of("Castka", FieldType::Money)};
    for (int i = 1; i <= 12; ++i)
        layout << FieldDef{QStringLiteral("D%1").arg(i), FieldType::Logical, 0};
    return layout;
}

Layout meter(const char *priceField)
{
    return {text("Mesic", 15), of("Pocatek", FieldType::Number), of("Konec", FieldType::Number),
            of("Spotreba", FieldType::Number), of(priceField, FieldType::Money), of("Castka", FieldType::Money)};
}

Layout nightTariff()
{
    return {text("Mesic", 15),
            of("SazbaDen", FieldType::Money),
            of("SazbaNoc", FieldType::Money),
            of("Pocatek01", FieldType::Number),
            of("Konec01", FieldType::Number),
            of("Spotreba01", FieldType::Number),
            of("Pocatek02", FieldType::Number),
            of("Konec02", FieldType::Number),
            of("Spotreba02", FieldType::Number),
            of("Prikon", FieldType::Number)};
}

const char *const monthFiles[12] = {"Leden.db", "Unor.db", "Brezen.db", "Duben.db", "Kveten.db", "Cerven.db",
                                    "Cervenec.db", "Srpen.db", "Zari.db", "Rijen.db", "Listopad.db", "Prosinec.db"};
const char *const monthNames[12] = {"Leden", "Únor", "Březen", "Duben", "Květen", "Červen",
                                    "Červenec", "Srpen", "Září", "Říjen", "Listopad", "Prosinec"};

// The file part of a name that may carry folders written either way.
QString baseName(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

const Layout &layout(Kind kind)
{
    static const Layout layouts[] = {
        ledger(),
        itemNames(),
        regularPayment(),
        {of("Castka", FieldType::Money), of("Datum", FieldType::Date), text("Text", 50), of("Barva", FieldType::Number)},
        meter("Kc/m3"),
        meter("Kc/KWh"),
        nightTariff(),
        {text("Prijmeni", 100), text("Predvolba", 80), text("Telefon", 200), text("Poznamka", 250), text("A", 100)},
        {text("Mesto", 150), text("Predvolba", 30)},
        {text("Prijmeni", 100), text("Jmeno", 100), text("Ulice", 100), text("Mesto", 100), text("PSC", 10),
         text("Poznámka", 255)},
        {text("Text", 255)},
    };
    return layouts[int(kind)];
}

const QList<TableFile> &tables()
{
    static const QList<TableFile> list = [] {
        QList<TableFile> files;
        for (int m = 1; m <= 12; ++m)
            files << TableFile{monthFile(m), DataFolder, Kind::Ledger, true};
        for (int group = 1; group <= 2; ++group)
            for (int n = 1; n <= 12; ++n)
                files << TableFile{itemFile(group, n), DataFolder, Kind::Ledger, true};
        files << TableFile{QStringLiteral("Položky1.db"), DataFolder, Kind::ItemNames, true}
              << TableFile{QStringLiteral("Položky2.db"), DataFolder, Kind::ItemNames, true};
        for (int i = 1; i <= 3; ++i)
            files << TableFile{QStringLiteral("PravPl%1.db").arg(i), DataFolder, Kind::RegularPayment, false};
        files << TableFile{QStringLiteral("NGraf.db"), DataFolder, Kind::GraphPoint, false}
              << TableFile{QStringLiteral("Spvodat.DB"), DataFolder, Kind::WaterMeter, true}
              << TableFile{QStringLiteral("SPVodaS.db"), DataFolder, Kind::WaterMeter, true}
              << TableFile{QStringLiteral("SPELEKTR.DB"), DataFolder, Kind::ElectricMeter, true}
              << TableFile{QStringLiteral("SpElNoc.DB"), DataFolder, Kind::NightTariff, true}
              << TableFile{QStringLiteral("SPPlyn.db"), DataFolder, Kind::WaterMeter, true}
              << TableFile{QStringLiteral("TelSez.DB"), PersonalFolder, Kind::Phone, false}
              << TableFile{QStringLiteral("Predvlby.db"), PersonalFolder, Kind::AreaCode, false}
              << TableFile{QStringLiteral("Adresy.db"), PersonalFolder, Kind::Address, false}
              << TableFile{QStringLiteral("TextData.db"), PersonalFolder, Kind::InfoText, false};
        return files;
    }();
    return list;
}

std::optional<Kind> kindOfFile(const QString &fileName)
{
    const QString name = baseName(fileName);
    for (const TableFile &file : tables())
        if (file.fileName.compare(name, Qt::CaseInsensitive) == 0)
            return file.kind;
    return std::nullopt;
}

std::optional<Layout> layoutForFile(const QString &fileName)
{
    const auto kind = kindOfFile(fileName);
    if (!kind)
        return std::nullopt;
    return layout(*kind);
}

QString monthFile(int month)
{
    return month >= 1 && month <= 12 ? QString::fromLatin1(monthFiles[month - 1]) : QString();
}

int monthOfFile(const QString &fileName)
{
    const QString name = baseName(fileName).toUpper();
    for (int m = 1; m <= 12; ++m)
        if (name == QString::fromLatin1(monthFiles[m - 1]).toUpper())
            return m;
    return 0;
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? QString::fromUtf8(monthNames[month - 1]) : QString();
}

QString itemFile(int group, int item)
{
    if (item < 1 || item > 12 || (group != 1 && group != 2))
        return QString();
    return QStringLiteral("Zaznam") + (group == 2 ? QStringLiteral("0") : QString()) + QString::number(item)
           + QStringLiteral(".db");
}

// "ZAZNAM" + digits + ".DB": a leading "0" marks group 2.
static bool parseItem(const QString &fileName, int *group, int *item)
{
    static const QRegularExpression form(QStringLiteral("^ZAZNAM(0?)([1-9][0-9]?)\\.DB$"));
    const auto match = form.match(baseName(fileName).toUpper());
    if (!match.hasMatch())
        return false;
    const int n = match.captured(2).toInt();
    if (n > 12)
        return false;
    *group = match.captured(1).isEmpty() ? 1 : 2;
    *item = n;
    return true;
}

int itemOfFile(const QString &fileName)
{
    int group = 0, item = 0;
    return parseItem(fileName, &group, &item) ? item : 0;
}

int groupOfFile(const QString &fileName)
{
    int group = 0, item = 0;
    return parseItem(fileName, &group, &item) ? group : 0;
}

QString previousYearName(const QString &fileName) { return PreviousYearPrefix + fileName; }

bool isPreviousYearName(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return name.startsWith(PreviousYearPrefix, Qt::CaseInsensitive);
}

static void createInFolder(const QString &folder, const TableFile &file)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + file.fileName;
    const Layout &fields = layout(file.kind);
    Table::create(path, fields);

    const bool meterLog = file.kind == Kind::WaterMeter || file.kind == Kind::ElectricMeter
                          || file.kind == Kind::NightTariff;
    if (file.kind != Kind::ItemNames && !meterLog)
        return;
    Table table;
    table.setFolder(folder);
    table.setTableName(file.fileName);
    table.setExpectedLayout(fields);
    table.open();
    table.beginBatch();
    if (file.kind == Kind::ItemNames) {
        // One empty row, which the item-names window fills in.
        table.append();
        table.post();
    } else {
        for (int m = 1; m <= 12; ++m) {
            table.append();
            table.field(QStringLiteral("Mesic")).setString(monthName(m));
            table.post();
        }
    }
    table.commitBatch();
    table.close();
}

void createTables(const QString &programFolder, bool previousYear)
{
    for (const TableFile &file : tables()) {
        createInFolder(Paths::resolve(programFolder, file.folder), file);
        if (previousYear && file.previousYear)
            createInFolder(Paths::resolve(programFolder, PreviousYearFolder), file);
    }
}

void installLayoutCheck() { Table::setLayoutLookup(&layoutForFile); }

} // namespace Catalogue
