// One keystroke of the find field on a wallet of 100,000 accounts: the filter runs and the tree is
// laid out and painted again. The goal is at most 50 ms a keystroke, typing a word a letter at a
// time and deleting it again. The first keystroke after a wallet opens is timed on its own.
#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"
#include "support/BenchPrompts.h"
#include "support/BenchWallet.h"
#include "views/AccountFilterModel.h"
#include "views/QuorrilView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <memory>

namespace {

// The wallet's size; QUORRIL_BENCH_ACCOUNTS makes it smaller for the test that runs this program.
int accountCount()
{
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS", &ok);
    return ok && wanted > 0 ? wanted : 100000;
}

struct Window {
    BenchPrompts prompts;
    CQuorrilDoc doc { prompts };
    CQuorrilView tree { doc };

    Window()
    {
        fillWallet(doc, accountCount());
        tree.resize(300, 700);
        tree.show();
        tree.OnInitialUpdate();
        QApplication::processEvents();
    }

    // What one keystroke costs the user: the filter, the layout, the paint.
    void type(const QString& text)
    {
        tree.setFindText(text);
        QApplication::processEvents();
        tree.viewport()->repaint();
    }
};

// Made at the first benchmark that needs it and gone before the application: no widget may outlive
// the QApplication.
std::unique_ptr<Window> g_window;

Window& window()
{
    if (!g_window)
        g_window = std::make_unique<Window>();
    return *g_window;
}

// Typing the word a letter at a time, then deleting it a letter at a time.
void BM_FindKeystroke(benchmark::State& state, const char* word)
{
    Window& w = window();
    const QString text = QString::fromLatin1(word);
    w.type(text); // the texts are folded once, before the timing
    w.type(QString());
    double slowest = 0;
    int keystrokes = 0;
    for (auto _ : state) {
        for (int n = 1; n <= 2 * text.size(); ++n) {
            const qsizetype length = n <= text.size() ? n : 2 * text.size() - n;
            QElapsedTimer timer;
            timer.start();
            w.type(text.left(length));
            slowest = std::max(slowest, double(timer.nsecsElapsed()) / 1e6);
            ++keystrokes;
        }
    }
    // Seconds per keystroke, shown in milliseconds below through the counter's inversion.
    state.counters["keystroke_ms"]
        = benchmark::Counter(double(keystrokes) / 1000.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["slowest_ms"] = slowest;
    state.SetItemsProcessed(keystrokes);
}

// The first keystroke after a wallet is shown, once the program had a moment of idle time to fold
// every account's texts (the whole folding time is a counter of its own), and without it (cold).
void BM_FindFirstKeystroke(benchmark::State& state, bool idleFirst)
{
    Window& w = window();
    AccountFilterModel& filter = *w.tree.filterModel();
    double foldingMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.type(QString());
        w.tree.OnInitialUpdate();
        QElapsedTimer folding;
        folding.start();
        while (idleFirst && filter.isFoldingWhileIdle())
            QApplication::processEvents();
        foldingMs = double(folding.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
        w.type(QStringLiteral("a"));
    }
    if (idleFirst)
        state.counters["idle_folding_ms"] = foldingMs;
}

} // namespace

BENCHMARK_CAPTURE(BM_FindKeystroke, title, "account 4711")->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK_CAPTURE(BM_FindKeystroke, value, "institution of 99")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_FindFirstKeystroke, after_idle, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_FindFirstKeystroke, cold, false)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
