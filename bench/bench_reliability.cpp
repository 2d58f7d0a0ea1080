// What the reliability measures add to a command on a book of 10,000 wines:
// taking the cellar's lock (once per run), keeping the previous file among
// the copies and pruning them, and checking a notes name. A book command
// without them is the plain save of the record file.

#include "BenchBook.h"

#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "cellar/CellarBook.h"
#include "cellar/NotesFiles.h"

namespace {

struct CoreBook
{
    QTemporaryDir dir;
    QString path;
    QStringList lines;

    explicit CoreBook(int count)
        : path(dir.filePath(QStringLiteral("Datos/Caveto20.Datos")))
        , lines(makeRecordLines(count))
    {
        QDir().mkpath(dir.filePath(QStringLiteral("Datos")));
        QString error;
        caveto::writeRecordFile(path, lines, &error);
    }
};

} // namespace

static void BM_PlainSave(benchmark::State &state)
{
    CoreBook book(int(state.range(0)));
    QString error;
    for (auto _ : state)
        caveto::writeRecordFile(book.path, book.lines, &error);
}
BENCHMARK(BM_PlainSave)->Arg(10000)->Unit(benchmark::kMillisecond);

// The copy of the previous file and the pruning, with the folder already
// holding its copies.
static void BM_KeepAndPrune(benchmark::State &state)
{
    CoreBook book(int(state.range(0)));
    QDateTime now = QDateTime::currentDateTime();
    QString error;
    for (int i = 0; i < 30; ++i) {
        now = now.addSecs(60);
        caveto::backups::keep(book.path, now, &error);
        caveto::writeRecordFile(book.path, book.lines, &error);
        caveto::backups::prune(book.path, now);
    }
    for (auto _ : state) {
        now = now.addSecs(60);
        caveto::backups::keep(book.path, now, &error);
        state.PauseTiming();
        caveto::writeRecordFile(book.path, book.lines, &error);
        state.ResumeTiming();
        caveto::backups::prune(book.path, now);
    }
}
BENCHMARK(BM_KeepAndPrune)->Arg(10000)->Unit(benchmark::kMillisecond);

static void BM_BookAdd(benchmark::State &state)
{
    CoreBook book(int(state.range(0)));
    caveto::CellarBook cellar(book.path);
    QString error;
    cellar.open(&error);
    for (auto _ : state)
        cellar.add(book.lines.first(), &error);
}
BENCHMARK(BM_BookAdd)->Arg(10000)->Unit(benchmark::kMillisecond);

static void BM_TakeLock(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        caveto::BookLock lock(dir.path());
        benchmark::DoNotOptimize(lock.tryLock());
    }
}
BENCHMARK(BM_TakeLock)->Unit(benchmark::kMicrosecond);

static void BM_NotesNameCheck(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            caveto::notesFileIn(dir.path(), QStringLiteral("5122026910340000")));
}
BENCHMARK(BM_NotesNameCheck)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
