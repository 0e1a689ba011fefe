#include "widgets/Colours.h"

#include "core/data/stores/SettingsStore.h"

#include <QPalette>

namespace {

struct NamedColour
{
    const char *name;
    qint64 value;
};

constexpr qint64 System = 0x80000000LL;

// The colour names of the colour texts: the standard colours, then the
// system colours by their index.
constexpr NamedColour Names[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clScrollBar", System + 0}, {"clBackground", System + 1}, {"clActiveCaption", System + 2},
    {"clInactiveCaption", System + 3}, {"clMenu", System + 4}, {"clWindow", System + 5},
    {"clWindowFrame", System + 6}, {"clMenuText", System + 7}, {"clWindowText", System + 8},
    {"clCaptionText", System + 9}, {"clActiveBorder", System + 10}, {"clInactiveBorder", System + 11},
    {"clAppWorkSpace", System + 12}, {"clHighlight", System + 13}, {"clHighlightText", System + 14},
    {"clBtnFace", System + 15}, {"clBtnShadow", System + 16}, {"clGrayText", System + 17},
    {"clBtnText", System + 18}, {"clInactiveCaptionText", System + 19}, {"clBtnHighlight", System + 20},
    {"cl3DDkShadow", System + 21}, {"cl3DLight", System + 22}, {"clInfoText", System + 23},
    {"clInfoBk", System + 24},
};

// The desktop's colour for a system colour index.
QColor systemColour(int index, const QPalette &palette)
{
    switch (index) {
    case 0: case 4: case 10: case 11: case 12: case 15: return palette.color(QPalette::Button);
    case 1: case 5: return palette.color(QPalette::Base);
    case 2: case 13: return palette.color(QPalette::Highlight);
    case 3: return palette.color(QPalette::Inactive, QPalette::Highlight);
    case 6: case 21: return palette.color(QPalette::Shadow);
    case 7: case 8: return palette.color(QPalette::WindowText);
    case 9: case 14: return palette.color(QPalette::HighlightedText);
    case 16: return palette.color(QPalette::Dark);
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return palette.color(QPalette::Light);
    case 22: return palette.color(QPalette::Midlight);
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

namespace Colours {

QColor fromValue(int v)
{
    if (v < 0)
        return QColor();
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int toValue(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QColor resolve(int value, const QPalette &palette)
{
    if (value >= 0)
        return fromValue(value);
    return systemColour(value & 0xFF, palette);
}

std::optional<int> fromText(const QString &text)
{
    const QString name = text.trimmed();
    for (const NamedColour &colour : Names) {
        if (name.compare(QLatin1String(colour.name), Qt::CaseInsensitive) == 0)
            return int(quint32(colour.value));
    }
    return SettingsStore::parseInteger(name.toLatin1());
}

} // namespace Colours
