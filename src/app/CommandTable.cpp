#include "app/CommandTable.h"

#include "app/CommandIds.h"
#include "core/AccountTypes.h"
#include "views/Artwork.h"

#include <algorithm>
#include <array>

namespace {
using Key = QKeySequence;

constexpr CommandInfo kCommands[] = {
    { ID_FILE_NEW, "&New", "Create a new document", "New", Key::New, nullptr, "file-new" },
    { ID_FILE_OPEN, "&Open", "Open an existing document", "Open", Key::Open, nullptr, "file-open" },
    { ID_FILE_SAVE, "&Save", "Save the active document", "Save", Key::Save, nullptr, "file-save" },
    { ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name", "Save As" },
    { ID_FILE_RESTORE_BACKUP, "Restore &Backup…", "Open a copy of this wallet kept before one of its saves", nullptr },
    { ID_FILE_MERGE_FROM, "&Merge From…", "Merge another copy of this wallet into it", nullptr },
    { ID_FILE_IMPORT, "&Import…", "Add the accounts of another program's export to this wallet", nullptr },
    { ID_FILE_EXPORT, "Expo&rt…", "Write every account to a file, secrets in clear", nullptr },
    { ID_ENCRYPT_WALLET, "&Encrypt Wallet", "Encrypt the wallet with its password when it is saved", nullptr },
    { ID_FILE_PREFERENCES, "&Preferences…", "Change the settings that apply to every wallet", nullptr },
    { ID_APP_ABOUT, "About Quorril...", "Display program information, version number and copyright", "About",
        Key::UnknownKey, nullptr, "about" },
    { ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents", "Exit" },
    { ID_FILE_PRINT, "Print", nullptr, nullptr, Key::UnknownKey, "Ctrl+P" },
    { ID_NEXT_PANE, "Next Pane", nullptr, nullptr, Key::UnknownKey, "F6" },
    { ID_PREV_PANE, "Previous Pane", nullptr, nullptr, Key::UnknownKey, "Shift+F6" },

    { ID_EDIT_UNDO, "&Undo", "Undo the last change to the accounts or the password", nullptr, Key::UnknownKey,
        "Ctrl+Z" },
    { ID_EDIT_REDO, "&Redo", "Do again the change undone last", nullptr, Key::UnknownKey, "Ctrl+Shift+Z; Ctrl+Y" },
    { ID_EDIT_RECENTLY_DELETED, "Recently &Deleted…", "List the accounts deleted since the wallet was opened",
        nullptr },

    { ID_LOCK_DOCUMENT, "Lock Document", "Lock Document", "Lock Document", Key::UnknownKey, nullptr, "lock" },
    { ID_CHANGE_PASSWORD, "Change Document Password", "Change Document Password", "Change Document Password",
        Key::UnknownKey, nullptr, "password" },
    { ID_UNLOCK_DOCUMENT, "Unlock Document", "Unlock Document", "Unlock Document", Key::UnknownKey, nullptr, "unlock" },

    { ID_NEW_EMAIL, "Email", "New Email Account", "New Email Account", Key::UnknownKey, nullptr, nullptr,
        AccountType::Email },
    { ID_NEW_WEBSITE, "WebSite", "New WebSite Account", "New WebSite Account", Key::UnknownKey, nullptr, nullptr,
        AccountType::WebSite },
    { ID_NEW_BANK, "Bank", "New Bank Accont", "New Bank Account", Key::UnknownKey, nullptr, nullptr,
        AccountType::Bank },
    { ID_NEW_INSURANCE, "Insurance", "New Insurance Account", "New Insurance Account", Key::UnknownKey, nullptr,
        nullptr, AccountType::Insurance },
    { ID_NEW_CREDITCARD, "Credit Card", "New Credit Card Account", "New Credit Card Account", Key::UnknownKey, nullptr,
        nullptr, AccountType::CreditCard },
    { ID_NEW_MEDICAL, "Medical Record", "New Medical Record", "New Medical Record", Key::UnknownKey, nullptr, nullptr,
        AccountType::Medical },
    { ID_NEW_CALLINGCARD, "Calling Card", "New Calling Card Account", "New Calling Card Account", Key::UnknownKey,
        nullptr, nullptr, AccountType::CallingCard },
    { ID_NEW_PURCHASEDITEM, "Purchased Item", "New Purchased Item Account", "New Purchased Item Account",
        Key::UnknownKey, nullptr, nullptr, AccountType::PurchasedItem },
    { ID_NEW_SOFTWARE, "Software", "New Software Account", "New Software Account", Key::UnknownKey, nullptr, nullptr,
        AccountType::Software },
    { ID_NEW_REFERENCE, "Reference", "New Reference Account", "New Reference Account", Key::UnknownKey, nullptr,
        nullptr, AccountType::Reference },
    { ID_ACCOUNT_PROPERTIES, "Properties", "Account Properties", "Account Properties", Key::UnknownKey, nullptr,
        "properties" },
    { ID_ACCOUNT_DELETE, "Delete", nullptr, nullptr },
    { ID_ACCOUNT_COPY_PASSWORD, "Copy &Password", "Copy the account's password, PIN or key to the clipboard", nullptr,
        Key::UnknownKey, "Ctrl+Shift+C" },
    { ID_ACCOUNT_COPY_USER_NAME, "Copy &User Name", "Copy the name the account's owner logs in with to the clipboard",
        nullptr, Key::UnknownKey, "Ctrl+B" },
    { ID_ACCOUNT_OPEN_URL, "&Open URL", "Open the account's web address in the browser", nullptr, Key::UnknownKey,
        "Ctrl+U" },
    { ID_GENERATE_PASSWORD, "&Generate Password…", "Make a strong password and copy it", nullptr, Key::UnknownKey,
        "Ctrl+G" },
    { ID_EDIT_COPY, "Copy", "Copy the selected value to the clipboard", nullptr, Key::Copy },
    { ID_VIEW_FIND, "&Find", "Show only the accounts that hold a text", nullptr, Key::Find },
    { ID_VIEW_SHOW_SECRETS, "Show &Secrets", "Show passwords, PINs and other secrets in the property list", nullptr,
        Key::UnknownKey, "Ctrl+H" },
    { ID_VIEW_EXPIRING, "&Expiring…", "List the cards, policies and warranties that expire, soonest first", nullptr,
        Key::UnknownKey, "Ctrl+Shift+E" },
    { ID_VIEW_PASSWORD_HEALTH, "Password &Health…", "List the weak, reused and empty passwords, worst first", nullptr,
        Key::UnknownKey, "Ctrl+Shift+H" },
};

constexpr int kToolBar[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_LOCK_DOCUMENT,
    ID_CHANGE_PASSWORD,
    ID_UNLOCK_DOCUMENT,
    0,
    ID_ACCOUNT_PROPERTIES,
    ID_NEW_EMAIL,
    ID_NEW_BANK,
    ID_NEW_CREDITCARD,
    ID_NEW_INSURANCE,
    ID_NEW_WEBSITE,
    ID_NEW_MEDICAL,
    ID_NEW_CALLINGCARD,
    ID_NEW_PURCHASEDITEM,
    ID_NEW_SOFTWARE,
    ID_NEW_REFERENCE,
    0,
    ID_APP_ABOUT,
};

constexpr int kNewAccountMenu[] = {
    ID_NEW_EMAIL,
    ID_NEW_WEBSITE,
    ID_NEW_BANK,
    ID_NEW_INSURANCE,
    ID_NEW_CREDITCARD,
    ID_NEW_MEDICAL,
    ID_NEW_CALLINGCARD,
    ID_NEW_PURCHASEDITEM,
    ID_NEW_SOFTWARE,
    ID_NEW_REFERENCE,
};

QString artwork(const char* name) { return QStringLiteral(":/app/art/%1.svg").arg(QLatin1String(name)); }
} // namespace

namespace CommandTable {

std::span<const CommandInfo> commands() { return kCommands; }

const CommandInfo* find(int id)
{
    const auto it = std::find_if(
        std::begin(kCommands), std::end(kCommands), [id](const CommandInfo& command) { return command.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const int> toolBar() { return kToolBar; }

std::span<const int> newAccountMenu() { return kNewAccountMenu; }

QIcon picture(const CommandInfo& command)
{
    if (command.accountType != AccountType::None)
        return Artwork::badgedIcon(Artwork::typeGlyphPath(command.accountType), artwork("badge-new"));
    if (command.picture)
        return Artwork::svgIcon(artwork(command.picture));
    return QIcon();
}

} // namespace CommandTable
