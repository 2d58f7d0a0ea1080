// The bottle photo window and the main window's LED, driven as a user
// drives them; the pictures are made here.

#include "Pictures.h"
#include "support/InWindow.h"
#include "support/RealDialogs.h"

#include "controls/ALed.h"
#include "controls/ImagenPlus.h"
#include "notes/Imagen.h"
#include "platform/StdDialogs.h"

#include <QLineEdit>

using caveto::Field;
using namespace testpictures;

namespace {

// A JPEG of `size` in the test's folder; its path.
QString jpeg(const CavetoFixture &f, const char *name, QSize size)
{
    const QString path = f.dir.filePath(QLatin1String(name));
    save(path, quadrants(size, "jpeg"));
    return path;
}

// Starts on a book of one wine with the photo at `photo`.
void startWith(CavetoFixture &f, const QString &photo)
{
    f.writeDataFile({ CavetoFixture::wineLine(QStringLiteral("Vino"), QStringLiteral("2016"),
        QStringLiteral("Toro"),
        { { Field::EFichero, QStringLiteral("1234567890123456") }, { Field::Imagen, photo } }) });
    f.start();
}

// The sizes under "Origen" and "Visible", whether the picture is shown, and
// the main window's LED: "off", "green" or "red".
QString state(TFormImagen *p, const TFormCavetoPas *w)
{
    const QColor c = w->Led->TrueColor();
    return p->Largo->text() + u'x' + p->Ancho->text() + u' ' + p->Largo2->text() + u'x'
        + p->Ancho2->text() + (p->Imagen->isVisibleTo(p) ? " shown " : " hidden ")
        + (!w->Led->Value()      ? QStringLiteral("off")
                : c == Qt::green ? QStringLiteral("green")
                : c == Qt::red   ? QStringLiteral("red")
                                 : c.name());
}

} // namespace

class TestPhoto : public QObject
{
    Q_OBJECT

private slots:
    // Pictures chosen while adding: one larger than the 200-pixel box is
    // stretched over it. A file that cannot be shown gives the loader's
    // message; its path is taken, while the sizes and the LED still tell of
    // the last picture.
    void choosingWhileAdding()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        caveto::StdDialogScript dialogs;
        dialogs.chooseFileNext(jpeg(f, "botella.jpg", QSize(640, 480)));
        const QString damaged = f.dir.filePath(QStringLiteral("rota.jpg"));
        const QByteArray whole = quadrants(QSize(640, 480), "jpeg");
        QVERIFY(save(damaged, whole.left(whole.size() / 3)));
        dialogs.chooseFileNext(damaged);
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        QStringList steps;
        QRect drawn;
        inNext<TFormImagen>(f, [&](TFormImagen *p) {
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << state(p, w);
            drawn = p->Imagen->pictureRect(p->Imagen->size());
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << p->FImagen->text() + u'|' + state(p, w);
            QTest::mouseClick(p->BCerrar, Qt::LeftButton);
        });
        QTest::mouseClick(w->BImagen, Qt::LeftButton);
        QCOMPARE(steps,
            QStringList(
                { "640x480 200x200 shown green", damaged + "|640x480 200x200 hidden green" }));
        QCOMPARE(drawn, QRect(0, 0, 200, 200));
        QCOMPARE(f.messageLines(),
            QStringList({ "Caveto  Error. | La imagen del fichero «rota.jpg» está dañada o "
                          "incompleta y no se puede mostrar." }));
        QCOMPARE(w->Imagen->text(), damaged);
    }

    // "&Borrar Imagen" drops the reference; "&Copiar Imagen" cancelled brings
    // the last picture back; the close box hands the path back. Deleting
    // shows the picture, but choosing and removing are not offered.
    void removeThenCancel_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("removed");
        QTest::newRow("MODI") << false << "|0x0 0x0 hidden off";
        QTest::newRow("BAJA") << true << "etiqueta.jpg|640x480 200x200 shown green";
    }
    void removeThenCancel()
    {
        QFETCH(bool, deleting);
        QFETCH(QString, removed);
        CavetoFixture f;
        const QString photo = jpeg(f, "etiqueta.jpg", QSize(640, 480));
        startWith(f, photo);
        TFormCavetoPas *w = f.window.get();
        caveto::StdDialogScript dialogs;
        dialogs.cancelFileNext();
        showRecord(f, deleting ? w->BMenuBaja : w->BMenuModi);
        QStringList steps;
        inNext<TFormImagen>(f, [&](TFormImagen *p) {
            QTest::mouseClick(p->BBorrar, Qt::LeftButton);
            steps << QFileInfo(p->FImagen->text()).fileName() + u'|' + state(p, w);
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << QFileInfo(p->FImagen->text()).fileName() + u'|' + state(p, w);
            QTest::mouseClick(p->BBorrar, Qt::LeftButton);
            p->close();
        });
        QTest::mouseClick(w->BImagen, Qt::LeftButton);
        QCOMPARE(steps, QStringList({ removed, "etiqueta.jpg|640x480 200x200 shown green" }));
        QCOMPARE(dialogs.fileDialogs.size(), deleting ? 0 : 1);
        QCOMPARE(w->Imagen->text(), deleting ? photo : QString());
    }

    // A missing file is reported when the window opens, its path shown in
    // the main window while the real message box is up.
    void missingFile()
    {
        CavetoFixture f;
        const QString missing = f.dir.filePath(QStringLiteral("perdida.jpg"));
        startWith(f, missing);
        TFormCavetoPas *w = f.window.get();
        showRecord(f, w->BMenuModi);
        f.script.reset(); // real windows from here on
        ModalRobot robot;
        bool pathShown = false;
        QString opened;
        robot.then([&](QWidget *box) {
            pathShown = w->Imagen->isVisible();
            static_cast<QDialog *>(box)->accept();
        });
        robot.then([&](QWidget *window) {
            auto *p = static_cast<TFormImagen *>(window);
            opened = p->FImagen->text() + u'|' + state(p, w);
            p->close();
        });
        QTest::mouseClick(w->BImagen, Qt::LeftButton);
        QCOMPARE(robot.seen.size(), 2);
        QCOMPARE(robot.seen[0].title + u'|' + robot.seen[0].text,
            QStringLiteral(
                "Caveto  Error.|No se puede mostrar la imagen desde el fichero especificado"));
        QVERIFY(pathShown && !w->Imagen->isVisible());
        QCOMPARE(opened, missing + QStringLiteral("|0x0 0x0 hidden red"));
        QCOMPARE(w->Imagen->text(), missing);
    }
};

QTEST_MAIN(TestPhoto)
#include "tst_photo.moc"
