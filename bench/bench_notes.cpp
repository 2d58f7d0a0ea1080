// The notes editor opening a large notes document, and the photo window
// showing a 24-megapixel phone photo in its 200 x 200 box.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "notes/EditorPas.h"
#include "notes/Imagen.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/RichEdit.h"
#include "platform/Rtf.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

const QString kNotesName = QStringLiteral("1122334455667788");

struct Cellar
{
    QTemporaryDir dir;
    caveto::DialogScript script;
    std::unique_ptr<TFormCavetoPas> window;

    Cellar()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("Datos")));
        caveto::setAppFolderOverride(dir.path());
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        window = std::make_unique<TFormCavetoPas>();
        window->BMenuAlta2Click();
        window->NombreVino->setText(QStringLiteral("Viña Tondonia"));
    }
};

// About 1 MB of RTF: tasting notes with a bold heading every tenth line.
QByteArray largeNotes()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; doc.characterCount() < 1000000; ++i) {
        if (i > 0)
            c.insertBlock();
        if (i % 10 == 0)
            c.insertText(QStringLiteral("Cata número %1").arg(i / 10), bold);
        else
            c.insertText(QStringLiteral("Nariz de fruta roja madura, regaliz y un fondo tostado; "
                                        "en boca amplio, taninos pulidos. %1")
                             .arg(i),
                QTextCharFormat());
    }
    return caveto::rtf::writeDocument(&doc);
}

void BM_OpenEditorOn1MB(benchmark::State &state)
{
    Cellar cellar;
    const QByteArray notes = largeNotes();
    {
        QFile f(
            cellar.dir.filePath(QStringLiteral("Datos/") + kNotesName + QStringLiteral(".txt")));
        f.open(QIODevice::WriteOnly);
        f.write(notes);
    }
    cellar.window->Valor_Editor->setText(kNotesName);
    for (auto _ : state) {
        TFormEditorPas editor(cellar.window.get());
        editor.show(); // the set-up loads the file
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(editor.EditorNotas->lineCount());
        state.PauseTiming();
        editor.done(QDialog::Rejected);
        state.ResumeTiming();
    }
    state.counters["file_bytes"] = double(notes.size());
}
BENCHMARK(BM_OpenEditorOn1MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// A 6000 x 4000 photo with a phone's noise, as a phone saves it.
QString phonePhoto(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("IMG_0001.JPG"));
    if (QFile::exists(path))
        return path;
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(rng.bounded(24));
            line[x] = qRgb((x / 24 + n) & 0xFF, (y / 16 + n) & 0xFF, ((x + y) / 40 + n) & 0xFF);
        }
    }
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    return path;
}

// Resident memory now and at its peak since the last reset, in kB.
long procStatus(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(strlen(key))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Resets the peak and returns the resident memory it starts from.
long startMemoryWatch()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
    return procStatus("VmRSS:");
}

// How far the peak rose above `start`, in kB.
long memoryRise(long start)
{
    return procStatus("VmHWM:") - start;
}

void BM_Load24MegapixelJpeg(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = phonePhoto(dir);
    long extra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long before = startMemoryWatch();
        state.ResumeTiming();
        caveto::Picture picture;
        QString error;
        caveto::loadPicture(path, QSize(200, 200), &picture, &error);
        benchmark::DoNotOptimize(picture.image.bits());
        state.PauseTiming();
        extra = std::max(extra, memoryRise(before));
        state.ResumeTiming();
    }
    state.counters["extra_MB"] = double(extra) / 1024.0;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_Load24MegapixelJpeg)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole photo window: built, the picture read and shown, closed.
void BM_PhotoWindow24Megapixel(benchmark::State &state)
{
    Cellar cellar;
    const QString path = phonePhoto(cellar.dir);
    cellar.window->Imagen->setText(path);
    long extra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long before = startMemoryWatch();
        state.ResumeTiming();
        TFormImagen window(cellar.window.get());
        window.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        extra = std::max(extra, memoryRise(before));
        window.done(QDialog::Rejected);
        state.ResumeTiming();
    }
    state.counters["extra_MB"] = double(extra) / 1024.0;
}
BENCHMARK(BM_PhotoWindow24Megapixel)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
