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
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 62, 12 }, "title" },
    { kSiteName, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Web Site URL:"), { 75, 15, 98, 12 }, "siteName" },
    { kWebSiteUrl, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "URL:"), { 7, 36, 166, 12 }, "webSiteUrl" },
    { kUserId, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "UserID:"), { 7, 59, 66, 12 }, "userId" },
    { kUserPassword, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "Password:"), { 82, 59, 91, 12 },
        "userPassword" },
    { kPopServer, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "POP Server:"), { 82, 82, 91, 12 }, "popServer" },
    { kSmtpServer, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "SMTP Server:"), { 7, 104, 166, 12 },
        "smtpServer" },
    { kNotes, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Notes:"), { 7, 127, 166, 31 }, "notes" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 163, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 71, 163, 50, 14 } },
    { kIpAddress, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "IP Address:"), { 7, 82, 66, 12 }, "ipAddress" },
};
constexpr int kExchangeOrder[]
    = { kNotes, kWebSiteUrl, kUserId, kUserPassword, kTitle, kSiteName, kPopServer, kSmtpServer, kIpAddress };
constexpr int kStoreOrder[]
    = { kSiteName, kWebSiteUrl, kUserId, kUserPassword, kPopServer, kSmtpServer, kIpAddress, kNotes };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Site Name\n"), { kSiteName } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Site URL\n"), { kWebSiteUrl } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - User ID\n"), { kUserId } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - User Password\n\n"), { kUserPassword } },
};
const DialogSpec kSpec { AccountType::WebSite, QT_TRANSLATE_NOOP("TableAccountDialog", "Web Site Account"),
    ":/dialogs/icons/website.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
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
