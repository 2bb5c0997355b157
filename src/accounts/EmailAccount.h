#pragma once

#include "accounts/FieldAccount.h"

// An Email account: its log-in page; its users are the common user list.
class EmailAccount : public FieldAccount {
public:
    enum Field : int { LogInUrl };

    explicit EmailAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(LogInUrl)

    int ListProperties(QStringList& names, QStringList& values) const override;
    // Appends the six rows ListProperties gives for the user at `index`: a blank row, then
    // "User #:", "Log In ID:", "Password:", "Email:" and "Administrator:".
    void listUser(int index, QStringList& names, QStringList& values) const;
    static constexpr int kRowsPerUser = 6;
    static constexpr int kPasswordRow = 3; // of a user's rows
};
