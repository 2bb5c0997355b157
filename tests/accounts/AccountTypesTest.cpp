// Store, reload and list each of the ten account types, against bytes and rows written out by hand
// from the record tables of the file format.
#include "core/AccountTypes.h"
#include "accounts/AccountFactory.h"
#include "core/CArchive.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

struct TypeCase {
    qint32 type;
    const char* typeName;
    // Field names in the order the record block stores them.
    std::vector<const char*> fileOrder;
    // (label, field name) in listing order after "Type" and "Title".
    std::vector<std::pair<const char*, const char*>> listing;
};

const std::vector<TypeCase>& typeCases()
{
    static const std::vector<TypeCase> cases = {
        { 10, "Email", { "logInUrl" }, { { "Log In URL", "logInUrl" } } },
        { 11, "WebSite",
            { "siteName", "webSiteUrl", "userId", "userPassword", "popServer", "smtpServer", "ipAddress", "notes" },
            { { "Site Name", "siteName" }, { "Web Site URL", "webSiteUrl" }, { "User ID", "userId" },
                { "User Password", "userPassword" }, { "POP Server", "popServer" }, { "SMTP Server", "smtpServer" },
                { "IP Address", "ipAddress" }, { "Notes", "notes" } } },
        { 12, "Credit Card",
            { "provider", "accountType", "nameOnCard", "accountNumber", "expiration", "apr", "pin", "servicePhone" },
            { { "Provider", "provider" }, { "Acct Type", "accountType" }, { "Acct #", "accountNumber" },
                { "APR", "apr" }, { "Expiration", "expiration" }, { "Name On Card", "nameOnCard" }, { "PIN", "pin" },
                { "Service Phone", "servicePhone" } } },
        { 13, "Bank",
            { "institution", "accountType", "nameOnAccount", "accountNumber", "routingNumber", "pin", "servicePhone" },
            { { "Institution", "institution" }, { "Acct Type", "accountType" }, { "Name On Acct", "nameOnAccount" },
                { "Acct #", "accountNumber" }, { "Routing #", "routingNumber" }, { "PIN", "pin" },
                { "Service Phone", "servicePhone" } } },
        { 14, "Insurance",
            { "provider", "insuranceType", "holderName", "accountNumber", "expiration", "itemDescription",
                "servicePhone" },
            { { "Provider", "provider" }, { "Insurance Type", "insuranceType" }, { "Holder Name", "holderName" },
                { "Acct #", "accountNumber" }, { "Expiration", "expiration" },
                { "Item Description:", "itemDescription" }, { "Service Phone", "servicePhone" } } },
        { 15, "Medical",
            { "firstName", "middleInitial", "lastName", "ssn", "bloodType", "birthDate", "passportNumber",
                "driverLicenseNumber", "knownAllergies", "vaccinations", "notes" },
            { { "First Name", "firstName" }, { "MI", "middleInitial" }, { "Last Name", "lastName" }, { "SSN", "ssn" },
                { "Blood Type", "bloodType" }, { "Birth Date", "birthDate" }, { "Passport #", "passportNumber" },
                { "Driver License #", "driverLicenseNumber" }, { "Known Allergies", "knownAllergies" },
                { "Vaccinations", "vaccinations" }, { "Notes", "notes" } } },
        { 16, "Calling Card", { "provider", "accessPhone", "cardNumber", "pin", "remainingMinutes", "servicePhone" },
            { { "Provider", "provider" }, { "Acces Phone #", "accessPhone" }, { "Card #", "cardNumber" },
                { "PIN", "pin" }, { "Remaining Minutes", "remainingMinutes" },
                { "Service Phone #", "servicePhone" } } },
        { 17, "Purchased Item",
            { "manufacturer", "description", "modelNumber", "serialNumber", "datePurchased", "warrantyExpiration",
                "receiptNumber", "storeName", "storeLocation" },
            { { "Manufacturer", "manufacturer" }, { "Description", "description" }, { "Model #", "modelNumber" },
                { "Serial #", "serialNumber" }, { "Date Purchased", "datePurchased" },
                { "Warranty Expiration", "warrantyExpiration" }, { "Receipt #", "receiptNumber" },
                { "Store Name", "storeName" }, { "Store Location", "storeLocation" } } },
        { 18, "Software", { "version", "manufacturer", "serialNumber", "cdKey", "supportUrl", "servicePhone" },
            { { "Version", "version" }, { "Manufacturer", "manufacturer" }, { "Serial #", "serialNumber" },
                { "CD Key", "cdKey" }, { "Support URL", "supportUrl" }, { "Service Phone #", "servicePhone" } } },
        { 20, "Reference", { "date", "about", "description" },
            { { "Date", "date" }, { "Reference", "about" }, { "Description", "description" } } },
    };
    return cases;
}

// A distinct value for every field, so that a field stored or listed in another's place shows.
FieldValue sampleValue(const FieldSpec& field, int index)
{
    switch (field.kind) {
    case FieldKind::Text:
        return ScrambledText(QStringLiteral("%1 value\r\nline 2").arg(QLatin1StringView(field.name)));
    case FieldKind::Date:
        return OleDateTime(45000.25 + 31 * index);
    case FieldKind::Integer:
        return qint32(-120 - index);
    case FieldKind::Decimal:
        return 12.5 + index;
    }
    return {};
}

std::unique_ptr<AccountRecord> filledAccount(const TypeCase& c)
{
    auto account = createAccount(AccountId(42), AccountType(c.type));
    account->SetTitle(QStringLiteral("My %1").arg(QLatin1StringView(c.typeName)));
    account->SetCommitted();
    account->AddUser(1, QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("bob@example.com"));
    const RecordLayout& layout = account->layout();
    for (size_t i = 0; i < layout.fields.size(); ++i)
        account->setField(int(i), sampleValue(layout.fields[i], int(i)));
    return account;
}

QByteArray storeAccount(AccountRecord& account)
{
    QByteArray bytes;
    CArchive ar(&bytes);
    account.Serialize(ar);
    return bytes;
}

TEST(AccountTypesTest, RecordBlocksHaveTheirFileOrder)
{
    for (const TypeCase& c : typeCases()) {
        SCOPED_TRACE(c.typeName);
        auto account = filledAccount(c);
        const RecordLayout& layout = account->layout();
        ASSERT_EQ(layout.fields.size(), c.fileOrder.size());

        Bytes expected;
        expected.i32(1).i32(42).i32(c.type).stored(account->GetTitle()).i32(1).i32(1);
        expected.i32(1)
            .i32(1)
            .stored(QStringLiteral("bob"))
            .stored(QStringLiteral("pw"))
            .stored(QStringLiteral("bob@example.com"));
        expected.i32(1);
        for (const char* name : c.fileOrder) {
            const int index = layout.indexOf(QLatin1StringView(name));
            ASSERT_GE(index, 0) << name;
            const FieldValue v = sampleValue(layout.fields[size_t(index)], index);
            if (auto* t = std::get_if<ScrambledText>(&v))
                expected.stored(t->text());
            else if (auto* d = std::get_if<OleDateTime>(&v))
                expected.date(d->GetStatus(), d->value());
            else if (auto* n = std::get_if<qint32>(&v))
                expected.i32(*n);
            else
                expected.f64(std::get<double>(v));
        }
        EXPECT_EQ(storeAccount(*account).toHex(' '), expected.data().toHex(' '));
    }
}

TEST(AccountTypesTest, StoreAndReloadGiveBackEveryField)
{
    for (const TypeCase& c : typeCases()) {
        SCOPED_TRACE(c.typeName);
        auto original = filledAccount(c);
        const QByteArray bytes = storeAccount(*original);

        auto loaded = createAccount(AccountId(7), AccountType(c.type));
        CArchive ar { QByteArrayView(bytes) };
        loaded->Serialize(ar);
        EXPECT_EQ(ar.remaining(), 0);
        EXPECT_EQ(loaded->GetId(), AccountId(42));
        EXPECT_EQ(loaded->GetType(), AccountType(c.type));
        EXPECT_EQ(loaded->GetTitle(), original->GetTitle());
        EXPECT_TRUE(loaded->IsCommitted());
        ASSERT_EQ(loaded->GetUserCount(), 1);
        EXPECT_TRUE(loaded->GetUser(0)->IsSameUser(*original->GetUser(0)));
        EXPECT_EQ(loaded->GetUser(0)->GetAdministrator(), 1);
        for (size_t i = 0; i < original->layout().fields.size(); ++i)
            EXPECT_EQ(loaded->field(int(i)), original->field(int(i))) << original->layout().fields[i].name;
        // Load then store of an unchanged account gives the same bytes.
        EXPECT_EQ(storeAccount(*loaded), bytes);
    }
}

TEST(AccountTypesTest, ListsTypeTitleAndTheirRowsInOrder)
{
    QLocale::setDefault(QLocale::c());
    for (const TypeCase& c : typeCases()) {
        SCOPED_TRACE(c.typeName);
        auto account = filledAccount(c);
        if (AccountType(c.type) == AccountType::Email)
            account->RemoveUser(QStringLiteral("bob")); // its user rows are tested on their own
        QStringList names { QStringLiteral("before") }, values { QStringLiteral("before") };
        const int count = account->ListProperties(names, values);
        ASSERT_EQ(count, int(c.listing.size()) + 3);
        ASSERT_EQ(values.size(), names.size());
        EXPECT_EQ(names[1], QStringLiteral("Type"));
        EXPECT_EQ(values[1], QLatin1StringView(c.typeName));
        EXPECT_EQ(names[2], QStringLiteral("Title"));
        EXPECT_EQ(values[2], account->GetTitle());
        const RecordLayout& layout = account->layout();
        for (size_t row = 0; row < c.listing.size(); ++row) {
            const auto& [label, name] = c.listing[row];
            EXPECT_EQ(names[qsizetype(row) + 3], QLatin1StringView(label));
            const int index = layout.indexOf(QLatin1StringView(name));
            EXPECT_EQ(values[qsizetype(row) + 3], formatFieldValue(account->field(index))) << name;
        }
    }
}

TEST(AccountTypesTest, EveryTruncationRaisesTheArchiveError)
{
    for (const TypeCase& c : typeCases()) {
        SCOPED_TRACE(c.typeName);
        const QByteArray bytes = storeAccount(*filledAccount(c));
        for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
            auto loaded = createAccount(AccountId(1), AccountType(c.type));
            CArchive ar { QByteArrayView(bytes.constData(), cut) };
            EXPECT_THROW(loaded->Serialize(ar), CArchiveException) << "cut at " << cut;
        }
    }
}

TEST(AccountTypesTest, OtherBlockVersionsReadNothingMore)
{
    for (const TypeCase& c : typeCases()) {
        SCOPED_TRACE(c.typeName);
        // Common block version 2: only the version is read, then the record block version 3: only
        // that; the fields keep their starting values and no error is raised.
        const QByteArray bytes = Bytes().i32(2).i32(3).i32(99).data();
        auto loaded = createAccount(AccountId(5), AccountType(c.type));
        CArchive ar { QByteArrayView(bytes) };
        loaded->Serialize(ar);
        EXPECT_EQ(ar.remaining(), 4);
        EXPECT_EQ(loaded->GetId(), AccountId(5));
        EXPECT_EQ(loaded->GetTitle(), QString());
        for (size_t i = 0; i < loaded->layout().fields.size(); ++i)
            EXPECT_EQ(loaded->field(int(i)), defaultFieldValue(loaded->layout().fields[i].kind));
    }
}

TEST(AccountTypesTest, EmptyRecordBlocksHaveTheirSizes)
{
    auto sizeOfRecordBlock = [](AccountType type) {
        auto account = createAccount(AccountId(1), type);
        return storeAccount(*account).size()
            - Bytes().i32(1).i32(1).i32(typeCode(type)).text({}).i32(0).i32(0).data().size();
    };
    EXPECT_EQ(sizeOfRecordBlock(AccountType::Bank), 32);
    EXPECT_EQ(sizeOfRecordBlock(AccountType::Reference), 24);
    EXPECT_EQ(storeAccount(*createAccount(AccountId(1), AccountType::Reference)).right(24).toHex(),
        QByteArray("01000000"
                   "00000000"
                   "0000000000000000"
                   "fffeff00"
                   "fffeff00"));
}

TEST(AccountTypesTest, FactoryKnowsTheTenCodesOnly)
{
    for (qint32 code = -1; code <= 25; ++code) {
        const AccountType type = AccountType(code);
        auto account = createAccount(AccountId(3), type);
        EXPECT_EQ(account != nullptr, isAccountType(type)) << code;
        if (account) {
            EXPECT_EQ(account->GetType(), type);
            EXPECT_EQ(account->GetId(), AccountId(3));
            EXPECT_FALSE(account->IsCommitted());
            EXPECT_EQ(layoutOf(type), &account->layout());
        }
    }
}

} // namespace
