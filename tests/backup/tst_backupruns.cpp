// The two backup runs, step by step, with a view that records what the
// windows would show.
#include "backup/copy/BackupRun.h"
#include "BackupFixture.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Clock.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

using BackupFixture::addTexts;
using BackupFixture::texts;

namespace {

class RecordingView final : public BackupView
{
public:
    void setLine(int line, State state) override { states[line] = state; }
    void setLineText(int line, const QString &text) override { texts[line] = text; }
    bool progress(int, int) override { return true; }
    BackupCopy::Replace askReplace(const QString &) override
    {
        ++replaceQuestions;
        return BackupCopy::Replace::YesToAll;
    }
    NotEmpty askNotEmpty() override
    {
        ++notEmptyQuestions;
        return notEmpty;
    }

    QMap<int, State> states;
    QMap<int, QString> texts;
    NotEmpty notEmpty = NotEmpty::Continue;
    int notEmptyQuestions = 0;
    int replaceQuestions = 0;
};

// Every file below `folder` and its bytes, journals of tables aside.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(u"-wal"_s) || path.endsWith(u"-shm"_s))
            continue;
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[QDir(folder).relativeFilePath(path)] = file.readAll();
    }
    return files;
}



} // namespace

class BackupRunsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_program = m_env->programFolder();
        m_medium = m_env->path(u"../medium"_s);
        QDir().mkpath(m_medium);
    }
    void cleanup() { m_env.reset(); }

    // A backup and its opening: both years in their own folders, byte for
    // byte what the medium holds; the data as they were are kept aside.
    void backupAndItsOpening()
    {
        addTexts(u"Data"_s, u"Leden.db"_s, {u"letos"_s});
        addTexts(u"Data/Data01"_s, u"Leden.db"_s, {u"loni"_s});
        ScriptedPrompter prompter;
        RecordingView view;
        const BackupRun::Outcome made = BackupRun::make(m_program, m_medium, view, prompter);
        QVERIFY(made.finished && !made.failed);
        QCOMPARE(view.notEmptyQuestions, 0); // an empty medium asks nothing
        QCOMPARE(view.states[BackupRun::BackupEnded], BackupView::State::Ended);
        QCOMPARE(prompter.messages.first(), u"Vložte disketu do jednotky "_s + QDir::toNativeSeparators(m_medium));
        QVERIFY(QFileInfo(m_medium + u"/Penezka.ini"_s).isFile());
        QCOMPARE(texts(m_medium + u"/Data"_s, u"Data01/Leden.db"_s), QStringList{u"loni"_s});

        // The user goes on; then opens the backup.
        addTexts(u"Data"_s, u"Leden.db"_s, {u"později"_s});
        const QMap<QString, QByteArray> before = contents(m_program + u"/Data"_s);
        const QMap<QString, QByteArray> onMedium = contents(m_medium + u"/Data"_s);
        FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(15, 30)));
        int closed = 0, reopened = 0;
        const BackupRun::Outcome opened = BackupRun::open(m_program, m_medium, view, prompter, clock,
                                                          {[&] { ++closed; }, [&] { ++reopened; }});
        QVERIFY(opened.finished && !opened.failed);
        QCOMPARE(closed, 1);
        QCOMPARE(reopened, 1);
        for (auto it = onMedium.cbegin(); it != onMedium.cend(); ++it)
            QVERIFY2(contents(m_program + u"/Data"_s).value(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(texts(u"Data"_s, u"Leden.db"_s), QStringList{u"letos"_s});
        QCOMPARE(texts(u"Data/Data01"_s, u"Leden.db"_s), QStringList{u"loni"_s});
        QCOMPARE(opened.safetyFolder, m_program + u"/Zalohy/pred-obnovenim-2026-12-10-1530"_s);
        const QMap<QString, QByteArray> kept = contents(opened.safetyFolder + u"/Data"_s);
        QCOMPARE(QStringList(kept.keys()), QStringList(before.keys()));
        QCOMPARE(texts(u"Zalohy/pred-obnovenim-2026-12-10-1530/Data"_s, u"Leden.db"_s), (QStringList{u"letos"_s, u"později"_s}));
        QVERIFY2(view.texts[BackupRun::Finished].contains(u"Zavřete program a znovu ho spusťte"_s),
                 qPrintable(view.texts[BackupRun::Finished]));
        QCOMPARE(prompter.questions.last().title, u"Další disketa"_s);
    }

    // A medium that holds something: "Stornovat" copies nothing,
    // "Pokračovat" keeps it, "Vymazat" takes only the earlier backup away.
    void mediumThatIsNotEmpty_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("copied");
        QTest::newRow("Stornovat") << int(BackupView::NotEmpty::Cancel) << false;
        QTest::newRow("Pokračovat") << int(BackupView::NotEmpty::Continue) << true;
        QTest::newRow("Vymazat") << int(BackupView::NotEmpty::Clear) << true;
    }
    void mediumThatIsNotEmpty()
    {
        QFETCH(int, choice);
        QFETCH(bool, copied);
        m_env->writeFile(u"../medium/foreign.txt"_s, "the user's own");
        m_env->writeFile(u"../medium/Data/stary.db"_s, "an earlier backup");
        ScriptedPrompter prompter;
        prompter.defaultAnswer = true;
        RecordingView view;
        view.notEmpty = BackupView::NotEmpty(choice);
        BackupRun::make(m_program, m_medium, view, prompter);
        QCOMPARE(view.notEmptyQuestions, 1);
        QCOMPARE(QFileInfo(m_medium + u"/Data/Leden.db"_s).isFile(), copied);
        QCOMPARE(QFileInfo(m_medium + u"/foreign.txt"_s).isFile(), true);
        QCOMPARE(QFileInfo(m_medium + u"/Data/stary.db"_s).isFile(), choice != int(BackupView::NotEmpty::Clear));
        if (!copied)
            QVERIFY(!view.states.contains(BackupRun::CopyingLedgers));
    }

    // A backup taken while a month has posts in its journal holds them.
    void openTableIsBackedUpWhole()
    {
        Table month;
        month.setFolder(u"Data"_s);
        month.setTableName(u"Brezen.db"_s);
        month.open();
        for (int i = 0; i < 30; ++i) {
            month.append();
            month.field(u"Text 80"_s).setString(u"row %1"_s.arg(i));
            month.post();
        }
        ScriptedPrompter prompter;
        RecordingView view;
        QVERIFY(!BackupRun::make(m_program, m_medium, view, prompter).failed);
        QCOMPARE(texts(m_medium + u"/Data"_s, u"Brezen.db"_s).size(), 30);
        QVERIFY(!QFileInfo::exists(m_medium + u"/Data/Brezen.db-wal"_s));
    }

    // A medium without a backup, or with a damaged table, copies nothing
    // and keeps nothing aside; one without "VlDb Data" skips that step.
    void mediaThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("medium");
        QTest::newRow("no Data") << u"none"_s;
        QTest::newRow("a damaged table") << u"damaged"_s;
    }
    void mediaThatCannotBeOpened()
    {
        QFETCH(QString, medium);
        if (medium == u"none")
            m_env->writeFile(u"../medium/photo.jpg"_s, "not a backup");
        else {
            QFile delivered(m_program + u"/Data/Leden.db"_s);
            QVERIFY(delivered.open(QIODevice::ReadOnly));
            QByteArray damaged = delivered.readAll();
            damaged.replace(100, 200, QByteArray(200, '\x5a'));
            m_env->writeFile(u"../medium/Data/Leden.db"_s, damaged);
        }
        const QMap<QString, QByteArray> before = contents(m_program + u"/Data"_s);
        ScriptedPrompter prompter;
        RecordingView view;
        int reopened = 0;
        FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(15, 30)));
        const BackupRun::Outcome outcome = BackupRun::open(m_program, m_medium, view, prompter, clock, {{}, [&] { ++reopened; }});
        QVERIFY(outcome.failed);
        QCOMPARE(reopened, 1);
        QCOMPARE(contents(m_program + u"/Data"_s), before);
        QVERIFY(!QFileInfo::exists(m_program + u"/Zalohy"_s));
        QVERIFY2(prompter.messages.last().contains(medium == u"none" ? u"chybí v ní složka Data"_s : u"je poškozená"_s),
                 qPrintable(prompter.messages.last()));
    }

    void mediumWithoutPersonalData()
    {
        ScriptedPrompter prompter;
        RecordingView view;
        QVERIFY(!BackupRun::make(m_program, m_medium, view, prompter).failed);
        QVERIFY(QDir(m_medium + u"/VlDb Data"_s).removeRecursively());
        addTexts(u"VlDb Data"_s, u"TextData.db"_s, {u"zůstane"_s});
        FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(15, 30)));
        const BackupRun::Outcome outcome = BackupRun::open(m_program, m_medium, view, prompter, clock, {});
        QVERIFY(outcome.finished && !outcome.failed);
        QCOMPARE(view.states[BackupRun::RestoringPersonal], BackupView::State::Normal);
        QCOMPARE(texts(u"VlDb Data"_s, u"TextData.db"_s).last(), u"zůstane"_s);
    }

private:
    std::unique_ptr<TestEnv> m_env;
    QString m_program;
    QString m_medium;
};

QTEST_GUILESS_MAIN(BackupRunsTest)
#include "tst_backupruns.moc"
