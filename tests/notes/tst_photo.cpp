// The bottle photo window and the main window's LED, driven as a user
// drives them; the pictures are made here.

#include "Pictures.h"
#include "support/InWindow.h"
#include "support/RealDialogs.h"

#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "controls/ImagenPlus.h"
#include "notes/Imagen.h"
#include "platform/StdDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using caveto::Field;
using namespace testpictures;

namespace {

QString wineWithPhoto(const QString &name, const QString &photo)
{
    return CavetoFixture::wineLine(name, QStringLiteral("2016"), QStringLiteral("Ribera del Duero"),
        { { Field::EFichero, QStringLiteral("1234567890123456") }, { Field::Imagen, photo } });
}

QString jpeg(const CavetoFixture &f, const QString &name, QSize size)
{
    const QString path = f.dir.filePath(name);
    save(path, quadrants(size, "jpeg"));
    return path;
}

// The LED beside "&Ver Foto": "off", "green" or "red".
QString led(const TFormCavetoPas *w)
{
    const QColor c = w->Led->TrueColor();
    return !w->Led->Value()      ? QStringLiteral("off")
        : c == QColor(Qt::green) ? QStringLiteral("green")
        : c == QColor(Qt::red)   ? QStringLiteral("red")
                                 : c.name();
}

// The sizes under "Origen" and "Visible", whether the picture is shown, and
// the main window's LED.
QString state(TFormImagen *p, const TFormCavetoPas *w)
{
    return p->Largo->text() + u'x' + p->Ancho->text() + u' ' + p->Largo2->text() + u'x'
        + p->Ancho2->text()
        + (p->Imagen->isVisibleTo(p) ? QLatin1String(" shown ") : QLatin1String(" hidden "))
        + led(w);
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
        dialogs.chooseFileNext(jpeg(f, QStringLiteral("botella.jpg"), QSize(640, 480)));
        const QByteArray whole = quadrants(QSize(640, 480), "jpeg");
        const QString damaged = f.dir.filePath(QStringLiteral("rota.jpg"));
        QVERIFY(save(damaged, whole.left(whole.size() / 3)));
        dialogs.chooseFileNext(damaged);
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("Vega Sicilia"));
        QStringList steps;
        QRect drawn;
        inNext<TFormImagen>(f, [&](TFormImagen *p) {
            steps << w->LOpcionAbierta->text() + u'|' + p->POpcion->text() + u'|'
                    + p->PNombreVino->text()
                  << state(p, w);
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << state(p, w);
            drawn = p->Imagen->pictureRect(p->Imagen->size());
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << p->FImagen->text() + u'|' + state(p, w);
            QTest::mouseClick(p->BCerrar, Qt::LeftButton);
        });
        QTest::mouseClick(w->BImagen, Qt::LeftButton);
        QCOMPARE(steps,
            QStringList({ "Opción Ver Foto|Alta|Vega Sicilia", "0x0 0x0 hidden off",
                "640x480 200x200 shown green", damaged + "|640x480 200x200 hidden green" }));
        QCOMPARE(drawn, QRect(0, 0, 200, 200));
        QCOMPARE(f.messageLines(),
            QStringList({ "Caveto  Error. | La imagen del fichero «rota.jpg» está dañada o "
                          "incompleta y no se puede mostrar." }));
        QCOMPARE(w->Imagen->text(), damaged);
        QCOMPARE(w->LOpcionAbierta->text(), QString());
        QCOMPARE(w->focusWidget(), w->NombreVino);
    }

    // "&Borrar Imagen" drops the reference; "&Copiar Imagen" cancelled brings
    // the last picture back. The picture file itself is never touched, even
    // when the record is stored without it.
    void removeThenCancel()
    {
        CavetoFixture f;
        const QString photo = jpeg(f, QStringLiteral("etiqueta.jpg"), QSize(640, 480));
        const QByteArray original = CavetoFixture::readFile(photo);
        f.writeDataFile({ wineWithPhoto(QStringLiteral("Pesquera"), photo) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        caveto::StdDialogScript dialogs;
        dialogs.cancelFileNext();
        showRecord(f, w->BMenuModi);
        QStringList steps { led(w) };
        inNext<TFormImagen>(f, [&](TFormImagen *p) {
            steps << state(p, w);
            QTest::mouseClick(p->BBorrar, Qt::LeftButton);
            steps << p->FImagen->text() + u'|' + state(p, w);
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << QLatin1String(p->FImagen->text() == photo ? "back|" : "lost|") + state(p, w);
            QTest::mouseClick(p->BBorrar, Qt::LeftButton);
            p->close(); // the close box hands the path back too
        });
        QTest::mouseClick(w->BImagen, Qt::LeftButton);
        QCOMPARE(steps,
            QStringList({ "green", "640x480 200x200 shown green", "|0x0 0x0 hidden off",
                "back|640x480 200x200 shown green" }));
        QCOMPARE(dialogs.fileDialogs.first().startFile, photo);
        QCOMPARE(w->Imagen->text(), QString());
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QCOMPARE(
            caveto::trimBlanks(caveto::cutField(f.fileLines().value(0), Field::Imagen)), QString());
        QCOMPARE(CavetoFixture::readFile(photo), original);
    }

    // Consulting or deleting shows the picture; choosing and removing are
    // not offered.
    void readOnlyModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("CONS") << "Consulta";
        QTest::newRow("BAJA") << "Baja";
    }
    void readOnlyModes()
    {
        QFETCH(QString, mode);
        CavetoFixture f;
        const QString photo = jpeg(f, QStringLiteral("botella.jpg"), QSize(150, 120));
        f.writeDataFile({ wineWithPhoto(QStringLiteral("Pesquera"), photo) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        showRecord(f, mode == QLatin1String("Consulta") ? w->BMenuCons : w->BMenuBaja);
        inNext<TFormImagen>(f, [&](TFormImagen *p) {
            QCOMPARE(p->POpcion->text(), mode);
            QVERIFY(!p->BCapturar->isEnabled() && !p->BBorrar->isEnabled());
            QCOMPARE(state(p, w), QStringLiteral("150x120 150x120 shown green"));
            QTest::mouseClick(p->BCerrar, Qt::LeftButton);
        });
        QTest::mouseClick(w->BImagen, Qt::LeftButton);
        QCOMPARE(w->Imagen->text(), photo);
        QCOMPARE(w->focusWidget(), w->Csalida);
    }

    // The LED of the record shown: off without a path, green for a file
    // that is there, red for one that is not.
    void ledOfShownRecord()
    {
        CavetoFixture f;
        f.writeDataFile({ wineWithPhoto(QStringLiteral("A sin foto"), QString()),
            wineWithPhoto(
                QStringLiteral("B con foto"), jpeg(f, QStringLiteral("b.jpg"), QSize(20, 20))),
            wineWithPhoto(
                QStringLiteral("C foto perdida"), f.dir.filePath(QStringLiteral("c.jpg"))) });
        f.start();
        QStringList shown;
        for (int row = 0; row < 3; ++row) {
            showRecord(f, f.window->BMenuCons, row);
            shown << led(f.window.get());
            QTest::mouseClick(f.window->BMenu, Qt::LeftButton);
        }
        QCOMPARE(shown, QStringList({ "off", "green", "red" }));
    }

    // A missing file is reported when the window opens, its path shown in
    // the main window while the real message box is up.
    void missingFile()
    {
        CavetoFixture f;
        const QString missing = f.dir.filePath(QStringLiteral("perdida.jpg"));
        f.writeDataFile({ wineWithPhoto(QStringLiteral("Pesquera"), missing) });
        f.start();
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
        QVERIFY(pathShown);
        QVERIFY(!w->Imagen->isVisible());
        QCOMPARE(opened, missing + QStringLiteral("|0x0 0x0 hidden red"));
        QCOMPARE(w->Imagen->text(), missing);
    }
};

QTEST_MAIN(TestPhoto)
#include "tst_photo.moc"
