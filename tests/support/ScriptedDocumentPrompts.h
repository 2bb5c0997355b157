#pragma once

#include "document/DocumentTexts.h"
#include "document/Prompts.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <any>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Prompts for tests: answers come from a queue filled by the test, and every text shown is recorded
// in order. A prompt with no scripted answer left, or with an answer of another kind, fails loudly
// instead of guessing. Interface is the document's Prompts (tests below the windows) or the wider
// UiPrompts (ScriptedPrompts); the questions of the latter are answered in ScriptedPrompts.
template <class Interface> class BasicScriptedPrompts : public Interface {
public:
    using PasswordMode = Prompts::PasswordMode;
    struct Cancelled { };

    // Queue answers: a password text, cancelPassword(), a file name (an empty one cancels).
    void addPassword(const QString& text) { m_replies.emplace_back(text); }
    void cancelPassword() { m_replies.emplace_back(Cancelled {}); }
    void addFileName(const QString& path) { m_replies.emplace_back(path); }
    // The next prompt (of any kind, a notice too) stays open while `whileOpen` runs, as a window
    // stays open while the program goes on. A prompt cancelled meanwhile answers Cancel or No;
    // otherwise it answers with the reply queued after this one (a notice takes none).
    void holdOpen(std::function<void()> whileOpen) { m_replies.emplace_back(HeldOpen { std::move(whileOpen) }); }
    // The answer to the question before a costly header's key derivation.
    void addCostlyAnswer(bool open) { m_replies.emplace_back(CostlyAnswer { open }); }
    // The next costly work is given up on, as Cancel in the busy dialog does: it is not run, and
    // runCostly() answers false. Any other costly work simply runs.
    void giveUpWaiting() { m_replies.emplace_back(GiveUp {}); }

    std::optional<QString> password(PasswordMode mode) override
    {
        shown << (mode == PasswordMode::Verify ? QStringLiteral("[password verify]")
                                               : QStringLiteral("[password set]"));
        passwordModes.push_back(mode);
        std::optional<std::any> r = reply("password", true);
        if (!r || std::any_cast<Cancelled>(&*r))
            return std::nullopt;
        return std::any_cast<QString>(*r);
    }
    using Interface::notice;
    void notice(const QString& text, const QString& detail) override
    {
        shown << text;
        details << detail;
        if (!m_replies.empty() && std::any_cast<HeldOpen>(&m_replies.front())) {
            HeldOpen held = std::any_cast<HeldOpen>(std::move(m_replies.front()));
            m_replies.pop_front();
            runOpen(held, false);
        }
    }
    QString saveFileName(const QString&) override
    {
        shown << QStringLiteral("[save file]");
        return next<QString>("saveFileName", QString());
    }

    bool openCostly(const KdfCost& asked) override
    {
        shown << DocumentText::openCostlyQuestion(asked);
        return next<CostlyAnswer>("openCostly", { false }).open;
    }
    bool runCostly(const std::function<void()>& work) override
    {
        ++costlyRuns;
        if (!m_replies.empty() && std::any_cast<GiveUp>(&m_replies.front())) {
            m_replies.pop_front();
            shown << QStringLiteral("[gave up waiting]");
            return false;
        }
        work();
        return true;
    }

    bool allAnswersUsed() const { return m_replies.empty(); }
    // How many prompts a lock (or anything else) cancelled while they were held open.
    int cancelledPrompts = 0;
    // How many times costly work was handed to runCostly().
    int costlyRuns = 0;

    QStringList shown;
    // The mode of every password prompt, in order (set and set-for-encrypted both show "[password set]").
    std::vector<PasswordMode> passwordModes;
    // The detail of every notice, in order (empty where a notice has none).
    QStringList details;

protected:
    void addReply(std::any reply) { m_replies.push_back(std::move(reply)); }
    // The scripted answer, or `cancelled` when the prompt was held open and cancelled.
    template <class T> T next(const char* what, T cancelled)
    {
        std::optional<std::any> r = reply(what, false);
        return r ? std::any_cast<T>(*r) : cancelled;
    }

    void cancelHeldOpen()
    {
        for (OpenPrompt* open : m_open)
            open->cancelled = true;
    }
    bool passwordHeldOpen() const
    {
        return std::any_of(m_open.begin(), m_open.end(), [](const OpenPrompt* open) { return open->password; });
    }

private:
    struct HeldOpen {
        std::function<void()> whileOpen;
    };
    struct CostlyAnswer {
        bool open;
    };
    struct GiveUp { };
    struct OpenPrompt {
        bool password;
        bool cancelled = false;
    };

    // Runs a held-open prompt; true when it was cancelled meanwhile.
    bool runOpen(const HeldOpen& held, bool password)
    {
        OpenPrompt open { password };
        m_open.push_back(&open);
        held.whileOpen();
        std::erase(m_open, &open);
        if (open.cancelled)
            ++cancelledPrompts;
        return open.cancelled;
    }
    std::optional<std::any> reply(const char* what, bool password)
    {
        std::any r = nextReply(what);
        if (const HeldOpen* held = std::any_cast<HeldOpen>(&r)) {
            if (runOpen(*held, password))
                return std::nullopt;
            r = nextReply(what);
        }
        return r;
    }

    std::any nextReply(const char* what)
    {
        if (m_replies.empty())
            throw std::logic_error(std::string("no scripted answer for ") + what);
        std::any r = std::move(m_replies.front());
        m_replies.pop_front();
        return r;
    }

    std::deque<std::any> m_replies;
    std::vector<OpenPrompt*> m_open;
};

// The scripted prompts of the document and the command-line program.
using ScriptedDocumentPrompts = BasicScriptedPrompts<Prompts>;
