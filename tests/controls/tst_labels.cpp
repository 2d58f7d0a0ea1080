// The labels: the blinking label, the 3-D label's layers and shadow, the
// highlight label's hover look and where the picture label draws.

#include "controls/Blinklbl.h"
#include "controls/HilightLabel.h"
#include "controls/ImagenPlus.h"
#include "controls/Mylabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(QList<TmyLabel3d::Layer>)

namespace {

// Smallest rectangle holding every pixel of the colour.
QRect boundsOf(const QImage &image, const QColor &colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

void hover(QWidget *widget, bool enter)
{
    const QPointF at(2, 2);
    QEnterEvent entering(at, at, widget->mapToGlobal(at));
    QEvent leaving(QEvent::Leave);
    QApplication::sendEvent(widget, enter ? static_cast<QEvent *>(&entering) : &leaving);
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT

private slots:
    // A new speed shows the label; a label in a window never shown blinks.
    void blink_data()
    {
        QTest::addColumn<int>("velocidad");
        QTest::addColumn<int>("kept");
        QTest::newRow("zero keeps it still") << 0 << 0;
        QTest::newRow("negative counts as zero") << -250 << 0;
        QTest::newRow("non-zero blinks") << 30 << 30;
    }
    void blink()
    {
        QFETCH(int, velocidad);
        QFETCH(int, kept);
        QWidget window;
        auto *label = new TBlinkLabel("Aviso", &window);
        label->setVelocidad(20);
        label->hide();
        label->setVelocidad(velocidad);
        QCOMPARE(label->Velocidad(), kept);
        QVERIFY(label->isVisibleTo(&window));
        if (kept == 0) {
            QTest::qWait(100);
            QVERIFY(label->isVisibleTo(&window));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!label->isVisibleTo(&window), 2000);
            QTRY_VERIFY_WITH_TIMEOUT(label->isVisibleTo(&window), 2000);
        }
    }

    void layers_data()
    {
        using Layer = TmyLabel3d::Layer;
        QTest::addColumn<TmyLabel3d::T3DEffect>("style");
        QTest::addColumn<QList<Layer>>("expected");
        const QColor shade(1, 2, 3);
        const QColor light(250, 240, 230);
        QTest::newRow("normal") << Normal3d << QList<Layer> {};
        QTest::newRow("raised") << Raised3d
                                << QList<Layer> { { QPoint(1, 1), shade },
                                       { QPoint(-1, -1), light } };
        QTest::newRow("sunken") << Resit3d
                                << QList<Layer> { { QPoint(1, 1), light },
                                       { QPoint(-1, -1), shade } };
        QTest::newRow("shadowed") << Shadowed3d << QList<Layer> { { QPoint(7, 3), shade } };
    }
    void layers()
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

    void shadowAndLeftTopLock()
    {
        // With the default offsets the shadow sticks out 5 pixels right and up.
        TmyLabel3d label("Caveto");
        label.resize(200, 80);
        label.setAlignment(Qt::AlignCenter);
        QFont font("Liberation Sans", 28, QFont::Bold);
        font.setStyleStrategy(QFont::NoAntialias);
        label.setFont(font);
        QPalette pal = label.palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label.setPalette(pal);
        label.setAStyle3D(Shadowed3d);
        label.setAShadeRightBottom(Qt::red);
        const QImage image = label.grab().toImage();
        const QRect text = boundsOf(image, Qt::black);
        const QRect shadow = boundsOf(image, Qt::red);
        QVERIFY(!text.isEmpty());
        QCOMPARE(shadow.right() - text.right(), 5);
        QCOMPARE(text.top() - shadow.top(), 5);
        QVERIFY(shadow.bottom() < text.bottom());

        // Locked, the left-top shade is white and refuses a new colour, and
        // locking twice keeps red aside.
        label.setAShadeLeftTop(Qt::red);
        label.setAShadeLTSet(true);
        label.setAShadeLeftTop(Qt::blue);
        QCOMPARE(label.AShadeLeftTop(), QColor(Qt::white));
        label.setAShadeLTSet(true);
        label.setAShadeLTSet(false);
        QCOMPARE(label.AShadeLeftTop(), QColor(Qt::red));
    }

    // Hovered, the label takes the highlight; left, it gets back the look it
    // had: colours per group, font style and cursor, or no cursor at all.
    void hilightRestoresWhatItHad()
    {
        QWidget window;
        auto *label = new THilightLabel("Morvent", &window);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Active, QPalette::WindowText, QColor(128, 0, 0));
        pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(90, 90, 90));
        label->setPalette(pal);
        QFont font = label->font();
        font.setWeight(QFont::DemiBold);
        font.setItalic(true);
        font.setStrikeOut(true);
        label->setFont(font);
        label->setCursor(Qt::IBeamCursor);

        hover(label, true);
        hover(label, true); // a second entry must not save the highlight
        QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(label->font().weight(), QFont::Bold);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        hover(label, false);
        const QPalette after = label->palette();
        QCOMPARE(after.color(QPalette::Active, QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(after.color(QPalette::Disabled, QPalette::WindowText), QColor(90, 90, 90));
        QCOMPARE(label->font(), font);
        QCOMPARE(label->cursor().shape(), Qt::IBeamCursor);

        label->unsetCursor();
        hover(label, true);
        hover(label, false);
        QVERIFY(!label->testAttribute(Qt::WA_SetCursor));
    }

    void picturePlacement()
    {
        TImagenPlus picture;
        QCOMPARE(picture.pictureRect(QSize(100, 100)), QRect());
        picture.setPicture(QImage(40, 30, QImage::Format_RGB32));
        QCOMPARE(picture.pictureRect(QSize(100, 100)), QRect(0, 0, 40, 30));
        picture.setCenter(true);
        QCOMPARE(picture.pictureRect(QSize(100, 100)), QRect(30, 35, 40, 30));
        picture.setStretch(true); // wins over Center
        QCOMPARE(picture.pictureRect(QSize(100, 100)), QRect(0, 0, 100, 100));
    }
};

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
