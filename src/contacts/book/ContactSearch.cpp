#include "contacts/book/ContactSearch.h"

#include "core/data/engine/Table.h"

ContactSearch::ContactSearch(Table &table) : m_table(table)
{
    m_table.setFilterCaseInsensitive(true);
    m_table.setFiltered(false);
    m_table.setFilter(nullptr);
}

void ContactSearch::setOn(bool on)
{
    m_on = on;
    m_table.setFiltered(on);
}

void ContactSearch::search(const QString &field, const QString &text)
{
    m_table.setFilterText(filterText(field, text));
    setOn(true);
}

QString ContactSearch::filterText(const QString &field, const QString &text)
{
    return field + QStringLiteral(" = '") + text + QStringLiteral("*'");
}

namespace Dialling {

std::optional<QString> refusal(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("Není zadáno číslo, které se má vytočit.");
    if (text.size() > LongestNumber)
        return QStringLiteral("Text k vytočení má %1 znaků; vytočit lze nejvýše %2. Zkraťte jej na samotné číslo.")
            .arg(text.size())
            .arg(LongestNumber);
    return std::nullopt;
}

} // namespace Dialling
