#include "shell/window/Appearance.h"

#include "core/data/stores/Keys.h"
#include "core/data/stores/SettingsStore.h"

namespace {

constexpr int White = 0xFFFFFF;
constexpr int Blue = 0xFF0000;

// A colour key read, or the gradient's own colour when the key is missing.
void readColour(const SettingsStore &settings, ColorKey key, int &colour)
{
    const int value = settings.read(key);
    if (value != Settings::MissingInteger && value != Settings::MisuseInteger)
        colour = value;
}

void readCount(const SettingsStore &settings, IntKey key, GradientFill &fill)
{
    fill.setColourCount(settings.read(key)); // refuses what is missing or out of range
}

void readBool(const SettingsStore &settings, BoolKey key, bool &value)
{
    value = settings.readBool(QLatin1String(key.name), value);
}

void readText(const SettingsStore &settings, TextKey key, QString &text)
{
    const QString value = settings.read(key);
    if (!SettingsStore::isMissing(value))
        text = value;
}

void readStyle(const SettingsStore &settings, IntKey key, GradientFill &fill)
{
    if (const std::optional<GradientFill::Style> style = GradientFill::styleOfStored(settings.read(key)))
        fill.style = *style;
}

} // namespace

Appearance Appearance::designed()
{
    Appearance look;
    look.buttons.style = GradientFill::Style::DoppelFlash;
    look.window.style = GradientFill::Style::Vertical;
    look.window.endColour = White;
    look.window.setColourCount(100);
    look.background.endColour = Blue;
    look.background.setColourCount(60);
    return look;
}

Appearance Appearance::read(const SettingsStore &settings, const Appearance &base)
{
    Appearance look = base;
    readStyle(settings, Key::BtnStyl, look.buttons);
    readCount(settings, Key::BtnColor, look.buttons);
    readColour(settings, Key::BtnColor1, look.buttons.beginColour);
    readColour(settings, Key::BtnColor2, look.buttons.endColour);

    readColour(settings, Key::OknoCl1, look.window.beginColour);
    readColour(settings, Key::OknoCl2, look.window.endColour);
    readCount(settings, Key::OknoClx, look.window);
    readStyle(settings, Key::OknoStyl, look.window);
    const int form = settings.read(Key::FrmZobr);
    if (form == 0 || form == 1)
        look.windowTexture = form == 1;
    readText(settings, Key::Textura, look.texture);

    readBool(settings, Key::GradientBckg1, look.gradientSurface);
    readColour(settings, Key::BkgStartColor, look.background.beginColour);
    readColour(settings, Key::BkgEndColor, look.background.endColour);
    readCount(settings, Key::BckgColors, look.background);

    readBool(settings, Key::PozadiBckg1, look.picture);
    readText(settings, Key::PozadiPath, look.picturePath);
    return look;
}
