// What one answer and one grid drawing cost in the main window, on a bank of 725 questions.
//   bench_main [--benchmark_filter=...]
#include "m_sql.h"
#include "messages.h"
#include "questiongrid.h"
#include "testbank.h"
#include "tform1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
constexpr int kBankSize = 725;

class Quiet : public MessageSink
{
public:
    void showMessage(const QString &) override {}
};

// A data root with a 725-question bank and the question page, as the trainer expects it.
struct Home
{
    Home()
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(QStringLiteral("veltdata"));
        writeTestBank(QStringLiteral("veltdata/小车.stk"), choiceRows(kBankSize));
        QFile::copy(QStringLiteral(VELTARO_PAGES_DIR "/htm.htm"), QStringLiteral("veltdata/htm.htm"));
    }
    QTemporaryDir dir;
};

void releaseKey(QWidget *target, Qt::Key key)
{
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString());
    QApplication::sendEvent(target, &up);
}

// Key-up to labels, grid and page script: a first answer, which also counts in the bank.
void BM_AnswerFirst(benchmark::State &state)
{
    Home home;
    TForm1 form;
    if (!QTest::qWaitFor([&] { return form.session().modeId == ModePreliminary; }, 20000))
        state.SkipWithError("the question page did not load");
    form.SunXuClick();
    int n = 1;
    for (auto _ : state) {
        state.PauseTiming();
        form.ShowQuestion(n);
        n = n % kBankSize + 1;
        state.ResumeTiming();
        releaseKey(&form, Qt::Key_A);
    }
    form.close();
}
BENCHMARK(BM_AnswerFirst)->Iterations(700)->Unit(benchmark::kMicrosecond);

// The same for an answer changed later: nothing is written to the bank.
void BM_AnswerAgain(benchmark::State &state)
{
    Home home;
    TForm1 form;
    if (!QTest::qWaitFor([&] { return form.session().modeId == ModePreliminary; }, 20000))
        state.SkipWithError("the question page did not load");
    form.SunXuClick();
    releaseKey(&form, Qt::Key_A);
    int k = 0;
    for (auto _ : state)
        releaseKey(&form, (k++ & 1) ? Qt::Key_A : Qt::Key_B);
    form.close();
}
BENCHMARK(BM_AnswerAgain)->Unit(benchmark::kMicrosecond);

// ShowQuestion's grid drawing (current-cell style) on a list of 725, half of it answered,
// moving the current question along as a learner does.
void gridDrawing(benchmark::State &state, bool partial)
{
    m_sql store;
    store.count = kBankSize;
    store.items.assign(kBankSize + 10, STR_TK{});
    for (int i = 1; i <= kBankSize; ++i) {
        store.items[size_t(i)].daan = 1;
        store.items[size_t(i)].given = i % 2 ? 1 + i % 3 : 0;
    }
    int32_t answerMode = 2;
    QuestionGrid grid(store, answerMode, QColor(240, 240, 240));
    grid.setPartialRedraw(partial);
    grid.DrawCell(1, QuestionGrid::Current);
    int n = 1;
    for (auto _ : state) {
        n = n % kBankSize + 1;
        store.items[size_t(n)].given = 1; // the answer just given changes one more cell
        grid.DrawCell(n, QuestionGrid::Current);
        benchmark::DoNotOptimize(grid.image().constBits());
    }
}
void BM_GridShowQuestion(benchmark::State &state) { gridDrawing(state, true); }
void BM_GridShowQuestionFullRedraw(benchmark::State &state) { gridDrawing(state, false); }
BENCHMARK(BM_GridShowQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridShowQuestionFullRedraw)->Unit(benchmark::kMicrosecond);
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    Quiet quiet;
    Messages::install(&quiet);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
