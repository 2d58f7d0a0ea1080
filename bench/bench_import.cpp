// Importing 10,000 wines from a CSV file into an empty cellar book: the
// tool's own export (61 fields a row), and another program's export (13
// named columns, prices and dates to convert, Windows-1252, semicolons),
// with and without a free-text note on every row (a notes file each).

#include "BenchData.h"

#include "cellar/Csv.h"
#include "cellar/Import.h"
#include "platform/Win1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray ownExport(const QStringList &lines)
{
    QByteArray out;
    for (int i = 0; i < caveto::kFieldCount; ++i)
        out += (i ? "," : "")
            + caveto::csv::field(QString::fromLatin1(caveto::recordLayout()[i].name));
    out += "\r\n";
    for (const QString &line : lines) {
        const caveto::CellarRecord r = caveto::CellarRecord::parse(line);
        for (int i = 0; i < caveto::kFieldCount; ++i)
            out += (i ? "," : "") + caveto::csv::field(r.value(i));
        out += "\r\n";
    }
    return out;
}

QByteArray otherProgramExport(const QStringList &lines, bool notes)
{
    using caveto::Field;
    QString out = QStringLiteral("Nombre;Añada;Región;Color;Bodega;Botellas;Precio;Ubicación;"
                                 "Fecha de compra;Alcohol;Consumo;Puntuación;Notas\r\n");
    int i = 0;
    for (const QString &line : lines) {
        const caveto::CellarRecord r = caveto::CellarRecord::parse(line);
        out += QStringList { r[Field::NombreVino], r[Field::Cosecha], r[Field::DenoOrigen],
            r[Field::Vino], r[Field::Bodega], r[Field::NumBotellas],
            QString(r[Field::Precio]).replace(QLatin1Char(','), QLatin1Char('.')),
            r[Field::Estante],
            QStringLiteral("%1/%2/20%3").arg(1 + i % 28).arg(1 + i % 12).arg(10 + i % 15),
            QStringLiteral("13.5%"), QStringLiteral("2024-2030"), QString::number(85 + i % 15),
            notes ? QStringLiteral("\"Nariz de fruta roja madura y regaliz.\r\nBoca amplia, "
                                   "tanino pulido; final largo.\"")
                  : QString() }
                   .join(QLatin1Char(';'));
        out += QStringLiteral("\r\n");
        ++i;
    }
    return caveto::win1252::encode(out);
}

void runImport(benchmark::State &state, const QByteArray &csv)
{
    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("export.csv"));
    QFile f(csvPath);
    f.open(QIODevice::WriteOnly);
    f.write(csv);
    f.close();
    caveto::import::Options options;
    options.firstNotesName = QStringLiteral("6122026101010000");
    qsizetype imported = 0;
    int run = 0;
    // Each run imports into a cellar of its own: removing the last run's
    // 10,000 notes files between runs would time the file system's
    // bookkeeping of deleted files, not the import.
    for (auto _ : state) {
        const QString book = dir.filePath(QStringLiteral("run-%1/Datos/Caveto20.Datos").arg(++run));
        caveto::import::Plan plan;
        QString error;
        if (!caveto::import::importCsv(csvPath, book, options, &plan, &error))
            state.SkipWithError(qPrintable(error));
        imported = plan.lines.size();
    }
    state.counters["wines"] = double(imported);
}

} // namespace

static void BM_ImportOwnCsv(benchmark::State &state)
{
    runImport(state, ownExport(makeRecordLines(int(state.range(0)))));
}
BENCHMARK(BM_ImportOwnCsv)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_ImportOtherProgram(benchmark::State &state)
{
    runImport(state, otherProgramExport(makeRecordLines(int(state.range(0))), false));
}
BENCHMARK(BM_ImportOtherProgram)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_ImportOtherProgramWithNotes(benchmark::State &state)
{
    runImport(state, otherProgramExport(makeRecordLines(int(state.range(0))), true));
}
BENCHMARK(BM_ImportOtherProgramWithNotes)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading and converting alone, nothing written.
static void BM_ImportPlanOnly(benchmark::State &state)
{
    const QByteArray csv = otherProgramExport(makeRecordLines(int(state.range(0))), true);
    for (auto _ : state) {
        const caveto::import::Plan plan
            = caveto::import::plan(caveto::csv::read(csv), {}, {}, caveto::import::Options());
        benchmark::DoNotOptimize(plan.lines.size());
    }
}
BENCHMARK(BM_ImportPlanOnly)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
