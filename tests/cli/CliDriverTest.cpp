// The program as git's merge driver: the password from QUORRIL_PASSWORD_FILE, and a real `git merge`
// of two branches that changed one wallet, in a throw-away repository.
#include "cli/CliFixture.h"
#include "support/FileAccounts.h"

#include "document/WalletText.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Finished {
    int status;
    QString out;
    QString err;
};

Finished runIn(
    const QString& folder, const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000))
        return { -2, {}, "still running after a minute" };
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
        QString::fromUtf8(p.readAllStandardError()) };
}

} // namespace

class CliDriverTest : public CliFixture {
protected:
    void SetUp() override
    {
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUORRIL_PASSWORD_FILE", path("password"));
    }

    void writePasswordFile(const QByteArray& bytes, QFile::Permissions permissions)
    {
        QFile::remove(path("password"));
        writeFile("password", bytes);
        QFile::setPermissions(path("password"), permissions);
    }

    QString saveWallet(const QString& file, const QStringList& lines)
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        for (const QString& line : lines)
            fileAccounts(doc, WalletText::account(line));
        doc.setPassword("pw");
        EXPECT_TRUE(doc.OnSaveDocument(file));
        return file;
    }

    QStringList accounts(const QString& file)
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        prompts.addPassword("pw");
        return doc.OnOpenDocument(file) ? WalletText::lines(doc.accounts()) : QStringList { "refused" };
    }

    QProcessEnvironment environment;
};

TEST_F(CliDriverTest, PasswordFile)
{
    const QString wallet = sampleWallet();
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    const QString file = path("password");
    const QString shared = "quorril-cli: QUORRIL_PASSWORD_FILE: other users may read or change " + file
        + "; make it private (chmod 600 " + file + ")\n";
    // clang-format off
    const struct { QByteArray bytes; QFile::Permissions permissions; int status; QString err; } rows[] = {
        { "pw\n",        owner,                                0, "" },
        { "pw\r\nnext",  QFile::ReadOwner,                     0, "" },
        { "pw",          owner | QFile::ReadOther,             1, shared },
        { "pw\n",        owner | QFile::ReadGroup,             1, shared },
        { "pw\n",        owner | QFile::WriteGroup,            1, shared },
        { "",            owner,                                1, "quorril-cli: no password: " + file + " is empty\n" },
        { "PW\n",        owner,                                1, "You Do Not have ownership of this document !\n" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        writePasswordFile(row.bytes, row.permissions);
        const Finished r = runIn(dir.path(), QUORRIL_CLI_PATH, { "check", wallet }, environment);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(r.out.contains("Accounts: 20\n"), row.status == 0);
    }
    QFile::remove(file);
    const Finished missing = runIn(dir.path(), QUORRIL_CLI_PATH, { "check", wallet }, environment);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(
        missing.err, "quorril-cli: QUORRIL_PASSWORD_FILE: Cannot open " + file + ": No such file or directory.\n");
}

TEST_F(CliDriverTest, GitMergesTwoBranchesThroughTheDriver)
{
    const Finished version = runIn(dir.path(), "git", { "--version" }, environment);
    if (version.status != 0)
        GTEST_SKIP() << "git is not installed (scripts/setup.sh installs it): the merge driver is not tried";
    writePasswordFile("pw\n", QFile::ReadOwner | QFile::WriteOwner);
    environment.insert("HOME", dir.path()); // no user or system settings of git
    environment.insert("GIT_CONFIG_NOSYSTEM", "1");
    const QString repo = path("repo");
    QDir().mkpath(repo);
    auto git = [&](const QStringList& arguments) { return runIn(repo, "git", arguments, environment); };
    for (const QStringList& step :
        std::initializer_list<QStringList> { { "init", "-q", "-b", "main" }, { "config", "user.name", "Test" },
            { "config", "user.email", "test@quorril.example" }, { "config", "merge.quorril.name", "Quorril wallet" },
            { "config", "merge.quorril.driver", "'" QUORRIL_CLI_PATH "' merge %O %A %B" } })
        ASSERT_EQ(git(step).status, 0) << step.join(u' ').toStdString();
    QFile attributes(repo + "/.gitattributes");
    ASSERT_TRUE(attributes.open(QIODevice::WriteOnly));
    attributes.write("*.qrl merge=quorril\n");
    attributes.close();

    const QString wallet = repo + "/wallet.qrl";
    const QStringList base = { "1|E|Mail|ann:1", "2|B|Bank|Savings", "3|W|Shop|shop.example" };
    // Each row: what the branch "other" and main make of the base, and the merge that git ends with.
    const QString mark = " (conflict " + QDate::currentDate().toString(Qt::ISODate) + ")";
    // clang-format off
    const struct { const char* name; QStringList other, main, merged; bool conflicted; } rows[] = {
        { "different accounts changed",
          { "1|E|Mail|ann:2", "2|B|Bank|Savings", "3|W|Shop|shop.example", "4|R|Note|other" },
          { "1|E|Mail|ann:1", "2|B|Bank|Checking" },
          { "1|E|Mail|ann:2", "2|B|Bank|Checking", "4|R|Note|other" }, false },
        { "one account changed on both",
          { "1|E|Mail|ann:3", "2|B|Bank|Savings", "3|W|Shop|shop.example" },
          { "1|E|Mail|ann:1,bob:1", "2|B|Bank|Savings", "3|W|Shop|shop.example" },
          { "1|E|Mail|ann:1,bob:1", "2|B|Bank|Savings", "3|W|Shop|shop.example", "4|E|Mail" + mark + "|ann:3" }, true },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        git({ "checkout", "-q", "-B", "main" });
        saveWallet(wallet, base);
        ASSERT_EQ(git({ "add", "." }).status, 0);
        ASSERT_EQ(git({ "commit", "-q", "--allow-empty", "-m", "base" }).status, 0);
        ASSERT_EQ(git({ "checkout", "-q", "-B", "other" }).status, 0);
        saveWallet(wallet, row.other);
        ASSERT_EQ(git({ "commit", "-q", "-am", "other" }).status, 0);
        ASSERT_EQ(git({ "checkout", "-q", "main" }).status, 0);
        saveWallet(wallet, row.main);
        ASSERT_EQ(git({ "commit", "-q", "-am", "main" }).status, 0);

        const Finished merge = git({ "merge", "--no-edit", "other" });
        EXPECT_EQ(merge.status, row.conflicted ? 1 : 0) << merge.out.toStdString() << merge.err.toStdString();
        EXPECT_EQ(merge.out.contains("CONFLICT (content): Merge conflict in wallet.qrl"), row.conflicted);
        EXPECT_EQ(accounts(wallet), row.merged);
        const Finished status = git({ "status", "--porcelain" });
        EXPECT_EQ(status.out, row.conflicted ? "UU wallet.qrl\n" : "");
        git({ "merge", "--abort" });
    }
}
