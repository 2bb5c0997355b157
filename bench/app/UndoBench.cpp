// Deleting 1,000 accounts of a 100,000-account wallet one by one, then undoing every deletion, with
// the tree and the property list following the document (categories open, the tree laid out and
// painted after each half). The goal is under 1 s for the whole. A step of 1,000 changes at once
// (what an import or a merge makes) is timed too, done and undone.
#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"
#include "support/BenchPrompts.h"
#include "support/BenchWallet.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kAccounts = 100000;
constexpr int kDeleted = 1000;

struct Window {
    BenchPrompts prompts;
    CQuorrilDoc doc { prompts };
    CQuorrilView tree { doc };
    CAccountView list { doc };
    std::vector<AccountId> deleted;

    Window()
    {
        fillWallet(doc, kAccounts);
        tree.resize(300, 700);
        tree.show();
        list.show();
        tree.OnInitialUpdate();
        for (AccountType type : kAccountTypes)
            tree.expand(tree.categoryNode(type));
        // Spread over the wallet: every hundredth account.
        int n = 0;
        for (const auto& [id, account] : doc.accounts())
            if (n++ % (kAccounts / kDeleted) == 0)
                deleted.push_back(id);
        tree.selectNode(tree.rootNode());
        showNow();
    }

    void showNow()
    {
        QApplication::processEvents();
        tree.viewport()->repaint();
    }
};

// Made at first use, and taken down in main() while the application still exists.
std::unique_ptr<Window> g_window;

Window& window()
{
    if (!g_window)
        g_window = std::make_unique<Window>();
    return *g_window;
}

void BM_DeleteOneByOneThenUndoAll(benchmark::State& state)
{
    Window& w = window();
    for (auto _ : state) {
        for (AccountId id : w.deleted)
            w.doc.RemoveAccount(id);
        w.showNow();
        for (size_t i = 0; i < w.deleted.size(); ++i)
            w.doc.Undo();
        w.showNow();
        if (w.doc.accountCount() != kAccounts)
            state.SkipWithError("not every account came back");
    }
}

void BM_OneStepOfAThousandDoneAndUndone(benchmark::State& state)
{
    Window& w = window();
    for (auto _ : state) {
        w.doc.changeAccounts(QStringLiteral("Merge"), {}, w.deleted);
        w.showNow();
        w.doc.Undo();
        w.showNow();
        if (w.doc.accountCount() != kAccounts)
            state.SkipWithError("not every account came back");
    }
}

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds = std::max(seconds, run.GetAdjustedRealTime() / 1000.0);
        ConsoleReporter::ReportRuns(runs);
    }
    double seconds = 0;
};

} // namespace

BENCHMARK(BM_DeleteOneByOneThenUndoAll)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_OneStepOfAThousandDoneAndUndone)->Unit(benchmark::kMillisecond)->MinTime(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    g_window.reset();
    const bool ok = reporter.seconds < 1.0;
    std::printf("\nslowest: %.3f s (goal: under 1 s)  %s\n", reporter.seconds, ok ? "ok" : "MISSED");
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
