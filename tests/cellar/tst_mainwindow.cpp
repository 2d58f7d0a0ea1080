// The cellar book window driven as a user drives it, offscreen, with its
// windows answered by script: the add, modify and delete commands as the
// record file shows them, the save question, the record shown and its notes
// files. Field rules are in tst_fieldentry, interrupted presses in
// tst_interruptions.

#include "support/CavetoFixture.h"
#include "support/WineFields.h"

#include "controls/Blinklbl.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QToolButton>

using caveto::Field;
using namespace Qt::Literals::StringLiterals;

namespace {

// The book most tests start from, in list order; the file holds it in
// another order. The first wine's photo path is longer than a line edit
// holds.
const QStringList kSorted = {
    CavetoFixture::wineLine(u"Alión"_s, u"2015"_s, u"Ribera del Duero"_s,
        { { Field::EFichero, u"1111"_s }, { Field::Precio, u"40,00"_s },
            { Field::Imagen, u"/fotos/"_s + QString(40000, u'x') + u".jpg"_s } }),
    CavetoFixture::wineLine(u"Contino"_s, u"2014"_s, u"Rioja"_s,
        { { Field::EFichero, u"2222"_s }, { Field::NumBotellas, u"6"_s } }),
    CavetoFixture::wineLine(
        u"Numanthia"_s, u"2012"_s, u"Toro"_s, { { Field::EFichero, u"3333"_s } }),
    CavetoFixture::wineLine(u"pintia"_s, u"2013"_s, u"Toro"_s, { { Field::EFichero, u"4444"_s } }),
};
const QStringList kFileOrder = { kSorted[3], kSorted[1], kSorted[0], kSorted[2] };

// A line of the sorted book with some fields changed.
QString withFields(int row, std::initializer_list<std::pair<Field, QString>> changes)
{
    caveto::CellarRecord r = caveto::CellarRecord::parse(kSorted[row]);
    for (const auto &[field, value] : changes)
        r[field] = value;
    r.pad();
    return r.buildLine();
}

QList<QPushButton *> recordButtons(TFormCavetoPas *w)
{
    return { w->BDatos, w->BVista, w->BOlfato, w->BGusto, w->BConjunto, w->BEditor, w->BImagen,
        w->BBaja, w->BModifica };
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CavetoFixture> f;
    TFormCavetoPas *w = nullptr;

    void startWith(const QStringList &lines)
    {
        f->restart(lines);
        w = f->window.get();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void init()
    {
        f = std::make_unique<CavetoFixture>();
        startWith(kFileOrder);
    }

    // Every answer queued was used, and no window opened unasked.
    void cleanup()
    {
        const QStringList unexpected = f->script->unexpected;
        const int pending = f->script->pendingActions();
        f.reset();
        QCOMPARE(unexpected, QStringList());
        QCOMPARE(pending, 0);
    }

    // The modes that show records need some.
    void emptyBook()
    {
        startWith({});
        for (QToolButton *b : { w->BMenuBaja, w->BMenuModi, w->BMenuCons }) {
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(f->messageLines(),
                QStringList { u"Caveto Error. | No hay datos para visualizar"_s });
            QVERIFY(w->PTeclasMenu->isVisible());
        }
    }

    // The new line goes at the end of the file with the notes name the
    // editor gave before the add; its new values join their lists.
    void addCommand()
    {
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        f->script->clickNext(u"TFormEditorPas"_s, u"BSalir"_s);
        QTest::mouseClick(w->BEditor, Qt::LeftButton);
        const QString notes = w->Valor_Editor->text();
        typeWine(w, u"Finca Dofí"_s, u"2015"_s, u"Priorat"_s);
        moveFocus(w->Vino);
        QCOMPARE(w->BLabelDeno->text(), u"Nueva"_s);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f->fileLines(),
            kFileOrder
                + QStringList { minimalLine(u"Finca Dofí"_s, u"2015"_s, u"Priorat"_s, notes) });
        QCOMPARE(w->LContDenominacion->text(), u"4"_s);
        QVERIFY(w->valueList(0).contains(u"Priorat"_s.leftJustified(30)));
        QVERIFY(f->messages().isEmpty());
    }

    // A wine never added leaves no notes file behind.
    void notesOfAWineNeverAdded()
    {
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        f->script->clickNext(u"TFormEditorPas"_s, u"BSalir"_s);
        QTest::mouseClick(w->BEditor, Qt::LeftButton);
        const QString name = w->Valor_Editor->text();
        CavetoFixture::writeFile(f->notesFile(name), "{\\rtf1 notas}");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(!QFile::exists(f->notesFile(name)));
    }

    // The first required field left blank (blanks count as blank) stops the
    // add, with its message and the focus in it; the file is untouched.
    void requiredFields_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QString>("message");
        QTest::newRow("name") << QStringList { u"   "_s } << 0 << u"Nombre del Vino"_s;
        QTest::newRow("vintage") << QStringList { u"Toro Loco"_s } << 1 << u"Cosecha"_s;
        QTest::newRow("appellation") << QStringList { u"Toro Loco"_s, u"2019"_s, u"  "_s } << 2
                                     << u"Denominación de Origen"_s;
    }
    void requiredFields()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, refused);
        QFETCH(QString, message);
        const QByteArray before = f->fileBytes();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        QWidget *fields[] = { w->NombreVino, w->Cosecha, w->DenoOrigen };
        for (int i = 0; i < typed.size(); ++i)
            typeInto(fields[i], typed[i]);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f->messageLines(),
            QStringList { u"Caveto Error. | Campo ( %1 ) Obligatorio"_s.arg(message) });
        QCOMPARE(QApplication::focusWidget(), fields[refused]);
        QCOMPARE(f->fileBytes(), before);
    }

    // Leaving typed or edited fields asks whether to save them, by the menu
    // button, by closing the window, or by picking another record.
    // "stored": the file holds the edits; "left": the menu shows, the window
    // closed or the picked record shows.
    void saveQuestion_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("edited"); // 0 nothing, 1 the name only, 2 a whole wine or a price
        QTest::addColumn<QString>("leaving");
        QTest::addColumn<QString>("answer"); // empty when no question is asked
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("left");
        auto row = [](const char *tag, const char *mode, int edited, const char *leaving,
                       const char *answer, bool stored, bool left) {
            QTest::newRow(tag) << QString::fromLatin1(mode) << edited
                               << QString::fromLatin1(leaving) << QString::fromLatin1(answer)
                               << stored << left;
        };
        row("add, nothing typed, menu", "ALTA", 0, "menu", "", false, true);
        row("add, menu, Cancelar", "ALTA", 2, "menu", "BCancelar", false, false);
        row("add, menu, Si, vintage missing", "ALTA", 1, "menu", "BSi", false, false);
        row("add, close, Si, vintage missing", "ALTA", 1, "close", "BSi", false, false);
        row("add, close, Si", "ALTA", 2, "close", "BSi", true, true);
        row("modify, pick, Si", "MODI", 2, "pick", "BSi", true, true);
        row("modify, pick, No", "MODI", 2, "pick", "BNo", false, true);
    }
    void saveQuestion()
    {
        QFETCH(QString, mode);
        QFETCH(int, edited);
        QFETCH(QString, leaving);
        QFETCH(QString, answer);
        QFETCH(bool, stored);
        QFETCH(bool, left);
        const bool adding = mode == u"ALTA"_s;
        const QString typed = adding ? u"Pazo de Señorans"_s : u"45,00"_s;
        const QByteArray before = f->fileBytes();
        QTest::mouseClick(adding ? w->BMenuAlta : w->BMenuModi, Qt::LeftButton);
        if (!adding)
            f->pickRow(0);
        if (edited > 0)
            CavetoFixture::retype(
                adding ? static_cast<QWidget *>(w->NombreVino) : w->Precio, typed);
        if (adding && edited > 1) {
            typeInto(w->Cosecha, u"2020"_s);
            typeInto(w->DenoOrigen, u"Rías Baixas"_s);
        }

        if (!answer.isEmpty())
            f->answerSaveQuestion(answer.toLatin1().constData());
        bool closed = false;
        if (leaving == u"menu"_s)
            QTest::mouseClick(w->BMenu, Qt::LeftButton);
        else if (leaving == u"close"_s)
            closed = w->close();
        else
            QTest::keyClick(w->Csalida, Qt::Key_Down);
        QCOMPARE(f->saveQuestionAsked(), !answer.isEmpty());
        QCOMPARE(leaving == u"menu"_s   ? w->PTeclasMenu->isVisible()
                : leaving == u"close"_s ? closed
                                        : w->Csalida->currentIndex() == 1,
            left);

        if (!stored)
            QCOMPARE(f->fileBytes(), before);
        else if (adding)
            QVERIFY(f->fileLines().value(4).startsWith(typed));
        else // the record edited, not the one picked
            QCOMPARE(f->fileLines(),
                QStringList({ withFields(0, { { Field::Precio, typed } }), kSorted[1], kSorted[2],
                    kSorted[3] }));
        QCOMPARE(f->messageLines(),
            edited == 1 ? QStringList { u"Caveto Error. | Campo ( Cosecha ) Obligatorio"_s }
                        : QStringList());
        if (answer == u"BCancelar"_s) {
            QCOMPARE(w->NombreVino->text(), typed);
            QTRY_VERIFY(w->NombreVino->hasFocus());
        }
    }

    void clockMadeNotesNamesNeverCollide()
    {
        // 1 December at 10:00 and 11 February at 10:00 read the same digits.
        const QString taken = caveto::makeNotesName(11, 2, 2026, 10, 0, 0, 0);
        startWith({ CavetoFixture::wineLine(
            u"Antiguo"_s, u"2001"_s, u"Toro"_s, { { Field::EFichero, taken } }) });
        w->Tpersonal->stop();
        caveto::program().clock = { 10, 0, 0, 0, 2026, 12, 1 };
        // A stray notes file holds the next name.
        CavetoFixture::writeFile(f->notesFile(caveto::nextNotesName(taken)));
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        f->addWine(u"Nuevo"_s, u"2026"_s, u"Toro"_s);
        QCOMPARE(f->fileLines().value(1).mid(589, 16),
            caveto::nextNotesName(caveto::nextNotesName(taken)));
    }

    void modifyCommand()
    {
        const QByteArray before = f->fileBytes();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        f->pickRow(0);
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QCOMPARE(f->messageLines(),
            QStringList {
                u"Caveto Aviso. | No hay datos actualizados en ( Datos del Vino / Cata ), no es "
                u"necesario Modificar."_s });
        QCOMPARE(f->fileBytes(), before);
    }

    // "Cancelar" keeps the record; "Aceptar" takes it and its notes, and
    // leaves no record shown: the record's buttons off.
    void deleteCommand()
    {
        const QByteArray before = f->fileBytes();
        const QString notes = f->notesFile(u"2222000000000000"_s);
        CavetoFixture::writeFile(notes);
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        f->pickRow(1);
        f->script->clickNext(u"TFormBaja"_s, u"BBajaNo"_s);
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f->fileBytes(), before);
        f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f->fileLines(), QStringList({ kSorted[0], kSorted[2], kSorted[3] }));
        QVERIFY(!QFile::exists(notes));
        for (QPushButton *b : recordButtons(w))
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    }

    // Deleting a record never takes a file that is not its own notes file.
    void deleteLeavesOtherFilesAlone_data()
    {
        QTest::addColumn<QString>("notesName");
        QTest::addColumn<QString>("otherNotesName");
        QTest::addColumn<QString>("file");
        QTest::newRow("notes shared with another record")
            << u"5555"_s << u"5555"_s << u"Datos/5555000000000000.txt"_s;
        QTest::newRow("name outside the data folder")
            << u"../victim0000000"_s << u"6666"_s << u"victim0000000.txt"_s;
    }
    void deleteLeavesOtherFilesAlone()
    {
        QFETCH(QString, notesName);
        QFETCH(QString, otherNotesName);
        QFETCH(QString, file);
        startWith({ CavetoFixture::wineLine(
                        u"Uno"_s, u"2001"_s, u"Toro"_s, { { Field::EFichero, notesName } }),
            CavetoFixture::wineLine(
                u"Dos"_s, u"2002"_s, u"Toro"_s, { { Field::EFichero, otherNotesName } }) });
        CavetoFixture::writeFile(f->dir.filePath(file), "keep");
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        f->pickRow(1);
        f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f->fileLines().size(), 1);
        QCOMPARE(CavetoFixture::readFile(f->dir.filePath(file)), QByteArray("keep"));
    }

    // A record shows its tasting summary and a warning colour for no bottles.
    void shownRecord_data()
    {
        QTest::addColumn<QString>("overall");
        QTest::addColumn<QString>("bottles");
        QTest::addColumn<bool>("warning");
        QTest::newRow("tasted, none left") << u"Regular"_s << u"000"_s << true;
        QTest::newRow("six left") << QString() << u"6"_s << false;
    }
    void shownRecord()
    {
        QFETCH(QString, overall);
        QFETCH(QString, bottles);
        QFETCH(bool, warning);
        startWith({ CavetoFixture::wineLine(u"Catado"_s, u"2010"_s, u"Jumilla"_s,
            { { Field::CaliConjunto, overall }, { Field::NumBotellas, bottles } }) });
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        f->pickRow(0);
        QCOMPARE(w->PCaliFinal->text(), overall);
        QCOMPARE(caveto::fieldColor(w->NumBotellas),
            warning ? caveto::colors::CampoAviso : caveto::colors::CampoNormal);
    }

    // Leaving a list field trims it and marks a value its list lacks
    // ("Nueva" for an appellation, "Nuevo" for the others), whatever its case.
    void newValueMarks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mark");
        QTest::newRow("known appellation") << u"DenoOrigen"_s << u"  rioja "_s << QString();
        QTest::newRow("new wine") << u"Vino"_s << u"Blanco"_s << u"Nuevo"_s;
    }
    void newValueMarks()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, mark);
        auto *label = w->findChild<TBlinkLabel *>(
            u"BLabel"_s + (field == u"DenoOrigen"_s ? u"Deno"_s : field));
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        auto *combo = w->findChild<QComboBox *>(field);
        typeInto(combo, typed);
        moveFocus(w->NombreVino);
        QCOMPARE(combo->currentText(), typed.trimmed());
        QCOMPARE(label->text(), mark);
    }

    void leavingAGrapeChecksTheAppellationAgain()
    {
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->DenoOrigen, u"Ribeiro"_s);
        moveFocus(w->TipoUva1);
        w->BLabelDeno->clear();
        moveFocus(w->Porcen1);
        QCOMPARE(w->BLabelDeno->text(), u"Nueva"_s);
    }

    // A save that fails (a full disk) is reported and leaves the file as it
    // was, with no temporary file beside it.
    void failedSave_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("add") << u"BMenuAlta"_s;
        QTest::newRow("delete") << u"BMenuBaja"_s;
    }
    void failedSave()
    {
        QFETCH(QString, mode);
        const QByteArray before = f->fileBytes();
        QTest::mouseClick(w->findChild<QToolButton *>(mode), Qt::LeftButton);
        QPushButton *command = w->BAlta;
        if (mode == u"BMenuAlta"_s) {
            typeWine(w, u"No cabe"_s, u"2020"_s, u"Rioja"_s);
        } else {
            f->pickRow(0);
            f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
            command = w->BBaja;
        }
        {
            FileSizeLimit full(512);
            QTest::mouseClick(command, Qt::LeftButton);
        }
        const auto shown = f->messages();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.contains(u"Caveto20.Datos"_s));
        QCOMPARE(f->fileBytes(), before);
        QCOMPARE(QDir(f->dir.filePath(u"Datos"_s)).entryList(QDir::Files),
            (QStringList { u"Caveto.lock"_s, u"Caveto20.Datos"_s }));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
