// The search of the contacts on a table, apart from any window.
#include "contacts/book/ContactSearch.h"
#include "contacts/book/ContactTables.h"
#include "core/data/engine/Table.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList shown(Table &table, const QString &field)
{
    QStringList names;
    for (table.first(); !table.eof(); table.next())
        names << table.field(field).asString();
    return names;
}

} // namespace

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_book = std::make_unique<TDataModule14>();
        Table &table = m_book->table();
        table.open();
        const QList<QStringList> rows{{u"Novák Jan"_s, u"603111222"_s}, {u"NOVOTNÝ Petr"_s, u"777603603"_s},
                                      {u"novotná Eva"_s, u"603 444"_s},  {u"Ivanov Igor"_s, u"5603"_s},
                                      {u"Čermák Josef"_s, u"212"_s},     {u"O'Brien Pat"_s, u"604"_s}};
        for (const QStringList &row : rows) {
            table.append();
            table.field(u"Prijmeni"_s).setString(row[0]);
            table.field(u"Telefon"_s).setString(row[1]);
            table.post();
        }
    }
    void cleanup()
    {
        m_book.reset();
        m_env.reset();
    }

    // A prefix match of the chosen field that ignores letter case, Czech
    // letters included; an apostrophe is a letter like any other.
    void prefixSearches_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nov") << u"Prijmeni"_s << u"nov"_s << QStringList{u"Novák Jan"_s, u"NOVOTNÝ Petr"_s, u"novotná Eva"_s};
        QTest::newRow("NOVOTN") << u"Prijmeni"_s << u"NOVOTN"_s << QStringList{u"NOVOTNÝ Petr"_s, u"novotná Eva"_s};
        QTest::newRow("č finds Č") << u"Prijmeni"_s << u"č"_s << QStringList{u"Čermák Josef"_s};
        QTest::newRow("an apostrophe") << u"Prijmeni"_s << u"O'B"_s << QStringList{u"O'Brien Pat"_s};
        QTest::newRow("603 at the start only") << u"Telefon"_s << u"603"_s << QStringList{u"Novák Jan"_s, u"novotná Eva"_s};
        QTest::newRow("nothing") << u"Prijmeni"_s << u"xyz"_s << QStringList{};
        QTest::newRow("an empty text finds all") << u"Prijmeni"_s << QString() << QStringList{
            u"Novák Jan"_s, u"NOVOTNÝ Petr"_s, u"novotná Eva"_s, u"Ivanov Igor"_s, u"Čermák Josef"_s, u"O'Brien Pat"_s};
    }
    void prefixSearches()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        ContactSearch search(m_book->table());
        search.search(field, text);
        QVERIFY(search.isOn());
        QCOMPARE(shown(m_book->table(), u"Prijmeni"_s), found);
    }

    // Off shows all, on again the last search; a new search of the same
    // table (the next opening of a window) starts off, with all shown.
    void switchAndNextOpening()
    {
        Table &table = m_book->table();
        {
            ContactSearch search(table);
            search.setOn(true);
            QCOMPARE(table.recordCount(), 6); // no search yet
            search.search(u"Prijmeni"_s, u"nov"_s);
            QCOMPARE(table.recordCount(), 3);
            search.setOn(false);
            QCOMPARE(table.recordCount(), 6);
            search.setOn(true);
            QCOMPARE(table.recordCount(), 3);
        }
        ContactSearch next(table);
        QVERIFY(!next.isOn());
        QCOMPARE(table.recordCount(), 6);
        next.setOn(true);
        QCOMPARE(table.recordCount(), 6);
    }

    void dialTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dialled");
        QTest::newRow("a number") << u"603 123 456"_s << true;
        QTest::newRow("255 characters") << QString(255, u'1') << true;
        QTest::newRow("256 characters") << QString(256, u'1') << false;
        QTest::newRow("nothing") << u"  "_s << false;
    }
    void dialTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, dialled);
        QCOMPARE(!Dialling::refusal(text).has_value(), dialled);
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<TDataModule14> m_book;
};

QTEST_GUILESS_MAIN(SearchTest)
#include "tst_search.moc"
