// The bottle photo window and the main window's LED, driven as a user
// drives them; the pictures are made here.

#include "Pictures.h"
#include "support/CavetoFixture.h"
#include "support/RealDialogs.h"

#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "controls/ImagenPlus.h"
#include "notes/Imagen.h"
#include "platform/StdDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <functional>

using caveto::Field;
using namespace testpictures;

namespace {

QString recordLine(const QString &name, const QString &photo)
{
    caveto::CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = QStringLiteral("2016");
    r[Field::DenoOrigen] = QStringLiteral("Ribera del Duero");
    r[Field::EFichero] = QStringLiteral("1234567890123456");
    r[Field::Imagen] = photo;
    r.pad();
    return r.buildLine();
}

QString jpeg(const CavetoFixture &f, const QString &name, QSize size)
{
    const QString path = f.dir.filePath(name);
    save(path, encode(quadrants(size.width(), size.height()), "jpeg"));
    return path;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the LED beside "&Ver Foto" shows: "off", "green" or "red".
QString led(const TFormCavetoPas *w)
{
    if (!w->Led->Value())
        return QStringLiteral("off");
    if (w->Led->TrueColor() == QColor(0, 255, 0))
        return QStringLiteral("green");
    if (w->Led->TrueColor() == QColor(255, 0, 0))
        return QStringLiteral("red");
    return w->Led->TrueColor().name();
}

QString sizes(const TFormImagen *p)
{
    return p->Largo->text() + u'x' + p->Ancho->text() + u' ' + p->Largo2->text() + u'x'
        + p->Ancho2->text();
}

// Opens the photo window with "&Ver Foto" and runs `body` in it; a window
// the body leaves open is then closed by its close box.
void inPhoto(CavetoFixture &f, std::function<void(TFormImagen *)> body)
{
    f.script->onNext(QStringLiteral("TFormImagen"), [body](QDialog *d) {
        auto *photo = static_cast<TFormImagen *>(d);
        body(photo);
        if (photo->isVisible())
            photo->close();
    });
    QTest::mouseClick(f.window->BImagen, Qt::LeftButton);
}

void showWine(CavetoFixture &f, QToolButton *modeButton, int row)
{
    QTest::mouseClick(modeButton, Qt::LeftButton);
    f.window->Csalida->setCurrentIndex(row);
    moveFocus(f.window->BMenu);
    moveFocus(f.window->Csalida);
    QVERIFY(f.window->recordSelected());
}

} // namespace

class TestPhoto : public QObject
{
    Q_OBJECT

private slots:
    // A picture chosen while adding: its own size in "Origen", the size it
    // is shown at in "Visible", stretched once a side passes 200 pixels.
    void chosenPicture_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<bool>("stretched");
        QTest::newRow("150x120") << QSize(150, 120) << "150x120 150x120" << false;
        QTest::newRow("640x480") << QSize(640, 480) << "640x480 200x200" << true;
        QTest::newRow("200x300") << QSize(200, 300) << "200x300 200x200" << true;
    }
    void chosenPicture()
    {
        QFETCH(QSize, size);
        CavetoFixture f;
        f.start();
        caveto::StdDialogScript dialogs;
        const QString photo = jpeg(f, QStringLiteral("botella.jpg"), size);
        dialogs.chooseFileNext(photo);
        QTest::mouseClick(f.window->BMenuAlta, Qt::LeftButton);
        typeInto(f.window->NombreVino, QStringLiteral("Vega Sicilia"));
        QString shownSizes, mode, ledWhileOpen, caption;
        bool stretched = false, visible = false;
        QRect drawn;
        inPhoto(f, [&](TFormImagen *p) {
            caption = f.window->LOpcionAbierta->text();
            mode = p->POpcion->text();
            QCOMPARE(p->PNombreVino->text(), QStringLiteral("Vega Sicilia"));
            QCOMPARE(sizes(p), QStringLiteral("0x0 0x0"));
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            shownSizes = sizes(p);
            stretched = p->Imagen->Stretch();
            visible = p->Imagen->isVisibleTo(p);
            drawn = p->Imagen->pictureRect(p->Imagen->size());
            ledWhileOpen = led(f.window.get());
            QCOMPARE(p->FImagen->text(), photo);
            QTest::mouseClick(p->BCerrar, Qt::LeftButton);
        });
        QCOMPARE(caption, QStringLiteral("Opción Ver Foto"));
        QCOMPARE(mode, QStringLiteral("Alta"));
        QTEST(shownSizes, "boxes");
        QTEST(stretched, "stretched");
        QVERIFY(visible);
        QCOMPARE(drawn,
            stretched ? QRect(0, 0, 200, 200)
                      : QRect(QPoint((200 - size.width()) / 2, (200 - size.height()) / 2), size));
        QCOMPARE(ledWhileOpen, QStringLiteral("green"));
        QCOMPARE(f.window->Imagen->text(), photo);
        QCOMPARE(f.window->LOpcionAbierta->text(), QString());
        QCOMPARE(f.window->focusWidget(), f.window->NombreVino);

        // The dialog offers the seven rows in order, then today's pictures.
        QCOMPARE(dialogs.fileDialogs.size(), 1);
        const QList<caveto::FileFilter> rows = dialogs.fileDialogs.first().filters;
        QStringList descriptions;
        for (const caveto::FileFilter &r : rows)
            descriptions << r.description + u'|' + r.patterns;
        QCOMPARE(descriptions.mid(0, 7),
            QStringList(
                { "Todos "
                  "(*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf",
                    "JPEG Image File (*.jpg)|*.jpg", "JPEG Image File (*.jpeg)|*.jpeg",
                    "Bitmaps (*.bmp)|*.bmp", "Icons (*.ico)|*.ico",
                    "Enhanced Metafiles (*.emf)|*.emf", "Metafiles (*.wmf)|*.wmf" }));
        QCOMPARE(rows.size(), 8);
        QVERIFY(rows.last().patterns.startsWith(QStringLiteral("*.png;*.gif")));
    }

    // "&Borrar Imagen" drops the reference; "&Copiar Imagen" cancelled brings
    // the last picture back. The picture file itself is never touched, even
    // when the record is stored without it.
    void removeThenCancel()
    {
        CavetoFixture f;
        const QString photo = jpeg(f, QStringLiteral("etiqueta.jpg"), QSize(640, 480));
        const QByteArray original = bytesOf(photo);
        f.writeDataFile({ recordLine(QStringLiteral("Pesquera"), photo) });
        f.start();
        caveto::StdDialogScript dialogs;
        dialogs.cancelFileNext();
        showWine(f, f.window->BMenuModi, 0);
        QCOMPARE(led(f.window.get()), QStringLiteral("green"));
        QStringList steps;
        inPhoto(f, [&](TFormImagen *p) {
            QCOMPARE(p->BCerrar->text(), QStringLiteral("&Fin Captura"));
            steps << sizes(p) + u' ' + led(f.window.get());
            QTest::mouseClick(p->BBorrar, Qt::LeftButton);
            steps << p->FImagen->text() + u'|' + sizes(p) + u' ' + led(f.window.get())
                    + (p->Imagen->isVisibleTo(p) ? " shown" : " hidden");
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            steps << (p->FImagen->text() == photo ? "back" : p->FImagen->text()) + u'|' + sizes(p)
                    + u' ' + led(f.window.get())
                    + (p->Imagen->isVisibleTo(p) ? " shown" : " hidden");
            QTest::mouseClick(p->BBorrar, Qt::LeftButton);
        });
        QCOMPARE(steps,
            QStringList({ "640x480 200x200 green", "|0x0 0x0 off hidden",
                "back|640x480 200x200 green shown" }));
        QCOMPARE(dialogs.fileDialogs.first().startFile, photo);
        // Closed by its close box, the window still hands the path back.
        QCOMPARE(f.window->Imagen->text(), QString());
        QTest::mouseClick(f.window->BModifica, Qt::LeftButton);
        QCOMPARE(
            caveto::trimBlanks(caveto::cutField(f.fileLines().value(0), Field::Imagen)), QString());
        QCOMPARE(bytesOf(photo), original);
    }

    // Consulting shows the picture; choosing and removing are not offered.
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
        f.writeDataFile({ recordLine(QStringLiteral("Pesquera"), photo) });
        f.start();
        showWine(
            f, mode == QLatin1String("Consulta") ? f.window->BMenuCons : f.window->BMenuBaja, 0);
        inPhoto(f, [&](TFormImagen *p) {
            QCOMPARE(p->POpcion->text(), mode);
            QCOMPARE(p->BCerrar->text(), QStringLiteral("C&errar Captura"));
            QVERIFY(!p->BCapturar->isEnabled());
            QVERIFY(!p->BBorrar->isEnabled());
            QVERIFY(p->Imagen->isVisibleTo(p));
            QCOMPARE(sizes(p), QStringLiteral("150x120 150x120"));
            QTest::mouseClick(p->BCerrar, Qt::LeftButton);
        });
        QCOMPARE(f.window->Imagen->text(), photo);
        QCOMPARE(f.window->focusWidget(), f.window->Csalida);
    }

    // The LED of the record shown: off without a path, green for a file
    // that is there, red for one that is not.
    void ledOfShownRecord()
    {
        CavetoFixture f;
        const QString photo = jpeg(f, QStringLiteral("botella.jpg"), QSize(20, 20));
        f.writeDataFile({ recordLine(QStringLiteral("A sin foto"), QString()),
            recordLine(QStringLiteral("B con foto"), photo),
            recordLine(
                QStringLiteral("C foto perdida"), f.dir.filePath(QStringLiteral("no.jpg"))) });
        f.start();
        QStringList shown;
        for (int row = 0; row < 3; ++row) {
            showWine(f, f.window->BMenuCons, row);
            shown << led(f.window.get());
            QTest::mouseClick(f.window->BMenu, Qt::LeftButton);
        }
        QCOMPARE(shown, QStringList({ "off", "green", "red" }));
    }

    // A missing file is reported when the window opens, with its path shown
    // in the main window meanwhile; a real message box is answered here.
    void missingFile()
    {
        CavetoFixture f;
        const QString missing = f.dir.filePath(QStringLiteral("perdida.jpg"));
        f.writeDataFile({ recordLine(QStringLiteral("Pesquera"), missing) });
        f.start();
        showWine(f, f.window->BMenuModi, 0);
        f.script.reset(); // real windows from here on

        ModalRobot robot;
        QRect pathShownAt;
        bool pathVisible = false;
        robot.then([&](QWidget *box) {
            pathVisible = f.window->Imagen->isVisible();
            pathShownAt = f.window->Imagen->geometry();
            static_cast<QDialog *>(box)->accept();
        });
        QString boxes;
        bool pictureShown = true;
        robot.then([&](QWidget *w) {
            auto *p = static_cast<TFormImagen *>(w);
            boxes = sizes(p);
            pictureShown = p->Imagen->isVisibleTo(p);
            QCOMPARE(p->FImagen->text(), missing);
            p->close();
        });
        QTest::mouseClick(f.window->BImagen, Qt::LeftButton);
        QCOMPARE(robot.seen.size(), 2);
        QCOMPARE(robot.seen[0].title, QStringLiteral("Caveto  Error."));
        QCOMPARE(robot.seen[0].text,
            QStringLiteral("No se puede mostrar la imagen desde el fichero especificado"));
        QVERIFY(pathVisible);
        QCOMPARE(pathShownAt, QRect(187, 227, 315, 21));
        QVERIFY(!f.window->Imagen->isVisible());
        QCOMPARE(boxes, QStringLiteral("0x0 0x0"));
        QVERIFY(!pictureShown);
        QCOMPARE(led(f.window.get()), QStringLiteral("red"));
        QCOMPARE(f.window->Imagen->text(), missing);
    }

    // A chosen file that cannot be shown: the loader's message; the path is
    // taken, while the sizes and the LED still tell of the last picture.
    void damagedPicture()
    {
        CavetoFixture f;
        f.start();
        const QString good = jpeg(f, QStringLiteral("buena.jpg"), QSize(150, 120));
        const QByteArray whole = encode(quadrants(640, 480), "jpeg");
        const QString damaged = f.dir.filePath(QStringLiteral("rota.jpg"));
        QVERIFY(save(damaged, whole.left(whole.size() / 3)));
        caveto::StdDialogScript dialogs;
        dialogs.chooseFileNext(good);
        dialogs.chooseFileNext(damaged);
        QTest::mouseClick(f.window->BMenuAlta, Qt::LeftButton);
        QString after;
        inPhoto(f, [&](TFormImagen *p) {
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            QTest::mouseClick(p->BCapturar, Qt::LeftButton);
            after = p->FImagen->text() + u'|' + sizes(p) + u' ' + led(f.window.get())
                + (p->Imagen->isVisibleTo(p) ? " shown" : " hidden");
        });
        QCOMPARE(after, damaged + QStringLiteral("|150x120 150x120 green hidden"));
        const auto said = f.messages();
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].title, QStringLiteral("Caveto  Error."));
        QCOMPARE(said[0].text,
            QStringLiteral("La imagen del fichero «rota.jpg» está dañada o incompleta y no se "
                           "puede mostrar."));
        QCOMPARE(f.window->Imagen->text(), damaged);
    }
};

QTEST_MAIN(TestPhoto)
#include "tst_photo.moc"
