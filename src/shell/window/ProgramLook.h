#pragma once

#include "shell/window/Appearance.h"

#include <QImage>
#include <QString>

class MainBackground;
class Prompter;
class SettingsStore;

// Shows the program's look as the settings hold it: the shared window
// background (a gradient, or a texture with its fallback "Textura.bmp"),
// the shared button gradient and the main window's background. Pictures
// are read once a file; one that cannot be read is told about once and
// leaves the bare window.
class ProgramLook
{
public:
    ProgramLook(SettingsStore &settings, Prompter &prompter);

    void apply(const Appearance &look, MainBackground &background);
    // The same from a theme: the texture's fallback is written into it.
    void apply(const Appearance &look, MainBackground &background, SettingsStore &store);

    // The background-picture menu: "Žádné", and "Otevřít..." with its dialog.
    void noPicture(MainBackground &background);
    void choosePicture(MainBackground &background);

    static const QString FallbackTexture; // "Textura.bmp"

private:
    QImage texture(const QString &name, SettingsStore &store);
    QImage picture(const QString &path);

    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_textureName;
    QImage m_texture;
    QString m_picturePath;
    QImage m_picture;
    QString m_toldPicture; // the picture whose failure was told
};
