// The appellation table, the map picture and the appellation pictures: the
// table holds what the three guides share, every marker of the map sits on its
// own land in the picture the program shows, and every picture is there.

#include "guides/Appellations.h"

#include <QCollator>
#include <QImage>
#include <QSet>
#include <QtTest>

using namespace caveto;

namespace {

// Values of the label mask that the map generator draws with the map.
constexpr int kSea = 0;
constexpr int kSpain = 1;
constexpr int kElHierro = 11;
constexpr int kLaPalma = 12;
constexpr int kTenerife = 14;
constexpr int kLanzarote = 17;

QImage labelMask()
{
    return QImage(QStringLiteral(CAVETO_SAMPLES_DIR "/map/land-mask.png"))
        .convertToFormat(QImage::Format_Grayscale8);
}

int label(const QImage &mask, QPoint p)
{
    return mask.constScanLine(p.y())[p.x()];
}

// The mean colour of the 3 x 3 pixels around p, which evens out JPEG noise.
QColor meanColour(const QImage &image, QPoint p)
{
    int r = 0, g = 0, b = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb c = image.pixel(p + QPoint(dx, dy));
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    return QColor(r / 9, g / 9, b / 9);
}

// The sea is blue, the land a warm cream: land is where red clearly outweighs blue.
bool looksLikeLand(const QColor &c)
{
    return c.red() - c.blue() > 20;
}
bool looksLikeSea(const QColor &c)
{
    return c.blue() - c.red() > 30;
}

int expectedLabel(const QString &name)
{
    static const QHash<QString, int> canaries = {
        { QStringLiteral("Abona"), kTenerife },
        { QStringLiteral("Tacoronte Acentejo"), kTenerife },
        { QStringLiteral("Valle de Guimar"), kTenerife },
        { QStringLiteral("Valle de la Oratava"), kTenerife },
        { QStringLiteral("Ycoden Daute Isora"), kTenerife },
        { QStringLiteral("El Hierro"), kElHierro },
        { QStringLiteral("La Palma"), kLaPalma },
        { QStringLiteral("Lanzarote"), kLanzarote },
    };
    return canaries.value(name, kSpain);
}

} // namespace

class TestMapData : public QObject
{
    Q_OBJECT

private slots:
    void tableHoldsFiftySixDistinctEntries()
    {
        const QStringList names = appellationNames();
        QCOMPARE(names.size(), kAppellationCount);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), kAppellationCount);
        QSet<QString> keys, controls;
        for (int i = 0; i < kAppellationCount; ++i) {
            const Appellation &a = appellations()[i];
            keys.insert(QLatin1String(a.key));
            controls.insert(QLatin1String(a.pictureControl));
            // The key is the picture control's name, lower-cased, without "bmp".
            QCOMPARE(QString::fromLatin1(a.pictureControl).toLower().remove(QLatin1String("bmp")),
                QLatin1String(a.key));
            QCOMPARE(a.pictureTop, names[i] == QLatin1String("Alella") ? 15 : 18);
        }
        QCOMPARE(keys.size(), kAppellationCount);
        QCOMPARE(controls.size(), kAppellationCount);
    }

    // The lists show the names in the locale's alphabetical order, accented
    // letters with their plain ones ("Málaga" before "Manchuela").
    void namesAreInLocaleOrder()
    {
        QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        const QStringList names = appellationNames();
        for (int i = 1; i < names.size(); ++i)
            QVERIFY2(collator.compare(names[i - 1], names[i]) < 0,
                qPrintable(names[i - 1] + QLatin1String(" / ") + names[i]));
    }

    void indexByExactName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << QStringLiteral("Abona") << 0;
        QTest::newRow("accent") << QStringLiteral("Málaga") << 24;
        QTest::newRow("eñe") << QStringLiteral("Cariñena") << 10;
        QTest::newRow("Rioja") << QStringLiteral("Rioja") << 40;
        QTest::newRow("last") << QStringLiteral("Yecla") << 55;
        QTest::newRow("without its accent") << QStringLiteral("Malaga") << -1;
        QTest::newRow("other case") << QStringLiteral("rioja") << -1;
        QTest::newRow("trailing blank") << QStringLiteral("Rioja ") << -1;
        QTest::newRow("empty") << QString() << -1;
    }
    void indexByExactName()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(appellationIndex(name), index);
        if (index >= 0)
            QCOMPARE(appellationName(index), name);
    }

    void markerPositions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("marker");
        QTest::newRow("Rioja") << QStringLiteral("Rioja") << QPoint(256, 76);
        QTest::newRow("Lanzarote") << QStringLiteral("Lanzarote") << QPoint(486, 340);
        QTest::newRow("Abona") << QStringLiteral("Abona") << QPoint(386, 402);
        QTest::newRow("Rías Baixas") << QStringLiteral("Rías Baixas") << QPoint(16, 68);
        QTest::newRow("Chacolí de Getaria")
            << QStringLiteral("Chacolí de Getaria") << QPoint(300, 6);
        QTest::newRow("Yecla") << QStringLiteral("Yecla") << QPoint(265, 240);
    }
    void markerPositions()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, marker);
        const int i = appellationIndex(name);
        QVERIFY(i >= 0);
        QCOMPARE(appellations()[i].marker, marker);
        // The LED is 22 x 16 and the map picture starts at (3, 3).
        QCOMPARE(markerCentreOnMap(i), marker + QPoint(8, 5));
    }

    void mapPictureHasItsSize()
    {
        const QImage map(QStringLiteral(":/guides/Mapa.jpg"));
        QVERIFY2(!map.isNull(), "the map picture is not among the compiled resources");
        QCOMPARE(map.size(), QSize(kMapWidth, kMapHeight));
        const QImage mask = labelMask();
        QVERIFY(!mask.isNull());
        QCOMPARE(mask.size(), map.size());
    }

    // Every marker's centre lies on its own land, both in the label mask and
    // in the picture the window shows; the eight Canary markers each on their
    // island. The mask and the picture agree where they are sure: deep sea is
    // blue, deep land is cream.
    void markersSitOnTheirLand_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kAppellationCount; ++i)
            QTest::newRow(appellations()[i].name) << i;
    }
    void markersSitOnTheirLand()
    {
        QFETCH(int, index);
        const QImage map
            = QImage(QStringLiteral(":/guides/Mapa.jpg")).convertToFormat(QImage::Format_RGB32);
        const QImage mask = labelMask();
        QVERIFY(!map.isNull() && !mask.isNull());
        const QPoint c = markerCentreOnMap(index);
        QVERIFY(QRect(1, 1, kMapWidth - 2, kMapHeight - 2).contains(c));
        QCOMPARE(label(mask, c), expectedLabel(appellationName(index)));
        // At least two pixels of the same land all round.
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                QCOMPARE(label(mask, c + QPoint(dx, dy)), label(mask, c));
        const QColor colour = meanColour(map, c);
        QVERIFY2(looksLikeLand(colour), qPrintable(colour.name()));
    }

    void maskAndPictureAgree()
    {
        const QImage map
            = QImage(QStringLiteral(":/guides/Mapa.jpg")).convertToFormat(QImage::Format_RGB32);
        const QImage mask = labelMask();
        QVERIFY(!map.isNull() && !mask.isNull());
        int sea = 0, land = 0, checked = 0;
        for (int y = 4; y < kMapHeight - 4; y += 3)
            for (int x = 4; x < kMapWidth - 4; x += 3) {
                const QPoint p(x, y);
                const int l = label(mask, p);
                bool uniform = true;
                for (int dy = -3; dy <= 3 && uniform; ++dy)
                    for (int dx = -3; dx <= 3 && uniform; ++dx)
                        uniform = label(mask, p + QPoint(dx, dy)) == l;
                if (!uniform || (l != kSea && l != kSpain))
                    continue;
                ++checked;
                const QColor colour = meanColour(map, p);
                if (l == kSea ? !looksLikeSea(colour) : !looksLikeLand(colour))
                    (l == kSea ? sea : land)++;
            }
        QVERIFY(checked > 5000);
        // Borders and lines cross the land here and there; the sea is open.
        QCOMPARE(sea, 0);
        QVERIFY2(land < checked / 50, qPrintable(QString::number(land)));
    }

    // 56 pictures, 70 high; all 70 wide but four, which are 55 to 68 wide.
    void picturesExist()
    {
        int narrow = 0;
        for (int i = 0; i < kAppellationCount; ++i) {
            const QString path = appellationPicturePath(i);
            QVERIFY(path.endsWith(QLatin1String(appellations()[i].key) + QLatin1String(".png")));
            const QImage picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            QCOMPARE(picture.height(), 70);
            if (picture.width() != 70) {
                QVERIFY2(picture.width() >= 55 && picture.width() <= 68, qPrintable(path));
                ++narrow;
            }
        }
        QCOMPARE(narrow, 4);
        QVERIFY(appellationPicturePath(-1).isEmpty());
        QVERIFY(appellationPicturePath(kAppellationCount).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMapData)
#include "tst_mapdata.moc"
