#include "platform/PictureLoader.h"

#include "notes/PhotoRules.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace caveto {

namespace {

QString shortName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString damagedMessage(const QString &path)
{
    return QStringLiteral("La imagen del fichero «%1» está dañada o incompleta y no se puede "
                          "mostrar.")
        .arg(shortName(path));
}

QString unknownMessage(const QString &path)
{
    return QStringLiteral("El fichero «%1» no contiene una imagen que Caveto sepa leer. Se "
                          "pueden mostrar fotos JPEG, PNG, GIF, WebP y TIFF, mapas de bits "
                          "(BMP) e iconos (ICO).")
        .arg(shortName(path));
}

QString metafileMessage(const QString &path, const char *kind)
{
    return QStringLiteral("Caveto no puede mostrar %1 como «%2». Guarde la imagen como JPEG, "
                          "PNG o BMP y elíjala de nuevo.")
        .arg(QString::fromUtf8(kind), shortName(path));
}

enum class Kind { Jpeg, Metafile, EnhancedMetafile, Other };

Kind sniff(const uchar *data, qint64 size)
{
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return Kind::Jpeg;
    // A placeable metafile starts with its key; a plain one with its type
    // (1 memory, 2 disk) and a header of 9 words.
    if (size >= 4 && data[0] == 0xD7 && data[1] == 0xCD && data[2] == 0xC6 && data[3] == 0x9A)
        return Kind::Metafile;
    if (size >= 4 && (data[0] == 1 || data[0] == 2) && data[1] == 0 && data[2] == 9 && data[3] == 0)
        return Kind::Metafile;
    if (size >= 44 && data[0] == 1 && data[1] == 0 && data[2] == 0 && data[3] == 0
        && data[40] == ' ' && data[41] == 'E' && data[42] == 'M' && data[43] == 'F')
        return Kind::EnhancedMetafile;
    return Kind::Other;
}

// ---- EXIF orientation ------------------------------------------------------

// The orientation tag (1 to 8) of an APP1 "Exif" segment, or 1.
int exifOrientation(const uchar *data, unsigned length)
{
    if (length < 14 || memcmp(data, "Exif\0\0", 6) != 0)
        return 1;
    const uchar *tiff = data + 6;
    const unsigned size = length - 6;
    bool little;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        little = true;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        little = false;
    else
        return 1;
    auto u16 = [&](unsigned at) -> unsigned {
        return little ? unsigned(tiff[at]) | unsigned(tiff[at + 1]) << 8
                      : unsigned(tiff[at]) << 8 | unsigned(tiff[at + 1]);
    };
    auto u32 = [&](unsigned at) -> quint32 {
        return little ? quint32(u16(at)) | quint32(u16(at + 2)) << 16
                      : quint32(u16(at)) << 16 | quint32(u16(at + 2));
    };
    if (u16(2) != 42)
        return 1;
    const quint32 ifd = u32(4);
    if (ifd > size - 2)
        return 1;
    const unsigned entries = u16(ifd);
    for (unsigned i = 0; i < entries; ++i) {
        const quint64 entry = quint64(ifd) + 2 + quint64(i) * 12;
        if (entry + 12 > size)
            break;
        if (u16(unsigned(entry)) == 0x0112) {
            // A SHORT value sits in the first two bytes of the value field.
            const unsigned value = u16(unsigned(entry) + 8);
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
    }
    return 1;
}

// Turns a picture stored with EXIF orientation `o` upright.
QImage upright(QImage image, int o)
{
    switch (o) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5: // transposed: flipped, then turned a quarter clockwise
        return image.mirrored(false, true).transformed(QTransform().rotate(90));
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7: // transversed: mirrored, then turned a quarter clockwise
        return image.mirrored(true, false).transformed(QTransform().rotate(90));
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

// ---- JPEG through libjpeg --------------------------------------------------

struct JpegError
{
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    bool truncated = false;
};

[[noreturn]] void jpegFail(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegError *>(cinfo->err)->jump, 1);
}

void jpegMessage(j_common_ptr cinfo, int level)
{
    // Warnings: most are harmless (stray bytes some cameras leave), but a file
    // that ends before its picture does is a damaged photo, not a grey one.
    auto *err = reinterpret_cast<JpegError *>(cinfo->err);
    if (level < 0 && err->mgr.msg_code == JWRN_JPEG_EOF)
        err->truncated = true;
}

// Everything the decoder touches lives here, outside the frames a libjpeg
// error jumps over, so the jump skips no destructor.
struct JpegDecoder
{
    jpeg_decompress_struct cinfo {};
    JpegError err;
    QImage image;
    QByteArray cmykRow;
    QSize stored;
    int orientation = 1;

    JpegDecoder()
    {
        cinfo.err = jpeg_std_error(&err.mgr);
        err.mgr.error_exit = jpegFail;
        err.mgr.emit_message = jpegMessage;
        jpeg_create_decompress(&cinfo);
    }
    ~JpegDecoder() { jpeg_destroy_decompress(&cinfo); }
    JpegDecoder(const JpegDecoder &) = delete;
    JpegDecoder &operator=(const JpegDecoder &) = delete;
};

// May leave by a libjpeg error jump: it keeps no object of its own.
bool readJpeg(JpegDecoder &d, const uchar *data, qint64 size, QSize target)
{
    jpeg_decompress_struct &cinfo = d.cinfo;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1) {
            d.orientation = exifOrientation(m->data, m->data_length);
            if (d.orientation != 1)
                break;
        }
    }

    d.stored = QSize(int(cinfo.image_width), int(cinfo.image_height));
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    cinfo.scale_num = 1;
    cinfo.scale_denom = target.isEmpty() ? 1 : unsigned(photo::jpegReduction(d.stored, target));
    jpeg_start_decompress(&cinfo);

    d.image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (d.image.isNull()) {
        jpeg_abort_decompress(&cinfo);
        return false;
    }
    if (cmyk)
        d.cmykRow.resize(qsizetype(cinfo.output_width) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar *line = d.image.scanLine(int(cinfo.output_scanline));
        JSAMPROW row = cmyk ? reinterpret_cast<JSAMPROW>(d.cmykRow.data()) : line;
        jpeg_read_scanlines(&cinfo, &row, 1);
        if (cmyk) {
            // Photoshop's CMYK JPEGs store the inks inverted.
            auto *px = reinterpret_cast<QRgb *>(line);
            const auto *in = reinterpret_cast<const uchar *>(d.cmykRow.constData());
            for (unsigned x = 0; x < cinfo.output_width; ++x, in += 4) {
                const int k = in[3];
                px[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    return !d.err.truncated;
}

bool decodeJpeg(
    const uchar *data, qint64 size, QSize target, const QString &path, Picture *out, QString *error)
{
    JpegDecoder d;
    // A libjpeg error comes back here, with setjmp giving 1.
    if (setjmp(d.err.jump)) {
        *error = damagedMessage(path);
        return false;
    }
    if (!readJpeg(d, data, size, target)) {
        *error = damagedMessage(path);
        return false;
    }
    out->size = d.orientation >= 5 ? d.stored.transposed() : d.stored;
    out->image = upright(std::move(d.image), d.orientation);
    return true;
}

// ---- Everything else through Qt's readers ---------------------------------

bool decodeOther(const QString &path, Picture *out, QString *error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        *error = unknownMessage(path);
        return false;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        *error = reader.error() == QImageReader::UnsupportedFormatError ? unknownMessage(path)
                                                                        : damagedMessage(path);
        return false;
    }
    out->size = image.size();
    out->image = std::move(image);
    return true;
}

} // namespace

bool loadPicture(const QString &path, QSize target, Picture *picture, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("No se puede abrir el fichero de imagen «%1»: %2")
                     .arg(shortName(path), file.errorString());
        return false;
    }
    const qint64 size = file.size();
    uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
    QByteArray head;
    const uchar *data = mapped;
    if (!mapped) {
        head = file.read(64);
        data = reinterpret_cast<const uchar *>(head.constData());
    }
    const qint64 available = mapped ? size : head.size();

    switch (sniff(data, available)) {
    case Kind::Jpeg:
        if (!mapped) {
            // A file that cannot be mapped (a pipe, some network folders) is read whole.
            head += file.readAll();
            return decodeJpeg(reinterpret_cast<const uchar *>(head.constData()), head.size(),
                target, path, picture, error);
        }
        return decodeJpeg(mapped, size, target, path, picture, error);
    case Kind::Metafile:
        *error = metafileMessage(path, "metarchivos de Windows (WMF)");
        return false;
    case Kind::EnhancedMetafile:
        *error = metafileMessage(path, "metarchivos mejorados de Windows (EMF)");
        return false;
    case Kind::Other:
        break;
    }
    file.close();
    return decodeOther(path, picture, error);
}

} // namespace caveto
