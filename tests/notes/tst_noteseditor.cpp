// The notes editor, driven from the main window as a user drives it.

#include "support/InWindow.h"
#include "support/Unprivileged.h"

#include "notes/EditorPas.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "platform/Rtf.h"
#include "platform/StdDialogs.h"

#include <QMenu>
#include <QTextBlock>

using caveto::Field;
using Editor = TFormEditorPas;

namespace {

const QString kNotes = QStringLiteral("2512202691234560");

// Viña Pedrosa as the only wine, its notes named `name` and kNotes holding
// `notes` (no file when null), shown in the mode of `mode`.
void openWine(CavetoFixture &f, QToolButton *TFormCavetoPas::*mode, const QByteArray &notes = {},
    const QString &name = kNotes)
{
    f.writeDataFile({ CavetoFixture::wineLine(QStringLiteral("Viña Pedrosa"),
        QStringLiteral("2019"), QStringLiteral("Rioja"), { { Field::EFichero, name } }) });
    if (!notes.isNull())
        CavetoFixture::writeFile(f.notesFile(kNotes), notes);
    f.start();
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

    // A new wine's notes: Tab types a tab, Ctrl+D deletes the selection,
    // the font dialog starts from the base font and its choice reaches the
    // file, the blocks go to the top with the values typed so far. Opened
    // again, the same file comes back and leaving unchanged asks nothing.
    void addingAWine()
    {
        CavetoFixture f;
        f.start();
        TFormCavetoPas *w = f.window.get();
        caveto::PrintScript prints;
        prints.printNextTo(f.dir.filePath(QStringLiteral("notas.pdf")));
        caveto::StdDialogScript dialogs;
        dialogs.chooseFontNext(QFont(QStringLiteral("Liberation Serif"), 14), Qt::darkRed);
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
        typeInto(w->NombreVino, QStringLiteral("Mauro"));
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
            QTest::keyClick(text, Qt::Key_D, Qt::ControlModifier);
            QTest::mouseClick(e->BRegistro, Qt::LeftButton);
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            caret = text->textCursor().position();
            QTest::mouseClick(e->BImprimir, Qt::LeftButton);
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
        });
        QCOMPARE(caret, 0);
        QCOMPARE(prints.orientations, QList<QPageLayout::Orientation>({ QPageLayout::Portrait }));
        const QFont start = dialogs.fontDialogs.value(0);
        QCOMPARE(start.family() + u' ' + QString::number(start.pointSize()),
            QStringLiteral("Courier New 9"));
        const QString name = w->Valor_Editor->text();
        const QStringList lines = notesLines(f, name);
        QCOMPARE(lines.size(), 11 + 65 + 2);
        QCOMPARE(lines.at(5), QStringLiteral("Nombre del Vino ... Mauro"));
        QCOMPARE(lines.mid(76), QStringList({ "\tdos", "Gran Reserva" }));
        QTextDocument doc;
        caveto::readTextDocument(CavetoFixture::readFile(f.notesFile(name)), &doc);
        const QTextBlock last = doc.lastBlock();
        const QTextCharFormat fmt = last.begin().fragment().charFormat();
        QCOMPARE(
            QStringList({ fmt.font().family(), fmt.foreground().color().name(),
                            last.blockFormat().alignment() & Qt::AlignHCenter ? "centred" : "" })
                .join(u' '),
            QStringLiteral("Liberation Serif #800000 centred"));

        inEditor(f, [&](Editor *e) {
            QCOMPARE(e->EditorNotas->lines(), lines);
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
        });
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
    }

    // Leaving with changes asks; the answer decides. The prompt's close box
    // counts as "Cancelar", and so does Escape.
    void saveQuestion_data()
    {
        // How the editor is left, the prompt's button and the answer.
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
        QCOMPARE(notesLines(f).value(0),
            QString::fromUtf8(step[2] == QLatin1String("S") ? "Después Antes" : "Antes"));
    }

    // Deleting or consulting shows the notes, an RTF file or plain text.
    // Notes named outside the data folder by a record file edited by hand,
    // or that cannot be read, are reported. None of them can be changed or
    // saved, and no file is touched.
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
        if (file.isEmpty())
            QVERIFY(QDir().mkpath(f.notesFile(kNotes)));
        openWine(f,
            mode == "BAJA"       ? &TFormCavetoPas::BMenuBaja
                : mode == "CONS" ? &TFormCavetoPas::BMenuCons
                                 : &TFormCavetoPas::BMenuModi,
            file.isEmpty() ? QByteArray() : file, name);
        QStringList shown;
        inEditor(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("xyz"));
            QTest::keyClick(e->EditorNotas, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(e->EditorNotas, Qt::Key_D, Qt::ControlModifier);
            QTest::mouseClick(e->BCabecera, Qt::LeftButton);
            shown = e->EditorNotas->lines();
            QVERIFY(!e->BSalvar->isEnabled());
            QTest::mouseClick(e->BSalvar, Qt::LeftButton);
            QTest::mouseClick(e->BSalir, Qt::LeftButton);
        });
        QCOMPARE(shown,
            message.isEmpty() ? QStringList({ "Notas de cata", "Añada excelente" })
                              : QStringList());
        QVERIFY(!f.script->opened.contains(QStringLiteral("TFormAvisoEditor")));
        const QStringList said = f.messageLines();
        QCOMPARE(said.size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(message.isEmpty() || said[0].startsWith("Caveto Error. | " + message),
            qPrintable(said.value(0)));
        if (!file.isEmpty())
            QCOMPARE(CavetoFixture::readFile(f.notesFile(kNotes)), file);
    }

    // A save that fails reports the system's error and keeps the editor
    // open with the changes still unsaved, so leaving asks again; the old
    // file is kept.
    void failedSave_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a full disk") << "full";
        QTest::newRow("a read-only file") << "readonly";
    }
    void failedSave()
    {
        QFETCH(QString, obstacle);
        CavetoFixture f;
        const bool old = obstacle == QLatin1String("readonly");
        openWine(f, &TFormCavetoPas::BMenuModi,
            old ? caveto::rtf::writeLines({ "Antes" }) : QByteArray());
        const QString path = f.notesFile(kNotes);
        bool openAfterSave = false;
        inEditor(f, [&](Editor *e) {
            typeInto(e->EditorNotas, QStringLiteral("Nuevas notas largas"));
            if (old) {
                // Read-only for everyone, root included: the save runs as an
                // ordinary user who may pass through the folders.
                QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
                for (const QString &folder : { f.dir.path(), f.dir.filePath("Datos") })
                    QVERIFY(QFile::setPermissions(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                            | QFileDevice::ReadOther | QFileDevice::ExeOther));
            }
            {
                std::unique_ptr<FileSizeLimit> full;
                std::unique_ptr<Unprivileged> user;
                if (obstacle == QLatin1String("full"))
                    full = std::make_unique<FileSizeLimit>(16);
                else
                    user = std::make_unique<Unprivileged>();
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
        if (old)
            QCOMPARE(notesLines(f), QStringList({ "Antes" }));
        else if (obstacle == QLatin1String("full"))
            QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestNotesEditor)
#include "tst_noteseditor.moc"
