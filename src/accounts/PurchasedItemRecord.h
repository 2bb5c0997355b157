#pragma once

#include "accounts/FieldAccount.h"

// A purchase with its receipt and warranty.
class PurchasedItemRecord : public FieldAccount {
public:
    enum Field : int {
        Manufacturer,
        Description,
        ModelNumber,
        SerialNumber,
        StoreName,
        ReceiptNumber,
        StoreLocation,
        DatePurchased,
        WarrantyExpiration
    };

    explicit PurchasedItemRecord(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(Manufacturer)
    QRL_TEXT_FIELD(Description)
    QRL_TEXT_FIELD(ModelNumber)
    QRL_TEXT_FIELD(SerialNumber)
    QRL_TEXT_FIELD(StoreName)
    QRL_TEXT_FIELD(ReceiptNumber)
    QRL_TEXT_FIELD(StoreLocation)
    QRL_DATE_FIELD(DatePurchased)
    QRL_DATE_FIELD(WarrantyExpiration)
};
