#include "core/app/commands/MenuCaptions.h"

using namespace Commands;

namespace {
std::size_t slot(int n) { return static_cast<std::size_t>(qBound(1, n, ItemCount) - 1); }
} // namespace

MenuCaptions::MenuCaptions(QObject *parent) : QObject(parent) { resetToDefaults(); }

void MenuCaptions::resetToDefaults()
{
    for (int g = 1; g <= GroupCount; ++g) {
        Group &group = at(g);
        group.group = group.printGroup = group.previousGroup = defaultGroupCaption(g);
        group.button = defaultButtonCaption(g);
        for (int n = 1; n <= ItemCount; ++n) {
            group.items[slot(n)] = group.printItems[slot(n)] = defaultItemCaption(n);
            for (auto &family : group.graphItems)
                family[slot(n)] = defaultItemCaption(n);
            group.previousItems[slot(n)] = defaultPreviousItemCaption(n);
        }
    }
    emit changed();
}

MenuCaptions::Group &MenuCaptions::at(int group) { return m_groups[group == 2 ? 1 : 0]; }
const MenuCaptions::Group &MenuCaptions::at(int group) const { return m_groups[group == 2 ? 1 : 0]; }

void MenuCaptions::assign(QString &target, const QString &caption)
{
    if (target == caption)
        return;
    target = caption;
    emit changed();
}

QString MenuCaptions::group(int group) const { return at(group).group; }
void MenuCaptions::setGroup(int group, const QString &caption) { assign(at(group).group, caption); }
QString MenuCaptions::printGroup(int group) const { return at(group).printGroup; }
void MenuCaptions::setPrintGroup(int group, const QString &caption) { assign(at(group).printGroup, caption); }
QString MenuCaptions::button(int group) const { return at(group).button; }
void MenuCaptions::setButton(int group, const QString &caption) { assign(at(group).button, caption); }
QString MenuCaptions::item(int group, int n) const { return at(group).items[slot(n)]; }
void MenuCaptions::setItem(int group, int n, const QString &caption) { assign(at(group).items[slot(n)], caption); }

QString MenuCaptions::graphItem(int group, GraphFamily family, int n) const
{
    return at(group).graphItems[static_cast<std::size_t>(graphIndex(family))][slot(n)];
}

void MenuCaptions::setGraphItem(int group, GraphFamily family, int n, const QString &caption)
{
    assign(at(group).graphItems[static_cast<std::size_t>(graphIndex(family))][slot(n)], caption);
}

QString MenuCaptions::printItem(int group, int n) const { return at(group).printItems[slot(n)]; }
void MenuCaptions::setPrintItem(int group, int n, const QString &caption)
{
    assign(at(group).printItems[slot(n)], caption);
}

QString MenuCaptions::previousGroup(int group) const { return at(group).previousGroup; }
void MenuCaptions::setPreviousGroup(int group, const QString &caption) { assign(at(group).previousGroup, caption); }
QString MenuCaptions::previousItem(int group, int n) const { return at(group).previousItems[slot(n)]; }
void MenuCaptions::setPreviousItem(int group, int n, const QString &caption)
{
    assign(at(group).previousItems[slot(n)], caption);
}
