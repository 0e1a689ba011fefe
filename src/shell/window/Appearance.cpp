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

Appearance Appearance::read(const SettingsStore &settings)
{
    Appearance look = designed();
    readStyle(settings, Key::BtnStyl, look.buttons);
    look.buttons.setColourCount(settings.read(Key::BtnColor));
    readColour(settings, Key::BtnColor1, look.buttons.beginColour);
    readColour(settings, Key::BtnColor2, look.buttons.endColour);

    readColour(settings, Key::OknoCl1, look.window.beginColour);
    readColour(settings, Key::OknoCl2, look.window.endColour);
    look.window.setColourCount(settings.read(Key::OknoClx));
    readStyle(settings, Key::OknoStyl, look.window);
    look.windowTexture = settings.read(Key::FrmZobr) == 1;
    const QString texture = settings.read(Key::Textura);
    look.texture = SettingsStore::isMissing(texture) ? QString() : texture;

    look.gradientSurface = settings.read(Key::GradientBckg1);
    readColour(settings, Key::BkgStartColor, look.background.beginColour);
    readColour(settings, Key::BkgEndColor, look.background.endColour);
    look.background.setColourCount(settings.read(Key::BckgColors));

    look.picture = settings.read(Key::PozadiBckg1);
    const QString picture = settings.read(Key::PozadiPath);
    look.picturePath = SettingsStore::isMissing(picture) ? QString() : picture;
    return look;
}
