#include "document/ChangeStack.h"

#include <algorithm>

Step* ChangeStack::lastStep(quint64 serial)
{
    const bool last = canUndo() && !canRedo() && m_history.steps.back().serial == serial;
    return last ? &m_history.steps.back() : nullptr;
}

quint64 ChangeStack::push(Step step)
{
    m_history.steps.erase(m_history.steps.begin() + qsizetype(m_history.done), m_history.steps.end());
    // The state on disk was one of the dropped ones: nothing in the history leads back to it.
    if (m_history.clean && *m_history.clean > m_history.done)
        m_history.clean.reset();
    step.serial = ++m_lastSerial;
    m_history.steps.push_back(std::move(step));
    m_history.done = m_history.steps.size();
    return m_lastSerial;
}

void ChangeStack::clear() { m_history = History(); }

ChangeStack::History ChangeStack::takeHistory() { return std::exchange(m_history, History()); }

void ChangeStack::restoreHistory(History history)
{
    m_history = std::move(history);
    m_history.done = std::min(m_history.done, m_history.steps.size());
    for (const Step& step : m_history.steps)
        m_lastSerial = std::max(m_lastSerial, step.serial);
}
