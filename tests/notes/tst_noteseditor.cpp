// The notes editor, driven from the main window as a user drives it: a new
// wine's notes, the save question, the read-only cases, the inserted blocks,
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

// Viña Pedrosa as the only wine, its notes named `name` and kNotes holding
// `notes` (no file when null), shown in the mode of `mode` when given.
void openWine(CavetoFixture &f, QToolButton *TFormCavetoPas::*mode, const QByteArray &notes = {},
    const QString &name = kNotes, const QString &taster = {})
{
    f.writeDataFile(
        { CavetoFixture::wineLine(QStringLiteral("Viña Pedrosa"), QStringLiteral("2019"),
            QStringLiteral("Rioja"), { { Field::EFichero, name }, { Field::Catador, taster } }) });
    if (!notes.isNull())
        CavetoFixture::writeFile(f.notesFile(kNotes), notes);
    f.start();
    if (mode)
        showRecord(f, f.window.get()->*mode);
}

QStringList notesLines(const CavetoFixture &f, const QString &name = kNotes)
{
    return caveto::readTextLines(CavetoFixture::readFile(f.notesFile(name)));
}

// Runs `body` in the editor opened with "&Editar Notas".
void inEditor(CavetoFixture &f, std::function<void(Editor *)> body)
{
    inNext<Editor>(f, std::move(body));
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
        inEditor(f, [&](Editor *e) {
            QCOMPARE(w->LOpcionAbierta->text() + u'|' + e->LOpcion->text() + u'|'
                    + e->PNombreVino->text(),
                QStringLiteral("Opción Cata de Vinos Editar Notas|Alta|Mauro"));
            QVERIFY(QFontInfo(e->EditorNotas->font()).fixedPitch());
            e->ImpresoraSetup1->trigger();
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        const QString name = w->Valor_Editor->text();
        QCOMPARE(name.size(), 16);
        QVERIFY(caveto::rtf::isRtf(CavetoFixture::readFile(f.notesFile(name))));
        QCOMPARE(notesLines(f, name), QStringList());
        QCOMPARE(w->focusWidget(), w->NombreVino);

        int caret = -1;
        inEditor(f, [&](Editor *e) {
            TRichEdit *text = e->EditorNotas;
            typeInto(text, QStringLiteral("uno"));
            QTest::keyClick(text, Qt::Key_Tab);
            typeText(text, QStringLiteral("dos"));
            QTest::keyClick(text, Qt::Key_Return);
            typeText(text, QStringLiteral("Gran Reserva"));
            QTest::keyClick(text, Qt::Key_Home, Qt::ShiftModifier);
            e->Fuente1->trigger();
            e->Centro1->trigger();
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
        QCOMPARE(caret, 0);
        QCOMPARE(prints.setups, 1);
        QCOMPARE(prints.orientations, QList<QPageLayout::Orientation>(2, QPageLayout::Portrait));
        const QString printed = pdfText(pdf).simplified();
        QVERIFY2(printed.contains(QStringLiteral("Caveto LIBRO DE BODEGA * DATOS DEL VINO *"))
                && printed.contains(QStringLiteral("Nombre del Vino ... Mauro")),
            qPrintable(printed));
        const QFont start = dialogs.fontDialogs.value(0);
        QCOMPARE(start.family() + u' ' + QString::number(start.pointSize()),
            QStringLiteral("Courier New 9"));
        const QStringList lines = notesLines(f, name);
        QCOMPARE(lines.at(5), QStringLiteral("Nombre del Vino ... Mauro"));
        QCOMPARE(lines.mid(10), QStringList({ " ", "", "Gran Reserva" }));
        // Read back, the old line keeps its font, colour and centring.
        QTextDocument doc;
        caveto::readTextDocument(CavetoFixture::readFile(f.notesFile(name)), &doc);
        const QTextBlock last = doc.lastBlock();
        const QTextCharFormat fmt = last.begin().fragment().charFormat();
        QCOMPARE(
            QStringList({ fmt.font().family(), QString::number(fmt.font().pointSizeF()),
                            fmt.font().bold() ? "bold" : "", fmt.foreground().color().name(),
                            last.blockFormat().alignment() & Qt::AlignHCenter ? "centred" : "" })
                .join(u' '),
            QStringLiteral("Liberation Serif 14 bold #800000 centred"));

        inEditor(f, [&](Editor *e) {
            QCOMPARE(e->EditorNotas->lines(), lines);
            QTest::mouseClick(e->BSalir, Qt::LeftButton); // nothing changed: no question
            QVERIFY(!e->isVisible());
        });
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormEditorPas")), 3);
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        QCOMPARE(w->LOpcionAbierta->text(), QString());
    }

    // Leaving with changes asks; the answer decides. The prompt's close box
    // counts as "Cancelar", and so does Escape.
    void saveQuestion_data()
    {
        // How the editor is left, the prompt's button (or its close box)
        // and the answer recorded.
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
        QFETCH(bool, open);
        const QStringList step = steps.split(u' ');
        CavetoFixture f;
        openWine(f, &TFormCavetoPas::BMenuModi, caveto::rtf::writeLines({ "Antes" }));
        QString result;
        inEditor(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Después "));
            if (step[1] == QLatin1String("closebox"))
                f.script->onNext(
                    QStringLiteral("TFormAvisoEditor"), [](QDialog *d) { d->close(); });
            else
                f.script->clickNext(QStringLiteral("TFormAvisoEditor"), step[1]);
            if (step[0] == QLatin1String("BSalir"))
                QTest::mouseClick(e->BSalir, Qt::LeftButton);
            else if (step[0] == QLatin1String("closebox"))
                e->close();
            else
                QTest::keyClick(e->EditorNotas, Qt::Key_Escape);
            result = e->RespuestaEditor + (e->isVisible() ? " open" : " closed")
                + (e->isVisible() && e->focusWidget() == e->EditorNotas ? " in text" : "");
        });
        QCOMPARE(result, step[2] + (open ? " open in text" : " closed"));
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormAvisoEditor")), 1);
        QCOMPARE(notesLines(f).value(0),
            QString::fromUtf8(step[2] == QLatin1String("S") ? "Después Antes" : "Antes"));
        QCOMPARE(f.script->unexpected, QStringList());
    }

    // Deleting or consulting shows the notes, an RTF file or plain text, and
    // lets them be printed. Notes named outside the data folder by a record
    // file edited by hand, or that cannot be read, are reported once. None
    // of them can be changed or saved, leaving never asks and no file is
    // touched; deleting the record leaves an outside file alone.
    void readOnly_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file"); // empty: a folder in its place
        QTest::addColumn<QString>("message");
        const QByteArray rtf = caveto::rtf::writeLines({ "Notas de cata", "Añada excelente" });
        QTest::newRow("BAJA, RTF") << "BAJA" << kNotes << rtf << "";
        QTest::newRow("CONS, plain text") << "CONS" << kNotes
                                          << QByteArray("Notas de cata\nA\xC3\xB1"
                                                        "ada excelente\n")
                                          << "";
        QTest::newRow("outside the data folder")
            << "MODI"
            << "../fuera" << rtf
            << "El nombre del fichero de notas de este vino no es válido, así que sus notas no se "
               "pueden abrir ni guardar.";
        QTest::newRow("a folder in its place")
            << "MODI" << kNotes << QByteArray()
            << "No se pueden leer las notas del fichero " + kNotes + ".txt: ";
    }
    void readOnly()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        CavetoFixture f;
        const QString outside = f.dir.filePath(QStringLiteral("fuera.txt"));
        CavetoFixture::writeFile(outside, "no tocar\n");
        if (file.isEmpty())
            QVERIFY(QDir().mkpath(f.notesFile(kNotes)));
        openWine(f,
            mode == "BAJA"       ? &TFormCavetoPas::BMenuBaja
                : mode == "CONS" ? &TFormCavetoPas::BMenuCons
                                 : &TFormCavetoPas::BMenuModi,
            file.isEmpty() ? QByteArray() : file, name);
        caveto::PrintScript prints;
        prints.printNextTo(f.dir.filePath(QStringLiteral("notas.pdf")));
        inEditor(f, [&](Editor *e) {
            QVERIFY(e->EditorNotas->isReadOnly() && !e->BSalvar->isEnabled());
            QVERIFY(!e->BCabecera->isEnabled() && !e->BRegistro->isEnabled());
            QVERIFY(
                !e->Editar1->menuAction()->isEnabled() && !e->Caracter1->menuAction()->isEnabled());
            const QStringList shown = e->EditorNotas->lines();
            QCOMPARE(shown,
                message.isEmpty() ? QStringList({ "Notas de cata", "Añada excelente" })
                                  : QStringList());
            typeInto(e->EditorNotas, QStringLiteral("xyz"));
            QTest::keyClick(e->EditorNotas, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(e->EditorNotas, Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(e->EditorNotas->lines(), shown);
            QTest::mouseClick(e->BImprimir, Qt::LeftButton);
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
            QVERIFY(!e->isVisible());
        });
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        QCOMPARE(prints.orientations.size(), 1);
        QCOMPARE(f.window->focusWidget(),
            mode == "MODI" ? static_cast<QWidget *>(f.window->NombreVino) : f.window->Csalida);
        const QStringList said = f.messageLines();
        QCOMPARE(said.size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(message.isEmpty() || said[0].startsWith("Caveto Error. | " + message),
            qPrintable(said.value(0)));
        if (file.isEmpty())
            QVERIFY(QFileInfo(f.notesFile(kNotes)).isDir());
        else
            QCOMPARE(CavetoFixture::readFile(f.notesFile(kNotes)), file);
        if (name == kNotes)
            return;
        QTest::mouseClick(f.window->BMenu, Qt::LeftButton);
        showRecord(f, f.window->BMenuBaja);
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(f.window->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines(), QStringList());
        QCOMPARE(CavetoFixture::readFile(outside), QByteArray("no tocar\n"));
    }

    // The blocks go to the top, the newest first, with the values as they
    // stand: a taster accepted in the tasting window but not stored yet is
    // already there. Saved, the file holds them line for line.
    void insertedBlocks()
    {
        CavetoFixture f;
        openWine(f, &TFormCavetoPas::BMenuModi, {}, kNotes, QStringLiteral("Ana"));
        f.script->onNext(QStringLiteral("TFormCataGen"), [](QDialog *d) {
            auto *gen = static_cast<TFormCataGen *>(d);
            gen->Catador->selectAll();
            typeText(gen->Catador, QStringLiteral("Luis"));
            QTest::mouseClick(gen->BOkDatos, Qt::LeftButton);
        });
        QTest::mouseClick(f.window->BDatos, Qt::LeftButton);
        QStringList shown;
        int caret = -1;
        inEditor(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Mis notas"));
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            shown = e->EditorNotas->lines();
            caret = e->EditorNotas->textCursor().position();
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        QCOMPARE(caret, 0);
        QCOMPARE(shown.size(), 65 + 65 + 11 + 1);
        QCOMPARE(shown.at(0), QStringLiteral("Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *"));
        QCOMPARE(shown.at(65), shown.at(0));
        QCOMPARE(shown.at(130).count(u'*'), 2);
        QCOMPARE(shown.last(), QStringLiteral("Mis notas"));
        QCOMPARE(shown.at(24), QStringLiteral("Catador ........... Luis"));
        QVERIFY2(shown.at(3).startsWith(QStringLiteral("Fecha / Hora ...... ")
                     + f.window->StatusBar1->panelText(3) + QStringLiteral("  ")),
            qPrintable(shown.at(3)));
        QCOMPARE(notesLines(f), shown);
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
        const bool old = obstacle == QLatin1String("readonly");
        openWine(f, &TFormCavetoPas::BMenuModi,
            old ? caveto::rtf::writeLines({ "Antes" }) : QByteArray());
        const QString path = f.notesFile(kNotes);
        bool openAfterSave = false;
        inEditor(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Nuevas notas largas"));
            // The obstacle comes while the editor is open.
            if (obstacle == QLatin1String("folder"))
                QVERIFY(QDir().mkpath(path));
            else if (old)
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
        QVERIFY(openAfterSave);
        QVERIFY(f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        const auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(!shown[0].text.isEmpty());
        if (old)
            QCOMPARE(notesLines(f), QStringList({ "Antes" }));
        else if (obstacle == QLatin1String("full"))
            QVERIFY(!QFile::exists(path));
    }

    // Outside "ALTA" the notes belong to a shown record.
    void refusedWithoutRecord()
    {
        CavetoFixture f;
        openWine(f, nullptr);
        QTest::mouseClick(f.window->BMenuModi, Qt::LeftButton);
        f.window->Csalida->setCurrentIndex(-1);
        f.window->BEditorClick();
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormEditorPas")));
        QCOMPARE(f.messageLines(), QStringList({ "Caveto Error. | No hay datos seleccionados" }));
    }
};

QTEST_MAIN(TestNotesEditor)
#include "tst_noteseditor.moc"
