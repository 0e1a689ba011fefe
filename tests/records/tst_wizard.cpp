// The add-item wizard.
#include "LedgerFixture.h"

#include "core/data/platform/Clock.h"
#include "records/ledger/LedgerFields.h"
#include "records/window/TFrmPruvodce.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

Q_DECLARE_METATYPE(WizardEntry::Placement)

class WizardTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    // The three placements, from the second record (or an empty table).
    void placements_data()
    {
        QTest::addColumn<WizardEntry::Placement>("placement");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("append, chosen at start") << WizardEntry::Placement::Append << "" << false << QStringList{"a", "b", "novy"};
        QTest::newRow("insert above the current") << WizardEntry::Placement::Insert << "RbNad" << false
                                                  << QStringList{"a", "novy", "b"};
        QTest::newRow("overwrite the current") << WizardEntry::Placement::Overwrite << "RbPrepsat" << false
                                               << QStringList{"a", "novy"};
        QTest::newRow("overwrite in an empty table") << WizardEntry::Placement::Overwrite << "RbPrepsat" << true
                                                     << QStringList{"novy"};
    }
    void placements()
    {
        QFETCH(QString, radio);
        QFETCH(bool, empty);
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        if (!empty) {
            appendRows(*ledger, {QStringLiteral("1.2.2009;a;1"), QStringLiteral("2.2.2009;b;2")});
            ledger->moveTo(1);
        }
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 2, 20), QTime(9, 0)));
        TFrmPruvodce wizard(*ledger, [] { return QStringList{"Billa", "Lidl"}; }, prompter, clock);
        if (!radio.isEmpty())
            wizard.findChild<QRadioButton *>(radio)->setChecked(true);
        QTEST(wizard.placement(), "placement");
        wizard.Dalsi();
        QCOMPARE(wizard.page(), 1);
        QCOMPARE(wizard.dateBox()->text(), QStringLiteral("20.2.2009"));
        QCOMPARE(wizard.textBox()->count(), 2);
        QCOMPARE(wizard.textBox()->itemText(1), QStringLiteral("Lidl"));
        wizard.textBox()->setEditText(QStringLiteral("novy"));
        wizard.supplementBox()->setText(QStringLiteral("dopl"));
        wizard.amountBox()->setText(QStringLiteral("-12,5"));
        wizard.Dalsi();
        wizard.Dalsi();
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QTEST(column(*ledger, LedgerField::Text), "texts");
        const int row = int(column(*ledger, LedgerField::Text).indexOf(QStringLiteral("novy")));
        ledger->moveTo(row);
        QCOMPARE(ledger->field(LedgerField::Date).asString(), QStringLiteral("20.2.2009"));
        QCOMPARE(ledger->field(LedgerField::Amount).asString(), QStringLiteral("-12,5"));
        QCOMPARE(ledger->field(LedgerField::Supplement).asString(), QStringLiteral("dopl"));
        QCOMPARE(ledger->field(LedgerField::Colour).asInteger(), 0); // no colour chosen: black
    }

    // A date that is no date: told, nothing written, the wizard stays.
    void badDateWritesNothing()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        appendRows(*ledger, {QStringLiteral("1.2.2009;a;1")});
        ScriptedPrompter prompter;
        const FixedClock clock(QDateTime(QDate(2009, 2, 20), QTime(9, 0)));
        TFrmPruvodce wizard(*ledger, {}, prompter, clock);
        wizard.Dalsi();
        wizard.dateBox()->setText(QStringLiteral("31.2.2009"));
        wizard.Dalsi();
        wizard.Dalsi();
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY2(prompter.messages.first().contains(QStringLiteral("platné datum")), qPrintable(prompter.messages.first()));
        QCOMPARE(wizard.result(), 0);
        QCOMPARE(wizard.page(), 2);
        QCOMPARE(ledger->recordCount(), 1);
        QCOMPARE(ledger->state(), Table::State::Browse);
    }

    // The colour chosen applies; going back and on shows the number 0 again
    // while the colour stays.
    void colourPage()
    {
        auto ledger = openLedger(QStringLiteral("Unor.db"));
        ScriptedPrompter prompter;
        prompter.colors = {255};
        const FixedClock clock(QDateTime(QDate(2009, 2, 20), QTime(9, 0)));
        TFrmPruvodce wizard(*ledger, {}, prompter, clock);
        wizard.Dalsi();
        wizard.Dalsi();
        wizard.NastavitBarvu();
        QCOMPARE(wizard.colourNumber()->intValue(), 255);
        wizard.Predchozi();
        QCOMPARE(wizard.page(), 1);
        wizard.Dalsi();
        QCOMPARE(wizard.colourNumber()->intValue(), 0);
        QCOMPARE(wizard.colour(), 255);
        wizard.Dalsi();
        ledger->first();
        QCOMPARE(ledger->field(LedgerField::Colour).asInteger(), 255);
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
