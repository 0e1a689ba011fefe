#include "shell/window/QuickButtonPanel.h"

#include "core/data/stores/Keys.h"
#include "widgets/Hints.h"

#include <QPushButton>

#include <algorithm>

namespace {
// The width the centred places were laid out for, before the window is shown.
constexpr int DesignedClientWidth = 551;
} // namespace

QuickButtonPanel::QuickButtonPanel(QWidget *client) : QObject(client), m_client(client)
{
    for (int n = 1; n <= QuickButtons::Count; ++n) {
        const QuickButtons::Button &row = QuickButtons::button(n);
        auto *button = new QPushButton(QString::fromUtf8(row.caption), client);
        button->setObjectName(QStringLiteral("QuickButton") + QString::number(n));
        button->setFixedSize(QuickButtons::Width, QuickButtons::Height);
        Hints::apply(button, QString::fromUtf8(row.hint));
        button->move(QuickButtons::centredPosition(n, DesignedClientWidth));
        connect(button, &QPushButton::clicked, this, [this, n] { emit clicked(n); });
        m_buttons[std::size_t(n - 1)] = button;
    }
}

std::array<QPoint, QuickButtons::Count> QuickButtonPanel::places() const
{
    std::array<QPoint, QuickButtons::Count> places{};
    for (int n = 1; n <= QuickButtons::Count; ++n)
        places[std::size_t(n - 1)] = button(n)->pos();
    return places;
}

void QuickButtonPanel::moveTo(const std::array<QPoint, QuickButtons::Count> &places)
{
    // A coordinate the settings lack leaves the button where it is.
    for (int n = 1; n <= QuickButtons::Count; ++n) {
        QPushButton *shown = button(n);
        const QPoint place = places[std::size_t(n - 1)];
        shown->move(place.x() == Settings::MissingInteger ? shown->x() : place.x(),
                    place.y() == Settings::MissingInteger ? shown->y() : place.y());
    }
}

void QuickButtonPanel::placeInCentre()
{
    for (int n = 1; n <= QuickButtons::Count; ++n)
        button(n)->move(QuickButtons::centredPosition(n, m_client->width()));
}

void QuickButtonPanel::setShown(const std::array<bool, QuickButtons::Count> &shown)
{
    for (int n = 1; n <= QuickButtons::Count; ++n)
        button(n)->setVisible(shown[std::size_t(n - 1)]);
}

void QuickButtonPanel::keepWithin(QSize area)
{
    for (QPushButton *button : m_buttons) {
        const int left = std::clamp(button->x(), 0, std::max(0, area.width() - button->width()));
        const int top = std::clamp(button->y(), 0, std::max(0, area.height() - button->height()));
        if (left != button->x() || top != button->y())
            button->move(left, top);
    }
}
