// Saves a picture of the start-up windows, the main window and its small
// dialogs into a folder, drawn offscreen on a copy of the delivered
// program folder, so that they can be looked at without a display.
//
//     grab_windows OUTDIR

#include "backup/window/TFrmNeprazdna.h"
#include "calendar/window/AlarmTray.h"
#include "calendar/window/TForm5.h"
#include "calendar/window/TFrmBudik.h"
#include "calendar/window/TFrmBudikActive.h"
#include "core/data/platform/PlatformServices.h"
#include "backup/window/TFrmOpenZaloha.h"
#include "backup/window/TFrmZaloha.h"
#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "core/app/Program.h"
#include "Subsystems.h"
#include "records/window/TFrmDoplnek.h"
#include "records/window/TFrmHledani.h"
#include "records/window/TFrmPruvodce.h"
#include "records/window/TFrmSkryta.h"
#include "core/app/context/ScreenPicture.h"
#include "core/app/dialogs/TDotazFrm.h"
#include "core/app/dialogs/TForm25.h"
#include "core/app/dialogs/TForm45.h"
#include "core/app/dialogs/TFormLoad.h"
#include "core/app/dialogs/TFrmHeslo.h"
#include "core/app/dialogs/TFrmTipy.h"
#include "core/app/dialogs/TInfoBox.h"
#include "core/app/dialogs/TSporic.h"
#include "shell/window/MainMenus.h"
#include "settings/window/TForm11.h"
#include "shell/window/StartMenu.h"
#include "shell/window/THlavni_Formular.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/ProgramFolder.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "widgets/StarField.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <string>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace {

QString outDir;

void save(QWidget &widget, const char *name)
{
    widget.show();
    QEventLoop settle;
    QTimer::singleShot(80, &settle, &QEventLoop::quit);
    settle.exec();
    const QString file = outDir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    widget.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

} // namespace

int main(int argc, char **argv)
{
    Catalogue::installLayoutCheck();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: grab_windows OUTDIR\n");
        return 2;
    }
    outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);

    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
    if (!ProgramFolder::copyDelivered(ProgramFolder::deliveredFolder(), dir.path()).isEmpty())
        return 1;
    QDir::setCurrent(dir.path());
    IniStore settings(Paths::inProgramFolder(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni));
    settings.write(Key::Tipy, false);
    // With the title-bar gradient, so that the dialogs show their caption band.
    if (qEnvironmentVariableIsSet("GRAB_CAPTION_GRADIENT"))
        settings.write(Key::GradientCaption1, true);

    TFormLoad loading(QStringLiteral("5.6"), 6);
    loading.advance();
    loading.advance();
    loading.advance();
    save(loading, "loading");
    loading.hide();

    AppContext &context = AppContext::instance();
    registerSubsystems(context);
    ProgramSession session(context);
    THlavni_Formular &window = *THlavni_Formular::of(session);
    window.resize(1024, 700);
    save(window, "main");
    // The moving mode, with "Konec" in the move handle.
    window.setMovingMode(true);
    window.quickButton(7)->click();
    save(window, "main_moving");
    window.setMovingMode(false);
    window.startMenu().pointerOverStrip();
    window.startMenu().open();
    save(window, "main_start_menu");
    window.startMenu().cancel();
    QMenu *months = window.menus().menu(MainMenu::Months);
    months->popup(window.mapToGlobal(QPoint(40, 20)));
    save(*months, "menu_databaze");
    months->hide();
    QMenu *popup = window.menus().menu(MainMenu::Popup);
    popup->popup(window.mapToGlobal(QPoint(200, 200)));
    save(*popup, "menu_popup");
    popup->hide();
    // Every other menu of the main window, by its number.
    for (int which = int(MainMenu::X); which <= int(MainMenu::TrayGroup2); ++which) {
        if (which == int(MainMenu::Months) || which == int(MainMenu::Popup))
            continue;
        QMenu *menu = window.menus().menu(MainMenu(which));
        if (!menu)
            continue;
        menu->popup(window.mapToGlobal(QPoint(60, 40)));
        const QByteArray name = "menu_" + QByteArray::number(which);
        save(*menu, name.constData());
        menu->hide();
    }

    TDotazFrm question;
    question.setQuestion(QStringLiteral("Potvrzení"), QStringLiteral("Opravdu chcete smazat vybraný záznam ?"), 1);
    save(question, "question");
    TDotazFrm shortQuestion;
    shortQuestion.setQuestion(QStringLiteral("Dotaz"), QStringLiteral("Smazat ?"), 2);
    save(shortQuestion, "question_short");
    TForm45 picture(ScreenPicture::Kalk);
    save(picture, "picture_kalk");
    TFrmHeslo password(settings);
    save(password, "password");
    TFrmTipy tips(settings, TFrmTipy::Opened::FromMenu, nullptr, 15);
    save(tips, "tips");
    TInfoBox about(QStringLiteral("5.6"), QStringLiteral("3.6"));
    save(about, "about");
    TForm25 shutdown;
    save(shutdown, "shutdown_question");
    TForm26 wait;
    save(wait, "shutdown_wait");
    if (context.dataModule6) {
        Table &texts = context.dataModule6->table();
        for (const char *text : {"Potraviny Billa", "Lékárna", "Benzín", "Nájem"}) {
            texts.append();
            texts.field(QStringLiteral("Text")).setString(QString::fromUtf8(text));
            texts.post();
        }
        texts.first();
        if (std::unique_ptr<QDialog> infoText = context.createWindow(WindowId::InfoText, nullptr))
            save(*infoText, "infotext");
    }
    if (context.dataModule12) {
        context.dataModule12->Soubor(QStringLiteral("Položky2.db"));
        if (std::unique_ptr<QDialog> names = context.createWindow(WindowId::ItemNames, nullptr)) {
            if (auto *box = names->findChild<QLineEdit *>(QStringLiteral("EditSkupina")))
                box->setText(QStringLiteral("Auto"));
            if (auto *box = names->findChild<QLineEdit *>(QStringLiteral("EditPolozka1")))
                box->setText(QStringLiteral("Benzín"));
            save(*names, "itemnames");
            save(window, "main_named");
        }
    }
    {
        Table payments;
        payments.setFolder(QStringLiteral("Data"));
        payments.setTableName(QStringLiteral("PravPl1.db"));
        payments.open();
        const char *rows[][3] = {{"Nájem", "31.12.2030", "-8500"}, {"Pojištění domácnosti", "30.6.2030", "-320"},
                                 {"Spoření", "1.1.2020", "-1000"}};
        for (const auto &row : rows) {
            payments.append();
            payments.field(QStringLiteral("Nazev-Pl")).setString(QString::fromUtf8(row[0]));
            payments.field(QStringLiteral("P-Datum")).setString(QStringLiteral("1.1.2009"));
            payments.field(QStringLiteral("K-Datum")).setString(QString::fromUtf8(row[1]));
            payments.field(QStringLiteral("Castka")).setString(QString::fromUtf8(row[2]));
            payments.field(QStringLiteral("D1")).setBool(true);
            payments.post();
        }
    }
    if (std::unique_ptr<QDialog> paymentsWindow = context.createWindow(WindowId::Payments, nullptr))
        save(*paymentsWindow, "payments");
    if (context.dataModule2) {
        TFrmHledani find(context.dataModule2->table(), 12, false);
        save(find, "find");
        context.dataModule2->Soubor(QStringLiteral("Leden.db"));
        Table &ledger = context.dataModule2->table();
        if (ledger.isOpen()) {
            ledger.append();
            ledger.field(QStringLiteral("Datum")).setString(QStringLiteral("3.1.2009"));
            ledger.field(QStringLiteral("Text 80")).setString(QStringLiteral("Nákup potravin"));
            ledger.field(QStringLiteral("Castka")).setString(QStringLiteral("250"));
            ledger.post();
            TFrmPruvodce wizard(ledger, [] { return QStringList{QStringLiteral("Billa")}; }, *context.prompter, *context.clock);
            wizard.Dalsi();
            wizard.amountBox()->setText(QStringLiteral("-120"));
            save(wizard, "wizard_page2");
            TFrmSkryta hidden(ledger, *context.prompter);
            hidden.amountBox()->setText(QStringLiteral("-50"));
            save(hidden, "hidden_amount");
        }
    }
    // The contacts, with a few entries of their own.
    {
        const auto fill = [](const QString &file, const QList<QStringList> &rows) {
            Table table;
            table.setFolder(QStringLiteral("VlDb Data"));
            table.setTableName(file);
            table.open();
            for (const QStringList &row : rows) {
                table.append();
                for (const QString &pair : row)
                    table.field(pair.section(QLatin1Char('='), 0, 0)).setString(pair.section(QLatin1Char('='), 1));
                table.post();
            }
        };
        fill(QStringLiteral("TelSez.DB"),
             {{QStringLiteral("Prijmeni=Jan Novák"), QStringLiteral("Telefon=603 123 456"), QStringLiteral("Poznamka=Soused z vedlejšího domu")},
              {QStringLiteral("Prijmeni=Marie Dvořáková"), QStringLiteral("Telefon=777 654 321")},
              {QStringLiteral("Prijmeni=Zubní ordinace"), QStringLiteral("Telefon=541 222 333"), QStringLiteral("Poznamka=Po–Čt 7–15")}});
        fill(QStringLiteral("Adresy.db"),
             {{QStringLiteral("Jmeno=Jan"), QStringLiteral("Prijmeni=Novák"), QStringLiteral("Ulice=Lipová 12"),
               QStringLiteral("Mesto=Brno"), QStringLiteral("PSC=602 00"), QStringLiteral("Poznámka=Narozeniny 3. května")},
              {QStringLiteral("Jmeno=Marie"), QStringLiteral("Prijmeni=Dvořáková"), QStringLiteral("Ulice=Husova 5"),
               QStringLiteral("Mesto=Praha 1"), QStringLiteral("PSC=110 00")}});
        for (const auto &[id, name] : {std::pair{WindowId::PhoneBook, "phonebook"}, std::pair{WindowId::AreaCodes, "areacodes"},
                                       std::pair{WindowId::Addresses, "addresses"}}) {
            std::unique_ptr<QDialog> window = context.createWindow(id, nullptr);
            if (!window)
                continue;
            save(*window, name);
            // The editor of each list window that has one.
            if (auto *button = window->findChild<QPushButton *>(QStringLiteral("Upravit"))) {
                QTimer::singleShot(0, [name] {
                    if (QWidget *editor = QApplication::activeModalWidget()) {
                        save(*editor, (std::string(name) + "_editor").c_str());
                        editor->close();
                    }
                });
                button->click();
            }
        }
    }
    // The backup windows, before and after a run to a folder beside the
    // program folder.
    {
        const QString medium = dir.path() + QStringLiteral("/flash");
        QDir().mkpath(medium);
        TFrmZaloha backup(*context.prompter);
        backup.setMedium(medium);
        save(backup, "backup");
        backup.makeBackup();
        save(backup, "backup_after");
        TFrmOpenZaloha opening(*context.prompter, *context.clock, {});
        opening.setMedium(medium);
        opening.setReplaceAnswer([](const QString &) { return BackupCopy::Replace::YesToAll; });
        save(opening, "open_backup");
        opening.openBackup();
        save(opening, "open_backup_after");
        TFrmNeprazdna notEmpty;
        save(notEmpty, "backup_not_empty");
    }
    // The calendar, the alarm settings off and armed, and the ringing alarm.
    {
        TForm5 calendar(*context.clock);
        save(calendar, "calendar");
        if (auto *tray = window.findChild<AlarmTray *>()) {
            std::unique_ptr<QDialog> settings = tray->settingsWindow(false, &window);
            save(*settings, "alarm_settings");
            settings = tray->settingsWindow(true, &window);
            save(*settings, "alarm_settings_armed");
            tray->deactivate();
        }
        TFrmBudikActive ringing(QStringLiteral("Zavolat mamince, má narozeniny"), QString(), *context.clock,
                                PlatformServices::current());
        save(ringing, "alarm_ringing");
    }
    // The settings dialog, page by page.
    if (auto *settingsDialog = qobject_cast<TForm11 *>(context.settingsDialog)) {
        for (int page = 0; page < settingsDialog->pages()->count(); ++page) {
            settingsDialog->pages()->setCurrentIndex(page);
            save(*settingsDialog, ("settings_" + std::to_string(page + 1)).c_str());
        }
        settingsDialog->hide();
    }
    TFrmDoplnek supplement(QStringLiteral("Nákup"));
    save(supplement, "supplement");
    TFrmNahradit replace;
    save(replace, "replace");
    TSporic saver;
    saver.setWindowState(Qt::WindowNoState);
    saver.resize(640, 400);
    for (int i = 0; i < 30; ++i)
        saver.starField()->step();
    save(saver, "screensaver");
    return 0;
}
