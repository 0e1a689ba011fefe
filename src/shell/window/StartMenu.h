#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class MainBackground;
class QMenu;
class QPushButton;
class QWidget;

// The start strip `ActiveMenu` along the bottom of the main window, the
// start button `StartBtn` ("Menu") that shows while the mouse is over the
// strip or the status bar, and the start menu `StartMenu` it opens: the
// table groups' menus and their graphs, each dropping to the right.
class StartMenu : public QObject
{
    Q_OBJECT
public:
    // The six drop-down menus, in the entries' order: months, month graphs,
    // group 1, its graphs, group 2, its graphs.
    using Menus = std::array<QMenu *, 6>;
    // `groupCaption(g)`: the caption of quick button 4 (g = 1) or 9 (g = 2).
    StartMenu(MainBackground &area, Menus menus, std::function<QString(int)> groupCaption);

    QWidget *strip() const { return m_strip; }
    QPushButton *button() const { return m_button; }
    QWidget *menu() const { return m_menu; }
    // Entry 0-6 ("Storno" last).
    QPushButton *entry(int index) const { return m_entries[std::size_t(index)]; }

    // The entries of the months and the two groups, as their switches say.
    void setShown(bool months, bool group1, bool group2);
    // The places after a resize: from the bottom of the client area.
    void place();

    // The mouse over this widget shows the button as over the strip (the
    // status bar).
    void watchAsStrip(QWidget *widget);
    // The mouse over the strip or the status bar, or over the background.
    void pointerOverStrip();
    void pointerOverBackground();
    // "Menu", a click on the background, "Storno".
    void open();
    void backgroundClicked();
    void cancel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainBackground &m_area;
    std::function<QString(int)> m_groupCaption;
    QWidget *m_strip = nullptr;
    QPushButton *m_button = nullptr;
    QWidget *m_menu = nullptr;
    std::array<QPushButton *, 7> m_entries{};
    std::array<QWidget *, 6> m_arrows{};
};
