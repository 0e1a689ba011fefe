#include "core/data/stores/SettingsEvents.h"

SettingsEvents &SettingsEvents::instance()
{
    static SettingsEvents events;
    return events;
}

void SettingsEvents::announce(const QString &filePath, const QString &section, const QString &key)
{
    emit changed(filePath, section, key);
}
