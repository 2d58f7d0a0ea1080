// The reference windows on the appellations: opening each one (built, shown
// and painted) and, in the guide and the map, changing the appellation or
// the year as a user does.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "guides/Appellations.h"
#include "guides/Cosechas.h"
#include "guides/Mapa.h"
#include "guides/Vinos.h"
#include "guides/VintageRatings.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The main window on an empty cellar: the guides read nothing of it but the
// hand-over from the map and the status bar's clock.
struct Program
{
    QTemporaryDir dir;
    caveto::DialogScript script;
    std::unique_ptr<TFormCavetoPas> window;

    Program()
    {
        caveto::setAppFolderOverride(dir.path());
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        window = std::make_unique<TFormCavetoPas>();
    }
};

Program &program()
{
    static Program p;
    return p;
}

// Built, shown and painted once, then closed and freed.
template <class Window> void open(TFormCavetoPas *main)
{
    Window window(main);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    window.close();
}

void BM_OpenChart(benchmark::State &state)
{
    TFormCavetoPas *main = program().window.get();
    for (auto _ : state)
        open<TFormCosechas>(main);
}
BENCHMARK(BM_OpenChart)->Unit(benchmark::kMillisecond);

void BM_OpenGuide(benchmark::State &state)
{
    TFormCavetoPas *main = program().window.get();
    // 0: from the main window, nothing chosen; 1: from the map, on Toro.
    main->DenoMapa = state.range(0) ? caveto::appellationIndex(QStringLiteral("Toro")) : -1;
    for (auto _ : state)
        open<TFormVinos>(main);
    main->DenoMapa = -1;
}
BENCHMARK(BM_OpenGuide)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_OpenMap(benchmark::State &state)
{
    TFormCavetoPas *main = program().window.get();
    for (auto _ : state)
        open<TFormMapa>(main);
}
BENCHMARK(BM_OpenMap)->Unit(benchmark::kMillisecond);

// One change of a list, with the window repainted.
void change(QComboBox *list, QWidget *window, int index)
{
    list->setCurrentIndex(index);
    window->repaint();
}

void BM_GuideChangeAppellation(benchmark::State &state)
{
    TFormVinos guide(program().window.get());
    guide.show();
    QCoreApplication::processEvents();
    guide.EJER->setCurrentIndex(caveto::vintageColumn(QStringLiteral("1994")));
    TFormVinos::CambioDeno = QStringLiteral("S");
    // Rioja and Toro in turn: picture, description and rating each time.
    const int rioja = caveto::appellationIndex(QStringLiteral("Rioja"));
    const int toro = caveto::appellationIndex(QStringLiteral("Toro"));
    int i = 0;
    for (auto _ : state)
        change(guide.DENO, &guide, (i++ % 2) ? rioja : toro);
}
BENCHMARK(BM_GuideChangeAppellation)->Unit(benchmark::kMillisecond);

void BM_GuideChangeYear(benchmark::State &state)
{
    TFormVinos guide(program().window.get());
    guide.show();
    QCoreApplication::processEvents();
    guide.DENO->setCurrentIndex(caveto::appellationIndex(QStringLiteral("Rioja")));
    TFormVinos::CambioDeno = QStringLiteral("N");
    // 1971 and 1994 in turn: the rating and its colour only.
    int i = 0;
    for (auto _ : state)
        change(guide.EJER, &guide, (i++ % 2) ? 0 : 23);
}
BENCHMARK(BM_GuideChangeYear)->Unit(benchmark::kMillisecond);

void BM_MapChangeAppellation(benchmark::State &state)
{
    TFormMapa map(program().window.get());
    map.show();
    QCoreApplication::processEvents();
    // Cava (the provinces shown) and Lanzarote in turn.
    const int cava = caveto::appellationIndex(QStringLiteral("Cava"));
    const int lanzarote = caveto::appellationIndex(QStringLiteral("Lanzarote"));
    int i = 0;
    for (auto _ : state)
        change(map.DenoOrigen, &map, (i++ % 2) ? cava : lanzarote);
}
BENCHMARK(BM_MapChangeAppellation)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    caveto::applyApplicationLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program().window.reset();
    return 0;
}
