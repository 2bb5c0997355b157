#pragma once

#include "core/AccountTypes.h"

#include <QIcon>
#include <QKeySequence>
#include <QString>

#include <span>

// What the user sees of a command: its menu text, status-bar prompt, tooltip, accelerator and
// toolbar picture, and for the New commands the account type they create.
struct CommandInfo {
    int id;
    const char* text;
    const char* prompt; // null: no prompt
    const char* toolTip; // null: no tooltip
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    const char* keys = nullptr; // accelerators that are no standard key, separated by "; "
    const char* picture = nullptr; // toolbar picture, a file of the app's artwork
    AccountType accountType = AccountType::None; // New commands: the type of the new account
};

namespace CommandTable {
// Every command with an action, File menu commands first.
std::span<const CommandInfo> commands();
const CommandInfo* find(int id);
// The toolbar buttons in their order; 0 stands for a separator.
std::span<const int> toolBar();
// The entries of the Account menu's "New" submenu in their order.
std::span<const int> newAccountMenu();
// The toolbar picture of a command: its own artwork, or for a New command the account type's
// picture with a "new" badge; a null icon when the command has none.
QIcon picture(const CommandInfo& command);
} // namespace CommandTable
