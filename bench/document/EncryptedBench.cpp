// Opening the 100,000-account wallet encrypted against opening it classic, beside the key derivation
// alone at the same cost, and saving it both ways. Target: the encrypted open takes at most the
// classic open plus the key derivation plus 0.3 s.
#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "format/EncryptedFormat.h"
#include "support/BenchPrompts.h"
#include "support/PrivateDataHome.h"
#include "support/RecordingReporter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sodium.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

const int kAccounts = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS") > 0
    ? qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS")
    : 100000;

// The same wallet saved in both containers, the encrypted one at the default cost.
struct Wallets {
    QTemporaryDir dir;
    QString classic = dir.filePath(QStringLiteral("classic.qrl"));
    QString encrypted = dir.filePath(QStringLiteral("encrypted.qrl"));

    Wallets()
    {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        generateWallet(doc, kAccounts, 20240601);
        if (!doc.OnSaveDocument(classic))
            std::abort();
        doc.setEncrypted(true);
        if (!doc.OnSaveDocument(encrypted))
            std::abort();
    }
};

Wallets& wallets()
{
    static Wallets w;
    return w;
}

void open(benchmark::State& state, const QString& path)
{
    BenchPrompts prompts;
    for (auto _ : state) {
        CQuorrilDoc doc(prompts);
        if (!doc.OnOpenDocument(path) || doc.accountCount() != kAccounts)
            state.SkipWithError("the wallet did not open");
        state.PauseTiming(); // taking the document down is not part of the open
        doc.ClearAccounts();
        state.ResumeTiming();
    }
}

void BM_OpenClassic(benchmark::State& state) { open(state, wallets().classic); }
void BM_OpenEncrypted(benchmark::State& state) { open(state, wallets().encrypted); }

// Argon2id alone at the cost new files are written with.
void BM_KeyDerivation(benchmark::State& state)
{
    if (sodium_init() < 0)
        std::abort();
    const KdfCost cost = EncryptedFormat::defaultCost();
    const QByteArray password = FixedPasswordPrompts<>::walletPassword().toUtf8();
    unsigned char salt[crypto_pwhash_SALTBYTES] = {};
    unsigned char key[32];
    for (auto _ : state) {
        if (crypto_pwhash(key, sizeof key, password.constData(), quint64(password.size()), salt, cost.opsLimit,
                size_t(cost.memLimit), crypto_pwhash_ALG_ARGON2ID13)
            != 0)
            state.SkipWithError("out of memory");
        benchmark::DoNotOptimize(key);
    }
}

void save(benchmark::State& state, bool encrypted)
{
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    doc.OnOpenDocument(wallets().classic);
    doc.setEncrypted(encrypted);
    const QString target = wallets().dir.filePath(QStringLiteral("saved.qrl"));
    for (auto _ : state)
        if (!doc.OnSaveDocument(target))
            state.SkipWithError("save failed");
}

void BM_SaveClassic(benchmark::State& state) { save(state, false); }
void BM_SaveEncrypted(benchmark::State& state) { save(state, true); }

BENCHMARK(BM_OpenClassic)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_OpenEncrypted)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_KeyDerivation)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_SaveClassic)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_SaveEncrypted)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    usePrivateDataHome(); // the saves below keep backups
    benchmark::Initialize(&argc, argv);
    wallets(); // made before the clock runs
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const KdfCost cost = EncryptedFormat::defaultCost();
    auto time = [&reporter](const char* name) { return reporter.seconds[name]; };
    std::printf("\nWallet: %d accounts; key derivation: %u passes over %llu MiB\n", kAccounts, cost.opsLimit,
        static_cast<unsigned long long>(cost.memLimit >> 20));
    bool ok = true;
    if (time("BM_OpenClassic") > 0 && time("BM_OpenEncrypted") > 0 && time("BM_KeyDerivation") > 0) {
        const double extra = time("BM_OpenEncrypted") - time("BM_OpenClassic") - time("BM_KeyDerivation");
        ok = extra <= 0.3;
        std::printf("encrypted open - classic open - key derivation  %6.3f s  (at most 0.300)  %s\n", extra,
            ok ? "ok" : "MISSED");
    }
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
