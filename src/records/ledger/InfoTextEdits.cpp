#include "records/ledger/InfoTextEdits.h"

#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"

namespace InfoTextEdits {

void insertBefore(Table &texts)
{
    if (texts.isOpen())
        texts.insert();
}

bool removeCurrent(Table &texts, Prompter &prompter)
{
    if (!texts.isOpen() || texts.controlCurrentRow() < 0)
        return false;
    if (!prompter.ask(DeleteTitle, DeleteQuestion, Prompter::QuestionMark))
        return false;
    texts.remove();
    return true;
}

void postPending(Table &texts)
{
    if (texts.isOpen() && texts.state() != Table::State::Browse)
        texts.post();
}

} // namespace InfoTextEdits
