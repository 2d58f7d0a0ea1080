// The vintage chart, the appellation guide and the map, driven as a user
// drives them, and the main window's entries that open every guide and
// reference window.

#include "support/CavetoFixture.h"
#include "support/PdfText.h"
#include "support/PickItem.h"

#include "cellar/StatusPanels.h"
#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "controls/ImagenPlus.h"
#include "guides/Appellations.h"
#include "guides/Cosechas.h"
#include "guides/Descriptions.h"
#include "guides/GuideLook.h"
#include "guides/Mapa.h"
#include "guides/Vinos.h"
#include "platform/FormStyle.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace caveto;
using caveto::guides::textColour;

namespace {

QStringList description(const QString &name)
{
    return appellationDescription(appellationIndex(name));
}

template <class W> void showAndActivate(W *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestGuideWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyApplicationLook();
        m_fixture.start();
        main()->Tpersonal->stop();
        main()->StatusBar1->setPanelText(2, QStringLiteral("18:05:09"));
        main()->StatusBar1->setPanelText(3, QStringLiteral("6-12-2026"));
    }
    void cleanupTestCase() { m_fixture.quit(); }
    void init() { main()->DenoMapa = -1; }

    // Every year's box shows its whole text and takes no typing; the button
    // holds the focus and Enter closes the chart.
    void chart()
    {
        TFormCosechas chart(main());
        for (int i = 0; i < chart.years.size(); ++i) {
            QLineEdit *box = chart.years[i];
            const QString text = box->text();
            QTest::keyClicks(box, QStringLiteral("x"));
            QVERIFY2(box->text() == text && text.startsWith(QString::number(1970 + i)),
                qPrintable(text));
            QVERIFY2(
                box->fontMetrics().horizontalAdvance(text) < box->width() - 2, qPrintable(text));
        }
        // 1970, which the appellations' table does not cover, and 2003.
        QCOMPARE(chart.years.first()->text(), QStringLiteral("1970  Sin Datos"));
        QCOMPARE(chart.years.last()->text(), QStringLiteral("2003  Sin Calificar"));
        showAndActivate(&chart);
        QCOMPARE(chart.focusWidget(), chart.BOkDatos);
        QTest::keyClick(chart.BOkDatos, Qt::Key_Return);
        QVERIFY(!chart.isVisible());
    }

    // Nothing chosen at first; a year alone shows only its panel. Each
    // appellation then shows its picture (Alella's sits higher), name and
    // text. Only a change of appellation rewrites the description: a new
    // year keeps the text where the reader left it. Letters typed into the
    // year list are dropped.
    void guideChoices()
    {
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithKeyboard(guide.EJER, QStringLiteral("1994")));
        QVERIFY(guide.ano0->isVisible() && guide.ano0->text() == QLatin1String("1994"));
        QVERIFY(
            !guide.denomi0->isVisible() && !guide.RESUL->isVisible() && !guide.Texto->isVisible());
        QVERIFY(!guide.BImprimir->isEnabled() && !guide.shownPicture());

        QVERIFY(pickWithKeyboard(guide.DENO, QStringLiteral("Alella")));
        QCOMPARE(guide.denomi0->text(), QStringLiteral("Alella"));
        QCOMPARE(guide.Texto->toPlainText().split(u'\n'), description(QStringLiteral("Alella")));
        QVERIFY(guide.Texto->isVisible() && (guide.Texto->focusPolicy() & Qt::TabFocus));
        QVERIFY(guide.BImprimir->isEnabled());
        QCOMPARE(guide.shownPicture()->pos(), QPoint(558, 15));

        QVERIFY(pickWithKeyboard(guide.DENO, QStringLiteral("Rioja")));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("EXCELENTE"));
        QCOMPARE(textColour(guide.RESUL), QColor(0, 255, 0));
        QScrollBar *bar = guide.Texto->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        const int revision = guide.Texto->document()->revision();
        QVERIFY(scrolled > 0);
        QTest::keyClick(guide.DENO, Qt::Key_Tab);
        QTest::keyClicks(guide.EJER, QStringLiteral("ab x-"));
        typeText(guide.EJER, QStringLiteral("ñ"));
        QCOMPARE(guide.EJER->currentText(), QStringLiteral("1994"));
        QTest::keyClick(guide.EJER, Qt::Key_Home);
        QCOMPARE(guide.ano0->text(), QStringLiteral("1971"));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("DEFICIENTE"));
        QCOMPARE(textColour(guide.RESUL), QColor(255, 0, 0));
        QCOMPARE(guide.Texto->document()->revision(), revision);
        QCOMPARE(bar->value(), scrolled);
        QTest::qWait(QApplication::keyboardInputInterval() + 20);
        QTest::keyClicks(guide.EJER, QStringLiteral("x2"));
        QCOMPARE(guide.RESUL->text() + guide.ano0->text(), QStringLiteral("BUENO2000"));

        // Another appellation with the year chosen: picture, name, text and
        // rating change together, and the text starts from its top.
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Toro")));
        QCOMPARE(guide.denomi0->text(), QStringLiteral("Toro"));
        QCOMPARE(guide.Texto->toPlainText().split(u'\n'), description(QStringLiteral("Toro")));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(guide.RESUL->text(), QStringLiteral("MUY BUENO"));
        QCOMPARE(guide.shownPicture()->objectName(), QStringLiteral("toroBMP"));
        QVERIFY(pickWithMouse(guide.EJER, QStringLiteral("1971")));
        QCOMPARE(guide.RESUL->text(), QStringLiteral("SIN CALIFICAR"));
        QCOMPARE(textColour(guide.RESUL), QColor(Qt::white));
    }

    // The header, then the description, portrait; on paper the long lines
    // wrap whole. Opened from the map on Toro: Toro shown at once, no year,
    // no rating, so the year and harvest lines print empty; a cancelled print
    // prints nothing. Enter typed into a list presses no button; on a button,
    // that one.
    void guidePrints()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("guia.pdf"));
        TFormVinos guide(main());
        showAndActivate(&guide);
        QVERIFY(pickWithMouse(guide.DENO, QStringLiteral("Rioja")));
        QVERIFY(pickWithMouse(guide.EJER, QStringLiteral("1994")));
        PrintScript printer;
        printer.printNextTo(pdf);
        printer.cancelNext();
        QTest::mouseClick(guide.BImprimir, Qt::LeftButton);
        QTest::mouseClick(guide.BImprimir, Qt::LeftButton);
        QCOMPARE(printer.orientations, QList({ QPageLayout::Portrait, QPageLayout::Portrait }));
        const QStringList header = { "Caveto   *   DENOMINACIONES DE ORIGEN   *", " ",
            "Fecha / Hora ............. 6-12-2026  18:05:09", " ",
            "Denominación de Origen ... Rioja", "Año ...................... 1994",
            "Cosecha .................. EXCELENTE", " ", " " };
        const QStringList rioja = description(QStringLiteral("Rioja"));
        QCOMPARE(guide.EditorNotasImprimir->lines(), header + rioja);
        const QString text = pdfText(pdf).simplified();
        QVERIFY2(text.startsWith(header.mid(0, 7).join(u' ').simplified()), qPrintable(text));
        for (const QString &line : rioja)
            QVERIFY2(text.contains(line.simplified()), qPrintable(line));
        guide.close();

        main()->DenoMapa = appellationIndex(QStringLiteral("Toro"));
        TFormVinos::CambioDeno = QStringLiteral("N");
        TFormVinos toro(main());
        showAndActivate(&toro);
        QCOMPARE(toro.DENO->currentText(), QStringLiteral("Toro"));
        QCOMPARE(toro.EJER->currentIndex(), -1);
        QCOMPARE(toro.Texto->toPlainText().split(u'\n'), description(QStringLiteral("Toro")));
        QVERIFY(!toro.ano0->isVisible() && !toro.RESUL->isVisible());
        QTest::qWait(0);
        QTest::keyClick(toro.DENO, Qt::Key_Return);
        QCOMPARE(printer.dialogs, 2);
        QVERIFY(toro.isVisible());
        QFile::remove(pdf);
        printer.cancelNext();
        QTest::mouseClick(toro.BImprimir, Qt::LeftButton);
        QCOMPARE(toro.EditorNotasImprimir->lines().mid(5, 2),
            QStringList({ "Año ...................... ", "Cosecha .................. " }));
        QVERIFY(!QFile::exists(pdf));
        toro.BOkDatos->setFocus();
        QTest::keyClick(toro.BOkDatos, Qt::Key_Return);
        QVERIFY(!toro.isVisible());
    }

    // The marker and the name follow the choice, drawn over the map even
    // past its right edge; the LED, once lit, blinks on while it moves; Cava
    // shows its ten provinces until another choice. "Ver D.O." opens the
    // guide over the map on the map's choice; closing it returns to the map
    // as it was.
    void mapFollowsTheChoice()
    {
        TFormMapa map(main());
        showAndActivate(&map);
        QVERIFY(map.Led1->isHidden() && map.PDeno->isHidden() && map.PRestoCava->isHidden());
        QVERIFY(!map.BVerDeno->isEnabled());
        const struct
        {
            const char *name;
            QPoint marker;
        } choices[] = { { "Rioja", { 256, 76 } }, { "Cava", { 411, 74 } },
            { "Lanzarote", { 486, 340 } }, { "Toro", { 150, 108 } } };
        for (const auto &c : choices) {
            QVERIFY(pickWithMouse(map.DenoOrigen, QString::fromUtf8(c.name)));
            QCOMPARE(map.Led1->pos(), c.marker);
            QCOMPARE(map.PDeno->text(), QString::fromUtf8(c.name));
            QCOMPARE(map.PDeno->pos(), c.marker + QPoint(23, 0));
            for (QWidget *w :
                { static_cast<QWidget *>(map.Led1), static_cast<QWidget *>(map.PDeno) })
                QCOMPARE(map.childAt(w->geometry().center()), w);
            QVERIFY(map.Led1->isBlinking() && map.BVerDeno->isEnabled());
            for (QLabel *province : std::as_const(map.provinces))
                QCOMPARE(province->isVisible(), c.name == QLatin1String("Cava"));
        }
        QTRY_COMPARE(map.Led1->phase(), 1);
        QTRY_COMPARE(map.Led1->phase(), 0);

        QString seen;
        m_fixture.script->onNext(QStringLiteral("TFormVinos"), [&](QDialog *d) {
            auto *guide = static_cast<TFormVinos *>(d);
            seen = QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(guide->DENO->currentText())
                       .arg(guide->EJER->currentIndex())
                       .arg(guide->shownPicture() && guide->parentWidget() == &map)
                       .arg(guide->RESUL->isVisible())
                       .arg(guide->Texto->toPlainText().section(u'\n', 0, 0));
            QTest::mouseClick(guide->BOkDatos, Qt::LeftButton);
        });
        QTest::mouseClick(map.BVerDeno, Qt::LeftButton);
        QCOMPARE(
            seen, QStringLiteral("Toro -1 1 0 ") + description(QStringLiteral("Toro")).first());
        QVERIFY(map.isVisible() && map.Led1->isBlinking());
        QCOMPARE(map.Led1->pos(), QPoint(150, 108));
        QCOMPARE(map.PDeno->text(), QStringLiteral("Toro"));
    }

    // Each menu entry and picture button opens its window modally, naming
    // it in the option label while it is open. The guide opened from here
    // starts with nothing chosen, whatever the map last handed over.
    void mainWindowEntries_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        const auto row
            = [](const char *menu, const char *button, const char *window, const char *option) {
                  for (const char *control : { menu, button })
                      if (control)
                          QTest::newRow(control) << control << window << QString::fromUtf8(option);
              };
        row("Vinos1", "BVinos", "TFormVinos", "Opción Denominaciones de Origen");
        row("Cosechas1", "BCosechas", "TFormCosechas", "Opción Cosechas");
        row("MapaDO1", "BMapa", "TFormMapa", "Opción Mapa D.O.");
        row("Diccionario1", "BAH", "TFormDiccionarioAH", "Opción Diccionario");
        row("Uvas1", "BUvas", "TFormUvas", "Opción Tipos de Uva");
        row("Declogo1", "BDecalogo", "TFormDecalogo", "Opción Decálogo");
        row("lexico1", "BLexico", "TFormLexico", "Opción Léxico");
        row("Maridaje1", "BMaridaje", "TFormMaridaje", "Opción Maridaje");
        row("Caveto1", nullptr, "TFormAcercaDe", "Opción Caveto");
        row("Acerdade1", nullptr, "TFormAcercaDe2", "Opción Acerda de...");
    }
    void mainWindowEntries()
    {
        QFETCH(QString, control);
        QFETCH(QString, window);
        QFETCH(QString, option);
        TFormCavetoPas *w = main();
        w->DenoMapa = 7;
        const qsizetype opened = m_fixture.script->opened.size();
        QString shown;
        bool modal = false, nothingChosen = true;
        m_fixture.script->onNext(window, [&](QDialog *d) {
            shown = w->LOpcionAbierta->text();
            modal = d->isModal() && d->isVisible();
            if (auto *guide = qobject_cast<TFormVinos *>(d))
                nothingChosen = guide->DENO->currentIndex() == -1;
            d->close();
        });
        if (auto *entry = w->findChild<QAction *>(control)) {
            QVERIFY(entry->isVisible() && entry->isEnabled());
            entry->trigger();
        } else {
            // The picture buttons show in the modes.
            auto *button = w->findChild<QToolButton *>(control);
            if (!button->isVisible())
                w->BMenuAlta2Click();
            QVERIFY(button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(m_fixture.script->opened.mid(opened), QStringList { window });
        QCOMPARE(shown, option);
        QVERIFY(modal && nothingChosen);
        QCOMPARE(w->LOpcionAbierta->text(), QString());
        QVERIFY(m_fixture.script->unexpected.isEmpty() && m_fixture.script->messages.isEmpty());
    }

private:
    TFormCavetoPas *main() { return m_fixture.window.get(); }

    CavetoFixture m_fixture;
};

QTEST_MAIN(TestGuideWindows)
#include "tst_guidewindows.moc"
