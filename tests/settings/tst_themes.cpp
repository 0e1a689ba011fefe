// The settings dialog's lists and the appearance themes, apart from the
// windows.
#include "core/data/stores/IniFile.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "settings/store/SettingsLists.h"
#include "settings/store/Themes.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
IniStore storeAt(const QString &path) { return IniStore(path, QLatin1String(Section::Nastaveni)); }

Themes::ButtonPlaces places(int shift)
{
    Themes::ButtonPlaces all{};
    for (int n = 0; n < 12; ++n)
        all[std::size_t(n)] = QPoint(10 * n + shift, 20 + shift);
    return all;
}
} // namespace

class ThemesTest : public QObject
{
    Q_OBJECT

private slots:
    void stylesInTheirShownOrder()
    {
        const QStringList names = SettingsLists::styleNames();
        QCOMPARE(names.size(), 13);
        QCOMPARE(names.first(), u"Kruh"_s);
        QCOMPARE(names.last(), u"Vertikální Zrdcadlový"_s);
        QCOMPARE(SettingsLists::storedStyleAt(0), 2);
        QCOMPARE(SettingsLists::storedStyleAt(2), 0);
        QCOMPARE(SettingsLists::storedStyleAt(11), 1);
        for (int stored = 0; stored <= 12; ++stored)
            QCOMPARE(SettingsLists::storedStyleAt(*SettingsLists::styleIndexOf(stored)), stored);
        QVERIFY(!SettingsLists::styleIndexOf(13));
        QVERIFY(!SettingsLists::styleIndexOf(Settings::MissingInteger));
    }

    void basicColours()
    {
        QCOMPARE(QString::fromUtf8(SettingsLists::basicColour(9).name), u"Červená"_s);
        QCOMPARE(SettingsLists::basicColour(9).value, 0x0000FF);
        QCOMPARE(SettingsLists::basicColourIndex(0xFF0000), std::optional<int>(12)); // Modrá
        QVERIFY(!SettingsLists::basicColourIndex(0x123456));
    }

    // Written from the settings and the places shown; the texture only in
    // texture form, the picture only while it is on; then copied back into
    // other settings key by key.
    void writtenAndCopied()
    {
        TestEnv env;
        env.writeFile(u"Penezka.ini"_s, "[Nastaveni]\r\nRychloTl=1\r\nBtnStyl=3\r\nBtnColor=35\r\nOknoStyl=1\r\n"
                                         "FrmZobr=0\r\nTextura=Textura.bmp\r\nStatusBar1=1\r\nPozadiBckg1=0\r\n"
                                         "PozadiPath=/x/obr.jpg\r\nGradientColor=16711680\r\nTipy=1\r\n");
        const QString theme = env.path(u"muj.vzd"_s);
        QVERIFY(Themes::write(theme, storeAt(env.path(u"Penezka.ini"_s)), places(5)));
        const QStringList keys = IniFile(theme).keys(QLatin1String(Section::Nastaveni));
        QVERIFY(keys.contains(u"BtnStyl"_s));
        QVERIFY(keys.contains(u"But12.T"_s));
        QVERIFY(!keys.contains(u"Textura"_s));
        QVERIFY(!keys.contains(u"PozadiPath"_s));
        QVERIFY(!keys.contains(u"Tipy"_s));
        QVERIFY(!keys.contains(u"OknoCl1"_s)); // not in the settings: not invented
        QCOMPARE(storeAt(theme).read(Key::butLeft(3)), 25);

        // Copied into settings that differ: what the theme holds validly.
        env.writeFile(u"muj.vzd"_s, "[Nastaveni]\r\nBtnStyl=abc\r\nOknoStyl=2\r\nRychloTl=0\r\nTextura=Moje.bmp\r\n");
        env.writeFile(u"Jine.ini"_s, "[Nastaveni]\r\nBtnStyl=7\r\nOknoStyl=1\r\nRychloTl=1\r\nStatusBar1=1\r\n");
        IniStore other = storeAt(env.path(u"Jine.ini"_s));
        Themes::copyInto(storeAt(theme), other, places(0));
        QCOMPARE(other.read(Key::BtnStyl), 7);
        QCOMPARE(other.read(Key::OknoStyl), 2);
        QCOMPARE(other.read(Key::RychloTl), false);
        QCOMPARE(other.read(Key::Textura), u"Moje.bmp"_s);
        QCOMPARE(other.read(Key::StatusBar1), true);
        QCOMPARE(other.read(Key::butTop(1)), 20);
    }

    // A theme that cannot be written leaves the file as it was.
    void unwritableThemeIsReported()
    {
        TestEnv env;
        env.writeFile(u"Penezka.ini"_s, "[Nastaveni]\r\nBtnStyl=3\r\n");
        QVERIFY(!Themes::write(env.path(u"nikde/muj.vzd"_s), storeAt(env.path(u"Penezka.ini"_s)), places(0)));
    }
};

QTEST_GUILESS_MAIN(ThemesTest)
#include "tst_themes.moc"
