#pragma once

#include "core/app/context/ProgramWindow.h"
#include "core/data/engine/Table.h"
#include "core/data/stores/IniStore.h"
#include "shell/look/MainWindowSettings.h"

#include <array>
#include <memory>

class CaptionBand;
class MainBackground;
class MainCommands;
class MoveHandle;
class ProgramLook;
class StartMenu;
class MainMenus;
class MenuCaptions;
class QLabel;
class QPushButton;
class QSystemTrayIcon;
class QuickButtonPanel;
class SettingsFollower;
class QToolButton;
class ProgramSession;
class TForm26;

// The main window: the menus, the twelve quick buttons, the status bar and
// the tray icon. It reads its settings while it is built and again whenever
// one of them changes, asks for the password and shows the tips at its
// first paint, and writes the quick buttons' places when it goes. What the
// commands do lives in MainCommands.
class THlavni_Formular : public ProgramWindow
{
    Q_OBJECT
public:
    explicit THlavni_Formular(AppContext &context, QWidget *parent = nullptr);
    ~THlavni_Formular() override;

    // Refills the previous-year group submenus from Data\Data01.
    void NastavJmenaStareDatabaze();
    // Routes a hint's status text to the record window while one is shown,
    // otherwise to the second panel of this window's status bar.
    void ShowHint(const QString &statusText);
    // The quick-button rule with `value` as RychloTl.
    void CoRychloTl(bool value);
    // Shows the look a theme holds (the settings dialog stores it after):
    // the quick buttons with their places, the gradients and backgrounds,
    // the "X" menu, the status bar and the title-bar gradient. What the
    // theme lacks, or holds unreadably, stays as it is shown.
    void NactiVzhled(SettingsStore &theme);

    // MainWindowHooks
    void DtVisTrue() override;
    void DtVisFalse() override;
    void setMainStatusText(const QString &text) override;
    // StatusSink: what the table holders report.
    void setStatusText(const QString &text) override { setMainStatusText(text); }
    void setBusy(bool busy) override;

    QPushButton *quickButton(int n) const;
    std::array<QPoint, 12> buttonPlaces() const;
    MainMenus &menus() const { return *m_menus; }
    MainCommands &commands() const { return *m_commands; }
    MenuCaptions &captions() const { return *m_captions; }
    QLabel *statusPanel(int index) const { return m_panels[std::size_t(index)]; }
    QSystemTrayIcon *trayIcon() const { return m_tray; }
    bool firstPaintDone() const { return m_firstPaintDone; }
    const MainWindowSettings &startSettings() const { return m_start; }

    void setShutdownWait(TForm26 *wait) override { m_shutdownWait = wait; }

    // The main window of a session the shell made.
    static THlavni_Formular *of(const ProgramSession &session);

    // The commands the window runs itself.
    void exitProgram();
    void showHelp();
    void showAbout();
    void showTips();
    void restoreFromTray();
    void placeButtonsInCentre();
    // "Manipulace s pozicí tlačítkek": while on, a quick button's click
    // takes it into the move handle instead of running its command.
    void setMovingMode(bool on);
    bool movingMode() const { return m_moving; }
    MainBackground *background() const { return m_client; }
    MoveHandle *moveHandle() const { return m_handle; }
    StartMenu &startMenu() const { return *m_startMenu; }
    CaptionBand *captionBand() const { return m_caption; }
    void systemScreenSaver();
    void ownScreenSaver();
    void shutdownComputer();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildClientArea();
    void buildStatusBar();
    void buildTitleBarButtons();
    void buildTray();
    // Shows what the settings say; moves the quick buttons to their stored
    // places too when `placesToo`.
    void applySettings(bool placesToo);
    void quickButtonClicked(int n);
    void dropMenuAt(QMenu *menu, int n);
    void refreshButtonCaptions();
    void runFirstPaint();
    bool tableGroupShown(int which) const;

    AppContext &m_context;
    IniStore m_settings; // INISet: Penezka.ini, section Nastaveni
    MainWindowSettings m_start;
    Table m_previousNames; // the previous year's item names
    std::unique_ptr<MenuCaptions> m_captions;
    std::unique_ptr<MainCommands> m_commands;
    MainMenus *m_menus = nullptr;
    CaptionBand *m_caption = nullptr;
    MainBackground *m_client = nullptr;
    MoveHandle *m_handle = nullptr;
    StartMenu *m_startMenu = nullptr;
    std::unique_ptr<ProgramLook> m_look;
    bool m_moving = false;
    QuickButtonPanel *m_buttons = nullptr;
    std::array<QLabel *, 2> m_panels{};
    QWidget *m_titleButtons = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
    TForm26 *m_shutdownWait = nullptr;
    SettingsFollower *m_follower = nullptr; // re-applies the settings when they change
    bool m_firstPaintDone = false;
    bool m_busy = false;
    bool m_closing = false;
};
