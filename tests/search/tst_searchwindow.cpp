// The search window driven as a user drives it: opened from the cellar
// book, criteria typed or chosen, a wine picked by double-click and shown in
// the cellar book, the last search restored.

#include "SearchBook.h"

#include "app/Globals.h"
#include "controls/Blinklbl.h"
#include "controls/GIFImage.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "search/Buscar.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

using caveto::colors::CampoAviso;
using caveto::colors::CampoNormal;

namespace {

void inNextSearch(CavetoFixture &f, std::function<void(TFormBuscar *)> body)
{
    inNext<TFormBuscar>(f, "TFormBuscar", std::move(body));
}

QStringList listedNames(const TFormBuscar *s)
{
    QStringList names;
    for (const QString &row : s->rows())
        names << row.left(20).trimmed();
    return names;
}

QPoint rowCentre(TFormBuscar *s, int row)
{
    return s->ListBuscar->visualRect(s->ListBuscar->model()->index(row, 0)).center();
}

// A double-click as the pointer gives it: a click, then the second press.
void doubleClickAt(TFormBuscar *s, QPoint pos)
{
    QTest::mouseClick(s->ListBuscar->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(s->ListBuscar->viewport(), Qt::LeftButton, {}, pos);
}

// Types a text criterion (when given), chooses the comparison, types the
// bottle count and runs the search.
void searchFor(TFormBuscar *s, QComboBox *criterion, const QString &text, int comparison = 0,
    const QString &bottles = QStringLiteral("0"))
{
    if (criterion)
        typeInto(criterion, text);
    choose(s->CSigno, comparison);
    retype(s->Botellas_Pan, bottles);
    QTest::mouseClick(s->BBuscar, Qt::LeftButton);
}

// The cellar book of the five wines, consulting.
void startConsulting(CavetoFixture &f, QChar decimal = QLatin1Char(','))
{
    startWith(f, fiveWines(decimal));
    QTest::mouseClick(f.window->BMenuCons, Qt::LeftButton);
}

// The search window open over it.
struct OpenSearch
{
    CavetoFixture f;
    std::unique_ptr<TFormBuscar> window;

    explicit OpenSearch(QChar decimal = QLatin1Char(','))
    {
        startConsulting(f, decimal);
        window = std::make_unique<TFormBuscar>(f.window.get());
        window->show();
    }
};

} // namespace

class TestSearchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { caveto::applyApplicationLook(); }
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void openingFillsTheCriteria()
    {
        CavetoFixture f;
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("ApliGraf")));
        QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/BotonVer.gif"),
            f.dir.filePath(QStringLiteral("ApliGraf/BotonVer.gif"))));
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        caveto::program().ClaveElegida = QStringLiteral("1000000000000001");
        QString blinking;
        inNextSearch(f, [&](TFormBuscar *s) {
            blinking = w->LOpcionAbierta->text();
            QCOMPARE(s->windowTitle(), QStringLiteral(" Caveto  Buscar."));
            QCOMPARE(s->size(), QSize(762, 316));
            QCOMPARE(s->LOpcion->text(), QStringLiteral("Consulta"));
            QVERIFY(caveto::program().ClaveElegida.isEmpty());
            QStringList vintages;
            for (int i = 0; i < s->CCosecha->count(); ++i)
                vintages << s->CCosecha->itemText(i);
            QCOMPARE(vintages, QStringList({ "1998", "1999", "2001", "2016", "2020" }));
            QCOMPARE(s->CDenominacion->count(), w->DenoOrigen->count());
            QCOMPARE(s->LContDenominacion->text(), QStringLiteral("3"));
            QCOMPARE(s->LContEstante->text(), w->LContEstante->text());
            QCOMPARE(s->CSigno->currentText(), QStringLiteral(">="));
            QCOMPARE(caveto::fieldColor(s->CSigno), CampoAviso);
            QCOMPARE(caveto::fieldColor(s->Botellas_Pan), CampoAviso);
            QCOMPARE(caveto::fieldColor(s->CVino), CampoNormal);
            QVERIFY(!s->PAviso->isVisible() && !s->PVerde->isVisible());
            QCOMPARE(s->PVerde->pos(), s->PNaranja->pos());
            QCOMPARE(s->PNaranja->x(), 208);
            // The orange light's picture is missing: its control goes.
            QVERIFY(!s->GIFImage1 && s->GIFImage2);
            QCOMPARE(s->PBotella->x(), 682);
            searchFor(s, s->CCosecha, QStringLiteral("1800"));
            QVERIFY(s->PNaranja->isVisible() && !s->PVerde->isVisible());
            QCOMPARE(s->PAviso->text(), QStringLiteral("No hay Registros para esta búsqueda"));
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(blinking, QStringLiteral("Opción Buscar"));
        QVERIFY(w->LOpcionAbierta->text().isEmpty());
        QVERIFY(f.script->unexpected.isEmpty());
    }

    void search_data()
    {
        QTest::addColumn<int>("criterion"); // one of the five text criteria, or -1
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("comparison");
        QTest::addColumn<QString>("bottles");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("everything")
            << -1 << "" << 0 << "0"
            << QStringList { "Alión", "Contino", "Pazo de Señorans", "Pesquera", "Viña Tondonia" };
        QTest::newRow("rioja in any case")
            << 1 << "rioja" << 0 << "0" << QStringList { "Contino", "Viña Tondonia" };
        QTest::newRow("ñ is not Ñ") << 2 << "albariño" << 0 << "0" << QStringList();
        QTest::newRow("at most two")
            << -1 << "" << 2 << "2" << QStringList { "Alión", "Contino", "Pazo de Señorans" };
        QTest::newRow("emptied count reads 0")
            << 4 << "c-1" << 0 << "" << QStringList { "Pesquera" };
    }

    void search()
    {
        QFETCH(int, criterion);
        QFETCH(QString, text);
        QFETCH(int, comparison);
        QFETCH(QString, bottles);
        QFETCH(QStringList, names);
        OpenSearch open;
        TFormBuscar *s = open.window.get();
        searchFor(
            s, criterion >= 0 ? s->textCriteria()[criterion] : nullptr, text, comparison, bottles);
        QCOMPARE(listedNames(s), names);
        QCOMPARE(s->ETotalReg->text(), QString::number(names.size()));
        QCOMPARE(s->Botellas_Pan->text(), bottles.isEmpty() ? QStringLiteral("0") : bottles);
        QCOMPARE(s->PVerde->isVisible(), !names.isEmpty());
        QCOMPARE(s->PNaranja->isVisible(), names.isEmpty());
        QVERIFY(s->PAviso->isVisible() && !s->PBarraProgreso->isVisible());
    }

    void totals_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("value");
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << "57,50";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "57.50";
    }

    void totals()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, value);
        QLocale::setDefault(locale);
        OpenSearch open(locale.decimalPoint().at(0));
        TFormBuscar *s = open.window.get();
        searchFor(s, s->CDenominacion, QStringLiteral("Rioja"));
        QCOMPARE(s->ETotalReg->text(), QStringLiteral("2"));
        QCOMPARE(s->EBotellas->text(), QStringLiteral("5"));
        QCOMPARE(s->EValorBodega->text(), value);
    }

    void vintageKeys()
    {
        OpenSearch open;
        TFormBuscar *s = open.window.get();
        typeInto(s->CCosecha, QStringLiteral("r"));
        QCOMPARE(s->CCosecha->currentText(), QString());
        QCOMPARE(caveto::fieldColor(s->CCosecha), CampoNormal);
        typeText(s->CCosecha, QStringLiteral("R"));
        QCOMPARE(s->CCosecha->currentText(), QStringLiteral("R"));
        QCOMPARE(caveto::fieldColor(s->CCosecha), CampoAviso);
        retype(s->CCosecha, QStringLiteral("19-9.8ñ x7"));
        QCOMPARE(s->CCosecha->currentText(), QStringLiteral("1998"));
        retype(s->Botellas_Pan, QStringLiteral("-2"));
        QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("2"));
    }

    void doubleClickShowsTheWineAndTheSearchComesBack()
    {
        CavetoFixture f;
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        inNextSearch(f, [](TFormBuscar *s) {
            searchFor(s, s->CVino, QStringLiteral("tinto"), 0, QStringLiteral("2"));
            QCOMPARE(listedNames(s), QStringList({ "Contino", "Pesquera", "Viña Tondonia" }));
            // A double-click off the rows chooses nothing.
            doubleClickAt(s, rowCentre(s, 2) + QPoint(0, 60));
            QVERIFY(s->isVisible());
            doubleClickAt(s, rowCentre(s, 1));
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(caveto::program().ClaveElegida, QStringLiteral("1000000000000004"));
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
        QCOMPARE(w->Csalida->currentText().left(8), QStringLiteral("Pesquera"));

        inNextSearch(f, [](TFormBuscar *s) {
            QCOMPARE(s->CVino->currentText(), QStringLiteral("tinto"));
            QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("2"));
            QCOMPARE(caveto::fieldColor(s->CVino), CampoAviso);
            QCOMPARE(s->rows().size(), 3);
            QCOMPARE(s->selectedRow(), 1);
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QVERIFY(caveto::program().ClaveElegida.isEmpty());
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
    }

    void whatIsNotRestored_data()
    {
        QTest::addColumn<bool>("clear"); // "Borra Campos" before closing
        QTest::newRow("after Borra Campos") << true;
        QTest::newRow("a comparison alone") << false;
    }

    void whatIsNotRestored()
    {
        QFETCH(bool, clear);
        OpenSearch open;
        TFormBuscar *s = open.window.get();
        searchFor(s, clear ? s->CEstante : nullptr, QStringLiteral("C-1"), 2, QStringLiteral("0"));
        if (clear) {
            QTest::mouseClick(s->BBorrar, Qt::LeftButton);
            QVERIFY(s->rows().isEmpty() && !s->PAviso->isVisible() && !s->PVerde->isVisible());
            QCOMPARE(s->EValorBodega->text(), QStringLiteral("0"));
            QCOMPARE(caveto::fieldColor(s->CEstante), CampoNormal);
            QCOMPARE(s->CEstante->count(), 5); // the lists keep their items
        }
        s->close();
        TFormBuscar again(open.f.window.get());
        again.show();
        for (QComboBox *list : again.textCriteria())
            QVERIFY(list->currentText().isEmpty());
        QCOMPARE(again.CSigno->currentText(), QStringLiteral(">="));
        QCOMPARE(again.Botellas_Pan->text(), QStringLiteral("0"));
        QVERIFY(again.rows().isEmpty());
    }

    void savedRowPastTheShortenedListSelectsNothing()
    {
        OpenSearch open;
        TFormBuscar *s = open.window.get();
        TFormCavetoPas *w = open.f.window.get();
        searchFor(s, s->CDenominacion, QStringLiteral("rioja"));
        QTest::mouseClick(s->ListBuscar->viewport(), Qt::LeftButton, {}, rowCentre(s, 1));
        s->close();
        QCOMPARE(w->UltimaBusqueda.fila, QStringLiteral("1"));

        // Contino goes: only Viña Tondonia is left in Rioja.
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        pickWine(w, QStringLiteral("Contino"));
        open.f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        TFormBuscar again(w);
        again.show();
        QCOMPARE(listedNames(&again), QStringList({ "Viña Tondonia" }));
        QCOMPARE(again.selectedRow(), -1);
    }

    void unsavedEditsAreSettledFirst_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button"); // of the save question
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("nothing changed") << ""
                                         << "" << true << "Contino"
                                         << "Contino";
        QTest::newRow("Cancelar") << " Reserva"
                                  << "BCancelar" << false << "Contino Reserva"
                                  << "Contino";
        QTest::newRow("No") << " Reserva"
                            << "BNo" << true << "Contino"
                            << "Contino";
        QTest::newRow("Si") << " Reserva"
                            << "BSi" << false << ""
                            << "Contino Reserva";
    }

    void unsavedEditsAreSettledFirst()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(bool, opens);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        CavetoFixture f;
        startWith(f, fiveWines());
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pickWine(w, QStringLiteral("Contino"));
        moveFocus(w->NombreVino);
        QTest::keyClick(w->NombreVino, Qt::Key_End);
        typeText(w->NombreVino, typed);
        if (!button.isEmpty())
            f.answerSaveQuestion(qPrintable(button));
        inNextSearch(f, [](TFormBuscar *s) { s->BSalirBuscar->click(); });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);

        QCOMPARE(f.script->opened.contains(QStringLiteral("TFormAvisoProg")), !button.isEmpty());
        QCOMPARE(f.script->opened.contains(QStringLiteral("TFormBuscar")), opens);
        QCOMPARE(w->NombreVino->text(), shown);
        if (button == QLatin1String("BCancelar") || button == QLatin1String("BNo"))
            QCOMPARE(w->focusWidget(), w->NombreVino);
        QVERIFY(f.fileLines().contains(wineLine({ stored, "2001", "RIOJA", "Tinto", "Crianza",
            "A-2", "10,00", "2", "1000000000000002" })));
        QVERIFY(f.messages().isEmpty());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
