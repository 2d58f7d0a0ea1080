#include "support/CavetoFixture.h"

#include "cellar/Baja.h"
#include "cellar/StatusPanels.h"
#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

using caveto::Field;

namespace {

QString line(const QString &name, const QString &year, const QString &deno,
    const QString &notes = QString(), const QString &price = QString())
{
    caveto::CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = year;
    r[Field::DenoOrigen] = deno;
    r[Field::Vino] = QStringLiteral("Tinto");
    r[Field::TipoVino] = QStringLiteral("Crianza");
    r[Field::Estante] = QStringLiteral("A-1");
    r[Field::Precio] = price;
    r[Field::EFichero] = notes;
    r.pad();
    return r.buildLine();
}

bool openedQuestion(const CavetoFixture &f)
{
    return f.script->opened.contains(QStringLiteral("TFormAvisoProg"));
}

void pickRow(TFormCavetoPas *w, int row)
{
    // The keyboard moves the selection as the user does (one step at a time).
    moveFocus(w->Csalida);
    while (w->Csalida->currentIndex() < row)
        QTest::keyClick(w->Csalida, Qt::Key_Down);
    while (w->Csalida->currentIndex() > row)
        QTest::keyClick(w->Csalida, Qt::Key_Up);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void firstStartCreatesTheRecordFile()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QVERIFY(QFileInfo(f.dir.filePath(QStringLiteral("Datos"))).isDir());
        QVERIFY(QFile::exists(f.dataFile()));
        QCOMPARE(f.fileLines(), QStringList());
        QCOMPARE(w->PContReg->text(), QStringLiteral("0"));
        QCOMPARE(w->StatusBar1->panelText(0), QStringLiteral("Caveto 2.5  ( Morvent Software )"));
        QCOMPARE(
            w->StatusBar1->panelText(1), QStringLiteral("Libro de Bodega   /   Cata de Vinos"));
        QCOMPARE(w->StatusBar1->panelText(4), QStringLiteral("Registros ..  0"));
        const QDate today = QDate::currentDate();
        QCOMPARE(w->StatusBar1->panelText(3),
            QStringLiteral("%1-%2-%3").arg(today.day()).arg(today.month()).arg(today.year()));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2}$"))
                    .match(w->StatusBar1->panelText(2))
                    .hasMatch());
        for (QLabel *counter :
            { w->LContDenominacion, w->LContVino, w->LContTipo, w->LContEstante })
            QCOMPARE(counter->text(), QStringLiteral("0"));
        QCOMPARE(w->centralWidget()->size(), QSize(683, 371));
        // Menu state.
        QVERIFY(w->PTeclasMenu->isVisible());
        QCOMPARE(w->PTeclasMenu->geometry(), QRect(132, 8, 422, 296));
        for (QWidget *hidden : { w->PBotones, w->PCSalida, w->PDatos, w->PTeclasCata, w->PTeclas })
            QVERIFY(!hidden->isVisible());
        QVERIFY(w->ModoActual.isEmpty());
        QVERIFY(!w->Nada);
        const QList<QAction *> entries = w->menuBar()->actions();
        QCOMPARE(entries.size(), 10);
        QCOMPARE(entries.first()->text(), QStringLiteral("Diccionario"));
        QCOMPARE(entries.last()->text(), QStringLiteral("Caveto"));
        for (QAction *a : entries)
            QVERIFY(a->isVisible());
        // The design captions are gone before the window is first seen.
        QCOMPARE(w->PSCatador->text(), QString());
        QCOMPARE(w->PCaliFinal->text(), QString());
    }

    void listModesNeedRecords()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        for (QToolButton *b : { w->BMenuBaja, w->BMenuModi, w->BMenuCons }) {
            QTest::mouseClick(b, Qt::LeftButton);
            const auto shown = f.messages();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
            QCOMPARE(shown[0].text, QStringLiteral("No hay datos para visualizar"));
            QVERIFY(w->PTeclasMenu->isVisible());
            QVERIFY(w->ModoActual.isEmpty());
        }
        w->Informes1->trigger();
        QCOMPARE(f.messages().size(), 1);
    }

    void modesWithRecords()
    {
        CavetoFixture f;
        f.writeDataFile({ line(QStringLiteral("Pesquera"), QStringLiteral("2016"),
                              QStringLiteral("Ribera del Duero")),
            line(QStringLiteral("Alión"), QStringLiteral("2015"),
                QStringLiteral("Ribera del Duero")) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QCOMPARE(w->PContReg->text(), QStringLiteral("2"));
        QCOMPARE(w->LContDenominacion->text(), QStringLiteral("1"));

        struct Mode
        {
            QToolButton *button;
            const char *mode;
            const char *caption;
            QPushButton *command;
            bool dataEnabled;
        };
        const Mode modes[] = { { w->BMenuBaja, "BAJA", "Baja", w->BBaja, false },
            { w->BMenuModi, "MODI", "Modificación", w->BModifica, true },
            { w->BMenuCons, "CONS", "Consulta", nullptr, false } };
        for (const Mode &m : modes) {
            QTest::mouseClick(m.button, Qt::LeftButton);
            QCOMPARE(w->ModoActual, QString::fromLatin1(m.mode));
            QCOMPARE(w->LOpcion->text(), QString::fromUtf8(m.caption));
            QVERIFY(!w->PTeclasMenu->isVisible());
            QVERIFY(w->PCSalida->isVisible());
            QVERIFY(w->PDatos->isVisible());
            QCOMPARE(w->PDatos->y(), 88);
            QCOMPARE(w->PDatos->isEnabled(), m.dataEnabled);
            QVERIFY(w->BBuscar->isVisible());
            QVERIFY(!w->PLibroBodega->isVisible());
            for (QPushButton *c : { w->BAlta, w->BBaja, w->BModifica })
                QCOMPARE(c->isVisible(), c == m.command);
            if (m.command)
                QCOMPARE(m.command->x(), 478);
            QVERIFY(w->Csalida->hasFocus());
            if (m.button == w->BMenuBaja) {
                // Nothing is selected at first: empty fields, record buttons off.
                QCOMPARE(w->Csalida->currentIndex(), -1);
                QCOMPARE(w->NombreVino->text(), QString());
                QVERIFY(!w->BDatos->isEnabled());
                QVERIFY(!w->BImagen->isEnabled());
            } else {
                // The list keeps its selection from mode to mode and shows it.
                QCOMPARE(w->Csalida->currentIndex(), 1);
                QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
                pickRow(w, 0);
            }
            // The list is sorted without regard to case or accents.
            QVERIFY(w->Csalida->itemText(0).startsWith(QStringLiteral("Alión")));
            pickRow(w, 1);
            QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
            QVERIFY(w->BDatos->isEnabled());
            QTest::mouseClick(w->BMenu, Qt::LeftButton);
            QVERIFY(w->PTeclasMenu->isVisible());
            QVERIFY(w->ModoActual.isEmpty());
            // The fields keep the last record shown.
            QCOMPARE(w->NombreVino->text(), QStringLiteral("Pesquera"));
        }
        QVERIFY(!openedQuestion(f));
        QVERIFY(f.messages().isEmpty());

        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        QCOMPARE(w->ModoActual, QStringLiteral("ALTA"));
        QCOMPARE(w->LOpcion->text(), QStringLiteral("Alta"));
        QCOMPARE(w->PDatos->y(), 60);
        QVERIFY(w->PDatos->isEnabled());
        QVERIFY(!w->PCSalida->isVisible());
        QVERIFY(w->PLibroBodega->isVisible());
        QVERIFY(w->PCataDeVino->isVisible());
        QVERIFY(w->BAlta->isVisible());
        QVERIFY(w->BDatos->isEnabled());
        QVERIFY(w->NombreVino->hasFocus());
        QCOMPARE(w->NombreVino->text(), QString());
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(!openedQuestion(f));
        QVERIFY(!w->PLibroBodega->isVisible());
        QCOMPARE(w->PDatos->y(), 88);
    }

    void addingAWineWithOnlyTheRequiredFields()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("Viña Ardanza"));
        typeInto(w->Cosecha, QStringLiteral("2015"));
        typeInto(w->DenoOrigen, QStringLiteral("Rioja"));
        moveFocus(w->Vino);
        QCOMPARE(w->BLabelDeno->text(), QStringLiteral("Nueva"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);

        const QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 1);
        const QString notes = lines[0].mid(589, 16);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{16}$")).match(notes).hasMatch());
        const QDate today = QDate::currentDate();
        QVERIFY(notes.startsWith(
            QStringLiteral("%1%2%3").arg(today.day()).arg(today.month()).arg(today.year())));
        QCOMPARE(lines[0],
            minimalLine(QStringLiteral("Viña Ardanza"), QStringLiteral("2015"),
                QStringLiteral("Rioja"), notes));
        QCOMPARE(w->PContReg->text(), QStringLiteral("1"));
        QCOMPARE(w->StatusBar1->panelText(4), QStringLiteral("Registros ..  1"));
        QCOMPARE(w->Csalida->count(), 1);
        QCOMPARE(w->Csalida->currentIndex(), -1);
        // The new values joined their lists.
        QCOMPARE(w->valueList(0), QStringList { QStringLiteral("Rioja").leftJustified(30) });
        QCOMPARE(w->valueList(1), QStringList { QStringLiteral("Sin Datos").leftJustified(30) });
        QCOMPARE(w->valueList(3), QStringList { QStringLiteral("Sin Datos").leftJustified(15) });
        for (QLabel *counter :
            { w->LContDenominacion, w->LContVino, w->LContTipo, w->LContEstante })
            QCOMPARE(counter->text(), QStringLiteral("1"));
        // Ready for the next wine.
        QCOMPARE(w->ModoActual, QStringLiteral("ALTA"));
        QCOMPARE(w->NombreVino->text(), QString());
        QCOMPARE(w->Precio->text(), QString());
        QVERIFY(w->NombreVino->hasFocus());
        QVERIFY(f.messages().isEmpty());

        // The same wine twice gives two records.
        typeInto(w->NombreVino, QStringLiteral("Viña Ardanza"));
        typeInto(w->Cosecha, QStringLiteral("2015"));
        typeInto(w->DenoOrigen, QStringLiteral("rioja"));
        moveFocus(w->Vino);
        QCOMPARE(w->BLabelDeno->text(), QString());
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f.fileLines().size(), 2);
        QCOMPARE(w->valueList(0).size(), 1);
        QVERIFY(f.fileLines()[0].mid(589, 16) != f.fileLines()[1].mid(589, 16));
    }

    void requiredFieldsStopTheAdd()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        const QByteArray before = f.fileBytes();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("   "));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Nombre del Vino ) Obligatorio"));
        QVERIFY(w->NombreVino->hasFocus());

        w->NombreVino->setText(QStringLiteral("Toro Loco"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Cosecha ) Obligatorio"));
        QVERIFY(w->Cosecha->hasFocus());

        typeInto(w->Cosecha, QStringLiteral("2019"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Denominación de Origen ) Obligatorio"));
        QVERIFY(w->DenoOrigen->hasFocus());
        QCOMPARE(f.fileBytes(), before);
        QCOMPARE(w->PContReg->text(), QStringLiteral("0"));
    }

    void saveQuestionWhenLeavingAdd()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("Mauro"));

        f.answerSaveQuestion("BCancelar");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(openedQuestion(f));
        QCOMPARE(w->ModoActual, QStringLiteral("ALTA"));
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Mauro"));
        QTRY_VERIFY(w->NombreVino->hasFocus());

        // "Si" runs the add, whose required-field check stops it here.
        f.answerSaveQuestion("BSi");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QCOMPARE(f.messages().value(0).text, QStringLiteral("Campo ( Cosecha ) Obligatorio"));
        QCOMPARE(w->ModoActual, QStringLiteral("ALTA"));

        typeInto(w->Cosecha, QStringLiteral("2018"));
        typeInto(w->DenoOrigen, QStringLiteral("Castilla y León"));
        f.answerSaveQuestion("BSi");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QCOMPARE(f.fileLines().size(), 1);
        QCOMPARE(w->ModoActual, QStringLiteral("ALTA"));
        QCOMPARE(w->NombreVino->text(), QString());

        typeInto(w->NombreVino, QStringLiteral("Descartado"));
        f.answerSaveQuestion("BNo");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(w->ModoActual.isEmpty());
        QVERIFY(w->PTeclasMenu->isVisible());
        QCOMPARE(f.fileLines().size(), 1);
        QCOMPARE(f.script->pendingActions(), 0);
        QVERIFY(f.script->unexpected.isEmpty());
    }

    void notesOfAnUnsavedWineAreThrownAway()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        QTest::mouseClick(w->BEditor, Qt::LeftButton);
        const QString name = w->Valor_Editor->text();
        QCOMPARE(name.size(), 16);
        QFile notes(f.notesFile(name));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("{\\rtf1 notas}");
        notes.close();
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(!openedQuestion(f));
        QVERIFY(!QFile::exists(f.notesFile(name)));
    }

    void notesNameGivenBeforeTheAddIsKept()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        QTest::mouseClick(w->BEditor, Qt::LeftButton);
        const QString name = w->Valor_Editor->text();
        typeInto(w->NombreVino, QStringLiteral("Flor de Pingus"));
        typeInto(w->Cosecha, QStringLiteral("2017"));
        typeInto(w->DenoOrigen, QStringLiteral("Ribera del Duero"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f.fileLines().value(0).mid(589, 16), name);
        QCOMPARE(w->Valor_Editor->text(), QString());
    }

    void clockMadeNotesNamesNeverCollide()
    {
        CavetoFixture f;
        // 1 December at 10:00 and 11 February at 10:00 read the same digits.
        const QString taken = caveto::makeNotesName(11, 2, 2026, 10, 0, 0, 0);
        f.writeDataFile({ line(
            QStringLiteral("Antiguo"), QStringLiteral("2001"), QStringLiteral("Toro"), taken) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        w->Tpersonal->stop();
        caveto::program().clock = { 10, 0, 0, 0, 2026, 12, 1 };
        // A stray notes file also holds the next name.
        QFile stray(f.notesFile(caveto::nextNotesName(taken)));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();

        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("Nuevo"));
        typeInto(w->Cosecha, QStringLiteral("2026"));
        typeInto(w->DenoOrigen, QStringLiteral("Toro"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        const QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].mid(589, 16), caveto::nextNotesName(caveto::nextNotesName(taken)));
    }

    void modifyCommand()
    {
        CavetoFixture f;
        const QString a = line(QStringLiteral("Abadía Retuerta"), QStringLiteral("2012"),
            QStringLiteral("Castilla y León"), QStringLiteral("1"));
        const QString b = line(QStringLiteral("Barón de Ley"), QStringLiteral("2010"),
            QStringLiteral("Rioja"), QStringLiteral("2"));
        f.writeDataFile({ b, a });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);

        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        // Nothing selected: the command button is disabled until a record is shown.
        QVERIFY(!w->BModifica->isEnabled());
        w->BModificaClick();
        QCOMPARE(f.messages().value(0).text, QStringLiteral("No hay datos seleccionados"));

        pickRow(w, 0);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Abadía Retuerta"));
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Aviso."));
        QCOMPARE(shown[0].text,
            QStringLiteral("No hay datos actualizados en ( Datos del Vino / Cata ), no es "
                           "necesario Modificar."));
        QCOMPARE(f.fileLines(), (QStringList { b, a }));
        QVERIFY(w->Csalida->hasFocus());

        w->Precio->clear();
        typeInto(w->Precio, QStringLiteral("19.90"));
        QCOMPARE(w->Precio->text(), QStringLiteral("19,90"));
        typeInto(w->Estante, QStringLiteral("C-3"));
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QVERIFY(f.messages().isEmpty());
        // The file now follows the sorted list.
        const QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1], b);
        QCOMPARE(lines[0].mid(167, 7), QStringLiteral("19,90  "));
        QCOMPARE(lines[0].mid(181, 15), QStringLiteral("C-3").leftJustified(15));
        QCOMPARE(w->PContReg->text(), QStringLiteral("2"));
        QCOMPARE(w->Csalida->currentIndex(), -1);
        QCOMPARE(w->NombreVino->text(), QString());
        QVERIFY(w->valueList(3).contains(QStringLiteral("C-3").leftJustified(15)));
        QCOMPARE(w->ModoActual, QStringLiteral("MODI"));
    }

    void saveQuestionWhenAnotherRecordIsPicked()
    {
        CavetoFixture f;
        const QString a = line(QStringLiteral("Aalto"), QStringLiteral("2016"),
            QStringLiteral("Ribera del Duero"), QStringLiteral("1"), QStringLiteral("40,00"));
        const QString b = line(QStringLiteral("Bosque"), QStringLiteral("2018"),
            QStringLiteral("Toro"), QStringLiteral("2"), QStringLiteral("12,00"));
        f.writeDataFile({ a, b });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pickRow(w, 0);

        // "No": the edits are dropped and the picked record is shown.
        w->Precio->setText(QStringLiteral("45,00"));
        f.answerSaveQuestion("BNo");
        QTest::keyClick(w->Csalida, Qt::Key_Down);
        QVERIFY(openedQuestion(f));
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Bosque"));
        QCOMPARE(f.fileLines(), (QStringList { a, b }));

        // "Cancelar": the edits stay, on the record they belong to.
        pickRow(w, 0);
        QCOMPARE(w->Precio->text(), QStringLiteral("40,00"));
        w->Precio->setText(QStringLiteral("45,00"));
        f.answerSaveQuestion("BCancelar");
        QTest::keyClick(w->Csalida, Qt::Key_Down);
        QCOMPARE(w->Precio->text(), QStringLiteral("45,00"));
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Aalto"));
        QCOMPARE(w->Csalida->currentIndex(), 0);
        QTRY_VERIFY(w->NombreVino->hasFocus());
        QCOMPARE(f.fileLines(), (QStringList { a, b }));

        // "Si": the edited record is saved (not the picked one) and the
        // picked one is shown.
        f.answerSaveQuestion("BSi");
        pickRow(w, 1);
        const QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].mid(167, 7), QStringLiteral("45,00  "));
        QCOMPARE(lines[1], b);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Bosque"));
        QCOMPARE(f.script->pendingActions(), 0);
    }

    void saveQuestionWhenLeavingModify()
    {
        CavetoFixture f;
        const QString a = line(QStringLiteral("Aalto"), QStringLiteral("2016"),
            QStringLiteral("Ribera del Duero"), QStringLiteral("1"), QStringLiteral("40,00"));
        f.writeDataFile({ a });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        pickRow(w, 0);
        w->Precio->setText(QStringLiteral("41,00"));

        f.answerSaveQuestion("BCancelar");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QCOMPARE(w->ModoActual, QStringLiteral("MODI"));
        QCOMPARE(w->Precio->text(), QStringLiteral("41,00"));

        f.answerSaveQuestion("BSi");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QCOMPARE(w->ModoActual, QStringLiteral("MODI"));
        QCOMPARE(f.fileLines().value(0).mid(167, 7), QStringLiteral("41,00  "));

        pickRow(w, 0);
        w->Precio->setText(QStringLiteral("99,00"));
        f.answerSaveQuestion("BNo");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(w->ModoActual.isEmpty());
        QVERIFY(w->PTeclasMenu->isVisible());
        QCOMPARE(f.fileLines().value(0).mid(167, 7), QStringLiteral("41,00  "));
        QCOMPARE(f.script->pendingActions(), 0);
    }

    void saveQuestionWhenClosing()
    {
        {
            CavetoFixture f;
            f.start();
            TFormCavetoPas *w = f.window.get();
            QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
            typeInto(w->NombreVino, QStringLiteral("Pazo de Señorans"));
            f.answerSaveQuestion("BCancelar");
            QVERIFY(!w->close());
            QVERIFY(w->isVisible());
            QCOMPARE(w->NombreVino->text(), QStringLiteral("Pazo de Señorans"));

            // "Si" with a required field blank: the message, and the window stays.
            f.answerSaveQuestion("BSi");
            QVERIFY(!w->close());
            QCOMPARE(f.messages().value(0).text, QStringLiteral("Campo ( Cosecha ) Obligatorio"));
            QVERIFY(w->isVisible());

            f.answerSaveQuestion("BNo");
            QVERIFY(w->close());
            QCOMPARE(f.fileLines(), QStringList());
        }
        {
            CavetoFixture f;
            f.writeDataFile({ line(QStringLiteral("Pazo"), QStringLiteral("2020"),
                QStringLiteral("Rías Baixas"), QStringLiteral("7")) });
            f.start();
            TFormCavetoPas *w = f.window.get();
            QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
            pickRow(w, 0);
            w->NumBotellas->setText(QStringLiteral("24"));
            f.answerSaveQuestion("BSi");
            QVERIFY(w->close());
            QCOMPARE(f.fileLines().value(0).mid(174, 7), QStringLiteral("24     "));
        }
        {
            // Nothing edited: no question.
            CavetoFixture f;
            f.writeDataFile({ line(
                QStringLiteral("Pazo"), QStringLiteral("2020"), QStringLiteral("Rías Baixas")) });
            f.start();
            QTest::mouseClick(f.window->BMenuModi, Qt::LeftButton);
            pickRow(f.window.get(), 0);
            QVERIFY(f.window->close());
            QVERIFY(!openedQuestion(f));
        }
    }

    void deleteCommand()
    {
        CavetoFixture f;
        const QString rioja = line(QStringLiteral("Contino"), QStringLiteral("2014"),
            QStringLiteral("Rioja"), QStringLiteral("1111"));
        const QString toro1 = line(QStringLiteral("Numanthia"), QStringLiteral("2012"),
            QStringLiteral("Toro"), QStringLiteral("2222"));
        const QString toro2 = line(QStringLiteral("Pintia"), QStringLiteral("2013"),
            QStringLiteral("Toro"), QStringLiteral("3333"));
        f.writeDataFile({ toro2, rioja, toro1 });
        f.start();
        TFormCavetoPas *w = f.window.get();
        const QString riojaNotes = f.notesFile(QStringLiteral("1111000000000000"));
        QFile notes(riojaNotes);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        QCOMPARE(w->LContDenominacion->text(), QStringLiteral("2"));

        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        pickRow(w, 0);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Contino"));

        // The window shows the record; "&Cancelar" holds the focus.
        f.script->onNext(QStringLiteral("TFormBaja"), [](QDialog *d) {
            auto *baja = static_cast<TFormBaja *>(d);
            QCOMPARE(baja->PNombreVino->text(), QStringLiteral("Contino"));
            QCOMPARE(baja->PCosecha->text(), QStringLiteral("2014"));
            QCOMPARE(baja->PDenoOrigen->text(), QStringLiteral("Rioja"));
            QCOMPARE(baja->PVino->text(), QStringLiteral("Tinto"));
            QCOMPARE(baja->PTipoVino->text(), QStringLiteral("Crianza"));
            QCOMPARE(baja->windowTitle(), QStringLiteral(" Caveto  Baja."));
            QCOMPARE(baja->focusWidget(), baja->BBajaNo);
            QTest::keyClick(baja, Qt::Key_Escape);
        });
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(w->RespuestaBaja, QStringLiteral("N"));
        QCOMPARE(f.fileLines().size(), 3);
        QVERIFY(QFile::exists(riojaNotes));

        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(w->RespuestaBaja, QStringLiteral("S"));
        QCOMPARE(f.fileLines(), (QStringList { toro1, toro2 }));
        QVERIFY(!QFile::exists(riojaNotes));
        QCOMPARE(w->PContReg->text(), QStringLiteral("2"));
        QCOMPARE(w->StatusBar1->panelText(4), QStringLiteral("Registros ..  2"));
        // The appellation list shrinks with its last wine.
        QCOMPARE(w->LContDenominacion->text(), QStringLiteral("1"));
        QCOMPARE(w->valueList(0), QStringList { QStringLiteral("Toro").leftJustified(30) });
        QCOMPARE(w->NombreVino->text(), QString());
        QTRY_VERIFY(w->Csalida->hasFocus());
        QCOMPARE(w->ModoActual, QStringLiteral("BAJA"));

        // A record whose notes file does not exist goes the same way.
        pickRow(w, 0);
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines(), QStringList { toro2 });
        pickRow(w, 0);
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines(), QStringList());
        QCOMPARE(w->Csalida->count(), 0);
        QCOMPARE(w->PContReg->text(), QStringLiteral("0"));
        QCOMPARE(w->LContDenominacion->text(), QStringLiteral("0"));
        QVERIFY(f.messages().isEmpty());
    }

    void sharedNotesFileSurvivesTheOtherRecord()
    {
        CavetoFixture f;
        f.writeDataFile({ line(QStringLiteral("Uno"), QStringLiteral("2001"),
                              QStringLiteral("Toro"), QStringLiteral("5555")),
            line(QStringLiteral("Dos"), QStringLiteral("2002"), QStringLiteral("Toro"),
                QStringLiteral("5555")) });
        f.start();
        const QString shared = f.notesFile(QStringLiteral("5555000000000000"));
        QFile notes(shared);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        pickRow(w, 0);
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines().size(), 1);
        QVERIFY(QFile::exists(shared));
    }

    // A notes name edited to climb out of the data folder names no notes
    // file: deleting its record leaves the file outside alone.
    void notesNameOutsideTheDataFolderIsNeverDeleted()
    {
        CavetoFixture f;
        caveto::CellarRecord crafted = caveto::CellarRecord::parse(
            line(QStringLiteral("Uno"), QStringLiteral("2001"), QStringLiteral("Toro")));
        crafted[Field::EFichero] = QStringLiteral("../victim0000000");
        crafted.pad();
        f.writeDataFile({ crafted.buildLine() });
        const QString victim = f.dir.filePath(QStringLiteral("victim0000000.txt"));
        QFile outside(victim);
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write("keep");
        outside.close();
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        pickRow(w, 0);
        QCOMPARE(w->EFichero->text(), QStringLiteral("../victim0000000"));
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines(), QStringList());
        QVERIFY(outside.open(QIODevice::ReadOnly));
        QCOMPARE(outside.readAll(), QByteArray("keep"));
    }

    void recordShowsItsSummaryAndPhotoLed()
    {
        CavetoFixture f;
        QTemporaryFile photo;
        QVERIFY(photo.open());
        caveto::CellarRecord tasted = caveto::CellarRecord::parse(
            line(QStringLiteral("Catado"), QStringLiteral("2010"), QStringLiteral("Jumilla")));
        tasted[Field::Catador] = QStringLiteral("Pilar");
        tasted[Field::CaliVista] = QStringLiteral("Muy Bueno");
        tasted[Field::CaliConjunto] = QStringLiteral("Regular");
        tasted[Field::NumBotellas] = QStringLiteral("000");
        tasted[Field::Imagen] = photo.fileName();
        tasted.pad();
        caveto::CellarRecord missing = caveto::CellarRecord::parse(
            line(QStringLiteral("Sin foto"), QStringLiteral("2011"), QStringLiteral("Jumilla")));
        missing[Field::Imagen] = QStringLiteral("/nonexistent/botella.jpg");
        missing[Field::NumBotellas] = QStringLiteral("6");
        missing.pad();
        f.writeDataFile({ tasted.buildLine(), missing.buildLine(),
            line(QStringLiteral("Vacío"), QStringLiteral("2012"), QStringLiteral("Jumilla")) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        pickRow(w, 0);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Catado"));
        QCOMPARE(w->PSCatador->text(), QStringLiteral("Pilar"));
        QCOMPARE(w->PVistaCali->text(), QStringLiteral("Muy Bueno"));
        QCOMPARE(w->POlfatoCali->text(), QString());
        QCOMPARE(w->PCaliFinal->text(), QStringLiteral("Regular"));
        QCOMPARE(w->Catador.text(), QStringLiteral("Pilar"));
        QVERIFY(w->Led->Value());
        QCOMPARE(w->Led->TrueColor(), QColor(0, 255, 0));
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoAviso);

        pickRow(w, 1);
        QCOMPARE(w->NombreVino->text(), QStringLiteral("Sin foto"));
        QVERIFY(w->Led->Value());
        QCOMPARE(w->Led->TrueColor(), QColor(255, 0, 0));
        QCOMPARE(w->PSCatador->text(), QString());
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoNormal);

        pickRow(w, 2);
        QVERIFY(!w->Led->Value());
        QCOMPARE(w->PVistaCali->text(), QString());
        // Nothing can be typed while consulting.
        QVERIFY(!w->PDatos->isEnabled());
    }

    void tastingButtonsNeedARecord()
    {
        CavetoFixture f;
        f.writeDataFile(
            { line(QStringLiteral("Uno"), QStringLiteral("2001"), QStringLiteral("Toro")) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        for (auto handler : { &TFormCavetoPas::BDatosClick, &TFormCavetoPas::BVistaClick,
                 &TFormCavetoPas::BOlfatoClick, &TFormCavetoPas::BGustoClick,
                 &TFormCavetoPas::BConjuntoClick, &TFormCavetoPas::BEditorClick }) {
            moveFocus(w->BMenu);
            (w->*handler)();
            const auto shown = f.messages();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
            QCOMPARE(shown[0].text, QStringLiteral("No hay datos seleccionados"));
            QVERIFY(w->Csalida->hasFocus());
        }
        QVERIFY(f.script->opened.isEmpty()
            || f.script->opened == QStringList { QStringLiteral("TFormInicio") });
    }

    void newValueMarks()
    {
        CavetoFixture f;
        f.writeDataFile(
            { line(QStringLiteral("Uno"), QStringLiteral("2001"), QStringLiteral("Rioja")) });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->DenoOrigen, QStringLiteral("  rioja "));
        moveFocus(w->Vino);
        QCOMPARE(w->DenoOrigen->currentText(), QStringLiteral("rioja"));
        QCOMPARE(w->BLabelDeno->text(), QString());
        QCOMPARE(w->NuevoValor[0], QStringLiteral("N"));
        w->DenoOrigen->setEditText(QString());
        typeInto(w->DenoOrigen, QStringLiteral("Ribeiro"));
        moveFocus(w->Vino);
        QCOMPARE(w->BLabelDeno->text(), QStringLiteral("Nueva"));
        QCOMPARE(w->NuevoValor[0], QStringLiteral("S"));
        typeInto(w->Vino, QStringLiteral("Blanco"));
        moveFocus(w->TipoVino);
        QCOMPARE(w->BLabelVino->text(), QStringLiteral("Nuevo"));
        typeInto(w->TipoVino, QStringLiteral("crianza"));
        moveFocus(w->Bodega);
        QCOMPARE(w->BLabelTipoVino->text(), QString());
        typeInto(w->Estante, QStringLiteral("Z-9"));
        moveFocus(w->Grados);
        QCOMPARE(w->BLabelEstante->text(), QStringLiteral("Nuevo"));
        // Leaving a grape field checks the appellation again.
        w->BLabelDeno->clear();
        moveFocus(w->TipoUva1);
        moveFocus(w->Porcen1);
        QCOMPARE(w->BLabelDeno->text(), QStringLiteral("Nueva"));
        // An empty text leaves the flag as it was.
        w->Vino->setEditText(QString());
        moveFocus(w->Vino);
        moveFocus(w->TipoVino);
        QCOMPARE(w->NuevoValor[1], QStringLiteral("S"));
        QCOMPARE(w->BLabelVino->text(), QString());
    }

    void failedSaveKeepsTheFileAndStopsTheCommand()
    {
        CavetoFixture f;
        const QString kept
            = line(QStringLiteral("Guardado"), QStringLiteral("1999"), QStringLiteral("Rioja"));
        f.writeDataFile({ kept });
        f.start();
        TFormCavetoPas *w = f.window.get();
        const QByteArray before = f.fileBytes();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("No cabe"));
        typeInto(w->Cosecha, QStringLiteral("2020"));
        typeInto(w->DenoOrigen, QStringLiteral("Rioja"));
        {
            FileSizeLimit full(512);
            QTest::mouseClick(w->BAlta, Qt::LeftButton);
        }
        const auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(shown[0].text.contains(QStringLiteral("Caveto20.Datos")));
        QCOMPARE(f.fileBytes(), before);
        // No temporary file is left beside the book and its lock.
        QCOMPARE(QDir(f.dir.filePath(QStringLiteral("Datos"))).entryList(QDir::Files),
            (QStringList { QStringLiteral("Caveto.lock"), QStringLiteral("Caveto20.Datos") }));
        QCOMPARE(w->PContReg->text(), QStringLiteral("1"));
        QCOMPARE(w->EditorFichero.image(), QStringList { kept });
        // The typed wine is still there to save again.
        QCOMPARE(w->NombreVino->text().trimmed(), QStringLiteral("No cabe"));
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f.fileLines().size(), 2);
    }

    void unreadableRecordFileIsNeverReplaced()
    {
        CavetoFixture f;
        // A folder where the record file should be cannot be read.
        QVERIFY(QDir().mkpath(f.dataFile()));
        caveto::setAppFolderOverride(f.dir.path());
        f.script->clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        TFormCavetoPas w;
        QVERIFY(!w.cancelled());
        QVERIFY(!w.loaded());
        const auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(QFileInfo(f.dataFile()).isDir());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
