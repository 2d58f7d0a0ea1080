// Flows where a check's message or the save question opens in the middle of
// a mouse press, offscreen, with presses sent through the window system
// layer and real modal windows: the press must not go on to act once the
// window has closed, the focus goes where the check puts it, and nothing
// refused is ever stored; and the record list's drawing. tst_desktop repeats
// the main flows under a real window manager.

#include "support/CavetoFixture.h"
#include "support/RealDialogs.h"
#include "support/TwoWineBook.h"
#include "support/WineFields.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QToolButton>

using caveto::Field;
using namespace Qt::Literals::StringLiterals;

namespace {

void typeIntoFocus(const QString &text)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    typeText(focus, text);
}

// The leftmost and rightmost columns holding dark ink inside `area`.
QPair<int, int> inkSpan(const QImage &image, QRect area)
{
    int left = -1, right = -1;
    area = area.intersected(image.rect());
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 90) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
        }
    }
    return { left, right };
}

int labelInkLeft(QLabel *label)
{
    const QImage image = label->grab().toImage();
    return label->mapTo(label->window(), QPoint(inkSpan(image, image.rect()).first, 0)).x();
}

} // namespace

class TestInterruptions : public QObject
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
        before = f->fileBytes();
    }

    void cleanup()
    {
        f->window.reset();
        f.reset();
    }

    // The save question opened by a press on the list's arrow: "Cancelar"
    // keeps the edits and the focus goes to the name; the list never opens,
    // so the next key is typed into the name and picks no other wine.
    void listPressStoppedBySaveQuestion()
    {
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        f->pickRow(1);
        typeInto(w->Precio, u"9"_s);

        ModalRobot robot;
        robot.press(u"BCancelar"_s);
        realClickArrow(w->Csalida);
        QCOMPARE(robot.seen.size(), 1);
        QCOMPARE(robot.seen[0].className, u"TFormAvisoProg"_s);
        QVERIFY(!w->Csalida->view()->isVisible());
        QTRY_VERIFY(w->NombreVino->hasFocus());
        typeIntoFocus(u"v"_s);
        QCOMPARE(w->NombreVino->text(), u"Pesquerav"_s);
        QCOMPARE(w->Csalida->currentIndex(), 1);
        QCOMPARE(w->Precio->text(), u"9"_s);
        QVERIFY(robot.unexpected.isEmpty());
    }

    // A refused day stops whatever the user did next: a press on another
    // list or on a button, closing the window and answering "Si", or Alt+A.
    // The message shows once, the focus goes back to the emptied day and
    // nothing is stored; a valid day is then stored as typed.
    void refusedDayStopsTheAction_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Estante arrow") << u"Estante"_s;
        QTest::newRow("Datos button") << u"BDatos"_s;
        QTest::newRow("Alta button") << u"BAlta"_s;
        QTest::newRow("closing, Si") << u"close"_s;
        QTest::newRow("Alt+A") << u"Alt+A"_s;
    }
    void refusedDayStopsTheAction()
    {
        QFETCH(QString, action);
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeWine(w, u"Viña Tondonia"_s, u"2004"_s, u"Rioja"_s);
        typeInto(w->FCompraDD, u"45"_s);

        ModalRobot robot;
        QWidget *control = w->findChild<QWidget *>(action);
        auto *combo = qobject_cast<QComboBox *>(control);
        if (action == u"close"_s) {
            robot.press(u"BSi"_s);
            robot.press();
            w->close();
        } else {
            robot.press();
            if (action == u"Alt+A"_s)
                QTest::keyClick(w->windowHandle(), Qt::Key_A, Qt::AltModifier);
            else if (combo)
                realClickArrow(combo);
            else
                realClick(control);
        }
        QTRY_COMPARE(robot.seen.size(), action == u"close"_s ? 2 : 1);
        QCOMPARE(robot.seen.last().title, u"Caveto Error"_s);
        QCOMPARE(robot.seen.last().text, u"Campo ( Dia de Compra ) Erroneo"_s);
        if (combo)
            QVERIFY(!combo->view()->isVisible());
        if (auto *button = qobject_cast<QPushButton *>(control))
            QVERIFY(!button->isDown());
        QVERIFY(w->isVisible());
        QCOMPARE(f->fileBytes(), before);
        QCOMPARE(w->FCompraDD->text(), QString());
        QCOMPARE(w->NombreVino->text(), u"Viña Tondonia"_s);
        QTRY_VERIFY(w->FCompraDD->hasFocus());

        typeIntoFocus(u"5"_s);
        realClick(w->BAlta);
        QCOMPARE(f->fileLines().size(), 3);
        QCOMPARE(caveto::CellarRecord::parse(f->fileLines().last())[Field::FCompraDD], u"05"_s);
        QVERIFY(robot.unexpected.isEmpty());
    }

    // A wine typed into a list and added from the keyboard joins the list
    // just as when the focus had left the field.
    void newValueTypedLastJoinsItsList()
    {
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeWine(w, u"Viña Tondonia"_s, u"2004"_s, u"Rioja"_s);
        QVERIFY(w->DenoOrigen->hasFocus());
        QTest::keyClick(w->windowHandle(), Qt::Key_A, Qt::AltModifier);
        // A mnemonic presses its button after a short animation.
        QTRY_COMPARE(f->fileLines().size(), 3);
        QCOMPARE(w->valueList(0).size(), 2);
        QCOMPARE(w->LContDenominacion->text(), u"2"_s);
    }

    // Enter in the delete confirmation presses the button holding the focus:
    // the window opens on "&Cancelar", so Enter keeps the wine, as Escape
    // does; Enter on "&Aceptar" deletes it.
    void deleteConfirmationKeys()
    {
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        f->pickRow(1);

        ModalRobot robot;
        robot.keys({ Qt::Key_Return });
        robot.keys({ Qt::Key_Escape });
        realClick(w->BBaja);
        realClick(w->BBaja);
        QCOMPARE(robot.seen.size(), 2);
        QCOMPARE(f->fileBytes(), before);

        robot.keys({ Qt::Key_Backtab, Qt::Key_Return });
        realClick(w->BBaja);
        QCOMPARE(robot.seen.size(), 3);
        QCOMPARE(f->fileLines().size(), 1);
        QVERIFY(robot.unexpected.isEmpty());
    }

    // The headings stand over the columns as the list draws them, and the
    // open list shows the first 66 columns under the closed field's text.
    void listHeadingsAndColumns()
    {
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        f->pickRow(0);
        const QImage closed = w->Csalida->grab().toImage();
        const int mid = closed.height() / 2;
        const QRect textBand(0, mid - 7, closed.width() - 24, 14);
        const int nameLeft = inkSpan(closed, textBand).first;
        // Both names start with the same letter, so their ink starts alike.
        const qreal column = QFontMetricsF(w->Csalida->font()).horizontalAdvance(QLatin1Char('M'));
        auto inkFromColumn = [&](const QImage &image, int origin, int band, int col) {
            const int from = origin + qRound((col - 1) * column) - 2;
            return inkSpan(image, QRect(from, band - 7, qRound(2 * column), 14)).first;
        };
        const int origin = nameLeft - 1;
        const int yearLeft = inkFromColumn(closed, origin, mid, 32);
        const int denoLeft = inkFromColumn(closed, origin, mid, 37);
        QVERIFY(nameLeft > 0 && yearLeft > 0 && denoLeft > 0);
        const int listX = w->Csalida->mapTo(w, QPoint(0, 0)).x();
        auto heading = [this](const char *name) { return w->findChild<QLabel *>(name); };
        QVERIFY(qAbs(labelInkLeft(heading("LNombreDelVino")) - (listX + nameLeft)) <= 2);
        QVERIFY(qAbs(labelInkLeft(heading("LAno")) - (listX + yearLeft)) <= 2);
        QVERIFY(qAbs(labelInkLeft(heading("LDenominacion")) - (listX + denoLeft)) <= 2);

        w->Csalida->showPopup();
        QTRY_VERIFY(w->Csalida->view()->isVisible());
        QWidget *viewport = w->Csalida->view()->viewport();
        const QImage open = viewport->grab().toImage();
        // The second row: the first is selected, drawn light on dark.
        const QRect firstRow = w->Csalida->view()->visualRect(w->Csalida->model()->index(1, 0));
        const QPair<int, int> row = inkSpan(open, firstRow);
        const int openLeft = viewport->mapToGlobal(QPoint(row.first, 0)).x();
        QVERIFY(qAbs(openLeft - w->Csalida->mapToGlobal(QPoint(nameLeft, 0)).x()) <= 1);
        // Column 68 onwards ("Tinto") is not shown, not even its first letter.
        QVERIFY(row.second > row.first + qRound(40 * column));
        const QRect beyond(
            row.first + qRound(66 * column) + 1, firstRow.top(), open.width(), firstRow.height());
        QCOMPARE(inkSpan(open, beyond).first, -1);
        w->Csalida->hidePopup();
    }
};

QTEST_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
