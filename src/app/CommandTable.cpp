#include "app/CommandTable.h"

#include "app/CommandIds.h"
#include "core/AccountTypes.h"
#include "views/Artwork.h"

#include <algorithm>
#include <array>

// The menu texts, status prompts and tooltips are translated where the frame makes its actions.
namespace {
using Key = QKeySequence;

constexpr CommandInfo kCommands[] = {
    { ID_FILE_NEW, QT_TRANSLATE_NOOP("CommandTable", "&New"),
        QT_TRANSLATE_NOOP("CommandTable", "Create a new document"), QT_TRANSLATE_NOOP("CommandTable", "New"), Key::New,
        nullptr, "file-new" },
    { ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandTable", "&Open"),
        QT_TRANSLATE_NOOP("CommandTable", "Open an existing document"), QT_TRANSLATE_NOOP("CommandTable", "Open"),
        Key::Open, nullptr, "file-open" },
    { ID_FILE_SAVE, QT_TRANSLATE_NOOP("CommandTable", "&Save"),
        QT_TRANSLATE_NOOP("CommandTable", "Save the active document"), QT_TRANSLATE_NOOP("CommandTable", "Save"),
        Key::Save, nullptr, "file-save" },
    { ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CommandTable", "Save &As..."),
        QT_TRANSLATE_NOOP("CommandTable", "Save the active document with a new name"),
        QT_TRANSLATE_NOOP("CommandTable", "Save As") },
    { ID_FILE_RESTORE_BACKUP, QT_TRANSLATE_NOOP("CommandTable", "Restore &Backup…"),
        QT_TRANSLATE_NOOP("CommandTable", "Open a copy of this wallet kept before one of its saves"), nullptr },
    { ID_FILE_MERGE_FROM, QT_TRANSLATE_NOOP("CommandTable", "&Merge From…"),
        QT_TRANSLATE_NOOP("CommandTable", "Merge another copy of this wallet into it"), nullptr },
    { ID_FILE_IMPORT, QT_TRANSLATE_NOOP("CommandTable", "&Import…"),
        QT_TRANSLATE_NOOP("CommandTable", "Add the accounts of another program's export to this wallet"), nullptr },
    { ID_FILE_EXPORT, QT_TRANSLATE_NOOP("CommandTable", "Expo&rt…"),
        QT_TRANSLATE_NOOP("CommandTable", "Write every account to a file, secrets in clear"), nullptr },
    { ID_ENCRYPT_WALLET, QT_TRANSLATE_NOOP("CommandTable", "&Encrypt Wallet"),
        QT_TRANSLATE_NOOP("CommandTable", "Encrypt the wallet with its password when it is saved"), nullptr },
    { ID_FILE_PREFERENCES, QT_TRANSLATE_NOOP("CommandTable", "&Preferences…"),
        QT_TRANSLATE_NOOP("CommandTable", "Change the settings that apply to every wallet"), nullptr },
    { ID_APP_ABOUT, QT_TRANSLATE_NOOP("CommandTable", "About Quorril..."),
        QT_TRANSLATE_NOOP("CommandTable", "Display program information, version number and copyright"),
        QT_TRANSLATE_NOOP("CommandTable", "About"), Key::UnknownKey, nullptr, "about" },
    { ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandTable", "E&xit"),
        QT_TRANSLATE_NOOP("CommandTable", "Quit the application; prompts to save documents"),
        QT_TRANSLATE_NOOP("CommandTable", "Exit") },
    { ID_FILE_PRINT, QT_TRANSLATE_NOOP("CommandTable", "Print"), nullptr, nullptr, Key::UnknownKey, "Ctrl+P" },
    { ID_NEXT_PANE, QT_TRANSLATE_NOOP("CommandTable", "Next Pane"), nullptr, nullptr, Key::UnknownKey, "F6" },
    { ID_PREV_PANE, QT_TRANSLATE_NOOP("CommandTable", "Previous Pane"), nullptr, nullptr, Key::UnknownKey, "Shift+F6" },

    { ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CommandTable", "&Undo"),
        QT_TRANSLATE_NOOP("CommandTable", "Undo the last change to the accounts or the password"), nullptr,
        Key::UnknownKey, "Ctrl+Z" },
    { ID_EDIT_REDO, QT_TRANSLATE_NOOP("CommandTable", "&Redo"),
        QT_TRANSLATE_NOOP("CommandTable", "Do again the change undone last"), nullptr, Key::UnknownKey,
        "Ctrl+Shift+Z; Ctrl+Y" },
    { ID_EDIT_RECENTLY_DELETED, QT_TRANSLATE_NOOP("CommandTable", "Recently &Deleted…"),
        QT_TRANSLATE_NOOP("CommandTable", "List the accounts deleted since the wallet was opened"), nullptr },

    { ID_LOCK_DOCUMENT, QT_TRANSLATE_NOOP("CommandTable", "Lock Document"),
        QT_TRANSLATE_NOOP("CommandTable", "Lock Document"), QT_TRANSLATE_NOOP("CommandTable", "Lock Document"),
        Key::UnknownKey, nullptr, "lock" },
    { ID_CHANGE_PASSWORD, QT_TRANSLATE_NOOP("CommandTable", "Change Document Password"),
        QT_TRANSLATE_NOOP("CommandTable", "Change Document Password"),
        QT_TRANSLATE_NOOP("CommandTable", "Change Document Password"), Key::UnknownKey, nullptr, "password" },
    { ID_UNLOCK_DOCUMENT, QT_TRANSLATE_NOOP("CommandTable", "Unlock Document"),
        QT_TRANSLATE_NOOP("CommandTable", "Unlock Document"), QT_TRANSLATE_NOOP("CommandTable", "Unlock Document"),
        Key::UnknownKey, nullptr, "unlock" },

    { ID_NEW_EMAIL, QT_TRANSLATE_NOOP("CommandTable", "Email"), QT_TRANSLATE_NOOP("CommandTable", "New Email Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Email Account"), Key::UnknownKey, nullptr, nullptr, AccountType::Email },
    { ID_NEW_WEBSITE, QT_TRANSLATE_NOOP("CommandTable", "WebSite"),
        QT_TRANSLATE_NOOP("CommandTable", "New WebSite Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New WebSite Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::WebSite },
    { ID_NEW_BANK, QT_TRANSLATE_NOOP("CommandTable", "Bank"), QT_TRANSLATE_NOOP("CommandTable", "New Bank Accont"),
        QT_TRANSLATE_NOOP("CommandTable", "New Bank Account"), Key::UnknownKey, nullptr, nullptr, AccountType::Bank },
    { ID_NEW_INSURANCE, QT_TRANSLATE_NOOP("CommandTable", "Insurance"),
        QT_TRANSLATE_NOOP("CommandTable", "New Insurance Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Insurance Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::Insurance },
    { ID_NEW_CREDITCARD, QT_TRANSLATE_NOOP("CommandTable", "Credit Card"),
        QT_TRANSLATE_NOOP("CommandTable", "New Credit Card Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Credit Card Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::CreditCard },
    { ID_NEW_MEDICAL, QT_TRANSLATE_NOOP("CommandTable", "Medical Record"),
        QT_TRANSLATE_NOOP("CommandTable", "New Medical Record"),
        QT_TRANSLATE_NOOP("CommandTable", "New Medical Record"), Key::UnknownKey, nullptr, nullptr,
        AccountType::Medical },
    { ID_NEW_CALLINGCARD, QT_TRANSLATE_NOOP("CommandTable", "Calling Card"),
        QT_TRANSLATE_NOOP("CommandTable", "New Calling Card Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Calling Card Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::CallingCard },
    { ID_NEW_PURCHASEDITEM, QT_TRANSLATE_NOOP("CommandTable", "Purchased Item"),
        QT_TRANSLATE_NOOP("CommandTable", "New Purchased Item Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Purchased Item Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::PurchasedItem },
    { ID_NEW_SOFTWARE, QT_TRANSLATE_NOOP("CommandTable", "Software"),
        QT_TRANSLATE_NOOP("CommandTable", "New Software Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Software Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::Software },
    { ID_NEW_REFERENCE, QT_TRANSLATE_NOOP("CommandTable", "Reference"),
        QT_TRANSLATE_NOOP("CommandTable", "New Reference Account"),
        QT_TRANSLATE_NOOP("CommandTable", "New Reference Account"), Key::UnknownKey, nullptr, nullptr,
        AccountType::Reference },
    { ID_ACCOUNT_PROPERTIES, QT_TRANSLATE_NOOP("CommandTable", "Properties"),
        QT_TRANSLATE_NOOP("CommandTable", "Account Properties"),
        QT_TRANSLATE_NOOP("CommandTable", "Account Properties"), Key::UnknownKey, nullptr, "properties" },
    { ID_ACCOUNT_DELETE, QT_TRANSLATE_NOOP("CommandTable", "Delete"), nullptr, nullptr },
    { ID_ACCOUNT_COPY_PASSWORD, QT_TRANSLATE_NOOP("CommandTable", "Copy &Password"),
        QT_TRANSLATE_NOOP("CommandTable", "Copy the account's password, PIN or key to the clipboard"), nullptr,
        Key::UnknownKey, "Ctrl+Shift+C" },
    { ID_ACCOUNT_COPY_USER_NAME, QT_TRANSLATE_NOOP("CommandTable", "Copy &User Name"),
        QT_TRANSLATE_NOOP("CommandTable", "Copy the name the account's owner logs in with to the clipboard"), nullptr,
        Key::UnknownKey, "Ctrl+B" },
    { ID_ACCOUNT_OPEN_URL, QT_TRANSLATE_NOOP("CommandTable", "&Open URL"),
        QT_TRANSLATE_NOOP("CommandTable", "Open the account's web address in the browser"), nullptr, Key::UnknownKey,
        "Ctrl+U" },
    { ID_GENERATE_PASSWORD, QT_TRANSLATE_NOOP("CommandTable", "&Generate Password…"),
        QT_TRANSLATE_NOOP("CommandTable", "Make a strong password and copy it"), nullptr, Key::UnknownKey, "Ctrl+G" },
    { ID_EDIT_COPY, QT_TRANSLATE_NOOP("CommandTable", "Copy"),
        QT_TRANSLATE_NOOP("CommandTable", "Copy the selected value to the clipboard"), nullptr, Key::Copy },
    { ID_VIEW_FIND, QT_TRANSLATE_NOOP("CommandTable", "&Find"),
        QT_TRANSLATE_NOOP("CommandTable", "Show only the accounts that hold a text"), nullptr, Key::Find },
    { ID_VIEW_SHOW_SECRETS, QT_TRANSLATE_NOOP("CommandTable", "Show &Secrets"),
        QT_TRANSLATE_NOOP("CommandTable", "Show passwords, PINs and other secrets in the property list"), nullptr,
        Key::UnknownKey, "Ctrl+H" },
    { ID_VIEW_EXPIRING, QT_TRANSLATE_NOOP("CommandTable", "&Expiring…"),
        QT_TRANSLATE_NOOP("CommandTable", "List the cards, policies and warranties that expire, soonest first"),
        nullptr, Key::UnknownKey, "Ctrl+Shift+E" },
    { ID_VIEW_PASSWORD_HEALTH, QT_TRANSLATE_NOOP("CommandTable", "Password &Health…"),
        QT_TRANSLATE_NOOP("CommandTable", "List the weak, reused and empty passwords, worst first"), nullptr,
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
