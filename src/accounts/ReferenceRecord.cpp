#include "accounts/ReferenceRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "about", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Reference") },
    { "description", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Description"), SecretKind::None,
        FieldRole::Notes },
    { "date", FieldKind::Date, QT_TRANSLATE_NOOP("AccountFields", "Date") },
};
constexpr int kFileOrder[] = { ReferenceRecord::Date, ReferenceRecord::About, ReferenceRecord::Description };
constexpr int kListOrder[] = { ReferenceRecord::Date, ReferenceRecord::About, ReferenceRecord::Description };
const RecordLayout kLayout { AccountType::Reference, kFields, kFileOrder, kListOrder };
} // namespace

ReferenceRecord::ReferenceRecord(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& ReferenceRecord::Layout() { return kLayout; }
