// The notes editor, driven from the main window as a user drives it: a new
// wine's notes, the save question, the read-only modes, the inserted blocks,
// and the notes files that must never be lost or reached outside the data
// folder.

#include "support/InWindow.h"
#include "support/PdfText.h"

#include "cellar/StatusPanels.h"
#include "controls/Blinklbl.h"
#include "notes/EditorPas.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "platform/Rtf.h"
#include "platform/StdDialogs.h"
#include "tasting/CataGen.h"

#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QTextBlock>

#include <unistd.h>

using caveto::Field;
using Editor = TFormEditorPas;

namespace {

const QString kNotes = QStringLiteral("2512202691234560");

// Viña Pedrosa with the notes file kNotes, as the only wine of the book.
void startWithOneWine(
    CavetoFixture &f, const QString &notes = kNotes, const QString &taster = QString())
{
    f.writeDataFile(
        { CavetoFixture::wineLine(QStringLiteral("Viña Pedrosa"), QStringLiteral("2019"),
            QStringLiteral("Rioja"), { { Field::EFichero, notes }, { Field::Catador, taster } }) });
    f.start();
}

QStringList notesLines(const QString &path)
{
    return caveto::readTextLines(CavetoFixture::readFile(path));
}

void openEditor(CavetoFixture &f)
{
    QTest::mouseClick(f.window->BEditor, Qt::LeftButton);
}

} // namespace

class TestNotesEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // A new wine: its notes name is made once and kept, and "&Guardar Notas"
    // writes the file whole, an empty one too. Tab types a tab, the menu's
    // keys act on the text, the font dialog starts from the base font and its
    // choice reaches the file; the header goes to the top and to paper.
    void addingAWine()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        caveto::PrintScript prints;
        const QString pdf = f.dir.filePath(QStringLiteral("cabecera.pdf"));
        prints.cancelNext();
        prints.printNextTo(pdf);
        caveto::StdDialogScript dialogs;
        QFont chosen(QStringLiteral("Liberation Serif"), 14);
        chosen.setBold(true);
        dialogs.chooseFontNext(chosen, Qt::darkRed);
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("Mauro"));
        inNext<Editor>(f, [&](Editor *e) {
            QCOMPARE(w->LOpcionAbierta->text() + u'|' + e->LOpcion->text() + u'|'
                    + e->PNombreVino->text(),
                QStringLiteral("Opción Cata de Vinos Editar Notas|Alta|Mauro"));
            // A fixed-pitch face, so the labels of the blocks line up.
            QVERIFY(QFontInfo(e->EditorNotas->font()).fixedPitch());
            e->ImpresoraSetup1->trigger();
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        openEditor(f);
        const QString name = w->Valor_Editor->text();
        QCOMPARE(name.size(), 16);
        QVERIFY(caveto::rtf::isRtf(CavetoFixture::readFile(f.notesFile(name))));
        QCOMPARE(notesLines(f.notesFile(name)), QStringList());
        QCOMPARE(w->focusWidget(), w->NombreVino);

        int caret = -1;
        inNext<Editor>(f, [&](Editor *e) {
            QCOMPARE(e->EFichero->text(), name);
            TRichEdit *text = e->EditorNotas;
            typeInto(text, QStringLiteral("uno"));
            QTest::keyClick(text, Qt::Key_Tab);
            typeText(text, QStringLiteral("dos"));
            QTest::keyClick(text, Qt::Key_Return);
            typeText(text, QStringLiteral("Gran Reserva"));
            QTest::keyClick(text, Qt::Key_Home, Qt::ShiftModifier);
            e->Fuente1->trigger();
            e->Centro1->trigger();
            // "uno" cut and pasted back with the menu's keys.
            QTextCursor c(text->document());
            c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 3);
            text->setTextCursor(c);
            QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(text->lines(), QStringList({ "\tdos", "Gran Reserva" }));
            QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
            // Ctrl+D deletes the selection, and nothing without one.
            QTest::keyClick(text, Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(text->lines(), QStringList({ "uno\tdos", "Gran Reserva" }));
            c.movePosition(QTextCursor::Start);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            text->setTextCursor(c);
            e->Borrar1->trigger();
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            caret = text->textCursor().position();
            QCOMPARE(e->focusWidget(), text);
            QTest::mouseClick(e->BImprimir, Qt::LeftButton);
            QVERIFY(!QFile::exists(pdf));
            e->Imprimir1->trigger();
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        openEditor(f);
        QCOMPARE(caret, 0);
        QCOMPARE(prints.setups, 1);
        QCOMPARE(prints.orientations, QList<QPageLayout::Orientation>(2, QPageLayout::Portrait));
        // The PDF's text comes back with its own spacing between words.
        const QString printed = pdfText(pdf).simplified();
        QVERIFY2(printed.contains(QStringLiteral("Caveto LIBRO DE BODEGA * DATOS DEL VINO *"))
                && printed.contains(QStringLiteral("Nombre del Vino ... Mauro")),
            qPrintable(printed));
        QCOMPARE(dialogs.fontDialogs.size(), 1);
        QCOMPARE(dialogs.fontDialogs.first().family(), QStringLiteral("Courier New"));
        QCOMPARE(dialogs.fontDialogs.first().pointSize(), 9);
        const QStringList lines = notesLines(f.notesFile(name));
        QCOMPARE(lines.mid(10), QStringList({ " ", "", "Gran Reserva" }));
        QCOMPARE(lines.at(5), QStringLiteral("Nombre del Vino ... Mauro"));

        // Read back, the old lines keep their font, colour and centring.
        QTextDocument doc;
        QCOMPARE(caveto::readTextDocument(CavetoFixture::readFile(f.notesFile(name)), &doc), 13);
        const QTextBlock last = doc.lastBlock();
        QVERIFY(last.blockFormat().alignment() & Qt::AlignHCenter);
        const QTextCharFormat fmt = last.begin().fragment().charFormat();
        QCOMPARE(fmt.font().family() + u' ' + QString::number(qRound(fmt.font().pointSizeF())),
            QStringLiteral("Liberation Serif 14"));
        QVERIFY(fmt.font().bold());
        QCOMPARE(fmt.foreground().color(), QColor(Qt::darkRed));

        inNext<Editor>(f, [&](Editor *e) {
            QCOMPARE(e->EditorNotas->lines(), lines);
            QTest::mouseClick(e->BSalir, Qt::LeftButton); // nothing changed: no question
            QVERIFY(!e->isVisible());
        });
        openEditor(f);
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormEditorPas")), 3);
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        QCOMPARE(w->LOpcionAbierta->text(), QString());
    }

    // Leaving with changes asks; the answer decides. The prompt's close box
    // counts as "Cancelar", and so does Escape.
    void saveQuestion_data()
    {
        // How the editor is left ("BSalir", "closebox", "escape"), the button
        // of the prompt (or its "closebox") and the answer recorded.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("open");
        QTest::newRow("Si") << "BSalir BSi S" << false;
        QTest::newRow("No") << "BSalir BNo N" << false;
        QTest::newRow("Cancelar") << "BSalir BCancelar C" << true;
        QTest::newRow("prompt closed") << "BSalir closebox C" << true;
        QTest::newRow("editor's close box, Si") << "closebox BSi S" << false;
        QTest::newRow("Escape, Cancelar") << "escape BCancelar C" << true;
    }
    void saveQuestion()
    {
        QFETCH(QString, steps);
        const QString leave = steps.section(u' ', 0, 0), answer = steps.section(u' ', 1, 1),
                      respuesta = steps.section(u' ', 2, 2);
        CavetoFixture f;
        startWithOneWine(f);
        CavetoFixture::writeFile(f.notesFile(kNotes), caveto::rtf::writeLines({ "Antes" }));
        showRecord(f, f.window->BMenuModi);
        QString result;
        inNext<Editor>(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Después "));
            if (answer == QLatin1String("closebox"))
                f.script->onNext(
                    QStringLiteral("TFormAvisoEditor"), [](QDialog *d) { d->close(); });
            else
                f.script->clickNext(QStringLiteral("TFormAvisoEditor"), answer);
            if (leave == QLatin1String("BSalir"))
                QTest::mouseClick(e->BSalir, Qt::LeftButton);
            else if (leave == QLatin1String("closebox"))
                e->close();
            else
                QTest::keyClick(e->EditorNotas, Qt::Key_Escape);
            result = e->RespuestaEditor + (e->isVisible() ? " open" : " closed")
                + (e->isVisible() && e->focusWidget() == e->EditorNotas ? " in text" : "");
        });
        openEditor(f);
        QFETCH(bool, open);
        QCOMPARE(result, respuesta + (open ? " open in text" : " closed"));
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormAvisoEditor")), 1);
        QCOMPARE(notesLines(f.notesFile(kNotes)).value(0),
            respuesta == QLatin1String("S") ? QStringLiteral("Después Antes")
                                            : QStringLiteral("Antes"));
        QCOMPARE(f.script->unexpected, QStringList());
    }

    // Deleting or consulting shows the notes, an RTF file or plain text, and
    // lets them be printed, but changes nothing and never asks.
    void readOnlyModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("BAJA, RTF")
            << "BAJA" << caveto::rtf::writeLines({ "Notas de cata", "Añada excelente" });
        QTest::newRow("CONS, plain text") << "CONS"
                                          << QByteArray("Notas de cata\nA\xC3\xB1"
                                                        "ada excelente\n");
    }
    void readOnlyModes()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, file);
        CavetoFixture f;
        startWithOneWine(f);
        CavetoFixture::writeFile(f.notesFile(kNotes), file);
        showRecord(f, mode == QLatin1String("BAJA") ? f.window->BMenuBaja : f.window->BMenuCons);
        caveto::PrintScript prints;
        prints.printNextTo(f.dir.filePath(QStringLiteral("notas.pdf")));
        inNext<Editor>(f, [&](Editor *e) {
            QVERIFY(e->EditorNotas->isReadOnly());
            QVERIFY(!e->BSalvar->isEnabled() && !e->BCabecera->isEnabled()
                && !e->BRegistro->isEnabled());
            QVERIFY(!e->Editar1->menuAction()->isEnabled());
            QVERIFY(!e->Caracter1->menuAction()->isEnabled());
            typeInto(e->EditorNotas, QStringLiteral("xyz"));
            QTest::keyClick(e->EditorNotas, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(e->EditorNotas, Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(e->EditorNotas->lines(), QStringList({ "Notas de cata", "Añada excelente" }));
            QTest::mouseClick(e->BImprimir, Qt::LeftButton);
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
            QVERIFY(!e->isVisible());
        });
        openEditor(f);
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        QCOMPARE(prints.orientations, QList<QPageLayout::Orientation>({ QPageLayout::Portrait }));
        QCOMPARE(CavetoFixture::readFile(f.notesFile(kNotes)), file);
        QCOMPARE(f.window->focusWidget(), f.window->Csalida);
    }

    // The blocks go to the top, the newest first, with the values as they
    // stand: a taster accepted in the tasting window but not stored yet is
    // already there. Saved, the file holds them line for line.
    void insertedBlocks()
    {
        CavetoFixture f;
        startWithOneWine(f, kNotes, QStringLiteral("Ana"));
        showRecord(f, f.window->BMenuModi);
        f.script->onNext(QStringLiteral("TFormCataGen"), [](QDialog *d) {
            auto *gen = static_cast<TFormCataGen *>(d);
            gen->Catador->selectAll();
            typeText(gen->Catador, QStringLiteral("Luis"));
            QTest::mouseClick(gen->BOkDatos, Qt::LeftButton);
        });
        QTest::mouseClick(f.window->BDatos, Qt::LeftButton);
        QStringList shown;
        int caret = -1;
        inNext<Editor>(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Mis notas"));
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            shown = e->EditorNotas->lines();
            caret = e->EditorNotas->textCursor().position();
            QCOMPARE(e->focusWidget(), e->EditorNotas);
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        openEditor(f);
        QCOMPARE(caret, 0);
        QCOMPARE(shown.size(), 65 + 65 + 11 + 1);
        QCOMPARE(shown.at(0), QStringLiteral("Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *"));
        QCOMPARE(shown.at(65), shown.at(0));
        QCOMPARE(
            shown.at(130), QStringLiteral("Caveto   LIBRO DE BODEGA   *   DATOS DEL VINO   *"));
        QCOMPARE(shown.last(), QStringLiteral("Mis notas"));
        QCOMPARE(shown.at(24), QStringLiteral("Catador ........... Luis"));
        QVERIFY2(shown.at(3).startsWith(QStringLiteral("Fecha / Hora ...... ")
                     + f.window->StatusBar1->panelText(3) + QStringLiteral("  ")),
            qPrintable(shown.at(3)));
        QCOMPARE(notesLines(f.notesFile(kNotes)), shown);
    }

    // A save that fails reports the system's error and keeps the editor
    // open with the changes still unsaved, so leaving asks again; the old
    // file is kept.
    void failedSave_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a folder in the way") << "folder";
        QTest::newRow("a full disk") << "full";
        QTest::newRow("a read-only file") << "readonly";
    }
    void failedSave()
    {
        QFETCH(QString, obstacle);
        if (obstacle == QLatin1String("readonly") && geteuid() == 0)
            QSKIP("the superuser writes read-only files");
        CavetoFixture f;
        startWithOneWine(f);
        const QString path = f.notesFile(kNotes);
        if (obstacle == QLatin1String("readonly"))
            CavetoFixture::writeFile(f.notesFile(kNotes), caveto::rtf::writeLines({ "Antes" }));
        showRecord(f, f.window->BMenuModi);
        bool openAfterSave = false;
        inNext<Editor>(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Nuevas notas largas"));
            // The obstacle comes while the editor is open.
            if (obstacle == QLatin1String("folder"))
                QVERIFY(QDir().mkpath(path));
            else if (obstacle == QLatin1String("readonly"))
                QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
            {
                std::unique_ptr<FileSizeLimit> full;
                if (obstacle == QLatin1String("full"))
                    full = std::make_unique<FileSizeLimit>(16);
                QTest::mouseClick(e->BSalvar, Qt::LeftButton);
            }
            openAfterSave = e->isVisible();
            f.script->clickNext(QStringLiteral("TFormAvisoEditor"), QStringLiteral("BNo"));
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
        });
        openEditor(f);
        QVERIFY(openAfterSave);
        QVERIFY(f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        const auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(!shown[0].text.isEmpty());
        if (obstacle == QLatin1String("readonly"))
            QCOMPARE(notesLines(path), QStringList({ "Antes" }));
        else if (obstacle == QLatin1String("full"))
            QVERIFY(!QFile::exists(path));
    }

    // Notes named outside the data folder by a record file edited by hand,
    // or notes that cannot be read: the editor says so once, offers no
    // saving and touches no file; deleting the record leaves an outside file
    // alone.
    void unusableNotesFile_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("message");
        QTest::newRow("outside the data folder")
            << "../fuera"
            << "El nombre del fichero de notas de este vino no es válido, así que sus notas no se "
               "pueden abrir ni guardar.";
        QTest::newRow("a folder in its place")
            << kNotes << "No se pueden leer las notas del fichero " + kNotes + ".txt: ";
    }
    void unusableNotesFile()
    {
        QFETCH(QString, notes);
        QFETCH(QString, message);
        CavetoFixture f;
        startWithOneWine(f, notes);
        const QString outside = f.dir.filePath(QStringLiteral("fuera.txt"));
        CavetoFixture::writeFile(outside, "no tocar\n");
        QVERIFY(QDir().mkpath(f.notesFile(kNotes)));
        showRecord(f, f.window->BMenuModi);
        inNext<Editor>(f, [&](Editor *e) {
            QCOMPARE(e->EditorNotas->lines(), QStringList());
            QVERIFY(e->EditorNotas->isReadOnly() && !e->BSalvar->isEnabled());
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
            QVERIFY(!e->isVisible());
        });
        openEditor(f);
        const QStringList said = f.messageLines();
        QCOMPARE(said.size(), 1);
        QVERIFY2(
            said[0].startsWith(QStringLiteral("Caveto Error. | ") + message), qPrintable(said[0]));
        QVERIFY(QFileInfo(f.notesFile(kNotes)).isDir());
        if (notes == kNotes)
            return;
        QTest::mouseClick(f.window->BMenu, Qt::LeftButton);
        showRecord(f, f.window->BMenuBaja);
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(f.window->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines(), QStringList());
        QCOMPARE(CavetoFixture::readFile(outside), QByteArray("no tocar\n"));
    }

    // Outside "ALTA" the notes belong to a shown record.
    void refusedWithoutRecord()
    {
        CavetoFixture f;
        startWithOneWine(f);
        QTest::mouseClick(f.window->BMenuModi, Qt::LeftButton);
        f.window->Csalida->setCurrentIndex(-1);
        f.window->BEditorClick();
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormEditorPas")));
        QCOMPARE(f.messageLines(), QStringList({ "Caveto Error. | No hay datos seleccionados" }));
    }
};

QTEST_MAIN(TestNotesEditor)
#include "tst_noteseditor.moc"
