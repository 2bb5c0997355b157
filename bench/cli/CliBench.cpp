// quorril-cli on a wallet of 100,000 accounts of all ten types: check, export and import, each run
// as a child process several times in turn, so that all three see the same load of the machine.
// Prints the median wall time and the peak resident memory (from wait4) of each, and the ratios:
//   export / check at most 2, peak memory of export / wallet size at most 2.5,
//   import / check at most 3, peak memory of import / JSON size at most 4;
// then exports one Email account with 4,000,000 users: its peak memory stays that of its check.
// CPU times are printed beside the wall times: on a shared machine they vary less.
// QUORRIL_BENCH_ACCOUNTS and QUORRIL_BENCH_RUNS set another size and number of runs;
// QUORRIL_BENCH_DIR names a folder that keeps the wallet and its JSON (for profiling runs).
#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"
#include "document/WalletGenerator.h"
#include "support/BenchPrompts.h"
#include "support/ChildProcess.h"
#include "support/PrivateDataHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString kPassword = BenchPrompts::walletPassword();
constexpr int kHostileUsers = 4000000;

Sample runCli(const std::vector<std::string>& arguments, const QString& input, const QString& output)
{
    return runProgram(QUORRIL_CLI_PATH, arguments, input, output);
}

} // namespace

int main()
{
    usePrivateDataHome();
    const int accounts = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS") > 0
        ? qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS")
        : 100000;
    const int runs = qEnvironmentVariableIntValue("QUORRIL_BENCH_RUNS") > 0
        ? qEnvironmentVariableIntValue("QUORRIL_BENCH_RUNS")
        : 5;

    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("QUORRIL_BENCH_DIR");
    const QDir dir(kept.isEmpty() ? temporary.path() : kept);
    const std::string wallet = dir.filePath(QStringLiteral("wallet.qrl")).toStdString();
    const std::string json = dir.filePath(QStringLiteral("wallet.json")).toStdString();
    const std::string imported = dir.filePath(QStringLiteral("imported.qrl")).toStdString();
    const QString passwordFile = dir.filePath(QStringLiteral("password"));
    const QString discard = QStringLiteral("/dev/null");
    {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        generateWallet(doc, accounts, 20240601);
        QFile pw(passwordFile);
        if (!doc.OnSaveDocument(QString::fromStdString(wallet)) || !pw.open(QIODevice::WriteOnly)
            || pw.write(kPassword.toUtf8() + '\n') < 0) {
            std::fprintf(stderr, "cannot write the wallet\n");
            return 2;
        }
    }

    std::vector<double> check, exportTimes, import, checkCpu, exportCpu, importCpu;
    long checkPeak = 0, exportPeak = 0, importPeak = 0;
    for (int run = 0; run < runs; ++run) {
        const Sample c = runCli({ "check", wallet }, passwordFile, discard);
        const Sample e = runCli({ "export", wallet }, passwordFile, QString::fromStdString(json));
        const Sample i = runCli({ "import", json, imported }, passwordFile, discard);
        if (c.status != 0 || e.status != 0 || i.status != 0) {
            std::fprintf(stderr, "a command failed: check %d, export %d, import %d\n", c.status, e.status, i.status);
            return 2;
        }
        check.push_back(c.seconds);
        checkCpu.push_back(c.cpuSeconds);
        exportCpu.push_back(e.cpuSeconds);
        importCpu.push_back(i.cpuSeconds);
        exportTimes.push_back(e.seconds);
        import.push_back(i.seconds);
        checkPeak = std::max(checkPeak, c.peakKb);
        exportPeak = std::max(exportPeak, e.peakKb);
        importPeak = std::max(importPeak, i.peakKb);
        QFile::remove(QString::fromStdString(imported));
    }

    const double walletSize = double(QFileInfo(QString::fromStdString(wallet)).size());
    const double jsonSize = double(QFileInfo(QString::fromStdString(json)).size());
    const double mib = 1 << 20;
    std::printf("Wallet: %d accounts, %.1f MiB; its JSON: %.1f MiB; %d runs each\n\n", accounts, walletSize / mib,
        jsonSize / mib, runs);
    std::printf("%-8s %10s %14s %16s\n", "command", "median s", "median CPU s", "peak RSS MiB");
    std::printf("%-8s %10.3f %14.3f %16.1f\n", "check", median(check), median(checkCpu), checkPeak / 1024.0);
    std::printf("%-8s %10.3f %14.3f %16.1f\n", "export", median(exportTimes), median(exportCpu), exportPeak / 1024.0);
    std::printf("%-8s %10.3f %14.3f %16.1f\n\n", "import", median(import), median(importCpu), importPeak / 1024.0);

    bool ok = true;
    ok &= report("export / check", median(exportTimes) / median(check), 2);
    ok &= report("peak RSS of export / wallet size", exportPeak * 1024.0 / walletSize, 2.5);
    ok &= report("import / check", median(import) / median(check), 3);
    ok &= report("peak RSS of import / JSON size", importPeak * 1024.0 / jsonSize, 4);
    std::printf("%-40s %6.2f  (for comparison)\n", "peak RSS of check / wallet size", checkPeak * 1024.0 / walletSize);
    std::printf("%-40s %6.2f  (CPU time, for comparison)\n", "export / check", median(exportCpu) / median(checkCpu));
    std::printf("%-40s %6.2f  (CPU time, for comparison)\n", "import / check", median(importCpu) / median(checkCpu));

    // One Email account with millions of users: the export must need no more than the loaded document.
    const std::string hostile = dir.filePath(QStringLiteral("hostile.qrl")).toStdString();
    {
        BenchPrompts prompts;
        CQuorrilDoc doc(prompts);
        auto email = createAccount(AccountId(1), AccountType::Email);
        for (int i = 0; i < kHostileUsers; ++i)
            AccountBuilder::appendUser(*email, std::make_unique<UserEntry>(0, QString(), QString(), QString()));
        email->SetCommitted();
        std::vector<std::unique_ptr<AccountRecord>> accounts;
        accounts.push_back(std::move(email));
        doc.changeAccounts(QStringLiteral("Import"), std::move(accounts));
        if (!doc.OnSaveDocument(QString::fromStdString(hostile)))
            return 2;
    }
    const Sample hc = runCli({ "check", hostile }, passwordFile, discard);
    const Sample he = runCli({ "export", hostile }, passwordFile, discard);
    std::printf(
        "\nOne Email account with %d users, %.1f MiB: check %.3f s, %.1f MiB; export %.3f s, %.1f MiB (exit %d)\n",
        kHostileUsers, double(QFileInfo(QString::fromStdString(hostile)).size()) / mib, hc.seconds, hc.peakKb / 1024.0,
        he.seconds, he.peakKb / 1024.0, he.status);
    ok &= he.status == 0;
    ok &= report("peak RSS of its export / of its check", double(he.peakKb) / double(hc.peakKb), 1.1);
    return ok ? 0 : 1;
}
