#pragma once

#include "Prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <stdexcept>
#include <variant>

// Prompts for tests: answers come from a queue filled by the test, and every text shown is recorded
// in order. A prompt with no scripted answer left fails loudly instead of guessing.
class ScriptedPrompts : public Prompts {
public:
    struct Cancelled {};
    using Reply = std::variant<QString, Cancelled, bool, Answer>;

    // Queue answers: a password text, cancelPassword(), a yes/no (also for duplicateAccount and
    // the file dialogs' empty text), or a Yes/No/Cancel answer.
    void addPassword(const QString& text) { m_replies.emplace_back(text); }
    void cancelPassword() { m_replies.emplace_back(Cancelled{}); }
    void addAnswer(bool yes) { m_replies.emplace_back(yes); }
    void addAnswer(Answer answer) { m_replies.emplace_back(answer); }
    void addFileName(const QString& path) { m_replies.emplace_back(path); }

    std::optional<QString> password(PasswordMode mode) override
    {
        shown << (mode == PasswordMode::Verify ? QStringLiteral("[password verify]") : QStringLiteral("[password set]"));
        Reply r = next("password");
        if (std::holds_alternative<Cancelled>(r))
            return std::nullopt;
        return std::get<QString>(r);
    }
    using Prompts::notice;
    using Prompts::question;
    void notice(const QString& text, const QString& detail) override
    {
        shown << text;
        details << detail;
    }
    bool question(const QString& text, Icon icon, Answer escapeMeans) override
    {
        shown << text;
        icons.push_back(icon);
        escapes.push_back(escapeMeans);
        return std::get<bool>(next("question"));
    }
    Answer questionWithCancel(const QString& text) override
    {
        shown << text;
        return std::get<Answer>(next("questionWithCancel"));
    }
    bool duplicateAccount() override
    {
        shown << QStringLiteral("[duplicate account]");
        return std::get<bool>(next("duplicateAccount"));
    }
    QString openFileName() override
    {
        shown << QStringLiteral("[open file]");
        return std::get<QString>(next("openFileName"));
    }
    QString saveFileName(const QString&) override
    {
        shown << QStringLiteral("[save file]");
        return std::get<QString>(next("saveFileName"));
    }

    bool allAnswersUsed() const { return m_replies.empty(); }

    QStringList shown;
    // The detail of every notice, in order (empty where a notice has none).
    QStringList details;
    std::vector<Icon> icons;
    // What Esc would answer, for every yes/no question, in order.
    std::vector<Answer> escapes;

private:
    Reply next(const char* what)
    {
        if (m_replies.empty())
            throw std::logic_error(std::string("no scripted answer for ") + what);
        Reply r = m_replies.front();
        m_replies.pop_front();
        return r;
    }

    std::deque<Reply> m_replies;
};
