#include "accounts/InsuranceAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "provider", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Provider") },
    { "insuranceType", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Insurance Type") },
    { "holderName", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Holder Name") },
    { "accountNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Acct #") },
    { "expiration", FieldKind::Date, QT_TRANSLATE_NOOP("AccountFields", "Expiration"), SecretKind::None,
        FieldRole::Expiry },
    { "servicePhone", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Service Phone") },
    { "itemDescription", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Item Description:") },
};
constexpr int kFileOrder[] = { InsuranceAccount::Provider, InsuranceAccount::InsuranceType,
    InsuranceAccount::HolderName, InsuranceAccount::AccountNumber, InsuranceAccount::Expiration,
    InsuranceAccount::ItemDescription, InsuranceAccount::ServicePhone };
constexpr int kListOrder[] = { InsuranceAccount::Provider, InsuranceAccount::InsuranceType,
    InsuranceAccount::HolderName, InsuranceAccount::AccountNumber, InsuranceAccount::Expiration,
    InsuranceAccount::ItemDescription, InsuranceAccount::ServicePhone };
const RecordLayout kLayout { AccountType::Insurance, kFields, kFileOrder, kListOrder };
} // namespace

InsuranceAccount::InsuranceAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& InsuranceAccount::Layout() { return kLayout; }

QString InsuranceAccount::detailLabel(const QString& insuranceType)
{
    // Only a to z are raised; the comparison is then exact, so blanks around the type matter.
    QString upper = insuranceType;
    for (QChar& c : upper)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 32);
    if (upper == QLatin1StringView("CAR"))
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "VIN #:"));
    if (upper == QLatin1StringView("HOME OWNER"))
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "Property Address:"));
    if (upper == QLatin1StringView("LIFE"))
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "Beneficiary:"));
    if (upper == QLatin1StringView("CHILD"))
        return QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "Child Name:"));
    return QString::fromLatin1(QT_TRANSLATE_NOOP("AccountFields", "Item Description:"));
}

QString InsuranceAccount::propertyLabel(int index) const
{
    if (index == ItemDescription)
        return detailLabel(GetInsuranceType());
    return FieldAccount::propertyLabel(index);
}
