#include "accounts/WebSiteAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "siteName", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Site Name") },
    { "webSiteUrl", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Web Site URL"), SecretKind::None,
        FieldRole::Url },
    { "userId", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "User ID"), SecretKind::None, FieldRole::UserName },
    { "userPassword", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "User Password"), SecretKind::Password,
        FieldRole::CopyTarget | FieldRole::GeneratePassword },
    { "popServer", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "POP Server") },
    { "smtpServer", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "SMTP Server") },
    { "ipAddress", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "IP Address") },
    { "notes", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Notes"), SecretKind::None, FieldRole::Notes },
};
constexpr int kFileOrder[]
    = { WebSiteAccount::SiteName, WebSiteAccount::WebSiteUrl, WebSiteAccount::UserId, WebSiteAccount::UserPassword,
          WebSiteAccount::PopServer, WebSiteAccount::SmtpServer, WebSiteAccount::IpAddress, WebSiteAccount::Notes };
constexpr int kListOrder[]
    = { WebSiteAccount::SiteName, WebSiteAccount::WebSiteUrl, WebSiteAccount::UserId, WebSiteAccount::UserPassword,
          WebSiteAccount::PopServer, WebSiteAccount::SmtpServer, WebSiteAccount::IpAddress, WebSiteAccount::Notes };
const RecordLayout kLayout { AccountType::WebSite, kFields, kFileOrder, kListOrder };
} // namespace

WebSiteAccount::WebSiteAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& WebSiteAccount::Layout() { return kLayout; }
