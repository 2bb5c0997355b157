#pragma once

#include "Prompts.h"

#include <QStringList>

#include <functional>

class QTextStream;

// Prompts of the command-line program: the password comes from a reader (standard input or the
// terminal), every notice goes to standard error at once, and nothing else is ever asked.
class CliPrompts : public Prompts {
public:
    using PasswordReader = std::function<std::optional<QString>(PasswordMode mode)>;

    CliPrompts(PasswordReader reader, QTextStream& err);

    std::optional<QString> password(PasswordMode mode) override;
    using Prompts::notice;
    using Prompts::question;
    void notice(const QString& text, const QString& detail) override;
    bool question(const QString& text, Icon icon, Answer escapeMeans) override;
    Answer questionWithCancel(const QString& text) override;
    bool duplicateAccount() override;
    QString openFileName() override;
    QString saveFileName(const QString& suggestedPath) override;

    // Every notice shown so far, in order.
    const QStringList& notices() const { return m_notices; }

private:
    PasswordReader m_reader;
    QTextStream& m_err;
    QStringList m_notices;
};
