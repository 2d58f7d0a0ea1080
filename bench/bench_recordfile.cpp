// Loading and saving the record file: the image, the sorted record list and
// the four value lists, as the program does at start-up.

#include "BenchData.h"

#include "cellar/DataFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

QString writeSample(QTemporaryDir &dir, int count)
{
    const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
    QString error;
    caveto::writeRecordFile(path, makeRecordLines(count), &error);
    return path;
}

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_LoadRecordFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeSample(dir, int(state.range(0)));
    for (auto _ : state) {
        QStringList image;
        QString error;
        caveto::readRecordFile(path, &image, &error);
        const QStringList list = caveto::buildRecordList(image);
        for (caveto::Field f : { caveto::Field::DenoOrigen, caveto::Field::Vino,
                 caveto::Field::TipoVino, caveto::Field::Estante })
            benchmark::DoNotOptimize(caveto::buildValueList(image, f));
        benchmark::DoNotOptimize(list.size());
    }
    state.counters["peak_MB"] = double(peakKilobytes()) / 1024.0;
}
BENCHMARK(BM_LoadRecordFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SaveRecordFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
    const QStringList lines = makeRecordLines(int(state.range(0)));
    for (auto _ : state) {
        QString error;
        benchmark::DoNotOptimize(caveto::writeRecordFile(path, lines, &error));
    }
}
BENCHMARK(BM_SaveRecordFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
