#include "LedgerFixture.h"

#include "core/data/platform/Clock.h"
#include "core/data/stores/IniStore.h"
#include "records/ledger/LedgerFields.h"
#include "records/window/RecordActivation.h"
#include "records/window/RecordSettings.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {

// Notes what the activation shows, in order.
class RecordingView final : public ActivationView
{
public:
    void setBusy(bool busy) override { calls << (busy ? "busy" : "normal"); }
    void setHiddenCountText(const QString &text) override { calls << "hidden " + text; }
    void setOutOfView(bool outOfView) override { calls << (outOfView ? "out of view" : "in view"); }
    void applyToolbarChoices(const ToolbarChoices &c, RecordKind) override
    {
        QString marks;
        for (bool shown : c.shown)
            marks += shown ? QLatin1Char('1') : QLatin1Char('0');
        calls << "toolbar " + marks;
    }
    void setCaption(const QString &caption) override { calls << "caption " + caption; }
    void setDateChoices(const QStringList &dates) override { calls << "dates " + dates.first() + ".." + dates.last(); }
    void setTodayText(const QString &date) override { calls << "today " + date; }
    void setTextChoices(const QStringList &texts) override { calls << "texts " + texts.join(u','); }
    void setGridBackground(int colour) override { calls << "background " + QString::number(colour); }
    void layoutForWidth() override { calls << "layout for width"; }
    void makeSizeable() override { calls << "sizeable"; }
    void chooseKind(RecordKind kind) override { calls << "kind " + QString::number(int(kind)); }
    void layoutForSize() override { calls << "layout for size"; }
    QStringList calls;
};

} // namespace

class ActivationTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    void stepsInOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("remembers");
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("offeredMonth"); // -1: no offer
        QTest::addColumn<QStringList>("layoutSteps");

        QTest::newRow("month") << 0 << QStringLiteral("Brezen.db") << false << QStringLiteral("SetMesice") << 3
                               << QStringList{"layout for width"};
        QTest::newRow("month, placement remembered") << 0 << QStringLiteral("Prosinec.db") << true
                                                     << QStringLiteral("SetMesice") << 12 << QStringList{"sizeable"};
        QTest::newRow("item of group 1") << 1 << QStringLiteral("Zaznam7.db") << false << QStringLiteral("SetUziv1")
                                         << -1 << QStringList{"layout for width"};
        QTest::newRow("item of group 2") << 2 << QStringLiteral("Zaznam012.db") << true << QStringLiteral("SetUziv1")
                                         << -1 << QStringList{"sizeable"};
        QTest::newRow("previous year") << 4 << QStringLiteral("Data01\\Leden.db") << false
                                       << QStringLiteral("SetUziv1") << -1 << QStringList{"layout for width"};
    }
    void stepsInOrder()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(bool, remembers);
        QFETCH(QString, section);
        IniStore store(m_env->path(QStringLiteral("Penezka.ini")), section);
        store.write(Key::Record::Doplnek, true);
        store.write(Key::Record::Cas1, true);
        store.write(Key::Record::BtnSipky, false);
        store.write(Key::Record::BckgDatabaze, 12345);
        store.write(Key::Record::TextDop, QStringLiteral("auto"));
        auto ledger = openLedger(file);
        appendRows(*ledger, {QStringLiteral(";a;1;2"), QStringLiteral(";b;3")});
        ledger->last();

        RecordSettings settings;
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 3, 1), QTime(8, 0)));
        RecordingView view;
        RecordActivation activation(*ledger, settings, prompter, clock, view);
        activation.setInformationTexts([] { return QStringList{"x", "y"}; });
        int offered = -1;
        activation.setPaymentOffer([&](Table &, int month, Prompter &, const Clock &) {
            offered = month;
            QVERIFY(view.calls.contains(QStringLiteral("kind 0")));
        });
        const RecordActivation::Result result = activation.run(RecordKinds::fromValue(kind), QStringLiteral("titulek"), remembers);

        QCOMPARE(settings.section(), section);
        QTEST(offered, "offeredMonth");
        QCOMPARE(result.automaticSupplement, QStringLiteral("auto"));
        QCOMPARE(result.hiddenCount, 1);
        QCOMPARE(ledger->position(), 0);
        QCOMPARE(column(*ledger, LedgerField::RowNumber), (QStringList{"1", "2"}));
        QCOMPARE(column(*ledger, LedgerField::Supplement), (QStringList{"auto", "auto"}));
        QFETCH(QStringList, layoutSteps);
        QStringList expected{"busy",
                             "hidden 1 skrytých",
                             "out of view",
                             "toolbar 11101111", // the delivered keys, BtnSipky off
                             "caption titulek",
                             "dates 1.3.2009..23.2.2009",
                             "today 1.3.2009",
                             "texts x,y",
                             "background 12345"};
        expected << layoutSteps << QStringLiteral("kind %1").arg(kind);
        if (remembers)
            expected << QStringLiteral("layout for size");
        expected << QStringLiteral("normal") << QStringLiteral("in view");
        QCOMPARE(view.calls, expected);
    }

    void viewComesBackWhenAStepFails()
    {
        Table closed; // never opened: the walks have nothing to do, the offer fails
        closed.setFolder(QStringLiteral("Data"));
        closed.setTableName(QStringLiteral("Leden.db"));
        RecordSettings settings;
        ScriptedPrompter prompter;
        const FixedClock clock;
        RecordingView view;
        RecordActivation activation(closed, settings, prompter, clock, view);
        activation.setPaymentOffer([](Table &, int, Prompter &, const Clock &) { throw std::runtime_error("offer"); });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, activation.run(RecordKind::Month, QStringLiteral("t"), false));
        QCOMPARE(view.calls.mid(view.calls.size() - 2), (QStringList{"normal", "in view"}));
    }

    void monthNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("LEDEN.DB") << QStringLiteral("LEDEN.DB") << 1;
        QTest::newRow("Prosinec.db") << QStringLiteral("Prosinec.db") << 12;
        QTest::newRow("Zaznam1.db") << QStringLiteral("Zaznam1.db") << 1;
        QTest::newRow("ZAZNAM012.DB") << QStringLiteral("ZAZNAM012.DB") << 12;
        QTest::newRow("previous year") << QStringLiteral("Data01\\Unor.db") << 0;
        QTest::newRow("other") << QStringLiteral("Telefon.db") << 0;
    }
    void monthNumbers()
    {
        QFETCH(QString, name);
        QTEST(RecordActivation::monthNumber(name), "number");
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_GUILESS_MAIN(ActivationTest)
#include "tst_activation.moc"
