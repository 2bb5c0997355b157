// The three-way merge of two 100,000-account wallets that each changed 1% of the accounts of their
// base (a tenth of them the same accounts, so some are kept twice), set beside the classic open of
// one such wallet in the same run. Target: the merge (working out the changes and making them in
// ours) at most 2 times the open.
#include "accounts/AccountFactory.h"
#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "document/WalletMerge.h"
#include "support/BenchPrompts.h"
#include "support/RecordingReporter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const int kAccounts = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS") > 0
    ? qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS")
    : 100000;

// A new value in the first text field of the account at id.
void edit(CQuorrilDoc& doc, qint32 id, const char* side)
{
    AccountRecord* account = doc.FindAccount(AccountId(id));
    const RecordLayout& layout = account->layout();
    for (int f = 0; f < int(layout.fields.size()); ++f)
        if (layout.fields[size_t(f)].kind == FieldKind::Text) {
            account->setField(f, ScrambledText(QStringLiteral("changed on %1").arg(QLatin1StringView(side))));
            return;
        }
    account->SetTitle(account->GetTitle() + QLatin1StringView(side));
}

struct Wallets {
    QTemporaryDir dir;
    QString path;
    BenchPrompts prompts;
    CQuorrilDoc base { prompts }, ours { prompts }, theirs { prompts };

    Wallets()
    {
        generateWallet(base, kAccounts, 20240601);
        path = dir.filePath(QStringLiteral("wallet.qrl"));
        if (!base.OnSaveDocument(path) || !ours.OnOpenDocument(path) || !theirs.OnOpenDocument(path))
            std::abort();
        // Generated ids run from 1; every hundredth changes on each side, every thousandth on both.
        for (qint32 id = 1; id <= kAccounts; id += 100) {
            edit(ours, id, "ours");
            edit(theirs, (id / 100) % 10 == 0 ? id : id + 50, "theirs");
        }
    }
};

Wallets& wallets()
{
    static Wallets w;
    return w;
}

MergeReport lastReport;

void BM_ClassicOpen(benchmark::State& state)
{
    BenchPrompts prompts;
    for (auto _ : state) {
        CQuorrilDoc doc(prompts);
        if (!doc.OnOpenDocument(wallets().path) || doc.accountCount() != kAccounts)
            state.SkipWithError("the wallet did not open");
        state.PauseTiming(); // taking the document down is not part of the open
        doc.ClearAccounts();
        state.ResumeTiming();
    }
}

void BM_MergeThreeWay(benchmark::State& state)
{
    Wallets& w = wallets();
    const QDate today(2026, 12, 10);
    for (auto _ : state) {
        MergeResult merge = mergeThreeWay(w.base.contents(), w.ours.contents(), w.theirs.contents(), today);
        state.PauseTiming(); // the way back, to merge the same wallets again
        MergeResult undo;
        for (const AccountChange& c : merge.changes)
            undo.changes.push_back(
                { c.id, c.after ? cloneAccount(*c.after) : nullptr, c.before ? cloneAccount(*c.before) : nullptr });
        undo.nextAccountId = w.ours.contents().nextAccountId;
        lastReport = merge.report;
        state.ResumeTiming();
        if (!applyMerge(w.ours, std::move(merge)))
            state.SkipWithError("the merge did not apply");
        state.PauseTiming();
        if (!applyMerge(w.ours, std::move(undo)))
            state.SkipWithError("the merge did not go back");
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ClassicOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MergeThreeWay)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    wallets();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nWallets: %d accounts; merge: %s\n", kAccounts, qPrintable(lastReport.summary()));
    const double open = reporter.seconds["BM_ClassicOpen"];
    const double merge = reporter.seconds["BM_MergeThreeWay"];
    const bool ok = open > 0 && merge > 0 && merge / open <= 2;
    std::printf("%-44s %6.2f  (at most 2)  %s\n", "three-way merge / classic open", open > 0 ? merge / open : 0.0,
        ok ? "ok" : "MISSED");
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
