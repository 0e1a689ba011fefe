#include "settings/store/Themes.h"

#include "core/data/platform/AtomicFile.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"

#include <QTemporaryDir>

namespace {

enum class Kind { Flag, Number, Text };

struct ThemeKey
{
    const char *name;
    Kind kind;
};

// In the order a theme file lists them.
constexpr ThemeKey Keys[] = {
    {Key::RychloTl.name, Kind::Flag},        {Key::BtnStyl.name, Kind::Number},
    {Key::BtnColor.name, Kind::Number},      {Key::BtnColor1.name, Kind::Number},
    {Key::BtnColor2.name, Kind::Number},     {Key::OknoCl1.name, Kind::Number},
    {Key::OknoCl2.name, Kind::Number},       {Key::OknoClx.name, Kind::Number},
    {Key::OknoStyl.name, Kind::Number},      {Key::FrmZobr.name, Kind::Number},
    {Key::Textura.name, Kind::Text},         {Key::X.name, Kind::Flag},
    {Key::StatusBar1.name, Kind::Flag},      {Key::GradientCaption1.name, Kind::Flag},
    {Key::GradientColor.name, Kind::Number}, {Key::GradientBckg1.name, Kind::Flag},
    {Key::BkgStartColor.name, Kind::Number}, {Key::BkgEndColor.name, Kind::Number},
    {Key::BckgColors.name, Kind::Number},    {Key::PozadiBckg1.name, Kind::Flag},
    {Key::PozadiPath.name, Kind::Text},
};

// The stored text of a key, when it is there and readable as its kind.
std::optional<QString> validText(const SettingsStore &store, const ThemeKey &key)
{
    const QString text = store.readString(QLatin1String(key.name));
    if (SettingsStore::isMissing(text))
        return std::nullopt;
    if (key.kind != Kind::Text && !SettingsStore::parseInteger(text.toLatin1()))
        return std::nullopt;
    return text;
}

} // namespace

namespace Themes {

bool write(const QString &path, const SettingsStore &settings, const ButtonPlaces &places)
{
    // The theme is put together in a scratch file, then replaces the
    // chosen one in one step.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString draft = scratch.filePath(QStringLiteral("tema.vzd"));
    IniStore theme(draft, QLatin1String(Section::Nastaveni));
    const bool texture = settings.read(Key::FrmZobr) == 1;
    const bool picture = settings.read(Key::PozadiBckg1);
    bool written = true;
    for (const ThemeKey &key : Keys) {
        const QLatin1String name(key.name);
        if (name == QLatin1String(Key::Textura.name) && !texture)
            continue;
        if (name == QLatin1String(Key::PozadiPath.name) && !picture)
            continue;
        if (const std::optional<QString> text = validText(settings, key))
            written = theme.writeString(name, *text) && written;
        if (name == QLatin1String(Key::RychloTl.name)) {
            for (int n = 1; n <= int(places.size()); ++n) {
                written = theme.write(Key::butLeft(n), places[std::size_t(n - 1)].x()) && written;
                written = theme.write(Key::butTop(n), places[std::size_t(n - 1)].y()) && written;
            }
        }
    }
    const std::optional<QByteArray> contents = AtomicFile::read(draft);
    return written && contents && AtomicFile::write(path, *contents);
}

void copyInto(const SettingsStore &theme, SettingsStore &settings, const ButtonPlaces &places)
{
    for (const ThemeKey &key : Keys)
        if (const std::optional<QString> text = validText(theme, key))
            settings.writeString(QLatin1String(key.name), *text);
    for (int n = 1; n <= int(places.size()); ++n) {
        settings.write(Key::butLeft(n), places[std::size_t(n - 1)].x());
        settings.write(Key::butTop(n), places[std::size_t(n - 1)].y());
    }
}

} // namespace Themes
