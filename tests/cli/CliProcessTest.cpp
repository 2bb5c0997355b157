// The program itself: password on standard input, output streams and exit status.
#include "CliFixture.h"

#include <QProcess>

namespace {
struct Result {
    int status;
    QByteArray out;
    QByteArray err;
};

Result runProgram(const QStringList& arguments, const QByteArray& input)
{
    QProcess p;
    p.start(QStringLiteral(QUORRIL_CLI_PATH), arguments);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        p.readAllStandardError() };
}
} // namespace

using CliProcessTest = CliFixture;

TEST_F(CliProcessTest, PasswordIsTheFirstLineOfStandardInput)
{
    const QString wallet = sampleWallet();
    const Result ok = runProgram({ "export", wallet }, "pw\r\nmore lines\n");
    EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.out.startsWith("{"));
    EXPECT_TRUE(ok.out.contains("\"institution\": \"institution 13 \xc3\xa9\\\"_~\""));
    EXPECT_EQ(ok.err, "");

    const Result wrong = runProgram({ "export", wallet }, "Pw\n");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "You Do Not have ownership of this document !\n");

    const Result none = runProgram({ "check", wallet }, "");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "quorril-cli: no password: standard input is empty\n");
}

TEST_F(CliProcessTest, ImportThroughTheProgramGivesTheSameBytes)
{
    const QString wallet = sampleWallet();
    const Result exported = runProgram({ "export", wallet }, "pw\n");
    ASSERT_EQ(exported.status, 0);
    writeFile("w.json", exported.out);
    const Result imported = runProgram({ "import", path("w.json"), path("copy.qrl") }, "pw\n");
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(readFile(path("copy.qrl")) == readFile(wallet));
}

TEST_F(CliProcessTest, HelpAndWrongCommandLine)
{
    const Result help = runProgram({ "--help" }, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: quorril-cli"));
    const Result wrong = runProgram({}, "");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.contains("expected one of"));
}
