#include "records/ledger/DateCheck.h"

#include "core/data/engine/Table.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/LedgerWalk.h"

namespace DateCheck {

QString question(const QString &text)
{
    return QStringLiteral("V položce \"") + text + QStringLiteral("\" chybí datum ! Vložit dnešní datum ?");
}

int KontrolaDatumu(Table &ledger, Prompter &prompter, const Clock &clock)
{
    if (!ledger.isOpen())
        return 0;
    if (ledger.state() != Table::State::Browse)
        ledger.post();
    const int date = ledger.field(LedgerField::Date).index();
    const int text = ledger.field(LedgerField::Text).index();
    SuspendedControls suspended(ledger);
    int passes = 0;
    bool lastAnswerYes = false;
    do {
        ++passes;
        lastAnswerYes = false;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            if (!ledger.value(date).isNull())
                continue;
            if (prompter.ask(Title, question(ledger.field(text).asString()), QuestionIcon)) {
                ledger.edit();
                ledger.field(date).setDate(clock.today());
                ledger.post();
                lastAnswerYes = true;
            } else {
                prompter.message(DeclinedMessage);
                lastAnswerYes = false;
            }
        }
    } while (lastAnswerYes); // every "Ano" dates a record, so the passes end
    ledger.first();
    return passes;
}

} // namespace DateCheck
