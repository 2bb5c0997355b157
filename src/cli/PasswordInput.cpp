#include "cli/PasswordInput.h"

#include "document/DocumentTexts.h"
#include "document/FileAccess.h"

#include <QFileInfo>

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

namespace {

// The lines of the password file, or nothing with the reason written to err.
std::optional<QStringList> passwordFileLines(const QString& path, QTextStream& err)
{
    const QFileDevice::Permissions shared
        = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    const QFileInfo info(path);
    if (info.isFile() && (info.permissions() & shared)) {
        err << "quorril-cli: QUORRIL_PASSWORD_FILE: other users may read or change " << path
            << "; make it private (chmod 600 " << path << ")" << Qt::endl;
        return std::nullopt;
    }
    QString reason;
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes) {
        err << "quorril-cli: QUORRIL_PASSWORD_FILE: " << DocumentText::cannotOpen(path, reason) << Qt::endl;
        return std::nullopt;
    }
    if (bytes->isEmpty()) {
        err << "quorril-cli: no password: " << path << " is empty" << Qt::endl;
        return std::nullopt;
    }
    QStringList lines = QString::fromUtf8(*bytes).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the break that ends the last line
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

} // namespace

std::function<std::optional<QString>(bool confirm)> passwordReader(QTextStream& err)
{
    const QString path = qEnvironmentVariable("QUORRIL_PASSWORD_FILE");
    if (path.isEmpty())
        return [&err](bool confirm) { return readPassword(confirm, err); };
    return [&err, path, lines = std::optional<QStringList>(), next = qsizetype(0)](bool) mutable {
        if (!lines)
            lines = passwordFileLines(path, err).value_or(QStringList());
        return next < lines->size() ? std::optional<QString>(lines->at(next++)) : std::nullopt;
    };
}
