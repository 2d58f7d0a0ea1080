// The search window driven as a user drives it: opened from the cellar
// book, criteria typed or chosen, the search run, a wine picked by
// double-click and shown in the cellar book, the last search restored.

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

namespace {

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

void inNextSearch(CavetoFixture &f, std::function<void(TFormBuscar *)> body)
{
    inNext<TFormBuscar>(f, "TFormBuscar", std::move(body));
}

// The names of the wines listed, in the list's order.
QStringList listedNames(const TFormBuscar *s)
{
    QStringList names;
    for (const QString &row : s->rows())
        names << row.left(20).trimmed();
    return names;
}

// A double-click as the pointer gives it: a click, then the second press.
void doubleClickAt(TFormBuscar *s, QPoint pos)
{
    QTest::mouseClick(s->ListBuscar->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(s->ListBuscar->viewport(), Qt::LeftButton, {}, pos);
}

QPoint rowCentre(TFormBuscar *s, int row)
{
    return s->ListBuscar->visualRect(s->ListBuscar->model()->index(row, 0)).center();
}

void doubleClickRow(TFormBuscar *s, int row)
{
    doubleClickAt(s, rowCentre(s, row));
}

// Picks a wine of the record list by its name, with the arrow keys.
void pickWine(TFormCavetoPas *w, const QString &name)
{
    moveFocus(w->Csalida);
    for (int i = 0; i < w->Csalida->count() && !w->Csalida->currentText().startsWith(name); ++i)
        QTest::keyClick(w->Csalida, Qt::Key_Down);
}

// The pictures of the two lights beside the program.
void installLights(CavetoFixture &f)
{
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("ApliGraf")));
    for (const char *name : { "BotonVer.gif", "BotonNar.gif" }) {
        QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/") + QLatin1String(name),
            f.dir.filePath(QStringLiteral("ApliGraf/")) + QLatin1String(name)));
    }
}

// Types a text criterion (when given), chooses the comparison, types the
// bottle count and runs the search.
void searchFor(TFormBuscar *s, QComboBox *criterion, const QString &text, int comparison,
    const QString &bottles)
{
    if (criterion)
        typeInto(criterion, text);
    choose(s->CSigno, comparison);
    retype(s->Botellas_Pan, bottles);
    QTest::mouseClick(s->BBuscar, Qt::LeftButton);
}

// The cellar book in consult mode over the five wines.
void startConsulting(CavetoFixture &f, QChar decimal = QLatin1Char(','))
{
    f.writeDataFile(fiveWines(decimal));
    f.start();
    QTest::mouseClick(f.window->BMenuCons, Qt::LeftButton);
}

// The search window open over the five wines, the cellar book consulting.
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
    void initTestCase()
    {
        QLocale::setDefault(kSpanish);
        caveto::applyApplicationLook();
    }

    void cleanup() { QLocale::setDefault(kSpanish); }

    void emptyBookOpensNoWindow()
    {
        CavetoFixture f;
        f.start();
        f.window->BBuscarClick();
        const auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QCOMPARE(shown[0].text, QStringLiteral("No hay datos para visualizar"));
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormBuscar")));
    }

    void openingFillsTheCriteria()
    {
        CavetoFixture f;
        installLights(f);
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        caveto::program().ClaveElegida = QStringLiteral("1000000000000001");
        QString blinking;
        inNextSearch(f, [&](TFormBuscar *s) {
            blinking = w->LOpcionAbierta->text();
            QCOMPARE(s->windowTitle(), QStringLiteral(" Caveto  Buscar."));
            QCOMPARE(s->size(), QSize(762, 316));
            QCOMPARE(s->LOpcion->text(), QStringLiteral("Consulta"));
            QCOMPARE(s->PBusqueda->text(), QStringLiteral("Búsqueda"));
            QVERIFY(caveto::program().ClaveElegida.isEmpty());
            // Vintages from the image, the other lists from the cellar book.
            QStringList vintages;
            for (int i = 0; i < s->CCosecha->count(); ++i)
                vintages << s->CCosecha->itemText(i);
            QCOMPARE(vintages, QStringList({ "1998", "1999", "2001", "2016", "2020" }));
            QCOMPARE(s->CDenominacion->count(), w->DenoOrigen->count());
            QCOMPARE(s->CEstante->count(), w->Estante->count());
            for (QComboBox *list : s->textCriteria())
                QVERIFY(list->currentText().isEmpty());
            QCOMPARE(s->LContDenominacion->text(), w->LContDenominacion->text());
            QCOMPARE(s->LContDenominacion->text(), QStringLiteral("3"));
            QCOMPARE(s->LContEstante->text(), QStringLiteral("5"));
            QCOMPARE(s->CSigno->currentText(), QStringLiteral(">="));
            QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("0"));
            QCOMPARE(caveto::fieldColor(s->CSigno), caveto::colors::CampoAviso);
            QCOMPARE(caveto::fieldColor(s->Botellas_Pan), caveto::colors::CampoAviso);
            QCOMPARE(caveto::fieldColor(s->CVino), caveto::colors::CampoNormal);
            // Nothing found yet: no message, no light; the two lights share a place.
            QVERIFY(!s->PAviso->isVisible());
            QVERIFY(!s->PVerde->isVisible() && !s->PNaranja->isVisible());
            QCOMPARE(s->PVerde->pos(), s->PNaranja->pos());
            QCOMPARE(s->PNaranja->x(), 208);
            QVERIFY(s->GIFImage1 && s->GIFImage2);
            QVERIFY(!s->PBarraProgreso->isVisible());
            const QList<QLabel *> headings = { s->PNombre, s->PCosecha, s->PDeno, s->PVino,
                s->PTipo, s->PEstante, s->PBotella };
            const QList<int> lefts = { 8, 166, 208, 362, 480, 597, 682 };
            for (int i = 0; i < headings.size(); ++i)
                QCOMPARE(headings[i]->x(), lefts[i]);
            QCOMPARE(s->PBotella->text(), QStringLiteral(" Botellas"));
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormBuscar")), 1);
        QCOMPARE(blinking, QStringLiteral("Opción Buscar"));
        QVERIFY(w->LOpcionAbierta->text().isEmpty());
        QVERIFY(caveto::program().ClaveElegida.isEmpty());
    }

    void missingLightPicturesAreRemoved()
    {
        CavetoFixture f;
        startConsulting(f);
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("ApliGraf")));
        QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/BotonVer.gif"),
            f.dir.filePath(QStringLiteral("ApliGraf/BotonVer.gif"))));
        TFormBuscar s(f.window.get());
        s.show();
        QVERIFY(!s.GIFImage1);
        QVERIFY(s.GIFImage2 && s.GIFImage2->frameCount() > 0);
        // Without its picture the orange light's panel still shows.
        retype(s.CCosecha, QStringLiteral("1800"));
        s.BBuscar->click();
        QVERIFY(s.PNaranja->isVisible());
    }

    void search_data()
    {
        QTest::addColumn<int>("criterion"); // index into the five text criteria, -1 none
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("comparison");
        QTest::addColumn<QString>("bottles");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("everything")
            << -1 << "" << 0 << "0"
            << QStringList { "Alión", "Contino", "Pazo de Señorans", "Pesquera", "Viña Tondonia" };
        QTest::newRow("vintage 1998") << 0 << "1998" << 0 << "0" << QStringList { "Viña Tondonia" };
        QTest::newRow("no prefix match") << 0 << "199" << 0 << "0" << QStringList();
        QTest::newRow("rioja in any case")
            << 1 << "rioja" << 0 << "0" << QStringList { "Contino", "Viña Tondonia" };
        QTest::newRow("ñ is not Ñ") << 2 << "albariño" << 0 << "0" << QStringList();
        QTest::newRow("type") << 3 << "reserva" << 0 << "0"
                              << QStringList { "Alión", "Viña Tondonia" };
        QTest::newRow("no bottles left")
            << -1 << "" << 1 << "0" << QStringList { "Pazo de Señorans" };
        QTest::newRow("at most two")
            << -1 << "" << 2 << "2" << QStringList { "Alión", "Contino", "Pazo de Señorans" };
        QTest::newRow("at least three")
            << -1 << "" << 0 << "3" << QStringList { "Pesquera", "Viña Tondonia" };
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
        TFormBuscar &s = *open.window;
        searchFor(
            &s, criterion >= 0 ? s.textCriteria()[criterion] : nullptr, text, comparison, bottles);

        QCOMPARE(listedNames(&s), names);
        QCOMPARE(s.ETotalReg->text(), QString::number(names.size()));
        QCOMPARE(s.Botellas_Pan->text(), bottles.isEmpty() ? QStringLiteral("0") : bottles);
        QVERIFY(s.PAviso->isVisible());
        QVERIFY(!s.PBarraProgreso->isVisible());
        if (names.isEmpty()) {
            QCOMPARE(s.PAviso->text(), QStringLiteral("No hay Registros para esta búsqueda"));
            QVERIFY(s.PNaranja->isVisible() && !s.PVerde->isVisible());
            QCOMPARE(s.EBotellas->text(), QStringLiteral("0"));
            QCOMPARE(s.EValorBodega->text(), QStringLiteral("0,00"));
        } else {
            QCOMPARE(s.PAviso->text(), QStringLiteral("Doble click para seleccionar Registro"));
            QVERIFY(s.PVerde->isVisible() && !s.PNaranja->isVisible());
        }
    }

    void totals_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("value");
        QTest::newRow("Spanish") << kSpanish << "57,50";
        QTest::newRow("English") << kEnglish << "57.50";
    }

    void totals()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, value);
        QLocale::setDefault(locale);
        OpenSearch open(locale.decimalPoint().at(0));
        TFormBuscar &s = *open.window;
        typeInto(s.CDenominacion, QStringLiteral("Rioja"));
        s.BBuscar->click();
        QCOMPARE(s.ETotalReg->text(), QStringLiteral("2"));
        QCOMPARE(s.EBotellas->text(), QStringLiteral("5"));
        QCOMPARE(s.EValorBodega->text(), value);
    }

    void damagedRecordHidesNothing()
    {
        CavetoFixture f;
        QStringList wines = fiveWines();
        wines[0] = withColumn(wines[0], caveto::Field::NumBotellas, QStringLiteral("3 bot."));
        wines[3] = withColumn(wines[3], caveto::Field::Precio, QStringLiteral("veinte"));
        f.writeDataFile(wines);
        f.start();
        TFormBuscar s(f.window.get());
        s.show();
        s.BBuscar->click();
        QCOMPARE(s.ETotalReg->text(), QStringLiteral("5"));
        // Contino 2 x 10, Alión 1 x 40; the damaged count and price add nothing.
        QCOMPARE(s.EBotellas->text(), QStringLiteral("9"));
        QCOMPARE(s.EValorBodega->text(), QStringLiteral("60,00"));
    }

    void vintageKeys()
    {
        OpenSearch open;
        TFormBuscar &s = *open.window;
        typeInto(s.CCosecha, QStringLiteral("r"));
        QCOMPARE(s.CCosecha->currentText(), QString());
        QCOMPARE(caveto::fieldColor(s.CCosecha), caveto::colors::CampoNormal);
        typeText(s.CCosecha, QStringLiteral("R"));
        QCOMPARE(s.CCosecha->currentText(), QStringLiteral("R"));
        QCOMPARE(caveto::fieldColor(s.CCosecha), caveto::colors::CampoAviso);
        QTest::keyClick(s.CCosecha, Qt::Key_Backspace);
        typeText(s.CCosecha, QStringLiteral("19-9.8ñ x"));
        QCOMPARE(s.CCosecha->currentText(), QStringLiteral("1998"));
        // Only four characters fit.
        typeText(s.CCosecha, QStringLiteral("7"));
        QCOMPARE(s.CCosecha->currentText(), QStringLiteral("1998"));
        retype(s.CCosecha, QString());
        QCOMPARE(caveto::fieldColor(s.CCosecha), caveto::colors::CampoNormal);
        // The bottle count takes no minus sign.
        retype(s.Botellas_Pan, QStringLiteral("-2"));
        QCOMPARE(s.Botellas_Pan->text(), QStringLiteral("2"));
    }

    void criterionChosenFromItsList()
    {
        OpenSearch open;
        TFormBuscar &s = *open.window;
        moveFocus(s.CTipo);
        QTest::keyClick(s.CTipo, Qt::Key_Down);
        QCOMPARE(s.CTipo->currentText().trimmed(), QStringLiteral("Crianza"));
        QCOMPARE(caveto::fieldColor(s.CTipo), caveto::colors::CampoAviso);
        s.BBuscar->click();
        QCOMPARE(listedNames(&s), QStringList({ "Contino", "Pesquera" }));
    }

    void doubleClickShowsTheWineAndTheSearchComesBack()
    {
        CavetoFixture f;
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        inNextSearch(f, [](TFormBuscar *s) {
            searchFor(s, s->CVino, QStringLiteral("tinto"), 0, QStringLiteral("2"));
            QCOMPARE(listedNames(s), QStringList({ "Contino", "Pesquera", "Viña Tondonia" }));
            doubleClickRow(s, 1);
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(caveto::program().ClaveElegida, QStringLiteral("1000000000000004"));
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
        QCOMPARE(w->Csalida->currentText().left(8), QStringLiteral("Pesquera"));
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("6"));
        QCOMPARE(w->UltimaBusqueda.vino, QStringLiteral("tinto"));
        QCOMPARE(w->UltimaBusqueda.botellas, QStringLiteral("2"));
        QCOMPARE(w->UltimaBusqueda.fila, QStringLiteral("1"));

        // The next opening restores the criteria, searches and selects the row.
        inNextSearch(f, [](TFormBuscar *s) {
            QCOMPARE(s->CVino->currentText(), QStringLiteral("tinto"));
            QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("2"));
            QCOMPARE(caveto::fieldColor(s->CVino), caveto::colors::CampoAviso);
            QCOMPARE(listedNames(s), QStringList({ "Contino", "Pesquera", "Viña Tondonia" }));
            QCOMPARE(s->selectedRow(), 1);
            QVERIFY(s->PVerde->isVisible());
            QCOMPARE(s->ETotalReg->text(), QStringLiteral("3"));
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        // Leaving without a choice keeps the wine shown.
        QVERIFY(caveto::program().ClaveElegida.isEmpty());
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
        QVERIFY(f.script->unexpected.isEmpty());
    }

    void doubleClickOffTheRowsChoosesNothing()
    {
        OpenSearch open;
        TFormBuscar &s = *open.window;
        typeInto(s.CDenominacion, QStringLiteral("rioja"));
        s.BBuscar->click();
        QCOMPARE(s.rows().size(), 2);
        doubleClickAt(&s, rowCentre(&s, 1) + QPoint(0, 60));
        QVERIFY(s.isVisible());
        QVERIFY(caveto::program().ClaveElegida.isEmpty());
        doubleClickRow(&s, 0);
        QVERIFY(!s.isVisible());
        QCOMPARE(caveto::program().ClaveElegida, QStringLiteral("1000000000000002"));
    }

    void clearedCriteriaRestoreNothing()
    {
        CavetoFixture f;
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        inNextSearch(f, [](TFormBuscar *s) {
            searchFor(s, s->CEstante, QStringLiteral("C-1"), 1, QStringLiteral("6"));
            QCOMPARE(listedNames(s), QStringList({ "Pesquera" }));
            QTest::mouseClick(s->BBorrar, Qt::LeftButton);
            QVERIFY(s->rows().isEmpty());
            for (QLineEdit *total : { s->ETotalReg, s->EBotellas, s->EValorBodega })
                QCOMPARE(total->text(), QStringLiteral("0"));
            QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("0"));
            QCOMPARE(s->CSigno->currentText(), QStringLiteral(">="));
            QVERIFY(s->CEstante->currentText().isEmpty());
            QCOMPARE(caveto::fieldColor(s->CEstante), caveto::colors::CampoNormal);
            QVERIFY(!s->PAviso->isVisible() && !s->PVerde->isVisible());
            // The lists keep their items.
            QCOMPARE(s->CEstante->count(), 5);
            s->close();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        inNextSearch(f, [](TFormBuscar *s) {
            for (QComboBox *list : s->textCriteria())
                QVERIFY(list->currentText().isEmpty());
            QCOMPARE(s->CSigno->currentText(), QStringLiteral(">="));
            QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("0"));
            QVERIFY(s->rows().isEmpty());
            QVERIFY(!s->PAviso->isVisible());
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
    }

    void comparisonAloneIsNotRestored()
    {
        CavetoFixture f;
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        inNextSearch(f, [](TFormBuscar *s) {
            searchFor(s, nullptr, QString(), 2, QStringLiteral("0"));
            QCOMPARE(listedNames(s), QStringList({ "Pazo de Señorans" }));
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(w->UltimaBusqueda.signo, 2);
        QVERIFY(w->UltimaBusqueda.botellas.isEmpty());
        inNextSearch(f, [](TFormBuscar *s) {
            QCOMPARE(s->CSigno->currentText(), QStringLiteral(">="));
            QVERIFY(s->rows().isEmpty());
            s->close();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
    }

    void savedRowPastTheShortenedListSelectsNothing()
    {
        CavetoFixture f;
        startConsulting(f);
        TFormCavetoPas *w = f.window.get();
        inNextSearch(f, [](TFormBuscar *s) {
            typeInto(s->CDenominacion, QStringLiteral("rioja"));
            s->BBuscar->click();
            QTest::mouseClick(s->ListBuscar->viewport(), Qt::LeftButton, {}, rowCentre(s, 1));
            QCOMPARE(s->selectedRow(), 1);
            s->close(); // the close box
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(w->UltimaBusqueda.fila, QStringLiteral("1"));

        // Contino goes: only Viña Tondonia is left in Rioja.
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        pickWine(w, QStringLiteral("Contino"));
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(w->PContReg->text(), QStringLiteral("4"));

        inNextSearch(f, [](TFormBuscar *s) {
            QCOMPARE(listedNames(s), QStringList({ "Viña Tondonia" }));
            QCOMPARE(s->selectedRow(), -1);
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(w->UltimaBusqueda.fila, QStringLiteral("-1"));
    }

    void unsavedEditsAreSettledFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("nameAfter");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Cancelar keeps the edits") << "BCancelar" << false << "Contino Reserva"
                                                  << "Contino";
        QTest::newRow("No drops them, then searches") << "BNo" << true << "Contino"
                                                      << "Contino";
        QTest::newRow("Si stores them, no search")
            << "BSi" << false << QString() << "Contino Reserva";
    }

    void unsavedEditsAreSettledFirst()
    {
        QFETCH(QString, button);
        QFETCH(bool, opens);
        QFETCH(QString, nameAfter);
        QFETCH(QString, stored);
        CavetoFixture f;
        f.writeDataFile(fiveWines());
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pickWine(w, QStringLiteral("Contino"));
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Contino"));
        moveFocus(w->NombreVino);
        QTest::keyClick(w->NombreVino, Qt::Key_End);
        typeText(w->NombreVino, QStringLiteral(" Reserva"));

        f.answerSaveQuestion(qPrintable(button));
        inNextSearch(f, [](TFormBuscar *s) { s->BSalirBuscar->click(); });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QVERIFY(f.script->opened.contains(QStringLiteral("TFormAvisoProg")));
        QCOMPARE(f.script->opened.contains(QStringLiteral("TFormBuscar")), opens);
        if (!nameAfter.isNull())
            QCOMPARE(w->NombreVino->text(), nameAfter);
        if (button == QLatin1String("BCancelar") || button == QLatin1String("BNo"))
            QCOMPARE(w->focusWidget(), w->NombreVino);
        bool found = false;
        for (const QString &line : f.fileLines())
            found = found || caveto::cutField(line, caveto::Field::NombreVino) == stored;
        QVERIFY(found);
        QVERIFY(f.messages().isEmpty());
    }

    void unchangedRecordAsksNothing()
    {
        CavetoFixture f;
        f.writeDataFile(fiveWines());
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pickWine(w, QStringLiteral("Contino"));
        inNextSearch(f, [](TFormBuscar *s) { s->BSalirBuscar->click(); });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoProg")));
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormBuscar")), 1);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Contino"));
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
