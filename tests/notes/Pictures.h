#pragma once
// Pictures made by the tests: four coloured quadrants, so that a picture
// turned or mirrored shows it, written as JPEG (optionally with an EXIF
// orientation, as phones write it), BMP, PNG or ICO.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>

namespace testpictures {

// Top left red, top right green, bottom left blue, bottom right yellow.
inline QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = width / 2, h = height / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, width - w, h, Qt::green);
    p.fillRect(0, h, w, height - h, Qt::blue);
    p.fillRect(w, h, width - w, height - h, Qt::yellow);
    return image;
}

inline QByteArray encode(const QImage &image, const char *format, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// An APP1 "Exif" segment holding only the orientation tag, in the byte
// order given ('I' little-endian, 'M' big-endian), put right after SOI.
inline QByteArray withOrientation(const QByteArray &jpeg, int orientation, char order = 'I')
{
    const bool little = order == 'I';
    auto u16 = [little](int v) {
        QByteArray b(2, 0);
        b[little ? 0 : 1] = char(v & 0xFF);
        b[little ? 1 : 0] = char((v >> 8) & 0xFF);
        return b;
    };
    auto u32 = [&](int v) { return little ? u16(v) + u16(v >> 16) : u16(v >> 16) + u16(v); };
    QByteArray tiff = QByteArray(2, order) + u16(42) + u32(8);
    tiff += u16(1); // one entry
    tiff += u16(0x0112) + u16(3) + u32(1) + u16(orientation) + u16(0);
    tiff += u32(0); // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const int length = int(payload.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

inline bool save(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Red, green and blue of the middle of each quadrant, close enough to the
// pure colours for a JPEG.
inline QString corners(const QImage &image)
{
    auto name = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        auto on = [](int v) { return v > 160 ? 1 : v < 90 ? 0 : -1; };
        const int r = on(c.red()), g = on(c.green()), b = on(c.blue());
        if (r == 1 && g == 0 && b == 0)
            return QStringLiteral("red");
        if (r == 0 && g == 1 && b == 0)
            return QStringLiteral("green");
        if (r == 0 && g == 0 && b == 1)
            return QStringLiteral("blue");
        if (r == 1 && g == 1 && b == 0)
            return QStringLiteral("yellow");
        return QStringLiteral("?");
    };
    const int w = image.width(), h = image.height();
    return name(w / 4, h / 4) + u' ' + name(3 * w / 4, h / 4) + u' ' + name(w / 4, 3 * h / 4) + u' '
        + name(3 * w / 4, 3 * h / 4);
}

} // namespace testpictures
