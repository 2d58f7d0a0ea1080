#include "controls/Blinklbl.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The label's own flag, whatever its window's visibility.
static bool shown(const TBlinkLabel *label)
{
    return label->isVisibleTo(label->parentWidget());
}

class TestBlinkLabel : public QObject
{
    Q_OBJECT

private slots:
    void startsBlinkingAtDefaultSpeed();
    void zeroStaysVisibleAndStill();
    void zeroThenThousandBlinksOnceASecond();
    void negativeCountsAsZero();
    void sameValueChangesNothing();
    void newValueShowsAHiddenLabel();
    void hiddenLabelStartsBlinking();
    void blinksInsideHiddenWindow();
    void blinkingDisturbsNoLayoutOrFocus();
};

void TestBlinkLabel::startsBlinkingAtDefaultSpeed()
{
    QWidget window;
    auto *label = new TBlinkLabel("Hola", &window);
    QCOMPARE(label->Velocidad(), 400);
    QVERIFY(label->blinkTimer()->isActive());
    QCOMPARE(label->blinkTimer()->interval(), 400);
    QCOMPARE(label->text(), QString("Hola"));
}

void TestBlinkLabel::zeroStaysVisibleAndStill()
{
    QWidget window;
    auto *label = new TBlinkLabel("Sin parpadeo", &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    label->setVelocidad(0);
    QCOMPARE(label->Velocidad(), 0);
    QVERIFY(!label->blinkTimer()->isActive());
    QVERIFY(label->isVisible());
    // Several default periods later it has not moved.
    for (int i = 0; i < 8; ++i) {
        QTest::qWait(100);
        QVERIFY(label->isVisible());
    }
}

void TestBlinkLabel::zeroThenThousandBlinksOnceASecond()
{
    QWidget window;
    auto *label = new TBlinkLabel("Opción", &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    label->setVelocidad(0);
    label->setVelocidad(1000);
    QVERIFY(label->blinkTimer()->isActive());
    QCOMPARE(label->blinkTimer()->interval(), 1000);
    QVERIFY(label->isVisible());

    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(!label->isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    clock.restart();
    QTRY_VERIFY_WITH_TIMEOUT(label->isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
}

void TestBlinkLabel::negativeCountsAsZero()
{
    QWidget window;
    auto *label = new TBlinkLabel(&window);
    label->hide();
    label->setVelocidad(-250);
    QCOMPARE(label->Velocidad(), 0);
    QVERIFY(!label->blinkTimer()->isActive());
    QVERIFY(shown(label));
}

void TestBlinkLabel::sameValueChangesNothing()
{
    QWidget window;
    auto *label = new TBlinkLabel(&window);
    label->setVelocidad(0);
    label->hide();
    // Not a new value: the label is not shown, the timer stays off.
    label->setVelocidad(0);
    QVERIFY(!shown(label));
    QVERIFY(!label->blinkTimer()->isActive());
}

void TestBlinkLabel::newValueShowsAHiddenLabel()
{
    QWidget window;
    auto *label = new TBlinkLabel(&window);
    label->hide();
    label->setVelocidad(800);
    QVERIFY(shown(label));
    QVERIFY(label->blinkTimer()->isActive());
    QCOMPARE(label->blinkTimer()->interval(), 800);
}

void TestBlinkLabel::hiddenLabelStartsBlinking()
{
    // Whatever its first visibility, a blinking label alternates: a hidden
    // one shows itself at the first tick.
    QWidget window;
    auto *label = new TBlinkLabel("", &window);
    label->setVelocidad(30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    label->hide();
    QTRY_VERIFY_WITH_TIMEOUT(label->isVisible(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!label->isVisible(), 2000);
}

void TestBlinkLabel::blinksInsideHiddenWindow()
{
    // The window is never shown: the label still flips its own flag.
    QWidget window;
    auto *label = new TBlinkLabel("Aviso", &window);
    label->setVelocidad(30);
    QVERIFY(shown(label));
    QTRY_VERIFY_WITH_TIMEOUT(!shown(label), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(shown(label), 2000);
    QVERIFY(!window.isVisible());
    QVERIFY(!label->isVisible());
}

void TestBlinkLabel::blinkingDisturbsNoLayoutOrFocus()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *label = new TBlinkLabel("Parpadea", &window);
    auto *edit = new QLineEdit(&window);
    layout->addWidget(label);
    layout->addWidget(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    const QRect editPlace = edit->geometry();

    label->setVelocidad(30);
    QTRY_VERIFY_WITH_TIMEOUT(!label->isVisible(), 2000);
    QCOMPARE(edit->geometry(), editPlace);
    QVERIFY(edit->hasFocus());
    QTRY_VERIFY_WITH_TIMEOUT(label->isVisible(), 2000);
    QCOMPARE(edit->geometry(), editPlace);
    QVERIFY(edit->hasFocus());
}

QTEST_MAIN(TestBlinkLabel)
#include "tst_blinklabel.moc"
