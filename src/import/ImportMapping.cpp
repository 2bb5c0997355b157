#include "import/ImportMapping.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"

#include <algorithm>
#include <array>

namespace ImportMapping {

namespace {

struct Target {
    AccountType type;
    Slot slot;
    const char* field; // a field name of the type, or "users.<part>" for the Email account's user
};

// Where each kind of value lands in each type. The Host field takes the host of the address, and a
// date field the day of the import when the entry gives none; nothing else is filled unless given.
// clang-format off
constexpr Target kTargets[] = {
    { AccountType::Email,      Slot::Url,           "logInUrl" },
    { AccountType::Email,      Slot::UserName,      "users.loginId" },
    { AccountType::Email,      Slot::Password,      "users.password" },
    { AccountType::Email,      Slot::EmailAddress,  "users.email" },
    { AccountType::WebSite,    Slot::Host,          "siteName" },
    { AccountType::WebSite,    Slot::UserName,      "userId" },
    { AccountType::WebSite,    Slot::Password,      "userPassword" },
    { AccountType::WebSite,    Slot::Url,           "webSiteUrl" },
    { AccountType::WebSite,    Slot::Notes,         "notes" },
    { AccountType::CreditCard, Slot::Institution,   "provider" },
    { AccountType::CreditCard, Slot::Kind,          "accountType" },
    { AccountType::CreditCard, Slot::Holder,        "nameOnCard" },
    { AccountType::CreditCard, Slot::Number,        "accountNumber" },
    { AccountType::CreditCard, Slot::Expiry,        "expiration" },
    { AccountType::CreditCard, Slot::Pin,           "pin" },
    { AccountType::CreditCard, Slot::Phone,         "servicePhone" },
    { AccountType::Bank,       Slot::Institution,   "institution" },
    { AccountType::Bank,       Slot::Kind,          "accountType" },
    { AccountType::Bank,       Slot::Holder,        "nameOnAccount" },
    { AccountType::Bank,       Slot::Number,        "accountNumber" },
    { AccountType::Bank,       Slot::RoutingNumber, "routingNumber" },
    { AccountType::Bank,       Slot::Pin,           "pin" },
    { AccountType::Bank,       Slot::Phone,         "servicePhone" },
    { AccountType::Insurance,  Slot::Institution,   "provider" },
    { AccountType::Insurance,  Slot::Kind,          "insuranceType" },
    { AccountType::Insurance,  Slot::Holder,        "holderName" },
    { AccountType::Insurance,  Slot::Number,        "accountNumber" },
    { AccountType::Insurance,  Slot::Expiry,        "expiration" },
    { AccountType::Insurance,  Slot::Phone,         "servicePhone" },
    { AccountType::Insurance,  Slot::Insured,       "itemDescription" },
    { AccountType::Medical,    Slot::FirstName,     "firstName" },
    { AccountType::Medical,    Slot::MiddleName,    "middleInitial" },
    { AccountType::Medical,    Slot::LastName,      "lastName" },
    { AccountType::Medical,    Slot::Ssn,           "ssn" },
    { AccountType::Medical,    Slot::Passport,      "passportNumber" },
    { AccountType::Medical,    Slot::Licence,       "driverLicenseNumber" },
    { AccountType::Medical,    Slot::Notes,         "notes" },
    { AccountType::Software,   Slot::Version,       "version" },
    { AccountType::Software,   Slot::Institution,   "manufacturer" },
    { AccountType::Software,   Slot::LicenceKey,    "cdKey" },
    { AccountType::Software,   Slot::Url,           "supportUrl" },
    { AccountType::Software,   Slot::Phone,         "servicePhone" },
    { AccountType::Reference,  Slot::Notes,         "description" },
    { AccountType::Reference,  Slot::Date,          "date" },
    { AccountType::Reference,  Slot::About,         "about" },
};
// clang-format on

constexpr int kSlots = int(Slot::Extra) + 1;
constexpr int kNoPlace = -1;
constexpr int kUserBase = -100; // kUserBase + part: the part of the Email account's user

// The table as field indexes, per type and slot.
struct Lookup {
    std::array<std::array<int, kSlots>, kAccountTypes.size()> target;

    Lookup()
    {
        for (auto& row : target)
            row.fill(kNoPlace);
        static const char* const userParts[UserParts] = { "users.loginId", "users.password", "users.email" };
        for (const Target& t : kTargets) {
            int index = kNoPlace;
            for (int part = 0; part < UserParts; ++part)
                if (qstrcmp(t.field, userParts[part]) == 0)
                    index = kUserBase + part;
            if (index == kNoPlace)
                index = layoutOf(t.type)->indexOf(QLatin1StringView(t.field));
            Q_ASSERT(index != kNoPlace);
            target[size_t(accountTypeIndex(t.type))][size_t(t.slot)] = index;
        }
    }
};

int targetOf(AccountType type, Slot slot)
{
    static const Lookup lookup;
    const int typeIndex = accountTypeIndex(type);
    return typeIndex < 0 ? kNoPlace : lookup.target[size_t(typeIndex)][size_t(slot)];
}

// "mail" in any case: a plain loop, as this is asked of every login.
bool containsMail(QStringView text)
{
    for (qsizetype i = 0; i + 4 <= text.size(); ++i)
        if ((text[i].unicode() | 0x20) == u'm' && (text[i + 1].unicode() | 0x20) == u'a'
            && (text[i + 2].unicode() | 0x20) == u'i' && (text[i + 3].unicode() | 0x20) == u'l')
            return true;
    return false;
}

bool isDateField(AccountType type, int field) { return layoutOf(type)->fields[size_t(field)].kind == FieldKind::Date; }

void setText(AccountRecord& account, int field, const QString& value)
{
    if (isDateField(account.GetType(), field))
        account.setField(field, OleDateTime::fromDate(parseDate(value)));
    else
        account.setField(field, ScrambledText(value));
}

} // namespace

int fieldFor(AccountType type, Slot slot)
{
    const int target = targetOf(type, slot);
    return target >= 0 ? target : kNoPlace;
}

int notesField(AccountType type) { return fieldFor(type, Slot::Notes); }

QString cardKind(const QString& brand)
{
    if (brand.compare(QLatin1StringView("Mastercard"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Master Card");
    if (brand.compare(QLatin1StringView("Amex"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("American Express");
    return brand;
}

QString hostOf(const QString& url)
{
    // By hand rather than through QUrl: an import asks this of every login, and QUrl's full parse
    // costs more than reading the entry.
    QStringView rest(url);
    const qsizetype scheme = rest.indexOf(QLatin1StringView("://"));
    const qsizetype colon = rest.indexOf(u':');
    if (scheme >= 0)
        rest = rest.sliced(scheme + 3);
    else if (colon > 0 && rest.first(colon).indexOf(u'/') < 0
        && (colon + 1 == rest.size() || !rest[colon + 1].isDigit()))
        return {}; // "mailto:..." and the like: a scheme without a host (a colon before digits is a port)
    for (qsizetype i = 0; i < rest.size(); ++i)
        if (rest[i] == u'/' || rest[i] == u'?' || rest[i] == u'#') {
            rest.truncate(i);
            break;
        }
    rest = rest.sliced(rest.lastIndexOf(u'@') + 1); // user and password
    if (rest.startsWith(u'[')) // an IPv6 address
        return rest.left(rest.indexOf(u']') + 1).toString();
    const qsizetype port = rest.indexOf(u':');
    QString host = (port >= 0 ? rest.left(port) : rest).toString();
    for (QChar& c : host)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return host;
}

bool saysMail(const QString& title, const QString& url)
{
    static constexpr QLatin1StringView mailSchemes[] = { QLatin1StringView("mailto"), QLatin1StringView("imap"),
        QLatin1StringView("imaps"), QLatin1StringView("pop"), QLatin1StringView("pop3"), QLatin1StringView("pop3s"),
        QLatin1StringView("smtp"), QLatin1StringView("smtps") };
    // Every login asks this: a host is looked for only in an address that says mail somewhere, and
    // the scheme is compared in place.
    if (containsMail(title) || (containsMail(url) && containsMail(hostOf(url))))
        return true;
    const qsizetype colon = url.indexOf(u':');
    if (colon <= 0)
        return false;
    const QStringView scheme = QStringView(url).first(colon);
    return std::any_of(std::begin(mailSchemes), std::end(mailSchemes),
        [scheme](QLatin1StringView mail) { return scheme.compare(mail, Qt::CaseInsensitive) == 0; });
}

AccountType defaultType(const ImportEntry& entry)
{
    switch (entry.kind) {
    case EntryKind::Login:
        return saysMail(entry.title, entry.value(Slot::Url)) ? AccountType::Email : AccountType::WebSite;
    case EntryKind::Card:
        return AccountType::CreditCard;
    case EntryKind::BankAccount:
        return AccountType::Bank;
    case EntryKind::Identity:
        for (const ImportItem& item : entry.items)
            if (item.slot == Slot::Ssn || item.slot == Slot::Passport || item.slot == Slot::Licence)
                return AccountType::Medical;
        return AccountType::Reference;
    case EntryKind::Note:
        return AccountType::Reference;
    case EntryKind::SoftwareLicence:
        return AccountType::Software;
    case EntryKind::Insurance:
        return AccountType::Insurance;
    case EntryKind::EmailAccount:
        return AccountType::Email;
    case EntryKind::Account:
        return entry.account ? entry.account->GetType() : AccountType::None;
    }
    return AccountType::Reference;
}

std::vector<AccountType> typeChoices(const ImportEntry& entry)
{
    if (entry.kind == EntryKind::Login)
        return { AccountType::WebSite, AccountType::Email };
    return { defaultType(entry) };
}

EntryKind loginOrNote(const ImportEntry& entry)
{
    for (const ImportItem& item : entry.items)
        if (item.slot == Slot::UserName || item.slot == Slot::Password || item.slot == Slot::Url
            || item.label.compare(QLatin1StringView("TOTP"), Qt::CaseInsensitive) == 0
            || item.label.compare(QLatin1StringView("OTP"), Qt::CaseInsensitive) == 0)
            return EntryKind::Login;
    return EntryKind::Note;
}

Placement place(const ImportEntry& entry, AccountType type)
{
    Placement placement;
    placement.type = type;
    if (entry.kind == EntryKind::Account)
        return placement; // carried whole
    const RecordLayout* layout = layoutOf(type);
    QVarLengthArray<bool, 32> filled(layout ? qsizetype(layout->fields.size()) : 0, false);
    const int notes = notesField(type);
    for (const ImportItem& item : entry.items) {
        const int target = item.slot == Slot::Extra ? kNoPlace : targetOf(type, item.slot);
        if (target >= kUserBase && target < kUserBase + UserParts) {
            if (!placement.user[target - kUserBase]) {
                placement.user[target - kUserBase] = &item;
                continue;
            }
        } else if (target >= 0 && !filled[target] && (!isDateField(type, target) || parseDate(item.value).isValid())) {
            filled[target] = true;
            placement.fields.emplace_back(target, &item);
            continue;
        }
        if (item.slot == Slot::Date)
            continue; // the other program's bookkeeping: it dates a note, and nothing else
        (notes >= 0 ? placement.toNotes : placement.toMore).push_back(&item);
    }
    return placement;
}

QString composeNotes(const QString& own, const Items& lines)
{
    QString text = own;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!text.isEmpty())
            text += i == 0 ? QStringLiteral("\r\n\r\n") : QStringLiteral("\r\n");
        text += lines[i]->label + QStringLiteral(": ") + lines[i]->value;
    }
    return text;
}

QDate parseDate(const QString& text)
{
    if (text.size() == 7) {
        const QDate first = QDate::fromString(text, QStringLiteral("yyyy-MM"));
        return first.isValid() ? first.addMonths(1).addDays(-1) : QDate();
    }
    return text.size() == 10 ? QDate::fromString(text, Qt::ISODate) : QDate();
}

std::vector<std::unique_ptr<AccountRecord>> build(const ImportEntry& entry, const Placement& placement, AccountId id,
    const QString& title, AccountId moreId, const QString& moreTitle, QDate today)
{
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    const AccountType type = placement.type;
    std::unique_ptr<AccountRecord> account = createAccount(id, type);
    account->SetTitle(title);
    const int notes = notesField(type);
    QString ownNotes;
    bool dated = false;
    for (const auto& [field, item] : placement.fields) {
        if (field == notes)
            ownNotes = item->value;
        else
            setText(*account, field, item->value);
        dated = dated || item->slot == Slot::Date;
    }
    if (notes >= 0)
        account->setField(notes, ScrambledText(composeNotes(ownNotes, placement.toNotes)));
    const int hostField = fieldFor(type, Slot::Host);
    if (hostField >= 0)
        account->setField(hostField, ScrambledText(hostOf(entry.value(Slot::Url))));
    const int dateField = fieldFor(type, Slot::Date);
    if (dateField >= 0 && !dated)
        account->setField(dateField, OleDateTime::fromDate(today));
    const auto userPart
        = [&placement](UserPart part) { return placement.user[part] ? placement.user[part]->value : QString(); };
    if (placement.user[LoginId] || placement.user[Password] || placement.user[EmailAddress]) {
        const QString login = userPart(LoginId);
        const QString email = placement.user[EmailAddress] || !login.contains(u'@') ? userPart(EmailAddress) : login;
        AccountBuilder::appendUser(*account, std::make_unique<UserEntry>(0, login, userPart(Password), email));
    }
    account->SetCommitted();
    accounts.push_back(std::move(account));

    if (moreTitle.isEmpty() || placement.toMore.empty())
        return accounts;
    std::unique_ptr<AccountRecord> more = createAccount(moreId, AccountType::Reference);
    more->SetTitle(moreTitle);
    more->setField(fieldFor(AccountType::Reference, Slot::About),
        ScrambledText(QStringLiteral("%1 \"%2\"").arg(accountTypeName(type), title)));
    more->setField(notesField(AccountType::Reference), ScrambledText(composeNotes({}, placement.toMore)));
    more->setField(fieldFor(AccountType::Reference, Slot::Date), OleDateTime::fromDate(today));
    more->SetCommitted();
    accounts.push_back(std::move(more));
    return accounts;
}

} // namespace ImportMapping
