#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

// How runWhileBusy() waits: the busy dialog's text, how long the work may take before the dialog
// appears, and how the dialog is shown (modally; by default exec(), which returns its result).
struct BusyWait {
    QString label;
    std::chrono::milliseconds delay { 300 };
    std::function<int(QDialog&)> showModal;
};

// Runs work on a thread of its own while the windows go on painting. For the first moment
// (wait.delay) the wait cursor shows and the user's input is held back; after it a modal busy
// dialog with an indeterminate bar and Cancel appears, so no command can start meanwhile. Returns
// true once the work has finished (what it threw is thrown here), false when the user cancelled.
// The work cannot be stopped: after Cancel it runs to its end unobserved, so it must own everything
// it touches.
bool runWhileBusy(QWidget* parent, const BusyWait& wait, std::function<void()> work);

// True while runWhileBusy() waits, the first moment included (before any window shows): whatever
// would change the document from a timer waits too.
bool waitingWhileBusy();

// The same for work that gives a result: the result, or nothing when the user cancelled.
template <class T> std::optional<T> resultWhileBusy(QWidget* parent, const BusyWait& wait, std::function<T()> work)
{
    auto result = std::make_shared<std::optional<T>>();
    if (!runWhileBusy(parent, wait, [result, work = std::move(work)] { *result = work(); }))
        return std::nullopt;
    return std::move(*result);
}
