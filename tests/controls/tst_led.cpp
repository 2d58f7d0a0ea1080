// The LED: its pictures, filled from the centre, and its blinking.

#include "controls/ALed.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

class TestLed : public QObject
{
    Q_OBJECT

private slots:
    void floodFillIsFourConnected()
    {
        // Two white squares touching only at a corner: the fill stays in one.
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::black);
        for (const QPoint p : { QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1),
                 QPoint(2, 2), QPoint(3, 2), QPoint(2, 3), QPoint(3, 3) })
            image.setPixel(p, 0xFFFFFFFF);
        ThhALed::floodFill(image, QPoint(1, 1), Qt::red);
        ThhALed::floodFill(image, QPoint(4, 0), Qt::blue); // outside: ignored
        QCOMPARE(countColour(image, qRgb(255, 0, 0)), 4);
        QCOMPARE(countColour(image, 0xFFFFFFFF), 4);
    }

    // The fill from the centre takes the whole face and nothing else; the
    // silver surround stays, or takes the border colour when borderless.
    void pictures_data()
    {
        QTest::addColumn<ThhALed::TLEDStyle>("style");
        QTest::addColumn<bool>("bordered");
        QTest::newRow("small") << LEDSmall << true;
        QTest::newRow("large, borderless") << LEDLarge << false;
        QTest::newRow("square small, borderless") << LEDSqSmall << false;
        QTest::newRow("square large") << LEDSqLarge << true;
        QTest::newRow("vertical") << LEDVertical << true;
        QTest::newRow("horizontal, borderless") << LEDHorizontal << false;
    }
    void pictures()
    {
        QFETCH(ThhALed::TLEDStyle, style);
        QFETCH(bool, bordered);
        const QColor border(10, 20, 30);
        ThhALed led;
        led.setTrueColor(Qt::red);
        led.setFalseColor(Qt::blue);
        led.setBorderColor(border);
        led.setLEDStyle(style);
        led.setBordered(bordered);
        const QImage plain = ThhALed::picture(style, bordered);
        const int face = countColour(plain, ThhALed::FaceColour);
        const int surround = countColour(plain, ThhALed::SurroundColour);
        const QImage lit = led.litImage();
        QCOMPARE(countColour(lit, qRgb(255, 0, 0)), face);
        QCOMPARE(countColour(led.darkImage(), qRgb(0, 0, 255)), face);
        QCOMPARE(countColour(lit, QColor(192, 192, 192).rgb()), bordered ? surround : 0);
        QCOMPARE(countColour(lit, border.rgb()), bordered ? 0 : surround);
    }

    void blinking()
    {
        ThhALed led;
        led.setTrueColor(Qt::red);
        led.setFalseColor(Qt::blue);
        // Off, it never blinks, and shows its dark picture.
        led.setInterval(20);
        led.setBlink(false);
        led.setBlink(true);
        QVERIFY(!led.isBlinking());
        QCOMPARE(led.phase(), 1);
        QCOMPARE(led.grab().toImage().pixelColor(8, 8), QColor(Qt::blue));

        // On, it blinks lit first; a new colour lights it again at once and
        // it goes on blinking.
        QSignalSpy ticks(&led, &ThhALed::OnTimer);
        led.setValue(true);
        QCOMPARE(led.phase(), 0);
        QVERIFY(ticks.wait(2000));
        QCOMPARE(led.phase(), 1);
        led.setTrueColor(Qt::yellow);
        QVERIFY(led.isBlinking());
        QCOMPARE(led.phase(), 0);
        QCOMPARE(led.grab().toImage().pixelColor(8, 8), QColor(Qt::yellow));

        // The interval reaches the running timer; none makes it stand still.
        led.setInterval(250);
        QCOMPARE(led.blinkTimer()->interval(), 250);
        led.setInterval(0);
        QVERIFY(led.isBlinking() && !led.blinkTimer()->isActive());

        // Blink off: a steady light, which a colour change keeps steady.
        led.setBlink(false);
        led.setTrueColor(Qt::red);
        QVERIFY(!led.isBlinking());
        QCOMPARE(led.phase(), 0);
        led.setValue(false);
        QVERIFY(!led.isBlinking());
        QCOMPARE(led.phase(), 1);
    }
};

QTEST_MAIN(TestLed)
#include "tst_led.moc"
