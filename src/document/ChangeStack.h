#pragma once

#include "core/AccountRecord.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// One account's part of a step. The document holds the account's state on one side of the step
// (after it while the step is done, before it while it is undone); the change keeps the other side.
// Doing or undoing the step swaps the two, so a step costs no copy of any account either way.
struct StepChange {
    enum class Kind {
        Add, // no account before, one after
        Remove, // one before, none after
        Edit, // one on each side
    };
    AccountId id;
    Kind kind;
    // The side the document does not hold: null where that side has no account (an Add while
    // done, a Remove while undone).
    std::unique_ptr<AccountRecord> kept;
};

// One undoable step: a name the user reads ("Delete "Checking""), the accounts it changes, and the
// document's password and container where it changes them. Like an account, the password and the
// encrypted flag keep the side the document does not hold. Plain data: everything a step holds
// can be read, written out and put back without any code of its own.
struct Step {
    QString name;
    std::vector<StepChange> accounts;
    std::optional<QString> password;
    std::optional<bool> encrypted;
    // Tells steps apart while they live (a dialog that goes on changing what it changed asks for
    // the step it pushed); never 0.
    quint64 serial = 0;
};

// The document's history: the steps in the order they were done, how many of them are done (the
// rest can be redone), and which count of done steps matches the file on disk (none when that
// state was dropped from the history).
class ChangeStack {
public:
    // The whole history as data, to be taken out (and the stack left empty) and put back whole:
    // what holds the secrets of the history while the document is sealed.
    struct History {
        std::vector<Step> steps;
        size_t done = 0;
        std::optional<size_t> clean = 0;
    };

    const std::vector<Step>& steps() const { return m_history.steps; }
    size_t done() const { return m_history.done; }
    bool isClean() const { return m_history.clean == m_history.done; }
    bool canUndo() const { return m_history.done > 0; }
    bool canRedo() const { return m_history.done < m_history.steps.size(); }
    // The step Undo or Redo would run; null when there is none.
    Step* undoStep() { return canUndo() ? &m_history.steps[m_history.done - 1] : nullptr; }
    Step* redoStep() { return canRedo() ? &m_history.steps[m_history.done] : nullptr; }
    const Step* undoStep() const { return canUndo() ? &m_history.steps[m_history.done - 1] : nullptr; }
    const Step* redoStep() const { return canRedo() ? &m_history.steps[m_history.done] : nullptr; }
    // The last step done, when it is also the last of the history and has the serial; else null.
    Step* lastStep(quint64 serial);

    // Appends a step that has just been done, dropping the steps that could be redone. Gives it its
    // serial and returns it.
    quint64 push(Step step);
    void markUndone() { --m_history.done; }
    void markRedone() { ++m_history.done; }
    // The present state is the one on disk.
    void setClean() { m_history.clean = m_history.done; }
    // No history; the present state is the one on disk.
    void clear();

    History takeHistory();
    void restoreHistory(History history);

private:
    History m_history;
    quint64 m_lastSerial = 0;
};
