// The gradient panel: the colour and area of each of its 256 bands, and the
// panel painted from them.

#include "controls/Gradient.h"
#include "platform/Colors.h"

#include <QImage>
#include <QTest>

class TestGradiente : public QObject
{
    Q_OBJECT

private slots:
    // One band: its colour between two end colours, and the area it covers.
    void bands_data()
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
        QTest::newRow("band 3 is row 0")
            << navy << silver << 3 << QColor(2, 2, 129) << h << panel << QRect(0, 0, 53, 1);
        // red: 128*192/255 = 96.4; blue: 128 + 128*64/255 = 128 + 32.1; the
        // band starts at 128*37/256 = 18.5, a half rounded up.
        QTest::newRow("middle") << navy << silver << 128 << QColor(96, 96, 160) << h << panel
                                << QRect(0, 19, 53, 0);
        QTest::newRow("last band, collapsed")
            << navy << silver << 255 << silver << h << panel << QRect(0, 37, 53, 0);
        // 512 rows: every band two rows high.
        QTest::newRow("falling channel, tall")
            << QColor(0, 0, 255) << QColor(0, 0, 0) << 10 << QColor(0, 0, 245) << h << QSize(5, 512)
            << QRect(0, 20, 5, 2);
        QTest::newRow("mixed directions, wide")
            << QColor(200, 10, 50) << QColor(100, 250, 50) << 51 << QColor(180, 58, 50) << v
            << QSize(1000, 4) << QRect(199, 0, 4, 4);
    }
    void bands()
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

    void paintsAndFollowsItsParent()
    {
        QWidget panel;
        panel.resize(53, 37);
        auto *g = new TGradiente(&panel);
        g->setColorDesde(caveto::tcolor(caveto::colors::Navy));
        g->setColorHasta(caveto::tcolor(caveto::colors::Silver));
        g->setFillParent(true);
        // Row 0 belongs to band 3 and row 36 to band 252.
        const QImage image = g->grab().toImage();
        QCOMPARE(image.pixelColor(52, 0), QColor(2, 2, 129));
        QCOMPARE(image.pixelColor(26, 36), QColor(190, 190, 191));

        // It follows the parent's size until told to stop.
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.resize(80, 20);
        QCOMPARE(g->geometry(), QRect(0, 0, 80, 20));
        g->setFillParent(false);
        panel.resize(60, 60);
        QCOMPARE(g->size(), QSize(80, 20));

        // Vertical, one band per column: column i shows band i's grey.
        TGradiente vertical;
        vertical.setDireccion(dVertical);
        vertical.setColorDesde(Qt::black);
        vertical.setColorHasta(Qt::white);
        vertical.resize(256, 10);
        QCOMPARE(vertical.grab().toImage().pixelColor(254, 9), QColor(254, 254, 254));
    }
};

QTEST_MAIN(TestGradiente)
#include "tst_gradient.moc"
