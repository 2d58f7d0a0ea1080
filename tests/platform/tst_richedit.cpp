// The rich-text document control: lines, files, find, format commands and
// printing.

#include "PlatformTest.h"
#include "platform/RichEdit.h"
#include "platform/Rtf.h"
#include "support/PdfText.h"
#include "support/Unprivileged.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString formatAt(const TRichEdit &edit, int position)
{
    QTextCursor c(edit.document());
    c.setPosition(position);
    return describe(c.charFormat());
}

} // namespace

class TestRichEdit : public QObject
{
    Q_OBJECT

private slots:
    // An empty control has no lines; one empty line is a line. The program's
    // own lines are not the user's edits; read-only keeps the user out, not
    // the program. A format command without a selection applies to what is
    // typed next.
    void lines()
    {
        TRichEdit edit;
        QCOMPARE(edit.lineCount(), 0);
        edit.addLine(QString());
        QCOMPARE(edit.lines(), QStringList { "" });
        edit.clearLines();
        edit.insertLine(0, "dos");
        edit.addLine(u("  tres\tcon blancos  "));
        edit.insertLine(0, "uno");
        edit.insertLine(99, "cuatro");
        edit.insertLine(-5, "cero");
        edit.insertLine(2, QString());
        QCOMPARE(edit.lines(),
            (QStringList { "cero", "uno", "", "dos", u("  tres\tcon blancos  "), "cuatro" }));
        QVERIFY(!edit.isModified());
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.moveCursor(QTextCursor::End);
        edit.setSelectionColor(QColor(0, 128, 0));
        QTest::keyClicks(&edit, "x");
        QVERIFY(edit.isModified());
        QVERIFY(!formatAt(edit, 41).contains(u'#'));
        QVERIFY(formatAt(edit, 42).endsWith(QStringLiteral("#008000")));
        edit.setReadOnly(true);
        QTest::keyClicks(&edit, "zz");
        edit.addLine("dos");
        QCOMPARE(edit.line(5) + edit.line(6), QStringLiteral("cuatroxdos"));
        edit.setLines({ "" });
        QCOMPARE(edit.lineCount(), 1);
        edit.setLines({});
        QCOMPARE(edit.lineCount(), 0);
    }

    // A file that cannot be read (missing, or a folder) leaves the content as
    // it was; a plain-text record file replaces it, and is saved back as RTF
    // with the same lines. A load holds the layout back; the view must still
    // lay out and show everything afterwards.
    void loadAndSave()
    {
        TRichEdit edit;
        edit.resize(400, 120);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.addLine("contenido anterior");
        for (const QString &path : { samplePath("no-existe.rtf"), samplePath(QString()) }) {
            QString error;
            QVERIFY(!edit.loadFromFile(path, &error) && !error.isEmpty());
            QCOMPARE(edit.lines(), QStringList { "contenido anterior" });
        }
        edit.setModified(true);
        QTemporaryDir dir;
        const QString path = dir.filePath("Caveto20.Datos");
        QVERIFY(writeFile(path, sample("rtf/datos-cp1252.txt")));
        QVERIFY(edit.loadFromFile(path));
        const QStringList lines = expectedLines("rtf/wordpad-datos.lines.txt");
        QCOMPARE(edit.lines(), lines);
        QVERIFY(!edit.isModified());
        QVERIFY(edit.saveToFile(path));
        QCOMPARE(caveto::rtf::readLines(readFile(path)), lines);

        QVERIFY(edit.loadFromFile(samplePath("notas-libreoffice.rtf")));
        QCOMPARE(edit.lineCount(), 5);
        QCOMPARE(edit.textCursor().position(), 0);
        QAbstractTextDocumentLayout *layout = edit.document()->documentLayout();
        QTRY_VERIFY(layout->documentSize().height() > 100);
        QVERIFY(layout->blockBoundingRect(edit.document()->lastBlock()).top()
            >= layout->blockBoundingRect(edit.document()->firstBlock()).bottom());
        QTRY_VERIFY(edit.verticalScrollBar()->maximum() > 0);
    }

    // Fonts, colours and alignment go through a file; so does the difference
    // between one empty line and none.
    void formatsSavedAndLoaded()
    {
        TRichEdit edit;
        edit.setLines({ u("Título de la cata"), u("  Añada: ¡excepcional! {€} \\ ☃  "), QString(),
            u("Último\tpárrafo") });
        QTextCursor c(edit.document()->firstBlock());
        c.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor); // "Título "
        edit.setTextCursor(c);
        edit.setSelectionFont(QFont(QStringLiteral("Liberation Serif"), 16, QFont::Bold, true));
        edit.setSelectionColor(QColor(0, 0, 255));
        edit.setSelectionAlignment(Qt::AlignRight);
        const QString selected = QStringLiteral("Liberation Serif 16 bold italic #0000ff");
        QCOMPARE(formatAt(edit, 2), selected);
        QVERIFY(!formatAt(edit, 10).contains(u'#')); // "de", outside the selection

        QTemporaryDir dir;
        const QString path = dir.filePath("notas.txt");
        edit.setModified(true);
        QVERIFY(edit.saveToFile(path));
        QVERIFY(edit.isModified()); // saving leaves the flag to the program
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "notas.txt" });
        TRichEdit back;
        QVERIFY(back.loadFromFile(path));
        QCOMPARE(back.lines(), edit.lines());
        QCOMPARE(alignments(*back.document()), QStringLiteral("RLLL"));
        QCOMPARE(formatAt(back, 2), selected);
        for (const QStringList &lines : { QStringList { "" }, QStringList() }) {
            back.setLines(lines);
            QVERIFY(back.saveToFile(path) && edit.loadFromFile(path));
            QCOMPARE(edit.lines(), lines);
        }
    }

    // The old file stays when the folder refuses the new one.
    void saveIntoReadOnlyFolder()
    {
        QTemporaryDir dir;
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
            | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
        QVERIFY(QFile::setPermissions(dir.path(), readable | QFile::WriteOwner));
        const QString folder = dir.filePath("Datos");
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + "/notas.txt";
        const QByteArray old = caveto::rtf::writeLines({ "contenido antiguo" });
        QVERIFY(writeFile(path, old));
        QVERIFY(QFile::setPermissions(folder, readable));
        TRichEdit edit;
        edit.addLine("contenido nuevo");
        bool saved;
        QString error;
        {
            Unprivileged user;
            if (QFile probe(folder + "/probe"); probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(folder, readable | QFile::WriteOwner);
                QSKIP("this file system lets the process write into a read-only folder");
            }
            saved = edit.saveToFile(path, &error);
        }
        QFile::setPermissions(folder, readable | QFile::WriteOwner);
        QVERIFY(!saved && !error.isEmpty());
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList { "notas.txt" });
    }

    void findText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        // "Uva Tempranillo", then "uva garnacha y Tempranillo" from 16.
        QTest::newRow("first") << "Tempranillo" << 0 << 100 << true << 4;
        QTest::newRow("after the first") << "Tempranillo" << 5 << 100 << true << 31;
        QTest::newRow("case insensitive") << "UVA" << 1 << 100 << false << 16;
        QTest::newRow("case sensitive") << "Uva" << 1 << 100 << true << -1;
        QTest::newRow("match cut by the range") << "garnacha" << 0 << 27 << false << -1;
        QTest::newRow("ending at the range end") << "garnacha" << 0 << 28 << false << 20;
        QTest::newRow("negative length is to the end") << "Tempranillo" << 20 << -1 << true << 31;
        QTest::newRow("start past the end") << "uva" << 500 << 10 << false << -1;
        QTest::newRow("negative start") << "Uva" << -3 << 10 << true << 0;
        QTest::newRow("across lines") << "Tempranillo\nuva" << 0 << 100 << false << 4;
        QTest::newRow("empty text") << "" << 0 << 100 << false << -1;
    }
    void findText()
    {
        TRichEdit edit;
        edit.setLines({ "Uva Tempranillo", "uva garnacha y Tempranillo" });
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, matchCase);
        QTEST(edit.findText(text, start, length, matchCase), "found");
    }

    void printDocument()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("notas.pdf");
        TRichEdit edit;
        for (int i = 0; i < 120; ++i)
            edit.addLine(QStringLiteral("Renglón %1").arg(i));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        edit.printDocument(&printer);
        QVERIFY(pdfText(pdf).contains(u("Renglón 119")) && pdfPageCount(pdf) >= 2);
    }
};

QTEST_MAIN(TestRichEdit)
#include "tst_richedit.moc"
