// The picture loader: JPEG reduced for a small box and turned upright by its
// EXIF orientation, the decoder chosen by the content, and a message for
// whatever cannot be shown.

#include "Pictures.h"

#include "platform/PictureLoader.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace testpictures;

namespace {

// Loads `bytes` from a file called `name` (no file for null bytes); the
// error, or an empty text when the picture loaded.
QString load(const QString &name, const QByteArray &bytes, caveto::Picture *picture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!bytes.isNull() && !save(path, bytes))
        return QStringLiteral("<not written>");
    QString error;
    return caveto::loadPicture(path, QSize(200, 200), picture, &error) ? QString() : error;
}

const char kMetafile[]
    = "Caveto no puede mostrar %1 como «%2». Guarde la imagen como JPEG, PNG o BMP y elíjala de "
      "nuevo.";

} // namespace

class TestPictureLoader : public QObject
{
    Q_OBJECT

private slots:
    // The size is always the file's own; a JPEG is reduced only while it
    // still covers the box on both sides.
    void sizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("jpeg an eighth")
            << "a.jpg" << QByteArray("jpeg") << QSize(1700, 1610) << QSize(213, 202);
        QTest::newRow("jpeg too narrow")
            << "a.jpg" << QByteArray("jpeg") << QSize(200, 300) << QSize(200, 300);
        QTest::newRow("jpeg named PNG")
            << "IMG_0001.PNG" << QByteArray("jpeg") << QSize(640, 480) << QSize(320, 240);
        QTest::newRow("bmp") << "a.bmp" << QByteArray("bmp") << QSize(640, 480) << QSize(640, 480);
    }
    void sizes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        caveto::Picture picture;
        QCOMPARE(load(name, quadrants(size, format.constData()), &picture), QString());
        QCOMPARE(picture.size, size);
        QTEST(picture.image.size(), "decoded");
        QCOMPARE(corners(picture.image), QStringLiteral("100 010 001 110"));
    }

    // Every EXIF orientation, in both byte orders, turned as Qt's own reader
    // turns it.
    void orientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<char>("order");
        for (int o = 1; o <= 8; ++o) {
            QTest::addRow("%d little-endian", o) << o << 'I';
            QTest::addRow("%d big-endian", o) << o << 'M';
        }
    }
    void orientation()
    {
        QFETCH(int, orientation);
        QFETCH(char, order);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("movil.jpg"));
        QVERIFY(
            save(path, withOrientation(quadrants(QSize(320, 240), "jpeg"), orientation, order)));
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage expected = reader.read();
        caveto::Picture picture;
        QString error;
        QVERIFY2(caveto::loadPicture(path, QSize(), &picture, &error), qPrintable(error));
        QCOMPARE(picture.image.size(), expected.size());
        QCOMPARE(corners(picture.image), corners(expected));
    }

    // The message the user reads, and no picture.
    void refused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QString>("message");
        const QByteArray jpeg = quadrants(QSize(640, 480), "jpeg");
        QByteArray wmf("\xD7\xCD\xC6\x9A", 4);
        wmf += QByteArray(40, '\0');
        QByteArray emf(88, '\0');
        emf[0] = 1;
        emf.replace(40, 4, " EMF");
        QTest::newRow("cut short")
            << "cortada.jpg" << jpeg.left(jpeg.size() / 2)
            << "La imagen del fichero «cortada.jpg» está dañada o incompleta y no se puede "
               "mostrar.";
        QTest::newRow("text")
            << "notas.jpg" << QByteArray("no soy una foto\n")
            << "El fichero «notas.jpg» no contiene una imagen que Caveto sepa leer. Se pueden "
               "mostrar fotos JPEG, PNG, GIF, WebP y TIFF, mapas de bits (BMP) e iconos (ICO).";
        QTest::newRow("metafile") << "etiqueta.wmf" << wmf
                                  << QString::fromUtf8(kMetafile).arg(
                                         QLatin1String("metarchivos de Windows (WMF)"),
                                         QLatin1String("etiqueta.wmf"));
        QTest::newRow("enhanced metafile")
            << "etiqueta.emf" << emf
            << QString::fromUtf8(kMetafile).arg(
                   QLatin1String("metarchivos mejorados de Windows (EMF)"),
                   QLatin1String("etiqueta.emf"));
        QTest::newRow("missing") << "no.jpg" << QByteArray()
                                 << "No se puede abrir el fichero de imagen «no.jpg»: ";
    }
    void refused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        caveto::Picture picture;
        const QString error = load(name, bytes, &picture);
        if (bytes.isNull()) // the system's reason follows
            QVERIFY2(error.startsWith(message) && error.size() > message.size(), qPrintable(error));
        else
            QCOMPARE(error, message);
        QVERIFY(picture.image.isNull());
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
