// The record commands and the mode switches of the main window with a large
// book, timed from the click to the end of the save.

#include "BenchBook.h"

#include "cellar/Cavetopas.h"
#include "controls/Numedit.h"

#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

// From the splash's "Entrar" to the menu state: reading the file, the
// record list and the four value lists.
void BM_StartUp(benchmark::State &state)
{
    Book book(int(state.range(0)), false);
    for (auto _ : state) {
        book.start();
        benchmark::DoNotOptimize(book.window->recordList().size());
        state.PauseTiming();
        book.window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Add(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormCavetoPas *w = book.window.get();
    w->BMenuAlta2Click();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w->NombreVino->setText(QStringLiteral("Nuevo %1").arg(i++));
        w->Cosecha->setText(QStringLiteral("2026"));
        w->DenoOrigen->setEditText(QStringLiteral("Rioja"));
        state.ResumeTiming();
        w->BAltaClick();
    }
}
BENCHMARK(BM_Add)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Modify(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormCavetoPas *w = book.window.get();
    w->BMenuModi2Click();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w->Csalida->setCurrentIndex(i * 7 % w->Csalida->count());
        w->ShowRecord();
        w->Precio->setText(QStringLiteral("%1,00").arg(i++));
        state.ResumeTiming();
        w->BModificaClick();
    }
}
BENCHMARK(BM_Modify)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Delete(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormCavetoPas *w = book.window.get();
    w->BMenuBaja2Click();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w->Csalida->setCurrentIndex(i++ * 13 % w->Csalida->count());
        w->ShowRecord();
        book.script.clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        state.ResumeTiming();
        w->BBajaClick();
    }
}
BENCHMARK(BM_Delete)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EnterModeAndShow(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormCavetoPas *w = book.window.get();
    int i = 0;
    for (auto _ : state) {
        w->BMenuCons2Click();
        w->Csalida->setCurrentIndex(i++ * 11 % w->Csalida->count());
        w->ShowRecord();
        w->BMenuClick();
    }
}
BENCHMARK(BM_EnterModeAndShow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Dropping the record list down (the user's way of picking a wine).
void BM_OpenRecordList(benchmark::State &state)
{
    Book book(int(state.range(0)));
    TFormCavetoPas *w = book.window.get();
    w->BMenuCons2Click();
    for (auto _ : state) {
        w->Csalida->showPopup();
        w->Csalida->hidePopup();
    }
}
BENCHMARK(BM_OpenRecordList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
