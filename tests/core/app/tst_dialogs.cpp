// The small windows every subsystem uses: the question dialog's layout and
// answers, the picture screen's ticks and the Scr switch, the password and
// tips dialogs.

#include "FakeWindows.h"

#include "core/app/context/ScreenPicture.h"
#include "core/app/dialogs/TDotazFrm.h"
#include "core/app/dialogs/TForm45.h"
#include "core/app/dialogs/TFormLoad.h"
#include "core/app/dialogs/TFrmHeslo.h"
#include "core/app/dialogs/TFrmTipy.h"
#include "core/app/QtCzech.h"
#include "core/app/services/WidgetPrompter.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

// The program folder's Penezka.ini (a bare name would mean the config folder).
IniStore settings() { return IniStore(Paths::inProgramFolder(u"Penezka.ini"_s), QLatin1String(Section::Nastaveni)); }

// Runs `action` on the modal window as soon as there is one.
void whenModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void loadingWindowFillsOncePerObject_data();
    void loadingWindowFillsOncePerObject();
    void questionLayout_data();
    void questionLayout();
    void questionDialogFollowsItsText_data();
    void questionDialogFollowsItsText();
    void questionAnswers_data();
    void questionAnswers();
    void questionUnrollsToItsHeight();
    void pictureScreenClosesOnThirdTick();
    void pictureScreenFollowsScr_data();
    void pictureScreenFollowsScr();
    void passwordDialog_data();
    void passwordDialog();
    void tipsCheckBoxStoresEachClick_data();
    void tipsCheckBoxStoresEachClick();
    void userWordsAreShownAsTyped_data();
    void userWordsAreShownAsTyped();
    void qtDialogsSpeakCzech();
    void unattendedPrompterShowsNothing();
    void everyWindowIdHasItsPlace();
};

// The registry has a place for every id up to the last, and each factory
// gets the orders its opener handed over, as values kept nowhere else.
void DialogsTest::everyWindowIdHasItsPlace()
{
    AppContext context;
    QList<WindowOrders> seen;
    for (int id = 0; id < int(WindowId::Count); ++id)
        context.registerWindow(WindowId(id), [&seen](const WindowOrders &orders, QWidget *parent) {
            seen << orders;
            return std::make_unique<QDialog>(parent);
        }, id % 2 ? std::optional<ScreenPicture>(ScreenPicture::Info) : std::nullopt);
    const WindowId last = WindowId(int(WindowId::Count) - 1);
    QVERIFY(context.hasWindow(last));
    QCOMPARE(context.pictureBefore(last).has_value(), (int(WindowId::Count) - 1) % 2 == 1);

    WindowOrders orders;
    orders.graph = {u"Krivkovy"_s, u"Leden"_s};
    orders.report = {u"S3"_s, u"Nákupy"_s};
    QVERIFY(context.createWindow(last, nullptr, orders));
    orders.graph.kind.clear();
    QVERIFY(context.createWindow(WindowId::GraphWindow, nullptr, orders));
    QVERIFY(context.createWindow(WindowId::RecordWindow, nullptr));
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen.at(0).graph.kind, u"Krivkovy"_s);
    QCOMPARE(seen.at(0).report.code, u"S3"_s);
    QVERIFY(seen.at(1).graph.kind.isEmpty());
    QCOMPARE(seen.at(1).graph.name, u"Leden"_s);
    QVERIFY(seen.at(2).report.code.isEmpty());
}

void DialogsTest::loadingWindowFillsOncePerObject_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("the core's six objects") << 6;
    QTest::newRow("with the settings dialog") << 7;
}

void DialogsTest::loadingWindowFillsOncePerObject()
{
    QFETCH(int, steps);
    TFormLoad loading(u"5.6"_s, steps);
    QCOMPARE(loading.size(), QSize(264, 167));
    QVERIFY(loading.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(loading.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(loading.findChild<QLabel *>(u"Label2"_s)->text(), u"Otevírá se..."_s);
    QProgressBar *bar = loading.progressBar();
    QVERIFY(!bar->isTextVisible());
    loading.showNow();
    QVERIFY(loading.isVisible());
    for (int i = 1; i < steps; ++i)
        loading.advance();
    QVERIFY(bar->value() < bar->maximum());
    loading.advance();
    QCOMPARE(bar->value(), bar->maximum());
}

void DialogsTest::questionLayout_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("yes");
    QTest::addColumn<int>("no");
    QTest::addColumn<int>("shift");

    QTest::newRow("long text widens and moves left") << 400 << 478 << 420 << 159 << 239 << 139;
    QTest::newRow("design width stays put") << 122 << 200 << 142 << 20 << 100 << 0;
    QTest::newRow("short text moves right") << 110 << 188 << 130 << 14 << 94 << -6;
    // A shorter text keeps both buttons inside the dialog.
    QTest::newRow("very short text keeps its buttons inside") << 60 << 176 << 118 << 8 << 88 << -12;
    // (121 - 122) div 2 is 0, not -1; 199 div 2 is 99.
    QTest::newRow("one pixel short rounds towards zero") << 121 << 199 << 141 << 19 << 99 << 0;
    QTest::newRow("odd growth") << 125 << 203 << 145 << 21 << 101 << 1;
    QTest::newRow("empty text") << 0 << 176 << 118 << 8 << 88 << -12;
}

void DialogsTest::questionLayout()
{
    QFETCH(int, t);
    QFETCH(int, width);
    QFETCH(int, panel);
    QFETCH(int, yes);
    QFETCH(int, no);
    QFETCH(int, shift);
    const QuestionLayout layout = QuestionLayout::forText(t);
    QCOMPARE(layout.width, width);
    QCOMPARE(layout.panelWidth, panel);
    QCOMPARE(layout.yesLeft, yes);
    QCOMPARE(layout.noLeft, no);
    QCOMPARE(layout.shiftLeft, shift);
}

void DialogsTest::questionDialogFollowsItsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("long") << u"Opravdu chcete smazat všechny záznamy tohoto měsíce včetně skrytých položek ?"_s;
    QTest::newRow("short") << u"Smazat ?"_s;
}

void DialogsTest::questionDialogFollowsItsText()
{
    QFETCH(QString, text);
    TDotazFrm dialog;
    dialog.setQuestion(u"Dotaz"_s, text, 1);
    const int t = dialog.fontMetrics().horizontalAdvance(text);
    const QuestionLayout layout = QuestionLayout::forText(t);

    QCOMPARE(dialog.windowTitle(), u"Dotaz"_s);
    QCOMPARE(dialog.width(), layout.width);
    QVERIFY(dialog.findChild<QPushButton *>(u"Ano"_s)->x() > 0);
    QVERIFY(dialog.findChild<QPushButton *>(u"Ne"_s)->geometry().right() < dialog.width());
    QCOMPARE(dialog.findChild<QPushButton *>(u"Ano"_s)->x(), dialog.width() / 2 - 80);
    QCOMPARE(dialog.findChild<QPushButton *>(u"Ne"_s)->x(), dialog.width() / 2);
    QCOMPARE(dialog.findChild<QLabel *>(u"Label1"_s)->text(), text);
    // Centred as the design width was, then moved by half the growth.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int designLeft = screen.left() + (screen.width() - QuestionLayout::DesignWidth) / 2;
    QCOMPARE(dialog.x(), designLeft - layout.shiftLeft);
    if (t > 122)
        QVERIFY(dialog.x() < designLeft);
    else
        QVERIFY(dialog.x() >= designLeft);
}

void DialogsTest::questionAnswers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("picture");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Ano") << u"Ano"_s << 1 << 1 << true;
    QTest::newRow("Ne") << u"Ne"_s << 2 << 2 << false;
    QTest::newRow("Enter is Ano") << u"Enter"_s << 3 << 3 << true;
    QTest::newRow("Enter on a focused Ne is Ne") << u"EnterOnNe"_s << 1 << 1 << false;
    QTest::newRow("close box is Ne") << u"close"_s << 0 << 0 << false;
    QTest::newRow("kind 7 shows the computer") << u"close"_s << 7 << 0 << false;
    QTest::newRow("negative kind shows the computer") << u"Ne"_s << -1 << 0 << false;
}

void DialogsTest::questionAnswers()
{
    QFETCH(QString, how);
    QFETCH(int, icon);
    QFETCH(int, picture);
    QFETCH(bool, answer);

    // A yes first: the close box must not keep an earlier answer.
    whenModal([](QWidget *modal) { modal->findChild<QPushButton *>(u"Ano"_s)->click(); });
    QVERIFY(AskQuestion(u"Dotaz"_s, u"Napřed ano"_s, 0));

    int shownPicture = -1;
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<TDotazFrm *>(modal);
        QVERIFY(dialog);
        shownPicture = dialog->iconKind();
        if (how == u"close"_s)
            dialog->close();
        else if (how == u"Enter"_s)
            QTest::keyClick(dialog, Qt::Key_Return);
        else if (how == u"EnterOnNe"_s) {
            auto *no = dialog->findChild<QPushButton *>(u"Ne"_s);
            no->setFocus();
            QTest::keyClick(no, Qt::Key_Return);
        }
        else
            dialog->findChild<QPushButton *>(how)->click();
    });
    QCOMPARE(AskQuestion(u"Dotaz"_s, u"Opravdu ?"_s, icon), answer);
    QCOMPARE(shownPicture, picture);
}

void DialogsTest::questionUnrollsToItsHeight()
{
    int height = 0;
    whenModal([&](QWidget *modal) {
        height = modal->height();
        modal->close();
    });
    AskQuestion(u"Dotaz"_s, u"Výška ?"_s, 1);
    QCOMPARE(height, QuestionLayout::ClientHeight);
}

void DialogsTest::pictureScreenClosesOnThirdTick()
{
    TForm45 screen(ScreenPicture::Kalk);
    QCOMPARE(screen.size(), QSize(231, 239));
    QVERIFY(screen.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(screen.windowFlags() & Qt::WindowStaysOnTopHint);
    // Only the calculator's picture is there.
    QVERIFY(screen.findChild<QLabel *>(u"Kalk"_s));
    QVERIFY(!screen.findChild<QLabel *>(u"Info"_s));

    screen.show();
    QVERIFY(screen.timerRunning());
    screen.tick();
    screen.tick();
    QCOMPARE(screen.ticks(), 2);
    QVERIFY(screen.isVisible());
    screen.tick();
    QCOMPARE(screen.ticks(), 3);
    QVERIFY(!screen.isVisible());
    QVERIFY(!screen.timerRunning());

    // A new window counts from nothing again.
    TForm45 next(ScreenPicture::Info);
    QCOMPARE(next.ticks(), 0);
}

void DialogsTest::pictureScreenFollowsScr_data()
{
    QTest::addColumn<bool>("scr");
    QTest::newRow("on: the picture, then the window") << true;
    QTest::newRow("off: the window only") << false;
}

void DialogsTest::pictureScreenFollowsScr()
{
    QFETCH(bool, scr);
    TestEnv env;
    env.writeFile(u"Penezka.ini"_s, scr ? "[Nastaveni]\r\nScr=1\r\n" : "[Nastaveni]\r\nScr=0\r\n");
    AppContext &context = AppContext::instance();
    context.reset();
    QVERIFY(!showPictureThenWindow(context, WindowId::Calculator, nullptr));

    FakeWindows windows(context, {WindowId::Calculator}, ScreenPicture::Kalk);
    QStringList modals;
    auto *watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [&modals] {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (!modals.contains(modal->objectName()))
                modals << modal->objectName();
    });
    watch->start(50);
    QVERIFY(showPictureThenWindow(context, WindowId::Calculator, nullptr));
    delete watch;
    QCOMPARE(windows.opened.size(), 1);
    QCOMPARE(modals, scr ? QStringList{u"Form45"_s} : QStringList{});
    context.reset();
}

void DialogsTest::passwordDialog_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right, OK") << u"Žluťák7"_s << u"Žluťák7"_s << u"OK"_s << true;
    QTest::newRow("right, Enter") << u"heslo"_s << u"heslo"_s << u"Enter"_s << true;
    QTest::newRow("wrong") << u"heslo"_s << u"hesla"_s << u"OK"_s << false;
    QTest::newRow("letter case counts") << u"heslo"_s << u"Heslo"_s << u"OK"_s << false;
    QTest::newRow("Storno with the right one") << u"heslo"_s << u"heslo"_s << u"Storno"_s << false;
    QTest::newRow("Esc") << u"heslo"_s << u"heslo"_s << u"Esc"_s << false;
    QTest::newRow("close box") << u"heslo"_s << u"heslo"_s << u"close"_s << false;
}

void DialogsTest::passwordDialog()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(bool, accepted);

    TestEnv env;
    IniStore store = settings();
    store.write(Key::HAct, true);
    store.write(Key::Pas, stored);
    TFrmHeslo dialog(store);
    QCOMPARE(dialog.windowTitle(), u"Heslo"_s);
    QCOMPARE(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
    whenModal([&](QWidget *modal) {
        auto *edit = modal->findChild<QLineEdit *>(u"Edit1"_s);
        edit->setText(typed);
        if (how == u"Enter"_s)
            QTest::keyClick(edit, Qt::Key_Return);
        else if (how == u"Esc"_s)
            QTest::keyClick(edit, Qt::Key_Escape);
        else if (how == u"close"_s)
            modal->close();
        else
            modal->findChild<QPushButton *>(how)->click();
    });
    QCOMPARE(dialog.exec() == QDialog::Accepted, accepted);
}

void DialogsTest::tipsCheckBoxStoresEachClick_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("atStartUp");
    QTest::addColumn<bool>("startsTicked");
    QTest::newRow("from the menu, Tipy off") << QByteArray("0") << false << false;
    QTest::newRow("from the menu, Tipy on") << QByteArray("1") << false << true;
    QTest::newRow("at start-up, always ticked") << QByteArray("0") << true << true;
}

void DialogsTest::tipsCheckBoxStoresEachClick()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, atStartUp);
    QFETCH(bool, startsTicked);

    TestEnv env;
    env.writeFile(u"Penezka.ini"_s, "[Nastaveni]\r\nTipy=" + stored + "\r\n");
    IniStore store = settings();
    TFrmTipy tips(store, atStartUp ? TFrmTipy::Opened::AtStartUp : TFrmTipy::Opened::FromMenu, nullptr, 3);
    QCOMPARE(tips.windowTitle(), u"tipy pro Rozvahon"_s);
    QCheckBox *box = tips.showAtStartUp();
    QCOMPARE(box->isChecked(), startsTicked);
    QVERIFY(tips.tipIndex() >= 0 && tips.tipIndex() < 34);

    box->click();
    QCOMPARE(store.read(Key::Tipy), !startsTicked);
    box->click(); // the second click stores what it shows after it
    QCOMPARE(store.read(Key::Tipy), startsTicked);

    tips.DalsiTipClick();
    QVERIFY(!tips.tipText().isEmpty());
}

void DialogsTest::userWordsAreShownAsTyped_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    QTest::newRow("question with a payment's name")
        << u"question"_s << u"Vložit pravidelnou platbu s názvem \"<b>Nájem</b>\""_s;
    QTest::newRow("question with a record's text")
        << u"question"_s << u"V položce \"<i>oběd</i> &amp; večeře\" chybí datum ! Vložit dnešní datum ?"_s;
    QTest::newRow("message with a path") << u"message"_s << u"Soubor <u>/tmp/a.bmp</u>"_s;
}

void DialogsTest::userWordsAreShownAsTyped()
{
    QFETCH(QString, window);
    QFETCH(QString, text);
    // Markup would be swallowed and the line would come out shorter than
    // the words the user typed.
    int shownWidth = -1;
    int typedWidth = 0;
    const auto measure = [&](QLabel *label) {
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        shownWidth = label->sizeHint().width();
        typedWidth = label->fontMetrics().horizontalAdvance(text);
    };
    if (window == u"question"_s) {
        TDotazFrm dialog;
        dialog.setQuestion(u"Dotaz"_s, text, 1);
        measure(dialog.findChild<QLabel *>(u"Label1"_s));
    } else {
        whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            // The message box wraps its lines, so its label's width says
            // nothing; what counts is that it never reads the text as markup.
            QCOMPARE(box->text(), text);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            box->accept();
        });
        WidgetPrompter prompter;
        prompter.message(text);
        return;
    }
    QVERIFY(shownWidth >= typedWidth);
}

// Qt's own colour dialog, opened as the program opens it, is in Czech.
void DialogsTest::qtDialogsSpeakCzech()
{
    QVERIFY2(installQtCzech(), "qtbase_cs.qm not found (Debian package qt6-translations-l10n)");
    QStringList captions;
    QString title;
    whenModal([&](QWidget *modal) {
        title = modal->windowTitle();
        for (QPushButton *button : modal->findChildren<QPushButton *>())
            captions << button->text().remove(QLatin1Char('&'));
        modal->close();
    });
    WidgetPrompter prompter;
    QVERIFY(!prompter.chooseColor(255));
    QVERIFY2(captions.contains(u"Zrušit"_s), qPrintable(captions.join(u'|')));
    QVERIFY2(!captions.contains(u"Cancel"_s), qPrintable(captions.join(u'|')));
    QVERIFY2(!title.contains(u"Select"_s), qPrintable(title));
}

// While the session ends nobody answers: no dialog opens, questions are
// answered "Ne" and dialogs are cancelled.
void DialogsTest::unattendedPrompterShowsNothing()
{
    WidgetPrompter prompter;
    prompter.setUnattended(true);
    QVERIFY(!prompter.ask(u"Otázka"_s, u"Smazat?"_s, Prompter::QuestionMark));
    prompter.message(u"Zpráva"_s);
    QVERIFY(prompter.openFileName(u"Otevřít"_s, QString(), QString()).isEmpty());
    QVERIFY(!prompter.chooseColor(0));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
