#pragma once

#include <QString>
#include <optional>

class Table;

// The search of a contacts window: a switch and the last search. A search
// is a prefix match of one field that ignores letter case ("nov" finds
// "Novák" and "NOVOTNÝ", not "Ivanov"); the text is taken as it stands,
// apostrophes included ("O'B" finds "O'Brien").
//
// Each window starts with the search off and every entry shown, whatever
// an earlier opening left on the table.
class ContactSearch
{
public:
    explicit ContactSearch(Table &table);

    // On: the last search applies again (all entries before the first).
    // Off: all entries show.
    void setOn(bool on);
    bool isOn() const { return m_on; }
    // Searches `field` for entries beginning with `text`, and turns the
    // search on.
    void search(const QString &field, const QString &text);

    // "Field = 'text*'".
    static QString filterText(const QString &field, const QString &text);

private:
    Table &m_table;
    bool m_on = false;
};

// Dialling the dial box's text.
namespace Dialling {

// The longest text handed to the telephony service.
inline constexpr int LongestNumber = 255;
// Why `text` cannot be dialled; nothing when it can.
std::optional<QString> refusal(const QString &text);

} // namespace Dialling
