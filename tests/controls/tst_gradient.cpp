#include "controls/Gradient.h"
#include "platform/Colors.h"

#include <QImage>
#include <QTest>

class TestGradiente : public QObject
{
    Q_OBJECT

private slots:
    void bands_data();
    void bands();
    void paintsNavyToSilverPanel();
    void paintsFlatAndVertical();
};

// One band: its colour between two end colours, and the area it covers.
void TestGradiente::bands_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<int>("band");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("direccion");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("area");
    const QColor navy = caveto::tcolor(caveto::colors::Navy);
    const QColor silver = caveto::tcolor(caveto::colors::Silver);
    const QSize panel(53, 37);
    const int h = dHorizontal;
    const int v = dVertical;
    // 37 rows for 256 bands: most bands are thinner than a pixel.
    QTest::newRow("first band, collapsed")
        << navy << silver << 0 << navy << h << panel << QRect(0, 0, 53, 0);
    QTest::newRow("band 3 is row 0")
        << navy << silver << 3 << QColor(2, 2, 129) << h << panel << QRect(0, 0, 53, 1);
    // red: 128*192/255 = 96.4; blue: 128 + 128*64/255 = 128 + 32.1; the
    // band starts at 128*37/256 = 18.5, a half rounded up.
    QTest::newRow("middle") << navy << silver << 128 << QColor(96, 96, 160) << h << panel
                            << QRect(0, 19, 53, 0);
    QTest::newRow("band 252 is row 36")
        << navy << silver << 252 << QColor(190, 190, 191) << h << panel << QRect(0, 36, 53, 1);
    QTest::newRow("last band, collapsed")
        << navy << silver << 255 << silver << h << panel << QRect(0, 37, 53, 0);
    QTest::newRow("vertical band 4 collapses")
        << navy << silver << 4 << QColor(3, 3, 129) << v << panel << QRect(1, 0, 0, 37);
    // 512 rows: every band two rows high.
    QTest::newRow("falling channel, tall")
        << QColor(0, 0, 255) << QColor(0, 0, 0) << 10 << QColor(0, 0, 245) << h << QSize(5, 512)
        << QRect(0, 20, 5, 2);
    QTest::newRow("mixed directions, wide")
        << QColor(200, 10, 50) << QColor(100, 250, 50) << 51 << QColor(180, 58, 50) << v
        << QSize(1000, 4) << QRect(199, 0, 4, 4);
}

void TestGradiente::bands()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(int, band);
    QFETCH(QColor, colour);
    QFETCH(int, direccion);
    QFETCH(QSize, size);
    QFETCH(QRect, area);
    QCOMPARE(TGradiente::bandColor(from, to, band), colour);
    QCOMPARE(TGradiente::bandRect(TDireccion(direccion), size, band), area);
}

void TestGradiente::paintsNavyToSilverPanel()
{
    QWidget panel;
    panel.resize(53, 37);
    auto *g = new TGradiente(&panel);
    g->setColorDesde(caveto::tcolor(caveto::colors::Navy));
    g->setColorHasta(caveto::tcolor(caveto::colors::Silver));
    g->setFillParent(true);
    QCOMPARE(g->geometry(), QRect(0, 0, 53, 37));

    // Row 0 belongs to band 3 and row 36 to band 252.
    const QImage image = g->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(2, 2, 129));
    QCOMPARE(image.pixelColor(52, 0), QColor(2, 2, 129));
    QCOMPARE(image.pixelColor(26, 36), QColor(190, 190, 191));

    // It follows the parent's resizing until told to stop. A hidden widget
    // gets no resize events: show it.
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.resize(80, 20);
    QCOMPARE(g->geometry(), QRect(0, 0, 80, 20));
    g->setFillParent(false);
    panel.resize(60, 60);
    QCOMPARE(g->size(), QSize(80, 20));
}

void TestGradiente::paintsFlatAndVertical()
{
    TGradiente g;
    g.setColorDesde(QColor(31, 58, 88));
    g.setColorHasta(QColor(31, 58, 88));
    g.resize(40, 300);
    QImage image = g.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(31, 58, 88));
    QCOMPARE(image.pixelColor(39, 299), QColor(31, 58, 88));

    // One band per column: column i shows band i's grey on every row.
    g.setDireccion(dVertical);
    g.setColorDesde(QColor(0, 0, 0));
    g.setColorHasta(QColor(255, 255, 255));
    g.resize(256, 10);
    image = g.grab().toImage();
    QCOMPARE(image.pixelColor(1, 0), QColor(1, 1, 1));
    QCOMPARE(image.pixelColor(254, 9), QColor(254, 254, 254));
}

QTEST_MAIN(TestGradiente)
#include "tst_gradient.moc"
