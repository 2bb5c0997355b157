#pragma once

#include "accounts/FieldAccount.h"

// An insurance policy; the label of its detail row follows the insurance type.
class InsuranceAccount : public FieldAccount {
public:
    enum Field : int { Provider, InsuranceType, HolderName, AccountNumber, Expiration, ServicePhone, ItemDescription };

    explicit InsuranceAccount(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(Provider)
    QRL_TEXT_FIELD(InsuranceType)
    QRL_TEXT_FIELD(HolderName)
    QRL_TEXT_FIELD(AccountNumber)
    QRL_DATE_FIELD(Expiration)
    QRL_TEXT_FIELD(ServicePhone)
    QRL_TEXT_FIELD(ItemDescription)

    // "VIN #:", "Property Address:", "Beneficiary:", "Child Name:" or "Item Description:".
    static QString detailLabel(const QString& insuranceType);

    QString propertyLabel(int index) const override;
};
