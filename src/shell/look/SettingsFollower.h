#pragma once

#include "shell/look/MainWindowSettings.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class SettingsStore;

// Follows the writes to one section of one settings file on behalf of a
// shown window: the keys that matter to the main window (changeOf) make it
// re-read its settings once the writes of the moment are done, so that a
// dialog writing a dozen keys causes one refresh.
class SettingsFollower : public QObject
{
    Q_OBJECT
public:
    // `apply(placesToo)`: re-read and show the settings; placesToo when a
    // quick button's place was among the keys written.
    SettingsFollower(const SettingsStore &settings, std::function<void(bool placesToo)> apply,
                     QObject *parent = nullptr);

private:
    void written(const QString &filePath, const QString &section, const QString &key);

    QString m_section;
    QString m_filePath; // resolved once: the file is there while the window shows it
    std::function<void(bool)> m_apply;
    QTimer m_pending;
    bool m_places = false;
};
