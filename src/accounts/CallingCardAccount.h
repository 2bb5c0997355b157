#pragma once

#include "accounts/FieldAccount.h"

// A calling card with its remaining minutes.
class CallingCardAccount : public FieldAccount {
public:
    enum Field : int { Provider, AccessPhone, CardNumber, Pin, ServicePhone, RemainingMinutes };

    explicit CallingCardAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(Provider)
    QRL_TEXT_FIELD(AccessPhone)
    QRL_TEXT_FIELD(CardNumber)
    QRL_TEXT_FIELD(Pin)
    QRL_TEXT_FIELD(ServicePhone)
    QRL_INTEGER_FIELD(RemainingMinutes)
};
