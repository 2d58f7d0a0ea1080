// The search window driven as a user drives it from the cellar book.

#include "SearchBook.h"

#include "app/Globals.h"
#include "controls/Blinklbl.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "search/Buscar.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>

using caveto::colors::CampoAviso;
using caveto::colors::CampoNormal;
using OpenSearch = OpenForm<TFormBuscar>;

namespace {

QStringList listedNames(const TFormBuscar *s)
{
    QStringList names;
    for (const QString &row : s->rows())
        names << row.left(20).trimmed();
    return names;
}

// A double-click on a row as the pointer gives it.
void doubleClickRow(TFormBuscar *s, int row)
{
    const QPoint pos = s->ListBuscar->visualRect(s->ListBuscar->model()->index(row, 0)).center();
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
    CavetoFixture::retype(s->Botellas_Pan, bottles);
    QTest::mouseClick(s->BBuscar, Qt::LeftButton);
}

} // namespace

class TestSearchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { caveto::applyApplicationLook(); }
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

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
        QTest::newRow("none") << 2 << "albariño" << 0 << "0" << QStringList();
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
        QCOMPARE(s->Botellas_Pan->text(), bottles.isEmpty() ? QStringLiteral("0") : bottles);
        QCOMPARE(s->PVerde->isVisible(), !names.isEmpty());
        QCOMPARE(s->PAviso->text(),
            names.isEmpty() ? QStringLiteral("No hay Registros para esta búsqueda")
                            : QStringLiteral("Doble click para seleccionar Registro"));
    }

    // The vintage takes capitals, digits and blanks; the count no sign.
    void refusedKeys()
    {
        OpenSearch open;
        TFormBuscar *s = open.window.get();
        typeInto(s->CCosecha, QStringLiteral("r"));
        QCOMPARE(caveto::fieldColor(s->CCosecha), CampoNormal);
        typeText(s->CCosecha, QStringLiteral("R"));
        QCOMPARE(s->CCosecha->currentText(), QStringLiteral("R"));
        QCOMPARE(caveto::fieldColor(s->CCosecha), CampoAviso);
        CavetoFixture::retype(s->CCosecha, QStringLiteral("19-9.8ñ x7"));
        QCOMPARE(s->CCosecha->currentText(), QStringLiteral("1998"));
        CavetoFixture::retype(s->Botellas_Pan, QStringLiteral("-2"));
        QCOMPARE(s->Botellas_Pan->text(), QStringLiteral("2"));
    }

    // Opening forgets the wine chosen before; the counters hold the book's
    // counts and only the criteria with a value are highlighted. A wine
    // double-clicked is shown in the book, and the search comes back.
    void doubleClickShowsTheWineAndTheSearchComesBack()
    {
        CavetoFixture f;
        TFormCavetoPas *w = startBook(f);
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        caveto::program().ClaveElegida = QStringLiteral("1000000000000001");
        inNext<TFormBuscar>(f, [](TFormBuscar *s) {
            QVERIFY(caveto::program().ClaveElegida.isEmpty());
            QCOMPARE(s->LContDenominacion->text(), QStringLiteral("3"));
            QCOMPARE(caveto::fieldColor(s->Botellas_Pan), CampoAviso);
            QCOMPARE(caveto::fieldColor(s->CVino), CampoNormal);
            searchFor(s, s->CVino, QStringLiteral("tinto"), 0, QStringLiteral("2"));
            doubleClickRow(s, 1);
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));

        inNext<TFormBuscar>(f, [](TFormBuscar *s) {
            QCOMPARE(s->CVino->currentText() + u' ' + s->Botellas_Pan->text(),
                QStringLiteral("tinto 2"));
            QCOMPARE(s->selectedRow(), 1);
            s->BSalirBuscar->click();
        });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
    }

    // Neither criteria cleared with "Borra Campos" nor a comparison alone
    // come back.
    void whatIsNotRestored_data()
    {
        QTest::addColumn<bool>("clear");
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
            QCOMPARE(caveto::fieldColor(s->CEstante), CampoNormal);
            QCOMPARE(s->CEstante->itemText(4).trimmed(), QStringLiteral("C-2")); // the lists stay
        }
        s->close();
        TFormBuscar again(open.f.window.get());
        again.show();
        for (QComboBox *list : again.textCriteria())
            QVERIFY(list->currentText().isEmpty());
        QCOMPARE(again.CSigno->currentText() + u' ' + again.Botellas_Pan->text(),
            QStringLiteral(">= 0"));
        QVERIFY(again.rows().isEmpty());
    }

    // Unsaved edits of the cellar book are settled by the save question
    // before the search opens.
    void unsavedEditsAreSettledFirst_data()
    {
        QTest::addColumn<QString>("button"); // of the save question; none when nothing changed
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing changed") << "" << true << "Contino";
        QTest::newRow("Cancelar") << "BCancelar" << false << "Contino Reserva";
        QTest::newRow("No") << "BNo" << true << "Contino";
        QTest::newRow("Si") << "BSi" << false << "";
    }
    void unsavedEditsAreSettledFirst()
    {
        QFETCH(QString, button);
        CavetoFixture f;
        TFormCavetoPas *w = startBook(f);
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pickWine(w, QStringLiteral("Contino"));
        moveFocus(w->NombreVino);
        QTest::keyClick(w->NombreVino, Qt::Key_End);
        if (!button.isEmpty()) {
            typeText(w->NombreVino, QStringLiteral(" Reserva"));
            f.answerSaveQuestion(qPrintable(button));
        }
        inNext<TFormBuscar>(f, [](TFormBuscar *s) { s->BSalirBuscar->click(); });
        QTest::mouseClick(w->BBuscar, Qt::LeftButton);
        QCOMPARE(f.saveQuestionAsked(), !button.isEmpty());
        QTEST(f.script->opened.contains(QStringLiteral("TFormBuscar")), "opens");
        QTEST(w->NombreVino->text(), "shown");
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
