#include "controls/HilightLabel.h"
#include "controls/ImagenPlus.h"
#include "controls/Mylabel.h"

#include "PaintCounter.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(QList<TmyLabel3d::Layer>)

namespace {

void enter(QWidget *widget, QPointF at = QPointF(2, 2))
{
    QEnterEvent event(at, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

void moveTo(QWidget *widget, QPointF at)
{
    QMouseEvent event(
        QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Smallest rectangle holding every pixel the test accepts.
template <typename Match> QRect boundsOf(const QImage &image, Match match)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT

private slots:
    // TmyLabel3d
    void label3dDefaults();
    void layers_data();
    void layers();
    void shadowIsFiveRightFiveUp();
    void raisedAndSunkenAreMirrored();
    void disabledCaptionIsGrey();
    void leftTopLock();
    void settersRedraw();
    void mouseOut();
    void accelerator();
    void opaqueLabelFillsItsArea();

    // THilightLabel
    void hilightDefaults();
    void fontStyles_data();
    void fontStyles();
    void enterHighlightsAndLeaveRestores();
    void restoresWhatCodeSetBeforeEntering();
    void settersTakeEffectAtNextEntry();
    void repeatedEnterKeepsSavedLook();
    void signalsComeAfterTheChange();

    // TImagenPlus
    void picturePlacement_data();
    void picturePlacement();
    void pictureAutoSize();
    void picturePainting();
};

void TestLabels::label3dDefaults()
{
    TmyLabel3d label;
    QCOMPARE(label.AStyle3D(), Normal3d);
    QCOMPARE(label.AShadeRightBottom(), QColor(128, 128, 128));
    QCOMPARE(label.AShadeLeftTop(), QColor(255, 255, 255));
    QCOMPARE(label.AHShadeOffSet(), 5);
    QCOMPARE(label.AVShadeOffSet(), -5);
    QVERIFY(!label.AShadeLTSet());
    QVERIFY(label.Transparent());
    QVERIFY(!label.autoFillBackground());
    QVERIFY(label.layers().isEmpty());
}

void TestLabels::layers_data()
{
    using Layer = TmyLabel3d::Layer;
    QTest::addColumn<TmyLabel3d::T3DEffect>("style");
    QTest::addColumn<QList<Layer>>("expected");
    const QColor shade(1, 2, 3);
    const QColor light(250, 240, 230);
    QTest::newRow("normal") << Normal3d << QList<Layer> {};
    QTest::newRow("raised") << Raised3d
                            << QList<Layer> { { QPoint(1, 1), shade }, { QPoint(-1, -1), light } };
    QTest::newRow("sunken") << Resit3d
                            << QList<Layer> { { QPoint(1, 1), light }, { QPoint(-1, -1), shade } };
    QTest::newRow("shadowed") << Shadowed3d << QList<Layer> { { QPoint(7, 3), shade } };
}

void TestLabels::layers()
{
    QFETCH(TmyLabel3d::T3DEffect, style);
    QFETCH(QList<TmyLabel3d::Layer>, expected);
    TmyLabel3d label;
    label.setAStyle3D(style);
    label.setAShadeRightBottom(QColor(1, 2, 3));
    label.setAShadeLeftTop(QColor(250, 240, 230));
    label.setAHShadeOffSet(7);
    label.setAVShadeOffSet(3);
    QCOMPARE(label.layers(), expected);
}

void TestLabels::shadowIsFiveRightFiveUp()
{
    QWidget window;
    window.resize(200, 80);
    auto *label = new TmyLabel3d("Caveto", &window);
    label->setGeometry(0, 0, 200, 80);
    label->setAlignment(Qt::AlignCenter);
    QFont font("Liberation Sans", 28, QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setAStyle3D(Shadowed3d);
    label->setAShadeRightBottom(Qt::red);
    QCOMPARE(label->layers().size(), 1);
    QCOMPARE(label->layers().first().offset, QPoint(5, -5));

    const QImage image = label->grab().toImage();
    const QRect text = boundsOf(image, [](const QColor &c) { return c == Qt::black; });
    const QRect shadow = boundsOf(image, [](const QColor &c) { return c == Qt::red; });
    QVERIFY(!text.isEmpty());
    QVERIFY(!shadow.isEmpty());
    // The shadow sticks out 5 pixels right and 5 up, and is hidden below.
    QCOMPARE(shadow.right() - text.right(), 5);
    QCOMPARE(text.top() - shadow.top(), 5);
    QVERIFY(shadow.bottom() < text.bottom());
    QVERIFY(shadow.left() > text.left());
}

void TestLabels::raisedAndSunkenAreMirrored()
{
    QWidget window;
    window.resize(200, 80);
    auto *label = new TmyLabel3d("Bodega", &window);
    label->setGeometry(0, 0, 200, 80);
    label->setAlignment(Qt::AlignCenter);
    QFont font("Liberation Sans", 24, QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setAShadeRightBottom(Qt::red);
    label->setAShadeLeftTop(Qt::blue);
    auto isRed = [](const QColor &c) { return c == Qt::red; };
    auto isBlue = [](const QColor &c) { return c == Qt::blue; };

    label->setAStyle3D(Raised3d);
    QImage image = label->grab().toImage();
    QRect red = boundsOf(image, isRed);
    QRect blue = boundsOf(image, isBlue);
    // Raised: the light edge up and left, the shade down and right.
    QVERIFY(blue.top() < red.top());
    QVERIFY(blue.left() < red.left());

    label->setAStyle3D(Resit3d);
    image = label->grab().toImage();
    red = boundsOf(image, isRed);
    blue = boundsOf(image, isBlue);
    QVERIFY(red.top() < blue.top());
    QVERIFY(red.left() < blue.left());
}

void TestLabels::disabledCaptionIsGrey()
{
    QWidget window;
    auto *label = new TmyLabel3d("Caveto", &window);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(128, 0, 0));
    label->setPalette(pal);
    QCOMPARE(label->captionColor(), QColor(128, 0, 0));
    label->setEnabled(false);
    QCOMPARE(label->captionColor(),
        QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    QVERIFY(label->captionColor() != QColor(128, 0, 0));
}

void TestLabels::leftTopLock()
{
    TmyLabel3d label;
    label.setAShadeLeftTop(Qt::red);
    label.setAShadeLTSet(true);
    QCOMPARE(label.AShadeLeftTop(), QColor(Qt::white));
    // Locked: a new colour is refused.
    label.setAShadeLeftTop(Qt::blue);
    QCOMPARE(label.AShadeLeftTop(), QColor(Qt::white));
    // Turning it on again must not put white aside in place of red.
    label.setAShadeLTSet(true);
    label.setAShadeLTSet(false);
    QCOMPARE(label.AShadeLeftTop(), QColor(Qt::red));
    label.setAShadeLTSet(false);
    QCOMPARE(label.AShadeLeftTop(), QColor(Qt::red));
    label.setAShadeLeftTop(Qt::green);
    QCOMPARE(label.AShadeLeftTop(), QColor(Qt::green));
}

void TestLabels::settersRedraw()
{
    QWidget window;
    window.resize(100, 40);
    auto *label = new TmyLabel3d("x", &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintCounter paints(label);
    paints.settle();

    label->setAStyle3D(Normal3d);
    label->setAHShadeOffSet(5);
    label->setAVShadeOffSet(-5);
    label->setAShadeRightBottom(QColor(128, 128, 128));
    label->setAShadeLeftTop(Qt::white);
    QCOMPARE(paints.settle(), 0);

    // The lock redraws even when it does not change.
    label->setAShadeLTSet(false);
    QVERIFY(paints.settle() > 0);

    label->setAStyle3D(Raised3d);
    QVERIFY(paints.settle() > 0);
    label->setAHShadeOffSet(2);
    QVERIFY(paints.settle() > 0);
    label->setAVShadeOffSet(2);
    QVERIFY(paints.settle() > 0);
    label->setAShadeRightBottom(Qt::black);
    QVERIFY(paints.settle() > 0);
    label->setAShadeLeftTop(Qt::yellow);
    QVERIFY(paints.settle() > 0);
}

void TestLabels::mouseOut()
{
    QWidget window;
    window.resize(200, 100);
    auto *label = new TmyLabel3d("Morvent Software", &window);
    label->setGeometry(10, 10, 120, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy out(label, &TmyLabel3d::OnMouseOut);

    // Nothing tracked yet: a leave raises nothing.
    leave(label);
    QCOMPARE(out.count(), 0);

    moveTo(label, QPointF(5, 5));
    moveTo(label, QPointF(120, 20)); // the far edge still counts as inside
    QCOMPARE(out.count(), 0);
    moveTo(label, QPointF(121, 5)); // a held button sends moves from outside
    QCOMPARE(out.count(), 1);
    // Tracking ended: the following leave does not raise it again.
    leave(label);
    QCOMPARE(out.count(), 1);

    moveTo(label, QPointF(3, 3));
    moveTo(label, QPointF(3, -1));
    QCOMPARE(out.count(), 2);

    enter(label);
    leave(label);
    QCOMPARE(out.count(), 3);
}

void TestLabels::accelerator()
{
    TmyLabel3d label;
    label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
    const int flags = label.textFlags();
    QVERIFY(flags & Qt::TextWordWrap);
    QVERIFY(flags & Qt::TextHideMnemonic);
    QVERIFY(!(flags & Qt::TextShowMnemonic));
    QCOMPARE(flags & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    QCOMPARE(flags & Qt::AlignVertical_Mask, int(Qt::AlignBottom));

    // "&&" draws as one "&": the caption "A&&B" is as wide as "A&B".
    QWidget window;
    auto *single = new TmyLabel3d("A&B", &window);
    auto *doubled = new TmyLabel3d("A&&B", &window);
    for (TmyLabel3d *l : { single, doubled }) {
        l->setGeometry(0, 0, 100, 40);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
    }
    auto dark = [](const QColor &c) { return c.value() < 100; };
    const QRect a = boundsOf(single->grab().toImage(), dark);
    const QRect b = boundsOf(doubled->grab().toImage(), dark);
    QVERIFY(!a.isEmpty());
    // "A&B" shows "AB", narrower than the "A&B" of "A&&B"; no underline
    // goes under the B, so neither caption has ink below its baseline.
    QVERIFY(b.width() > a.width());
    QCOMPARE(a.height(), b.height());
}

void TestLabels::opaqueLabelFillsItsArea()
{
    QWidget window;
    auto *label = new TmyLabel3d("", &window);
    label->resize(30, 10);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, QColor(31, 58, 88));
    label->setPalette(pal);
    label->setTransparent(false);
    QCOMPARE(label->grab().toImage().pixelColor(15, 5), QColor(31, 58, 88));
}

void TestLabels::hilightDefaults()
{
    THilightLabel label;
    QCOMPARE(label.HiLightColor(), QColor(0, 0, 128));
    QCOMPARE(label.HiLightStyle(), THilightLabel::fsBold | THilightLabel::fsUnderline);
    QCOMPARE(label.HiLightCursor(), Qt::PointingHandCursor);
    QVERIFY(!label.isHighlighted());
}

void TestLabels::fontStyles_data()
{
    QTest::addColumn<THilightLabel::TFontStyles>("styles");
    QTest::newRow("none") << THilightLabel::TFontStyles();
    QTest::newRow("bold") << THilightLabel::TFontStyles(THilightLabel::fsBold);
    QTest::newRow("italic, struck") << (THilightLabel::fsItalic | THilightLabel::fsStrikeOut);
    QTest::newRow("all") << (THilightLabel::fsBold | THilightLabel::fsItalic
        | THilightLabel::fsUnderline | THilightLabel::fsStrikeOut);
}

void TestLabels::fontStyles()
{
    QFETCH(THilightLabel::TFontStyles, styles);
    QFont start("Liberation Sans", 11);
    start.setBold(true);
    start.setItalic(true);
    start.setUnderline(true);
    start.setStrikeOut(true);
    const QFont styled = THilightLabel::withStyles(start, styles);
    QCOMPARE(THilightLabel::fontStyles(styled), styles);
    QCOMPARE(styled.pointSize(), 11);
    QCOMPARE(styled.family(), start.family());
}

void TestLabels::enterHighlightsAndLeaveRestores()
{
    QWidget window;
    auto *label = new THilightLabel("http://www.example.com", &window);
    const QColor before = label->palette().color(QPalette::WindowText);
    const QFont fontBefore = label->font();
    QVERIFY(!label->testAttribute(Qt::WA_SetCursor));
    QSignalSpy entered(label, &THilightLabel::OnMouseEnter);
    QSignalSpy left(label, &THilightLabel::OnMouseLeave);

    enter(label);
    QVERIFY(label->isHighlighted());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(label->font().bold());
    QVERIFY(label->font().underline());
    QVERIFY(!label->font().italic());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 0);

    leave(label);
    QVERIFY(!label->isHighlighted());
    QCOMPARE(label->palette().color(QPalette::WindowText), before);
    QCOMPARE(label->font().bold(), fontBefore.bold());
    QCOMPARE(label->font().underline(), fontBefore.underline());
    // It had no cursor of its own, and has none again.
    QVERIFY(!label->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(left.count(), 1);

    // A stray leave changes nothing.
    leave(label);
    QCOMPARE(left.count(), 1);
}

void TestLabels::restoresWhatCodeSetBeforeEntering()
{
    QWidget window;
    auto *label = new THilightLabel("Morvent", &window);
    enter(label);
    leave(label);

    // Changed by code while the mouse was away.
    QPalette pal = label->palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, QColor(128, 0, 0));
    pal.setColor(QPalette::Inactive, QPalette::WindowText, QColor(100, 0, 0));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(90, 90, 90));
    label->setPalette(pal);
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setUnderline(false);
    font.setStrikeOut(true);
    label->setFont(font);
    label->setCursor(Qt::IBeamCursor);

    enter(label);
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(label->font().weight(), QFont::Bold);
    QVERIFY(!label->font().italic());
    QVERIFY(!label->font().strikeOut());

    leave(label);
    const QPalette after = label->palette();
    QCOMPARE(after.color(QPalette::Active, QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(after.color(QPalette::Inactive, QPalette::WindowText), QColor(100, 0, 0));
    QCOMPARE(after.color(QPalette::Disabled, QPalette::WindowText), QColor(90, 90, 90));
    QCOMPARE(label->font().weight(), QFont::DemiBold);
    QVERIFY(label->font().italic());
    QVERIFY(!label->font().underline());
    QVERIFY(label->font().strikeOut());
    QVERIFY(label->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(label->cursor().shape(), Qt::IBeamCursor);
}

void TestLabels::settersTakeEffectAtNextEntry()
{
    QWidget window;
    auto *label = new THilightLabel("enlace", &window);
    enter(label);
    label->setHiLightColor(Qt::red);
    label->setHiLightStyle(THilightLabel::fsItalic);
    label->setHiLightCursor(Qt::CrossCursor);
    // Stored only: the label keeps the look it took on entering.
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(label->font().bold());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    leave(label);

    enter(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(label->font().italic());
    QVERIFY(!label->font().bold());
    QVERIFY(!label->font().underline());
    QCOMPARE(label->cursor().shape(), Qt::CrossCursor);
    leave(label);
}

void TestLabels::repeatedEnterKeepsSavedLook()
{
    QWidget window;
    auto *label = new THilightLabel("enlace", &window);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 100, 0));
    label->setPalette(pal);
    QSignalSpy entered(label, &THilightLabel::OnMouseEnter);
    enter(label);
    enter(label);
    QCOMPARE(entered.count(), 1);
    leave(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 100, 0));
    QVERIFY(!label->font().bold());
}

void TestLabels::signalsComeAfterTheChange()
{
    QWidget window;
    auto *label = new THilightLabel("enlace", &window);
    QColor atEnter, atLeave;
    connect(label, &THilightLabel::OnMouseEnter, this,
        [&] { atEnter = label->palette().color(QPalette::WindowText); });
    connect(label, &THilightLabel::OnMouseLeave, this,
        [&] { atLeave = label->palette().color(QPalette::WindowText); });
    const QColor before = label->palette().color(QPalette::WindowText);
    enter(label);
    leave(label);
    QCOMPARE(atEnter, QColor(0, 0, 128));
    QCOMPARE(atLeave, before);
}

void TestLabels::picturePlacement_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("top left") << false << false << QRect(0, 0, 40, 30);
    QTest::newRow("centred") << false << true << QRect(30, 35, 40, 30);
    QTest::newRow("stretched") << true << false << QRect(0, 0, 100, 100);
    QTest::newRow("stretched wins") << true << true << QRect(0, 0, 100, 100);
}

void TestLabels::picturePlacement()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QRect, expected);
    TImagenPlus picture;
    QCOMPARE(picture.pictureRect(QSize(100, 100)), QRect());
    picture.setPicture(QImage(40, 30, QImage::Format_RGB32));
    picture.setStretch(stretch);
    picture.setCenter(center);
    QCOMPARE(picture.pictureRect(QSize(100, 100)), expected);
}

void TestLabels::pictureAutoSize()
{
    TImagenPlus picture;
    picture.resize(200, 200);
    picture.setIncrementalDisplay(true);
    QVERIFY(picture.IncrementalDisplay());
    picture.setPicture(QImage(40, 30, QImage::Format_RGB32));
    QCOMPARE(picture.size(), QSize(200, 200));
    picture.setAutoSize(true);
    QCOMPARE(picture.size(), QSize(40, 30));
    picture.setPicture(QImage(12, 16, QImage::Format_RGB32));
    QCOMPARE(picture.size(), QSize(12, 16));
    QCOMPARE(picture.Picture().size(), QSize(12, 16));
}

void TestLabels::picturePainting()
{
    QWidget window;
    auto *picture = new TImagenPlus(&window);
    picture->resize(10, 10);
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    picture->setPicture(red);
    picture->setCenter(true);
    QImage shot = picture->grab().toImage();
    QCOMPARE(shot.pixelColor(3, 3), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(6, 6), QColor(Qt::red));
    QVERIFY(shot.pixelColor(2, 2) != QColor(Qt::red));
    QVERIFY(shot.pixelColor(7, 7) != QColor(Qt::red));

    picture->setStretch(true);
    shot = picture->grab().toImage();
    QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(9, 9), QColor(Qt::red));
}

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
