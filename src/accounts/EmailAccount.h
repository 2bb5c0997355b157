#pragma once

#include "FieldAccount.h"

// An Email account: its log-in page; its users are the common user list.
class EmailAccount : public FieldAccount {
public:
    enum Field : int { LogInUrl };

    explicit EmailAccount(qint32 id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(LogInUrl)

    int ListProperties(QStringList& names, QStringList& values) const override;
};
