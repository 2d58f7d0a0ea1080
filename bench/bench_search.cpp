// The search and listing windows over a large book: filling the criteria
// lists, a search with its totals, building the listing and printing it to
// a PDF file. Each counts how often its progress bar moved.

#include "BenchBook.h"

#include "platform/Printing.h"
#include "search/Buscar.h"
#include "search/Listados2.h"

#include <QComboBox>
#include <QProgressBar>

namespace {

// Counts the moves of a window's progress bar while a benchmark runs.
struct BarMoves
{
    explicit BarMoves(QProgressBar *bar)
    {
        QObject::connect(bar, &QProgressBar::valueChanged, [this] { ++moves; });
    }
    void report(benchmark::State &state) const
    {
        state.counters["bar_moves"]
            = benchmark::Counter(double(moves), benchmark::Counter::kAvgIterations);
    }
    int moves = 0;
};

void BM_FillCriteria(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormBuscar window(book.window.get());
    BarMoves bar(window.BarraProgreso);
    for (auto _ : state)
        window.LlenaCriterios();
    bar.report(state);
    benchmark::DoNotOptimize(window.CCosecha->count());
}
BENCHMARK(BM_FillCriteria)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Every wine passes: the longest list and the most totals to add.
void BM_SearchEverything(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormBuscar window(book.window.get());
    window.show();
    BarMoves bar(window.BarraProgreso);
    for (auto _ : state)
        window.BBuscarClick();
    bar.report(state);
    benchmark::DoNotOptimize(window.rows().size());
}
BENCHMARK(BM_SearchEverything)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One appellation: most lines fail the filter at its second criterion.
void BM_SearchOneAppellation(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormBuscar window(book.window.get());
    window.show();
    window.CDenominacion->setEditText(QStringLiteral("rioja"));
    for (auto _ : state)
        window.BBuscarClick();
    benchmark::DoNotOptimize(window.rows().size());
}
BENCHMARK(BM_SearchOneAppellation)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BuildListing(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormListado2 window(book.window.get());
    window.show();
    BarMoves bar(window.BarraProgreso);
    for (auto _ : state)
        window.BBuscarClick();
    bar.report(state);
}
BENCHMARK(BM_BuildListing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PrintListing(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormListado2 window(book.window.get());
    window.show();
    window.BBuscarClick();
    caveto::PrintScript printing;
    const QString pdf = book.dir.filePath(QStringLiteral("informe.pdf"));
    for (auto _ : state) {
        printing.printNextTo(pdf);
        window.BImprimirClick();
    }
    state.counters["pdf_MB"] = double(QFileInfo(pdf).size()) / 1e6;
}
BENCHMARK(BM_PrintListing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
