#pragma once

#include "accounts/FieldAccount.h"

// A person's medical and identity details.
class MedicalRecord : public FieldAccount {
public:
    enum Field : int {
        FirstName,
        MiddleInitial,
        LastName,
        Ssn,
        BloodType,
        BirthDate,
        PassportNumber,
        DriverLicenseNumber,
        KnownAllergies,
        Vaccinations,
        Notes
    };

    explicit MedicalRecord(AccountId id);
    static const RecordLayout& Layout();

    QRL_TEXT_FIELD(FirstName)
    QRL_TEXT_FIELD(MiddleInitial)
    QRL_TEXT_FIELD(LastName)
    QRL_TEXT_FIELD(Ssn)
    QRL_TEXT_FIELD(BloodType)
    QRL_DATE_FIELD(BirthDate)
    QRL_TEXT_FIELD(PassportNumber)
    QRL_TEXT_FIELD(DriverLicenseNumber)
    QRL_TEXT_FIELD(KnownAllergies)
    QRL_TEXT_FIELD(Vaccinations)
    QRL_TEXT_FIELD(Notes)
};
