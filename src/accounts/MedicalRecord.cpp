#include "accounts/MedicalRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "firstName", FieldKind::Text, "First Name" },
    { "middleInitial", FieldKind::Text, "MI" },
    { "lastName", FieldKind::Text, "Last Name" },
    { "ssn", FieldKind::Text, "SSN", SecretKind::IdNumber },
    { "bloodType", FieldKind::Text, "Blood Type" },
    { "birthDate", FieldKind::Date, "Birth Date" },
    { "passportNumber", FieldKind::Text, "Passport #" },
    { "driverLicenseNumber", FieldKind::Text, "Driver License #" },
    { "knownAllergies", FieldKind::Text, "Known Allergies" },
    { "vaccinations", FieldKind::Text, "Vaccinations" },
    { "notes", FieldKind::Text, "Notes", SecretKind::None, FieldRole::Notes },
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
