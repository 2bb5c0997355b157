// Both programs turn core dumps off as they start: each is started for real and read from /proc
// while it waits (the command-line program for its password, the window for the user).
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The line of a /proc file that begins with `key`, or nothing.
QByteArray procLine(qint64 pid, const char* file, const QByteArray& key)
{
    QFile proc(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1StringView(file)));
    if (!proc.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : proc.readAll().split('\n'))
        if (line.startsWith(key))
            return line.simplified();
    return {};
}

// The kernel hands the /proc entries of a process that is not dumpable to root; those of a
// dumpable one belong to the user it runs as. The programs run as a user other than root here (a
// test run by root starts them as "nobody"), so the owner tells the two apart.
uid_t procOwner(qint64 pid)
{
    struct stat info { };
    const QByteArray status = QStringLiteral("/proc/%1/status").arg(pid).toLocal8Bit();
    if (::stat(status.constData(), &info) != 0)
        return uid_t(-1);
    return info.st_uid;
}

// The user the programs run as: "nobody" when the test runs as root, otherwise the test's own.
uid_t unprivilegedUser() { return ::getuid() == 0 ? uid_t(65534) : ::getuid(); }

void startAs(QProcess& process, uid_t user, const QString& program, const QStringList& arguments)
{
    process.setChildProcessModifier([user] {
        if (::getuid() == 0 && (::setgid(user) != 0 || ::setuid(user) != 0))
            ::_exit(127);
    });
    process.start(program, arguments);
}

TEST(CoreDumpsTest, BothProgramsAreUndumpableWithNoCoreLimit)
{
    QTemporaryDir home;
    ASSERT_TRUE(QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777)));
    const QString wallet = home.filePath("sample.qrl");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORRIL_SAMPLE_WALLET), wallet));
    // clang-format off
    const struct { const char* name; QString program; QStringList arguments; } rows[] = {
        { "quorril-cli, waiting for the password", QStringLiteral(QUORRIL_CLI_PATH), { "check", wallet } },
        { "quorril, showing its window",           QStringLiteral(QUORRIL_PATH),     {} },
    };
    // clang-format on
    const uid_t user = unprivilegedUser();
    ASSERT_NE(user, 0u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home.path()); // its own settings, not the user's
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.path());
        environment.insert("XDG_RUNTIME_DIR", home.path());
        process.setProcessEnvironment(environment);
        startAs(process, user, row.program, row.arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
        // A process starts dumpable and owns its /proc entries; they go to root when main() turns
        // dumps off.
        uid_t owner = procOwner(process.processId());
        for (int tries = 0; tries < 200 && owner != 0; ++tries) {
            QThread::msleep(50);
            owner = procOwner(process.processId());
        }
        EXPECT_EQ(owner, 0u) << "not dumpable";
        EXPECT_EQ(procLine(process.processId(), "limits", "Max core file size"), "Max core file size 0 0 bytes");
        EXPECT_EQ(process.state(), QProcess::Running)
            << "read while it runs: " << process.readAllStandardError().toStdString();
        process.kill();
        process.waitForFinished(10000);
    }
}

// The check above can tell: a program that keeps its dumps on keeps its /proc entries.
TEST(CoreDumpsTest, AProgramThatLeavesDumpsOnOwnsItsProcEntries)
{
    const uid_t user = unprivilegedUser();
    QProcess process;
    startAs(process, user, QStringLiteral("sleep"), { "30" });
    ASSERT_TRUE(process.waitForStarted(10000));
    QThread::msleep(200);
    EXPECT_EQ(procOwner(process.processId()), user);
    process.kill();
    process.waitForFinished(10000);
}

} // namespace
