#include "cli/PasswordInput.h"

#include "document/DocumentTexts.h"

#include <QTextStream>

#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// One line of standard input without its line break; nothing at the end of the input.
std::optional<QString> readLine()
{
    std::string line;
    int c;
    bool any = false;
    while ((c = std::getchar()) != EOF) {
        any = true;
        if (c == '\n')
            break;
        line.push_back(char(c));
    }
    if (!any)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

// Turns the terminal's echo off for its lifetime.
class EchoOff {
public:
    EchoOff()
    {
        m_active = tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (m_active) {
            termios quiet = m_saved;
            quiet.c_lflag &= ~tcflag_t(ECHO);
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
    }
    ~EchoOff()
    {
        if (m_active)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    }

private:
    termios m_saved {};
    bool m_active = false;
};

std::optional<QString> askWithoutEcho(const QString& label, QTextStream& err)
{
    err << label << Qt::flush;
    std::optional<QString> text;
    {
        EchoOff quiet;
        text = readLine();
    }
    err << Qt::endl;
    return text;
}

} // namespace

std::optional<QString> readPassword(bool confirm, QTextStream& err)
{
    if (!isatty(STDIN_FILENO)) {
        std::optional<QString> text = readLine();
        if (!text)
            err << "quorril-cli: no password: standard input is empty" << Qt::endl;
        return text;
    }
    // confirm asks for a new password: of a new wallet (import), or of one being encrypted.
    std::optional<QString> text
        = askWithoutEcho(confirm ? QStringLiteral("New Password: ") : QStringLiteral("Password: "), err);
    if (!text)
        err << "quorril-cli: no password given" << Qt::endl;
    if (!text || !confirm)
        return text;
    const std::optional<QString> again = askWithoutEcho(QStringLiteral("Verify Password: "), err);
    if (again != text) {
        err << DocumentText::passwordsDiffer() << Qt::endl;
        return std::nullopt;
    }
    return text;
}
