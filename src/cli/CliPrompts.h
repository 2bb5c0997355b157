#pragma once

#include "document/Prompts.h"

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
    void notice(const QString& text, const QString& detail) override;
    // The program always names the file it saves: a save without a name is cancelled.
    QString saveFileName(const QString& suggestedPath) override;

    // Every notice shown so far, in order.
    const QStringList& notices() const { return m_notices; }

private:
    PasswordReader m_reader;
    QTextStream& m_err;
    QStringList m_notices;
};
