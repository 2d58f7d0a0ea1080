// The rich-text document control: lines, files, find, format commands and
// printing.

#include "PlatformTest.h"
#include "platform/RichEdit.h"
#include "platform/Rtf.h"
#include "support/Unprivileged.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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
    void lines();
    void modifiedFlagAndTyping();
    void loadAndSaveRecordFile();
    void loadNotes();
    void formatsSavedAndLoaded();
    void saveIntoReadOnlyFolder();
    void findText_data();
    void findText();
    void printDocument();
};

void TestRichEdit::lines()
{
    TRichEdit edit;
    QCOMPARE(edit.lineCount(), 0);
    QCOMPARE(edit.lines(), QStringList());
    QCOMPARE(edit.line(0), QString());
    edit.addLine(QString());
    QCOMPARE(edit.lines(), QStringList { "" });
    edit.clearLines();
    QCOMPARE(edit.lineCount(), 0);
    edit.insertLine(0, "dos"); // into an empty control: exactly one line
    QCOMPARE(edit.lines(), QStringList { "dos" });

    edit.addLine(u("  tres\tcon blancos  "));
    edit.insertLine(0, "uno");
    edit.insertLine(99, "cuatro");
    edit.insertLine(-5, "cero");
    edit.insertLine(2, QString());
    QCOMPARE(edit.lines(),
        (QStringList { "cero", "uno", "", "dos", u("  tres\tcon blancos  "), "cuatro" }));
    QCOMPARE(edit.lineCount(), 6);
    QCOMPARE(edit.line(6), QString());
    QCOMPARE(edit.line(-1), QString());

    // A record line wrapped on screen is still one line of the content.
    const QString record = u("Marqués de Cáceres").leftJustified(1015);
    edit.resize(300, 200);
    edit.setLines({ record, QString(), record });
    QCOMPARE(edit.lines(), (QStringList { record, QString(), record }));
    edit.setLines({ "" });
    QCOMPARE(edit.lineCount(), 1);
    edit.setLines({});
    QCOMPARE(edit.lineCount(), 0);
}

void TestRichEdit::modifiedFlagAndTyping()
{
    TRichEdit edit;
    edit.addLine("uno");
    edit.insertLine(0, "cero");
    QVERIFY2(!edit.isModified(), "the program's own lines are not the user's edits");

    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.moveCursor(QTextCursor::End);
    // With no selection, a format command applies to what is typed next.
    edit.setSelectionColor(QColor(0, 128, 0));
    QTest::keyClicks(&edit, "x");
    QVERIFY(edit.isModified());
    QCOMPARE(edit.line(1), QStringLiteral("unox"));
    QVERIFY(!formatAt(edit, 8).contains(u'#'));
    QVERIFY(formatAt(edit, 9).endsWith(QStringLiteral("#008000")));
    edit.addLine("dos");
    QVERIFY(edit.isModified());
    edit.setModified(false);
    QVERIFY(!edit.document()->isModified());

    // Read-only keeps the user out, not the program.
    edit.setReadOnly(true);
    QTest::keyClicks(&edit, "zz");
    edit.addLine("tres");
    QCOMPARE(edit.lines(), (QStringList { "cero", "unox", "dos", "tres" }));
}

void TestRichEdit::loadAndSaveRecordFile()
{
    // A file that cannot be read (missing, or a folder) leaves the content as
    // it was; a plain-text record file replaces it, and is saved back as RTF
    // with the same lines.
    TRichEdit edit;
    edit.setLineWrapMode(QTextEdit::NoWrap);
    edit.addLine("contenido anterior");
    edit.setModified(true);
    for (const QString &path : { samplePath("no-existe.rtf"), samplePath(QString()) }) {
        QString error;
        QVERIFY(!edit.loadFromFile(path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(edit.lines(), QStringList { "contenido anterior" });
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("Caveto20.Datos");
    QVERIFY(writeFile(path, sample("rtf/datos-cp1252.txt")));
    QString error;
    QVERIFY(edit.loadFromFile(path, &error));
    QVERIFY(error.isEmpty());
    const QStringList lines = expectedLines("rtf/wordpad-datos.lines.txt");
    QCOMPARE(edit.lines(), lines);
    QVERIFY(!edit.isModified());
    QVERIFY(edit.saveToFile(path));
    const QByteArray data = readFile(path);
    QVERIFY(caveto::rtf::isRtf(data));
    QCOMPARE(caveto::rtf::readLines(data), lines);
}

void TestRichEdit::loadNotes()
{
    // A load holds the layout back; the view must still lay out and show
    // everything afterwards.
    TRichEdit edit;
    edit.resize(400, 120);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QVERIFY(edit.loadFromFile(samplePath("notas-libreoffice.rtf")));
    QCOMPARE(edit.lineCount(), 5);
    QCOMPARE(formatAt(edit, 1), QStringLiteral("Liberation Serif 18 bold #800000"));

    QCOMPARE(edit.textCursor().position(), 0);
    QAbstractTextDocumentLayout *layout = edit.document()->documentLayout();
    QTRY_VERIFY(layout->documentSize().height() > 100);
    const QRectF first = layout->blockBoundingRect(edit.document()->firstBlock());
    const QRectF last = layout->blockBoundingRect(edit.document()->lastBlock());
    QVERIFY(!first.isEmpty());
    QVERIFY(last.top() >= first.bottom());
    QTRY_VERIFY(edit.verticalScrollBar()->maximum() > 0); // taller than the view
}

void TestRichEdit::formatsSavedAndLoaded()
{
    TRichEdit edit;
    edit.setLines({ u("Título de la cata"), u("  Añada: ¡excepcional! {€} \\ ☃  "), QString(),
        u("Último\tpárrafo") });
    QTextCursor c(edit.document()->firstBlock());
    c.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor); // "Título "
    edit.setTextCursor(c);
    QFont font(QStringLiteral("Liberation Serif"), 16);
    font.setBold(true);
    font.setItalic(true);
    edit.setSelectionFont(font);
    edit.setSelectionColor(QColor(0, 0, 255));
    edit.setSelectionAlignment(Qt::AlignRight);
    const QString selected = QStringLiteral("Liberation Serif 16 bold italic #0000ff");
    QCOMPARE(alignments(*edit.document()), QStringLiteral("RLLL"));
    QCOMPARE(formatAt(edit, 2), selected);
    QVERIFY(!formatAt(edit, 10).contains(u'#')); // "de", outside the selection

    QTemporaryDir dir;
    const QString path = dir.filePath("notas.txt");
    edit.setModified(true);
    QString error;
    QVERIFY2(edit.saveToFile(path, &error), qPrintable(error));
    QVERIFY(edit.isModified()); // saving leaves the flag to the program
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "notas.txt" });
    TRichEdit back;
    QVERIFY(back.loadFromFile(path, &error));
    QCOMPARE(back.lines(), edit.lines());
    QCOMPARE(alignments(*back.document()), QStringLiteral("RLLL"));
    QCOMPARE(formatAt(back, 2), selected);

    // One empty line and no lines at all stay apart through a file.
    back.setLines({ "" });
    QVERIFY(back.saveToFile(path, &error));
    QVERIFY(edit.loadFromFile(path, &error));
    QCOMPARE(edit.lines(), QStringList { "" });
    back.clearLines();
    QVERIFY(back.saveToFile(path, &error));
    QVERIFY(edit.loadFromFile(path, &error));
    QCOMPARE(edit.lineCount(), 0);
}

void TestRichEdit::saveIntoReadOnlyFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Let an unprivileged user reach the folder, but not write into it.
    QVERIFY(QFile::setPermissions(dir.path(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
            | QFile::ReadGroup | QFile::ExeGroup));
    const QString folder = dir.filePath("Datos");
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + "/notas.txt";
    const QByteArray old = caveto::rtf::writeLines({ "contenido antiguo" });
    QVERIFY(writeFile(path, old));
    QVERIFY(QFile::setPermissions(folder,
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
            | QFile::ExeGroup));

    TRichEdit edit;
    edit.addLine("contenido nuevo");
    bool saved;
    QString error;
    {
        Unprivileged user;
        QFile probe(folder + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this file system lets the process write into a read-only folder");
        }
        saved = edit.saveToFile(path, &error);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList { "notas.txt" });
}

void TestRichEdit::findText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("found");
    // Content: "Uva Tempranillo\nuva garnacha y Tempranillo"; the second line
    // starts at 16.
    QTest::newRow("first") << "Tempranillo" << 0 << 100 << true << 4;
    QTest::newRow("after the first") << "Tempranillo" << 5 << 100 << true << 31;
    QTest::newRow("case insensitive") << "uva" << 1 << 100 << false << 16;
    QTest::newRow("case sensitive") << "Uva" << 1 << 100 << true << -1;
    QTest::newRow("range without a match") << "garnacha" << 0 << 16 << false << -1;
    QTest::newRow("match cut by the range") << "garnacha" << 0 << 25 << false << -1;
    QTest::newRow("match ending at the range end") << "garnacha" << 0 << 28 << false << 20;
    QTest::newRow("negative length is to the end") << "Tempranillo" << 20 << -1 << true << 31;
    QTest::newRow("start past the end") << "uva" << 500 << 10 << false << -1;
    QTest::newRow("negative start") << "Uva" << -3 << 10 << true << 0;
    QTest::newRow("across lines") << "Tempranillo\nuva" << 0 << 100 << false << 4;
    QTest::newRow("empty text") << "" << 0 << 100 << false << -1;
}

void TestRichEdit::findText()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(bool, matchCase);
    QFETCH(int, found);
    TRichEdit edit;
    edit.setLines({ "Uva Tempranillo", "uva garnacha y Tempranillo" });
    QCOMPARE(edit.findText(text, start, length, matchCase), found);
}

void TestRichEdit::printDocument()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("notas.pdf");
    TRichEdit edit;
    edit.addLine(u("Cata en casa de Pilar"));
    for (int i = 0; i < 120; ++i)
        edit.addLine(QStringLiteral("Renglón %1").arg(i));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    edit.printDocument(&printer);
    QVERIFY(QFileInfo(pdf).size() > 0);

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess p;
    p.start(pdftotext, { pdf, "-" });
    QVERIFY(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY(text.contains(u("Cata en casa de Pilar")));
    QVERIFY(text.contains(u("Renglón 119")));
    QVERIFY(text.count(QChar(u'\f')) >= 2); // the whole content, over several pages
}

QTEST_MAIN(TestRichEdit)
#include "tst_richedit.moc"
