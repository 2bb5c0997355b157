#include "accounts/WebSiteAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "siteName", FieldKind::Text, "Site Name" },
    { "webSiteUrl", FieldKind::Text, "Web Site URL", SecretKind::None, FieldRole::Url },
    { "userId", FieldKind::Text, "User ID", SecretKind::None, FieldRole::UserName },
    { "userPassword", FieldKind::Text, "User Password", SecretKind::Password,
        FieldRole::CopyTarget | FieldRole::GeneratePassword },
    { "popServer", FieldKind::Text, "POP Server" },
    { "smtpServer", FieldKind::Text, "SMTP Server" },
    { "ipAddress", FieldKind::Text, "IP Address" },
    { "notes", FieldKind::Text, "Notes", SecretKind::None, FieldRole::Notes },
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
