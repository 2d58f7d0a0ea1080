// The animated GIF control: frames composed by the disposal rules, frame
// delays, damaged files and how an animation ends.

#include "controls/GIFImage.h"

#include "GifWriter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255), Yellow(255, 255, 0), Local(10, 20, 30);
const QColor Clear(0, 0, 0, 0);

} // namespace

class TestGifImage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // An 8 x 6 animation of four frames:
    //  0: the whole canvas red, 20/100 s, kept;
    //  1: a blue 3 x 2 patch at (2, 1) with one transparent pixel, 5/100 s,
    //     then restored to what was there before it;
    //  2: a yellow 2 x 2 patch at (4, 3), no delay, then restored to background;
    //  3: one pixel at (0, 0) from its own colour map, no control extension.
    QString fourFrames()
    {
        const QString path = m_dir.filePath("cuatro.gif");
        const bool written = gifwriter::write(path, QSize(8, 6), { Qt::white, Red, Blue, Yellow },
            { { QRect(0, 0, 8, 6), QList<int>(48, 1), 20, DISPOSE_DO_NOT },
                { QRect(2, 1, 3, 2), { 2, 0, 2, 2, 2, 2 }, 5, DISPOSE_PREVIOUS, 0 },
                { QRect(4, 3, 2, 2), QList<int>(4, 3), 0, DISPOSE_BACKGROUND },
                { QRect(0, 0, 1, 1), { 1 }, 0, 0, NO_TRANSPARENT_COLOR, { Qt::white, Local },
                    false } });
        return written ? path : QString();
    }

private slots:
    // Frame, pixel and the colour it shows.
    void composesFrames_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("canvas") << 0 << QPoint(7, 5) << Red;
        QTest::newRow("patch over the canvas") << 1 << QPoint(2, 1) << Blue;
        QTest::newRow("beside the patch") << 1 << QPoint(1, 1) << Red;
        QTest::newRow("transparent patch pixel") << 1 << QPoint(3, 1) << Red;
        QTest::newRow("patch restored to previous") << 2 << QPoint(2, 1) << Red;
        QTest::newRow("second patch") << 2 << QPoint(4, 3) << Yellow;
        QTest::newRow("restored to background") << 3 << QPoint(5, 4) << Clear;
        QTest::newRow("local colour map") << 3 << QPoint(0, 0) << Local;
    }
    void composesFrames()
    {
        QFETCH(int, frame);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        TGIFImage gif;
        QVERIFY(gif.LoadFromFile(fourFrames()));
        QCOMPARE(gif.frame(frame).pixelColor(pixel), colour);
    }

    void overhangingSingleFrameIsClippedAndStill()
    {
        const QString path = m_dir.filePath("desborda.gif");
        QVERIFY(gifwriter::write(path, QSize(4, 3), { Qt::white, Red, Blue },
            { { QRect(2, 1, 4, 4), QList<int>(16, 2) } }));
        TGIFImage gif;
        gif.setAnimate(true);
        QVERIFY(gif.LoadFromFile(path));
        QVERIFY(!gif.isAnimating());
        QCOMPARE(gif.frame(0).size(), QSize(4, 3));
        QCOMPARE(gif.frame(0).pixelColor(3, 2), Blue);
        QCOMPARE(gif.frame(0).pixelColor(1, 1), Clear);
    }

    void delays_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QList<int>>("expected");
        // Stored delays: 20, 5, 0 and none; no delay shows for 100 ms.
        QTest::newRow("normal") << 100 << QList<int> { 200, 50, 100, 100 };
        QTest::newRow("double") << 200 << QList<int> { 100, 25, 50, 50 };
        QTest::newRow("negative counts as one") << -40 << QList<int> { 20000, 5000, 10000, 10000 };
        QTest::newRow("never below 1 ms") << 100000 << QList<int> { 1, 1, 1, 1 };
    }
    void delays()
    {
        QFETCH(int, speed);
        QFETCH(QList<int>, expected);
        TGIFImage gif;
        QVERIFY(gif.LoadFromFile(fourFrames()));
        gif.setSpeed(speed);
        QCOMPARE((QList<int> { gif.frameDelay(0), gif.frameDelay(1), gif.frameDelay(2),
                     gif.frameDelay(3), gif.frameDelay(4) }),
            expected << 0);
    }

    // A file that is not there is refused and changes nothing; one that is
    // there but does not decode is taken, with no frames.
    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("found");
        QFile good(fourFrames());
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray gif = good.readAll();
        QByteArray huge = gif;
        huge.replace(6, 4, QByteArray(4, char(0xFF))); // a 65535 x 65535 canvas
        QTest::newRow("missing") << "no-existe.gif" << QByteArray() << false;
        QTest::newRow("folder") << "" << QByteArray() << false;
        QTest::newRow("text") << "mala.gif" << QByteArray("esto no es un GIF\n") << true;
        QTest::newRow("cut in the middle") << "mala.gif" << gif.left(gif.size() / 2) << true;
        QTest::newRow("giant canvas") << "mala.gif" << huge << true;
    }
    void badFiles()
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
        const QString good = fourFrames();
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

    // Played once, it rests on the last frame; asked to repeat, it comes
    // back round; stopped, it shows the first frame.
    void howAnimationsEnd()
    {
        TGIFImage gif;
        QVERIFY(gif.LoadFromFile(fourFrames()));
        gif.setSpeed(1000); // 20, 5, 10 and 10 ms
        gif.setAnimate(true);
        QVERIFY(gif.isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!gif.isAnimating(), 5000);
        QCOMPARE(gif.CurrentFrame(), 3);
        gif.setSpeed(200); // 100, 25, 50 and 50 ms
        gif.setLoop(true);
        QTRY_COMPARE_WITH_TIMEOUT(gif.CurrentFrame(), 0, 5000);
        QVERIFY(gif.isAnimating());
        gif.setCurrentFrame(2);
        gif.setAnimate(false);
        QVERIFY(!gif.isAnimating());
        QCOMPARE(gif.CurrentFrame(), 0);
    }
};

QTEST_MAIN(TestGifImage)
#include "tst_gifimage.moc"
