#include "dialogs/MedicalRecordDlg.h"

#include "core/AccountTypes.h"

#include <QFocusEvent>

#include <array>

namespace {
using K = ControlKind;

constexpr int kFirstName = 1070;
constexpr int kMiddleInitial = 1071;
constexpr int kLastName = 1072;
constexpr int kSsn = 1083;
constexpr int kBloodType = 1073;
constexpr int kBirthDate = 1075;
constexpr int kPassportNumber = 1082;
constexpr int kDriverLicenseNumber = 1077;
constexpr int kKnownAllergies = 1069;
constexpr int kVaccinations = 1081;
constexpr int kNotes = 1076;

constexpr const char* kBloodTypes[] = { "A-", "A+", "B-", "B+", "AB-", "AB+", "O-", "O+", "Unknown" };

constexpr ControlSpec kControls[] = {
    { kFirstName, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "First Name:"), { 7, 15, 63, 12 }, "firstName" },
    { kMiddleInitial, K::UpperEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "MI:"), { 76, 15, 22, 12 },
        "middleInitial" },
    { kLastName, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Last Name:"), { 103, 15, 70, 12 }, "lastName" },
    { kSsn, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "SSN:"), { 7, 37, 55, 12 }, "ssn" },
    { kBloodType, K::TypeBox, QT_TRANSLATE_NOOP("TableAccountDialog", "Blood Type:"), { 65, 37, 49, 110 }, "bloodType",
        kBloodTypes, "Unknown" },
    { kBirthDate, K::DatePicker, QT_TRANSLATE_NOOP("TableAccountDialog", "Birth Date:"), { 117, 37, 56, 13 },
        "birthDate" },
    { kPassportNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Passport #:"), { 7, 59, 63, 12 },
        "passportNumber" },
    { kDriverLicenseNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Driver Licence #:"), { 75, 59, 98, 12 },
        "driverLicenseNumber" },
    { kKnownAllergies, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Known Allergies:"), { 7, 82, 81, 28 },
        "knownAllergies" },
    { kVaccinations, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Vaccinations:"), { 92, 82, 81, 28 },
        "vaccinations" },
    { kNotes, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Notes:"), { 7, 120, 166, 36 }, "notes" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 162, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 72, 162, 50, 14 } },
};
constexpr int kOrder[] = { kFirstName, kMiddleInitial, kLastName, kSsn, kBloodType, kBirthDate, kPassportNumber,
    kDriverLicenseNumber, kKnownAllergies, kVaccinations, kNotes };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - First Name\n"), { kFirstName } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Last Name\n\n"), { kLastName } },
};
const DialogSpec kSpec { AccountType::Medical, QT_TRANSLATE_NOOP("TableAccountDialog", "Medical Record"),
    ":/dialogs/icons/medical.svg", 180, 183, kControls, kOrder, kOrder, kRequired };

// The text with its first character (a whole code point) in upper case.
QString withCapital(const QString& text)
{
    const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    const char32_t first = pair ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode();
    return QString::fromUcs4(std::array { QChar::toUpper(first) }.data(), 1) + text.mid(pair ? 2 : 1);
}
} // namespace

CMedicalRecordDlg::CMedicalRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
    control(kFirstName)->installEventFilter(this);
    control(kLastName)->installEventFilter(this);
}

QString CMedicalRecordDlg::dialogTitle() const
{
    return fieldText(kFirstName) + fieldText(kMiddleInitial) + fieldText(kLastName);
}

bool CMedicalRecordDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Only a move of the focus inside the dialog counts: the dialog losing the active window (a
    // message box, or its own closing after OK) must not change what is being stored.
    if (event->type() != QEvent::FocusOut)
        return TableAccountDialog::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        if (watched == control(kFirstName))
            OnKillfocusFirstName();
        else if (watched == control(kLastName))
            OnKillfocusLastName();
    }
    return TableAccountDialog::eventFilter(watched, event);
}

void CMedicalRecordDlg::OnKillfocusFirstName() { capitalise(kFirstName); }

void CMedicalRecordDlg::OnKillfocusLastName() { capitalise(kLastName); }

void CMedicalRecordDlg::capitalise(int id)
{
    takeFields();
    const QString name = fieldText(id);
    if (name.isEmpty())
        return;
    setFieldValue(id, ScrambledText(withCapital(name)));
    showFields();
}
