#pragma once

#include "document/Prompts.h"

#include <QString>
#include <QStringList>

#include <any>
#include <deque>
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

    std::optional<QString> password(PasswordMode mode) override
    {
        shown << (mode == PasswordMode::Verify ? QStringLiteral("[password verify]")
                                               : QStringLiteral("[password set]"));
        passwordModes.push_back(mode);
        std::any r = nextReply("password");
        if (std::any_cast<Cancelled>(&r))
            return std::nullopt;
        return std::any_cast<QString>(r);
    }
    using Interface::notice;
    void notice(const QString& text, const QString& detail) override
    {
        shown << text;
        details << detail;
    }
    QString saveFileName(const QString&) override
    {
        shown << QStringLiteral("[save file]");
        return next<QString>("saveFileName");
    }

    bool allAnswersUsed() const { return m_replies.empty(); }

    QStringList shown;
    // The mode of every password prompt, in order (set and set-for-encrypted both show "[password set]").
    std::vector<PasswordMode> passwordModes;
    // The detail of every notice, in order (empty where a notice has none).
    QStringList details;

protected:
    void addReply(std::any reply) { m_replies.push_back(std::move(reply)); }
    template <class T> T next(const char* what) { return std::any_cast<T>(nextReply(what)); }

private:
    std::any nextReply(const char* what)
    {
        if (m_replies.empty())
            throw std::logic_error(std::string("no scripted answer for ") + what);
        std::any r = std::move(m_replies.front());
        m_replies.pop_front();
        return r;
    }

    std::deque<std::any> m_replies;
};

// The scripted prompts of the document and the command-line program.
using ScriptedDocumentPrompts = BasicScriptedPrompts<Prompts>;
