// The cellar book window driven as a user drives it, offscreen, with its
// windows answered by script: the menu and the four modes, the add, modify
// and delete commands as the record file shows them, the save question, the
// record shown, its notes files, and a session across a restart. The field
// rules are in tst_fieldentry, the presses a modal window interrupts in
// tst_interruptions.

#include "support/CavetoFixture.h"
#include "support/WineFields.h"

#include "cellar/Baja.h"
#include "cellar/StatusPanels.h"
#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"

#include <QLabel>
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

QString counters(TFormCavetoPas *w)
{
    QStringList texts;
    for (QLabel *c : { w->LContDenominacion, w->LContVino, w->LContTipo, w->LContEstante })
        texts << c->text();
    return texts.join(u' ');
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

    void firstStartInAnEmptyFolder()
    {
        f = std::make_unique<CavetoFixture>();
        f->start();
        w = f->window.get();
        QCOMPARE(f->fileLines(), QStringList());
        QCOMPARE(w->StatusBar1->panelText(4), u"Registros ..  0"_s);
        QCOMPARE(counters(w), u"0 0 0 0"_s);
        QVERIFY(w->PTeclasMenu->isVisible() && !w->PDatos->isVisible());
        // The modes that show records, and the report, need some.
        for (QToolButton *b : { w->BMenuBaja, w->BMenuModi, w->BMenuCons }) {
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(f->messageLines(),
                QStringList { u"Caveto Error. | No hay datos para visualizar"_s });
            QVERIFY(w->PTeclasMenu->isVisible());
        }
        w->Informes1->trigger();
        QCOMPARE(f->messageLines().size(), 1);
    }

    void unreadableRecordFileIsNeverReplaced()
    {
        f = std::make_unique<CavetoFixture>();
        // A folder where the record file should be cannot be read.
        QVERIFY(QDir().mkpath(f->dataFile()));
        caveto::setAppFolderOverride(f->dir.path());
        f->script->clickNext(u"TFormInicio"_s, u"BEntrar"_s);
        TFormCavetoPas window;
        QVERIFY(!window.cancelled());
        QVERIFY(!window.loaded());
        QCOMPARE(f->messages().value(0).title, u"Caveto Error."_s);
        QVERIFY(QFileInfo(f->dataFile()).isDir());
    }

    void modes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("editable");
        QTest::newRow("add") << u"BMenuAlta"_s << u"BAlta"_s << true;
        QTest::newRow("delete") << u"BMenuBaja"_s << u"BBaja"_s << false;
        QTest::newRow("modify") << u"BMenuModi"_s << u"BModifica"_s << true;
        QTest::newRow("query") << u"BMenuCons"_s << QString() << false;
    }
    void modes()
    {
        QFETCH(QString, button);
        QFETCH(QString, command);
        QFETCH(bool, editable);
        const bool adding = command == u"BAlta"_s;
        auto *modeButton = w->findChild<QToolButton *>(button);
        QTest::mouseClick(modeButton, Qt::LeftButton);
        QVERIFY(!w->PTeclasMenu->isVisible() && w->PDatos->isVisible());
        QCOMPARE(w->PDatos->isEnabled(), editable);
        for (QPushButton *c : { w->BAlta, w->BBaja, w->BModifica })
            QCOMPARE(c->isVisible(), c->objectName() == command);
        QCOMPARE(w->BBuscar->isVisible(), !adding);
        QCOMPARE(w->PLibroBodega->isVisible(), adding);
        QCOMPARE(w->NombreVino->text(), QString());
        if (adding) {
            QVERIFY(w->NombreVino->hasFocus());
            QVERIFY(w->BDatos->isEnabled());
        } else {
            QVERIFY(w->Csalida->hasFocus());
            // Sorted without regard to case or accents.
            QCOMPARE(w->Csalida->count(), 4);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(w->Csalida->itemText(i), kSorted[i]);
            // Nothing is selected at first: the record's buttons are off and
            // a click on them opens nothing.
            for (QPushButton *b : recordButtons(w)) {
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
                QTest::mouseClick(b, Qt::LeftButton);
            }
            QCOMPARE(f->script->opened, QStringList { u"TFormInicio"_s });
            f->pickRow(1);
            QCOMPARE(w->NombreVino->text(), u"Contino"_s);
            for (QPushButton *b : recordButtons(w))
                QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        }
        QVERIFY(f->messages().isEmpty());

        // Back to the menu: nothing asked, the fields keep the last record
        // shown, and the mode comes back with the same selection.
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QVERIFY(!f->saveQuestionAsked());
        QVERIFY(w->PTeclasMenu->isVisible() && !w->PDatos->isVisible());
        if (!adding) {
            QCOMPARE(w->NombreVino->text(), u"Contino"_s);
            QTest::mouseClick(modeButton, Qt::LeftButton);
            QCOMPARE(w->Csalida->currentIndex(), 1);
            QCOMPARE(w->NombreVino->text(), u"Contino"_s);
        }
    }

    void addCommand()
    {
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeWine(w, u"Finca Dofí"_s, u"2015"_s, u"Priorat"_s);
        moveFocus(w->Vino);
        QCOMPARE(w->BLabelDeno->text(), u"Nueva"_s);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);

        // The new line goes at the end of the file, with a notes name made
        // from the clock, and to its place in the list.
        const QStringList lines = f->fileLines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.first(4), kFileOrder);
        const QString notes = lines[4].mid(589, 16);
        const QDate today = QDate::currentDate();
        QVERIFY(notes.startsWith(today.toString(u"dMyyyy"_s)));
        QCOMPARE(lines[4], minimalLine(u"Finca Dofí"_s, u"2015"_s, u"Priorat"_s, notes));
        QCOMPARE(w->Csalida->itemText(2), lines[4]);
        QCOMPARE(w->StatusBar1->panelText(4), u"Registros ..  5"_s);
        // Its new values joined their lists.
        QCOMPARE(counters(w), u"4 2 2 2"_s);
        QVERIFY(w->valueList(0).contains(u"Priorat"_s.leftJustified(30)));
        // Ready for the next wine.
        QCOMPARE(w->NombreVino->text() + w->Precio->text(), QString());
        QVERIFY(w->NombreVino->hasFocus());
        QVERIFY(f->messages().isEmpty());

        // The same wine twice is two records; its appellation in another
        // case is no new value.
        typeWine(w, u"Finca Dofí"_s, u"2015"_s, u"priorat"_s);
        moveFocus(w->Vino);
        QCOMPARE(w->BLabelDeno->text(), QString());
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f->fileLines().size(), 6);
        QVERIFY(f->fileLines()[5].mid(589, 16) != notes);
        QCOMPARE(counters(w), u"4 2 2 2"_s);
    }

    // The first required field left blank stops the add, with its message
    // and the focus in it.
    void requiredFields_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("name blank")
            << QStringList { u"   "_s } << u"NombreVino"_s << u"Nombre del Vino"_s;
        QTest::newRow("vintage") << QStringList { u"Toro Loco"_s } << u"Cosecha"_s << u"Cosecha"_s;
        QTest::newRow("appellation blank") << QStringList { u"Toro Loco"_s, u"2019"_s, u"  "_s }
                                           << u"DenoOrigen"_s << u"Denominación de Origen"_s;
    }
    void requiredFields()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, field);
        QFETCH(QString, message);
        const QByteArray before = f->fileBytes();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        QWidget *fields[] = { w->NombreVino, w->Cosecha, w->DenoOrigen };
        for (int i = 0; i < typed.size(); ++i)
            typeInto(fields[i], typed[i]);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(f->messageLines(),
            QStringList { u"Caveto Error. | Campo ( %1 ) Obligatorio"_s.arg(message) });
        QCOMPARE(QApplication::focusWidget()->objectName(), field);
        QCOMPARE(f->fileBytes(), before);
    }

    // Leaving typed or edited fields asks whether to save them: by the menu
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
        row("add, menu, Si", "ALTA", 2, "menu", "BSi", true, false);
        row("add, menu, Si, vintage missing", "ALTA", 1, "menu", "BSi", false, false);
        row("add, menu, No", "ALTA", 2, "menu", "BNo", false, true);
        row("add, close, Si, vintage missing", "ALTA", 1, "close", "BSi", false, false);
        row("add, close, Si", "ALTA", 2, "close", "BSi", true, true);
        row("modify, nothing edited, close", "MODI", 0, "close", "", false, true);
        row("modify, menu, Si", "MODI", 2, "menu", "BSi", true, false);
        row("modify, close, Si", "MODI", 2, "close", "BSi", true, true);
        row("modify, pick, Cancelar", "MODI", 2, "pick", "BCancelar", false, false);
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
            edited == 1 && answer == u"BSi"_s
                ? QStringList { u"Caveto Error. | Campo ( Cosecha ) Obligatorio"_s }
                : QStringList());
        // Kept edits stay in the fields; the name takes the focus after
        // "Cancelar". A stored record leaves the fields for the next one.
        if (!stored && !left) {
            QCOMPARE(adding ? w->NombreVino->text() : w->Precio->text(), typed);
            if (answer == u"BCancelar"_s)
                QTRY_VERIFY(w->NombreVino->hasFocus());
        }
        if (stored && !left)
            QCOMPARE(w->NombreVino->text(), QString());
        if (leaving == u"pick"_s && left)
            QCOMPARE(w->NombreVino->text(), u"Contino"_s);
    }

    // A notes name given before the add (the notes editor was opened) goes
    // with the record; a wine never added leaves no notes file behind.
    void notesNameGivenBeforeTheAdd_data()
    {
        QTest::addColumn<bool>("added");
        QTest::newRow("added") << true;
        QTest::newRow("left without adding") << false;
    }
    void notesNameGivenBeforeTheAdd()
    {
        QFETCH(bool, added);
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        // The editor opens on the new wine's notes name; it is left at once.
        f->script->clickNext(u"TFormEditorPas"_s, u"BSalir"_s);
        QTest::mouseClick(w->BEditor, Qt::LeftButton);
        const QString name = w->Valor_Editor->text();
        QCOMPARE(name.size(), 16);
        CavetoFixture::writeFile(f->notesFile(name), "{\\rtf1 notas}");
        if (added) {
            f->addWine(u"Flor de Pingus"_s, u"2017"_s, u"Ribera del Duero"_s);
            QCOMPARE(f->fileLines().value(4).mid(589, 16), name);
            QVERIFY(QFile::exists(f->notesFile(name)));
            // The next wine gets a name of its own.
            f->addWine(u"Pingus"_s, u"2018"_s, u"Ribera del Duero"_s);
            QVERIFY(f->fileLines().value(5).mid(589, 16) != name);
        } else {
            QTest::mouseClick(w->BMenu, Qt::LeftButton);
            QVERIFY(!f->saveQuestionAsked());
            QVERIFY(!QFile::exists(f->notesFile(name)));
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
        QVERIFY(w->Csalida->hasFocus());

        CavetoFixture::retype(w->Precio, u"19,90"_s);
        CavetoFixture::retype(w->Estante, u"C-3"_s);
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QVERIFY(f->messages().isEmpty());
        // The file now follows the sorted list; the long photo path is whole.
        QCOMPARE(f->fileLines(),
            QStringList(
                { withFields(0, { { Field::Precio, u"19,90"_s }, { Field::Estante, u"C-3"_s } }),
                    kSorted[1], kSorted[2], kSorted[3] }));
        QCOMPARE(w->NombreVino->text(), QString());
        QVERIFY(w->valueList(3).contains(u"C-3"_s.leftJustified(15)));
        QCOMPARE(counters(w), u"3 1 1 2"_s);
    }

    void deleteCommand()
    {
        const QByteArray before = f->fileBytes();
        const QString notes = f->notesFile(u"2222000000000000"_s);
        CavetoFixture::writeFile(notes);
        QTest::mouseClick(w->BMenuBaja, Qt::LeftButton);
        f->pickRow(1);

        // The confirmation shows the record; "Cancelar" keeps it.
        f->script->onNext(u"TFormBaja"_s, [](QDialog *d) {
            auto *baja = static_cast<TFormBaja *>(d);
            const QStringList header = { baja->PNombreVino->text(), baja->PCosecha->text(),
                baja->PDenoOrigen->text(), baja->PVino->text(), baja->PTipoVino->text() };
            QCOMPARE(header.join(u'|'), u"Contino|2014|Rioja|Tinto|Crianza"_s);
            QTest::keyClick(baja, Qt::Key_Escape);
        });
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f->fileBytes(), before);
        QVERIFY(QFile::exists(notes));

        // "Aceptar": the record and its notes go, and the appellation list
        // loses the appellation of its last wine.
        f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f->fileLines(), QStringList({ kSorted[0], kSorted[2], kSorted[3] }));
        QVERIFY(!QFile::exists(notes));
        QCOMPARE(w->StatusBar1->panelText(4), u"Registros ..  3"_s);
        QCOMPARE(w->valueList(0),
            QStringList({ u"Ribera del Duero"_s.leftJustified(30), u"Toro"_s.leftJustified(30) }));
        QCOMPARE(w->LContDenominacion->text(), u"2"_s);
        QCOMPARE(w->NombreVino->text(), QString());
        QTRY_VERIFY(w->Csalida->hasFocus());

        // Records whose notes files do not exist go the same way, to the
        // last, each leaving no record shown: the record's buttons off and
        // the bottle count in its normal colour, whatever the wine had.
        for (int left = 3; left > 0; --left) {
            f->pickRow(0);
            QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoAviso);
            f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
            QTest::mouseClick(w->BBaja, Qt::LeftButton);
            QCOMPARE(f->fileLines().size(), left - 1);
            QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoNormal);
            for (QPushButton *b : recordButtons(w))
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        }
        QCOMPARE(w->Csalida->count(), 0);
        QCOMPARE(counters(w), u"0 0 0 0"_s);
        QVERIFY(f->messages().isEmpty());
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
        QCOMPARE(w->NombreVino->text(), u"Uno"_s);
        f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
        QTest::mouseClick(w->BBaja, Qt::LeftButton);
        QCOMPARE(f->fileLines().size(), 1);
        QCOMPARE(CavetoFixture::readFile(f->dir.filePath(file)), QByteArray("keep"));
    }

    // A record shows its tasting summary, its photo LED (green for a photo
    // found, red for one missing) and a warning colour for no bottles.
    void shownRecord_data()
    {
        QTest::addColumn<QStringList>("summary"); // taster, sight, smell, taste, overall
        QTest::addColumn<QString>("bottles");
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QColor>("led");
        QTest::addColumn<bool>("warning");
        QTest::newRow("tasted, with its photo")
            << QStringList { u"Pilar"_s, u"Muy Bueno"_s, QString(), QString(), u"Regular"_s }
            << u"000"_s << u"present"_s << QColor(0, 255, 0) << true;
        QTest::newRow("photo missing") << QStringList(5) << u"6"_s << u"/nonexistent/botella.jpg"_s
                                       << QColor(255, 0, 0) << false;
        QTest::newRow("nothing") << QStringList(5) << QString() << QString() << QColor() << true;
    }
    void shownRecord()
    {
        QFETCH(QStringList, summary);
        QFETCH(QString, bottles);
        QFETCH(QString, photo);
        QFETCH(QColor, led);
        QFETCH(bool, warning);
        QTemporaryFile present;
        QVERIFY(present.open());
        if (photo == u"present"_s)
            photo = present.fileName();
        startWith({ CavetoFixture::wineLine(u"Catado"_s, u"2010"_s, u"Jumilla"_s,
            { { Field::Catador, summary[0] }, { Field::CaliVista, summary[1] },
                { Field::CaliOlfato, summary[2] }, { Field::CaliGusto, summary[3] },
                { Field::CaliConjunto, summary[4] }, { Field::NumBotellas, bottles },
                { Field::Imagen, photo } }) });
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        f->pickRow(0);
        const QStringList panels = { w->PSCatador->text(), w->PVistaCali->text(),
            w->POlfatoCali->text(), w->PGustoCali->text(), w->PCaliFinal->text() };
        QCOMPARE(panels, summary);
        QCOMPARE(w->Led->Value(), led.isValid());
        if (led.isValid())
            QCOMPARE(w->Led->TrueColor(), led);
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
        QTest::newRow("new appellation") << u"DenoOrigen"_s << u"Ribeiro"_s << u"Nueva"_s;
        QTest::newRow("new wine") << u"Vino"_s << u"Blanco"_s << u"Nuevo"_s;
        QTest::newRow("known type") << u"TipoVino"_s << u"crianza"_s << QString();
        QTest::newRow("new shelf") << u"Estante"_s << u"Z-9"_s << u"Nuevo"_s;
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
        // Emptied, the field carries no mark.
        CavetoFixture::retype(combo, QString());
        moveFocus(w->NombreVino);
        QCOMPARE(label->text(), QString());
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

    // A save that fails (a full disk) reports the file, leaves it and the
    // window as they were, and the command can be run again.
    void failedSave_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("add") << u"BMenuAlta"_s;
        QTest::newRow("modify") << u"BMenuModi"_s;
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
            if (mode == u"BMenuModi"_s) {
                CavetoFixture::retype(w->Precio, u"45,00"_s);
                command = w->BModifica;
            } else {
                f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
                command = w->BBaja;
            }
        }
        {
            FileSizeLimit full(512);
            QTest::mouseClick(command, Qt::LeftButton);
        }
        const auto shown = f->messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, u"Caveto Error."_s);
        QVERIFY(shown[0].text.contains(u"Caveto20.Datos"_s));
        QCOMPARE(f->fileBytes(), before);
        // No temporary file is left beside the book and its lock.
        QCOMPARE(QDir(f->dir.filePath(u"Datos"_s)).entryList(QDir::Files),
            (QStringList { u"Caveto.lock"_s, u"Caveto20.Datos"_s }));
        QCOMPARE(w->StatusBar1->panelText(4), u"Registros ..  4"_s);
        QCOMPARE(w->Csalida->count(), 4);

        // The same command again, with room on the disk.
        if (mode == u"BMenuBaja"_s) {
            f->script->clickNext(u"TFormBaja"_s, u"BBajaSi"_s);
            f->pickRow(0);
        }
        QTest::mouseClick(command, Qt::LeftButton);
        QVERIFY(f->fileBytes() != before);
    }

    // A session from an empty folder to a restart, checked against the
    // record file: a tasting entered before its wine is added, a tasting
    // changed on its own, and what the next start reads back.
    void bookAcrossARestart()
    {
        f = std::make_unique<CavetoFixture>();
        f->start();
        w = f->window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeWine(w, u"Tondonia"_s, u"2004"_s, u"Rioja"_s);
        f->script->onNext(u"TFormCataGen"_s, [](QDialog *d) {
            typeInto(static_cast<TFormCataGen *>(d)->Catador, u"Pilar Muñoz"_s);
            QTest::mouseClick(static_cast<TFormCataGen *>(d)->BOkDatos, Qt::LeftButton);
        });
        f->script->onNext(u"TFormCataConjunto"_s, [](QDialog *d) {
            typeInto(static_cast<TFormCataConjunto *>(d)->CaliConjunto, u"Excelentísimo"_s);
            d->close();
        });
        QTest::mouseClick(w->BDatos, Qt::LeftButton);
        QCOMPARE(w->PSCatador->text(), u"Pilar Muñoz"_s);
        QTest::mouseClick(w->BConjunto, Qt::LeftButton);
        QCOMPARE(w->PCaliFinal->text(), u"Excelentísimo"_s);
        QTest::mouseClick(w->BAlta, Qt::LeftButton);
        QCOMPARE(w->PSCatador->text(), QString());
        QString line = f->fileLines().value(0);
        QString expected = minimalLine(u"Tondonia"_s, u"2004"_s, u"Rioja"_s, line.mid(589, 16));
        expected.replace(357, 30, u"Pilar Muñoz"_s.leftJustified(30));
        expected.replace(945, 10, u"Excelentís"_s);
        QCOMPARE(line, expected);

        // A new taster is a change of the record, stored on its own.
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        f->pickRow(0);
        f->script->onNext(u"TFormCataGen"_s, [](QDialog *d) {
            typeInto(static_cast<TFormCataGen *>(d)->Catador, u"Juan"_s);
            d->close();
        });
        QTest::mouseClick(w->BDatos, Qt::LeftButton);
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QTest::mouseClick(w->BMenuSalir, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(f->messages().isEmpty() && !f->saveQuestionAsked());
        expected.replace(357, 30, u"Juan"_s.leftJustified(30));
        QCOMPARE(f->fileLines(), QStringList { expected });

        // What a restart finds: the summary of the tasting and the values
        // stored for the fields left blank.
        f->window.reset();
        f->start();
        w = f->window.get();
        QCOMPARE(w->StatusBar1->panelText(4), u"Registros ..  1"_s);
        QTest::mouseClick(w->BMenuCons, Qt::LeftButton);
        f->pickRow(0);
        QCOMPARE(w->PSCatador->text() + w->PCaliFinal->text(), u"JuanExcelentís"_s);
        QCOMPARE(w->Vino->currentText() + w->Precio->text() + w->NumBotellas->text(),
            u"Sin Datos0,000"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
