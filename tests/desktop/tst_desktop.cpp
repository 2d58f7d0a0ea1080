// The cellar book in a real X session with a window manager, driven by the
// X server's own pointer and keyboard (xdotool): the flows where a message
// or a question opens in the middle of a click, the focus after it, and the
// window titles as the window manager shows them.

#include "support/CavetoFixture.h"
#include "support/RealDialogs.h"

#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>

using caveto::Field;

namespace {

QString xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out; // titles keep their blanks
}

// Moves the X pointer over a point of a widget and clicks there.
void xclick(QWidget *widget, QPoint pos)
{
    const QPoint global = widget->mapToGlobal(pos);
    // No --sync: it waits for a motion that never comes when the pointer is
    // already there.
    xdotool({ QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
        QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("click"),
        QStringLiteral("1") });
}

void xclick(QWidget *widget)
{
    xclick(widget, widget->rect().center());
}

void xclickArrow(QWidget *combo)
{
    xclick(combo, QPoint(combo->width() - 8, combo->height() / 2));
}

void xtype(const QString &text)
{
    xdotool({ QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text });
}

void xkey(const QString &keys)
{
    xdotool({ QStringLiteral("key"), keys });
}

// The title the window manager shows.
QString xtitle(QWidget *window)
{
    return xdotool({ QStringLiteral("getwindowname"), QString::number(window->winId()) });
}

// Lets the X server's events reach the program.
void settle(int ms = 150)
{
    QTest::qWait(ms);
}

QString record(const QString &name, const QString &year, const QString &bottles)
{
    caveto::CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = year;
    r[Field::DenoOrigen] = QStringLiteral("Ribera del Duero");
    r[Field::Vino] = QStringLiteral("Tinto");
    r[Field::TipoVino] = QStringLiteral("Crianza");
    r[Field::Estante] = QStringLiteral("A-1");
    r[Field::Precio] = QStringLiteral("12,50");
    r[Field::NumBotellas] = bottles;
    r[Field::EFichero] = QStringLiteral("5122026101010100");
    r.pad();
    return r.buildLine();
}

// Waits for a modal window to be on screen and active, notes its title as
// the window manager shows it, then answers it with `act`.
ModalRobot::Answer onScreen(QStringList *titles, std::function<void(QWidget *)> act)
{
    return [titles, act](QWidget *modal) {
        QPointer<QWidget> guard(modal);
        (void)QTest::qWaitForWindowActive(modal, 5000);
        settle();
        if (!guard)
            return;
        titles->append(xtitle(modal));
        act(modal);
    };
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CavetoFixture> f;
    TFormCavetoPas *w = nullptr;
    QByteArray before;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void init()
    {
        f = std::make_unique<CavetoFixture>();
        f->writeDataFile({ record(QStringLiteral("Pago de Carraovejas"), QStringLiteral("2015"),
                               QStringLiteral("0")),
            record(QStringLiteral("Pesquera"), QStringLiteral("2016"), QStringLiteral("6")) });
        f->start();
        f->script.reset();
        w = f->window.get();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        settle(300);
        before = f->fileBytes();
    }

    void cleanup()
    {
        // Not closed the user's way: the save question would wait for an answer.
        f->window.reset();
        f.reset();
    }

    void mainWindowTitleIsTheProgramsOwn() { QCOMPARE(xtitle(w), QStringLiteral(" Caveto 2.5 ")); }

    // Day 32, then a click on the arrow of "Estante": the message once, under
    // its own title; the list stays closed and the next key goes to the day.
    void refusedDayStopsTheClickOnAList()
    {
        xclick(w->BMenuAlta);
        QTRY_COMPARE(w->ModoActual, QStringLiteral("ALTA"));
        xclick(w->FCompraDD);
        xtype(QStringLiteral("32"));
        QTRY_COMPARE(w->FCompraDD->text(), QStringLiteral("32"));

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(&titles, [](QWidget *) { xkey(QStringLiteral("Return")); }));
        xclickArrow(w->Estante);
        QTRY_COMPARE(robot.seen.size(), 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle();
        QCOMPARE(titles, QStringList { QStringLiteral("Caveto Error") });
        QCOMPARE(robot.seen[0].text, QStringLiteral("Campo ( Dia de Compra ) Erroneo"));
        QVERIFY(!w->Estante->view()->isVisible());
        xtype(QStringLiteral("5"));
        QTRY_COMPARE(w->FCompraDD->text(), QStringLiteral("5"));
        QVERIFY(w->FCompraDD->hasFocus());

        // The same for a button: it is not left drawn pressed, nothing opens.
        xclick(w->FCompraDD);
        xkey(QStringLiteral("BackSpace"));
        xtype(QStringLiteral("32"));
        robot.then(onScreen(&titles, [](QWidget *) { xkey(QStringLiteral("Return")); }));
        xclick(w->BDatos);
        QTRY_COMPARE(robot.seen.size(), 2);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle(300);
        QVERIFY(!w->BDatos->isDown());
        QCOMPARE(robot.seen.size(), 2);
        QVERIFY(robot.unexpected.isEmpty());
    }

    // In "MODI", an edited price and a click on the record list's arrow: the
    // question under its own title; "Cancelar" keeps the edit, the list
    // stays closed and the next key goes into the wine's name.
    void saveQuestionStopsTheClickOnTheRecordList()
    {
        xclick(w->BMenuModi);
        QTRY_COMPARE(w->ModoActual, QStringLiteral("MODI"));
        QTRY_VERIFY(w->Csalida->hasFocus());
        xkey(QStringLiteral("Down"));
        QTRY_COMPARE(w->NombreVino->text(), QStringLiteral("Pago de Carraovejas"));
        xclick(w->Precio);
        xkey(QStringLiteral("End"));
        xtype(QStringLiteral("9"));
        QTRY_COMPARE(w->Precio->text(), QStringLiteral("12,509"));

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(&titles, [](QWidget *modal) {
            xclick(modal->findChild<QPushButton *>(QStringLiteral("BCancelar")));
        }));
        xclickArrow(w->Csalida);
        QTRY_COMPARE(robot.seen.size(), 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle();
        QCOMPARE(titles, QStringList { QStringLiteral(" Caveto   AVISO.") });
        QVERIFY(!w->Csalida->view()->isVisible());
        QTRY_VERIFY(w->NombreVino->hasFocus());
        xkey(QStringLiteral("End"));
        xtype(QStringLiteral("v"));
        QTRY_COMPARE(w->NombreVino->text(), QStringLiteral("Pago de Carraovejasv"));
        QCOMPARE(w->Csalida->currentIndex(), 0);
        QCOMPARE(w->Precio->text(), QStringLiteral("12,509"));
        QCOMPARE(f->fileBytes(), before);
    }

    // Enter in the delete confirmation, which opens on "&Cancelar", keeps the
    // wine; "&Aceptar" deletes it and leaves no record shown.
    void deleteConfirmation()
    {
        xclick(w->BMenuBaja);
        QTRY_VERIFY(w->Csalida->hasFocus());
        xkey(QStringLiteral("Down"));
        QTRY_COMPARE(w->NombreVino->text(), QStringLiteral("Pago de Carraovejas"));
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoAviso);

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(&titles, [](QWidget *) { xkey(QStringLiteral("Return")); }));
        xclick(w->BBaja);
        QTRY_COMPARE(robot.seen.size(), 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(titles, QStringList { QStringLiteral(" Caveto  Baja.") });
        QCOMPARE(f->fileBytes(), before);

        robot.then(onScreen(&titles, [](QWidget *modal) {
            xclick(modal->findChild<QPushButton *>(QStringLiteral("BBajaSi")));
        }));
        xclick(w->BBaja);
        QTRY_COMPARE(f->fileLines().size(), 1);
        QTRY_VERIFY(!w->BBaja->isEnabled());
        for (QPushButton *b : { w->BDatos, w->BEditor, w->BImagen })
            QVERIFY(!b->isEnabled());
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoNormal);
    }

    // Closing the window by the window manager while the day field holds a
    // refused day, and answering "Si": the day check, then nothing stored and
    // the window still open.
    void closingWithARefusedDay()
    {
        xclick(w->BMenuAlta);
        QTRY_COMPARE(w->ModoActual, QStringLiteral("ALTA"));
        xclick(w->NombreVino);
        xtype(QStringLiteral("Tondonia"));
        xclick(w->Cosecha);
        xtype(QStringLiteral("2004"));
        xclick(w->DenoOrigen);
        xtype(QStringLiteral("Rioja"));
        xclick(w->FCompraDD);
        xtype(QStringLiteral("45"));
        QTRY_COMPARE(w->FCompraDD->text(), QStringLiteral("45"));

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(&titles, [](QWidget *modal) {
            xclick(modal->findChild<QPushButton *>(QStringLiteral("BSi")));
        }));
        robot.then(onScreen(&titles, [](QWidget *) { xkey(QStringLiteral("Return")); }));
        xkey(QStringLiteral("alt+F4"));
        QTRY_COMPARE(robot.seen.size(), 2);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle();
        QCOMPARE(titles,
            (QStringList { QStringLiteral(" Caveto   AVISO."), QStringLiteral("Caveto Error") }));
        QVERIFY(w->isVisible());
        QCOMPARE(f->fileBytes(), before);
        QCOMPARE(w->FCompraDD->text(), QString());
        QTRY_VERIFY(w->FCompraDD->hasFocus());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
