// The program itself: password on standard input, output streams and exit status.
#include "cli/CliFixture.h"

#include <QElapsedTimer>
#include <QProcess>

#include <sys/stat.h>

namespace {
struct Result {
    int status;
    QByteArray out;
    QByteArray err;
};

Result runProgram(const QStringList& arguments, const QByteArray& input, int timeoutMs = 30000)
{
    QProcess p;
    p.start(QStringLiteral(QUORRIL_CLI_PATH), arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return { -2, {}, "still running after the timeout" };
    }
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

// A named pipe nobody writes to would block a reader for ever, and /dev/zero never ends: both are
// refused at once, without being read.
TEST_F(CliProcessTest, PipesAndDevicesAreRefusedAtOnce)
{
    const QString fifo = path("pipe.qrl");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& file : { fifo, QStringLiteral("/dev/zero") }) {
        for (const char* command : { "export", "check" }) {
            SCOPED_TRACE(file.toStdString() + " " + command);
            QElapsedTimer timer;
            timer.start();
            const Result r = runProgram({ QString::fromLatin1(command), file }, "pw\n", 10000);
            EXPECT_EQ(r.status, 2);
            EXPECT_EQ(r.err, "quorril-cli: Cannot open " + QFile::encodeName(file) + ": Not a regular file.\n");
            EXPECT_LT(timer.elapsed(), 5000);
        }
    }
    const Result json = runProgram({ "import", fifo, path("out.qrl") }, "pw\npw\n", 10000);
    EXPECT_EQ(json.status, 2);
    EXPECT_FALSE(QFile::exists(path("out.qrl")));
}
