// The rich-text document control: lines, files, find, format commands and
// printing.

#include "platform/RichEdit.h"
#include "platform/Rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray sample(const QString &name)
{
    QFile f(QStringLiteral(CAVETO_SAMPLES_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", qPrintable(name));
    return f.readAll();
}

QStringList expectedLines(const QString &name)
{
    QStringList lines = QString::fromUtf8(sample(name)).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// While it exists, the process works as an unprivileged user, so a folder
// without write permission refuses files even when the tests run as root.
class Unprivileged
{
public:
    Unprivileged()
    {
        if (geteuid() == 0)
            m_active = seteuid(65534) == 0;
    }
    ~Unprivileged()
    {
        if (m_active && seteuid(0) != 0)
            qFatal("cannot return to the original user");
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

private:
    bool m_active = false;
};

} // namespace

class TestRichEdit : public QObject
{
    Q_OBJECT

private slots:
    void emptyControl();
    void addAndInsertLines();
    void longLineStaysOneLine();
    void setLinesReplacesContent();
    void modifiedFlag();
    void readOnlyStillTakesProgramLines();
    void loadRecordFile_data();
    void loadRecordFile();
    void loadNotes();
    void loadedContentIsLaidOut();
    void loadMissingFile();
    void saveAndLoadBack();
    void plainTextSavedAsRtf();
    void saveIntoReadOnlyFolder();
    void findText_data();
    void findText();
    void selectionFormat();
    void formatOfTypedText();
    void printDocument();
};

void TestRichEdit::emptyControl()
{
    TRichEdit edit;
    QCOMPARE(edit.lineCount(), 0);
    QCOMPARE(edit.lines(), QStringList());
    QCOMPARE(edit.line(0), QString());
    edit.addLine(QString());
    QCOMPARE(edit.lineCount(), 1);
    QCOMPARE(edit.lines(), QStringList { "" });
    edit.addLine(QString());
    QCOMPARE(edit.lines(), (QStringList { "", "" }));
    edit.clearLines();
    QCOMPARE(edit.lineCount(), 0);
    QCOMPARE(edit.lines(), QStringList());
}

void TestRichEdit::addAndInsertLines()
{
    TRichEdit edit;
    edit.addLine("dos");
    edit.addLine(u("  tres con blancos  "));
    edit.insertLine(0, "uno");
    QCOMPARE(edit.lines(), (QStringList { "uno", "dos", u("  tres con blancos  ") }));
    edit.insertLine(2, u("dos y medio\tcon tab"));
    edit.insertLine(99, "cuatro");
    edit.insertLine(-5, "cero");
    QCOMPARE(edit.lines(),
        (QStringList { "cero", "uno", "dos", u("dos y medio\tcon tab"), u("  tres con blancos  "),
            "cuatro" }));
    QCOMPARE(edit.lineCount(), 6);
    QCOMPARE(edit.line(3), u("dos y medio\tcon tab"));
    QCOMPARE(edit.line(5), QStringLiteral("cuatro"));
    QCOMPARE(edit.line(6), QString());
    QCOMPARE(edit.line(-1), QString());
    edit.insertLine(1, QString());
    QCOMPARE(edit.line(1), QString());
    QCOMPARE(edit.line(2), QStringLiteral("uno"));
    QCOMPARE(edit.lineCount(), 7);

    // Inserting into an empty control gives exactly one line.
    TRichEdit other;
    other.insertLine(0, "solo");
    QCOMPARE(other.lines(), QStringList { "solo" });
}

void TestRichEdit::longLineStaysOneLine()
{
    TRichEdit edit;
    edit.setLineWrapMode(QTextEdit::NoWrap);
    edit.resize(300, 200);
    const QString record = u("Marqués de Cáceres").leftJustified(1015);
    edit.addLine(record);
    edit.addLine(record);
    QCOMPARE(edit.lineCount(), 2);
    QCOMPARE(edit.line(0), record);
    QCOMPARE(edit.line(0).size(), 1015);
    // Wrapped on screen, it is still one line of the content.
    edit.setLineWrapMode(QTextEdit::WidgetWidth);
    QCOMPARE(edit.lineCount(), 2);
    QCOMPARE(edit.line(1), record);
}

void TestRichEdit::setLinesReplacesContent()
{
    TRichEdit edit;
    edit.addLine("viejo");
    const QStringList lines { u("uno "), QString(), u(" tres ñ €") };
    edit.setLines(lines);
    QCOMPARE(edit.lines(), lines);
    edit.setLines({ "" });
    QCOMPARE(edit.lineCount(), 1);
    edit.setLines({});
    QCOMPARE(edit.lineCount(), 0);
}

void TestRichEdit::modifiedFlag()
{
    TRichEdit edit;
    QVERIFY(!edit.isModified());
    edit.addLine("uno");
    edit.insertLine(0, "cero");
    QVERIFY2(!edit.isModified(), "the program's own lines are not the user's edits");

    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.moveCursor(QTextCursor::End);
    QTest::keyClicks(&edit, "x");
    QVERIFY(edit.isModified());
    QCOMPARE(edit.line(1), QStringLiteral("unox"));
    edit.addLine("dos");
    QVERIFY(edit.isModified());
    edit.setModified(false);
    QVERIFY(!edit.isModified());
    QCOMPARE(edit.document()->isModified(), false);
}

void TestRichEdit::readOnlyStillTakesProgramLines()
{
    TRichEdit edit;
    edit.setReadOnly(true);
    edit.addLine("uno");
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, "zz");
    QCOMPARE(edit.lines(), QStringList { "uno" });
    edit.addLine("dos");
    QCOMPARE(edit.lines(), (QStringList { "uno", "dos" }));
}

void TestRichEdit::loadRecordFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("libreoffice rtf") << "Caveto20-libreoffice.Datos"
                                     << "Caveto20-libreoffice.lines.txt";
    QTest::newRow("wordpad rtf") << "rtf/wordpad-datos.rtf"
                                 << "rtf/wordpad-datos.lines.txt";
    QTest::newRow("plain windows-1252") << "rtf/datos-cp1252.txt"
                                        << "rtf/wordpad-datos.lines.txt";
    QTest::newRow("plain utf-8") << "rtf/datos-utf8.txt"
                                 << "rtf/wordpad-datos.lines.txt";
}

void TestRichEdit::loadRecordFile()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    TRichEdit edit;
    edit.setLineWrapMode(QTextEdit::NoWrap);
    edit.addLine("contenido anterior");
    edit.setModified(true);
    QString error;
    QVERIFY(edit.loadFromFile(QStringLiteral(CAVETO_SAMPLES_DIR "/") + file, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(edit.lines(), expectedLines(expected));
    QVERIFY(!edit.isModified());
}

void TestRichEdit::loadNotes()
{
    TRichEdit edit;
    QVERIFY(edit.loadFromFile(QStringLiteral(CAVETO_SAMPLES_DIR "/notas-libreoffice.rtf")));
    QCOMPARE(edit.lineCount(), 5);
    QCOMPARE(edit.line(3), u("Precio pagado: 18,50 €"));
    const QTextBlock title = edit.document()->firstBlock();
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(title.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
}

void TestRichEdit::loadedContentIsLaidOut()
{
    // A load holds the layout back; the view must still lay out and show
    // everything afterwards.
    TRichEdit edit;
    edit.resize(400, 120);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QVERIFY(edit.loadFromFile(QStringLiteral(CAVETO_SAMPLES_DIR "/notas-libreoffice.rtf")));
    QVERIFY(edit.document()->pageSize().width() > 0);
    QCOMPARE(edit.textCursor().position(), 0);
    QAbstractTextDocumentLayout *layout = edit.document()->documentLayout();
    QTRY_VERIFY(layout->documentSize().height() > 100);
    const QRectF first = layout->blockBoundingRect(edit.document()->firstBlock());
    const QRectF last = layout->blockBoundingRect(edit.document()->lastBlock());
    QVERIFY(!first.isEmpty());
    QVERIFY(!last.isEmpty());
    QVERIFY(last.top() >= first.bottom());
    QTRY_VERIFY(edit.verticalScrollBar()->maximum() > 0); // taller than the view
}

void TestRichEdit::loadMissingFile()
{
    TRichEdit edit;
    edit.addLine("se queda");
    QString error;
    QVERIFY(!edit.loadFromFile(QStringLiteral(CAVETO_SAMPLES_DIR "/no-existe.rtf"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(edit.lines(), QStringList { "se queda" });

    // A folder is not a file either.
    error.clear();
    QVERIFY(!edit.loadFromFile(QStringLiteral(CAVETO_SAMPLES_DIR), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(edit.lines(), QStringList { "se queda" });
}

void TestRichEdit::saveAndLoadBack()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("notas.txt");

    TRichEdit edit;
    edit.addLine(u("Cata en casa de Pilar"));
    edit.addLine(u("  Añada: ¡excepcional! {€} \\ ☃  "));
    edit.addLine(QString());
    edit.addLine(u("Último\tpárrafo"));
    QTextCursor c(edit.document()->firstBlock());
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
    edit.setSelectionAlignment(Qt::AlignHCenter);
    edit.setSelectionColor(QColor(128, 0, 0));
    edit.setModified(true);

    QString error;
    QVERIFY2(edit.saveToFile(path, &error), qPrintable(error));
    QVERIFY(edit.isModified()); // saving leaves the flag to the program
    const QByteArray data = readFile(path);
    QVERIFY(caveto::rtf::isRtf(data));
    QDir d(dir.path());
    QCOMPARE(d.entryList(QDir::Files), QStringList { "notas.txt" });

    TRichEdit back;
    QVERIFY(back.loadFromFile(path, &error));
    QCOMPARE(back.lines(), edit.lines());
    const QTextBlock title = back.document()->firstBlock();
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(title.begin().fragment().charFormat().foreground().color(), QColor(128, 0, 0));

    // Saving again replaces the file.
    back.clearLines();
    back.addLine("nuevo");
    QVERIFY(back.saveToFile(path, &error));
    QCOMPARE(caveto::rtf::readLines(readFile(path)), QStringList { "nuevo" });

    // A control holding one empty line keeps it through a file.
    TRichEdit one;
    one.addLine(QString());
    QVERIFY(one.saveToFile(path, &error));
    TRichEdit oneBack;
    QVERIFY(oneBack.loadFromFile(path, &error));
    QCOMPARE(oneBack.lines(), QStringList { "" });
    TRichEdit none;
    QVERIFY(none.saveToFile(path, &error));
    QVERIFY(oneBack.loadFromFile(path, &error));
    QCOMPARE(oneBack.lineCount(), 0);
}

void TestRichEdit::plainTextSavedAsRtf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Caveto20.Datos");
    QVERIFY(writeFile(path, sample("rtf/datos-cp1252.txt")));
    TRichEdit edit;
    edit.setLineWrapMode(QTextEdit::NoWrap);
    QVERIFY(edit.loadFromFile(path));
    const QStringList lines = expectedLines("rtf/wordpad-datos.lines.txt");
    QCOMPARE(edit.lines(), lines);
    QVERIFY(edit.saveToFile(path));
    const QByteArray data = readFile(path);
    QVERIFY(caveto::rtf::isRtf(data));
    QCOMPARE(caveto::rtf::readLines(data), lines);
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
    QTest::newRow("zero length") << "Tempranillo" << 4 << 0 << true << -1;
}

void TestRichEdit::findText()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(bool, matchCase);
    QFETCH(int, found);
    TRichEdit edit;
    edit.addLine("Uva Tempranillo");
    edit.addLine("uva garnacha y Tempranillo");
    QCOMPARE(edit.findText(text, start, length, matchCase), found);
    if (found >= 0) {
        // The position is the document's own.
        QTextCursor c(edit.document());
        c.setPosition(found);
        c.setPosition(found + int(text.size()), QTextCursor::KeepAnchor);
        QCOMPARE(
            c.selectedText().replace(QChar::ParagraphSeparator, u'\n').toLower(), text.toLower());
    }
}

void TestRichEdit::selectionFormat()
{
    TRichEdit edit;
    edit.addLine(u("Título de la cata"));
    edit.addLine(u("cuerpo del texto"));
    QTextCursor c(edit.document()->firstBlock());
    c.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor); // "Título "
    edit.setTextCursor(c);
    QFont font(QStringLiteral("Liberation Serif"), 16);
    font.setBold(true);
    font.setItalic(true);
    edit.setSelectionFont(font);
    edit.setSelectionColor(QColor(0, 0, 255));
    edit.setSelectionAlignment(Qt::AlignRight);

    const QTextBlock first = edit.document()->firstBlock();
    QCOMPARE(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(first.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QTextCursor probe(edit.document());
    probe.setPosition(2);
    QTextCharFormat f = probe.charFormat();
    QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Liberation Serif"));
    QCOMPARE(f.fontPointSize(), 16.0);
    QCOMPARE(f.fontWeight(), int(QFont::Bold));
    QVERIFY(f.fontItalic());
    QCOMPARE(f.foreground().color(), QColor(0, 0, 255));
    probe.setPosition(10); // "de": outside the selection
    QVERIFY(!probe.charFormat().fontItalic());
    QVERIFY(probe.charFormat().foreground().style() == Qt::NoBrush);

    // Through a file, the formats stay.
    QTemporaryDir dir;
    QVERIFY(edit.saveToFile(dir.filePath("f.rtf")));
    TRichEdit back;
    QVERIFY(back.loadFromFile(dir.filePath("f.rtf")));
    QTextCursor p2(back.document());
    p2.setPosition(2);
    QCOMPARE(p2.charFormat().fontPointSize(), 16.0);
    QVERIFY(p2.charFormat().fontItalic());
    QCOMPARE(p2.charFormat().foreground().color(), QColor(0, 0, 255));
    QCOMPARE(back.document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
        Qt::AlignRight);
}

void TestRichEdit::formatOfTypedText()
{
    // With no selection the format applies to what is typed next.
    TRichEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, "ab");
    edit.setSelectionColor(QColor(0, 128, 0));
    QTest::keyClicks(&edit, "cd");
    QTextCursor probe(edit.document());
    probe.setPosition(1);
    QVERIFY(probe.charFormat().foreground().style() == Qt::NoBrush);
    probe.setPosition(4);
    QCOMPARE(probe.charFormat().foreground().color(), QColor(0, 128, 0));
    QCOMPARE(edit.lines(), QStringList { "abcd" });
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
