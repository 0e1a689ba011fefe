#include "records/window/RecordSeams.h"

namespace RecordSeams {

PaymentOffer &paymentOffer()
{
    static PaymentOffer offer;
    return offer;
}

GraphMenu &graphMenu()
{
    static GraphMenu menu;
    return menu;
}

} // namespace RecordSeams
