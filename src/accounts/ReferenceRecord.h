#pragma once

#include "accounts/FieldAccount.h"

// A dated free-form note.
class ReferenceRecord : public FieldAccount {
public:
    enum Field : int { About, Description, Date };

    explicit ReferenceRecord(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(About)
    QRL_TEXT_FIELD(Description)
    QRL_DATE_FIELD(Date)
};
