// Both programs turn core dumps off as they start: each is started for real and read from /proc
// while it waits (the command-line program for its password, the window for the user).
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The kernel hands the /proc entries of a process that is not dumpable to root; those of a dumpable
// one belong to the user it runs as. The programs run as a user other than root (a test run by root
// starts them as "nobody"), so the owner tells the two apart.
uid_t procOwner(qint64 pid)
{
    struct stat info { };
    const QByteArray status = QStringLiteral("/proc/%1/status").arg(pid).toLocal8Bit();
    return ::stat(status.constData(), &info) == 0 ? info.st_uid : uid_t(-1);
}

// The line of /proc/PID/limits about core files.
QByteArray coreLimit(qint64 pid)
{
    QFile limits(QStringLiteral("/proc/%1/limits").arg(pid));
    if (!limits.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : limits.readAll().split('\n'))
        if (line.startsWith("Max core file size"))
            return line.simplified();
    return {};
}

TEST(CoreDumpsTest, BothProgramsAreUndumpableWithNoCoreLimit)
{
    QTemporaryDir home;
    ASSERT_TRUE(QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777)));
    const QString wallet = home.filePath("sample.qrl");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORRIL_SAMPLE_WALLET), wallet));
    const uid_t user = ::getuid() == 0 ? uid_t(65534) : ::getuid();
    // The last row shows the check can tell: a program that leaves dumps on keeps its entries.
    // clang-format off
    const struct { QString program; QStringList arguments; bool undumpable; } rows[] = {
        { QStringLiteral(QUORRIL_CLI_PATH), { "check", wallet }, true }, // waits for the password
        { QStringLiteral(QUORRIL_PATH),     {},                  true },
        { QStringLiteral("sleep"),          { "30" },            false },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program.toStdString());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        for (const char* name : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR" })
            environment.insert(name, home.path()); // its own settings, not the user's
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([user] {
            if (::getuid() == 0 && (::setgid(user) != 0 || ::setuid(user) != 0))
                ::_exit(127);
        });
        process.start(row.program, row.arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
        // A process starts dumpable; its entries go to root only when main() turns dumps off.
        uid_t owner = user;
        for (int tries = 0; tries < (row.undumpable ? 200 : 10) && owner != 0; ++tries) {
            QThread::msleep(50);
            owner = procOwner(process.processId());
        }
        EXPECT_EQ(owner, row.undumpable ? 0u : user);
        if (row.undumpable) {
            EXPECT_EQ(coreLimit(process.processId()), "Max core file size 0 0 bytes");
        }
        EXPECT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
        process.kill();
        process.waitForFinished(10000);
    }
}

} // namespace
