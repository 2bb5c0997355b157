#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLineEdit;
class QMenu;

// The context menu of a password field: the edit's own entries and "Generate Password", which
// hands a new password of the default kind (20 characters of all four classes) to `fill`.
namespace GeneratePasswordMenu {

inline constexpr const char* ActionText = "Generate Password";

// The menu: the edit's standard entries, a separator and "Generate Password".
std::unique_ptr<QMenu> createMenu(QLineEdit* edit, const std::function<void(const QString&)>& fill);
// Shows that menu on every context menu request of the edit.
void attach(QLineEdit* edit, std::function<void(const QString&)> fill);
// The same, filling the edit itself.
void attach(QLineEdit* edit);

} // namespace GeneratePasswordMenu
