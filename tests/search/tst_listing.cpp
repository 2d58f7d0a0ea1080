// The listing window driven as a user drives it: the report built from the
// criteria, its differences from the search, and the report printed.

#include "SearchBook.h"

#include "cellar/StatusPanels.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "search/Listados2.h"
#include "support/PdfText.h"

#include <QAction>
#include <QPushButton>

using OpenListing = OpenForm<TFormListado2>;

static const QString kHead = QStringLiteral("Caveto   Información .. ");

class TestListing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        caveto::applyApplicationLook();
    }

    void emptyBookOpensNeitherWindow()
    {
        CavetoFixture f;
        f.start();
        f.window->Informes1->trigger();
        f.window->BBuscarClick();
        QCOMPARE(f.messageLines(), QStringList(2, "Caveto Error. | No hay datos para visualizar"));
        QCOMPARE(f.script->opened, QStringList({ "TFormInicio" }));
    }

    // Every wine in file order, not the record list's, under the heading,
    // then the totals. Unlike the search, an emptied count takes the
    // comparison back too. Printed landscape, each wine on one line.
    void wholeCellarReport()
    {
        OpenListing open;
        TFormListado2 &l = *open.window;
        TFormCavetoPas *w = open.f.window.get();
        choose(l.CSigno, 2);
        CavetoFixture::retype(l.Botellas_Pan, QString());
        QTest::mouseClick(l.BBuscar, Qt::LeftButton);
        QCOMPARE(l.CSigno->currentText(), QStringLiteral(">="));
        QStringList expected { kHead + "Toda la Bodega     Botellas >= 0", " ",
            "Fecha / Hora .......... " + w->StatusBar1->panelText(3) + "  "
                + w->StatusBar1->panelText(2),
            " ", caveto::reportHeading(), caveto::reportRule() };
        for (const QString &line : fiveWines())
            expected << caveto::reportLine(line);
        expected << " "
                 << " " << QString(30, '-') << "Total Registros ..... 5"
                 << "Total Botellas ...... 12"
                 << "Total Valor Bodega .. 217,50 €" << QString(30, '-');
        QCOMPARE(l.EditorNotas->lines(), expected);
        caveto::PrintScript printing;
        const QString pdf = open.f.dir.filePath(QStringLiteral("informe.pdf"));
        printing.printNextTo(pdf);
        QTest::mouseClick(l.BImprimir, Qt::LeftButton);
        QCOMPARE(
            printing.orientations, QList<QPageLayout::Orientation>({ QPageLayout::Landscape }));
        QVERIFY(pdfText(pdf).contains(QRegularExpression(
            QStringLiteral("Pesquera +2016 +Ribera del Duero +Tinto +Crianza +6 +C-1"))));
    }

    void nothingFoundAndClearing()
    {
        OpenListing open;
        TFormListado2 &l = *open.window;
        typeInto(l.CCosecha, QStringLiteral("1800"));
        l.BBuscar->click();
        const QString rule(31, QLatin1Char('-'));
        QCOMPARE(l.EditorNotas->lines(),
            QStringList({ " ", rule, "No hay datos para esta búsqueda", rule }));
        QVERIFY(!l.BImprimir->isEnabled());

        CavetoFixture::retype(l.CCosecha, QString());
        l.BBuscar->click();
        QVERIFY(l.BImprimir->isEnabled());
        QTest::mouseClick(l.BBorrar, Qt::LeftButton);
        QVERIFY(!l.BImprimir->isEnabled());
        QCOMPARE(l.EditorNotas->lineCount(), 0);
    }
};

QTEST_MAIN(TestListing)
#include "tst_listing.moc"
