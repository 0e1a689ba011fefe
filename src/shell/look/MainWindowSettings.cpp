#include "shell/look/MainWindowSettings.h"

#include "core/data/stores/Keys.h"
#include "core/data/stores/SettingsStore.h"

#include <QDir>

MainWindowSettings MainWindowSettings::read(const SettingsStore &settings, bool previousYearFolderExists)
{
    MainWindowSettings s;
    // Without the folder the menu stays hidden whatever StaraDat01 says.
    s.previousYearMenu = previousYearFolderExists && settings.read(Key::StaraDat01);
    s.months = settings.read(Key::DatabazeMesic);
    s.group1 = settings.read(Key::DatabazeUzv);
    s.group2 = settings.read(Key::DatabazeUzv2);
    s.quickButtons = settings.read(Key::RychloTl);
    s.addressButtons = settings.read(Key::RAdrTel);
    for (int n = 1; n <= QuickButtons::Count; ++n)
        s.buttonPlaces[std::size_t(n - 1)] = QPoint(settings.read(Key::butLeft(n)), settings.read(Key::butTop(n)));
    s.consumption = settings.read(Key::Esp);
    s.water = settings.read(Key::Voda);
    s.electricity = settings.read(Key::Elekt);
    s.gas = settings.read(Key::Plyn);
    s.exitMenu = settings.read(Key::X);
    s.statusBar = settings.read(Key::StatusBar1);
    s.titleBarSavers = settings.read(Key::TlPr);
    s.password = settings.read(Key::HAct);
    s.tips = settings.read(Key::Tipy);
    s.trayIcon = settings.read(Key::TrayIcon1);
    return s;
}

MainWindowSettings::Change MainWindowSettings::changeOf(const QString &key)
{
    // Keys are matched as the INI file matches them, without regard to case.
    const auto is = [&key](auto typed) { return key.compare(QLatin1String(typed.name), Qt::CaseInsensitive) == 0; };
    for (int n = 1; n <= QuickButtons::Count; ++n)
        if (is(Key::butLeft(n)) || is(Key::butTop(n)))
            return Change::ButtonPlaces;
    const bool look = is(Key::StaraDat01) || is(Key::DatabazeMesic) || is(Key::DatabazeUzv) ||
                      is(Key::DatabazeUzv2) || is(Key::RychloTl) || is(Key::RAdrTel) || is(Key::Esp) ||
                      is(Key::Voda) || is(Key::Elekt) || is(Key::Plyn) || is(Key::X) || is(Key::StatusBar1) ||
                      is(Key::TlPr) || is(Key::TrayIcon1);
    // The gradients and pictures of the look.
    const bool appearance = is(Key::BtnStyl) || is(Key::BtnColor) || is(Key::BtnColor1) || is(Key::BtnColor2) ||
                            is(Key::OknoCl1) || is(Key::OknoCl2) || is(Key::OknoClx) || is(Key::OknoStyl) ||
                            is(Key::FrmZobr) || is(Key::Textura) || is(Key::GradientBckg1) ||
                            is(Key::BkgStartColor) || is(Key::BkgEndColor) || is(Key::BckgColors) ||
                            is(Key::PozadiBckg1) || is(Key::PozadiPath) || is(Key::GradientCaption1) ||
                            is(Key::GradientColor);
    return look || appearance ? Change::Look : Change::None;
}

namespace MainWindowStore {

void writeFolders(SettingsStore &settings, const QString &iniPath, const QString &programFolder)
{
    settings.write(Key::Directory, QDir::cleanPath(iniPath));
    QString parent = QDir::cleanPath(programFolder);
    if (!parent.endsWith(QLatin1Char('/')))
        parent += QLatin1Char('/');
    settings.write(Key::ParentDirectory, parent);
}

void writeButtonPlaces(SettingsStore &settings, const std::array<QPoint, QuickButtons::Count> &places)
{
    for (int n = 1; n <= QuickButtons::Count; ++n) {
        // A place read from a missing key is no place: it is not written
        // back, so that the key stays missing rather than -11073.
        const QPoint &place = places[std::size_t(n - 1)];
        if (place.x() != Settings::MissingInteger)
            settings.write(Key::butLeft(n), place.x());
        if (place.y() != Settings::MissingInteger)
            settings.write(Key::butTop(n), place.y());
    }
}

} // namespace MainWindowStore
