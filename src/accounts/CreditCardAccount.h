#pragma once

#include "accounts/FieldAccount.h"

// A credit card; its fields are stored in another order than declared.
class CreditCardAccount : public FieldAccount {
public:
    enum Field : int { AccountType, Expiration, AccountNumber, Apr, NameOnCard, Pin, Provider, ServicePhone };

    explicit CreditCardAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(AccountType)
    QRL_DATE_FIELD(Expiration)
    QRL_TEXT_FIELD(AccountNumber)
    QRL_DECIMAL_FIELD(Apr)
    QRL_TEXT_FIELD(NameOnCard)
    QRL_TEXT_FIELD(Pin)
    QRL_TEXT_FIELD(Provider)
    QRL_TEXT_FIELD(ServicePhone)
};
