#pragma once

#include <QString>

// The alarm's two stored values: its message (TextBudik of Penezka.ini)
// and its sound file (BudikZvuk of the registry). A value never stored
// reads as empty.
namespace AlarmStore {

// The file the settings window suggests while none was chosen; it is only
// shown, never stored.
inline constexpr char SuggestedSound[] = "C:\\Windows\\Media\\Ding.wav";

QString message();
void setMessage(const QString &text);
QString soundFile();
void setSoundFile(const QString &path);

} // namespace AlarmStore
