// The cellar book in a real X session with a window manager, driven by the
// X server's own pointer and keyboard (xdotool): the flows where a message
// or a question opens in the middle of a click. What only a desktop shows is
// checked here: the window titles as the window manager gives them, that a
// press the modal window interrupted stays dropped when the real release
// follows, and where the next real key lands once the window manager has
// handed the activation back. The message texts, the record file and the
// other controls and keys of the same flows are checked offscreen, in
// tst_interruptions.

#include "support/CavetoFixture.h"
#include "support/RealDialogs.h"
#include "support/TwoWineBook.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>

// A loaded machine (CI, parallel builds) can take seconds to map a window:
// wait longer than the test library's five seconds before calling it a fault.
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, 20000)
#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, 20000)
using namespace Qt::Literals::StringLiterals;

namespace {

QString xdotool(const QStringList &args)
{
    QProcess p;
    p.start(u"xdotool"_s, args);
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
    xdotool({ u"mousemove"_s, QString::number(global.x()), QString::number(global.y()), u"sleep"_s,
        u"0.05"_s, u"click"_s, u"1"_s });
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
    xdotool({ u"type"_s, u"--delay"_s, u"30"_s, text });
}

void xkey(const QString &keys)
{
    xdotool({ u"key"_s, keys });
}

// The title the window manager shows.
QString xtitle(QWidget *window)
{
    return xdotool({ u"getwindowname"_s, QString::number(window->winId()) });
}

// Lets the X server's events reach the program.
void settle(int ms = 150)
{
    QTest::qWait(ms);
}

// Waits for a modal window to be on screen and active, notes its title as
// the window manager shows it, then answers it with `act`.
ModalRobot::Answer onScreen(QStringList *titles, std::function<void(QWidget *)> act)
{
    return [titles, act](QWidget *modal) {
        QPointer<QWidget> guard(modal);
        (void)QTest::qWaitForWindowActive(modal, 20000);
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
        startTwoWineBook(*f);
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

    void mainWindowTitleIsTheProgramsOwn() { QCOMPARE(xtitle(w), u" Caveto 2.5 "_s); }

    // Day 32, then a click on the arrow of "Estante": the message once, under
    // its own title; the list stays closed and the next key goes to the day.
    void refusedDayStopsTheClickOnAList()
    {
        xclick(w->BMenuAlta);
        QTRY_VERIFY(w->NombreVino->hasFocus());
        xclick(w->FCompraDD);
        xtype(u"32"_s);
        QTRY_COMPARE(w->FCompraDD->text(), u"32"_s);

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(&titles, [](QWidget *) { xkey(u"Return"_s); }));
        xclickArrow(w->Estante);
        QTRY_COMPARE(robot.seen.size(), 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle();
        QCOMPARE(titles, QStringList { u"Caveto Error"_s });
        QVERIFY(!w->Estante->view()->isVisible());
        xtype(u"5"_s);
        QTRY_COMPARE(w->FCompraDD->text(), u"5"_s);
        QVERIFY(w->FCompraDD->hasFocus());

        // The same for a button: it is not left drawn pressed, nothing opens.
        xclick(w->FCompraDD);
        xkey(u"BackSpace"_s);
        xtype(u"32"_s);
        robot.then(onScreen(&titles, [](QWidget *) { xkey(u"Return"_s); }));
        xclick(w->BDatos);
        QTRY_COMPARE(robot.seen.size(), 2);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle(300);
        QVERIFY(!w->BDatos->isDown());
        QVERIFY(robot.unexpected.isEmpty());
    }

    // Enter in the delete confirmation, which opens on "&Cancelar" once the
    // window manager has activated it, keeps the wine; "&Aceptar" deletes it.
    void deleteConfirmation()
    {
        xclick(w->BMenuBaja);
        QTRY_VERIFY(w->Csalida->hasFocus());
        xkey(u"Down"_s);
        QTRY_COMPARE(w->NombreVino->text(), u"Pago de Carraovejas"_s);

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(&titles, [](QWidget *) { xkey(u"Return"_s); }));
        xclick(w->BBaja);
        QTRY_COMPARE(robot.seen.size(), 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(titles, QStringList { u" Caveto  Baja."_s });
        QCOMPARE(f->fileBytes(), before);

        robot.then(onScreen(&titles,
            [](QWidget *modal) { xclick(modal->findChild<QPushButton *>(u"BBajaSi"_s)); }));
        xclick(w->BBaja);
        QTRY_COMPARE(f->fileLines().size(), 1);
    }

    // Closing the window by the window manager while the day field holds a
    // refused day, and answering "Si": the day check, the window still open
    // and the focus back in the day.
    void closingWithARefusedDay()
    {
        xclick(w->BMenuAlta);
        QTRY_VERIFY(w->NombreVino->hasFocus());
        xtype(u"Tondonia"_s);
        xclick(w->FCompraDD);
        xtype(u"45"_s);
        QTRY_COMPARE(w->FCompraDD->text(), u"45"_s);

        QStringList titles;
        ModalRobot robot;
        robot.then(onScreen(
            &titles, [](QWidget *modal) { xclick(modal->findChild<QPushButton *>(u"BSi"_s)); }));
        robot.then(onScreen(&titles, [](QWidget *) { xkey(u"Return"_s); }));
        xkey(u"alt+F4"_s);
        QTRY_COMPARE(robot.seen.size(), 2);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        settle();
        QCOMPARE(titles, (QStringList { u" Caveto   AVISO."_s, u"Caveto Error"_s }));
        QVERIFY(w->isVisible());
        QCOMPARE(w->FCompraDD->text(), QString());
        QTRY_VERIFY(w->FCompraDD->hasFocus());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
