// The phone book, the area codes and the addresses as the user drives them.
#include "contacts/Registration.h"
#include "contacts/book/ContactTables.h"
#include "contacts/window/ContactBrowser.h"
#include "contacts/window/TAdresy.h"
#include "contacts/window/TForm15.h"
#include "contacts/window/TForm16.h"
#include "contacts/window/TForm18.h"
#include "contacts/window/TFrmEditAdres.h"
#include "core/app/context/AppContext.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/PlatformServices.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void fill(const QString &file, const QList<QStringList> &rows)
{
    Table table;
    ContactTables::locate(table, file);
    table.open();
    for (const QStringList &row : rows) {
        table.append();
        for (const QString &pair : row)
            table.field(pair.section(u'=', 0, 0)).setString(pair.section(u'=', 1));
        table.post();
    }
}

QStringList stored(const QString &file, const QString &field)
{
    Table table;
    ContactTables::locate(table, file);
    table.open();
    QStringList values;
    for (table.first(); !table.eof(); table.next())
        values << table.field(field).asString();
    return values;
}

QStringList listed(const QListView *list)
{
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        names << list->model()->index(row, 0).data().toString();
    return names;
}

bool showActive(QDialog &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

template<typename T>
T *named(QWidget &window, const QString &name)
{
    return window.findChild<T *>(name);
}

// Switches the search on, types `text` and presses the search button, as
// a user does, with `choice` checked.
void searchFor(QDialog &window, const QString &choice, const QString &text)
{
    auto *onOff = named<QCheckBox>(window, u"CheckBox1"_s);
    if (!onOff->isChecked())
        QTest::mouseClick(onOff, Qt::LeftButton, {}, QPoint(6, onOff->height() / 2));
    QVERIFY(onOff->isChecked());
    QRadioButton *radio = named<QRadioButton>(window, choice);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2)); // on its round box
    QVERIFY(radio->isChecked());
    QLineEdit *box = named<QLineEdit>(window, u"Edit1"_s);
    box->clear();
    QTest::keyClicks(box, text);
    QTest::mouseClick(named<QPushButton>(window, u"Hledat"_s), Qt::LeftButton);
}

FakePlatformServices &platform() { return dynamic_cast<FakePlatformServices &>(PlatformServices::current()); }

const QList<QStringList> People{{u"Prijmeni=Novák Jan"_s, u"Telefon=603111222"_s, u"Poznamka=soused"_s},
                                {u"Prijmeni=NOVOTNÝ Petr"_s, u"Telefon=777603603"_s},
                                {u"Prijmeni=novotná Eva"_s, u"Telefon=603 444"_s},
                                {u"Prijmeni=Ivanov Igor"_s, u"Telefon=5603"_s},
                                {u"Prijmeni=O'Brien Pat"_s, u"Telefon=604"_s}};

} // namespace

class ContactWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_prompter = std::make_unique<ScriptedPrompter>();
        m_book = std::make_unique<TDataModule14>();
        platform().calls.clear();
        fill(ContactTables::PhoneBook, People);
    }
    void cleanup()
    {
        m_book.reset();
        m_env.reset();
    }

    // The searches of the phone book, through its controls.
    void phoneBookSearches_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nov, not Ivanov") << u"RadioButton1"_s << u"nov"_s
                                         << QStringList{u"Novák Jan"_s, u"NOVOTNÝ Petr"_s, u"novotná Eva"_s};
        QTest::newRow("603 at the start") << u"RadioButton2"_s << u"603"_s << QStringList{u"Novák Jan"_s, u"novotná Eva"_s};
        QTest::newRow("O'B") << u"RadioButton1"_s << u"O'B"_s << QStringList{u"O'Brien Pat"_s};
    }
    void phoneBookSearches()
    {
        QFETCH(QString, choice);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TForm15 window(m_book->table(), *m_prompter, platform());
        QVERIFY(showActive(window));
        QVERIFY(!named<QLineEdit>(window, u"Edit1"_s)->isEnabled());
        searchFor(window, choice, text);
        QCOMPARE(listed(window.browser()->list()), found);
        QCOMPARE(named<QLabel>(window, u"DBText1"_s)->text(), found.first());
        QVERIFY(m_prompter->messages.isEmpty());
    }

    // Off shows all, on again the last search; the next opening starts
    // with the search off and every entry shown.
    void searchSwitch()
    {
        {
            TForm15 window(m_book->table(), *m_prompter, platform());
            QVERIFY(showActive(window));
            searchFor(window, u"RadioButton1"_s, u"nov"_s);
            QCOMPARE(listed(window.browser()->list()).size(), 3);
            auto *onOff = named<QCheckBox>(window, u"CheckBox1"_s);
            QTest::mouseClick(onOff, Qt::LeftButton);
            QCOMPARE(listed(window.browser()->list()).size(), 5);
            QVERIFY(!named<QPushButton>(window, u"Hledat"_s)->isEnabled());
            QTest::mouseClick(onOff, Qt::LeftButton);
            QCOMPARE(listed(window.browser()->list()).size(), 3);
        }
        TForm15 again(m_book->table(), *m_prompter, platform());
        QVERIFY(!named<QCheckBox>(again, u"CheckBox1"_s)->isChecked());
        QCOMPARE(listed(again.browser()->list()).size(), 5);
        QVERIFY(named<QRadioButton>(again, u"RadioButton1"_s)->isChecked());
    }

    // The dial box follows the current entry; what it holds when the
    // button (or Ctrl+V) is pressed is dialled; a text over 255 characters
    // is refused whole.
    void dialling()
    {
        TForm15 window(m_book->table(), *m_prompter, platform());
        QVERIFY(showActive(window));
        QLineEdit *dial = window.dialBox();
        QCOMPARE(dial->text(), u"603111222"_s);
        QListView *list = window.browser()->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(dial->text(), u"777603603"_s);
        QCOMPARE(named<QLabel>(window, u"DBText2"_s)->text(), u"777603603"_s);
        dial->selectAll();
        QTest::keyClicks(dial, u"0042 777 603 603"_s);
        QTest::mouseClick(named<QPushButton>(window, u"BtnVytoc"_s), Qt::LeftButton);
        QCOMPARE(platform().calls, QStringList{u"dial 0042 777 603 603 "_s});
        dial->setText(QString(256, u'1'));
        QTest::mouseClick(named<QPushButton>(window, u"BtnVytoc"_s), Qt::LeftButton);
        QCOMPARE(platform().calls.size(), 1);
        QCOMPARE(m_prompter->messages.size(), 1);
        QVERIFY2(m_prompter->messages[0].contains(u"255"_s), qPrintable(m_prompter->messages[0]));
    }

    // "Smazat" asks; "Ne" deletes nothing, "Ano" the current entry.
    void editorDeletionAsks()
    {
        TForm15 window(m_book->table(), *m_prompter, platform());
        QVERIFY(showActive(window));
        m_prompter->answers = {false, true};
        QTimer::singleShot(0, [this] {
            auto *editor = qobject_cast<TForm16 *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            auto *remove = named<QPushButton>(*editor, u"Smazat"_s);
            remove->click();
            QCOMPARE(stored(ContactTables::PhoneBook, u"Prijmeni"_s).size(), 5);
            remove->click();
            QCOMPARE(m_prompter->questions.size(), 2);
            QCOMPARE(m_prompter->questions[0].title, u"Smazat ?"_s);
            QCOMPARE(m_prompter->questions[0].text, u"Smazat tento záznam z Tel. seznamu ?"_s);
            QCOMPARE(m_prompter->questions[0].icon, int(Prompter::QuestionMark));
            editor->close();
        });
        window.edit();
        QCOMPARE(stored(ContactTables::PhoneBook, u"Prijmeni"_s),
                 (QStringList{u"NOVOTNÝ Petr"_s, u"novotná Eva"_s, u"Ivanov Igor"_s, u"O'Brien Pat"_s}));
        QCOMPARE(listed(window.browser()->list()).size(), 4);
    }

    // What is typed in the editor is written on every way of closing it,
    // and "Přidat" puts the new entry at the current place.
    void editorWritesTheTyping_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("OK") << u"ok"_s;
        QTest::newRow("Escape") << u"escape"_s;
        QTest::newRow("the close box") << u"close"_s;
    }
    void editorWritesTheTyping()
    {
        QFETCH(QString, way);
        TForm15 window(m_book->table(), *m_prompter, platform());
        QVERIFY(showActive(window));
        QTimer::singleShot(0, [way] {
            auto *editor = qobject_cast<TForm16 *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            QTest::mouseClick(named<QPushButton>(*editor, u"Pridat"_s), Qt::LeftButton); // before the first
            QTest::keyClicks(editor->nameEdit(), u"Zubar"_s);
            QTest::keyClick(editor->nameEdit(), Qt::Key_Tab);
            QTest::keyClicks(editor->numberEdit(), u"541 222"_s);
            if (way == u"ok")
                QTest::mouseClick(named<QPushButton>(*editor, u"OK"_s), Qt::LeftButton);
            else if (way == u"escape")
                QTest::keyClick(editor->numberEdit(), Qt::Key_Escape);
            else
                editor->close();
        });
        window.edit();
        QCOMPARE(stored(ContactTables::PhoneBook, u"Prijmeni"_s),
                 (QStringList{u"Zubar"_s, u"Novák Jan"_s, u"NOVOTNÝ Petr"_s, u"novotná Eva"_s, u"Ivanov Igor"_s,
                              u"O'Brien Pat"_s}));
        QCOMPARE(stored(ContactTables::PhoneBook, u"Telefon"_s).first(), u"541 222"_s);
        QCOMPARE(named<QLabel>(window, u"DBText1"_s)->text(), u"Zubar"_s);
    }

    void areaCodesSearch_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("first");
        QTest::newRow("a town") << u"RadioButton1"_s << u"brn"_s << u"Brno"_s;
        QTest::newRow("a code") << u"RadioButton2"_s << u"02"_s << u"Praha"_s;
    }
    void areaCodesSearch()
    {
        QFETCH(QString, choice);
        QFETCH(QString, text);
        QFETCH(QString, first);
        TDataModule19 codes;
        TForm18 window(codes.table(), *m_prompter);
        QVERIFY(showActive(window));
        const int all = int(listed(window.browser()->list()).size());
        QVERIFY(all > 50);
        searchFor(window, choice, text);
        const QStringList found = listed(window.browser()->list());
        QVERIFY2(!found.isEmpty() && found.size() < all, qPrintable(found.mid(0, 5).join(u", ") + u" of "_s + QString::number(all)));
        QCOMPARE(found.first(), first);
        QCOMPARE(named<QLabel>(window, u"DBText1"_s)->text(), first);
        auto *onOff = named<QCheckBox>(window, u"CheckBox1"_s);
        QTest::mouseClick(onOff, Qt::LeftButton, {}, QPoint(6, onOff->height() / 2));
        QCOMPARE(int(listed(window.browser()->list()).size()), all);
        QVERIFY(named<QPushButton>(window, u"Hledat"_s)->icon().isNull());
    }

    // "Jméno" searches the first names, "Příjmení" the surnames; back from
    // the editor the window shows the entry the editor was on.
    void addresses()
    {
        fill(ContactTables::Addresses, {{u"Jmeno=Jan"_s, u"Prijmeni=Novák"_s, u"Mesto=Brno"_s},
                                        {u"Jmeno=Novomír"_s, u"Prijmeni=Dvořák"_s, u"Mesto=Praha"_s},
                                        {u"Jmeno=Eva"_s, u"Prijmeni=NOVOTNÁ"_s, u"Mesto=Plzeň"_s}});
        TAdresy window(*m_prompter);
        QVERIFY(showActive(window));
        QVERIFY(named<QLineEdit>(window, u"Edit1"_s)->isEnabled()); // usable with the search off
        searchFor(window, u"RadioButton2"_s, u"nov"_s);
        QCOMPARE(listed(window.browser()->list()), (QStringList{u"Novák"_s, u"NOVOTNÁ"_s}));
        searchFor(window, u"RadioButton1"_s, u"nov"_s);
        QCOMPARE(listed(window.browser()->list()), QStringList{u"Dvořák"_s});
        auto *onOff = named<QCheckBox>(window, u"CheckBox1"_s);
        QTest::mouseClick(onOff, Qt::LeftButton, {}, QPoint(6, onOff->height() / 2));
        QCOMPARE(listed(window.browser()->list()).size(), 3);

        m_prompter->answers = {false};
        QTimer::singleShot(0, [this] {
            auto *editor = qobject_cast<TFrmEditAdres *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            QCOMPARE(editor->edits().at(0)->text(), u"Jan"_s);
            QTest::mouseClick(editor->findChild<QWidget *>(u"Posledni"_s), Qt::LeftButton);
            QCOMPARE(editor->edits().at(1)->text(), u"NOVOTNÁ"_s);
            named<QPushButton>(*editor, u"Smazat"_s)->click(); // Ne
            QCOMPARE(m_prompter->questions.last().text, u"Smazat tento záznam z databáze Adres ?"_s);
            QTest::keyClicks(editor->edits().at(2), u"Dlouha 1"_s);
            QTest::mouseClick(named<QPushButton>(*editor, u"Ulozit"_s), Qt::LeftButton);
        });
        window.edit();
        QCOMPARE(named<QLabel>(window, u"DBText2"_s)->text(), u"NOVOTNÁ"_s);
        QCOMPARE(window.browser()->list()->currentIndex().row(), 2);
        QCOMPARE(stored(ContactTables::Addresses, u"Ulice"_s), (QStringList{QString(), QString(), u"Dlouha 1"_s}));
    }

    // The windows are registered, each after its picture screen.
    void registration()
    {
        AppContext &context = AppContext::instance();
        context.reset();
        context.prompter = m_prompter.get();
        registerContacts(context);
        for (const auto &[id, picture] : {std::pair{WindowId::PhoneBook, ScreenPicture::Tel},
                                          std::pair{WindowId::AreaCodes, ScreenPicture::Tel},
                                          std::pair{WindowId::Addresses, ScreenPicture::Adr}}) {
            QVERIFY(context.hasWindow(id));
            QCOMPARE(context.pictureBefore(id), std::optional<ScreenPicture>(picture));
            QVERIFY(context.createWindow(id, nullptr));
        }
        std::unique_ptr<QDialog> book = context.createWindow(WindowId::PhoneBook, nullptr);
        QCOMPARE(book->windowTitle(), u"Databáze telefonního seznamu"_s);
        QCOMPARE(context.createWindow(WindowId::AreaCodes, nullptr)->windowTitle(),
                 u"Předvolby telefonních čísel pro Českou Republiku"_s);
        QCOMPARE(context.createWindow(WindowId::Addresses, nullptr)->windowTitle(), u"Adresy"_s);
        book.reset();
        context.reset();
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<TDataModule14> m_book;
};

QTEST_MAIN(ContactWindowsTest)
#include "tst_contactwindows.moc"
