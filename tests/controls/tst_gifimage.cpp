#include "controls/GIFImage.h"

#include "GifWriter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);
const QColor Local(10, 20, 30);
const QColor Clear(0, 0, 0, 0);

QList<int> filled(int count, int index)
{
    return QList<int>(count, index);
}

// An 8 x 6 animation of four frames:
//  0: the whole canvas red, 20/100 s, kept;
//  1: a blue 3 x 2 patch at (2, 1) with one transparent pixel, 5/100 s,
//     then restored to what was there before it;
//  2: a yellow 2 x 2 patch at (4, 3), no delay, then restored to background;
//  3: one pixel at (0, 0) from its own colour map, no control extension.
QList<GifFrameSpec> fourFrames()
{
    GifFrameSpec f0;
    f0.width = 8;
    f0.height = 6;
    f0.pixels = filled(48, 1);
    f0.delayCs = 20;
    f0.disposal = DISPOSE_DO_NOT;

    GifFrameSpec f1;
    f1.left = 2;
    f1.top = 1;
    f1.width = 3;
    f1.height = 2;
    f1.pixels = { 2, 0, 2, 2, 2, 2 };
    f1.transparent = 0;
    f1.delayCs = 5;
    f1.disposal = DISPOSE_PREVIOUS;

    GifFrameSpec f2;
    f2.left = 4;
    f2.top = 3;
    f2.width = 2;
    f2.height = 2;
    f2.pixels = filled(4, 3);
    f2.delayCs = 0;
    f2.disposal = DISPOSE_BACKGROUND;

    GifFrameSpec f3;
    f3.width = 1;
    f3.height = 1;
    f3.pixels = { 1 };
    f3.localMap = { White, Local };
    f3.control = false;
    return { f0, f1, f2, f3 };
}

const QList<QColor> Palette { White, Red, Blue, Yellow };

} // namespace

class TestGifImage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaults();
    void composesFrames();
    void interlacedRowsComeInOrder();
    void framesAreClippedToTheCanvas();
    void delays_data();
    void delays();
    void missingFileChangesNothing();
    void undecodableFilesLoadNothing_data();
    void undecodableFilesLoadNothing();
    void changeSignalsSurroundTheLoad();
    void fileNameLoads();
    void autoSize();
    void loopOffRestsOnLastFrame();
    void loopOnRepeats();
    void animateOffReturnsToFirstFrame();
    void singleFrameDoesNotAnimate();
    void currentFrame();
    void placement();

private:
    QString writeFourFrames(const QString &name = "cuatro.gif");

    QTemporaryDir m_dir;
};

void TestGifImage::init()
{
    QVERIFY(m_dir.isValid());
}

QString TestGifImage::writeFourFrames(const QString &name)
{
    const QString path = m_dir.filePath(name);
    if (!gifwriter::write(path, QSize(8, 6), Palette, fourFrames()))
        return QString();
    return path;
}

void TestGifImage::defaults()
{
    TGIFImage gif;
    QCOMPARE(gif.size(), QSize(105, 105));
    QVERIFY(gif.FileName().isEmpty());
    QVERIFY(!gif.Animate());
    QVERIFY(!gif.Loop());
    QCOMPARE(gif.Speed(), 100);
    QVERIFY(!gif.AutoSize());
    QVERIFY(!gif.Center());
    QVERIFY(!gif.Stretch());
    QVERIFY(!gif.Tile());
    QCOMPARE(gif.CurrentFrame(), 0);
    QCOMPARE(gif.frameCount(), 0);
    QVERIFY(gif.frame(0).isNull());
    QCOMPARE(gif.frameDelay(0), 0);
    QVERIFY(!gif.isAnimating());
}

void TestGifImage::composesFrames()
{
    const QString path = writeFourFrames();
    QVERIFY(!path.isEmpty());
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(path));
    QCOMPARE(gif.frameCount(), 4);
    QCOMPARE(gif.pictureSize(), QSize(8, 6));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(gif.frame(i).size(), QSize(8, 6));

    const QImage f0 = gif.frame(0);
    QCOMPARE(f0.pixelColor(0, 0), Red);
    QCOMPARE(f0.pixelColor(7, 5), Red);

    // The patch lies over frame 0; its transparent pixel lets red through.
    const QImage f1 = gif.frame(1);
    QCOMPARE(f1.pixelColor(2, 1), Blue);
    QCOMPARE(f1.pixelColor(3, 1), Red);
    QCOMPARE(f1.pixelColor(4, 2), Blue);
    QCOMPARE(f1.pixelColor(5, 2), Red);
    QCOMPARE(f1.pixelColor(1, 1), Red);

    // Frame 1 was taken away again: no blue under the yellow patch.
    const QImage f2 = gif.frame(2);
    QCOMPARE(f2.pixelColor(2, 1), Red);
    QCOMPARE(f2.pixelColor(4, 2), Red);
    QCOMPARE(f2.pixelColor(4, 3), Yellow);
    QCOMPARE(f2.pixelColor(5, 4), Yellow);
    QCOMPARE(f2.pixelColor(6, 4), Red);

    // Frame 2 left background (transparent) behind; frame 3 uses its own map.
    const QImage f3 = gif.frame(3);
    QCOMPARE(f3.pixelColor(0, 0), Local);
    QCOMPARE(f3.pixelColor(4, 3), Clear);
    QCOMPARE(f3.pixelColor(5, 4), Clear);
    QCOMPARE(f3.pixelColor(6, 4), Red);
    QCOMPARE(f3.pixelColor(2, 1), Red);
}

void TestGifImage::interlacedRowsComeInOrder()
{
    GifFrameSpec f;
    f.width = 2;
    f.height = 10;
    for (int y = 0; y < 10; ++y)
        f.pixels << y % 4 << y % 4;
    f.interlaced = true;
    const QString path = m_dir.filePath("entrelazado.gif");
    QVERIFY(gifwriter::write(path, QSize(2, 10), Palette, { f }));

    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(path));
    QCOMPARE(gif.frameCount(), 1);
    for (int y = 0; y < 10; ++y)
        QCOMPARE(gif.frame(0).pixelColor(1, y), Palette[y % 4]);
}

void TestGifImage::framesAreClippedToTheCanvas()
{
    GifFrameSpec f;
    f.left = 2;
    f.top = 1;
    f.width = 4;
    f.height = 4;
    f.pixels = filled(16, 2);
    const QString path = m_dir.filePath("desborda.gif");
    QVERIFY(gifwriter::write(path, QSize(4, 3), Palette, { f }));

    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(path));
    QCOMPARE(gif.frameCount(), 1);
    const QImage image = gif.frame(0);
    QCOMPARE(image.size(), QSize(4, 3));
    QCOMPARE(image.pixelColor(3, 2), Blue);
    QCOMPARE(image.pixelColor(2, 1), Blue);
    QCOMPARE(image.pixelColor(1, 1), Clear);
    QCOMPARE(image.pixelColor(3, 0), Clear);
}

void TestGifImage::delays_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("speedKept");
    QTest::addColumn<QList<int>>("expected");
    // Stored delays: 20, 5, 0 and none; no delay shows for 100 ms.
    QTest::newRow("normal") << 100 << 100 << QList<int> { 200, 50, 100, 100 };
    QTest::newRow("double") << 200 << 200 << QList<int> { 100, 25, 50, 50 };
    QTest::newRow("half") << 50 << 50 << QList<int> { 400, 100, 200, 200 };
    QTest::newRow("zero counts as one") << 0 << 1 << QList<int> { 20000, 5000, 10000, 10000 };
    QTest::newRow("negative counts as one") << -40 << 1 << QList<int> { 20000, 5000, 10000, 10000 };
    QTest::newRow("never below 1 ms") << 100000 << 100000 << QList<int> { 1, 1, 1, 1 };
    QTest::newRow("odd speed") << 300 << 300 << QList<int> { 66, 16, 33, 33 };
}

void TestGifImage::delays()
{
    QFETCH(int, speed);
    QFETCH(int, speedKept);
    QFETCH(QList<int>, expected);
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setSpeed(speed);
    QCOMPARE(gif.Speed(), speedKept);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(gif.frameDelay(i), expected[i]);
    QCOMPARE(gif.frameDelay(4), 0);
    QCOMPARE(gif.frameDelay(-1), 0);
}

void TestGifImage::missingFileChangesNothing()
{
    TGIFImage gif;
    const QString path = writeFourFrames();
    QVERIFY(gif.LoadFromFile(path));
    gif.setCurrentFrame(2);
    QSignalSpy changing(&gif, &TGIFImage::OnChanging);

    QVERIFY(!gif.LoadFromFile(m_dir.filePath("no-existe.gif")));
    QVERIFY(!gif.LoadFromFile(m_dir.path())); // a folder is no picture file
    QVERIFY(!gif.LoadFromFile(QString()));
    QCOMPARE(gif.FileName(), path);
    QCOMPARE(gif.frameCount(), 4);
    QCOMPARE(gif.CurrentFrame(), 2);
    QCOMPARE(changing.count(), 0);
}

void TestGifImage::undecodableFilesLoadNothing_data()
{
    QTest::addColumn<QByteArray>("contents");
    QFile good(writeFourFrames("buena.gif"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray gif = good.readAll();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("esto no es un GIF\n");
    QTest::newRow("header only") << gif.left(13);
    QTest::newRow("cut in the middle") << gif.left(gif.size() / 2);
    QByteArray huge = gif;
    huge[6] = char(0xFF); // a 65535 x 65535 canvas
    huge[7] = char(0xFF);
    huge[8] = char(0xFF);
    huge[9] = char(0xFF);
    QTest::newRow("giant canvas") << huge;
}

void TestGifImage::undecodableFilesLoadNothing()
{
    QFETCH(QByteArray, contents);
    const QString path = m_dir.filePath("mala.gif");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();

    QWidget window;
    auto *gif = new TGIFImage(&window);
    QVERIFY(gif->LoadFromFile(writeFourFrames()));
    gif->setAnimate(true);
    QVERIFY(gif->isAnimating());

    // The file is there, so the load reports true, but nothing is shown.
    QVERIFY(gif->LoadFromFile(path));
    QCOMPARE(gif->FileName(), path);
    QCOMPARE(gif->frameCount(), 0);
    QCOMPARE(gif->CurrentFrame(), 0);
    QVERIFY(!gif->isAnimating());
    QVERIFY(gif->frame(0).isNull());
    gif->setCurrentFrame(3);
    QCOMPARE(gif->CurrentFrame(), 0);
    QVERIFY(!gif->grab().isNull());
}

void TestGifImage::changeSignalsSurroundTheLoad()
{
    TGIFImage gif;
    QStringList events;
    connect(&gif, &TGIFImage::OnChanging, this,
        [&] { events << QString("changing %1").arg(gif.frameCount()); });
    connect(&gif, &TGIFImage::OnChange, this,
        [&] { events << QString("change %1").arg(gif.frameCount()); });
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    QCOMPARE(events, QStringList({ "changing 0", "change 4" }));
}

void TestGifImage::fileNameLoads()
{
    TGIFImage gif;
    const QString path = writeFourFrames();
    gif.setFileName(path);
    QCOMPARE(gif.FileName(), path);
    QCOMPARE(gif.frameCount(), 4);
    gif.setFileName(m_dir.filePath("otra.gif"));
    QCOMPARE(gif.FileName(), path);
}

void TestGifImage::autoSize()
{
    TGIFImage gif;
    gif.setAutoSize(true);
    QCOMPARE(gif.size(), QSize(105, 105)); // nothing loaded yet
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    QCOMPARE(gif.size(), QSize(8, 6));

    TGIFImage fixed;
    QVERIFY(fixed.LoadFromFile(writeFourFrames()));
    QCOMPARE(fixed.size(), QSize(105, 105));
    fixed.setAutoSize(true);
    QCOMPARE(fixed.size(), QSize(8, 6));
}

void TestGifImage::loopOffRestsOnLastFrame()
{
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setSpeed(1000); // 20, 5, 10 and 10 ms
    QList<int> shown { gif.CurrentFrame() };
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (shown.last() != gif.CurrentFrame())
            shown << gif.CurrentFrame();
    });
    watch.start(1);
    gif.setAnimate(true);
    QVERIFY(gif.isAnimating());
    QTRY_VERIFY_WITH_TIMEOUT(!gif.isAnimating(), 5000);
    QCOMPARE(gif.CurrentFrame(), 3);
    QTest::qWait(100);
    QCOMPARE(gif.CurrentFrame(), 3);
    QVERIFY(!gif.isAnimating());
    QVERIFY(gif.Animate());
    // Played forward, once, never going back.
    QCOMPARE(shown.first(), 0);
    QCOMPARE(shown.last(), 3);
    for (int i = 1; i < shown.size(); ++i)
        QVERIFY(shown[i] > shown[i - 1]);
}

void TestGifImage::loopOnRepeats()
{
    // A repeating animation keeps coming back round, so polling sees each
    // frame sooner or later: 100, 25, 50 and 50 ms.
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setSpeed(200);
    gif.setLoop(true);
    gif.setAnimate(true);
    QTRY_COMPARE_WITH_TIMEOUT(gif.CurrentFrame(), 3, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(gif.CurrentFrame(), 0, 5000);
    QVERIFY(gif.isAnimating());

    // A played-out animation resumes when Loop is turned on.
    TGIFImage once;
    QVERIFY(once.LoadFromFile(writeFourFrames()));
    once.setSpeed(1000);
    once.setAnimate(true);
    QTRY_VERIFY_WITH_TIMEOUT(!once.isAnimating(), 5000);
    QCOMPARE(once.CurrentFrame(), 3);
    once.setLoop(true);
    QVERIFY(once.isAnimating());
    QTRY_VERIFY_WITH_TIMEOUT(once.CurrentFrame() < 3, 5000);
}

void TestGifImage::animateOffReturnsToFirstFrame()
{
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setAnimate(true);
    gif.setCurrentFrame(2);
    QVERIFY(gif.isAnimating());
    gif.setAnimate(false);
    QVERIFY(!gif.isAnimating());
    QCOMPARE(gif.CurrentFrame(), 0);
    QTest::qWait(150);
    QCOMPARE(gif.CurrentFrame(), 0);

    // Loading with Animate on starts playing from the first frame.
    gif.setAnimate(true);
    gif.setCurrentFrame(3);
    QVERIFY(gif.LoadFromFile(writeFourFrames("otra.gif")));
    QCOMPARE(gif.CurrentFrame(), 0);
    QVERIFY(gif.isAnimating());
}

void TestGifImage::singleFrameDoesNotAnimate()
{
    GifFrameSpec f;
    f.width = 2;
    f.height = 2;
    f.pixels = filled(4, 1);
    f.delayCs = 3;
    const QString path = m_dir.filePath("quieta.gif");
    QVERIFY(gifwriter::write(path, QSize(2, 2), Palette, { f }));
    TGIFImage gif;
    gif.setAnimate(true);
    QVERIFY(gif.LoadFromFile(path));
    QCOMPARE(gif.frameCount(), 1);
    QCOMPARE(gif.frameDelay(0), 30);
    QVERIFY(!gif.isAnimating());
    gif.setLoop(true);
    QVERIFY(!gif.isAnimating());
    QCOMPARE(gif.frame(0).pixelColor(1, 1), Red);
}

void TestGifImage::currentFrame()
{
    TGIFImage gif;
    QVERIFY(gif.LoadFromFile(writeFourFrames()));
    gif.setCurrentFrame(2);
    QCOMPARE(gif.CurrentFrame(), 2);
    gif.setCurrentFrame(9);
    QCOMPARE(gif.CurrentFrame(), 3);
    gif.setCurrentFrame(-2);
    QCOMPARE(gif.CurrentFrame(), 0);
}

void TestGifImage::placement()
{
    // The control sits on a white panel so transparent parts show white.
    QWidget panel;
    panel.resize(40, 40);
    panel.setAutoFillBackground(true);
    QPalette pal = panel.palette();
    pal.setColor(QPalette::Window, White);
    panel.setPalette(pal);
    auto *gif = new TGIFImage(&panel);
    gif->setGeometry(0, 0, 20, 20);
    QVERIFY(gif->LoadFromFile(writeFourFrames()));
    gif->setCurrentFrame(2); // red with yellow at (4..5, 3..4)

    QImage shot = panel.grab(gif->geometry()).toImage();
    QCOMPARE(shot.pixelColor(0, 0), Red);
    QCOMPARE(shot.pixelColor(4, 3), Yellow);
    QCOMPARE(shot.pixelColor(8, 0), White);
    QCOMPARE(shot.pixelColor(0, 6), White);

    gif->setCenter(true); // picture at (6, 7)
    shot = panel.grab(gif->geometry()).toImage();
    QCOMPARE(shot.pixelColor(5, 7), White);
    QCOMPARE(shot.pixelColor(6, 7), Red);
    QCOMPARE(shot.pixelColor(10, 10), Yellow);
    QCOMPARE(shot.pixelColor(13, 12), Red);
    QCOMPARE(shot.pixelColor(14, 13), White);

    gif->setTile(true); // wins over Center
    shot = panel.grab(gif->geometry()).toImage();
    QCOMPARE(shot.pixelColor(8, 0), Red);
    QCOMPARE(shot.pixelColor(12, 3), Yellow);
    QCOMPARE(shot.pixelColor(4, 9), Yellow);
    QCOMPARE(shot.pixelColor(19, 19), Red);

    gif->setStretch(true); // wins over both: 8 x 6 onto 16 x 12
    gif->resize(16, 12);
    shot = panel.grab(gif->geometry()).toImage();
    QCOMPARE(shot.pixelColor(0, 0), Red);
    QCOMPARE(shot.pixelColor(8, 6), Yellow);
    QCOMPARE(shot.pixelColor(11, 9), Yellow);
    QCOMPARE(shot.pixelColor(15, 11), Red);
}

QTEST_MAIN(TestGifImage)
#include "tst_gifimage.moc"
