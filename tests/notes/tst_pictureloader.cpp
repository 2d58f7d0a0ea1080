// The picture loader: JPEG through libjpeg (reduced for a small box, turned
// upright by its EXIF orientation), the other formats through Qt's readers,
// and a Spanish message for whatever cannot be shown.

#include "Pictures.h"

#include "platform/PictureLoader.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace testpictures;

namespace {

QString damaged(const char *name)
{
    return QStringLiteral(
        "La imagen del fichero «%1» está dañada o incompleta y no se puede mostrar.")
        .arg(QString::fromUtf8(name));
}

QString unknown(const char *name)
{
    return QStringLiteral("El fichero «%1» no contiene una imagen que Caveto sepa leer. Se pueden "
                          "mostrar fotos JPEG, PNG, GIF, WebP y TIFF, mapas de bits (BMP) e "
                          "iconos (ICO).")
        .arg(QString::fromUtf8(name));
}

} // namespace

class TestPictureLoader : public QObject
{
    Q_OBJECT

private slots:
    // The size is always the file's own; the image is reduced only while it
    // still covers the box on both sides.
    void sizes_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("jpeg in the box")
            << QByteArray("jpeg") << QSize(150, 120) << QSize(200, 200) << QSize(150, 120);
        QTest::newRow("jpeg halved")
            << QByteArray("jpeg") << QSize(640, 480) << QSize(200, 200) << QSize(320, 240);
        QTest::newRow("jpeg an eighth")
            << QByteArray("jpeg") << QSize(1700, 1610) << QSize(200, 200) << QSize(213, 202);
        QTest::newRow("jpeg too narrow to reduce")
            << QByteArray("jpeg") << QSize(200, 300) << QSize(200, 200) << QSize(200, 300);
        QTest::newRow("jpeg whole")
            << QByteArray("jpeg") << QSize(640, 480) << QSize() << QSize(640, 480);
        QTest::newRow("bmp") << QByteArray("bmp") << QSize(640, 480) << QSize(200, 200)
                             << QSize(640, 480);
        QTest::newRow("png") << QByteArray("png") << QSize(33, 21) << QSize(200, 200)
                             << QSize(33, 21);
        QTest::newRow("ico") << QByteArray("ico") << QSize(32, 32) << QSize(200, 200)
                             << QSize(32, 32);
    }
    void sizes()
    {
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(QSize, target);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("foto.") + QString::fromLatin1(format));
        QVERIFY(save(path, encode(quadrants(size.width(), size.height()), format.constData())));
        caveto::Picture picture;
        QString error;
        QVERIFY2(caveto::loadPicture(path, target, &picture, &error), qPrintable(error));
        QCOMPARE(picture.size, size);
        QTEST(picture.image.size(), "decoded");
        QCOMPARE(corners(picture.image), QStringLiteral("red green blue yellow"));
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
            save(path, withOrientation(encode(quadrants(320, 240), "jpeg"), orientation, order)));

        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage expected = reader.read();
        QVERIFY(!expected.isNull());

        caveto::Picture picture;
        QString error;
        QVERIFY2(caveto::loadPicture(path, QSize(), &picture, &error), qPrintable(error));
        QCOMPARE(picture.image.size(), expected.size());
        QCOMPARE(picture.size, expected.size());
        QCOMPARE(corners(picture.image), corners(expected));
        if (orientation >= 5)
            QCOMPARE(picture.size, QSize(240, 320));
    }

    // The messages the user reads, and no picture.
    void refused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray jpeg = encode(quadrants(640, 480), "jpeg");
        QByteArray scrambled = jpeg;
        for (int i = 20; i < 200; ++i)
            scrambled[i] = char(0xFF);
        QTest::newRow("cut short")
            << "cortada.jpg" << jpeg.left(jpeg.size() / 2) << damaged("cortada.jpg");
        QTest::newRow("scrambled header") << "revuelta.jpg" << scrambled << damaged("revuelta.jpg");
        QTest::newRow("only the start marker")
            << "vacia.jpg" << QByteArray("\xFF\xD8\xFF", 3) << damaged("vacia.jpg");
        QTest::newRow("text") << "notas.jpg" << QByteArray("no soy una foto\n")
                              << unknown("notas.jpg");
        QTest::newRow("empty") << "nada.bmp" << QByteArray() << unknown("nada.bmp");
        QByteArray placeable("\xD7\xCD\xC6\x9A", 4);
        placeable += QByteArray(40, '\0');
        QTest::newRow("metafile") << "etiqueta.wmf" << placeable
                                  << "Caveto no puede mostrar metarchivos de Windows (WMF) como "
                                     "«etiqueta.wmf». Guarde la imagen como JPEG, PNG o BMP y "
                                     "elíjala de nuevo.";
        QByteArray emf(88, '\0');
        emf[0] = 1;
        emf.replace(40, 4, " EMF");
        QTest::newRow("enhanced metafile")
            << "etiqueta.emf" << emf
            << "Caveto no puede mostrar metarchivos mejorados de Windows (EMF) como "
               "«etiqueta.emf». Guarde la imagen como JPEG, PNG o BMP y elíjala de nuevo.";
    }
    void refused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(save(path, bytes));
        caveto::Picture picture;
        QString error;
        QVERIFY(!caveto::loadPicture(path, QSize(200, 200), &picture, &error));
        QTEST(error, "message");
        QVERIFY(picture.image.isNull());
    }

    // The decoder follows the content, not the name.
    void misnamedPhoto()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("IMG_0001.PNG"));
        QVERIFY(save(path, encode(quadrants(640, 480), "jpeg")));
        caveto::Picture picture;
        QString error;
        QVERIFY2(caveto::loadPicture(path, QSize(200, 200), &picture, &error), qPrintable(error));
        QCOMPARE(picture.size, QSize(640, 480));
        QCOMPARE(picture.image.size(), QSize(320, 240));
    }

    void missingFile()
    {
        QTemporaryDir dir;
        caveto::Picture picture;
        QString error;
        QVERIFY(!caveto::loadPicture(
            dir.filePath(QStringLiteral("no.jpg")), QSize(200, 200), &picture, &error));
        QVERIFY2(
            error.startsWith(QStringLiteral("No se puede abrir el fichero de imagen «no.jpg»: ")),
            qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
