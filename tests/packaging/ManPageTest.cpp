// The manual pages against the programs: every command, option and exit status that a program's --help
// names is in its page, and the page names none that --help does not. The release in the AppStream
// file, the changelog and the pages is the project's version.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// What a help text or a page names.
struct Terms {
    QSet<QString> commands;
    QSet<QString> options;
    QSet<QString> exitCodes;
};

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Long options, and short ones of one letter; "yyyy-MM-dd", "UTF-16", "-Infinity" or "log-ins" are none.
QSet<QString> optionsIn(const QString& text)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--[a-z][a-z0-9-]*|-[A-Za-z])(?![\\w-])"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : option.globalMatch(text))
        found.insert(match.captured(1));
    return found;
}

// A help text: sections start at an unindented line ending in ':' ("Commands:", "Exit status:"); a
// command is the first word of a line of "Commands:" indented by two spaces, an exit status the number
// that starts a line of "Exit status:".
Terms helpTerms(const QString& help)
{
    Terms terms;
    terms.options = optionsIn(help);
    QString section;
    static const QRegularExpression heading(QStringLiteral("^(\\S.*):$"));
    static const QRegularExpression entry(QStringLiteral("^  (\\S+)"));
    static const QRegularExpression code(QStringLiteral("^\\s+(\\d+)\\s"));
    for (const QString& line : help.split(u'\n')) {
        if (const QRegularExpressionMatch match = heading.match(line); match.hasMatch())
            section = match.captured(1).toLower();
        else if (const QRegularExpressionMatch match = entry.match(line);
                 section == u"commands" && match.hasMatch() && !match.captured(1).startsWith(u'-'))
            terms.commands.insert(match.captured(1));
        else if (const QRegularExpressionMatch match = code.match(line); section == u"exit status" && match.hasMatch())
            terms.exitCodes.insert(match.captured(1));
    }
    return terms;
}

// The page's text without font changes and with plain hyphens.
QString plainPage(const QString& source)
{
    QString text = source;
    text.remove(QRegularExpression(QStringLiteral("\\\\f(\\[[A-Z]*\\]|[A-Z])")));
    return text.replace(QStringLiteral("\\-"), QStringLiteral("-")).remove(QStringLiteral("\\&"));
}

// A page: the tag of each .TP item of COMMANDS names a command (its first word), that of each item
// of EXIT STATUS an exit status.
Terms pageTerms(const QString& source)
{
    Terms terms;
    const QString text = plainPage(source);
    terms.options = optionsIn(text);
    static const QRegularExpression macro(QStringLiteral("^\\.[A-Z]+\\s+"));
    QString section;
    bool tag = false;
    for (QString line : text.split(u'\n')) {
        if (line.startsWith(QStringLiteral(".SH "))) {
            section = line.mid(4).remove(u'"').trimmed();
            tag = false;
            continue;
        }
        if (line == QStringLiteral(".TP")) {
            tag = true;
            continue;
        }
        if (!tag)
            continue;
        tag = false;
        const QString word = line.remove(macro).remove(u'"').section(u' ', 0, 0);
        if (section == u"COMMANDS" && !word.startsWith(u'-'))
            terms.commands.insert(word);
        else if (section == u"EXIT STATUS")
            terms.exitCodes.insert(word);
    }
    return terms;
}

struct ProgramRun {
    int status = -1;
    QString out;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()) };
}

QStringList sorted(const QSet<QString>& set)
{
    QStringList list(set.begin(), set.end());
    std::sort(list.begin(), list.end());
    return list;
}

// One failure for each term the one side has and the other lacks, saying which and where.
void expectSame(const QSet<QString>& help, const QSet<QString>& page, const char* kind, const QString& program,
    const QString& pagePath)
{
    for (const QString& term : sorted(help - page))
        ADD_FAILURE() << program.toStdString() << " --help names the " << kind << " " << term.toStdString() << ", but "
                      << pagePath.toStdString() << " does not";
    for (const QString& term : sorted(page - help))
        ADD_FAILURE() << pagePath.toStdString() << " names the " << kind << " " << term.toStdString() << ", but "
                      << program.toStdString() << " --help does not";
}

struct Program {
    const char* name;
    QString path;
    const char* page;
    int commands; // how many commands its help names at least: the parser must find them
};

const Program kPrograms[] = {
    { "quorril-cli", QStringLiteral(QUORRIL_CLI_PATH), "quorril-cli.1", 7 },
#ifdef QUORRIL_APP_PATH
    { "quorril", QStringLiteral(QUORRIL_APP_PATH), "quorril.1", 0 },
#endif
};

QString pagePath(const char* page) { return QStringLiteral(QUORRIL_SOURCE_DIR "/packaging/man/%1").arg(page); }

} // namespace

TEST(ManPage, NamesWhatHelpNamesAndNothingElse)
{
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        const ProgramRun help = runProgram(program.path, { QStringLiteral("--help") });
        ASSERT_EQ(help.status, 0);
        const QString path = pagePath(program.page);
        const QString page = readText(path);
        ASSERT_FALSE(page.isEmpty()) << path.toStdString();

        const Terms fromHelp = helpTerms(help.out);
        const Terms fromPage = pageTerms(page);
        EXPECT_GE(fromHelp.commands.size(), program.commands);
        EXPECT_TRUE(fromHelp.options.contains(QStringLiteral("--help")));
        const QString name = QString::fromLatin1(program.name);
        expectSame(fromHelp.commands, fromPage.commands, "command", name, path);
        expectSame(fromHelp.options, fromPage.options, "option", name, path);
        // Exit statuses are compared where --help lists them.
        if (!fromHelp.exitCodes.isEmpty())
            expectSame(fromHelp.exitCodes, fromPage.exitCodes, "exit status", name, path);
    }
}

TEST(ManPage, ReadsTheHelpAndThePageAsWritten)
{
    const Terms help = helpTerms(QStringLiteral("Usage: tool-x COMMAND\n\nCommands:\n"
                                                "  add [--force] FILE  Add FILE; with --force, also -q.\n"
                                                "                     Dates as yyyy-MM-dd, \"-Infinity\".\n"
                                                "  --help             Show this.\n\nExit status:\n"
                                                "  0  success\n  4  none\n"));
    EXPECT_EQ(sorted(help.commands), QStringList { "add" });
    EXPECT_EQ(sorted(help.options), (QStringList { "--force", "--help", "-q" }));
    EXPECT_EQ(sorted(help.exitCodes), (QStringList { "0", "4" }));

    const Terms page = pageTerms(QStringLiteral(".SH COMMANDS\n.TP\n.BI add \" FILE\"\nAdd it; see\n.B \\-\\-force\n"
                                                ".TP\n\\fBdrop\\fR [\\fB\\-\\-all\\fR]\n.TP\n.B \\-\\-help\n"
                                                ".SH \"EXIT STATUS\"\n.TP\n.B 0\nDone.\n.SH FILES\n.TP\n"
                                                ".I ~/.config/x\\-y.conf\nlog\\-ins\n"));
    EXPECT_EQ(sorted(page.commands), (QStringList { "add", "drop" }));
    EXPECT_EQ(sorted(page.options), (QStringList { "--all", "--force", "--help" }));
    EXPECT_EQ(sorted(page.exitCodes), QStringList { "0" });
}

TEST(ManPage, PagesAreWithoutWarnings)
{
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        QProcess groff;
        groff.start(QStringLiteral("groff"),
            { QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"), QStringLiteral("-Tutf8"),
                pagePath(program.page) });
        ASSERT_TRUE(groff.waitForFinished(30000)) << "groff (groff-base) is needed: run scripts/setup.sh test";
        EXPECT_EQ(groff.exitCode(), 0);
        EXPECT_EQ(groff.readAllStandardError().toStdString(), "");
    }
}

TEST(ReleaseFiles, NameTheProjectVersion)
{
    struct Row {
        const char* file;
        const char* pattern; // its first match captures the version
    };
    const Row rows[] = {
        { "packaging/com.tarnwell.Quorril.metainfo.xml", "<release version=\"([^\"]+)\"" },
        { "packaging/changelog", "^quorril \\(([^)]+)\\)" },
        { "packaging/man/quorril-cli.1", "^\\.TH \\S+ 1 \\S+ \"Quorril ([^\"]+)\"" },
        { "packaging/man/quorril.1", "^\\.TH \\S+ 1 \\S+ \"Quorril ([^\"]+)\"" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const QString text = readText(QStringLiteral(QUORRIL_SOURCE_DIR "/%1").arg(QLatin1String(row.file)));
        const QRegularExpressionMatch match
            = QRegularExpression(QLatin1String(row.pattern), QRegularExpression::MultilineOption).match(text);
        ASSERT_TRUE(match.hasMatch());
        EXPECT_EQ(match.captured(1).toStdString(), QUORRIL_VERSION);
    }
}
