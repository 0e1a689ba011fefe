// Saves a picture of a month window with a few coloured rows, hidden items
// and the full toolbar:  QT_QPA_PLATFORM=offscreen ./record_window_picture out.png
// With a second argument "bare" every toolbar group is switched off first.

#include "BenchWindow.h"
#include "core/data/catalogue/Catalogue.h"

#include "core/data/engine/Table.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "records/ledger/LedgerFields.h"
#include "records/window/TFrmSmazat.h"
#include "records/window/TFrmZmenaNazvu.h"
#include "records/window/TForm3.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    Catalogue::installLayoutCheck();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("record_window.png");
    BenchWindow bench;
    if (argc > 2 && qstrcmp(argv[2], "bare") == 0) {
        IniStore month(QLatin1String(FileName::Settings), QLatin1String(Section::SetMesice));
        month.setFileName(bench.folder() + QStringLiteral("/Penezka.ini"));
        for (const ToolbarGroupInfo &group : ToolbarGroups)
            month.write(group.key, false);
    }
    {
        Table table;
        table.setFolder(QStringLiteral("Data"));
        table.setTableName(QStringLiteral("Leden.db"));
        table.open();
        struct Row { int day; const char *text; double amount; int colour; double hidden; const char *note; };
        const Row rows[] = {
            {2, "Výplata", 28500, 0x008000, 0, "zaměstnání"},
            {3, "Nájem", -9800, 0x0000C0, 0, "byt"},
            {5, "Potraviny", -1240.5, 0, -150, "obchod"},
            {8, "Elektřina", -1800, 0xC00000, 0, ""},
            {12, "Kino", -360, 0x800080, 0, "zábava"},
            {15, "Dárek", -990, 0, 0, ""},
            {20, "Úroky", 12.35, 0x008080, 0, "banka"},
        };
        for (const Row &row : rows) {
            table.append();
            table.field(LedgerField::Date).setDate(QDate(2009, 1, row.day));
            table.field(LedgerField::Text).setString(QString::fromUtf8(row.text));
            table.field(LedgerField::Amount).setMoney(Money::fromDouble(row.amount));
            if (row.colour)
                table.field(LedgerField::Colour).setInteger(row.colour);
            if (row.hidden != 0)
                table.field(LedgerField::HiddenAmount).setMoney(Money::fromDouble(row.hidden));
            if (row.day == 15)
                table.field(LedgerField::HiddenText).setString(QStringLiteral("pro babičku"));
            table.field(LedgerField::Supplement).setString(QString::fromUtf8(row.note));
            table.post();
        }
    }
    std::unique_ptr<TForm3> window = bench.open(QStringLiteral("Leden.db"), QStringLiteral("Měsíc Leden"), true);
    window->resize(900, 420);
    QTest::qWait(200);
    window->ReCalc();
    window->toggleTick(2);
    bench.ledgerHolder().table().moveTo(2);
    QTest::qWait(100);
    bool saved = window->grab().save(out);
    // The window's two dialogs, next to the window's picture.
    const QString stem = out.endsWith(QLatin1String(".png")) ? out.chopped(4) : out;
    TFrmSmazat question(QStringLiteral("5.1.2009"), window.get());
    question.show();
    QTest::qWait(50);
    saved = question.grab().save(stem + QStringLiteral("-smazat.png")) && saved;
    question.close();
    TFrmZmenaNazvu supplement(QStringLiteral("obchod"), window.get());
    supplement.show();
    QTest::qWait(50);
    saved = supplement.grab().save(stem + QStringLiteral("-zmena.png")) && saved;
    supplement.close();
    window->close();
    return saved ? 0 : 1;
}
