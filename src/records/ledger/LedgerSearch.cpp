#include "records/ledger/LedgerSearch.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

QString LedgerSearch::fieldName(Field field)
{
    switch (field) {
    case Field::Date: return LedgerField::Date;
    case Field::Supplement: return LedgerField::Supplement;
    case Field::Amount: return LedgerField::Amount;
    case Field::Text: break;
    }
    return LedgerField::Text;
}

int LedgerSearch::count(Table &ledger)
{
    if (!ledger.isOpen())
        return 0;
    int records = 0;
    {
        SuspendedControls suspended(ledger);
        for (ledger.first(); !ledger.eof(); ledger.next())
            ++records;
    }
    ledger.first();
    return records;
}

QString LedgerSearch::upperAscii(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        else if (c.isSpace())
            c = u' '; // amounts group by a no-break space, which the user types as a plain one
    }
    return upper;
}

bool LedgerSearch::next(const QString &text, Field field, bool neo, const std::function<void()> &step)
{
    if (!m_ledger.isOpen())
        return false;
    // The grid shows only where the search ends.
    SuspendedControls suspended(m_ledger);
    const auto advance = [&] {
        m_ledger.next();
        if (step)
            step();
    };
    if (m_started)
        advance();
    m_started = true;
    const QString wanted = upperAscii(text);
    const int index = m_ledger.fieldIndex(fieldName(field));
    while (!m_ledger.eof() && !m_ledger.isEmpty()) {
        // An empty text matches nothing.
        if (!neo && !wanted.isEmpty() && upperAscii(m_ledger.field(index).displayText()).contains(wanted))
            return true;
        advance();
    }
    m_ledger.first();
    return false;
}
