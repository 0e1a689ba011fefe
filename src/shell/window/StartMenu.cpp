#include "shell/window/StartMenu.h"

#include "shell/window/MainBackground.h"
#include "widgets/GradientFill.h"
#include "widgets/Label3D.h"
#include "widgets/WindowBackground.h"

#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int StripHeight = 22;
constexpr QSize ButtonSize(88, 27);
constexpr QSize MenuSize(165, 268);
constexpr QSize EntrySize(137, 37);
constexpr int SideStrip = 11; // the gradient down the menu's left side

// The start menu's panel: the shared window background with a white to
// green strip down its left side.
class MenuPanel final : public QWidget
{
public:
    explicit MenuPanel(QWidget *parent) : QWidget(parent)
    {
        GradientFill side;
        side.beginColour = 0xFFFFFF;
        side.endColour = 0x008000;
        side.setColourCount(80);
        m_side.setFill(side);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        WindowBackground::shared().paint(painter, rect());
        painter.drawImage(0, 0, m_side.image(QSize(SideStrip, height())));
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    GradientPicture m_side;
};

const char *const EntryCaptions[7] = {"Databáze", "Grafy", "Skupina dat. 1", "Grafy", "Skupina dat. 2", "Grafy", "Storno"};

} // namespace

StartMenu::StartMenu(MainBackground &area, Menus menus, std::function<QString(int)> groupCaption)
    : QObject(&area), m_area(area), m_groupCaption(std::move(groupCaption))
{
    m_strip = new QWidget(&area);
    m_strip->setObjectName(QStringLiteral("ActiveMenu"));
    watchAsStrip(m_strip);
    // The background hides the button as the mouse crosses it, and a click
    // on it closes the menu.
    area.setMouseTracking(true);
    area.installEventFilter(this);
    connect(&area, &MainBackground::clicked, this, &StartMenu::backgroundClicked);

    m_button = new QPushButton(QStringLiteral("Menu"), &area);
    m_button->setObjectName(QStringLiteral("StartBtn"));
    QFont bold = m_button->font();
    bold.setBold(true);
    m_button->setFont(bold);
    m_button->setFixedSize(ButtonSize);
    m_button->hide();
    connect(m_button, &QPushButton::clicked, this, &StartMenu::open);

    m_menu = new MenuPanel(&area);
    m_menu->setObjectName(QStringLiteral("StartMenu"));
    m_menu->setFixedSize(MenuSize);
    m_menu->hide();
    for (int i = 0; i < 7; ++i) {
        auto *entry = new QPushButton(QString::fromUtf8(EntryCaptions[i]), m_menu);
        entry->setObjectName(QStringLiteral("StartPolozka") + QString::number(i + 1));
        entry->setFixedSize(EntrySize);
        m_entries[std::size_t(i)] = entry;
        if (i == 6) {
            connect(entry, &QPushButton::clicked, this, &StartMenu::cancel);
            continue;
        }
        // The arrow stands out of whatever background the user chose.
        auto *arrow = new Label3D(QStringLiteral("->"), m_menu);
        QFont bold = arrow->font();
        bold.setBold(true);
        arrow->setFont(bold);
        arrow->setObjectName(QStringLiteral("StartSipka") + QString::number(i + 1));
        m_arrows[std::size_t(i)] = arrow;
        QMenu *dropDown = menus[std::size_t(i)];
        connect(entry, &QPushButton::clicked, this, [entry, dropDown] {
            if (dropDown)
                dropDown->popup(entry->mapToGlobal(QPoint(entry->width(), 0)));
        });
    }
    setShown(true, true, true);
    place();
}

void StartMenu::setShown(bool months, bool group1, bool group2)
{
    const bool shown[6] = {months, months, group1, group1, group2, group2};
    int top = 4;
    for (int i = 0; i < 7; ++i) {
        const bool visible = i == 6 || shown[i];
        m_entries[std::size_t(i)]->setVisible(visible);
        if (i < 6)
            m_arrows[std::size_t(i)]->setVisible(visible);
        if (!visible)
            continue;
        m_entries[std::size_t(i)]->move(SideStrip + 2, top);
        if (i < 6)
            m_arrows[std::size_t(i)]->setGeometry(SideStrip + 2 + EntrySize.width() + 1, top, 14, EntrySize.height());
        top += EntrySize.height();
    }
}

void StartMenu::place()
{
    const int height = m_area.height();
    m_strip->setGeometry(0, height - StripHeight, m_area.width(), StripHeight);
    m_button->move(0, height - 49);
    m_menu->move(0, height - 316);
}

void StartMenu::pointerOverStrip()
{
    m_button->show();
    m_button->raise();
}

void StartMenu::pointerOverBackground() { m_button->hide(); }

void StartMenu::open()
{
    m_entries[2]->setText(m_groupCaption(1));
    m_entries[4]->setText(m_groupCaption(2));
    m_menu->show();
    m_menu->raise();
}

void StartMenu::backgroundClicked() { m_menu->hide(); }

void StartMenu::cancel()
{
    m_menu->hide();
    m_button->hide();
}

void StartMenu::watchAsStrip(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool StartMenu::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_area) {
        if (type == QEvent::MouseMove)
            pointerOverBackground();
        else if (type == QEvent::Resize)
            place();
    } else if (type == QEvent::Enter || type == QEvent::MouseMove) {
        pointerOverStrip();
    }
    return QObject::eventFilter(watched, event);
}
