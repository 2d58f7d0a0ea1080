#include "controls/GIFImage.h"

#include "GifWriter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);
const QColor Local(10, 20, 30);
const QColor Clear(0, 0, 0, 0);

// An 8 x 6 animation of four frames:
//  0: the whole canvas red, 20/100 s, kept;
//  1: a blue 3 x 2 patch at (2, 1) with one transparent pixel, 5/100 s,
//     then restored to what was there before it;
//  2: a yellow 2 x 2 patch at (4, 3), no delay, then restored to background;
//  3: one pixel at (0, 0) from its own colour map, no control extension.
QList<GifFrameSpec> fourFrames()
{
    return {
        { QRect(0, 0, 8, 6), QList<int>(48, 1), 20, DISPOSE_DO_NOT },
        { QRect(2, 1, 3, 2), { 2, 0, 2, 2, 2, 2 }, 5, DISPOSE_PREVIOUS, 0 },
        { QRect(4, 3, 2, 2), QList<int>(4, 3), 0, DISPOSE_BACKGROUND },
        { QRect(0, 0, 1, 1), { 1 }, 0, 0, NO_TRANSPARENT_COLOR, { White, Local }, false },
    };
}

const QList<QColor> Palette { White, Red, Blue, Yellow };

} // namespace

class TestGifImage : public QObject
{
    Q_OBJECT

private slots:
    void composesFrames();
    void overhangingFrameIsClipped();
    void delays_data();
    void delays();
    void badFiles_data();
    void badFiles();
    void loopOffComesToRest();
    void animateOffReturnsToFirstFrame();

private:
    QString writeFourFrames(const QString &name = "cuatro.gif");

    QTemporaryDir m_dir;
};

QString TestGifImage::writeFourFrames(const QString &name)
{
    // An empty name makes the load that follows fail.
    const QString path = m_dir.filePath(name);
    if (!m_dir.isValid() || !gifwriter::write(path, QSize(8, 6), Palette, fourFrames()))
        return QString();
    return path;
}

void TestGifImage::composesFrames()
{
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    QCOMPARE(gif.frameCount(), 4);
    QCOMPARE(gif.frame(3).size(), QSize(8, 6));
    QCOMPARE(gif.frame(0).pixelColor(7, 5), Red);

    // The patch lies over frame 0 at its place; its transparent pixel lets
    // red through.
    const QImage f1 = gif.frame(1);
    QCOMPARE(f1.pixelColor(1, 1), Red);
    QCOMPARE(f1.pixelColor(2, 1), Blue);
    QCOMPARE(f1.pixelColor(3, 1), Red);
    QCOMPARE(f1.pixelColor(4, 2), Blue);
    QCOMPARE(f1.pixelColor(5, 2), Red);

    // Frame 1 was taken away again (disposal 3): no blue under the yellow.
    const QImage f2 = gif.frame(2);
    QCOMPARE(f2.pixelColor(2, 1), Red);
    QCOMPARE(f2.pixelColor(4, 3), Yellow);
    QCOMPARE(f2.pixelColor(6, 4), Red);

    // Frame 2 left background (transparent) behind (disposal 2); frame 3
    // uses its own colour map.
    const QImage f3 = gif.frame(3);
    QCOMPARE(f3.pixelColor(0, 0), Local);
    QCOMPARE(f3.pixelColor(5, 4), Clear);
    QCOMPARE(f3.pixelColor(6, 4), Red);
}

void TestGifImage::overhangingFrameIsClipped()
{
    const GifFrameSpec f { QRect(2, 1, 4, 4), QList<int>(16, 2) };
    const QString path = m_dir.filePath("desborda.gif");
    QVERIFY(gifwriter::write(path, QSize(4, 3), Palette, { f }));

    // A single frame: nothing to animate.
    TGIFImage gif;
    gif.setAnimate(true);
    QVERIFY(gif.LoadFromFile(path));
    QVERIFY(!gif.isAnimating());
    const QImage image = gif.frame(0);
    QCOMPARE(image.size(), QSize(4, 3));
    QCOMPARE(image.pixelColor(3, 2), Blue);
    QCOMPARE(image.pixelColor(1, 1), Clear);
}

void TestGifImage::delays_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<QList<int>>("expected");
    // Stored delays: 20, 5, 0 and none; no delay shows for 100 ms.
    QTest::newRow("normal") << 100 << QList<int> { 200, 50, 100, 100 };
    QTest::newRow("double") << 200 << QList<int> { 100, 25, 50, 50 };
    QTest::newRow("zero counts as one") << 0 << QList<int> { 20000, 5000, 10000, 10000 };
    QTest::newRow("negative counts as one") << -40 << QList<int> { 20000, 5000, 10000, 10000 };
    QTest::newRow("never below 1 ms") << 100000 << QList<int> { 1, 1, 1, 1 };
}

void TestGifImage::delays()
{
    QFETCH(int, speed);
    QFETCH(QList<int>, expected);
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setSpeed(speed);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(gif.frameDelay(i), expected[i]);
    QCOMPARE(gif.frameDelay(4), 0);
}

// A file that is not there is refused and changes nothing; one that is
// there but does not decode is taken, with no frames.
void TestGifImage::badFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("found");
    QFile good(writeFourFrames("buena.gif"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray gif = good.readAll();
    QTest::newRow("missing") << "no-existe.gif" << QByteArray() << false;
    QTest::newRow("folder") << "" << QByteArray() << false;
    QTest::newRow("empty") << "mala.gif" << QByteArray("") << true;
    QTest::newRow("text") << "mala.gif" << QByteArray("esto no es un GIF\n") << true;
    QTest::newRow("cut in the middle") << "mala.gif" << gif.left(gif.size() / 2) << true;
    QByteArray huge = gif;
    huge.replace(6, 4, QByteArray(4, char(0xFF))); // a 65535 x 65535 canvas
    QTest::newRow("giant canvas") << "mala.gif" << huge << true;
}

void TestGifImage::badFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(bool, found);
    const QString path = m_dir.filePath(name);
    if (!contents.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    const QString good = writeFourFrames();
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(good));
    gif.setAnimate(true);
    QSignalSpy changing(&gif, &TGIFImage::OnChanging);
    QCOMPARE(gif.LoadFromFile(path), found);
    QCOMPARE(gif.FileName(), found ? path : good);
    QCOMPARE(gif.frameCount(), found ? 0 : 4);
    QCOMPARE(gif.isAnimating(), !found);
    QCOMPARE(changing.count(), found ? 1 : 0);
    QVERIFY(!gif.grab().isNull());
}

void TestGifImage::loopOffComesToRest()
{
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setSpeed(1000); // 20, 5, 10 and 10 ms
    gif.setAnimate(true);
    QVERIFY(gif.isAnimating());
    QTRY_VERIFY_WITH_TIMEOUT(!gif.isAnimating(), 5000);
    QCOMPARE(gif.CurrentFrame(), 3);
    QTest::qWait(100);
    QCOMPARE(gif.CurrentFrame(), 3);

    // Asked to repeat, it comes back round to the first frame.
    gif.setSpeed(200); // 100, 25, 50 and 50 ms
    gif.setLoop(true);
    QVERIFY(gif.isAnimating());
    QTRY_COMPARE_WITH_TIMEOUT(gif.CurrentFrame(), 0, 5000);
    QVERIFY(gif.isAnimating());
}

void TestGifImage::animateOffReturnsToFirstFrame()
{
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setAnimate(true);
    gif.setCurrentFrame(2);
    gif.setAnimate(false);
    QVERIFY(!gif.isAnimating());
    QCOMPARE(gif.CurrentFrame(), 0);
    QTest::qWait(150);
    QCOMPARE(gif.CurrentFrame(), 0);
}

QTEST_MAIN(TestGifImage)
#include "tst_gifimage.moc"
