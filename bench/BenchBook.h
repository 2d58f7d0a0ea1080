#pragma once
// A cellar book of a given size on disk and the main window started on it,
// for the benchmarks that time the windows.

#include "BenchData.h"

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/DataFile.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

struct Book
{
    QTemporaryDir dir;
    caveto::DialogScript script;
    std::unique_ptr<TFormCavetoPas> window;

    explicit Book(int count, bool open = true)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("Datos")));
        QString error;
        caveto::writeRecordFile(
            dir.filePath(QStringLiteral("Datos/Caveto20.Datos")), makeRecordLines(count), &error);
        if (open)
            start();
    }

    void start()
    {
        caveto::setAppFolderOverride(dir.path());
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        window = std::make_unique<TFormCavetoPas>();
    }
};

inline int runBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
