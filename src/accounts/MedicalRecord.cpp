#include "accounts/MedicalRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "firstName", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "First Name") },
    { "middleInitial", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "MI") },
    { "lastName", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Last Name") },
    { "ssn", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "SSN"), SecretKind::IdNumber },
    { "bloodType", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Blood Type") },
    { "birthDate", FieldKind::Date, QT_TRANSLATE_NOOP("AccountFields", "Birth Date") },
    { "passportNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Passport #") },
    { "driverLicenseNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Driver License #") },
    { "knownAllergies", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Known Allergies") },
    { "vaccinations", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Vaccinations") },
    { "notes", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Notes"), SecretKind::None, FieldRole::Notes },
};
constexpr int kFileOrder[] = { MedicalRecord::FirstName, MedicalRecord::MiddleInitial, MedicalRecord::LastName,
    MedicalRecord::Ssn, MedicalRecord::BloodType, MedicalRecord::BirthDate, MedicalRecord::PassportNumber,
    MedicalRecord::DriverLicenseNumber, MedicalRecord::KnownAllergies, MedicalRecord::Vaccinations,
    MedicalRecord::Notes };
constexpr int kListOrder[] = { MedicalRecord::FirstName, MedicalRecord::MiddleInitial, MedicalRecord::LastName,
    MedicalRecord::Ssn, MedicalRecord::BloodType, MedicalRecord::BirthDate, MedicalRecord::PassportNumber,
    MedicalRecord::DriverLicenseNumber, MedicalRecord::KnownAllergies, MedicalRecord::Vaccinations,
    MedicalRecord::Notes };
const RecordLayout kLayout { AccountType::Medical, kFields, kFileOrder, kListOrder };
} // namespace

MedicalRecord::MedicalRecord(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& MedicalRecord::Layout() { return kLayout; }
