#include "shell/window/ProgramLook.h"

#include "core/data/platform/Paths.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/SettingsStore.h"
#include "shell/window/MainBackground.h"
#include "widgets/DialogFrame.h"
#include "widgets/GradientButtonStyle.h"
#include "widgets/WindowBackground.h"

#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

const QString ProgramLook::FallbackTexture = QStringLiteral("Textura.bmp");

namespace {

const QString PictureFilter = QStringLiteral(
    "Všechny (*.jpeg *.jpg *.dib *.gif *.bmp *.emf *.wmf);;JPEG Soubory (*.jpeg);;JPEG Soubory (*.jpg);;"
    "Device Independent Bitmap (*.dib);;GIF Soubory (*.gif);;Bitmapy (*.bmp);;Enhanced Metafiles (*.emf);;"
    "Metafiles (*.wmf);;Všechny Soubory (*.*)");

// A relative name is read from the program folder.
QImage read(const QString &name)
{
    if (name.isEmpty())
        return QImage();
    QImageReader reader(Paths::inProgramFolder(name));
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

ProgramLook::ProgramLook(SettingsStore &settings, Prompter &prompter) : m_settings(settings), m_prompter(prompter)
{
    DialogFrame::setBackgroundPainter(
        [](QPainter &painter, QWidget &window) { WindowBackground::shared().paint(painter, window.rect()); });
}

void ProgramLook::apply(const Appearance &look, MainBackground &background) { apply(look, background, m_settings); }

void ProgramLook::apply(const Appearance &look, MainBackground &background, SettingsStore &store)
{
    GradientButtonStyle::apply(look.buttons);
    if (look.windowTexture)
        WindowBackground::shared().setTexture(texture(look.texture, store));
    else
        WindowBackground::shared().setGradient(look.window);
    for (QWidget *window : QApplication::topLevelWidgets())
        window->update();

    background.setGradient(look.background);
    background.setSurface(look.gradientSurface || background.crossHatch());
    background.setPicture(look.picture ? picture(look.picturePath) : QImage());
}

QImage ProgramLook::texture(const QString &name, SettingsStore &store)
{
    if (name == m_textureName)
        return m_texture;
    m_textureName = name;
    m_texture = read(name);
    if (m_texture.isNull() && name != FallbackTexture) {
        // The texture that cannot be read gives way to the delivered one.
        m_prompter.message(QStringLiteral("Nedá se otevřít obrázek textury !"));
        m_textureName = FallbackTexture;
        m_texture = read(FallbackTexture);
        store.write(Key::Textura, FallbackTexture);
    }
    return m_texture;
}

QImage ProgramLook::picture(const QString &path)
{
    if (path == m_picturePath)
        return m_picture;
    m_picturePath = path;
    m_picture = read(path);
    if (m_picture.isNull() && !path.isEmpty() && path != m_toldPicture) {
        m_toldPicture = path;
        m_prompter.message(QStringLiteral("Obrázek pozadí se nedá otevřít:\n") + QDir::toNativeSeparators(path) +
                           QStringLiteral("\nHlavní okno zůstane bez obrázku."));
    }
    return m_picture;
}

void ProgramLook::noPicture(MainBackground &background)
{
    background.setPicture(QImage());
    m_settings.write(Key::PozadiBckg1, false);
}

void ProgramLook::choosePicture(MainBackground &background)
{
    const QString folder = m_picturePath.isEmpty() ? QString() : QFileInfo(Paths::inProgramFolder(m_picturePath)).absolutePath();
    const QString chosen =
        m_prompter.openFileName(QStringLiteral("Obrázek pro pozadí Hlavního okna"), folder, PictureFilter);
    if (chosen.isEmpty())
        return;
    const QImage image = read(chosen);
    if (image.isNull()) {
        m_prompter.message(QStringLiteral("Obrázek pozadí se nedá otevřít:\n") + QDir::toNativeSeparators(chosen));
        return;
    }
    m_picturePath = chosen;
    m_picture = image;
    background.setPicture(image);
    m_settings.write(Key::PozadiPath, chosen);
    m_prompter.message(QStringLiteral("Soubor se bude načítat ze ") + chosen + QStringLiteral("\n Cesta Nastavena..."));
    m_settings.write(Key::PozadiBckg1, true);
}
