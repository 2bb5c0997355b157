#include "dialogs/EmailAccountDlg.h"

#include "accounts/EmailAccount.h"
#include "core/AccountTypes.h"
#include "dialogs/StrengthBar.h"
#include "document/QuorrilDoc.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <numeric>

namespace {
using K = ControlKind;

constexpr int kTitle = 1040;
constexpr int kUsers = 1002;
constexpr int kUsersLabel = 1044;
constexpr int kLogInUrl = 1016;
constexpr int kLoginId = 1009;
constexpr int kPassword = 1018;
constexpr int kEmail = 1011;
constexpr int kAdministrator = 1000;
constexpr int kAdd = 1022;
constexpr int kRemove = 1020;
constexpr int kUpdate = 1024;
constexpr int kClear = 1120;
constexpr int kUserInfo = 0;

constexpr ControlSpec kControls[] = {
    { kUserInfo, K::GroupBox, QT_TRANSLATE_NOOP("TableAccountDialog", "User Info:"), { 7, 55, 166, 101 } },
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 62, 12 }, "title" },
    { kUsers, K::UsersBox, QT_TRANSLATE_NOOP("TableAccountDialog", "Users:"), { 75, 15, 98, 99 }, nullptr, {}, nullptr,
        kUsersLabel, 58 },
    { kLogInUrl, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Log In URL:"), { 7, 39, 166, 12 }, "logInUrl" },
    { kLoginId, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Log In ID:"), { 16, 74, 71, 12 }, nullptr, {},
        nullptr, 0, 0, "loginId" },
    { kPassword, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "Password:"), { 94, 74, 73, 12 }, nullptr, {},
        nullptr, 0, 0, "password" },
    { kEmail, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Email Address:"), { 16, 113, 149, 12 }, nullptr, {},
        nullptr, 0, 0, "email" },
    { kAdd, K::PushButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Add"), { 58, 134, 35, 13 } },
    { kRemove, K::PushButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Remove"), { 94, 134, 35, 13 } },
    { kUpdate, K::PushButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Update"), { 130, 134, 35, 13 } },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 161, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 71, 161, 50, 14 } },
    { kAdministrator, K::CheckBox, QT_TRANSLATE_NOOP("TableAccountDialog", "Administrator Rights For This Account"),
        { 16, 93, 149, 8 }, nullptr, {}, nullptr, 0, 0, "administrator" },
    { kClear, K::PushButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Clear"), { 16, 134, 35, 13 } },
};
constexpr int kExchangeOrder[] = { kLogInUrl, kAdministrator, kLoginId, kPassword, kEmail, kTitle };
constexpr int kStoreOrder[] = { kLogInUrl };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Log In URL\n\n"), { kLogInUrl } },
};
const DialogSpec kSpec { AccountType::Email, QT_TRANSLATE_NOOP("TableAccountDialog", "Email Account"),
    ":/dialogs/icons/email.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired, false };
} // namespace

CEmailAccountDlg::CEmailAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
    connect(control<QPushButton>(kAdd), &QPushButton::clicked, this, &CEmailAccountDlg::OnAddUser);
    connect(control<QPushButton>(kUpdate), &QPushButton::clicked, this, &CEmailAccountDlg::OnUpdateUser);
    connect(control<QPushButton>(kRemove), &QPushButton::clicked, this, &CEmailAccountDlg::OnRemoveUser);
    connect(control<QPushButton>(kClear), &QPushButton::clicked, this, &CEmailAccountDlg::OnClearUser);
    connect(usersBox(), &QComboBox::activated, this, &CEmailAccountDlg::OnSelchangeUsers);
    // The strength of the user's password as it is typed, against the account's own words.
    StrengthBar::placeUnder(control<QLineEdit>(kPassword), [this] {
        return QStringList { control<QLineEdit>(kTitle)->text(), control<QLineEdit>(kLoginId)->text(),
            control<QLineEdit>(kEmail)->text() };
    });
}

QComboBox* CEmailAccountDlg::usersBox() const { return control<QComboBox>(kUsers); }

void CEmailAccountDlg::UpdateUserCount()
{
    label(kUsersLabel)->setText(tr("Users: %1").arg(GetAccount()->GetUserCount()));
}

UserEntry* CEmailAccountDlg::selectedUser(int* index) const
{
    const QComboBox* box = usersBox();
    if (!GetAccount() || box->currentIndex() < 0)
        return nullptr;
    const int userIndex = box->currentData().toInt();
    if (index)
        *index = userIndex;
    return GetAccount()->GetUser(userIndex);
}

void CEmailAccountDlg::fillUsers(int selectIndex)
{
    const AccountRecord* account = GetAccount();
    std::vector<int> order(size_t(account->GetUserCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [account](int a, int b) {
        return account->GetUser(a)->GetLoginId().compare(account->GetUser(b)->GetLoginId(), Qt::CaseInsensitive) < 0;
    });
    QComboBox* box = usersBox();
    box->clear();
    for (int index : order)
        box->addItem(account->GetUser(index)->GetLoginId(), index);
    const int item = selectIndex < 0 ? 0 : box->findData(selectIndex);
    box->setCurrentIndex(box->count() ? std::max(item, 0) : -1);
}

bool CEmailAccountDlg::loadSelectedUser()
{
    const UserEntry* user = selectedUser();
    if (!user)
        return false;
    setFieldValue(kAdministrator, user->GetAdministrator());
    setFieldValue(kLoginId, ScrambledText(user->GetLoginId()));
    setFieldValue(kPassword, ScrambledText(user->GetPassword()));
    setFieldValue(kEmail, ScrambledText(user->GetEmail()));
    return true;
}

bool CEmailAccountDlg::userFieldsFilled() const
{
    return !fieldText(kLoginId).isEmpty() && !fieldText(kPassword).isEmpty() && !fieldText(kEmail).isEmpty();
}

void CEmailAccountDlg::markChanged()
{
    control(kIdCancel)->setEnabled(false);
    m_accountChanged = true;
    UpdateUserCount();
}

void CEmailAccountDlg::LoadAccount()
{
    TableAccountDialog::LoadAccount();
    if (createdNew()) {
        control(kRemove)->setEnabled(false);
        control(kUpdate)->setEnabled(false);
        return;
    }
    if (!GetAccount())
        return;
    fillUsers(-1);
    UpdateUserCount();
    loadSelectedUser();
}

void CEmailAccountDlg::OnSelchangeUsers()
{
    takeFields();
    if (loadSelectedUser())
        showFields();
}

void CEmailAccountDlg::OnClearUser()
{
    takeFields();
    setFieldValue(kAdministrator, qint32(0));
    setFieldValue(kLoginId, ScrambledText());
    setFieldValue(kPassword, ScrambledText());
    setFieldValue(kEmail, ScrambledText());
    showFields();
}

void CEmailAccountDlg::OnAddUser()
{
    takeFields();
    if (!GetAccount() || !checkStorableTexts())
        return;
    // Add stores the title and the log-in URL with the new user, and nothing when it adds no user. A
    // taken title brings the duplicate warning as at OK; either answer goes back to the dialog, since
    // there is nothing to discard yet.
    if (titleTaken()) {
        prompts().duplicateAccount();
        return;
    }
    if (!userFieldsFilled()) {
        prompts().notice(tr("User cannot be created if these fields are empty:\n   - User ID\n   - User Password\n"
                            "   - User Email\n\nEdit these fields and try again."));
        return;
    }
    const int index = GetAccount()->AddUser(
        std::get<qint32>(fieldValue(kAdministrator)), fieldText(kLoginId), fieldText(kPassword), fieldText(kEmail));
    if (index < 0) {
        prompts().notice(tr("User Already Exist !"));
        return;
    }
    writeAccount();
    commitEdit();
    fillUsers(index);
    control(kRemove)->setEnabled(true);
    control(kUpdate)->setEnabled(true);
    markChanged();
}

void CEmailAccountDlg::OnUpdateUser()
{
    takeFields();
    if (!checkStorableTexts())
        return;
    // A taken title makes Update do nothing. Otherwise the title and URL are stored, with or without
    // a user, and Cancel can no longer take them back.
    if (StoreAccount())
        markChanged();
}

void CEmailAccountDlg::afterStore()
{
    int index = -1;
    UserEntry* user = selectedUser(&index);
    if (!user)
        return;
    if (!userFieldsFilled()) {
        prompts().notice(tr("User cannot be updated if these fields are empty:\n   - User ID\n   - User Password\n"
                            "   - User Email\n\nEdit these fields and try again."));
        return;
    }
    user->SetLoginId(fieldText(kLoginId));
    user->SetPassword(fieldText(kPassword));
    user->SetEmail(fieldText(kEmail));
    user->SetAdministrator(std::get<qint32>(fieldValue(kAdministrator)));
    fillUsers(index);
    markChanged();
}

void CEmailAccountDlg::OnRemoveUser()
{
    takeFields();
    int index = -1;
    const UserEntry* user = selectedUser(&index);
    if (!user)
        return;
    const QString question = tr("Are You sure you want to remove:\n\nUser:  %1\nEmail: %2\n\nContinue ?")
                                 .arg(user->GetLoginId(), user->GetEmail());
    if (!prompts().question(question, UiPrompts::Icon::Question))
        return;
    GetAccount()->RemoveUserAt(index);
    commitEdit();
    fillUsers(-1);
    OnSelchangeUsers();
    markChanged();
}

void CEmailAccountDlg::OnCancel()
{
    discardNewAccount();
    if (GetAccount() && m_accountChanged) {
        takeFields();
        endDialog(QDialog::Accepted);
        return;
    }
    endDialog(QDialog::Rejected);
}

void CEmailAccountDlg::keyPressEvent(QKeyEvent* event)
{
    // Without a default button Enter presses the push button that has the focus and means OK
    // anywhere else. Controls that take Enter themselves never pass it on to the dialog.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        TableAccountDialog::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else
        OnOK();
}
