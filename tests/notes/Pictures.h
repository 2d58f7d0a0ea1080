#pragma once
// Pictures made by the tests: four coloured quadrants, so that a picture
// turned or mirrored shows it, encoded in any format Qt writes, a JPEG
// optionally with an EXIF orientation as phones write it.

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace testpictures {

// Top left red, top right green, bottom left blue, bottom right yellow.
inline QByteArray quadrants(QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, size.width() - w, h, Qt::green);
    p.fillRect(0, h, w, size.height() - h, Qt::blue);
    p.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// An APP1 "Exif" segment holding only the orientation tag, in the byte
// order given ('I' little-endian, 'M' big-endian), put right after SOI.
inline QByteArray withOrientation(const QByteArray &jpeg, int orientation, char order)
{
    auto u16 = [order](int v) {
        QByteArray b(2, char(v & 0xFF));
        b[order == 'I' ? 1 : 0] = char((v >> 8) & 0xFF);
        return b;
    };
    auto u32 = [&](int v) { return order == 'I' ? u16(v) + u16(v >> 16) : u16(v >> 16) + u16(v); };
    const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(2, order) + u16(42) + u32(8)
        + u16(1) + u16(0x0112) + u16(3) + u32(1) + u16(orientation) + u16(0) + u32(0);
    const int length = int(payload.size()) + 2;
    return jpeg.left(2) + "\xFF\xE1" + char(length >> 8) + char(length & 0xFF) + payload
        + jpeg.mid(2);
}

inline bool save(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The colour in the middle of each quadrant as red, green and blue bits,
// e.g. "100 010 001 110" for the picture as made.
inline QString corners(const QImage &image)
{
    QStringList out;
    for (QPoint q : { QPoint(1, 1), QPoint(3, 1), QPoint(1, 3), QPoint(3, 3) }) {
        const QColor c = image.pixelColor(q.x() * image.width() / 4, q.y() * image.height() / 4);
        out << QString::number(c.red() > 127) + QString::number(c.green() > 127)
                + QString::number(c.blue() > 127);
    }
    return out.join(u' ');
}

} // namespace testpictures
