// The settings dialog as the user drives it, over a started program whose
// main window follows the settings file.
#include "core/app/Program.h"
#include "core/app/context/AppContext.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/IniFile.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "settings/Registration.h"
#include "settings/window/ColourList.h"
#include "settings/window/TForm11.h"
#include "shell/Registration.h"
#include "shell/window/MainMenus.h"
#include "shell/window/THlavni_Formular.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"
#include "widgets/LedLamp.h"
#include "widgets/WindowBackground.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

IniStore settings() { return IniStore(Paths::inProgramFolder(u"Penezka.ini"_s), QLatin1String(Section::Nastaveni)); }

// A delivered program folder, started with the shell and this dialog.
struct Started
{
    TestEnv env;
    ScriptedPrompter prompter;
    std::unique_ptr<ProgramSession> session;

    using Keys = QList<std::pair<const char *, const char *>>;
    explicit Started(const Keys &keys = Keys())
    {
        env.deliverTables();
        IniStore store = settings();
        store.write(Key::Tipy, false);
        for (const auto &[key, value] : keys)
            store.writeString(QString::fromLatin1(key), QString::fromUtf8(value));
        AppContext &context = AppContext::instance();
        context.reset();
        context.prompter = &prompter;
        registerShell(context);
        registerSettings(context);
        session = std::make_unique<ProgramSession>(context);
        dialog().show();
    }
    ~Started()
    {
        session.reset();
        AppContext::instance().reset();
    }
    THlavni_Formular &window() const { return *THlavni_Formular::of(*session); }
    TForm11 &dialog() const { return *qobject_cast<TForm11 *>(AppContext::instance().settingsDialog); }
};

void click(QAbstractButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class SettingsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesAndControls()
    {
        Started run;
        TForm11 &dialog = run.dialog();
        QCOMPARE(dialog.windowTitle(), u"Nastavení"_s);
        const QStringList pages = {u"Zobrazení v menu"_s, u"Nastavení zobrazení "_s, u"Grafika okna"_s,
                                   u"Grafika tlačítek"_s, u"Grafika oken"_s, u"Další funkce"_s};
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(dialog.pages()->tabText(i), pages[i]);
        QCOMPARE(dialog.check(Key::RAdrTel)->text(), u"Zobrazovat ryhlotlačítka Adresy a Tel. Seznam"_s);
        QCOMPARE(dialog.button(u"OK"_s)->toolTip(), u"Zavře okno Nastavení"_s);
        QCOMPARE(dialog.buttonStyle()->itemText(0), u"Kruh"_s);
        QCOMPARE(dialog.colourList(Key::BtnColor1)->list()->count(), 16);
        // Shown without blocking the main window; closing hides it.
        QVERIFY(!dialog.isModal());
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QVERIFY(AppContext::instance().settingsDialog);
    }

    // A switch is stored at once and the main window follows.
    void switchesAreStoredAndFollowed()
    {
        Started run(Started::Keys{{"StatusBar1", "1"}, {"GradientBckg1", "0"}, {"PozadiBckg1", "1"}});
        TForm11 &dialog = run.dialog();
        QVERIFY(dialog.check(Key::StatusBar1)->isChecked());
        click(dialog.check(Key::StatusBar1));
        QCOMPARE(settings().read(Key::StatusBar1), false);
        QTRY_VERIFY(!run.window().statusBar()->isVisibleTo(&run.window()));
        click(dialog.check(Key::GradientBckg1));
        QCOMPARE(settings().read(Key::GradientBckg1), true);
        QCOMPARE(settings().read(Key::PozadiBckg1), false);
        click(dialog.check(Key::SNoc));
        QCOMPARE(settings().read(Key::SNoc), true);
    }

    void quickButtonRule()
    {
        Started run(Started::Keys{{"RychloTl", "1"}, {"RAdrTel", "0"}, {"DatabazeMesic", "1"}});
        TForm11 &dialog = run.dialog();
        run.window().show();
        click(dialog.check(Key::RychloTl));
        QTRY_VERIFY(!run.window().quickButton(3)->isVisibleTo(&run.window()));
        for (int n = 1; n <= 12; ++n)
            QVERIFY(!run.window().quickButton(n)->isVisibleTo(&run.window()));
        click(dialog.check(Key::RychloTl));
        QTRY_VERIFY(run.window().quickButton(3)->isVisibleTo(&run.window()));
        QVERIFY(!run.window().quickButton(11)->isVisibleTo(&run.window()));
        QVERIFY(!run.window().quickButton(12)->isVisibleTo(&run.window()));
    }

    void previousYearWithoutItsFolder()
    {
        Started run(Started::Keys{{"StaraDat01", "0"}});
        QDir(run.env.path(u"Data/Data01"_s)).removeRecursively();
        click(run.dialog().check(Key::StaraDat01));
        QCOMPARE(settings().read(Key::StaraDat01), true);
        QTest::qWait(50);
        QVERIFY(!run.window().menus().menu(MainMenu::PreviousYear)->menuAction()->isVisible());
    }

    void coloursStylesAndCounts()
    {
        Started run(Started::Keys{{"BtnColor", "35"}});
        TForm11 &dialog = run.dialog();
        ColourList *first = dialog.colourList(Key::BtnColor1);
        first->list()->setCurrentIndex(9);
        emit first->list()->activated(9);
        QCOMPARE(settings().read(Key::BtnColor1), 0x0000FF);
        // "Jiná": the exact colour, the button tinted with it.
        run.prompter.colors = {0x123456};
        click(first->otherButton());
        QCOMPARE(settings().read(Key::BtnColor1), 0x123456);
        QCOMPARE(first->list()->currentIndex(), -1);
        QCOMPARE(first->otherButton()->palette().color(QPalette::Button), QColor(0x56, 0x34, 0x12));
        // A style by its name; the number of colours only by its button.
        emit dialog.buttonStyle()->activated(0);
        QCOMPARE(settings().read(Key::BtnStyl), 2);
        dialog.countBox(Key::BtnColor)->setValue(50);
        QCOMPARE(settings().read(Key::BtnColor), 35);
        click(dialog.button(u"NastavBarvyTlacitek"_s));
        QCOMPARE(settings().read(Key::BtnColor), 50);
        QTRY_COMPARE(WindowBackground::shared().isTexture(), false);
    }

    // Missing integer keys show a sensible value and are never written back.
    void missingKeysAreNotWrittenBack()
    {
        Started run;
        IniStore store = settings();
        run.dialog().hide();
        for (const char *key : {"BtnColor", "BtnColor1", "OknoStyl", "BckgColors"})
            IniFile(store.filePath()).setValue(u"Nastaveni"_s, QString::fromLatin1(key), "");
        run.dialog().show();
        run.dialog().fill();
        QCOMPARE(run.dialog().countBox(Key::BtnColor)->value(), 35);
        QCOMPARE(run.dialog().countBox(Key::BckgColors)->value(), 100);
        QCOMPARE(run.dialog().colourList(Key::BtnColor1)->list()->currentIndex(), -1);
        run.dialog().close();
        for (const char *key : {"BtnColor", "BtnColor1", "OknoStyl", "BckgColors"})
            QCOMPARE(IniFile(store.filePath()).value(u"Nastaveni"_s, QString::fromLatin1(key)).value_or("?"), QByteArray());
    }

    void themes()
    {
        Started run(Started::Keys{{"RychloTl", "1"}, {"BtnStyl", "3"}, {"FrmZobr", "0"}});
        TForm11 &dialog = run.dialog();
        const QString theme = run.env.path(u"muj.vzd"_s);
        // Saved, with the places the buttons have now.
        run.window().quickButton(2)->move(77, 88);
        run.prompter.fileNames = {run.env.path(u"muj"_s)};
        dialog.saveTheme();
        const IniStore saved(theme, QLatin1String(Section::Nastaveni));
        QCOMPARE(saved.read(Key::butLeft(2)), 77);
        QCOMPARE(saved.read(Key::BtnStyl), 3);
        // Over an existing file: asked, and "Ne" leaves it untouched.
        const QByteArray before = *AtomicRead(theme);
        run.window().quickButton(2)->move(1, 1);
        run.prompter.fileNames = {theme};
        run.prompter.answers = {false};
        dialog.saveTheme();
        QCOMPARE(run.prompter.questions.last().title, u"Přepsat"_s);
        QCOMPARE(run.prompter.questions.last().text, u"Přejete si přepsat soubor "_s + theme + u" ?"_s);
        QCOMPARE(*AtomicRead(theme), before);

        // Opened: shown, and its keys stored in the settings file.
        run.env.writeFile(u"jiny.vzd"_s, "[Nastaveni]\r\nRychloTl=0\r\nBtnStyl=2\r\nStatusBar1=0\r\nPozadiPath=/x/y.jpg\r\n"
                                         "But5.L=300\r\nBut5.T=301\r\n");
        run.prompter.fileNames = {run.env.path(u"jiny.vzd"_s)};
        dialog.openTheme();
        QCOMPARE(settings().read(Key::RychloTl), false);
        QCOMPARE(settings().read(Key::BtnStyl), 2);
        QCOMPARE(settings().read(Key::PozadiPath), u"/x/y.jpg"_s);
        QCOMPARE(settings().read(Key::butLeft(5)), 300);
        QCOMPARE(run.window().quickButton(5)->pos(), QPoint(300, 301));
        QVERIFY(!dialog.check(Key::RychloTl)->isChecked());

        // "Standardní": asked with the red cross, then the standard theme.
        run.prompter.answers = {true};
        dialog.standardTheme();
        QCOMPARE(run.prompter.questions.last().title, u"Potvrdit"_s);
        QCOMPARE(run.prompter.questions.last().icon, 2);
        QCOMPARE(settings().read(Key::StatusBar1),
                 IniStore(run.env.path(u"TemaDef.vdd"_s), QLatin1String(Section::Nastaveni)).read(Key::StatusBar1));
    }

    void password_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("asked");
        QTest::newRow("equal") << u"tajne"_s << u"tajne"_s << true;
        QTest::newRow("both empty count as equal") << QString() << QString() << true;
        QTest::newRow("different") << u"tajne"_s << u"tajné"_s << false;
    }
    void password()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, asked);
        Started run(Started::Keys{{"HAct", "0"}});
        TForm11 &dialog = run.dialog();
        dialog.password(0)->setText(first);
        dialog.password(1)->setText(second);
        click(dialog.button(u"UlozitHeslo"_s));
        QCOMPARE(settings().read(Key::HAct), asked);
        QCOMPARE(dialog.lamp()->isOn(), asked);
        QCOMPARE(run.prompter.messages.last(),
                 asked ? u"Od této chvíle při každém spuštění manažeru bude program žádat heslo !"_s
                       : u"KONTROLA: Hesla nejsou stejná !"_s);
        if (asked)
            QCOMPARE(settings().read(Key::Pas), first);
        click(dialog.button(u"ZrusitHeslo"_s));
        QCOMPARE(settings().read(Key::HAct), false);
        QVERIFY(!dialog.lamp()->isOn());
        if (asked)
            QCOMPARE(settings().read(Key::Pas), first);
    }

    void textureThatCannotBeRead()
    {
        Started run;
        run.env.writeFile(u"rozbita.bmp"_s, "not a picture");
        run.prompter.fileNames = {run.env.path(u"rozbita.bmp"_s)};
        click(run.dialog().button(u"OtevritBMP"_s));
        QCOMPARE(run.prompter.messages.value(0), u"Soubor se bude otevírat z "_s + run.env.path(u"rozbita.bmp"_s));
        QCOMPARE(run.prompter.messages.value(1), u"Nedá se otevřít obrázek textury !"_s);
        QCOMPARE(settings().read(Key::Textura), Paths::inProgramFolder(u"Textura.bmp"_s));
    }

private:
    static std::optional<QByteArray> AtomicRead(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "tst_settingsdialog.moc"
