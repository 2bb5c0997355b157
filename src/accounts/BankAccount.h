#pragma once

#include "accounts/FieldAccount.h"

// A bank account.
class BankAccount : public FieldAccount {
public:
    enum Field : int { Institution, AccountType, NameOnAccount, AccountNumber, RoutingNumber, Pin, ServicePhone };

    explicit BankAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(Institution)
    QRL_TEXT_FIELD(AccountType)
    QRL_TEXT_FIELD(NameOnAccount)
    QRL_TEXT_FIELD(AccountNumber)
    QRL_TEXT_FIELD(RoutingNumber)
    QRL_TEXT_FIELD(Pin)
    QRL_TEXT_FIELD(ServicePhone)
};
