#include "shell/look/SettingsFollower.h"

#include "core/data/stores/SettingsEvents.h"
#include "core/data/stores/SettingsStore.h"

SettingsFollower::SettingsFollower(const SettingsStore &settings, std::function<void(bool placesToo)> apply,
                                   QObject *parent)
    : QObject(parent), m_section(settings.section()), m_filePath(settings.filePath()), m_apply(std::move(apply))
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, [this] {
        const bool places = m_places;
        m_places = false;
        m_apply(places);
    });
    connect(&SettingsEvents::instance(), &SettingsEvents::changed, this, &SettingsFollower::written);
}

void SettingsFollower::written(const QString &filePath, const QString &section, const QString &key)
{
    if (section.compare(m_section, Qt::CaseInsensitive) != 0 || filePath != m_filePath)
        return;
    switch (MainWindowSettings::changeOf(key)) {
    case MainWindowSettings::Change::None:
        return;
    case MainWindowSettings::Change::ButtonPlaces:
        m_places = true;
        break;
    case MainWindowSettings::Change::Look:
        break;
    }
    m_pending.start();
}
