#include "CliPrompts.h"

#include <QTextStream>

CliPrompts::CliPrompts(PasswordReader reader, QTextStream& err)
    : m_reader(std::move(reader))
    , m_err(err)
{
}

std::optional<QString> CliPrompts::password(PasswordMode mode)
{
    std::optional<QString> text = m_reader(mode);
    // The password dialog never gives an empty password; no input counts as Cancel.
    if (text && text->isEmpty())
        return std::nullopt;
    return text;
}

void CliPrompts::notice(const QString& text)
{
    m_notices << text;
    m_err << text << Qt::endl;
}

// The document asks nothing else of a program that only loads and saves.
bool CliPrompts::question(const QString&, Icon) { return false; }
Prompts::Answer CliPrompts::questionWithCancel(const QString&) { return Answer::Cancel; }
bool CliPrompts::duplicateAccount() { return false; }
QString CliPrompts::openFileName() { return {}; }
QString CliPrompts::saveFileName(const QString&) { return {}; }
