// How long the phone book (10,000 entries) and the area codes (every town
// of the delivered list) take from being made to their window drawn with
// its list, in a program folder made from the delivered files.
//
//     QT_QPA_PLATFORM=offscreen ./bench_contacts

#include "../support/SilentPrompter.h"

#include "contacts/book/ContactTables.h"
#include "contacts/window/TForm15.h"
#include "contacts/window/TForm18.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The median of `rounds` times of `open`, in milliseconds.
template<typename Open>
double medianMs(int rounds, Open open)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        open();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
    if (!ProgramFolder::copyDelivered(ProgramFolder::deliveredFolder(), dir.path()).isEmpty())
        return 1;
    QDir::setCurrent(dir.path());
    Catalogue::installLayoutCheck();
    SilentPrompter prompter;

    TDataModule14 phoneBook;
    {
        Table &table = phoneBook.table();
        table.open();
        table.beginBatch();
        for (int i = 0; i < 10000; ++i) {
            table.append();
            table.field(QStringLiteral("Prijmeni")).setString(QStringLiteral("Příjmení %1 Jméno").arg(i, 5, 10, QLatin1Char('0')));
            table.field(QStringLiteral("Telefon")).setString(QStringLiteral("603 %1").arg(i, 6, 10, QLatin1Char('0')));
            table.post();
        }
        table.commitBatch();
        table.close();
    }
    const auto drawn = [](QDialog &window) {
        window.show();
        window.grab(); // every list row that shows drawn once
    };
    const double book = medianMs(9, [&] {
        TForm15 window(phoneBook.table(), prompter, PlatformServices::current());
        drawn(window);
    });
    TDataModule19 areaCodes;
    int towns = 0;
    const double codes = medianMs(9, [&] {
        TForm18 window(areaCodes.table(), prompter);
        drawn(window);
        towns = areaCodes.table().recordCount();
    });
    std::printf("phone book of 10000 entries: %.1f ms to the drawn window (median of 9)\n", book);
    std::printf("area codes of %d towns: %.1f ms to the drawn window (median of 9)\n", towns, codes);
    return 0;
}
