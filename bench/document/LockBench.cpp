// Lock (seal) and unlock (open the seal) of the 100,000-account wallet, with unsaved changes and
// a history, at the cost new files are written with. Each is about one key derivation plus the
// writing or reading of the whole table.
#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "support/BenchPrompts.h"

#include <benchmark/benchmark.h>

namespace {

const int kAccounts = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS") > 0
    ? qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS")
    : 100000;

struct LockedWallet {
    BenchPrompts prompts;
    CQuorrilDoc doc { prompts };

    LockedWallet()
    {
        generateWallet(doc, kAccounts, 20240601);
        doc.setPassword(BenchPrompts::walletPassword());
        // A history of steps that hold accounts, as a session leaves one.
        for (qint32 id = 1; id <= 100; ++id)
            doc.RemoveAccount(AccountId(id));
    }
};

void BM_Lock(benchmark::State& state)
{
    LockedWallet wallet;
    for (auto _ : state) {
        wallet.doc.OnLockDocument();
        state.PauseTiming();
        if (!wallet.doc.isSealed())
            state.SkipWithError("not sealed");
        wallet.doc.OnUnlockDocument();
        state.ResumeTiming();
    }
}

void BM_Unlock(benchmark::State& state)
{
    LockedWallet wallet;
    for (auto _ : state) {
        state.PauseTiming();
        wallet.doc.OnLockDocument();
        state.ResumeTiming();
        wallet.doc.OnUnlockDocument();
        if (wallet.doc.IsLocked())
            state.SkipWithError("did not unlock");
    }
}

BENCHMARK(BM_Lock)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Unlock)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
