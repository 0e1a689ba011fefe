#pragma once

#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"

#include <QDialog>
#include <vector>

class AppContext;
class ColourList;
class LedLamp;
class Prompter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

// The settings dialog "Nastavení": six pages of switches, colours and
// gradients, the appearance themes and the start-up password. Every change
// is stored at once and the main window follows the settings file; there
// is no cancel. Made once at start-up, shown without waiting, hidden on
// close; every activation fills the controls from the file again.
class TForm11 : public QDialog
{
    Q_OBJECT
public:
    TForm11(AppContext &context, Prompter &prompter, QWidget *parent = nullptr);

    // FormActivate: every control from the settings file.
    void fill();

    QTabWidget *pages() const { return m_pages; }
    QCheckBox *check(BoolKey key) const;
    ColourList *colourList(ColorKey key) const;
    QComboBox *buttonStyle() const { return m_buttonStyle; }
    QComboBox *windowStyle() const { return m_windowStyle; }
    QComboBox *windowForm() const { return m_windowForm; }
    QSpinBox *countBox(IntKey key) const;
    QPushButton *button(const QString &objectName) const;
    QLineEdit *password(int which) const { return which == 0 ? m_password : m_passwordAgain; }
    LedLamp *lamp() const { return m_lamp; }

    // The group "Témata vzhledu :" and "Otevřít BMP".
    void saveTheme();
    void openTheme();
    void standardTheme();
    void openTexture();
    // The password buttons.
    void savePassword();
    void cancelPassword();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Check
    {
        BoolKey key;
        QCheckBox *box;
    };
    struct Colour
    {
        ColorKey key;
        ColourList *list;
    };
    struct Count
    {
        IntKey key;
        QSpinBox *box;
        int shownWhenMissing;
    };

    QWidget *menuPage();
    QWidget *displayPage();
    QWidget *titleBarPage();
    QWidget *buttonsPage();
    QWidget *windowsPage();
    QWidget *otherPage();
    QCheckBox *addCheck(BoolKey key, const QString &caption, QWidget *parent);
    ColourList *addColour(ColorKey key, QWidget *parent);
    QSpinBox *addCount(IntKey key, int shownWhenMissing, QWidget *parent);
    QComboBox *addStyle(IntKey key, const QString &name, QWidget *parent);
    void checkToggled(BoolKey key, bool on);
    void applyTheme(const QString &path);
    void refreshCaption();
    IniStore &settings();

    AppContext &m_context;
    Prompter &m_prompter;
    IniStore m_settings; // INISet
    QTabWidget *m_pages = nullptr;
    QWidget *m_captionBand = nullptr;
    std::vector<Check> m_checks;
    std::vector<Colour> m_colours;
    std::vector<Count> m_counts;
    QComboBox *m_buttonStyle = nullptr;
    QComboBox *m_windowStyle = nullptr;
    QComboBox *m_windowForm = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_passwordAgain = nullptr;
    LedLamp *m_lamp = nullptr;
    bool m_filling = false;
};
