#pragma once
// Writes small GIF files for the tests with giflib's encoder.

#include <QColor>
#include <QFile>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <gif_lib.h>

struct GifFrameSpec
{
    QRect area; // where the frame lies on the canvas
    QList<int> pixels; // colour indexes, row by row
    int delayCs = 0;
    int disposal = DISPOSAL_UNSPECIFIED;
    int transparent = NO_TRANSPARENT_COLOR;
    QList<QColor> localMap {}; // empty: the global map
    bool control = true; // write a graphics control extension
};

namespace gifwriter {

// giflib wants colour maps with a power-of-two size.
inline ColorMapObject *makeMap(const QList<QColor> &colours)
{
    int size = 2;
    while (size < colours.size())
        size *= 2;
    QList<GifColorType> entries(size, GifColorType { 0, 0, 0 });
    for (int i = 0; i < colours.size(); ++i)
        entries[i] = GifColorType { GifByteType(colours[i].red()), GifByteType(colours[i].green()),
            GifByteType(colours[i].blue()) };
    return GifMakeMapObject(size, entries.data());
}

inline bool write(const QString &path, QSize screen, const QList<QColor> &globalMap,
    const QList<GifFrameSpec> &frames)
{
    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    EGifSetGifVersion(gif, true);
    ColorMapObject *global = globalMap.isEmpty() ? nullptr : makeMap(globalMap);
    bool ok = EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, global) == GIF_OK;
    GifFreeMapObject(global);

    for (const GifFrameSpec &f : frames) {
        if (!ok)
            break;
        if (f.control) {
            GraphicsControlBlock gcb { f.disposal, false, f.delayCs, f.transparent };
            GifByteType bytes[4];
            const size_t length = EGifGCBToExtension(&gcb, bytes);
            ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), bytes) == GIF_OK;
        }
        ColorMapObject *local = f.localMap.isEmpty() ? nullptr : makeMap(f.localMap);
        ok = ok
            && EGifPutImageDesc(
                   gif, f.area.x(), f.area.y(), f.area.width(), f.area.height(), false, local)
                == GIF_OK;
        GifFreeMapObject(local);
        const int width = f.area.width();
        QList<GifPixelType> row(width);
        for (int y = 0; ok && y < f.area.height(); ++y) {
            for (int x = 0; x < width; ++x)
                row[x] = GifPixelType(f.pixels.value(y * width + x));
            ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
        }
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace gifwriter
