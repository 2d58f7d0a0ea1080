// The three windows on the Spanish appellations, driven as a user drives
// them: the national vintage chart, the appellation guide (lists, panels,
// rating colours, the description kept when only the year changes, printing)
// and the map (marker, name panel, the provinces of Cava, the guide opened
// over it); and the main window's entries that open them.

#include "support/CavetoFixture.h"
#include "support/PdfText.h"

#include "cellar/StatusPanels.h"
#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "controls/ImagenPlus.h"
#include "guides/Appellations.h"
#include "guides/Cosechas.h"
#include "guides/Descriptions.h"
#include "guides/Mapa.h"
#include "guides/Vinos.h"
#include "guides/VintageRatings.h"
#include "platform/FormStyle.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

using namespace caveto;

namespace {

QColor textColour(const QLabel *panel)
{
    return panel->palette().color(QPalette::WindowText);
}

// Chooses an item the way a user does with the mouse: drop the list down,
// move to the item, click it. False when the list does not end on it.
bool pickWithMouse(QComboBox *list, const QString &text)
{
    const int row = list->findText(text, Qt::MatchExactly);
    if (row < 0)
        return false;
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    const QModelIndex index = list->model()->index(row, 0);
    view->scrollTo(index);
    // The list takes a click on an item only once the pointer has moved
    // away from where it dropped down.
    const QPoint at = view->visualRect(index).center();
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return QTest::qWaitFor([view] { return !view->isVisible(); }) && list->currentText() == text;
}

// Chooses an item with the keyboard: Tab into the list, type its start.
bool pickWithKeyboard(QComboBox *list, const QString &typed)
{
    moveFocus(list);
    // Characters typed too soon after earlier ones would extend their search.
    QTest::qWait(QApplication::keyboardInputInterval() + 20);
    QTest::keyClicks(list, typed);
    return list->currentText().startsWith(typed);
}

template <class W> void showAndActivate(W *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QStringList description(const QString &name)
{
    return appellationDescription(appellationIndex(name));
}

QString collapsed(QString text)
{
    return text.simplified();
}

} // namespace

class TestGuideWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program's own font and colours, as it starts.
        applyApplicationLook();
        m_fixture.start();
        main()->Tpersonal->stop();
        main()->StatusBar1->setPanelText(2, QStringLiteral("18:05:09"));
        main()->StatusBar1->setPanelText(3, QStringLiteral("6-12-2026"));
    }
    void cleanupTestCase() { m_fixture.quit(); }
    void init() { main()->DenoMapa = -1; }

    // ---- The national vintage chart ----

    void chartWindow()
    {
        TFormCosechas chart(main());
        QCOMPARE(chart.objectName(), QStringLiteral("TFormCosechas"));
        QCOMPARE(chart.windowTitle(), QStringLiteral(" Caveto  Cosechas  Vinos Españoles."));
        QCOMPARE(chart.size(), QSize(630, 312));
        QCOMPARE(chart.LOpcion->text(), QStringLiteral("Cosechas"));
        QCOMPARE(chart.LOpcion->geometry(), QRect(256, 8, 121, 25));
        QCOMPARE(chart.PCosechas->geometry(), QRect(71, 42, 491, 229));

        // Four columns of a decade each; the boxes stand on the navy panel.
        QCOMPARE(chart.years.size(), 34);
        const int columns[] = { 86, 205, 327, 447 };
        for (int i = 0; i < chart.years.size(); ++i) {
            QLineEdit *box = chart.years[i];
            const QString year = QString::number(1970 + i);
            QVERIFY2(box->text().startsWith(year + QLatin1String("  ")), qPrintable(year));
            QCOMPARE(box->geometry(), QRect(columns[i / 10], 54 + 21 * (i % 10), 100, 17));
            QVERIFY(chart.PCosechas->geometry().contains(box->geometry()));
            QVERIFY(box->isReadOnly());
            QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
            QVERIFY(!box->hasFrame());
            QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::black));
            // Each text fits its box: the longest are not cut.
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) < box->width() - 2,
                qPrintable(box->text()));
        }

        // The button is the one control Tab reaches; Enter presses it.
        showAndActivate(&chart);
        QCOMPARE(chart.focusWidget(), chart.BOkDatos);
        QTest::keyClick(chart.BOkDatos, Qt::Key_Return);
        QVERIFY(!chart.isVisible());
        QCOMPARE(chart.result(), int(QDialog::Accepted));
    }

    void chartBoxTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor white(255, 255, 255);
        QTest::newRow("1970") << "E1970"
                              << "1970  Sin Datos" << white;
        QTest::newRow("1972") << "E1972"
                              << "1972   Sin Datos" << white;
        QTest::newRow("1976") << "E1976"
                              << "1976   Deficiente" << QColor(255, 0, 0);
        QTest::newRow("1993") << "E1993"
                              << "1993   Excelente" << QColor(0, 255, 0);
        QTest::newRow("2001") << "E2201"
                              << "2001   Muy Bueno" << white;
        QTest::newRow("2003") << "Edit1"
                              << "2003  Sin Calificar" << white;
    }
    void chartBoxTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        TFormCosechas chart(main());
        auto *box = chart.findChild<QLineEdit *>(name);
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->palette().color(QPalette::Text), colour);
        // No other box of that name.
        QCOMPARE(chart.findChildren<QLineEdit *>(name).size(), 1);
    }

    // ---- The appellation guide ----

    void guideStartsWithNothingChosen()
    {
        TFormVinos guide(main());
        QCOMPARE(guide.objectName(), QStringLiteral("TFormVinos"));
        QCOMPARE(guide.windowTitle(),
            QStringLiteral(" Caveto  Denominaciones de Origen  Vinos Españoles."));
        QCOMPARE(guide.size(), QSize(636, 315));
        QCOMPARE(guide.LOpcion->text(), QStringLiteral("Denominaciones de Origen"));
        QStringList names, years;
        for (int i = 0; i < guide.DENO->count(); ++i)
            names << guide.DENO->itemText(i);
        for (int i = 0; i < guide.EJER->count(); ++i)
            years << guide.EJER->itemText(i);
        QCOMPARE(names, appellationNames());
        QCOMPARE(years, vintageYears());
        QVERIFY(!guide.DENO->isEditable() && !guide.EJER->isEditable());
        QCOMPARE(guide.DENO->currentIndex(), -1);
        QCOMPARE(guide.EJER->currentIndex(), -1);
        for (QWidget *w :
            { static_cast<QWidget *>(guide.denomi0), static_cast<QWidget *>(guide.ano0),
                static_cast<QWidget *>(guide.RESUL), static_cast<QWidget *>(guide.Texto) })
            QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
        QVERIFY(!guide.BImprimir->isEnabled());
        QVERIFY(!(guide.Texto->focusPolicy() & Qt::TabFocus));

        // 56 pictures, named after their appellations, hidden out of sight.
        QCOMPARE(guide.pictures.size(), kAppellationCount);
        for (int i = 0; i < kAppellationCount; ++i) {
            TImagenPlus *picture = guide.pictures[i];
            QCOMPARE(picture->objectName(), QLatin1String(appellations()[i].pictureControl));
            QVERIFY(picture->isHidden() && !guide.rect().intersects(picture->geometry()));
            // Narrow pictures get a narrow control: stretching keeps their shape.
            QCOMPARE(picture->size(), picture->Picture().size());
        }
        QVERIFY(!guide.shownPicture());
    }

    // A year alone shows its panel and nothing else.
    void yearBeforeAppellation()
    {
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithKeyboard(guide.EJER, QStringLiteral("1994")));
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("1994"));
        QVERIFY(guide.ano0->isVisible());
        QCOMPARE(guide.ano0->text(), QStringLiteral("1994"));
        QVERIFY(!guide.RESUL->isVisible());
        QCOMPARE(guide.RESUL->text(), QString());
        QVERIFY(!guide.denomi0->isVisible());
        QVERIFY(!guide.Texto->isVisible());
        QVERIFY(!guide.BImprimir->isEnabled());
        QVERIFY(!guide.shownPicture());
    }

    void ratingOfTheChosenYear_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QColor>("colour");
        const QColor white(255, 255, 255);
        QTest::newRow("Rioja 1994") << "Rioja"
                                    << "1994"
                                    << "EXCELENTE" << QColor(0, 255, 0);
        QTest::newRow("Rioja 1971") << "Rioja"
                                    << "1971"
                                    << "DEFICIENTE" << QColor(255, 0, 0);
        QTest::newRow("Abona 2003") << "Abona"
                                    << "2003"
                                    << "MUY BUENO" << QColor(0, 255, 255);
        QTest::newRow("Abona 1980") << "Abona"
                                    << "1980"
                                    << "SIN CALIFICAR" << white;
        QTest::newRow("Alella 1971") << "Alella"
                                     << "1971"
                                     << "REGULAR" << QColor(255, 128, 128);
        QTest::newRow("Navarra 1975") << "Navarra"
                                      << "1975"
                                      << "BUENO" << QColor(255, 176, 98);
        QTest::newRow("Jerez 1990") << "Jerez"
                                    << "1990"
                                    << "SIN CALIFICAR" << white;
        // No year: the rating panel stays empty and hidden.
        QTest::newRow("Rioja, no year") << "Rioja"
                                        << ""
                                        << "" << white;
    }
    void ratingOfTheChosenYear()
    {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, rating);
        QFETCH(QColor, colour);
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithMouse(guide.DENO, name));
        if (!year.isEmpty())
            QVERIFY(pickWithMouse(guide.EJER, year));

        QCOMPARE(guide.denomi0->text(), name);
        QVERIFY(guide.denomi0->isVisible());
        QCOMPARE(guide.ano0->isVisible(), !year.isEmpty());
        QCOMPARE(guide.RESUL->text(), rating);
        QCOMPARE(guide.RESUL->isVisible(), !rating.isEmpty());
        QCOMPARE(textColour(guide.RESUL), colour);
        QVERIFY(guide.BImprimir->isEnabled());
        QVERIFY(guide.Texto->isVisible());
        QVERIFY(guide.Texto->focusPolicy() & Qt::TabFocus);
        QCOMPARE(guide.Texto->toPlainText().split(u'\n'), description(name));
        QVERIFY(guide.shownPicture());
        QCOMPARE(guide.shownPicture()->objectName(),
            QLatin1String(appellations()[appellationIndex(name)].pictureControl));
        QCOMPARE(
            guide.shownPicture()->pos(), QPoint(558, name == QLatin1String("Alella") ? 15 : 18));
    }

    // Only a change of appellation rewrites the description: a new year
    // keeps the text where the reader left it.
    void yearChangeKeepsTheText()
    {
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithKeyboard(guide.DENO, QStringLiteral("Rioja")));
        QCOMPARE(guide.DENO->currentText(), QStringLiteral("Rioja"));
        QVERIFY(pickWithKeyboard(guide.EJER, QStringLiteral("1994")));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("EXCELENTE"));
        QCOMPARE(textColour(guide.RESUL), QColor(0, 255, 0));

        QScrollBar *bar = guide.Texto->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        const int revision = guide.Texto->document()->revision();

        QTest::keyClick(guide.EJER, Qt::Key_Home);
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("1971"));
        QCOMPARE(guide.ano0->text(), QStringLiteral("1971"));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("DEFICIENTE"));
        QCOMPARE(textColour(guide.RESUL), QColor(255, 0, 0));
        QCOMPARE(guide.Texto->document()->revision(), revision);
        QCOMPARE(bar->value(), scrolled);

        // Another appellation with the year chosen: picture, name, text and
        // rating change together, and the text starts from its top.
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Toro")));
        QCOMPARE(guide.shownPicture()->objectName(), QStringLiteral("toroBMP"));
        QCOMPARE(guide.findChild<TImagenPlus *>(QStringLiteral("riojaBMP"))->isVisible(), false);
        QCOMPARE(guide.denomi0->text(), QStringLiteral("Toro"));
        QCOMPARE(guide.Texto->toPlainText().split(u'\n'), description(QStringLiteral("Toro")));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(guide.ano0->text(), QStringLiteral("1971"));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("SIN CALIFICAR"));
        QCOMPARE(textColour(guide.RESUL), QColor(255, 255, 255));
    }

    void alellaPictureSitsHigher()
    {
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Alella")));
        QCOMPARE(guide.shownPicture()->objectName(), QStringLiteral("alellaBMP"));
        QCOMPARE(guide.shownPicture()->pos(), QPoint(558, 15));
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Ampurdán")));
        QCOMPARE(guide.shownPicture()->objectName(), QStringLiteral("ampurdanBMP"));
        QCOMPARE(guide.shownPicture()->pos(), QPoint(558, 18));
        int shown = 0;
        for (TImagenPlus *p : std::as_const(guide.pictures))
            shown += p->isVisible();
        QCOMPARE(shown, 1);
    }

    // Letters typed into the year list are dropped; digits still choose.
    void yearListTakesOnlyDigits()
    {
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Rioja")));
        QVERIFY(pickWithKeyboard(guide.EJER, QStringLiteral("1994")));
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("1994"));
        QTest::keyClicks(guide.EJER, QStringLiteral("ab x-"));
        typeText(guide.EJER, QStringLiteral("ñ"));
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("1994"));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("EXCELENTE"));
        QVERIFY(pickWithKeyboard(guide.EJER, QStringLiteral("1984")));
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("1984"));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("REGULAR"));
        // A letter typed among digits does not spoil them.
        QTest::qWait(QApplication::keyboardInputInterval() + 20);
        QTest::keyClicks(guide.EJER, QStringLiteral("x2"));
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("2000"));
    }

    void openedFromTheMapOnToro()
    {
        main()->DenoMapa = appellationIndex(QStringLiteral("Toro"));
        TFormVinos::CambioDeno = QStringLiteral("N");
        TFormVinos guide(main());
        QCOMPARE(TFormVinos::CambioDeno, QStringLiteral("S"));
        showAndActivate(&guide);
        QCOMPARE(guide.DENO->currentText(), QStringLiteral("Toro"));
        QCOMPARE(guide.EJER->currentIndex(), -1);
        QCOMPARE(guide.shownPicture()->objectName(), QStringLiteral("toroBMP"));
        QVERIFY(guide.Texto->isVisible());
        QCOMPARE(guide.Texto->toPlainText().split(u'\n'), description(QStringLiteral("Toro")));
        QVERIFY(!guide.ano0->isVisible());
        QVERIFY(!guide.RESUL->isVisible());
        QVERIFY(guide.BImprimir->isEnabled());

        // Enter typed into a list presses no button; on a button, it
        // presses that one.
        PrintScript printer;
        QTest::qWait(0);
        QTest::keyClick(guide.DENO, Qt::Key_Return);
        QCOMPARE(printer.dialogs, 0);
        QVERIFY(guide.isVisible());
        guide.BOkDatos->setFocus();
        QTest::keyClick(guide.BOkDatos, Qt::Key_Return);
        QVERIFY(!guide.isVisible());
    }

    void handOverOutOfRangeChoosesNothing()
    {
        for (int index : { kAppellationCount, -2 }) {
            main()->DenoMapa = index;
            TFormVinos guide(main());
            QCOMPARE(guide.DENO->currentIndex(), -1);
            QVERIFY(guide.Texto->isHidden());
            QVERIFY(!guide.BImprimir->isEnabled());
        }
    }

    void printsTheHeaderAndTheText()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("guia.pdf"));
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Rioja")));
        QVERIFY(pickWithMouse(guide.EJER, QStringLiteral("1994")));

        PrintScript printer;
        printer.printNextTo(pdf);
        QTest::mouseClick(guide.BImprimir, Qt::LeftButton);
        QCOMPARE(printer.dialogs, 1);
        QCOMPARE(printer.orientations, { QPageLayout::Portrait });

        const QStringList header = {
            "Caveto   *   DENOMINACIONES DE ORIGEN   *",
            " ",
            "Fecha / Hora ............. 6-12-2026  18:05:09",
            " ",
            "Denominación de Origen ... Rioja",
            "Año ...................... 1994",
            "Cosecha .................. EXCELENTE",
            " ",
            " ",
        };
        const QStringList rioja = description(QStringLiteral("Rioja"));
        QCOMPARE(guide.EditorNotasImprimir->lines(), header + rioja);

        // On paper the header comes first and the long lines wrap whole.
        const QString text = collapsed(pdfText(pdf));
        QVERIFY2(text.startsWith(collapsed(header.mid(0, 7).join(u' '))), qPrintable(text));
        for (const QString &line : rioja)
            QVERIFY2(text.contains(collapsed(line)), qPrintable(line));

        // A second print holds the same lines, not the first ones twice.
        printer.cancelNext();
        QTest::mouseClick(guide.BImprimir, Qt::LeftButton);
        QCOMPARE(printer.dialogs, 2);
        QCOMPARE(guide.EditorNotasImprimir->lineCount(), header.size() + rioja.size());
    }

    void printsWithoutAYear()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("toro.pdf"));
        main()->DenoMapa = appellationIndex(QStringLiteral("Toro"));
        TFormVinos guide(main());
        showAndActivate(&guide);

        PrintScript printer;
        printer.printNextTo(pdf);
        QTest::mouseClick(guide.BImprimir, Qt::LeftButton);
        const QStringList lines = guide.EditorNotasImprimir->lines();
        QCOMPARE(lines.at(5), QStringLiteral("Año ...................... "));
        QCOMPARE(lines.at(6), QStringLiteral("Cosecha .................. "));
        QStringList printed = pdfText(pdf).split(u'\n');
        for (QString &line : printed)
            line = line.trimmed();
        QVERIFY(printed.contains(QStringLiteral("Año ......................")));
        QVERIFY(printed.contains(QStringLiteral("Cosecha ..................")));

        // Cancelled: nothing is printed.
        QFile::remove(pdf);
        printer.cancelNext();
        QTest::mouseClick(guide.BImprimir, Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
    }

    // ---- The map ----

    void mapStartState()
    {
        TFormMapa map(main());
        QCOMPARE(map.objectName(), QStringLiteral("TFormMapa"));
        QCOMPARE(map.windowTitle(), QStringLiteral(" Caveto  Mapa Denominaciones de Origen."));
        QCOMPARE(map.size(), QSize(670, 434));
        QCOMPARE(map.ImagenPlus1->geometry(), QRect(3, 3, 526, 428));
        QCOMPARE(map.ImagenPlus1->Picture().size(), QSize(526, 428));
        QCOMPARE(map.LOpcion->text(), QStringLiteral("Mapa D.O."));
        QStringList names;
        for (int i = 0; i < map.DenoOrigen->count(); ++i)
            names << map.DenoOrigen->itemText(i);
        QCOMPARE(names, appellationNames());
        QVERIFY(!map.DenoOrigen->isEditable());
        QCOMPARE(map.DenoOrigen->currentIndex(), -1);

        QVERIFY(map.Led1->isHidden());
        QVERIFY(!map.Led1->isBlinking());
        QCOMPARE(map.Led1->size(), QSize(22, 16));
        QVERIFY(map.PDeno->isHidden());
        QVERIFY(map.PRestoCava->isHidden());
        QVERIFY(!map.BVerDeno->isEnabled());
    }

    void markerAndNameFollowTheChoice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("marker");
        QTest::newRow("Rioja") << "Rioja" << QPoint(256, 76);
        QTest::newRow("Lanzarote, near the right edge") << "Lanzarote" << QPoint(486, 340);
        QTest::newRow("Chacolí de Getaria, at the top") << "Chacolí de Getaria" << QPoint(300, 6);
    }
    void markerAndNameFollowTheChoice()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, marker);
        TFormMapa map(main());
        showAndActivate(&map);
        QVERIFY(pickWithMouse(map.DenoOrigen, name));

        QCOMPARE(map.Led1->pos(), marker);
        QVERIFY(map.Led1->isVisible());
        QVERIFY(map.Led1->Value());
        QVERIFY(map.Led1->isBlinking());
        QCOMPARE(map.PDeno->text(), name);
        QCOMPARE(map.PDeno->geometry(), QRect(marker + QPoint(23, 0), QSize(110, 16)));
        QVERIFY(map.PDeno->isVisible());
        QVERIFY(map.BVerDeno->isEnabled());
        QVERIFY(!map.PRestoCava->isVisible());
        // Marker and name are drawn over the map, even past its right edge.
        for (QWidget *w : { static_cast<QWidget *>(map.Led1), static_cast<QWidget *>(map.PDeno) })
            QCOMPARE(map.childAt(w->geometry().center()), w);
    }

    void cavaShowsItsProvinces()
    {
        TFormMapa map(main());
        showAndActivate(&map);
        QVERIFY(pickWithKeyboard(map.DenoOrigen, QStringLiteral("Cava")));
        QCOMPARE(map.DenoOrigen->currentText(), QStringLiteral("Cava"));
        QVERIFY(map.PRestoCava->isVisible());
        QCOMPARE(map.PRestoCava->geometry(), QRect(541, 129, 120, 206));
        const QStringList names = { "PBarcelona", "PTarragona", "PLLeida", "PGirona", "PRioja",
            "PAlava", "PZaragoza", "Navarra", "PValencia", "PBadajoz" };
        const QStringList captions = { "Barcelona", "Tarragona", "Lleida", "Girona", "La Rioja",
            "Alava", "Zaragoza", "Navarra", "Valencia", "Badajoz" };
        QCOMPARE(map.provinces.size(), 10);
        for (int k = 0; k < 10; ++k) {
            QLabel *p = map.provinces[k];
            QCOMPARE(p->objectName(), names[k]);
            QCOMPARE(p->text(), captions[k]);
            QCOMPARE(p->parentWidget(), map.PRestoCava);
            QCOMPARE(p->geometry(), QRect(5, 5 + 20 * k, 110, 16));
            QVERIFY(p->isVisible());
        }
        QVERIFY(pickWithMouse(map.DenoOrigen, QStringLiteral("Toro")));
        QVERIFY(!map.PRestoCava->isVisible());
    }

    // Once lit, the marker blinks lime and green, and later choices only
    // move it.
    void markerKeepsBlinkingWhenMoved()
    {
        TFormMapa map(main());
        showAndActivate(&map);
        QVERIFY(pickWithMouse(map.DenoOrigen, QStringLiteral("Rioja")));
        const QTimer *timer = map.Led1->blinkTimer();
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 200);
        // Lime and green faces on a navy surround.
        const QPoint face(11, 8);
        QCOMPARE(map.Led1->litImage().pixelColor(face), QColor(0, 255, 0));
        QCOMPARE(map.Led1->darkImage().pixelColor(face), QColor(0, 128, 0));
        QCOMPARE(map.Led1->litImage().pixelColor(0, 0), QColor(0, 0, 128));
        QTRY_COMPARE(map.Led1->phase(), 1);
        QTRY_COMPARE(map.Led1->phase(), 0);
        QVERIFY(pickWithMouse(map.DenoOrigen, QStringLiteral("Toro")));
        QCOMPARE(map.Led1->pos(), QPoint(150, 108));
        QCOMPARE(map.Led1->blinkTimer(), timer);
        QVERIFY(timer->isActive());
    }

    void verDenoOpensTheGuideOverTheMap()
    {
        TFormMapa map(main());
        showAndActivate(&map);
        QVERIFY(pickWithMouse(map.DenoOrigen, QStringLiteral("Toro")));

        QString chosen, picture, firstLine;
        int year = 0;
        bool ratingShown = true, parentIsMap = false;
        m_fixture.script->onNext(QStringLiteral("TFormVinos"), [&](QDialog *d) {
            auto *guide = static_cast<TFormVinos *>(d);
            chosen = guide->DENO->currentText();
            year = guide->EJER->currentIndex();
            picture = guide->shownPicture() ? guide->shownPicture()->objectName() : QString();
            firstLine = guide->Texto->toPlainText().section(u'\n', 0, 0);
            ratingShown = guide->RESUL->isVisible();
            parentIsMap = guide->parentWidget() == &map;
            QTest::mouseClick(guide->BOkDatos, Qt::LeftButton);
        });
        QTest::mouseClick(map.BVerDeno, Qt::LeftButton);
        QCOMPARE(m_fixture.script->opened.last(), QStringLiteral("TFormVinos"));
        QCOMPARE(main()->DenoMapa, appellationIndex(QStringLiteral("Toro")));
        QCOMPARE(chosen, QStringLiteral("Toro"));
        QCOMPARE(year, -1);
        QCOMPARE(picture, QStringLiteral("toroBMP"));
        QCOMPARE(firstLine, description(QStringLiteral("Toro")).first());
        QVERIFY(!ratingShown);
        QVERIFY(parentIsMap);

        // Back on the map, Toro is still marked.
        QVERIFY(map.isVisible());
        QCOMPARE(map.DenoOrigen->currentText(), QStringLiteral("Toro"));
        QCOMPARE(map.Led1->pos(), QPoint(150, 108));
        QVERIFY(map.Led1->isBlinking());
        QCOMPARE(map.PDeno->text(), QStringLiteral("Toro"));
    }

    // ---- The main window's entries ----

    void mainWindowOpensTheGuides_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Vinos1") << "Vinos1"
                                << "TFormVinos"
                                << "Opción Denominaciones de Origen";
        QTest::newRow("BCosechas") << "BCosechas"
                                   << "TFormCosechas"
                                   << "Opción Cosechas";
        QTest::newRow("BMapa") << "BMapa"
                               << "TFormMapa"
                               << "Opción Mapa D.O.";
    }
    void mainWindowOpensTheGuides()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        TFormCavetoPas *w = main();
        // A hand-over left from the map must not choose anything here.
        w->DenoMapa = 7;
        QString shownCaption;
        int chosen = 0;
        m_fixture.script->onNext(window, [&](QDialog *d) {
            shownCaption = w->LOpcionAbierta->text();
            if (auto *guide = qobject_cast<TFormVinos *>(d))
                chosen = guide->DENO->currentIndex();
            d->close();
        });
        if (auto *action = w->findChild<QAction *>(entry))
            action->trigger();
        else
            w->findChild<QToolButton *>(entry)->click();
        QCOMPARE(m_fixture.script->opened.last(), window);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(w->LOpcionAbierta->text(), QString());
        if (window == QLatin1String("TFormVinos")) {
            QCOMPARE(w->DenoMapa, -1);
            QCOMPARE(chosen, -1);
        }
        QVERIFY(m_fixture.script->unexpected.isEmpty());
    }

private:
    TFormCavetoPas *main() { return m_fixture.window.get(); }

    CavetoFixture m_fixture;
};

QTEST_MAIN(TestGuideWindows)
#include "tst_guidewindows.moc"
