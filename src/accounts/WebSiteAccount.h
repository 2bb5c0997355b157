#pragma once

#include "accounts/FieldAccount.h"

// A web site log-in with its mail servers and notes.
class WebSiteAccount : public FieldAccount {
public:
    enum Field : int { SiteName, WebSiteUrl, UserId, UserPassword, PopServer, SmtpServer, IpAddress, Notes };

    explicit WebSiteAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(SiteName)
    QRL_TEXT_FIELD(WebSiteUrl)
    QRL_TEXT_FIELD(UserId)
    QRL_TEXT_FIELD(UserPassword)
    QRL_TEXT_FIELD(PopServer)
    QRL_TEXT_FIELD(SmtpServer)
    QRL_TEXT_FIELD(IpAddress)
    QRL_TEXT_FIELD(Notes)
};
