#include "settings/window/ColourList.h"

#include "core/data/platform/Prompter.h"
#include "settings/store/SettingsLists.h"
#include "widgets/Colours.h"
#include "widgets/GradientButtonStyle.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

ColourList::ColourList(Prompter &prompter, const QString &name, QWidget *parent) : QWidget(parent), m_prompter(prompter)
{
    setObjectName(name);
    m_list = new QComboBox(this);
    m_list->setObjectName(name + QStringLiteral("Seznam"));
    for (int i = 0; i < SettingsLists::BasicColourCount; ++i) {
        const SettingsLists::NamedColour &colour = SettingsLists::basicColour(i);
        QPixmap swatch(14, 14);
        swatch.fill(Colours::fromValue(colour.value));
        m_list->addItem(QIcon(swatch), QString::fromUtf8(colour.name), colour.value);
    }
    m_list->setCurrentIndex(-1);
    m_other = new QPushButton(QStringLiteral("Jiná"), this);
    m_other->setObjectName(name + QStringLiteral("Jina"));
    m_other->setAutoDefault(false);
    m_other->setProperty(GradientButtonStyle::PlainButton, true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_list, 1);
    row->addWidget(m_other);

    connect(m_list, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            choose(m_list->itemData(index).toInt());
    });
    connect(m_other, &QPushButton::clicked, this, [this] {
        if (const std::optional<int> picked = m_prompter.chooseColor(m_colour.value_or(0)))
            choose(*picked);
    });
}

void ColourList::showColour(std::optional<int> value)
{
    m_colour = value;
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentIndex(value ? SettingsLists::basicColourIndex(*value).value_or(-1) : -1);
    tint();
}

void ColourList::choose(int value)
{
    showColour(value);
    emit chosen(value);
}

void ColourList::tint()
{
    // The button wears the colour; its text stays readable on it.
    QPalette colours = m_other->palette();
    const QColor colour = m_colour ? Colours::fromValue(*m_colour) : QColor();
    if (colour.isValid()) {
        colours.setColor(QPalette::Button, colour);
        colours.setColor(QPalette::ButtonText, colour.lightness() < 128 ? Qt::white : Qt::black);
    } else {
        colours = QPalette();
    }
    m_other->setPalette(colours);
}
