// The listing window driven as a user drives it: the report built from the
// criteria, its differences from the search, and the report printed.

#include "SearchBook.h"

#include "cellar/StatusPanels.h"
#include "controls/Blinklbl.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "search/Criteria.h"
#include "search/Listados2.h"
#include "support/PdfText.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString kHead = QStringLiteral("Caveto   Información .. ");

void startWith(CavetoFixture &f, const QStringList &lines)
{
    f.writeDataFile(lines);
    f.start();
}

QStringList reportLines(const QStringList &image)
{
    QStringList lines;
    for (const QString &line : image)
        lines << caveto::reportLine(line);
    return lines;
}

} // namespace

class TestListing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        caveto::applyApplicationLook();
    }

    void openingFromTheMenuAndTheButton()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        w->Informes1->trigger();
        QCOMPARE(f.messages().size(), 1);
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormListado2")));
        f.quit();

        CavetoFixture g;
        startWith(g, fiveWines());
        w = g.window.get();
        // The last search is not the listing's: it starts empty every time.
        w->UltimaBusqueda.vino = QStringLiteral("Tinto");
        QString blinking;
        inNext<TFormListado2>(g, "TFormListado2", [&](TFormListado2 *l) {
            blinking = w->LOpcionAbierta->text();
            QCOMPARE(l->windowTitle(), QStringLiteral(" Caveto  Informe."));
            QCOMPARE(l->size(), QSize(748, 316));
            QCOMPARE(l->LOpcion->text(), QStringLiteral("Informe"));
            QCOMPARE(l->EditorNotas->size(), QSize(731, 160));
            QVERIFY(!l->BImprimir->isEnabled());
            QCOMPARE(l->EditorNotas->lineCount(), 0);
            for (QComboBox *list : l->textCriteria())
                QVERIFY(list->currentText().isEmpty());
            QCOMPARE(l->CVino->count(), w->Vino->count());
            QCOMPARE(l->LContVino->text(), w->LContVino->text());
            QCOMPARE(caveto::fieldColor(l->Botellas_Pan), caveto::colors::CampoAviso);
            l->BSalirInformes->click();
        });
        QTest::mouseClick(w->BInformes, Qt::LeftButton);
        QCOMPARE(blinking, QStringLiteral("Opción Listado"));
        QVERIFY(w->LOpcionAbierta->text().isEmpty());
        QCOMPARE(g.script->opened.count(QStringLiteral("TFormListado2")), 1);
        QVERIFY(g.script->unexpected.isEmpty());
    }

    void wholeCellarReport()
    {
        CavetoFixture f;
        const QStringList wines = fiveWines();
        startWith(f, wines);
        TFormCavetoPas *w = f.window.get();
        TFormListado2 l(w);
        l.show();
        QTest::mouseClick(l.BBuscar, Qt::LeftButton);

        QStringList expected { kHead + QStringLiteral("Toda la Bodega     Botellas >= 0"),
            QStringLiteral(" "),
            QStringLiteral("Fecha / Hora .......... ") + w->StatusBar1->panelText(3)
                + QStringLiteral("  ") + w->StatusBar1->panelText(2),
            QStringLiteral(" "), caveto::reportHeading(), caveto::reportRule() };
        // The wines in file order, not the record list's.
        expected += reportLines(wines);
        expected += { QStringLiteral(" "), QStringLiteral(" "), QString(30, QLatin1Char('-')),
            QStringLiteral("Total Registros ..... 5"), QStringLiteral("Total Botellas ...... 12"),
            QStringLiteral("Total Valor Bodega .. 217,50 €"), QString(30, QLatin1Char('-')) };
        QCOMPARE(l.EditorNotas->lines(), expected);
        QCOMPARE(l.ETotalReg->text(), QStringLiteral("5"));
        QCOMPARE(l.EBotellas->text(), QStringLiteral("12"));
        QCOMPARE(l.EValorBodega->text(), QStringLiteral("217,50"));
        QVERIFY(l.BImprimir->isEnabled());
        QVERIFY(!l.PBarraProgreso->isVisible());
    }

    void criteriaNameTheReport()
    {
        CavetoFixture f;
        const QStringList wines = fiveWines();
        startWith(f, wines);
        TFormListado2 l(f.window.get());
        l.show();
        typeInto(l.CCosecha, QStringLiteral("2001"));
        typeInto(l.CDenominacion, QStringLiteral("Rioja"));
        QCOMPARE(caveto::fieldColor(l.CDenominacion), caveto::colors::CampoAviso);
        QTest::mouseClick(l.BBuscar, Qt::LeftButton);
        const QStringList first = l.EditorNotas->lines();
        QCOMPARE(first.value(0), kHead + QStringLiteral("2001 Rioja    Botellas >= 0"));
        QCOMPARE(first.mid(6, 1), reportLines({ wines[1] }));

        // The same criteria give the same report, the date line apart.
        QTest::mouseClick(l.BBuscar, Qt::LeftButton);
        QStringList second = l.EditorNotas->lines();
        QCOMPARE(second.size(), first.size());
        second[2] = first[2];
        QCOMPARE(second, first);
    }

    void longNamesAndTypesAreCut()
    {
        CavetoFixture f;
        startWith(f,
            { wineLine({ "Castillo de Perelada Ex", "1999", "Empordà", "Tinto",
                "Gran Reserva de Familia", "B-2", "30,00", "2", "1000000000000009" }) });
        TFormListado2 l(f.window.get());
        l.show();
        l.BBuscar->click();
        const QString line = l.EditorNotas->line(6);
        QCOMPARE(line.size(), 119);
        QCOMPARE(line.left(22), QStringLiteral("Castillo de Perelada  "));
        QCOMPARE(line.mid(72, 22), QStringLiteral("Gran Reserva de Fami  "));
        QCOMPARE(line.mid(94, 10), QStringLiteral("2         "));
        QCOMPARE(line.mid(104), QStringLiteral("B-2").leftJustified(15));
    }

    void nothingFoundAndClearing()
    {
        CavetoFixture f;
        startWith(f, fiveWines());
        TFormListado2 l(f.window.get());
        l.show();
        typeInto(l.CCosecha, QStringLiteral("1800"));
        l.BBuscar->click();
        const QString rule(31, QLatin1Char('-'));
        QCOMPARE(l.EditorNotas->lines(),
            QStringList({ " ", rule, "No hay datos para esta búsqueda", rule }));
        QVERIFY(!l.BImprimir->isEnabled());
        QCOMPARE(l.ETotalReg->text(), QStringLiteral("0"));
        QCOMPARE(l.EValorBodega->text(), QStringLiteral("0,00"));

        retype(l.CCosecha, QString());
        l.BBuscar->click();
        QVERIFY(l.BImprimir->isEnabled());
        QTest::mouseClick(l.BBorrar, Qt::LeftButton);
        QVERIFY(!l.BImprimir->isEnabled());
        QCOMPARE(l.EditorNotas->lineCount(), 0);
        for (QLineEdit *total : { l.ETotalReg, l.EBotellas, l.EValorBodega })
            QCOMPARE(total->text(), QStringLiteral("0"));
        QCOMPARE(caveto::fieldColor(l.CCosecha), caveto::colors::CampoNormal);
    }

    void emptiedCountGoesBackToAtLeastZero()
    {
        CavetoFixture f;
        startWith(f, fiveWines());
        TFormListado2 l(f.window.get());
        l.show();
        choose(l.CSigno, 2);
        retype(l.Botellas_Pan, QString());
        QCOMPARE(caveto::fieldColor(l.Botellas_Pan), caveto::colors::CampoNormal);
        l.BBuscar->click();
        QCOMPARE(l.CSigno->currentText(), QStringLiteral(">="));
        QCOMPARE(l.Botellas_Pan->text(), QStringLiteral("0"));
        QCOMPARE(
            l.EditorNotas->line(0), kHead + QStringLiteral("Toda la Bodega     Botellas >= 0"));
        QCOMPARE(l.ETotalReg->text(), QStringLiteral("5"));

        // A count that is given keeps its comparison.
        choose(l.CSigno, 2);
        retype(l.Botellas_Pan, QStringLiteral("1"));
        l.BBuscar->click();
        QCOMPARE(
            l.EditorNotas->line(0), kHead + QStringLiteral("Toda la Bodega     Botellas <= 1"));
        QCOMPARE(l.ETotalReg->text(), QStringLiteral("2"));
    }

    void printedReport()
    {
        CavetoFixture f;
        // Enough wines for more than one page.
        QStringList wines;
        for (int i = 0; i < 120; ++i) {
            wines << wineLine({ QStringLiteral("Vino %1").arg(i, 3, 10, QLatin1Char('0')), "2005",
                "Rioja", "Tinto", "Crianza", "A-1", "10,00", "1",
                QStringLiteral("%1").arg(2000000000000000LL + i) });
        }
        startWith(f, wines);
        TFormListado2 l(f.window.get());
        l.show();
        l.BBuscar->click();
        const QStringList report = l.EditorNotas->lines();

        caveto::PrintScript printing;
        const QString pdf = f.dir.filePath(QStringLiteral("informe.pdf"));
        printing.cancelNext();
        QTest::mouseClick(l.BImprimir, Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
        printing.printNextTo(pdf);
        QTest::mouseClick(l.BImprimir, Qt::LeftButton);
        QCOMPARE(printing.dialogs, 2);
        QCOMPARE(printing.orientations.value(1), QPageLayout::Landscape);
        // The report and its criteria stay as they were.
        QCOMPARE(l.EditorNotas->lines(), report);

        const QSize page = pdfPageSize(pdf);
        QVERIFY2(page.width() > page.height(),
            qPrintable(QStringLiteral("%1x%2").arg(page.width()).arg(page.height())));
        QVERIFY(pdfPageCount(pdf) > 1);
        const QString text = pdfText(pdf);
        for (const char *expected :
            { "Caveto   Información .. Toda la Bodega", "Nombre del Vino", "Vino 000", "Vino 119",
                "Total Registros ..... 120", "Total Valor Bodega .. 1.200,00 €" })
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        // Each wine on one line, columns kept.
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("Vino 057 +2005 +Rioja +Tinto +Crianza +1 +A-1"))));
    }
};

QTEST_MAIN(TestListing)
#include "tst_listing.moc"
