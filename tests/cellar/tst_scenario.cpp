// A user's session from an empty folder to a restart, checked against the
// record file line by line: a tasting entered before its wine is added, a
// tasting changed on its own, and what the next start reads back. The
// commands one by one are in tst_mainwindow.

#include "support/CavetoFixture.h"

#include "cellar/StatusPanels.h"
#include "controls/Blinklbl.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

class TestScenario : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void bookAcrossARestart()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);

        // A tasting entered before the wine is added is stored with it.
        typeInto(w->NombreVino, u"Tondonia"_s);
        typeInto(w->Cosecha, u"2004"_s);
        typeInto(w->DenoOrigen, u"Rioja"_s);
        f.script->onNext(u"TFormCataGen"_s, [](QDialog *d) {
            auto *gen = static_cast<TFormCataGen *>(d);
            typeInto(gen->Catador, u"Pilar Muñoz"_s);
            QTest::mouseClick(gen->BOkDatos, Qt::LeftButton);
        });
        f.script->onNext(u"TFormCataConjunto"_s, [](QDialog *d) {
            typeInto(static_cast<TFormCataConjunto *>(d)->CaliConjunto, u"Excelentísimo"_s);
            d->close();
        });
        QTest::mouseClick(w->BDatos, Qt::LeftButton);
        QCOMPARE(w->LOpcionAbierta->text(), QString());
        QCOMPARE(w->PSCatador->text(), u"Pilar Muñoz"_s);
        QTest::mouseClick(w->BConjunto, Qt::LeftButton);
        QCOMPARE(w->PCaliFinal->text(), u"Excelentísimo"_s);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(w->PSCatador->text(), QString());
        f.addWine(u"Pintia"_s, u"2013"_s, u"Toro"_s);

        QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 2);
        QString tondonia = minimalLine(u"Tondonia"_s, u"2004"_s, u"Rioja"_s, lines[0].mid(589, 16));
        tondonia.replace(357, 30, u"Pilar Muñoz"_s.leftJustified(30));
        tondonia.replace(945, 10, u"Excelentís"_s);
        QCOMPARE(lines[0], tondonia);
        QString pintia = minimalLine(u"Pintia"_s, u"2013"_s, u"Toro"_s, lines[1].mid(589, 16));
        QCOMPARE(lines[1], pintia);

        // A new taster is a change of the record, stored on its own.
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        f.pickRow(0);
        QCOMPARE(w->NombreVino->text(), u"Pintia"_s);
        f.script->onNext(u"TFormCataGen"_s, [](QDialog *d) {
            typeInto(static_cast<TFormCataGen *>(d)->Catador, u"Juan"_s);
            d->close();
        });
        QTest::mouseClick(w->BDatos, Qt::LeftButton);
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QVERIFY(f.messages().isEmpty());
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuSalir, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(!f.saveQuestionAsked());
        f.window.reset();

        // What a restart finds: the file in list order, the summary of the
        // tasting and the values stored for the fields left blank.
        pintia.replace(357, 30, u"Juan"_s.leftJustified(30));
        const QStringList expected { pintia, tondonia };
        QCOMPARE(f.fileLines(), expected);
        f.start();
        w = f.window.get();
        QCOMPARE(w->StatusBar1->panelText(4), u"Registros ..  2"_s);
        QCOMPARE(w->recordList(), expected);
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        f.pickRow(1);
        QCOMPARE(w->NombreVino->text(), u"Tondonia"_s);
        QCOMPARE(w->PSCatador->text(), u"Pilar Muñoz"_s);
        QCOMPARE(w->PCaliFinal->text(), u"Excelentís"_s);
        QCOMPARE(w->Vino->currentText(), u"Sin Datos"_s);
        QCOMPARE(w->Precio->text(), u"0,00"_s);
        QCOMPARE(w->NumBotellas->text(), u"0"_s);
        QCOMPARE(f.script->pendingActions(), 0);
        QVERIFY(f.script->unexpected.isEmpty());
    }
};

QTEST_MAIN(TestScenario)
#include "tst_scenario.moc"
