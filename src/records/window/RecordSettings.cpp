#include "records/window/RecordSettings.h"

#include "core/data/platform/Paths.h"

#include <QDir>

namespace {

const ToolbarGroupInfo &info(ToolbarGroup group) { return ToolbarGroups[std::size_t(group)]; }

} // namespace

RecordSettings::RecordSettings()
    : m_store(Paths::resolve(QDir::currentPath(), QLatin1String(FileName::Settings)), QLatin1String(Section::SetMesice))
{
}

void RecordSettings::setKind(RecordKind kind) { m_store.setSection(RecordKinds::settingsSection(kind)); }

void RecordSettings::writeDirectory() { m_store.write(Key::Record::Directory, m_store.fileName()); }

ToolbarChoices RecordSettings::toolbarChoices() const
{
    ToolbarChoices choices;
    for (const ToolbarGroupInfo &group : ToolbarGroups)
        choices.set(group.group, m_store.read(group.key));
    return choices;
}

bool RecordSettings::choice(ToolbarGroup group) const { return m_store.read(info(group).key); }

void RecordSettings::setChoice(ToolbarGroup group, bool on) { m_store.write(info(group).key, on); }

QString RecordSettings::automaticSupplement() const
{
    const QString text = m_store.read(Key::Record::TextDop);
    return IniStore::isMissing(text) ? QString() : text;
}

void RecordSettings::setAutomaticSupplement(const QString &text) { m_store.write(Key::Record::TextDop, text); }

int RecordSettings::gridBackground() const { return m_store.read(Key::Record::BckgDatabaze); }

void RecordSettings::setGridBackground(int colour) { m_store.write(Key::Record::BckgDatabaze, colour); }

bool RecordSettings::mainSetting(BoolKey key) const
{
    const IniStore main(m_store.fileName(), QLatin1String(Section::Nastaveni));
    return main.read(key);
}
