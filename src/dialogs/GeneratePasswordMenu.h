#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLineEdit;
class QMenu;
class UiPrompts;

// The context menu of a password field: the edit's own entries and "Generate Password", which
// hands a new password made with the generator's stored options (GeneratorSettings) to `fill`.
// A field whose old text the edit's own undo (Ctrl+Z) cannot bring back (a masked field) is
// replaced only after the user agreed.
namespace GeneratePasswordMenu {

inline constexpr const char* ActionText = "Generate Password";
inline constexpr const char* ReplaceQuestion = "Replace the password in this field with a new one?";

// Where the question is asked: the prompts of the dialog that holds the field, once it has them.
using PromptsSource = std::function<UiPrompts&()>;

// The menu: the edit's standard entries, a separator and "Generate Password".
std::unique_ptr<QMenu> createMenu(
    QLineEdit* edit, const PromptsSource& prompts, const std::function<void(const QString&)>& fill);
// Shows that menu on every context menu request of the edit.
void attach(QLineEdit* edit, PromptsSource prompts, std::function<void(const QString&)> fill);
// The same, filling the edit itself.
void attach(QLineEdit* edit, PromptsSource prompts);
// Puts the text in place of the edit's whole text as typing would, so that the edit's undo brings
// the old text back (where the edit allows undo at all).
void replaceText(QLineEdit* edit, const QString& text);

} // namespace GeneratePasswordMenu
