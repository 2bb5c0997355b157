// Scrambling a 1 MiB plain text and unscrambling a 1 MiB stored text, against a plain copy of a
// 1 MiB text, in one run. The copy is the floor: a character-by-character copy into a new string of
// the same size. Throughput counts the bytes of each operation's input.
#include "core/ScrambledText.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

namespace {

constexpr qsizetype kUnits = 1 << 20;

// Realistic wallet text: mostly letters, digits and punctuation, some spaces and line breaks, a few
// characters the scrambling leaves alone.
const QString& sampleText()
{
    static const QString text = [] {
        const QString alphabet
            = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789     .,-@:/#\r\n_\u00e9");
        QRandomGenerator rng(1);
        QString s(kUnits, Qt::Uninitialized);
        for (QChar& c : s)
            c = alphabet[qsizetype(rng.bounded(int(alphabet.size())))];
        return s;
    }();
    return text;
}

void BM_Copy(benchmark::State& state)
{
    const QString& text = sampleText();
    for (auto _ : state) {
        QString copy(text.size(), Qt::Uninitialized);
        const QChar* in = text.constData();
        QChar* out = copy.data();
        for (qsizetype i = 0; i < text.size(); ++i)
            out[i] = in[i];
        benchmark::DoNotOptimize(copy.constData());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

void BM_Scramble(benchmark::State& state)
{
    const QString& text = sampleText();
    for (auto _ : state) {
        QString stored = ScrambledText::scrambled(text);
        benchmark::DoNotOptimize(stored.constData());
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

// Unscrambling the stored form of the plain text, cut to the given number of units (all of it when negative:
// for reference, the stored form of the whole 1 MiB plain text, which is about three times larger).
void BM_Unscramble(benchmark::State& state, qsizetype units)
{
    const QString stored = ScrambledText::scrambled(sampleText()).left(units);
    for (auto _ : state) {
        QString plain = ScrambledText::unscrambled(stored);
        benchmark::DoNotOptimize(plain.constData());
    }
    state.SetBytesProcessed(state.iterations() * stored.size() * 2);
}

} // namespace

BENCHMARK(BM_Copy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Scramble)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Unscramble, 1MiB, kUnits)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Unscramble, StoredFormOfThePlainText, -1)->Unit(benchmark::kMicrosecond);
