#pragma once

#include "accounts/FieldAccount.h"

// An Email account: its log-in page; its users are the common user list, which its property
// listing shows after the log-in page.
class EmailAccount : public FieldAccount {
public:
    enum Field : int { LogInUrl };

    explicit EmailAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(LogInUrl)
};
