#include "support/CavetoFixture.h"

#include "controls/Blinklbl.h"
#include "controls/Numedit.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

// A user's session from an empty folder to a restart, checked against the
// record file line by line.
class TestScenario : public QObject
{
    Q_OBJECT

private:
    static void addWine(
        CavetoFixture &f, const QString &name, const QString &year, const QString &deno)
    {
        TFormCavetoPas *w = f.window.get();
        typeInto(w->NombreVino, name);
        typeInto(w->Cosecha, year);
        typeInto(w->DenoOrigen, deno);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
    }

    static void pick(TFormCavetoPas *w, int row)
    {
        moveFocus(w->Csalida);
        while (w->Csalida->currentIndex() < row)
            QTest::keyClick(w->Csalida, Qt::Key_Down);
        while (w->Csalida->currentIndex() > row)
            QTest::keyClick(w->Csalida, Qt::Key_Up);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void bookAcrossARestart()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);

        // A tasting entered before the wine is added is stored with it.
        typeInto(w->NombreVino, QStringLiteral("Tondonia"));
        typeInto(w->Cosecha, QStringLiteral("2004"));
        typeInto(w->DenoOrigen, QStringLiteral("Rioja"));
        f.script->onNext(QStringLiteral("TFormCataGen"), [](QDialog *d) {
            auto *gen = static_cast<TFormCataGen *>(d);
            gen->Catador->setText(QStringLiteral("Pilar Muñoz"));
            QTest::mouseClick(gen->BOkDatos, Qt::LeftButton);
        });
        f.script->onNext(QStringLiteral("TFormCataConjunto"), [](QDialog *d) {
            auto *conjunto = static_cast<TFormCataConjunto *>(d);
            conjunto->CaliConjunto->setEditText(QStringLiteral("Excelentísimo"));
            conjunto->close();
        });
        QTest::mouseClick(w->BDatos, Qt::LeftButton);
        QCOMPARE(w->LOpcionAbierta->text(), QString());
        QCOMPARE(w->PSCatador->text(), QStringLiteral("Pilar Muñoz"));
        QTest::mouseClick(w->BConjunto, Qt::LeftButton);
        QCOMPARE(w->PCaliFinal->text(), QStringLiteral("Excelentísimo"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(w->PSCatador->text(), QString());

        addWine(f, QStringLiteral("Pintia"), QStringLiteral("2013"), QStringLiteral("Toro"));
        addWine(
            f, QStringLiteral("Alión"), QStringLiteral("2015"), QStringLiteral("Ribera del Duero"));
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormCataGen")), 1);

        QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 3);
        const QString tondoniaNotes = lines[0].mid(589, 16);
        const QString pintiaNotes = lines[1].mid(589, 16);
        const QString alionNotes = lines[2].mid(589, 16);
        QString tondonia = minimalLine(QStringLiteral("Tondonia"), QStringLiteral("2004"),
            QStringLiteral("Rioja"), tondoniaNotes);
        tondonia.replace(357, 30, QStringLiteral("Pilar Muñoz").leftJustified(30));
        tondonia.replace(945, 10, QStringLiteral("Excelentís"));
        QCOMPARE(lines[0], tondonia);
        QCOMPARE(lines[1],
            minimalLine(QStringLiteral("Pintia"), QStringLiteral("2013"), QStringLiteral("Toro"),
                pintiaNotes));
        QCOMPARE(lines[2],
            minimalLine(QStringLiteral("Alión"), QStringLiteral("2015"),
                QStringLiteral("Ribera del Duero"), alionNotes));
        QCOMPARE(w->LContDenominacion->text(), QStringLiteral("3"));

        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoProg")));

        // Modify: a new taster only, then the bottles of another wine.
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pick(w, 1); // Pintia
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Pintia"));
        f.script->onNext(QStringLiteral("TFormCataGen"), [](QDialog *d) {
            static_cast<TFormCataGen *>(d)->Catador->setText(QStringLiteral("Juan"));
            d->close();
        });
        QTest::mouseClick(w->BDatos, Qt::LeftButton);
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        pick(w, 2); // Tondonia
        w->NumBotellas->setText(QStringLiteral("6"));
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QVERIFY(f.messages().isEmpty());

        // Delete Alión, whose notes file exists.
        QFile notes(f.notesFile(alionNotes));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        pick(w, 0);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Alión"));
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QVERIFY(!QFile::exists(f.notesFile(alionNotes)));
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuSalir, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        f.window.reset();

        // What a restart finds.
        QString pintia = minimalLine(
            QStringLiteral("Pintia"), QStringLiteral("2013"), QStringLiteral("Toro"), pintiaNotes);
        pintia.replace(357, 30, QStringLiteral("Juan").leftJustified(30));
        tondonia.replace(174, 7, QStringLiteral("6      "));
        const QStringList expected { pintia, tondonia };
        QCOMPARE(f.fileLines(), expected);

        f.start();
        w = f.window.get();
        QCOMPARE(w->PContReg->text(), QStringLiteral("2"));
        QCOMPARE(w->recordList(), expected);
        QCOMPARE(w->LContDenominacion->text(), QStringLiteral("2"));
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        pick(w, 1);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Tondonia"));
        QCOMPARE(w->PSCatador->text(), QStringLiteral("Pilar Muñoz"));
        QCOMPARE(w->PCaliFinal->text(), QStringLiteral("Excelentís"));
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("6"));
        QCOMPARE(w->Vino->currentText(), QStringLiteral("Sin Datos"));
        QCOMPARE(w->Precio->text(), QStringLiteral("0,00"));
        QCOMPARE(f.script->pendingActions(), 0);
        QVERIFY(f.script->unexpected.isEmpty());
    }
};

QTEST_MAIN(TestScenario)
#include "tst_scenario.moc"
