#include "controls/ALed.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QColor Silver(192, 192, 192);

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
    void floodFillIsFourConnected();
    void pictures_data();
    void pictures();
    void valueOffNeverBlinks();
    void valueOnBlinksLitFirst();
    void intervalReachesRunningTimer();
    void paintsCurrentPhase();
};

void TestLed::floodFillIsFourConnected()
{
    // Two white squares touching only at a corner: the fill stays in one.
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (const QPoint p : { QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1), QPoint(2, 2),
             QPoint(3, 2), QPoint(2, 3), QPoint(3, 3) })
        image.setPixel(p, 0xFFFFFFFF);
    ThhALed::floodFill(image, QPoint(1, 1), Qt::red);
    ThhALed::floodFill(image, QPoint(4, 0), Qt::blue); // outside: ignored
    QCOMPARE(countColour(image, qRgb(255, 0, 0)), 4);
    QCOMPARE(countColour(image, 0xFFFFFFFF), 4);
}

void TestLed::pictures_data()
{
    QTest::addColumn<ThhALed::TLEDStyle>("style");
    QTest::addColumn<bool>("bordered");
    QTest::addColumn<QSize>("size");
    const std::tuple<const char *, ThhALed::TLEDStyle, QSize> styles[] = {
        { "small", LEDSmall, QSize(16, 16) },
        { "large", LEDLarge, QSize(22, 22) },
        { "square small", LEDSqSmall, QSize(16, 16) },
        { "square large", LEDSqLarge, QSize(22, 22) },
        { "vertical", LEDVertical, QSize(16, 22) },
        { "horizontal", LEDHorizontal, QSize(22, 16) },
    };
    for (const auto &[name, style, size] : styles) {
        QTest::addRow("%s, bordered", name) << style << true << size;
        QTest::addRow("%s, borderless", name) << style << false << size;
    }
}

void TestLed::pictures()
{
    QFETCH(ThhALed::TLEDStyle, style);
    QFETCH(bool, bordered);
    QFETCH(QSize, size);
    const QColor border(10, 20, 30);
    ThhALed led;
    led.setTrueColor(Qt::red);
    led.setFalseColor(Qt::blue);
    led.setBorderColor(border);
    led.setLEDStyle(style);
    led.setBordered(bordered);
    QCOMPARE(led.size(), size);

    // The fill from the centre takes the whole face and nothing else.
    const QImage plain = ThhALed::picture(style, bordered);
    const int face = countColour(plain, ThhALed::FaceColour);
    const int surround = countColour(plain, ThhALed::SurroundColour);
    const QImage lit = led.litImage();
    QCOMPARE(lit.pixelColor(size.width() / 2, size.height() / 2), QColor(Qt::red));
    QCOMPARE(countColour(lit, qRgb(255, 0, 0)), face);
    QCOMPARE(countColour(led.darkImage(), qRgb(0, 0, 255)), face);
    QCOMPARE(countColour(lit, ThhALed::FaceColour), 0);
    // Bordered, the silver surround is left alone; borderless, all of it
    // takes the border colour.
    QCOMPARE(countColour(lit, Silver.rgb()), bordered ? surround : 0);
    QCOMPARE(countColour(lit, border.rgb()), bordered ? 0 : surround);
    QCOMPARE(lit.pixelColor(0, 0), bordered ? QColor(Qt::white) : border);
}

void TestLed::valueOffNeverBlinks()
{
    ThhALed led;
    led.setInterval(10);
    led.setBlink(false);
    led.setBlink(true);
    // A colour change turns blinking off and on again around the new pictures.
    led.setTrueColor(Qt::red);
    QVERIFY(!led.isBlinking());
    QTest::qWait(50);
    QCOMPARE(led.phase(), 1);
}

void TestLed::valueOnBlinksLitFirst()
{
    ThhALed led;
    led.setInterval(20);
    QSignalSpy ticks(&led, &ThhALed::OnTimer);
    led.setValue(true);
    QVERIFY(led.isBlinking());
    QCOMPARE(led.phase(), 0);
    QVERIFY(ticks.wait(2000));
    QCOMPARE(led.phase(), 1);

    // A new colour: lit again at once and still blinking.
    led.setTrueColor(Qt::red);
    QVERIFY(led.isBlinking());
    QCOMPARE(led.phase(), 0);
    QCOMPARE(led.litImage().pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(led.darkImage().pixelColor(8, 8), Silver);
    ticks.clear();
    QVERIFY(ticks.wait(2000));
    QCOMPARE(led.phase(), 1);

    // Blink off: a steady light, which a colour change keeps steady.
    led.setBlink(false);
    led.setTrueColor(Qt::yellow);
    QVERIFY(!led.isBlinking());
    QCOMPARE(led.phase(), 0);
    led.setBlink(true);
    QVERIFY(led.isBlinking());
    QCOMPARE(led.phase(), 0);
    led.setValue(false);
    QVERIFY(!led.isBlinking());
    QCOMPARE(led.phase(), 1);
}

void TestLed::intervalReachesRunningTimer()
{
    ThhALed led;
    led.setValue(true);
    led.setInterval(250);
    QCOMPARE(led.blinkTimer()->interval(), 250);
    // No interval: the timer stands still instead of spinning.
    led.setInterval(0);
    QVERIFY(led.isBlinking());
    QVERIFY(!led.blinkTimer()->isActive());
}

void TestLed::paintsCurrentPhase()
{
    ThhALed led;
    led.setTrueColor(Qt::red);
    led.setFalseColor(Qt::blue);
    QCOMPARE(led.grab().toImage().pixelColor(8, 8), QColor(Qt::blue));
    led.setBlink(false);
    led.setValue(true);
    QCOMPARE(led.grab().toImage().pixelColor(8, 8), QColor(Qt::red));
}

QTEST_MAIN(TestLed)
#include "tst_led.moc"
