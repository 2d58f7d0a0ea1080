// Opening the reference windows (pairing, texts, dictionary, about) and the
// dictionary's headword search, timed as the user waits for them: from the
// click to the window drawn with its text, and from "Buscar siguiente" to
// the match selected.

#include "app/Globals.h"
#include "guides/AcercaDe.h"
#include "guides/AcercaDe2.h"
#include "guides/Decalogo.h"
#include "guides/DiccionarioAH.h"
#include "guides/FindDialog.h"
#include "guides/Lexico.h"
#include "guides/Maridaje.h"
#include "guides/Uvas.h"
#include "platform/FormStyle.h"
#include "platform/RichEdit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextCursor>
#include <benchmark/benchmark.h>

namespace {

// Builds the window, shows it and draws it once, as opening it does.
template <class Form> void BM_Open(benchmark::State &state)
{
    for (auto _ : state) {
        Form window;
        window.show();
        QPixmap drawn = window.grab();
        benchmark::DoNotOptimize(drawn);
        state.PauseTiming();
        window.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(BM_Open, TFormMaridaje)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TFormUvas)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TFormDecalogo)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TFormLexico)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TFormAcercaDe)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TFormDiccionarioAH)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TFormAcercaDe2)->Unit(benchmark::kMillisecond);

// One search from the top of the dictionary. "vendimia" is the last entry
// and "no existe" is found nowhere: both read the whole text.
void BM_DictionarySearch(benchmark::State &state, const char *typed)
{
    TFormDiccionarioAH window;
    window.show();
    QCoreApplication::processEvents();
    window.FindDialog1->setFindText(QString::fromUtf8(typed));
    for (auto _ : state) {
        state.PauseTiming();
        QTextCursor top = window.EditorNotas->textCursor();
        top.clearSelection();
        window.EditorNotas->setTextCursor(top);
        state.ResumeTiming();
        window.FindDialog1Find();
        QCoreApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(BM_DictionarySearch, last_entry, "vendimia")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DictionarySearch, not_found, "no existe")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DictionarySearch, first_entry, "abierto")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    caveto::applyApplicationLook();
    // The about window plays its picture from the application folder.
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("ApliGraf"));
    QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/Racimo.gif"),
        folder.filePath(QStringLiteral("ApliGraf/Racimo.gif")));
    caveto::setAppFolderOverride(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
