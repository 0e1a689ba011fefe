#pragma once

#include "widgets/GradientFill.h"

#include <QString>

class SettingsStore;

// The gradients and pictures of the program's look, as Penezka.ini (or a
// theme) holds them: the shared button gradient, the shared window
// background PozadiOkna, the main window's background gradient
// Background1 with its surface FillBckg1, and the stretched picture
// Pozadi.
struct Appearance
{
    GradientFill buttons;    // BtnStyl, BtnColor, BtnColor1, BtnColor2
    GradientFill window;     // OknoCl1, OknoCl2, OknoClx, OknoStyl
    bool windowTexture = false; // FrmZobr: 0 the gradient, 1 the texture
    QString texture;            // Textura
    GradientFill background; // Background1: BkgStartColor, BkgEndColor, BckgColors
    bool gradientSurface = false; // GradientBckg1
    bool picture = false;         // PozadiBckg1
    QString picturePath;          // PozadiPath

    static Appearance designed();
    // `settings` over `base`: a key missing or out of range keeps the
    // value of `base`.
    static Appearance read(const SettingsStore &settings, const Appearance &base = designed());
};
