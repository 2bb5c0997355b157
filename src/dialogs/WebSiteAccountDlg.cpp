#include "WebSiteAccountDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr ControlSpec kControls[] = {
    { 1054, K::Edit, "Title:", { 7, 15, 62, 12 }, "title" },
    { 1004, K::Edit, "Web Site URL:", { 75, 15, 98, 12 }, "siteName" },
    { 1033, K::Edit, "URL:", { 7, 36, 166, 12 }, "webSiteUrl" },
    { 1005, K::Edit, "UserID:", { 7, 59, 66, 12 }, "userId" },
    { 1008, K::Edit, "Password:", { 82, 59, 91, 12 }, "userPassword" },
    { 1065, K::Edit, "POP Server:", { 82, 82, 91, 12 }, "popServer" },
    { 1066, K::Edit, "SMTP Server:", { 7, 104, 166, 12 }, "smtpServer" },
    { 1049, K::Memo, "Notes:", { 7, 127, 166, 31 }, "notes" },
    { 2, K::CancelButton, "Cancel", { 123, 163, 50, 14 } },
    { 1, K::OkButton, "OK", { 71, 163, 50, 14 } },
    { 1112, K::Edit, "IP Address:", { 7, 82, 66, 12 }, "ipAddress" },
};
constexpr int kExchangeOrder[] = { 1049, 1033, 1005, 1008, 1054, 1004, 1065, 1066, 1112 };
constexpr int kStoreOrder[] = { 1004, 1033, 1005, 1008, 1065, 1066, 1112, 1049 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1054 } },
    { "   - Site Name\n", { 1004 } },
    { "   - Site URL\n", { 1033 } },
    { "   - User ID\n", { 1005 } },
    { "   - User Password\n\n", { 1008 } },
};
const DialogSpec kSpec { AccountType::WebSite, "Web Site Account", ":/dialogs/icons/website.svg", 180, 183, kControls,
    kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CWebSiteAccountDlg::CWebSiteAccountDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
