#pragma once

#include <QObject>
#include <QString>

// Tells that a setting has been written: every SettingsStore announces each
// value it stores here, so that a window showing what a setting decides can
// follow it at once instead of at the next start. Subscribers compare the
// file (as the store resolved it) and section with their own and re-read
// what they show; a burst of writes is theirs to coalesce.
//
//     connect(&SettingsEvents::instance(), &SettingsEvents::changed, this,
//             [this](const QString &file, const QString &section, const QString &key) { ... });
class SettingsEvents : public QObject
{
    Q_OBJECT
public:
    static SettingsEvents &instance();

    void announce(const QString &filePath, const QString &section, const QString &key);

signals:
    void changed(const QString &filePath, const QString &section, const QString &key);

private:
    SettingsEvents() = default;
};
