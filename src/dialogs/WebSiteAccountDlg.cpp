#include "dialogs/WebSiteAccountDlg.h"

#include "core/AccountTypes.h"
#include "dialogs/StrengthBar.h"

#include <QLineEdit>

namespace {
using K = ControlKind;

constexpr int kTitle = 1054;
constexpr int kSiteName = 1004;
constexpr int kWebSiteUrl = 1033;
constexpr int kUserId = 1005;
constexpr int kUserPassword = 1008;
constexpr int kPopServer = 1065;
constexpr int kSmtpServer = 1066;
constexpr int kNotes = 1049;
constexpr int kIpAddress = 1112;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, "Title:", { 7, 15, 62, 12 }, "title" },
    { kSiteName, K::Edit, "Web Site URL:", { 75, 15, 98, 12 }, "siteName" },
    { kWebSiteUrl, K::Edit, "URL:", { 7, 36, 166, 12 }, "webSiteUrl" },
    { kUserId, K::Edit, "UserID:", { 7, 59, 66, 12 }, "userId" },
    { kUserPassword, K::SecretEdit, "Password:", { 82, 59, 91, 12 }, "userPassword" },
    { kPopServer, K::Edit, "POP Server:", { 82, 82, 91, 12 }, "popServer" },
    { kSmtpServer, K::Edit, "SMTP Server:", { 7, 104, 166, 12 }, "smtpServer" },
    { kNotes, K::Memo, "Notes:", { 7, 127, 166, 31 }, "notes" },
    { kIdCancel, K::CancelButton, "Cancel", { 123, 163, 50, 14 } },
    { kIdOk, K::OkButton, "OK", { 71, 163, 50, 14 } },
    { kIpAddress, K::Edit, "IP Address:", { 7, 82, 66, 12 }, "ipAddress" },
};
constexpr int kExchangeOrder[]
    = { kNotes, kWebSiteUrl, kUserId, kUserPassword, kTitle, kSiteName, kPopServer, kSmtpServer, kIpAddress };
constexpr int kStoreOrder[]
    = { kSiteName, kWebSiteUrl, kUserId, kUserPassword, kPopServer, kSmtpServer, kIpAddress, kNotes };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { kTitle } },
    { "   - Site Name\n", { kSiteName } },
    { "   - Site URL\n", { kWebSiteUrl } },
    { "   - User ID\n", { kUserId } },
    { "   - User Password\n\n", { kUserPassword } },
};
const DialogSpec kSpec { AccountType::WebSite, "Web Site Account", ":/dialogs/icons/website.svg", 180, 183, kControls,
    kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CWebSiteAccountDlg::CWebSiteAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
    // The strength of the password as it is typed, against the account's own words.
    StrengthBar::placeUnder(control<QLineEdit>(kUserPassword), [this] {
        return QStringList { control<QLineEdit>(kTitle)->text(), control<QLineEdit>(kSiteName)->text(),
            control<QLineEdit>(kUserId)->text() };
    });
}
