#include "accounts/InsuranceAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "provider", FieldKind::Text, "Provider" },
    { "insuranceType", FieldKind::Text, "Insurance Type" },
    { "holderName", FieldKind::Text, "Holder Name" },
    { "accountNumber", FieldKind::Text, "Acct #" },
    { "expiration", FieldKind::Date, "Expiration", SecretKind::None, FieldRole::Expiry },
    { "servicePhone", FieldKind::Text, "Service Phone" },
    { "itemDescription", FieldKind::Text, "Item Description:" },
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
        return QStringLiteral("VIN #:");
    if (upper == QLatin1StringView("HOME OWNER"))
        return QStringLiteral("Property Address:");
    if (upper == QLatin1StringView("LIFE"))
        return QStringLiteral("Beneficiary:");
    if (upper == QLatin1StringView("CHILD"))
        return QStringLiteral("Child Name:");
    return QStringLiteral("Item Description:");
}

QString InsuranceAccount::propertyLabel(int index) const
{
    if (index == ItemDescription)
        return detailLabel(GetInsuranceType());
    return FieldAccount::propertyLabel(index);
}
