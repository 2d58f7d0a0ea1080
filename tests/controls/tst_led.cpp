#include "controls/ALed.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>


namespace {

const QColor Lime(0, 255, 0);
const QColor Silver(192, 192, 192);
const QColor Navy(0, 0, 128);

int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

QPoint centreOf(const QImage &image)
{
    return QPoint(image.width() / 2, image.height() / 2);
}

} // namespace

class TestLed : public QObject
{
    Q_OBJECT

private slots:
    void floodFillFillsOnlyTheConnectedArea();
    void floodFillMatchesColoursExactly();
    void floodFillEdgeCases();
    void styleSizes_data();
    void styleSizes();
    void pictures_data();
    void pictures();
    void defaults();
    void borderlessSurroundTakesBorderColor();
    void mapMarkerSetUp();
    void valueOffNeverBlinks();
    void valueOnBlinksLitFirst();
    void valueOffStopsBlinking();
    void blinkOffKeepsSteadyLight();
    void colourChangeKeepsBlinking();
    void colourChangeOnDarkLedDoesNotStartBlinking();
    void intervalReachesRunningTimer();
    void blinksAtInterval();
    void paintsCurrentPhase();
    void styleChangeResizes();
    void mouseSignals();
};

void TestLed::floodFillFillsOnlyTheConnectedArea()
{
    // Two white areas touching only at a corner: a 4-connected fill stays
    // in the one it starts in.
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(0, 0, 0xFFFFFFFF);
    image.setPixel(1, 0, 0xFFFFFFFF);
    image.setPixel(0, 1, 0xFFFFFFFF);
    image.setPixel(1, 1, 0xFFFFFFFF);
    image.setPixel(2, 2, 0xFFFFFFFF);
    image.setPixel(3, 2, 0xFFFFFFFF);
    image.setPixel(3, 3, 0xFFFFFFFF);
    ThhALed::floodFill(image, QPoint(1, 1), Qt::red);
    QCOMPARE(countColour(image, qRgb(255, 0, 0)), 4);
    QCOMPARE(image.pixel(2, 2), 0xFFFFFFFFu);
    QCOMPARE(image.pixel(3, 3), 0xFFFFFFFFu);
    QCOMPARE(countColour(image, 0xFF000000), 9);

    // A U shape: the scanline fill must go down one arm and up the other.
    QImage u(5, 4, QImage::Format_RGB32);
    u.fill(Qt::white);
    for (int y = 0; y < 3; ++y)
        u.setPixel(2, y, 0xFF000000);
    ThhALed::floodFill(u, QPoint(0, 0), Qt::blue);
    QCOMPARE(countColour(u, qRgb(0, 0, 255)), 17);
}

void TestLed::floodFillMatchesColoursExactly()
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0, 255, 0));
    image.setPixel(1, 0, qRgb(0, 254, 0));
    image.setPixel(2, 0, qRgb(0, 255, 0));
    ThhALed::floodFill(image, QPoint(0, 0), Qt::red);
    QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(1, 0), qRgb(0, 254, 0));
    QCOMPARE(image.pixel(2, 0), qRgb(0, 255, 0));
}

void TestLed::floodFillEdgeCases()
{
    // Filling with the colour already there must end (and change nothing).
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Lime);
    ThhALed::floodFill(image, QPoint(3, 3), Lime);
    QCOMPARE(countColour(image, Lime.rgb()), 64);

    // A start outside the picture is ignored.
    ThhALed::floodFill(image, QPoint(8, 0), Qt::red);
    ThhALed::floodFill(image, QPoint(-1, 2), Qt::red);
    QCOMPARE(countColour(image, Lime.rgb()), 64);

    // Pictures in other formats are turned into 32-bit ones first.
    QImage rgb888(5, 5, QImage::Format_RGB888);
    rgb888.fill(Silver);
    ThhALed::floodFill(rgb888, QPoint(4, 4), Navy);
    QCOMPARE(rgb888.pixelColor(0, 0), Navy);
    QCOMPARE(rgb888.pixelColor(4, 0), Navy);
}

void TestLed::styleSizes_data()
{
    QTest::addColumn<ThhALed::TLEDStyle>("style");
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << LEDSmall << QSize(16, 16);
    QTest::newRow("large") << LEDLarge << QSize(22, 22);
    QTest::newRow("square small") << LEDSqSmall << QSize(16, 16);
    QTest::newRow("square large") << LEDSqLarge << QSize(22, 22);
    QTest::newRow("vertical") << LEDVertical << QSize(16, 22);
    QTest::newRow("horizontal") << LEDHorizontal << QSize(22, 16);
}

void TestLed::styleSizes()
{
    QFETCH(ThhALed::TLEDStyle, style);
    QFETCH(QSize, size);
    QCOMPARE(ThhALed::styleSize(style), size);
    ThhALed led;
    led.setLEDStyle(style);
    QCOMPARE(led.size(), size);
    QCOMPARE(led.litImage().size(), size);
    QCOMPARE(led.darkImage().size(), size);
}

void TestLed::pictures_data()
{
    QTest::addColumn<ThhALed::TLEDStyle>("style");
    QTest::addColumn<bool>("bordered");
    const std::pair<const char *, ThhALed::TLEDStyle> styles[] = {
        { "small", LEDSmall },
        { "large", LEDLarge },
        { "square small", LEDSqSmall },
        { "square large", LEDSqLarge },
        { "vertical", LEDVertical },
        { "horizontal", LEDHorizontal },
    };
    for (const auto &[name, style] : styles) {
        QTest::newRow(qPrintable(QString("%1, bordered").arg(name))) << style << true;
        QTest::newRow(qPrintable(QString("%1, borderless").arg(name))) << style << false;
    }
}

void TestLed::pictures()
{
    QFETCH(ThhALed::TLEDStyle, style);
    QFETCH(bool, bordered);
    const QImage picture = ThhALed::picture(style, bordered);
    QCOMPARE(picture.size(), ThhALed::styleSize(style));
    QCOMPARE(picture.pixel(centreOf(picture)), ThhALed::FaceColour);
    QVERIFY(countColour(picture, ThhALed::Highlight) >= 2);
    QVERIFY(countColour(picture, ThhALed::RimDark) > 0);
    QVERIFY(countColour(picture, ThhALed::RimGrey) > 0);

    const QPoint bottomRight(picture.width() - 1, picture.height() - 1);
    if (bordered) {
        QCOMPARE(picture.pixel(0, 0), ThhALed::Highlight);
        QCOMPARE(picture.pixel(0, picture.height() / 2), ThhALed::Highlight);
        QCOMPARE(picture.pixel(bottomRight), ThhALed::RimGrey);
        QCOMPARE(picture.pixel(picture.width() / 2, bottomRight.y()), ThhALed::RimGrey);
    } else {
        QCOMPARE(picture.pixel(0, 0), ThhALed::SurroundColour);
        QCOMPARE(picture.pixel(bottomRight), ThhALed::SurroundColour);
    }

    // The fill from the centre reaches the whole face and nothing else:
    // no lime is left over, and the surround keeps all its silver.
    QImage lit = picture;
    const int silver = countColour(picture, ThhALed::SurroundColour);
    const int face = countColour(picture, ThhALed::FaceColour);
    ThhALed::floodFill(lit, centreOf(lit), Qt::red);
    QCOMPARE(countColour(lit, ThhALed::FaceColour), 0);
    QCOMPARE(countColour(lit, qRgb(255, 0, 0)), face);
    QCOMPARE(countColour(lit, ThhALed::SurroundColour), silver);

    // Borderless: the surround is one area reached from the corner.
    if (!bordered) {
        ThhALed::floodFill(lit, QPoint(0, 0), Navy);
        QCOMPARE(countColour(lit, ThhALed::SurroundColour), 0);
        QCOMPARE(countColour(lit, Navy.rgb()), silver);
        QCOMPARE(countColour(lit, qRgb(255, 0, 0)), face);
    }
}

void TestLed::defaults()
{
    ThhALed led;
    QCOMPARE(led.size(), QSize(16, 16));
    QCOMPARE(led.TrueColor(), Lime);
    QCOMPARE(led.FalseColor(), Silver);
    QCOMPARE(led.BorderColor(), led.palette().color(QPalette::Button));
    QVERIFY(led.Blink());
    QVERIFY(led.Bordered());
    QVERIFY(!led.Value());
    QCOMPARE(led.Interval(), 1000);
    QCOMPARE(led.LEDStyle(), LEDSmall);
    QVERIFY(!led.isBlinking());
    QCOMPARE(led.phase(), 1);

    QCOMPARE(led.litImage().pixelColor(8, 8), Lime);
    QCOMPARE(led.darkImage().pixelColor(8, 8), Silver);
    // Bordered: the corner is the frame's white edge in both pictures.
    QCOMPARE(led.litImage().pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(led.darkImage().pixelColor(0, 0), QColor(Qt::white));
}

void TestLed::borderlessSurroundTakesBorderColor()
{
    ThhALed led;
    led.setBorderColor(QColor(10, 20, 30));
    // Still bordered: the surround stays silver.
    QCOMPARE(led.litImage().pixelColor(1, 1), Silver);
    led.setBordered(false);
    for (const QImage &image : { led.litImage(), led.darkImage() }) {
        QCOMPARE(image.pixelColor(0, 0), QColor(10, 20, 30));
        QCOMPARE(image.pixelColor(15, 15), QColor(10, 20, 30));
    }
    QCOMPARE(led.litImage().pixelColor(8, 8), Lime);
    QCOMPARE(led.darkImage().pixelColor(8, 8), Silver);
    // No silver is left in the surround; in the dark picture only the face,
    // filled with the silver FalseColor, has any.
    const QImage plain = ThhALed::picture(LEDSmall, false);
    QCOMPARE(countColour(led.litImage(), ThhALed::SurroundColour), 0);
    QCOMPARE(countColour(led.darkImage(), ThhALed::SurroundColour),
        countColour(plain, ThhALed::FaceColour));
}

void TestLed::mapMarkerSetUp()
{
    // The map's marker: a lying bar, green when dark, on navy.
    ThhALed led;
    led.setLEDStyle(LEDHorizontal);
    led.setInterval(200);
    led.setFalseColor(QColor(0, 128, 0));
    led.setBorderColor(Navy);
    led.setBordered(false);
    QCOMPARE(led.size(), QSize(22, 16));
    QCOMPARE(led.darkImage().pixelColor(11, 8), QColor(0, 128, 0));
    QCOMPARE(led.litImage().pixelColor(11, 8), Lime);
    QCOMPARE(led.darkImage().pixelColor(0, 0), Navy);
    QCOMPARE(led.litImage().pixelColor(21, 15), Navy);
    QCOMPARE(countColour(led.darkImage(), ThhALed::FaceColour), 0);
    QVERIFY(!led.isBlinking());

    led.setValue(true);
    QVERIFY(led.isBlinking());
    QCOMPARE(led.blinkTimer()->interval(), 200);
}

void TestLed::valueOffNeverBlinks()
{
    ThhALed led;
    led.setInterval(10);
    led.setBlink(false);
    led.setBlink(true);
    QVERIFY(!led.isBlinking());
    led.setTrueColor(Qt::red);
    led.setBorderColor(Qt::blue);
    led.setLEDStyle(LEDLarge);
    led.setBordered(false);
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
    QCOMPARE(ticks.count(), 0);

    QVERIFY(ticks.wait(2000));
    QCOMPARE(led.phase(), 1);
    const int seen = ticks.count();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() > seen, 2000);
    // Every tick flips the phase: it is even or odd with the tick count.
    QCOMPARE(led.phase(), int(ticks.count() % 2));

    // Turning Value on again changes nothing.
    led.setValue(true);
    QVERIFY(led.isBlinking());
}

void TestLed::valueOffStopsBlinking()
{
    ThhALed led;
    led.setInterval(20);
    led.setValue(true);
    QSignalSpy ticks(&led, &ThhALed::OnTimer);
    QVERIFY(ticks.wait(2000));
    led.setValue(false);
    QVERIFY(!led.isBlinking());
    QCOMPARE(led.phase(), 1);
    ticks.clear();
    QTest::qWait(100);
    QCOMPARE(ticks.count(), 0);
}

void TestLed::blinkOffKeepsSteadyLight()
{
    ThhALed led;
    led.setInterval(20);
    led.setValue(true);
    QSignalSpy ticks(&led, &ThhALed::OnTimer);
    QVERIFY(ticks.wait(2000));
    led.setBlink(false);
    QVERIFY(!led.isBlinking());
    QCOMPARE(led.phase(), 0);
    ticks.clear();
    QTest::qWait(100);
    QCOMPARE(ticks.count(), 0);
    QCOMPARE(led.phase(), 0);

    led.setBlink(true);
    QVERIFY(led.isBlinking());
    QCOMPARE(led.phase(), 0);
}

void TestLed::colourChangeKeepsBlinking()
{
    ThhALed led;
    led.setInterval(20);
    led.setValue(true);
    QSignalSpy ticks(&led, &ThhALed::OnTimer);
    QVERIFY(ticks.wait(2000));

    led.setTrueColor(Qt::red);
    QVERIFY(led.Blink());
    QVERIFY(led.isBlinking());
    QCOMPARE(led.phase(), 0);
    QCOMPARE(led.litImage().pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(led.darkImage().pixelColor(8, 8), Silver);
    ticks.clear();
    QVERIFY(ticks.wait(2000));

    led.setFalseColor(Qt::blue);
    QVERIFY(led.isBlinking());
    QCOMPARE(led.darkImage().pixelColor(8, 8), QColor(Qt::blue));
    QCOMPARE(led.litImage().pixelColor(8, 8), QColor(Qt::red));
}

void TestLed::colourChangeOnDarkLedDoesNotStartBlinking()
{
    ThhALed led;
    led.setTrueColor(Qt::red);
    QVERIFY(led.Blink());
    QVERIFY(!led.isBlinking());
    QCOMPARE(led.phase(), 1);

    // Lit but steady: a colour change keeps it steady and lit.
    led.setBlink(false);
    led.setValue(true);
    led.setTrueColor(Qt::yellow);
    QVERIFY(!led.isBlinking());
    QVERIFY(!led.Blink());
    QCOMPARE(led.phase(), 0);
    QCOMPARE(led.litImage().pixelColor(8, 8), QColor(Qt::yellow));
}

void TestLed::intervalReachesRunningTimer()
{
    ThhALed led;
    led.setValue(true);
    QCOMPARE(led.blinkTimer()->interval(), 1000);
    QVERIFY(led.blinkTimer()->isActive());
    led.setInterval(250);
    QCOMPARE(led.Interval(), 250);
    QCOMPARE(led.blinkTimer()->interval(), 250);
    // A stopped LED keeps the value for its next blinking.
    led.setValue(false);
    QVERIFY(!led.blinkTimer());
    led.setInterval(300);
    led.setValue(true);
    QCOMPARE(led.blinkTimer()->interval(), 300);
    // No interval: the timer stands still instead of spinning.
    led.setInterval(0);
    QVERIFY(led.isBlinking());
    QVERIFY(!led.blinkTimer()->isActive());
}

void TestLed::blinksAtInterval()
{
    ThhALed led;
    led.setInterval(100);
    QSignalSpy ticks(&led, &ThhALed::OnTimer);
    QElapsedTimer clock;
    clock.start();
    led.setValue(true);
    QTRY_COMPARE_WITH_TIMEOUT(ticks.count(), 3, 5000);
    // Three half-periods of 100 ms: not sooner than 300 ms (timers may run
    // a little early on coarse clocks, hence the margin).
    QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
}

void TestLed::paintsCurrentPhase()
{
    QWidget window;
    window.resize(40, 40);
    auto *led = new ThhALed(&window);
    led->setTrueColor(Qt::red);
    led->setFalseColor(Qt::blue);
    QCOMPARE(led->grab().toImage().pixelColor(8, 8), QColor(Qt::blue));
    led->setBlink(false);
    led->setValue(true);
    QCOMPARE(led->grab().toImage().pixelColor(8, 8), QColor(Qt::red));

    // Stretched over a larger area, the face still fills the middle.
    led->resize(64, 64);
    const QImage big = led->grab().toImage();
    QCOMPARE(big.pixelColor(32, 32), QColor(Qt::red));
    QCOMPARE(big.pixelColor(0, 0), QColor(Qt::white));
}

void TestLed::styleChangeResizes()
{
    ThhALed led;
    led.setValue(true);
    led.setLEDStyle(LEDVertical);
    QCOMPARE(led.size(), QSize(16, 22));
    QCOMPARE(led.litImage().pixelColor(8, 11), Lime);
    QVERIFY(led.isBlinking());
    led.setBordered(false);
    QCOMPARE(led.litImage().pixelColor(0, 0), led.BorderColor());
    QVERIFY(led.isBlinking());
}

void TestLed::mouseSignals()
{
    QWidget window;
    window.resize(40, 40);
    auto *led = new ThhALed(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy enter(led, &ThhALed::OnMouseEnter);
    QSignalSpy leave(led, &ThhALed::OnMouseLeave);
    QSignalSpy click(led, &ThhALed::OnClick);

    QEnterEvent in(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
    QApplication::sendEvent(led, &in);
    QEvent out(QEvent::Leave);
    QApplication::sendEvent(led, &out);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(leave.count(), 1);

    QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(click.count(), 1);
    QTest::mouseClick(led, Qt::RightButton, {}, QPoint(8, 8));
    QCOMPARE(click.count(), 1);
    // Released outside: no click.
    QTest::mousePress(led, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(led, Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(click.count(), 1);
}

QTEST_MAIN(TestLed)
#include "tst_led.moc"
