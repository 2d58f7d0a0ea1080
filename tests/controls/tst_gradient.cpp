#include "controls/Gradient.h"
#include "platform/Colors.h"

#include "PaintCounter.h"

#include <QImage>
#include <QTest>

class TestGradiente : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void mulDiv_data();
    void mulDiv();
    void bandColor_data();
    void bandColor();
    void bandRect_data();
    void bandRect();
    void everyRowIsCoveredOnce();
    void paintsNavyToSilverPanel();
    void equalColoursPaintFlat();
    void verticalBandsRunLeftToRight();
    void sameValueDoesNotRedraw();
    void fillParentFollowsResize();
};

void TestGradiente::defaults()
{
    TGradiente g;
    QCOMPARE(g.size(), QSize(100, 100));
    QCOMPARE(g.Direccion(), dHorizontal);
    QCOMPARE(g.ColorDesde(), QColor(0, 0, 255));
    QCOMPARE(g.ColorHasta(), QColor(0, 0, 0));
    QVERIFY(!g.fillParent());
}

void TestGradiente::mulDiv_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << 6 << 4 << 3 << 8;
    QTest::newRow("half rounds up") << 1 << 1 << 2 << 1;
    QTest::newRow("below half rounds down") << 1 << 37 << 256 << 0;
    QTest::newRow("above half rounds up") << 4 << 37 << 256 << 1;
    QTest::newRow("255 of 37 rows") << 255 << 37 << 256 << 37;
    QTest::newRow("negative half away from zero") << -1 << 1 << 2 << -1;
    QTest::newRow("negative divisor") << 7 << 1 << -2 << -4;
    QTest::newRow("no overflow") << 100000 << 100000 << 100000 << 100000;
    QTest::newRow("zero divisor") << 5 << 5 << 0 << -1;
}

void TestGradiente::mulDiv()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, z);
    QFETCH(int, expected);
    QCOMPARE(TGradiente::mulDiv(x, y, z), expected);
}

void TestGradiente::bandColor_data()
{
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<int>("band");
    QTest::addColumn<QColor>("expected");
    const QColor navy = caveto::tcolor(caveto::colors::Navy);
    const QColor silver = caveto::tcolor(caveto::colors::Silver);
    QTest::newRow("first band is the start") << navy << silver << 0 << navy;
    QTest::newRow("last band is the end") << navy << silver << 255 << silver;
    // red: 128*192/255 = 96.4; blue: 128 + 128*64/255 = 128 + 32.1
    QTest::newRow("middle") << navy << silver << 128 << QColor(96, 96, 160);
    QTest::newRow("band 3") << navy << silver << 3 << QColor(2, 2, 129);
    QTest::newRow("band 252") << navy << silver << 252 << QColor(190, 190, 191);
    QTest::newRow("falling channel")
        << QColor(0, 0, 255) << QColor(0, 0, 0) << 1 << QColor(0, 0, 254);
    QTest::newRow("falling, end") << QColor(0, 0, 255) << QColor(0, 0, 0) << 255 << QColor(0, 0, 0);
    QTest::newRow("mixed directions")
        << QColor(200, 10, 50) << QColor(100, 250, 50) << 51 << QColor(180, 58, 50);
    QTest::newRow("equal colours") << silver << silver << 77 << silver;
}

void TestGradiente::bandColor()
{
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(int, band);
    QFETCH(QColor, expected);
    QCOMPARE(TGradiente::bandColor(from, to, band), expected);
}

void TestGradiente::bandRect_data()
{
    QTest::addColumn<int>("direccion");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("band");
    QTest::addColumn<QRect>("expected");
    const QSize panel(53, 37);
    // 37 rows for 256 bands: most bands are thinner than a pixel.
    QTest::newRow("band 0 collapses") << int(dHorizontal) << panel << 0 << QRect(0, 0, 53, 0);
    QTest::newRow("band 2 collapses") << int(dHorizontal) << panel << 2 << QRect(0, 0, 53, 0);
    QTest::newRow("band 3 is row 0") << int(dHorizontal) << panel << 3 << QRect(0, 0, 53, 1);
    QTest::newRow("band 252 is row 36") << int(dHorizontal) << panel << 252 << QRect(0, 36, 53, 1);
    QTest::newRow("band 255 collapses") << int(dHorizontal) << panel << 255 << QRect(0, 37, 53, 0);
    // 512 rows: every band two rows high.
    QTest::newRow("tall, band 10") << int(dHorizontal) << QSize(5, 512) << 10 << QRect(0, 20, 5, 2);
    QTest::newRow("vertical band 3")
        << int(dVertical) << panel.transposed() << 3 << QRect(0, 0, 1, 53);
    QTest::newRow("vertical band 4 collapses")
        << int(dVertical) << panel << 4 << QRect(1, 0, 0, 37);
    QTest::newRow("vertical band 100")
        << int(dVertical) << QSize(1000, 4) << 100 << QRect(391, 0, 4, 4);
}

void TestGradiente::bandRect()
{
    QFETCH(int, direccion);
    QFETCH(QSize, size);
    QFETCH(int, band);
    QFETCH(QRect, expected);
    const QRect r = TGradiente::bandRect(TDireccion(direccion), size, band);
    QCOMPARE(r, expected);
}

void TestGradiente::everyRowIsCoveredOnce()
{
    // The bands tile the control without gaps or overlaps, whatever its size.
    for (int height : { 1, 37, 255, 256, 257, 600 }) {
        int next = 0;
        for (int i = 0; i < TGradiente::BandCount; ++i) {
            const QRect r = TGradiente::bandRect(dHorizontal, QSize(10, height), i);
            QCOMPARE(r.top(), next);
            next += r.height();
        }
        QCOMPARE(next, height);
    }
}

void TestGradiente::paintsNavyToSilverPanel()
{
    QWidget panel;
    panel.resize(53, 37);
    TGradiente g(&panel);
    g.setColorDesde(caveto::tcolor(caveto::colors::Navy));
    g.setColorHasta(caveto::tcolor(caveto::colors::Silver));
    g.setFillParent(true);
    QCOMPARE(g.geometry(), QRect(0, 0, 53, 37));

    const QImage image = g.grab().toImage();
    QCOMPARE(image.size(), QSize(53, 37));
    // Row 0 belongs to band 3 and row 36 to band 252: navy and silver to
    // within two steps.
    for (int x : { 0, 26, 52 }) {
        QCOMPARE(image.pixelColor(x, 0), QColor(2, 2, 129));
        QCOMPARE(image.pixelColor(x, 36), QColor(190, 190, 191));
    }
    // Downwards the colour only brightens, and each row is one flat colour.
    int previousRed = -1;
    for (int y = 0; y < 37; ++y) {
        const QColor c = image.pixelColor(0, y);
        QVERIFY2(c.red() > previousRed, qPrintable(QString("row %1").arg(y)));
        QCOMPARE(c.red(), c.green());
        previousRed = c.red();
        for (int x = 1; x < 53; ++x)
            QCOMPARE(image.pixelColor(x, y), c);
    }
}

void TestGradiente::equalColoursPaintFlat()
{
    TGradiente g;
    g.setColorDesde(QColor(31, 58, 88));
    g.setColorHasta(QColor(31, 58, 88));
    g.resize(40, 300);
    const QImage image = g.grab().toImage();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 3)
            QCOMPARE(image.pixelColor(x, y), QColor(31, 58, 88));
}

void TestGradiente::verticalBandsRunLeftToRight()
{
    TGradiente g;
    g.setDireccion(dVertical);
    g.setColorDesde(QColor(0, 0, 0));
    g.setColorHasta(QColor(255, 255, 255));
    g.resize(256, 10);
    const QImage image = g.grab().toImage();
    // One band per column: column i shows band i's grey, on every row.
    for (int x : { 0, 1, 100, 254, 255 }) {
        QCOMPARE(image.pixelColor(x, 0), QColor(x, x, x));
        QCOMPARE(image.pixelColor(x, 9), QColor(x, x, x));
    }
}

void TestGradiente::sameValueDoesNotRedraw()
{
    QWidget window;
    window.resize(120, 120);
    TGradiente g(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter paints(&g);
    paints.settle();

    g.setColorDesde(QColor(0, 0, 255));
    g.setColorHasta(QColor(0, 0, 0));
    g.setDireccion(dHorizontal);
    QCOMPARE(paints.settle(), 0);

    g.setColorHasta(QColor(255, 0, 0));
    QVERIFY(paints.settle() > 0);
    QCOMPARE(g.ColorHasta(), QColor(255, 0, 0));
    g.setDireccion(dVertical);
    QVERIFY(paints.settle() > 0);
    QCOMPARE(g.Direccion(), dVertical);
    g.setColorDesde(QColor(1, 2, 3));
    QVERIFY(paints.settle() > 0);
    QCOMPARE(g.ColorDesde(), QColor(1, 2, 3));
}

void TestGradiente::fillParentFollowsResize()
{
    // A hidden widget gets its resize event only when shown: show them.
    QWidget panel;
    panel.resize(53, 37);
    auto *g = new TGradiente(&panel);
    QCOMPARE(g->size(), QSize(100, 100));
    g->setFillParent(true);
    QCOMPARE(g->geometry(), QRect(0, 0, 53, 37));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.resize(80, 20);
    QCOMPARE(g->geometry(), QRect(0, 0, 80, 20));

    QWidget other;
    other.resize(30, 40);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    g->setParent(&other);
    QCOMPARE(g->geometry(), QRect(0, 0, 30, 40));
    panel.resize(200, 200);
    QCOMPARE(g->size(), QSize(30, 40));

    g->setFillParent(false);
    other.resize(60, 60);
    QCOMPARE(g->size(), QSize(30, 40));
}

QTEST_MAIN(TestGradiente)
#include "tst_gradient.moc"
