// Password health at scale:
//   - the report of a generated wallet of 100,000 accounts of all ten types (every secret graded,
//     reuse found): at most 2 s;
//   - quorril-cli health --breached against a sorted "HASH:COUNT" list of 1 GB, made here in a temporary
//     folder: it must stream the list at no less than half the speed of `cat LIST > /dev/null`, that is
//     take at most twice as long. Both run as child processes in turn, after one unmeasured run of each,
//     so both read the list from a warm page cache. The list holds the SHA-1 of every fifth secret of
//     the wallet, and the command must report exactly those.
// QUORRIL_BENCH_LIST_MB sets another list size, QUORRIL_BENCH_RUNS another number of runs;
// QUORRIL_BENCH_DIR names a folder that keeps the wallet and the list.
#include "core/Clock.h"
#include "document/PasswordHealth.h"
#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "support/BenchPrompts.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

const QString kPassword = BenchPrompts::walletPassword();

// CPU seconds of the whole process, every thread.
double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

int envOr(const char* name, int fallback)
{
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

// Writes a sorted list of random hashes with counts, `bytes` long or a little more, with the planted
// digests (upper-case hex, sorted) in their places.
bool writeList(const QString& path, qint64 bytes, const std::vector<QByteArray>& planted)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    static const char hex[] = "0123456789ABCDEF";
    QRandomGenerator random(4711);
    const quint64 lines = quint64(bytes) / 47 + 1;
    const quint64 step = ~quint64(0) / lines;
    QByteArray block;
    block.reserve(1 << 22);
    size_t next = 0;
    const auto flush = [&] {
        const bool ok = file.write(block) == block.size();
        block.clear();
        return ok;
    };
    for (quint64 i = 0; i < lines; ++i) {
        char line[64];
        const quint64 words[3] = { i * step + random.generate64() % step, random.generate64(), random.generate64() };
        for (int d = 0; d < 40; ++d)
            line[d] = hex[(words[d / 16] >> (60 - 4 * (d % 16))) & 0xF];
        const QByteArrayView hash(line, 40);
        while (next < planted.size() && planted[next] <= hash)
            block += planted[next++] + ":42\n";
        block.append(line, 40).append(':').append(QByteArray::number(random.bounded(1, 100000))).append('\n');
        if (block.size() > (1 << 22) - 64 && !flush())
            return false;
    }
    while (next < planted.size())
        block += planted[next++] + ":42\n";
    return flush();
}

bool reportOfLargeWallet(int runs)
{
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    generateWallet(doc, 100000, 20240601);
    std::vector<double> seconds, cpu;
    size_t rows = 0;
    qsizetype flagged = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuSeconds();
        const std::vector<PasswordHealth::Entry> entries = PasswordHealth::collect(doc, Clock::today());
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
        cpu.push_back(cpuSeconds() - cpuStart);
        rows = entries.size();
        flagged = PasswordHealth::weakOrReused(entries);
    }
    std::printf("Health report of 100,000 accounts: %zu secrets, %lld weak or reused; median %.3f s (CPU of all "
                "threads %.3f s) of %d runs\n",
        rows, qlonglong(flagged), median(seconds), median(cpu), runs);
    return report("report seconds", median(seconds), 2);
}

bool breachedListAgainstCat(int runs, qint64 listBytes)
{
    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("QUORRIL_BENCH_DIR");
    const QDir dir(kept.isEmpty() ? temporary.path() : kept);
    const QString wallet = dir.filePath(QStringLiteral("wallet.qrl"));
    const QString list = dir.filePath(QStringLiteral("breached.txt"));
    const QString passwordFile = dir.filePath(QStringLiteral("password"));
    std::vector<QByteArray> planted;
    {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        generateWallet(doc, 200, 7);
        const auto entries = PasswordHealth::collect(doc, Clock::today(), { .withSha1 = true });
        for (size_t i = 0; i < entries.size(); i += 5)
            if (!entries[i].sha1Hex.isEmpty())
                planted.push_back(entries[i].sha1Hex);
        std::sort(planted.begin(), planted.end());
        planted.erase(std::unique(planted.begin(), planted.end()), planted.end());
        QFile pw(passwordFile);
        if (!doc.OnSaveDocument(wallet) || !pw.open(QIODevice::WriteOnly) || pw.write(kPassword.toUtf8() + '\n') < 0)
            return false;
    }
    QElapsedTimer making;
    making.start();
    if (!writeList(list, listBytes, planted)) {
        std::fprintf(stderr, "cannot write the list\n");
        return false;
    }
    const double size = double(QFile(list).size());
    std::printf("\nBreached list: %.0f MiB made in %.1f s, %zu planted hashes\n", size / (1 << 20),
        double(making.elapsed()) / 1000, planted.size());

    const QString output = dir.filePath(QStringLiteral("health.txt"));
    const std::vector<std::string> health = { "health", "--breached", list.toStdString(), wallet.toStdString() };
    const std::vector<std::string> cat = { list.toStdString() };
    runProgram("/bin/cat", cat, passwordFile, QStringLiteral("/dev/null")); // the page cache is warm for both
    runProgram(QUORRIL_CLI_PATH, health, passwordFile, output);
    std::vector<double> catTimes, healthTimes, catCpu, healthCpu;
    for (int run = 0; run < runs; ++run) {
        const Sample c = runProgram("/bin/cat", cat, passwordFile, QStringLiteral("/dev/null"));
        const Sample h = runProgram(QUORRIL_CLI_PATH, health, passwordFile, output);
        if (c.status != 0 || h.status != 5) {
            std::fprintf(stderr, "cat exit %d, quorril-cli health exit %d (expected 5)\n", c.status, h.status);
            return false;
        }
        catTimes.push_back(c.seconds);
        healthTimes.push_back(h.seconds);
        catCpu.push_back(c.cpuSeconds);
        healthCpu.push_back(h.cpuSeconds);
    }
    QFile shown(output);
    qsizetype found = 0;
    if (shown.open(QIODevice::ReadOnly))
        found = shown.readAll().count("breached (42 times)");
    std::printf("%-30s %10s %12s %14s\n", "", "median s", "median CPU s", "MiB/s");
    std::printf("%-30s %10.3f %12.3f %14.0f\n", "cat LIST > /dev/null", median(catTimes), median(catCpu),
        size / (1 << 20) / median(catTimes));
    std::printf("%-30s %10.3f %12.3f %14.0f\n", "quorril-cli health --breached", median(healthTimes), median(healthCpu),
        size / (1 << 20) / median(healthTimes));
    std::printf("breached secrets reported: %lld of %zu planted\n", qlonglong(found), planted.size());
    bool ok = found == qsizetype(planted.size());
    ok &= report("health --breached time / cat time", median(healthTimes) / median(catTimes), 2);
    return ok;
}

} // namespace

int main()
{
    const int runs = envOr("QUORRIL_BENCH_RUNS", 5);
    bool ok = reportOfLargeWallet(3);
    ok &= breachedListAgainstCat(runs, qint64(envOr("QUORRIL_BENCH_LIST_MB", 1024)) << 20);
    return ok ? 0 : 1;
}
