// One keystroke in a password field with its strength bar, the password 64 characters long: the text
// changes, zxcvbn grades it against the account's words, and the bar paints. The goal is at most 5 ms
// a keystroke. Several kinds of password, since the estimator's work depends on what it finds: random
// characters, words, a keyboard walk, a date, one letter repeated.
#include "dialogs/StrengthBar.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kLength = 64;

QString repeatedTo(const QString& piece)
{
    QString text;
    while (text.size() < kLength)
        text += piece;
    return text.left(kLength);
}

QString randomPassword()
{
    QRandomGenerator random(17);
    QString text;
    for (int i = 0; i < kLength; ++i)
        text += QChar(u'!' + random.bounded(94));
    return text;
}

struct Field {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    StrengthBar* bar = StrengthBar::follow(edit, [] {
        return QStringList { QStringLiteral("Summit Credit Union"), QStringLiteral("jdoe") };
    });

    Field()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(bar);
        window.resize(400, 80);
        window.show();
        QApplication::processEvents();
    }
};

Field& field()
{
    static Field f;
    return f;
}

// The last keystroke of a 64-character password, timed alone: the 63 before it are typed untimed.
void BM_StrengthKeystroke(benchmark::State& state, QString (*make)())
{
    Field& f = field();
    const QString password = make();
    double slowest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.edit->setText(password.left(kLength - 1));
        f.edit->setCursorPosition(kLength - 1);
        QApplication::processEvents();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(f.edit, password.at(kLength - 1).toLatin1());
        f.bar->repaint();
        slowest = std::max(slowest, double(timer.nsecsElapsed()) / 1e6);
    }
    state.counters["slowest_ms"] = slowest;
    state.SetLabel(f.bar->text().toStdString());
}

} // namespace

BENCHMARK_CAPTURE(BM_StrengthKeystroke, random, &randomPassword)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StrengthKeystroke, words, [] {
    return repeatedTo(QStringLiteral("correcthorse"));
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StrengthKeystroke, keyboard_walk, [] {
    return repeatedTo(QStringLiteral("qwertyuiop"));
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StrengthKeystroke, dates, [] {
    return repeatedTo(QStringLiteral("1985-03-12"));
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StrengthKeystroke, one_letter, [] {
    return repeatedTo(QStringLiteral("a"));
})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
