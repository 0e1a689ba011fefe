#pragma once

#include "core/data/catalogue/RecordKind.h"

#include <functional>

class Clock;
class Prompter;
class QMenu;
class Table;

// Where the parts of the program built after the record window plug into
// it. Each is empty until its part sets it.
namespace RecordSeams {

// Step 13 of a month window's activation: offers the due regular payments
// of month `month` (1-12) and inserts the accepted ones into `ledger`.
using PaymentOffer = std::function<void(Table &ledger, int month, Prompter &prompter, const Clock &clock)>;
PaymentOffer &paymentOffer();

// The graph menu of the window's kind (the main window's month graphs,
// group-1 or group-2 item graphs) that the graph button drops down. The
// graph button stays disabled while none is given.
using GraphMenu = std::function<QMenu *(RecordKind kind)>;
GraphMenu &graphMenu();

} // namespace RecordSeams
