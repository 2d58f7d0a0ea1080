// The notes editor, driven from the main window as a user drives it: the
// notes name of a new wine, the save question, the read-only modes, the two
// inserted blocks, printing, the editing commands, and the notes files that
// must never be lost or reached outside the data folder.

#include "support/CavetoFixture.h"
#include "support/PdfText.h"

#include "cellar/StatusPanels.h"
#include "controls/Blinklbl.h"
#include "notes/EditorPas.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "platform/Rtf.h"
#include "platform/StdDialogs.h"
#include "tasting/CataGen.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>
#include <QToolButton>

#include <functional>
#include <unistd.h>

using caveto::Field;

namespace {

QString recordLine(const QString &name, const QString &notes, const QString &taster = QString())
{
    caveto::CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = QStringLiteral("2019");
    r[Field::DenoOrigen] = QStringLiteral("Rioja");
    r[Field::Vino] = QStringLiteral("Tinto");
    r[Field::TipoVino] = QStringLiteral("Reserva");
    r[Field::Catador] = taster;
    r[Field::EFichero] = notes;
    r.pad();
    return r.buildLine();
}

const QString kNotes = QStringLiteral("2512202691234560");

void writeNotes(const CavetoFixture &f, const QString &name, const QStringList &lines)
{
    QFile file(f.notesFile(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(caveto::rtf::writeLines(lines));
}

QStringList notesLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("<missing>") };
    return caveto::readTextLines(file.readAll());
}

// Opens the editor with "&Editar " and runs `body` in it. An editor the body
// leaves open is then closed without a question, as if the process ended.
void inEditor(CavetoFixture &f, std::function<void(TFormEditorPas *)> body)
{
    f.script->onNext(QStringLiteral("TFormEditorPas"), [body](QDialog *d) {
        auto *editor = static_cast<TFormEditorPas *>(d);
        body(editor);
        if (editor->isVisible())
            editor->done(QDialog::Rejected);
    });
    QTest::mouseClick(f.window->BEditor, Qt::LeftButton);
}

// A book of one wine shown in `mode` ("MODI", "CONS", "BAJA").
void showOnlyWine(CavetoFixture &f, QToolButton *modeButton)
{
    QTest::mouseClick(modeButton, Qt::LeftButton);
    // Picked as the user does: the list shows a record when it gets the focus.
    f.window->Csalida->setCurrentIndex(0);
    moveFocus(f.window->BMenu);
    moveFocus(f.window->Csalida);
    QVERIFY(f.window->recordSelected());
    QVERIFY(f.window->BEditor->isEnabled());
}

} // namespace

class TestNotesEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void windowAndMenus()
    {
        CavetoFixture f;
        f.start();
        QTest::mouseClick(f.window->BMenuAlta, Qt::LeftButton);
        typeInto(f.window->NombreVino, QStringLiteral("Pago de Carraovejas"));
        inEditor(f, [&](TFormEditorPas *e) {
            QCOMPARE(e->windowTitle(), QStringLiteral(" Caveto  Editor."));
            QCOMPARE(e->findChild<QWidget *>(QStringLiteral("client"))->size(), QSize(733, 354));
            QCOMPARE(e->LOpcion->text(), QStringLiteral("Alta"));
            QCOMPARE(e->PNombreVino->text(), QStringLiteral("Pago de Carraovejas"));
            QCOMPARE(f.window->LOpcionAbierta->text(),
                QStringLiteral("Opción Cata de Vinos Editar Notas"));
            // A fixed-pitch face 12 pixels high, so the labels line up.
            const QFontInfo base(e->EditorNotas->font());
            QVERIFY(base.fixedPitch());
            QVERIFY2(
                qAbs(base.pixelSize() - 12) <= 1, qPrintable(QString::number(base.pixelSize())));
            QCOMPARE(e->EditorNotas->lineWrapMode(), QTextEdit::WidgetWidth);
            QCOMPARE(e->EditorNotas->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(e->EditorNotas->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

            QStringList menus;
            for (QAction *top : e->MainMenu1->actions()) {
                menus << top->text();
                for (QAction *a : top->menu()->actions())
                    menus << (a->isSeparator() ? QStringLiteral("-")
                                               : a->text() + u'|' + a->shortcut().toString());
            }
            QCOMPARE(menus,
                QStringList({ "Fichero", "Imprimir|", "-", "Impresora Setup|", "Editar",
                    "Cortar|Ctrl+X", "Copiar|Ctrl+C", "Pegar|Ctrl+V", "Borrar|Ctrl+D", "-",
                    "Seleccionar Todo|Ctrl+A", "Carácter", "Izquierda|", "Derecha|", "Centro|", "-",
                    "Fuente|" }));
            QStringList captions;
            for (QPushButton *b :
                { e->BCabecera, e->BRegistro, e->BImprimir, e->BSalvar, e->BSalir })
                captions << b->text();
            QCOMPARE(captions,
                QStringList({ "Incluir &Cabecera", "Incluir &Registro", "&Imprimir",
                    "&Guardar Notas", "&Salir Editor" }));
            caveto::PrintScript prints;
            e->ImpresoraSetup1->trigger();
            QCOMPARE(prints.setups, 1);
        });
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormEditorPas")), 1);
        QCOMPARE(f.window->LOpcionAbierta->text(), QString());
        QCOMPARE(f.script->unexpected, QStringList());
    }

    // A new wine gets its notes name once: opening the notes again finds the
    // same file, and "&Guardar Notas" writes it whole, an empty one too.
    void newWineKeepsItsNotesName()
    {
        CavetoFixture f;
        f.start();
        caveto::PrintScript prints;
        QTest::mouseClick(f.window->BMenuAlta, Qt::LeftButton);
        inEditor(f, [&](TFormEditorPas *e) { QTest::mouseClick(e->BSalvar, Qt::LeftButton); });
        const QString name = f.window->Valor_Editor->text();
        QCOMPARE(name.size(), 16);
        QFile written(f.notesFile(name));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(caveto::rtf::isRtf(written.readAll()));
        QCOMPARE(notesLines(f.notesFile(name)), QStringList());

        inEditor(f, [&](TFormEditorPas *e) {
            QCOMPARE(e->EFichero->text(), name);
            QCOMPARE(e->NotesFileSpec, name + QStringLiteral(".txt"));
            typeText(e->EditorNotas, QStringLiteral("Nariz de cereza"));
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
            QVERIFY(!e->isVisible());
        });
        QCOMPARE(f.window->Valor_Editor->text(), name);
        QCOMPARE(notesLines(f.notesFile(name)), QStringList({ "Nariz de cereza" }));
        // The focus goes back to the wine's name while adding.
        QCOMPARE(f.window->focusWidget(), f.window->NombreVino);

        inEditor(f, [&](TFormEditorPas *e) {
            QCOMPARE(e->EditorNotas->lines(), QStringList({ "Nariz de cereza" }));
            QVERIFY(!e->EditorNotas->isModified());
            QTest::mouseClick(e->BSalir, Qt::LeftButton); // nothing changed: no question
            QVERIFY(!e->isVisible());
        });
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
    }

    // Leaving with changes asks; the answer decides. The prompt's close box
    // counts as "Cancelar", and so does Escape.
    void saveQuestion_data()
    {
        QTest::addColumn<QString>("leave"); // "BSalir", "closebox", "escape"
        QTest::addColumn<QString>("answer"); // a button of the prompt, or "closebox"
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("open");
        QTest::newRow("Si") << "BSalir"
                            << "BSi"
                            << "S" << true << false;
        QTest::newRow("No") << "BSalir"
                            << "BNo"
                            << "N" << false << false;
        QTest::newRow("Cancelar") << "BSalir"
                                  << "BCancelar"
                                  << "C" << false << true;
        QTest::newRow("prompt closed") << "BSalir"
                                       << "closebox"
                                       << "C" << false << true;
        QTest::newRow("editor's close box, Si") << "closebox"
                                                << "BSi"
                                                << "S" << true << false;
        QTest::newRow("Escape, Cancelar") << "escape"
                                          << "BCancelar"
                                          << "C" << false << true;
    }
    void saveQuestion()
    {
        QFETCH(QString, leave);
        QFETCH(QString, answer);
        CavetoFixture f;
        f.writeDataFile({ recordLine(QStringLiteral("Viña Pedrosa"), kNotes) });
        f.start();
        writeNotes(f, kNotes, { QStringLiteral("Antes") });
        showOnlyWine(f, f.window->BMenuModi);

        QString respuesta;
        bool open = false;
        bool focusInText = false;
        inEditor(f, [&](TFormEditorPas *e) {
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
            respuesta = e->RespuestaEditor;
            open = e->isVisible();
            focusInText = e->focusWidget() == e->EditorNotas;
        });
        QCOMPARE(f.script->opened.count(QStringLiteral("TFormAvisoEditor")), 1);
        QTEST(respuesta, "respuesta");
        QTEST(open, "open");
        if (open)
            QVERIFY(focusInText);
        QFETCH(bool, written);
        QCOMPARE(notesLines(f.notesFile(kNotes)),
            QStringList({ written ? QStringLiteral("Después Antes") : QStringLiteral("Antes") }));
        QCOMPARE(f.script->unexpected, QStringList());
    }

    // Deleting or consulting shows the notes and lets them be printed, but
    // changes nothing and never asks.
    void readOnlyModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("BAJA") << "BAJA";
        QTest::newRow("CONS") << "CONS";
    }
    void readOnlyModes()
    {
        QFETCH(QString, mode);
        CavetoFixture f;
        f.writeDataFile({ recordLine(QStringLiteral("Viña Pedrosa"), kNotes) });
        f.start();
        writeNotes(f, kNotes, { QStringLiteral("Notas guardadas"), QStringLiteral("de la cata") });
        const QByteArray before = [&] {
            QFile file(f.notesFile(kNotes));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        showOnlyWine(f, mode == QLatin1String("BAJA") ? f.window->BMenuBaja : f.window->BMenuCons);
        caveto::PrintScript prints;
        const QString pdf = f.dir.filePath(QStringLiteral("notas.pdf"));
        prints.printNextTo(pdf);
        inEditor(f, [&](TFormEditorPas *e) {
            QCOMPARE(e->EditorNotas->lines(), QStringList({ "Notas guardadas", "de la cata" }));
            QVERIFY(e->EditorNotas->isReadOnly());
            for (QPushButton *b : { e->BSalvar, e->BCabecera, e->BRegistro })
                QVERIFY(!b->isEnabled());
            QVERIFY(e->BImprimir->isEnabled());
            QVERIFY(e->BSalir->isEnabled());
            QVERIFY(!e->Editar1->menuAction()->isEnabled());
            QVERIFY(!e->Caracter1->menuAction()->isEnabled());
            QVERIFY(e->Fichero1->menuAction()->isEnabled());
            typeInto(e->EditorNotas, QStringLiteral("xyz"));
            QTest::keyClick(e->EditorNotas, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(e->EditorNotas, Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(e->EditorNotas->lineCount(), 2);
            QTest::mouseClick(e->BImprimir, Qt::LeftButton);
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
            QVERIFY(!e->isVisible());
        });
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        QCOMPARE(prints.orientations, QList<QPageLayout::Orientation>({ QPageLayout::Portrait }));
        const QString printed = pdfText(pdf);
        QVERIFY2(printed.contains(QStringLiteral("Notas guardadas")), qPrintable(printed));
        QFile file(f.notesFile(kNotes));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(f.window->focusWidget(), f.window->Csalida);
    }

    // The blocks go to the top, the newest first, with the values as they
    // stand: a taster accepted in the tasting window but not stored yet is
    // already there. The document is saved and read back line for line.
    void insertedBlocks()
    {
        CavetoFixture f;
        f.writeDataFile(
            { recordLine(QStringLiteral("Viña Pedrosa"), kNotes, QStringLiteral("Ana")) });
        f.start();
        showOnlyWine(f, f.window->BMenuModi);
        f.script->onNext(QStringLiteral("TFormCataGen"), [](QDialog *d) {
            auto *gen = static_cast<TFormCataGen *>(d);
            gen->Catador->selectAll();
            typeText(gen->Catador, QStringLiteral("Luis"));
            QTest::mouseClick(gen->BOkDatos, Qt::LeftButton);
        });
        QTest::mouseClick(f.window->BDatos, Qt::LeftButton);
        QCOMPARE(f.window->Catador.text(), QStringLiteral("Luis"));

        QStringList shown;
        int caret = -1;
        inEditor(f, [&](TFormEditorPas *e) {
            typeInto(e->EditorNotas, QStringLiteral("Mis notas"));
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            shown = e->EditorNotas->lines();
            caret = e->EditorNotas->textCursor().position();
            QVERIFY(e->EditorNotas->isModified());
            QCOMPARE(e->focusWidget(), e->EditorNotas);
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        QCOMPARE(caret, 0);
        QCOMPARE(shown.size(), 65 + 65 + 11 + 1);
        QCOMPARE(shown.at(0), QStringLiteral("Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *"));
        QCOMPARE(shown.at(65), shown.at(0));
        QCOMPARE(
            shown.at(130), QStringLiteral("Caveto   LIBRO DE BODEGA   *   DATOS DEL VINO   *"));
        QCOMPARE(shown.last(), QStringLiteral("Mis notas"));
        QCOMPARE(shown.at(5), QStringLiteral("Nombre del Vino ... Viña Pedrosa"));
        QCOMPARE(shown.at(24), QStringLiteral("Catador ........... Luis"));
        QVERIFY2(shown.at(3).startsWith(QStringLiteral("Fecha / Hora ...... ")
                     + f.window->StatusBar1->panelText(3) + QStringLiteral("  ")),
            qPrintable(shown.at(3)));
        QCOMPARE(notesLines(f.notesFile(kNotes)), shown);
    }

    // Printing goes through the print dialog in portrait; the header lines
    // come out on paper, and a cancelled dialog prints nothing.
    void printing()
    {
        CavetoFixture f;
        f.start();
        QTest::mouseClick(f.window->BMenuAlta, Qt::LeftButton);
        typeInto(f.window->NombreVino, QStringLiteral("Mauro"));
        caveto::PrintScript prints;
        const QString pdf = f.dir.filePath(QStringLiteral("cabecera.pdf"));
        prints.cancelNext();
        prints.printNextTo(pdf);
        inEditor(f, [&](TFormEditorPas *e) {
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            QTest::mouseClick(e->BImprimir, Qt::LeftButton);
            QVERIFY(!QFile::exists(pdf));
            e->Imprimir1->trigger();
        });
        QCOMPARE(prints.dialogs, 2);
        const QString printed = pdfText(pdf);
        // The PDF's text comes back with its own spacing between words.
        const QString words = printed.simplified();
        QVERIFY2(words.contains(QStringLiteral("Caveto LIBRO DE BODEGA * DATOS DEL VINO *")),
            qPrintable(printed));
        QVERIFY(words.contains(QStringLiteral("Nombre del Vino ... Mauro")));
        QVERIFY(words.contains(QStringLiteral("Cosecha ...........")));
    }

    // Tab types a tab; the menu's keys act on the text; the font dialog
    // starts from the base font and its choice reaches the file.
    void editingCommands()
    {
        CavetoFixture f;
        f.start();
        QTest::mouseClick(f.window->BMenuAlta, Qt::LeftButton);
        caveto::StdDialogScript dialogs;
        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSize(14);
        chosen.setBold(true);
        dialogs.chooseFontNext(chosen, Qt::darkRed);
        inEditor(f, [&](TFormEditorPas *e) {
            TRichEdit *text = e->EditorNotas;
            typeInto(text, QStringLiteral("uno"));
            QTest::keyClick(text, Qt::Key_Tab);
            typeText(text, QStringLiteral("dos"));
            QCOMPARE(e->focusWidget(), text);
            QCOMPARE(text->lines(), QStringList({ "uno\tdos" }));

            QTest::keyClick(text, Qt::Key_Return);
            typeText(text, QStringLiteral("Gran Reserva"));
            QTest::keyClick(text, Qt::Key_Home, Qt::ShiftModifier);
            e->Fuente1->trigger();
            e->Centro1->trigger();
            QCOMPARE(e->focusWidget(), text);

            // Select "uno" and cut it with the menu's key.
            QTextCursor c(text->document());
            c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 3);
            text->setTextCursor(c);
            QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(text->lines(), QStringList({ "\tdos", "Gran Reserva" }));
            QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(text->lines(), QStringList({ "uno\tdos", "Gran Reserva" }));
            // Ctrl+D deletes the selection, and nothing without one.
            QTest::keyClick(text, Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(text->lines(), QStringList({ "uno\tdos", "Gran Reserva" }));
            c.movePosition(QTextCursor::Start);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            text->setTextCursor(c);
            e->Borrar1->trigger();
            QCOMPARE(text->lines(), QStringList({ "", "Gran Reserva" }));
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        QCOMPARE(dialogs.fontDialogs.size(), 1);
        QCOMPARE(dialogs.fontDialogs.first().family(), QStringLiteral("Courier New"));
        QCOMPARE(dialogs.fontDialogs.first().pointSize(), 9);

        // Read back: the second paragraph keeps its font, colour and centring.
        QTextDocument doc;
        QFile file(f.notesFile(f.window->Valor_Editor->text()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(caveto::readTextDocument(file.readAll(), &doc), 2);
        const QTextBlock second = doc.firstBlock().next();
        QCOMPARE(second.text(), QStringLiteral("Gran Reserva"));
        QVERIFY(second.blockFormat().alignment() & Qt::AlignHCenter);
        const QTextCharFormat fmt = second.begin().fragment().charFormat();
        QCOMPARE(fmt.font().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(fmt.font().bold());
        QCOMPARE(qRound(fmt.font().pointSizeF()), 14);
        QCOMPARE(fmt.foreground().color(), QColor(Qt::darkRed));
    }

    // A notes file that is not RTF is read as plain text.
    void plainTextNotes()
    {
        CavetoFixture f;
        f.writeDataFile({ recordLine(QStringLiteral("Pingus"), kNotes) });
        f.start();
        QFile file(f.notesFile(kNotes));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Primera l\xC3\xADnea\nSegunda\n");
        file.close();
        showOnlyWine(f, f.window->BMenuCons);
        QStringList shown;
        inEditor(f, [&](TFormEditorPas *e) { shown = e->EditorNotas->lines(); });
        QCOMPARE(
            shown, QStringList({ QStringLiteral("Primera línea"), QStringLiteral("Segunda") }));
    }

    // A save that fails reports the system's error and keeps the editor
    // open with the changes still unsaved, so leaving asks again.
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
        f.writeDataFile({ recordLine(QStringLiteral("Pingus"), kNotes) });
        f.start();
        const QString path = f.notesFile(kNotes);
        if (obstacle == QLatin1String("readonly"))
            writeNotes(f, kNotes, { QStringLiteral("Antes") });
        showOnlyWine(f, f.window->BMenuModi);
        bool openAfterSave = false;
        bool askedOnLeaving = false;
        inEditor(f, [&](TFormEditorPas *e) {
            typeInto(e->EditorNotas, QStringLiteral("Nuevas notas largas"));
            // The obstacle comes while the editor is open.
            if (obstacle == QLatin1String("folder"))
                QVERIFY(QDir().mkpath(path));
            else if (obstacle == QLatin1String("readonly"))
                QVERIFY(
                    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser));
            {
                std::unique_ptr<FileSizeLimit> full;
                if (obstacle == QLatin1String("full"))
                    full = std::make_unique<FileSizeLimit>(16);
                QTest::mouseClick(e->BSalvar, Qt::LeftButton);
            }
            openAfterSave = e->isVisible();
            f.script->clickNext(QStringLiteral("TFormAvisoEditor"), QStringLiteral("BNo"));
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
            askedOnLeaving = f.script->opened.contains(QStringLiteral("TFormAvisoEditor"));
        });
        QVERIFY(openAfterSave);
        QVERIFY(askedOnLeaving);
        const auto shown = f.messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(!shown[0].text.isEmpty());
        if (obstacle == QLatin1String("readonly"))
            QCOMPARE(notesLines(path), QStringList({ "Antes" }));
        else if (obstacle == QLatin1String("full"))
            QVERIFY(!QFile::exists(path));
    }

    // A record file edited by hand names notes outside the data folder: the
    // editor says so once and touches no file, and deleting the record
    // leaves the outside file alone.
    void notesNameLeavingTheDataFolder()
    {
        CavetoFixture f;
        f.writeDataFile({ recordLine(QStringLiteral("Pingus"), QStringLiteral("../fuera")) });
        f.start();
        const QString outside = f.dir.filePath(QStringLiteral("fuera.txt"));
        {
            QFile file(outside);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no tocar\n");
        }
        showOnlyWine(f, f.window->BMenuModi);
        QStringList shown;
        inEditor(f, [&](TFormEditorPas *e) {
            shown = e->EditorNotas->lines();
            QVERIFY(e->EditorNotas->isReadOnly());
            QVERIFY(!e->BSalvar->isEnabled());
            QCOMPARE(e->NotesFile, QString());
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
            QVERIFY(!e->isVisible());
        });
        QCOMPARE(shown, QStringList());
        const auto said = f.messages();
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].title, QStringLiteral("Caveto Error."));
        QCOMPARE(said[0].text,
            QStringLiteral("El nombre del fichero de notas de este vino no es válido, así que sus "
                           "notas no se pueden abrir ni guardar."));

        QTest::mouseClick(f.window->BMenu, Qt::LeftButton);
        showOnlyWine(f, f.window->BMenuBaja);
        f.script->clickNext(QStringLiteral("TFormBaja"), QStringLiteral("BBajaSi"));
        QTest::mouseClick(f.window->BBaja, Qt::LeftButton);
        QCOMPARE(f.fileLines(), QStringList());
        QFile file(outside);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("no tocar\n"));
    }

    // Notes that cannot be read are shown as unreadable, never replaced by
    // an empty document.
    void unreadableNotesFile()
    {
        CavetoFixture f;
        f.writeDataFile({ recordLine(QStringLiteral("Pingus"), kNotes) });
        f.start();
        QVERIFY(QDir().mkpath(f.notesFile(kNotes))); // a folder where the file should be
        showOnlyWine(f, f.window->BMenuModi);
        bool saveOffered = true;
        inEditor(f, [&](TFormEditorPas *e) {
            saveOffered = e->BSalvar->isEnabled() || !e->EditorNotas->isReadOnly();
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
        });
        QVERIFY(!saveOffered);
        const auto said = f.messages();
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].text.startsWith(QStringLiteral("No se pueden leer las notas del fichero ")
                     + kNotes + QStringLiteral(".txt: ")),
            qPrintable(said[0].text));
        QVERIFY(QFileInfo(f.notesFile(kNotes)).isDir());
    }

    // Outside "ALTA" the notes belong to a shown record.
    void refusedWithoutRecord()
    {
        CavetoFixture f;
        f.writeDataFile({ recordLine(QStringLiteral("Pingus"), kNotes) });
        f.start();
        QTest::mouseClick(f.window->BMenuModi, Qt::LeftButton);
        f.window->Csalida->setCurrentIndex(-1);
        f.window->BEditorClick();
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormEditorPas")));
        const auto said = f.messages();
        QCOMPARE(said.size(), 1);
        QCOMPARE(said[0].text, QStringLiteral("No hay datos seleccionados"));
    }
};

QTEST_MAIN(TestNotesEditor)
#include "tst_noteseditor.moc"
