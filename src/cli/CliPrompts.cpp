#include "cli/CliPrompts.h"

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

void CliPrompts::notice(const QString& text, const QString& detail)
{
    m_notices << text;
    m_err << text;
    if (!detail.isEmpty())
        m_err << ' ' << detail;
    m_err << Qt::endl;
}

QString CliPrompts::saveFileName(const QString&) { return {}; }
