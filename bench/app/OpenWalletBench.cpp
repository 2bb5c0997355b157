// Opening a wallet of 100,000 accounts and showing its tree, against loading the same file into a
// document alone, in one run; the program prints the ratio (the goal is at most 2). The tree's own
// rebuild is also timed at several sizes to show that it grows no faster than the account count.
//
// Both open benchmarks alternate between two copies of the file, so every open replaces a full
// document (and, for the window, a full tree), as opening another wallet does.
#include "accounts/AccountFactory.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/Preferences.h"
#include "app/RecentFileList.h"
#include "core/AccountTypes.h"
#include "dialogs/UiPrompts.h"
#include "document/QuorrilDoc.h"
#include "format/WalletFile.h"
#include "support/BenchPrompts.h"
#include "support/BenchWallet.h"
#include "views/AccountView.h"
#include "views/QuorrilView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <map>

namespace {

constexpr int kAccounts = 100000;

// The window's prompts: the wallet's password, and No to any question.
class WindowBenchPrompts : public FixedPasswordPrompts<UiPrompts> {
public:
    using UiPrompts::question;
    bool question(const QString&, Icon, Answer, Answer) override { return false; }
    Answer questionWithCancel(const QString&) override { return Answer::No; }
    bool duplicateAccount() override { return false; }
    QString openFileName() override { return {}; }
    // Nothing is ever open: every answer comes at once.
    void cancelOpenPrompts() override { }
    bool passwordPromptOpen() const override { return false; }
    QString importFileName(const QStringList&) override { return {}; }
    QString exportFileName(const QStringList&, qsizetype&) override { return {}; }
};

// Two copies of a wallet of `count` accounts, written once per size.
const QStringList& walletFiles(int count)
{
    static QTemporaryDir dir;
    static std::map<int, QStringList> files;
    QStringList& paths = files[count];
    if (paths.isEmpty()) {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        fillWallet(doc, count);
        doc.setPassword(BenchPrompts::walletPassword());
        const QByteArray bytes = WalletFile::store(doc.contents());
        for (const char* name : { "a", "b" }) {
            const QString path = dir.filePath(QStringLiteral("%1-%2.qrl").arg(count).arg(QLatin1String(name)));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            paths << path;
        }
    }
    return paths;
}

void BM_LoadDocument(benchmark::State& state)
{
    const QStringList& files = walletFiles(kAccounts);
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    int next = 0;
    for (auto _ : state) {
        if (!doc.OnOpenDocument(files[next]))
            state.SkipWithError("open failed");
        next = 1 - next;
    }
    state.counters["accounts"] = doc.accountCount();
}

void BM_OpenAndShowTree(benchmark::State& state)
{
    const QStringList& files = walletFiles(kAccounts);
    WindowBenchPrompts prompts;
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    RecentFileList recent(settings);
    Preferences preferences(settings);
    CQuorrilDoc doc(prompts);
    CMainFrame frame(doc, prompts, recent, preferences);
    doc.OnNewDocument();
    frame.show();
    QApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        if (!frame.fileCommands().openDocumentFile(files[next]))
            state.SkipWithError("open failed");
        // Shown: laid out and painted, with the largest category opened as well.
        frame.treeView()->expand(frame.treeView()->categoryNode(AccountType::Email));
        frame.treeView()->viewport()->repaint();
        QApplication::processEvents();
        next = 1 - next;
    }
    state.counters["accounts"]
        = frame.treeView()->model()->rowCount(frame.treeView()->categoryNode(AccountType::Email)) * 10;
}

void BM_TreeRebuild(benchmark::State& state)
{
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    fillWallet(doc, int(state.range(0)));
    CQuorrilView tree(doc);
    for (auto _ : state) {
        tree.OnInitialUpdate();
        benchmark::DoNotOptimize(tree.rootNode());
    }
    state.SetComplexityN(state.range(0));
}

// Keeps the mean real time of each benchmark for the ratio printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_OpenAndShowTree)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_TreeRebuild)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto time = [&reporter](const std::string& name) {
        for (const auto& [benchmark, seconds] : reporter.times)
            if (benchmark.rfind(name, 0) == 0)
                return seconds;
        return 0.0;
    };
    const double load = time("BM_LoadDocument");
    const double show = time("BM_OpenAndShowTree");
    if (load > 0 && show > 0)
        std::printf("\nopen and show / load alone = %.2f (goal: at most 2)\n", show / load);
    benchmark::Shutdown();
    return 0;
}
