// Loading and saving a wallet of 100,000 accounts of all ten types, each set beside the plain file
// operation on the same bytes in the same run, and the peak memory of a load against the file size.
// Targets: load at most 5 times reading the bytes, save at most 5 times writing them, peak memory
// of a load at most 3 times the file size.
#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "format/WalletFile.h"
#include "support/BenchPrompts.h"
#include "support/PrivateDataHome.h"
#include "support/RecordingReporter.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// QUORRIL_BENCH_ACCOUNTS sets another size (for profiling runs).
const int kAccounts = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS") > 0
    ? qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS")
    : 100000;

struct Wallet {
    QTemporaryDir dir;
    QString path;
    QByteArray bytes;

    Wallet()
    {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        generateWallet(doc, kAccounts, 20240601);
        path = dir.filePath(QStringLiteral("wallet.qrl"));
        if (!doc.OnSaveDocument(path))
            std::abort();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        bytes = f.readAll();
    }
};

Wallet& wallet()
{
    static Wallet w;
    return w;
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    return f.readAll();
}

void BM_ReadFileBytes(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readBytes(wallet().path));
    state.SetBytesProcessed(state.iterations() * wallet().bytes.size());
}

void BM_OpenDocument(benchmark::State& state)
{
    BenchPrompts prompts;
    for (auto _ : state) {
        CQuorrilDoc doc(prompts);
        if (!doc.OnOpenDocument(wallet().path) || doc.accountCount() != kAccounts)
            state.SkipWithError("the wallet did not open");
        state.PauseTiming(); // taking the document down is not part of the load
        doc.ClearAccounts();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * wallet().bytes.size());
}

void BM_WriteFileBytes(benchmark::State& state)
{
    const QString target = wallet().dir.filePath(QStringLiteral("plain.qrl"));
    for (auto _ : state) {
        QSaveFile f(target);
        if (!f.open(QIODevice::WriteOnly) || f.write(wallet().bytes) != wallet().bytes.size() || !f.commit())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * wallet().bytes.size());
}

// Saving over the file of the last save, keeping the file it replaces as a backup (the default),
// or with no backups.
void saveRepeatedly(benchmark::State& state, int backups)
{
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    doc.OnOpenDocument(wallet().path);
    doc.setBackupCount(backups);
    const QString target = wallet().dir.filePath(QStringLiteral("saved.qrl"));
    for (auto _ : state)
        if (!doc.OnSaveDocument(target))
            state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * wallet().bytes.size());
    if (readBytes(target) != wallet().bytes)
        state.SkipWithError("the saved file differs from the loaded one");
}

void BM_SaveDocument(benchmark::State& state) { saveRepeatedly(state, 5); }
void BM_SaveDocumentWithoutBackups(benchmark::State& state) { saveRepeatedly(state, 0); }

// The two halves of a save on their own: storing into memory (the format module alone), and a
// plain write without the flush to disk that QSaveFile ends with.
void BM_StoreToBytes(benchmark::State& state)
{
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    doc.OnOpenDocument(wallet().path);
    for (auto _ : state)
        benchmark::DoNotOptimize(WalletFile::store(doc.contents()));
    state.SetBytesProcessed(state.iterations() * wallet().bytes.size());
}

void BM_WriteFileBytesUnsynced(benchmark::State& state)
{
    const QString target = wallet().dir.filePath(QStringLiteral("unsynced.qrl"));
    for (auto _ : state) {
        QFile f(target);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(wallet().bytes) != wallet().bytes.size())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * wallet().bytes.size());
}

BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_WriteFileBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_SaveDocumentWithoutBackups)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_StoreToBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_WriteFileBytesUnsynced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

qint64 statusKb(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Peak resident memory added by one open of the wallet (file bytes included), in bytes.
qint64 peakLoadMemory()
{
    malloc_trim(0); // what earlier steps freed must not be reused unseen
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) // resets the peak to the present
        return -1;
    clear.close();
    const qint64 before = statusKb("VmRSS:");
    qint64 peak = 0;
    {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        doc.OnOpenDocument(wallet().path);
        peak = statusKb("VmHWM:");
    }
    return (peak - before) * 1024;
}

bool report(const char* what, double ratio, double limit)
{
    const bool ok = ratio <= limit;
    std::printf("%-44s %6.2f  (at most %.0f)  %s\n", what, ratio, limit, ok ? "ok" : "MISSED");
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    usePrivateDataHome(); // the saves below keep backups
    benchmark::Initialize(&argc, argv);
    const qint64 fileSize = wallet().bytes.size();
    const qint64 memory = peakLoadMemory(); // first, before the benchmarks fill the heap
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nWallet: %d accounts, %.1f MiB\n", kAccounts, double(fileSize) / (1 << 20));
    bool ok = true;
    auto time = [&reporter](const char* name) { return reporter.seconds[name]; };
    if (time("BM_ReadFileBytes") > 0)
        ok &= report("load / read the bytes", time("BM_OpenDocument") / time("BM_ReadFileBytes"), 5);
    if (time("BM_WriteFileBytes") > 0)
        ok &= report(
            "save / write the bytes (both through QSaveFile)", time("BM_SaveDocument") / time("BM_WriteFileBytes"), 5);
    if (time("BM_WriteFileBytesUnsynced") > 0)
        ok &= report("(store + unsynced write) / unsynced write",
            (time("BM_StoreToBytes") + time("BM_WriteFileBytesUnsynced")) / time("BM_WriteFileBytesUnsynced"), 5);
    ok &= report("peak memory of a load / file size", double(memory) / double(fileSize), 3);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
