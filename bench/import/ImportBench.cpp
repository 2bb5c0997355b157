// Importing 100,000 entries of each import format, set beside the classic open of the wallet the
// import makes, in the same run; and the peak memory of an import against the size of its file.
// Targets: an import at most 3 times the open; the memory it holds beyond the accounts it makes at
// most 4 times the file (its whole peak is printed beside it, and the peak of the open).
// An import here is what quorril-cli import does before it saves: read the file (its format told
// from the content), make the plan, and file the accounts it gives into a new document.
// Each format's import and open run in turn, round after round (QUORRIL_BENCH_RUNS rounds, 5 unless
// set), so that both see the same load of the machine; the ratio is the median of the rounds'.
// QUORRIL_BENCH_ACCOUNTS sets another number of entries, QUORRIL_BENCH_FORMAT one format alone by its
// --from name, QUORRIL_BENCH_DIR a folder that keeps the exports and wallets (for profiling runs).
#include "document/QuorrilDoc.h"
#include "import/ExportGenerator.h"
#include "import/Importer.h"
#include "support/BenchPrompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

const int kEntries = qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS") > 0
    ? qEnvironmentVariableIntValue("QUORRIL_BENCH_ACCOUNTS")
    : 100000;
const int kRounds
    = qEnvironmentVariableIntValue("QUORRIL_BENCH_RUNS") > 0 ? qEnvironmentVariableIntValue("QUORRIL_BENCH_RUNS") : 5;

struct Files {
    QString source; // the export
    QString wallet; // what importing it makes, saved classic
    qint64 sourceSize = 0;
    int accounts = 0;
};

QDir folder()
{
    static QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("QUORRIL_BENCH_DIR");
    return QDir(kept.isEmpty() ? temporary.path() : kept);
}

std::map<ImportFormat, Files>& files()
{
    static std::map<ImportFormat, Files> all;
    return all;
}

// The import up to the accounts filed in a new document; nothing when it failed.
bool importInto(CQuorrilDoc& doc, const QString& source)
{
    ImportRead read = Importer::readFile(source, std::nullopt);
    if (!read.plan)
        return false;
    read.plan->importInto(doc);
    return true;
}

void prepare(ImportFormat format)
{
    Files& f = files()[format];
    const QString name = importFormatOption(format);
    f.source = folder().filePath(name + QStringLiteral(".export"));
    f.wallet = folder().filePath(name + QStringLiteral(".qrl"));
    // A kept folder that holds the export already: it is used as it is.
    if (!QFile::exists(f.source)) {
        const QByteArray bytes = generateExport(format, kEntries, 20240601);
        QFile out(f.source);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            std::abort();
    }
    f.sourceSize = QFileInfo(f.source).size();
    BenchPrompts prompts;
    CQuorrilDoc doc(prompts);
    if (!importInto(doc, f.source) || !doc.OnSaveDocument(f.wallet))
        std::abort();
    f.accounts = doc.accountCount();
}

void BM_Import(benchmark::State& state, ImportFormat format)
{
    BenchPrompts prompts;
    for (auto _ : state) {
        CQuorrilDoc doc(prompts);
        if (!importInto(doc, files()[format].source) || doc.accountCount() != files()[format].accounts)
            state.SkipWithError("the import failed");
        state.PauseTiming(); // taking the document down is not part of the import
        doc.ClearAccounts();
        state.ResumeTiming();
    }
}

void BM_Open(benchmark::State& state, ImportFormat format)
{
    BenchPrompts prompts;
    for (auto _ : state) {
        CQuorrilDoc doc(prompts);
        if (!doc.OnOpenDocument(files()[format].wallet) || doc.accountCount() != files()[format].accounts)
            state.SkipWithError("the wallet did not open");
        state.PauseTiming();
        doc.ClearAccounts();
        state.ResumeTiming();
    }
}

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

struct Memory {
    qint64 peak = 0; // added at the most while the step ran
    qint64 held = 0; // added and still held at its end
};

// The resident memory a step adds, in bytes.
template <typename Step> Memory memoryOf(Step step)
{
    malloc_trim(0); // what earlier steps freed must not be reused unseen
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) // resets the peak to the present
        return {};
    clear.close();
    const qint64 before = statusKb("VmRSS:");
    Memory memory;
    step([&memory] {
        memory.peak = statusKb("VmHWM:");
        malloc_trim(0); // what the step freed is not held
        memory.held = statusKb("VmRSS:");
    });
    memory.peak = (memory.peak - before) * 1024;
    memory.held = (memory.held - before) * 1024;
    return memory;
}

// libxml2's SAX2 parser alone over the KeePass export, as the reader drives it (pulling the file a
// few KiB at a time), with handlers that do nothing: what the XML costs before the import does anything.
void BM_XmlTokens(benchmark::State& state)
{
    xmlInitParser();
    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs
        = [](void*, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**, int, int, const xmlChar**) {};
    handler.endElementNs = [](void*, const xmlChar*, const xmlChar*, const xmlChar*) {};
    handler.characters = [](void*, const xmlChar*, int) {};
    const auto read
        = [](void* file, char* buffer, int length) { return int(static_cast<QFile*>(file)->read(buffer, length)); };
    for (auto _ : state) {
        QFile file(files()[ImportFormat::KeePassXml].source);
        file.open(QIODevice::ReadOnly);
        xmlParserCtxtPtr context
            = xmlCreateIOParserCtxt(&handler, nullptr, read, nullptr, &file, XML_CHAR_ENCODING_NONE);
        xmlCtxtUseOptions(context, XML_PARSE_NONET);
        xmlParseDocument(context);
        if (!context->wellFormed)
            state.SkipWithError("the XML does not read");
        xmlFreeParserCtxt(context);
    }
}

// Keeps the mean real and CPU time of every benchmark (of every round: "BM_Import_chrome-csv#2")
// while printing as usual.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                const std::string name = run.benchmark_name().substr(0, run.benchmark_name().find('/'));
                seconds[name] = run.real_accumulated_time / double(run.iterations);
                cpuSeconds[name] = run.cpu_accumulated_time / double(run.iterations);
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds, cpuSeconds;
};

std::string roundName(const std::string& name, int round) { return name + "#" + std::to_string(round); }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median over the rounds of a benchmark's time, or of the ratio of two benchmarks' times.
double medianOf(const std::map<std::string, double>& times, const std::string& name, const std::string& over = {})
{
    std::vector<double> values;
    for (int round = 1; round <= kRounds; ++round) {
        const auto a = times.find(roundName(name, round));
        const auto b = over.empty() ? times.end() : times.find(roundName(over, round));
        if (a != times.end() && (over.empty() || (b != times.end() && b->second > 0)))
            values.push_back(over.empty() ? a->second : a->second / b->second);
    }
    return median(values);
}

bool report(const std::string& what, double ratio, double limit)
{
    const bool ok = ratio <= limit;
    std::printf("%-52s %6.2f  (at most %.0f)  %s\n", what.c_str(), ratio, limit, ok ? "ok" : "MISSED");
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::map<ImportFormat, Memory> importMemory, openMemory;
    const QString only = qEnvironmentVariable("QUORRIL_BENCH_FORMAT");
    std::vector<ImportFormat> formats;
    for (ImportFormat format : kImportFormats)
        if (only.isEmpty() || importFormatOption(format) == only)
            formats.push_back(format);
    for (ImportFormat format : formats) {
        prepare(format);
        BenchPrompts prompts;
        importMemory[format] = memoryOf([&](auto atEnd) {
            CQuorrilDoc doc(prompts);
            importInto(doc, files()[format].source);
            atEnd();
        });
        openMemory[format] = memoryOf([&](auto atEnd) {
            CQuorrilDoc doc(prompts);
            doc.OnOpenDocument(files()[format].wallet);
            atEnd();
        });
        const std::string name = importFormatOption(format).toStdString();
        // The CPU time of the whole process: a large import builds its accounts on two threads.
        for (int round = 1; round <= kRounds; ++round) {
            benchmark::RegisterBenchmark(roundName("BM_Import_" + name, round).c_str(), BM_Import, format)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime()
                ->MinTime(0.5);
            benchmark::RegisterBenchmark(roundName("BM_Open_" + name, round).c_str(), BM_Open, format)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime()
                ->MinTime(0.5);
        }
    }
    if (files().count(ImportFormat::KeePassXml))
        benchmark::RegisterBenchmark("BM_XmlTokens", BM_XmlTokens)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->MinTime(1.0);
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%d entries of each format; medians of %d rounds of import and open in turn\n", kEntries, kRounds);
    std::printf("%-16s %10s %10s %12s %12s %14s %14s\n", "format", "file MiB", "accounts", "import ms", "open ms",
        "import CPU ms", "open CPU ms");
    bool ok = true;
    for (ImportFormat format : formats) {
        const std::string name = importFormatOption(format).toStdString();
        const Files& f = files()[format];
        const double importSeconds = medianOf(reporter.seconds, "BM_Import_" + name);
        const double openSeconds = medianOf(reporter.seconds, "BM_Open_" + name);
        const double importCpu = medianOf(reporter.cpuSeconds, "BM_Import_" + name);
        const double openCpu = medianOf(reporter.cpuSeconds, "BM_Open_" + name);
        std::printf("%-16s %10.1f %10d %12.1f %12.1f %14.1f %14.1f\n", name.c_str(), double(f.sourceSize) / (1 << 20),
            f.accounts, importSeconds * 1000, openSeconds * 1000, importCpu * 1000, openCpu * 1000);
        if (openSeconds > 0) {
            ok &= report(name + ": import / open of its wallet",
                medianOf(reporter.seconds, "BM_Import_" + name, "BM_Open_" + name), 3);
            std::printf("%-52s %6.2f  (CPU time, for comparison)\n", (name + ": import / open of its wallet").c_str(),
                medianOf(reporter.cpuSeconds, "BM_Import_" + name, "BM_Open_" + name));
        }
        if (format == ImportFormat::KeePassXml && openSeconds > 0 && reporter.seconds["BM_XmlTokens"] > 0)
            std::printf("%-52s %6.2f  (for comparison)\n", "keepass-xml: libxml2 parser alone / open",
                reporter.seconds["BM_XmlTokens"] / openSeconds);
        const double size = double(f.sourceSize);
        const Memory& imported = importMemory[format];
        // What the import holds beyond the accounts it makes: its reader and its plan. The accounts
        // themselves take what the wallet takes once opened (Qt's strings are UTF-16, each field an
        // allocation), which is more than 4 times a compact CSV.
        ok &= report(
            name + ": working memory of the import / file size", double(imported.peak - imported.held) / size, 4);
        std::printf("%-52s %6.2f  (for comparison)\n", (name + ": peak memory of the import / file size").c_str(),
            double(imported.peak) / size);
        std::printf("%-52s %6.2f  (for comparison)\n", (name + ": accounts it made, as held / file size").c_str(),
            double(imported.held) / size);
        std::printf("%-52s %6.2f  (for comparison)\n", (name + ": peak memory of the open / file size").c_str(),
            double(openMemory[format].peak) / size);
    }
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
