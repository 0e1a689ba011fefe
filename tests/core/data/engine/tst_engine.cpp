#include "EngineTesting.h"

#include "core/data/catalogue/Holders.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/engine/TableModel.h"
#include "core/data/platform/StatusSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class EngineTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    void opensByFolderAndNameWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expectedFile");
        QTest::newRow("canonical") << "Data" << "Leden.db" << "Data/Leden.db";
        QTest::newRow("upper case") << "DATA" << "LEDEN.DB" << "Data/Leden.db";
        QTest::newRow("previous year with backslash") << "Data" << "Data01\\Leden.db" << "Data/Data01/Leden.db";
        QTest::newRow("previous year, odd case") << "data" << "data01\\zaznam05.DB" << "Data/Data01/Zaznam05.db";
        QTest::newRow("personal folder") << "VlDb Data" << "telsez.db" << "VlDb Data/TelSez.DB";
        QTest::newRow("Czech file name") << "Data" << "POLOŽKY1.DB" << "Data/Položky1.db";
    }
    void opensByFolderAndNameWithoutRegardToCase()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, expectedFile);
        auto table = openLedger(name, folder);
        QVERIFY(table->isOpen());
        QCOMPARE(table->filePath(), m_env->path(expectedFile));
    }

    void cursorStaysOnLastRowAtEof()
    {
        auto table = openLedger();
        QVERIFY(table->eof() && table->bof());
        QCOMPARE(table->position(), -1);
        appendRow(*table, QStringLiteral("a"));
        appendRow(*table, QStringLiteral("b"));
        appendRow(*table, QStringLiteral("c"));
        table->first();
        QVERIFY(table->bof());
        QVERIFY(!table->eof());
        table->prior();
        QVERIFY(table->bof());
        QCOMPARE(table->position(), 0);
        table->next();
        table->next();
        QVERIFY(!table->eof());
        QCOMPARE(table->field(QStringLiteral("Text 80")).asString(), QStringLiteral("c"));
        table->next();
        QVERIFY(table->eof());
        QCOMPARE(table->position(), 2);
        QCOMPARE(table->field(QStringLiteral("Text 80")).asString(), QStringLiteral("c"));
        table->last();
        QVERIFY(table->eof());
        QCOMPARE(table->recordCount(), 3);
    }

    void deleteMovesToNextRow_data()
    {
        QTest::addColumn<int>("deleteAt");
        QTest::addColumn<QString>("currentAfter");
        QTest::addColumn<bool>("eofAfter");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first") << 0 << "b" << false << QStringList{"b", "c"};
        QTest::newRow("middle") << 1 << "c" << false << QStringList{"a", "c"};
        QTest::newRow("last") << 2 << "b" << true << QStringList{"a", "b"};
    }
    void deleteMovesToNextRow()
    {
        QFETCH(int, deleteAt);
        QFETCH(QString, currentAfter);
        QFETCH(bool, eofAfter);
        QFETCH(QStringList, left);
        auto table = openLedger();
        for (const char *text : {"a", "b", "c"})
            appendRow(*table, QString::fromLatin1(text));
        table->moveTo(deleteAt);
        table->remove();
        QCOMPARE(table->field(QStringLiteral("Text 80")).asString(), currentAfter);
        QCOMPARE(table->eof(), eofAfter);
        QCOMPARE(texts(*table), left);
        table->close();
        table->open();
        QCOMPARE(texts(*table), left);
    }

    void deleteOfTheOnlyRowEmptiesTheTable()
    {
        auto table = openLedger();
        appendRow(*table, QStringLiteral("only"));
        table->remove();
        QVERIFY(table->isEmpty());
        QVERIFY(table->eof() && table->bof());
        QVERIFY(table->field(QStringLiteral("Text 80")).asString().isEmpty());
        QVERIFY_THROWS_EXCEPTION(EngineError, table->remove());
    }

    void insertAtCursorKeepsItsPlaceAfterReopening()
    {
        auto table = openLedger();
        for (const char *text : {"a", "b", "c"})
            appendRow(*table, QString::fromLatin1(text));
        table->moveTo(1);
        table->insert();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("before b"));
        table->post();
        QCOMPARE(table->position(), 1);
        table->first();
        table->insert(); // at the very top
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("top"));
        table->post();
        const QStringList expected{"top", "a", "before b", "b", "c"};
        QCOMPARE(texts(*table), expected);
        table->close();
        table->open();
        QCOMPARE(texts(*table), expected);
    }

    void manyInsertsAtOneSpotKeepTheOrder()
    {
        // More inserts at one place than the gaps between order keys allow.
        auto table = openLedger();
        appendRow(*table, QStringLiteral("first"));
        appendRow(*table, QStringLiteral("last"));
        QStringList expected{QStringLiteral("first")};
        for (int i = 0; i < 80; ++i) {
            table->moveTo(1 + i); // always directly before "last"
            table->insert();
            table->field(QStringLiteral("Text 80")).setString(QString::number(i));
            table->post();
            expected << QString::number(i);
        }
        expected << QStringLiteral("last");
        QCOMPARE(texts(*table), expected);
        table->close();
        table->open();
        QCOMPARE(texts(*table), expected);
    }

    void cancelledInsertLeavesNothing()
    {
        auto table = openLedger();
        appendRow(*table, QStringLiteral("a"));
        appendRow(*table, QStringLiteral("b"));
        table->moveTo(1);
        table->insert();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("x"));
        table->cancel();
        QCOMPARE(table->position(), 1);
        QCOMPARE(texts(*table), (QStringList{"a", "b"}));
    }

    void moveAfterEditPostsIt()
    {
        auto table = openLedger();
        appendRow(*table, QStringLiteral("a"));
        appendRow(*table, QStringLiteral("b"));
        table->first();
        table->edit();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("changed"));
        table->next();
        QCOMPARE(table->state(), Table::State::Browse);
        table->close();
        table->open();
        QCOMPARE(texts(*table), (QStringList{"changed", "b"}));
    }

    void postWithoutChangeWritesNothing()
    {
        auto table = openLedger();
        appendRow(*table, QStringLiteral("a"), 10);
        const QString path = table->filePath();
        const QString before = sqlValue(path, QStringLiteral("SELECT count(*) FROM pragma_data_version"));
        Q_UNUSED(before);
        QFileInfo wal(path + QStringLiteral("-wal"));
        const qint64 walSize = wal.size();
        table->first();
        table->edit();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("a"));
        table->field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(10));
        table->post();
        wal.refresh();
        QCOMPARE(wal.size(), walSize);
        table->edit();
        table->field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(11));
        table->post();
        wal.refresh();
        QVERIFY(wal.size() > walSize);
    }

    void bookmarkReturnsAfterFilteredWalk()
    {
        auto table = openLedger();
        for (const char *text : {"nákup", "plat", "nájem", "Nafta", "plyn"})
            appendRow(*table, QString::fromUtf8(text));
        table->setFilterCaseInsensitive(true);
        table->moveTo(3);
        const Table::Bookmark mark = table->bookmark();
        table->setFilterText(QStringLiteral("Text 80 = 'na*'"));
        table->setFiltered(true);
        QCOMPARE(texts(*table), (QStringList{"Nafta"}));
        QVERIFY(table->bookmarkValid(mark));
        table->setFilterText(QStringLiteral("Text 80 = 'pl*'"));
        QVERIFY(!table->bookmarkValid(mark));
        table->setFiltered(false);
        table->gotoBookmark(mark);
        QCOMPARE(table->field(QStringLiteral("Text 80")).asString(), QStringLiteral("Nafta"));
    }

    // Walks, filters and edits keep the stored order whether the identities
    // follow it (rows appended) or not (a row another program put between),
    // and again after the table was emptied and filled.
    void walksKeepTheStoredOrder()
    {
        auto table = openLedger();
        for (const char *text : {"a", "b", "c"})
            appendRow(*table, QString::fromLatin1(text));
        // The cursor's walk and the whole-table read (graphs, reports) see
        // the same rows in the same order.
        auto shownRows = [&] {
            QStringList read;
            table->readShownRows({table->fieldIndex(QStringLiteral("Text 80"))},
                                 [&read](const QVector<QVariant> &row) { read << row.at(0).toString(); });
            const QStringList walked = texts(*table);
            return read == walked ? read : read << QStringLiteral("(walked:)") << walked;
        };
        auto shownWith = [&](const QString &prefix) {
            table->setFilterText(QStringLiteral("Text 80 = '%1*'").arg(prefix));
            table->setFiltered(true);
            const QStringList shown = shownRows();
            table->setFiltered(false);
            return shown;
        };
        QCOMPARE(shownRows(), (QStringList{"a", "b", "c"}));
        QCOMPARE(shownWith(QStringLiteral("b")), (QStringList{"b"}));

        sqlExec(table->filePath(), QStringLiteral("INSERT INTO Leden (\"Text 80\", _poradi) SELECT 'between', _poradi + 1 "
                                                  "FROM Leden WHERE \"Text 80\" = 'a'"));
        table->refresh();
        QCOMPARE(shownRows(), (QStringList{"a", "between", "b", "c"}));
        QCOMPARE(shownWith(QStringLiteral("b")), (QStringList{"between", "b"}));
        table->moveTo(1);
        table->edit();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("mezi"));
        table->post();
        table->moveTo(2);
        QCOMPARE(table->field(QStringLiteral("Text 80")).asString(), QStringLiteral("b"));
        table->setFilterText(QStringLiteral("Text 80 = 'm*'"));
        table->setFiltered(true);
        table->append();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("mez"));
        table->post();
        table->setFiltered(false);
        QCOMPARE(shownRows(), (QStringList{"a", "mezi", "b", "c", "mez"}));

        table->emptyTable();
        for (const char *text : {"x", "y"})
            appendRow(*table, QString::fromLatin1(text));
        QCOMPARE(shownRows(), (QStringList{"x", "y"}));
        QCOMPARE(shownWith(QStringLiteral("y")), (QStringList{"y"}));
        table->close();
        table->open();
        QCOMPARE(shownRows(), (QStringList{"x", "y"}));
    }

    void prefixFilters_data()
    {
        QTest::addColumn<bool>("caseInsensitive");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("accepted");
        const QString name = QStringLiteral("Text 80");
        QTest::newRow("Czech letters fold") << true << "Text 80 = 'č*'" << QStringList{"Čedok", "čaj"};
        QTest::newRow("Czech upper matches lower") << true << "Text 80 = 'ŘE*'" << QStringList{"řezník"};
        QTest::newRow("case sensitive") << false << "Text 80 = 'č*'" << QStringList{"čaj"};
        QTest::newRow("apostrophe inside") << true << "Text 80 = 'O'B*'" << QStringList{"O'Brien", "o'brian"};
        QTest::newRow("apostrophe, whole name") << true << "Text 80 = 'O'Brien*'" << QStringList{"O'Brien"};
        QTest::newRow("empty prefix") << true << "Text 80 = '*'"
                                      << QStringList{"Čedok", "čaj", "řezník", "O'Brien", "o'brian", "Oblek"};
        QTest::newRow("bracketed field") << true << "[Text 80] = 'ob*'" << QStringList{"Oblek"};
        QTest::newRow("no match") << true << "Text 80 = 'zz*'" << QStringList{};
        Q_UNUSED(name);
    }
    void prefixFilters()
    {
        QFETCH(bool, caseInsensitive);
        QFETCH(QString, expression);
        QFETCH(QStringList, accepted);
        auto table = openLedger();
        for (const char *text : {"Čedok", "čaj", "řezník", "O'Brien", "o'brian", "Oblek"})
            appendRow(*table, QString::fromUtf8(text));
        table->setFilterCaseInsensitive(caseInsensitive);
        table->setFilterText(expression);
        table->setFiltered(true);
        QCOMPARE(texts(*table), accepted);
        QCOMPARE(table->recordCount(), accepted.size());
    }

    void predicateFilter()
    {
        auto table = openLedger();
        for (int i = 1; i <= 6; ++i)
            appendRow(*table, QString::number(i), i % 2 ? -i : i);
        table->setFilter([](const Table &t) { return t.field(QStringLiteral("Castka")).asMoney() > Money(); });
        table->setFiltered(true);
        QCOMPARE(texts(*table), (QStringList{"2", "4", "6"}));
    }

    void badFilterTextIsRefused()
    {
        auto table = openLedger();
        QVERIFY_THROWS_EXCEPTION(EngineError, table->setFilterText(QStringLiteral("Text 80 like x")));
    }

    void twoHoldersOnOneFile()
    {
        auto first = openLedger();
        auto second = openLedger(QStringLiteral("LEDEN.DB"));
        appendRow(*first, QStringLiteral("from first"), 5);
        second->close();
        second->open();
        QCOMPARE(texts(*second), (QStringList{"from first"}));
        second->first();
        second->edit();
        second->field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(7));
        second->post();
        first->refresh();
        first->first();
        QCOMPARE(first->field(QStringLiteral("Castka")).asMoney(), Money::fromCrowns(7));
        // A row deleted under the other holder reads empty, never crashes.
        second->remove();
        first->first();
        QVERIFY(first->field(QStringLiteral("Text 80")).asString().isEmpty());
        first->refresh();
        QVERIFY(first->isEmpty());
    }

    void typedFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("asString");
        QTest::addColumn<QString>("display");
        QTest::newRow("money") << "Castka" << "1234,5" << "1234,5" << "1\u00a0234,50 Kč";
        QTest::newRow("money with Kč") << "Castka" << "-1 234,56 Kč" << "-1234,56" << "-1\u00a0234,56 Kč";
        QTest::newRow("money ten-thousandths") << "Cena" << "0,0001" << "0,0001" << "0,00 Kč";
        QTest::newRow("date") << "Datum" << "31.1.2009" << "31.1.2009" << "31.1.2009";
        QTest::newRow("number") << "Cislo" << "255" << "255" << "255";
        QTest::newRow("number with comma") << "Cislo" << "12,25" << "12,25" << "12,25";
        QTest::newRow("short") << "Kratky - Short" << "42" << "42" << "42";
        QTest::newRow("text cut to 80") << "Text 80" << QString(100, QLatin1Char('x')) << QString(80, QLatin1Char('x'))
                                        << QString(80, QLatin1Char('x'));
        QTest::newRow("supplement cut to 100") << "Text 2 100" << QString(150, QChar(0x0161))
                                               << QString(100, QChar(0x0161)) << QString(100, QChar(0x0161));
        QTest::newRow("memo is not cut") << "Memo Polozka 10" << QString(300, QLatin1Char('m'))
                                         << QString(300, QLatin1Char('m')) << QString(300, QLatin1Char('m'));
        QTest::newRow("empty text is null") << "Text 80" << "" << "" << "";
    }
    void typedFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, input);
        QFETCH(QString, asString);
        QFETCH(QString, display);
        auto table = openLedger();
        table->append();
        table->field(field).setString(input);
        table->post();
        table->close();
        table->open();
        table->first();
        QCOMPARE(table->field(field).asString(), asString);
        QCOMPARE(table->field(field).displayText(), display);
        QCOMPARE(table->field(field).isNull(), input.isEmpty());
    }

    void badTextForATypedFieldIsRefused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("input");
        QTest::newRow("money") << "Castka" << "12a";
        QTest::newRow("date") << "Datum" << "31.2.2009";
        QTest::newRow("number") << "Cislo" << "abc";
        QTest::newRow("short") << "Kratky - Short" << "1,5";
    }
    void badTextForATypedFieldIsRefused()
    {
        QFETCH(QString, field);
        QFETCH(QString, input);
        auto table = openLedger();
        table->append();
        QVERIFY_THROWS_EXCEPTION(EngineError, table->field(field).setString(input));
        QCOMPARE(table->state(), Table::State::Insert);
        table->cancel();
    }

    void moneyIsExact()
    {
        auto table = openLedger();
        for (int i = 0; i < 1000; ++i) {
            table->append();
            table->field(QStringLiteral("Castka")).setString(QStringLiteral("0,1"));
            table->post();
        }
        Money sum;
        for (table->first(); !table->eof(); table->next())
            sum += table->field(QStringLiteral("Castka")).asMoney();
        QCOMPARE(sum, Money::fromCrowns(100));
    }

    void unusedFieldsStayEmpty()
    {
        auto table = openLedger();
        table->append();
        table->field(QStringLiteral("Text 80")).setString(QStringLiteral("x"));
        table->field(QStringLiteral("Datum")).setDate(QDate(2009, 1, 31));
        table->field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(1));
        table->field(QStringLiteral("Text 2 100")).setString(QStringLiteral("y"));
        table->field(QStringLiteral("Cislo")).setDouble(255);
        table->field(QStringLiteral("Cena")).setMoney(Money::fromCrowns(2));
        table->field(QStringLiteral("Kratky - Short")).setInteger(1);
        table->field(QStringLiteral("Memo Polozka 10")).setString(QStringLiteral("hidden"));
        table->post();
        table->close();
        table->open();
        for (int i = 0; i < table->fields().size(); ++i) {
            const QString name = table->fields().at(i).name;
            const bool used = i < 7 || i == 15;
            if (name == QLatin1String("Autoincrement"))
                QCOMPARE(table->field(i).asInteger(), 1); // numbered by the engine
            else
                QVERIFY2(table->field(i).isNull() != used, qPrintable(name));
        }
    }

    void batchIsAllOrNothing()
    {
        auto table = openLedger();
        appendRow(*table, QStringLiteral("kept"));
        table->beginBatch();
        appendRow(*table, QStringLiteral("x"));
        appendRow(*table, QStringLiteral("y"));
        table->rollbackBatch();
        QCOMPARE(texts(*table), (QStringList{"kept"}));
        table->beginBatch();
        appendRow(*table, QStringLiteral("x"));
        table->commitBatch();
        table->close();
        table->open();
        QCOMPARE(texts(*table), (QStringList{"kept", "x"}));
    }

    void eventsFireAroundOperations()
    {
        auto table = openLedger();
        QStringList events;
        connect(table.get(), &Table::beforeInsert, this, [&] { events << QStringLiteral("beforeInsert"); });
        connect(table.get(), &Table::afterInsert, this, [&] { events << QStringLiteral("afterInsert"); });
        connect(table.get(), &Table::beforePost, this, [&] { events << QStringLiteral("beforePost"); });
        connect(table.get(), &Table::afterPost, this, [&] { events << QStringLiteral("afterPost"); });
        connect(table.get(), &Table::beforeScroll, this, [&] { events << QStringLiteral("beforeScroll"); });
        connect(table.get(), &Table::afterScroll, this, [&] {
            events << QStringLiteral("afterScroll ") + table->field(QStringLiteral("Text 80")).asString();
        });
        appendRow(*table, QStringLiteral("a"));
        appendRow(*table, QStringLiteral("b"));
        table->first();
        QCOMPARE(events, (QStringList{"beforeInsert", "afterInsert", "beforePost", "afterPost", "beforeInsert",
                                      "afterInsert", "beforePost", "afterPost", "beforeScroll", "afterScroll a"}));
    }

    void controlsAreHeldBackWhileDisabled()
    {
        auto table = openLedger();
        QSignalSpy resets(table.get(), &Table::controlsReset);
        QSignalSpy moves(table.get(), &Table::controlsCurrentChanged);
        table->disableControls();
        table->disableControls();
        appendRow(*table, QStringLiteral("a"));
        appendRow(*table, QStringLiteral("b"));
        table->first();
        table->enableControls();
        QCOMPARE(resets.count(), 0);
        table->enableControls();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(moves.count(), 0);
    }

    void holderErrorWordsComeFirst_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("word");
        QTest::newRow("delete") << "delete"
                                << "Chyba ve výmazu";
        QTest::newRow("edit") << "edit"
                              << "Chyba Editace";
    }
    void holderErrorWordsComeFirst()
    {
        QFETCH(QString, operation);
        QFETCH(QString, word);
        ScriptedPrompter prompter;
        TDataModule2 holder(StatusSink::none(), prompter);
        if (operation == QLatin1String("delete")) {
            holder.Soubor(QStringLiteral("Leden.db"));
            QVERIFY_THROWS_EXCEPTION(EngineError, holder.table().remove());
        } else {
            QVERIFY_THROWS_EXCEPTION(EngineError, holder.table().edit()); // not open
        }
        QCOMPARE(prompter.messages, QStringList{word});
    }

    void modelEditsAndPostsWhenLeavingTheRow()
    {
        auto table = openLedger();
        appendRow(*table, QStringLiteral("a"), 1);
        appendRow(*table, QStringLiteral("b"), 2);
        TableModel model(*table, {QStringLiteral("Datum"), QStringLiteral("Text 80"), QStringLiteral("Castka")});
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("2,00 Kč"));
        QVERIFY(model.setData(model.index(0, 1), QStringLiteral("edited")));
        QCOMPARE(table->state(), Table::State::Edit);
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("edited"));
        QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("32.13.2009")));
        model.setCurrentRow(1);
        QCOMPARE(table->state(), Table::State::Browse);
        QCOMPARE(sqlValue(table->filePath(), QStringLiteral("SELECT \"Text 80\" FROM Leden ORDER BY _poradi LIMIT 1")),
                 QStringLiteral("edited"));
        // A row being inserted shows in the grid, and goes when cancelled.
        table->insert();
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(model.data(model.index(1, 1)).toString().isEmpty());
        table->cancel();
        QCOMPARE(model.rowCount(), 2);
        table->remove();
        QCOMPARE(model.rowCount(), 1);
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_GUILESS_MAIN(EngineTest)

#include "tst_engine.moc"
