// The backup windows as the user drives them.
#include "backup/Registration.h"
#include "backup/window/TFrmNeprazdna.h"
#include "backup/window/TFrmOpenZaloha.h"
#include "backup/window/TFrmZaloha.h"
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Clock.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class BackupWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_medium = QDir(m_env->programFolder()).absoluteFilePath(u"../flash"_s);
        QDir().mkpath(m_medium);
    }
    void cleanup()
    {
        AppContext::instance().reset();
        m_env.reset();
    }

    // A run shows its steps: done lines struck through, the last one bold;
    // the chosen folder is named where the texts said "A:" and remembered.
    void backupWindowRun()
    {
        ScriptedPrompter prompter;
        {
            TFrmZaloha window(prompter);
            window.setFolderChooser([this](const QString &) { return m_medium; });
            window.mediumBox()->setCurrentIndex(window.mediumBox()->findText(u"Jiná složka..."_s));
            emit window.mediumBox()->activated(window.mediumBox()->currentIndex());
            QCOMPARE(window.medium(), m_medium);
            QCOMPARE(window.line(0)->text(), u"Kontrola disku "_s + QDir::toNativeSeparators(m_medium));
            QTest::mouseClick(window.findChild<QPushButton *>(u"BtnZaloha"_s), Qt::LeftButton);
            for (int line : {0, 2, 3, 4, 1})
                QVERIFY2(window.line(line)->font().strikeOut(), qPrintable(window.line(line)->text()));
            QVERIFY(window.line(5)->font().bold());
            QVERIFY(QFileInfo(m_medium + u"/Data/Leden.db"_s).isFile());
        }
        QCOMPARE(BackupWindow::offeredMedia().value(0), m_medium);
        TFrmZaloha again(prompter);
        QCOMPARE(again.medium(), m_medium);
    }

    void notEmptyDialogChoices_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::newRow("Pokračovat") << u"Pokracovat"_s << int(BackupView::NotEmpty::Continue);
        QTest::newRow("Vymazat") << u"Vymazat"_s << int(BackupView::NotEmpty::Clear);
        QTest::newRow("Stornovat") << u"Stornovat"_s << int(BackupView::NotEmpty::Cancel);
        QTest::newRow("closed") << QString() << int(BackupView::NotEmpty::Cancel);
    }
    void notEmptyDialogChoices()
    {
        QFETCH(QString, button);
        QFETCH(int, choice);
        TFrmNeprazdna dialog;
        dialog.show();
        if (button.isEmpty())
            dialog.close();
        else
            QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(int(dialog.choice()), choice);
        QVERIFY(!dialog.isVisible());
    }

    // Opening a backup closes the program's tables and opens them again.
    void openingClosesTheTables()
    {
        ScriptedPrompter prompter;
        {
            TFrmZaloha backup(prompter);
            backup.setMedium(m_medium);
            QVERIFY(!backup.makeBackup().failed);
        }
        AppContext &context = AppContext::instance();
        TDataModule6 texts;
        FixedClock clock(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        context.dataModule6 = &texts;
        context.prompter = &prompter;
        context.clock = &clock;
        registerBackup(context);
        QVERIFY(context.hasWindow(WindowId::Backup));
        std::unique_ptr<QDialog> window = context.createWindow(WindowId::OpenBackup, nullptr);
        auto *open = qobject_cast<TFrmOpenZaloha *>(window.get());
        QVERIFY(open);
        QVERIFY(texts.table().isOpen());
        bool closedWhileCopying = false;
        open->setReplaceAnswer([&](const QString &) {
            closedWhileCopying = !texts.table().isOpen();
            return BackupCopy::Replace::YesToAll;
        });
        QVERIFY(!open->openBackup().failed);
        QVERIFY(closedWhileCopying);
        QVERIFY(texts.table().isOpen());
        QVERIFY(open->line(5)->text().startsWith(u"Hotovo. Zavřete program a znovu ho spusťte"_s));
        context.reset();
    }

private:
    std::unique_ptr<TestEnv> m_env;
    QString m_medium;
};

QTEST_MAIN(BackupWindowsTest)
#include "tst_backupwindows.moc"
