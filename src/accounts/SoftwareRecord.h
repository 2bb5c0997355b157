#pragma once

#include "accounts/FieldAccount.h"

// A software licence.
class SoftwareRecord : public FieldAccount {
public:
    enum Field : int { Version, Manufacturer, SerialNumber, CdKey, SupportUrl, ServicePhone };

    explicit SoftwareRecord(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(Version)
    QRL_TEXT_FIELD(Manufacturer)
    QRL_TEXT_FIELD(SerialNumber)
    QRL_TEXT_FIELD(CdKey)
    QRL_TEXT_FIELD(SupportUrl)
    QRL_TEXT_FIELD(ServicePhone)
};
