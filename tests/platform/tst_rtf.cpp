// The RTF reader and writer: files as WordPad, LibreOffice and Word write
// them, damaged files, and the writer's output read back.

#include "PlatformTest.h"
#include "platform/Rtf.h"
#include "platform/Win1252.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace caveto;

namespace {

// What every file the writer produces must be: 7-bit, RTF, and with braces
// outside escapes that balance and never go below zero.
bool isSaneRtf(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size() && depth >= 0; ++i) {
        if (uchar(rtf[i]) >= 0x80)
            return false;
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        i += rtf[i] == '\\';
    }
    return depth == 0 && rtf::isRtf(rtf);
}

// Each paragraph as its runs of "[format]text" (an empty one as the format
// of its mark), so that two documents compare format by format.
QStringList runs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString paragraph, last;
        if (b.length() == 1)
            paragraph = QStringLiteral("[%1]").arg(describe(b.charFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString format = describe(it.fragment().charFormat());
            if (format != last)
                paragraph += QStringLiteral("[%1]").arg(format);
            paragraph += it.fragment().text();
            last = format;
        }
        out << paragraph;
    }
    return out;
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void isRtf()
    {
        for (const QByteArray &data : { QByteArray("x{\\rtf1}"), QByteArray("{\\rt"),
                 QByteArray("\xff\xfe{\0\\\0r\0t\0f\0", 12) })
            QVERIFY(!rtf::isRtf(data));
    }

    void read_data()
    {
        // Every row is RTF, damaged or not, and reads the same as a document.
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("paragraphs") << QByteArray(R"({\rtf1 \par uno\par\par dos\par})")
                                    << QStringList { "", "uno", "", "dos" };
        QTest::newRow("text after the last par")
            << QByteArray(R"({\rtf1 uno\par dos})") << QStringList { "uno", "dos" };
        QTest::newRow("line, tabs, blanks kept")
            << QByteArray(R"({\rtf1   a \tab\tab b\line c  \par})")
            << QStringList { "  a \t\tb", "c  " };
        QTest::newRow("delimiters and parameters")
            << QByteArray(R"({\rtf1\b bold\b0  n\fs20 10\fi-360 b\li-1 \b-x\par})")
            << QStringList { "bold n10b-x" };
        QTest::newRow("control symbols, hex escapes")
            << QByteArray(R"({\rtf1 a\~b\-c\_d\{e\}f\\g Marqu\'e9s \'80\'C1\'bf\par})")
            << QStringList { u("a\u00A0bc\u2011d{e}f\\g Marqués €Á¿") };
        QTest::newRow("raw line ends, backslash and line end") << QByteArray(
            "{\\rtf1 Vi\r\nna\nza\r\\\nb\\\r\nc}") << QStringList { "Vinaza", "b", "c" };
        QTest::newRow("named characters")
            << QByteArray(R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote  )"
                          R"(\emdash\endash\bullet\emspace\enspace\par})")
            << QStringList { u("‘a’ “b” —–•\u2003\u2002") };
        QTest::newRow("unicode, uc1")
            << QByteArray(R"({\rtf1 A\u241?o \u8364 ?\u-3913?\u-1?\u-10179?\u-8704?\par})")
            << QStringList { u("Año €\uF0B7\uFFFF😀") };
        QTest::newRow("unicode, uc0 and uc2")
            << QByteArray(R"({\rtf1\uc0 \u241\u233 x\uc2\u8364\'80\'81y\u8364 ab cd\par})")
            << QStringList { u("ñéx€y€ cd") };
        QTest::newRow("uc belongs to its group")
            << QByteArray(R"({\rtf1{\uc2\u8364 ab}\u8364 cd{\u8364}x\par})")
            << QStringList { u("€€d€x") };
        QTest::newRow("par is never a fallback")
            << QByteArray(R"({\rtf1 a\u8364\par b\par})") << QStringList { u("a€"), "b" };
        QTest::newRow("skipped destinations")
            << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;})"
                          R"({\stylesheet{\s1 Heading;}}{\info{\title Titulo}{\author Yo}})"
                          R"({\*\generator Gen 1.0;}{\header Cabecera\par}{\footer Pie\par})"
                          R"({\footnote Nota}{\*\unknown x{y}z}{\pict\pngblip 89504e47}text\par})")
            << QStringList { "text" };
        QTest::newRow("binary data")
            << QByteArray(R"({\rtf1 a{\pict\bin4 }{\}}b\bin3 {}\c\par})") << QStringList { "abc" };
        QTest::newRow("cells, rows and sections")
            << QByteArray(R"({\rtf1 a\cell b\cell\row c\sect d\par})")
            << QStringList { "a\tb\t", "c", "d" };
        QTest::newRow("bom, blanks and nul bytes")
            << QByteArray("\xef\xbb\xbf \r\n{\\rtf1 a\0b\\par}\r\n\0", 24) << QStringList { "ab" };

        // \'hh in the code page the document or its font gives.
        QTest::newRow("windows-1252 by default") << QByteArray(R"({\rtf1 \'8c\'9a\'f5)")
                + "\xf1\xe9\x80}" << QStringList { u("Œšõñé€") };
        QTest::newRow("ansicpg1250")
            << QByteArray(R"({\rtf1\ansi\ansicpg1250 \'8c\'9a\'f5})") << QStringList { u("Śšő") };
        QTest::newRow("unknown code page reads as 1252")
            << QByteArray(R"({\rtf1\ansi\ansicpg932 \'e9\'80})") << QStringList { u("é€") };
        QTest::newRow("pc is 437")
            << QByteArray(R"({\rtf1\pc \'a4\'82\'9b})") << QStringList { u("ñé¢") };
        QTest::newRow("font charset")
            << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}})"
                          R"(\f1\'8c{\f0\'8c}\'8c\plain\'8c})")
            << QStringList { u("ŚŒŚŒ") };

        // Damaged files keep every character the reader can reach.
        // After a stray brace, groups still end where they close.
        QTest::newRow("stray closing brace")
            << QByteArray(R"({\rtf1 a\par b}} c{\fonttbl{\f0 Arial;}}d\par})")
            << QStringList { "a", "b cd" };
        QTest::newRow("stray brace in a table")
            << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}}uno\par})") << QStringList { "uno" };
        // Cut inside each kind of token.
        QTest::newRow("truncated after a backslash")
            << QByteArray(R"({\rtf1 a\par b\)") << QStringList { "a", "b" };
        QTest::newRow("truncated hex escape")
            << QByteArray(R"({\rtf1 abc\'e)") << QStringList { "abc" };
        QTest::newRow("truncated unicode")
            << QByteArray(R"({\rtf1 abc\u)") << QStringList { "abc" };
        QTest::newRow("truncated inside a group")
            << QByteArray(R"({\rtf1 a\par {\b bo)") << QStringList { "a", "bo" };
        QTest::newRow("truncated in the font table")
            << QByteArray(R"({\rtf1{\fonttbl{\f0 Ari)") << QStringList();
        QTest::newRow("truncated in a skipped group")
            << QByteArray(R"({\rtf1 a\par{\*\themedata 504b03)") << QStringList { "a" };
        QTest::newRow("binary count past the end")
            << QByteArray(R"({\rtf1 abc\bin999999999 xyz)") << QStringList { "abc" };
        QTest::newRow("garbage control words")
            << QByteArray(R"({\rtf1 a\\\zz99999999999999999999 b\'zz c\u\uc-5 )"
                          R"(\fs-99999999999 d\*e{f\*g}\par})")
            << QStringList { "a\\bzz cdefg" };
        QTest::newRow("very long control word")
            << QByteArray("{\\rtf1 \\") + QByteArray(5000, 'x') + " y}" << QStringList { "y" };
        QTest::newRow("destination outside every group")
            << QByteArray(R"({\rtf1 a}\info b)") << QStringList { "ab" };
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x"
                + QByteArray(100000, '}')
                + "\\par}" << QStringList { "x" };
        QTest::newRow("deep nesting, never closed")
            << QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "y" << QStringList { "y" };
        QTest::newRow("deep skipped group") << QByteArray("{\\rtf1 {\\*\\x")
                + QByteArray(100000, '{') + QByteArray(100000, '}')
                + "}z}" << QStringList { "z" };
    }

    void read()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, lines);
        QVERIFY(rtf::isRtf(data));
        QCOMPARE(rtf::readLines(data), lines);
        QTextDocument doc;
        readTextDocument(data, &doc);
        QCOMPARE(
            blockTexts(doc).join(u'\n').replace(QChar::LineSeparator, u'\n'), lines.join(u'\n'));
    }

    void recordFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("libreoffice") << "Caveto20-libreoffice.Datos"
                                     << "Caveto20-libreoffice.lines.txt";
        QTest::newRow("wordpad") << "rtf/wordpad-datos.rtf"
                                 << "rtf/wordpad-datos.lines.txt";
    }

    void recordFiles()
    {
        // A record file reads line for line, trailing blanks kept, whatever
        // saved it.
        QFETCH(QString, file);
        QFETCH(QString, expected);
        const QByteArray data = sample(file);
        const QStringList lines = expectedLines(expected);
        QCOMPARE(readTextLines(data), lines);
    }

    void documents_data()
    {
        // Each document: its paragraphs (a \line stays inside its paragraph as
        // U+2028), their alignments, and pairs of (text, format of its first
        // character).
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<QString>("alignments");
        QTest::addColumn<QStringList>("formats");
        QTest::newRow("libreoffice notes")
            << sample("notas-libreoffice.rtf")
            << QStringList { u("Cata en casa de Pilar"),
                   u("Fecha / Hora ...... 14-2-2009 21:30:00"),
                   u("Un vino muy elegante, con taninos pulidos y final largo. Añada excepcional: "
                     "¡repetir!"),
                   u("Precio pagado: 18,50 €"),
                   u("Caracteres especiales: llave { y } y barra \\ invertida; comillas "
                     "“tipográficas” y guión — largo.") }
            << "CLLRL"
            << QStringList { "Cata en", "Liberation Serif 18 bold #800000", "Fecha",
                   "Liberation Mono 12", "taninos", "Liberation Serif 12 underline" };
        QTest::newRow("wordpad notes")
            << sample("rtf/wordpad-notas.rtf")
            << QStringList { u("Ribera del Duero"),
                   u("Una cata con aromas de frutos rojos y un final largo."), u("Precio: 25 €"),
                   u("·\tViña ¿buena? ¡sí!"), u("Maőr kodly\u2028segunda línea") }
            << "CLRLL"
            << QStringList { "Ribera", "Arial 16 bold #800000", "aromas", "Courier New 10 italic",
                   "frutos rojos", "Courier New 10 underline" };
        QTest::newRow("word notes")
            << sample("rtf/word-notas.rtf")
            << QStringList { u("Bodega de Pilar"),
                   u("Añada 2001: excepcional, “muy recomendable” — según la guía."),
                   u("·\tUva:\tTempranillo (85\u00A0%) y Graciano."),
                   u("Más información en www.dorioja.es"), u("Región: Łódź, ő, α, ж 😀"),
                   u("Etiqueta  pegada."), u("Precio: 25 €") }
            << "CLLLLLR"
            << QStringList { "Bodega", "Calibri 18 bold #800000", "muy recomendable",
                   "Calibri 11 italic", "según", "Calibri 11", "www.dorioja.es",
                   "Calibri 11 underline #0563c1" };
        // A Macintosh-style font table without inner groups.
        QTest::newRow("character formats")
            << QByteArray(R"({\rtf1\ansi\deff0{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;})"
                          R"({\colortbl;\red255\green0\blue0;})"
                          R"(a\ul b\ul0 c\uldb d\ulnone e\f1\fs18\b\i\cf1 f{\strike g}h)"
                          R"(\b0\i0\cf0 i\plain j\f7\cf9\fs29 k})")
            << QStringList { "abcdefghijk" } << "L"
            << QStringList { "a", "Helvetica 12", "b", "Helvetica 12 underline", "c",
                   "Helvetica 12", "d", "Helvetica 12 underline", "e", "Helvetica 12", "f",
                   "Courier 9 bold italic #ff0000", "g", "Courier 9 bold italic strike #ff0000",
                   "h", "Courier 9 bold italic #ff0000", "i", "Courier 9", "j", "Helvetica 12",
                   // An unknown font or colour keeps the current one.
                   "k", "Helvetica 14.5" };
        QTest::newRow("alignment, empty paragraph")
            << QByteArray(
                   R"({\rtf1{\fonttbl{\f0 Arial;}}\f0\qc a\par b\par\pard c\par\qr d\par\qj e)"
                   R"(\par{\pard\ql f\par}g\par\fs28\par})")
            << QStringList { "a", "b", "c", "d", "e", "f", "g", "" } << "CCLRJLJJ"
            << QStringList { "a", "Arial 12" };
        QTest::newRow("last paragraph without par keeps its alignment")
            << QByteArray(R"({\rtf1 a\par{\qr b}})") << QStringList { "a", "b" } << "LR"
            << QStringList();
        QTest::newRow("no text") << QByteArray(R"({\rtf1})") << QStringList() << "L"
                                 << QStringList();
        QTest::newRow("one empty paragraph")
            << QByteArray(R"({\rtf1\par})") << QStringList { "" } << "L" << QStringList();
        QTest::newRow("empty paragraphs")
            << QByteArray(R"({\rtf1 \par\par x\par\par})") << QStringList { "", "", "x", "" }
            << "LLLL" << QStringList();
        // U+FFFC typed by the user is text, not an embedded object.
        QTest::newRow("object replacement character as text")
            << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}\f0 a\u-4?b\par})")
            << QStringList { u("a\uFFFCb") } << "L" << QStringList { "a", "Arial 12" };
    }

    void documents()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, paragraphs);
        QFETCH(QString, alignments);
        QFETCH(QStringList, formats);
        QStringList lines;
        for (const QString &paragraph : paragraphs)
            lines += paragraph.split(QChar::LineSeparator);
        QCOMPARE(rtf::readLines(data), lines);
        QTextDocument doc;
        doc.setPlainText("old content\nreplaced");
        QCOMPARE(rtf::readDocument(data, &doc), paragraphs.size());
        QCOMPARE(blockTexts(doc), paragraphs.isEmpty() ? QStringList { "" } : paragraphs);
        QCOMPARE(::alignments(doc), alignments);
        for (qsizetype i = 0; i + 1 < formats.size(); i += 2)
            QCOMPARE(formatOf(doc, formats.at(i)), formats.at(i + 1));

        // A notes document saved as "Unicode" text by a Windows editor reads the same.
        QByteArray utf16("\xff\xfe");
        for (char c : data)
            utf16.append(c).append('\0');
        QCOMPARE(caveto::readTextLines(utf16), lines);

        // Written and read back, a document with formats of its own is the same,
        // format by format; and written again, the same file. (Plain text would
        // take the document's default font.)
        if (formats.isEmpty())
            return;
        const QByteArray written = rtf::writeDocument(&doc);
        QVERIFY(isSaneRtf(written));
        QTextDocument back;
        QCOMPARE(rtf::readDocument(written, &back), paragraphs.size());
        QCOMPARE(runs(back), runs(doc));
        QCOMPARE(::alignments(back), alignments);
        QCOMPARE(rtf::writeDocument(&back), written);
    }

    void writerOutput()
    {
        // The default font is a fixed-pitch 10 points; both can be chosen.
        QTextDocument doc;
        QCOMPARE(rtf::readDocument(rtf::writeLines({ "y" }), &doc), 1);
        QCOMPARE(formatOf(doc, "y"), QStringLiteral("Courier New 10"));
        QCOMPARE(rtf::readDocument(rtf::writeLines({ "x" }, QStringLiteral("Arial"), 12), &doc), 1);
        QCOMPARE(formatOf(doc, "x"), QStringLiteral("Arial 12"));
        // Above U+7FFF the number is signed, as every reader expects.
        QVERIFY(rtf::writeLines({ QString(QChar(0xFFFD)) }).contains("\\u-3?"));

        // Nothing to write gives a document without paragraphs.
        QCOMPARE(rtf::readDocument(rtf::writeLines({}), &doc), 0);
        const QByteArray emptyDoc = rtf::writeDocument(&doc);
        QVERIFY(isSaneRtf(emptyDoc));
        QCOMPARE(rtf::readDocument(emptyDoc, &doc), 0);

        // Text without a format of its own is written in the document's default
        // font; the notes editor gives it in pixels: 12 px is 9 points.
        QFont base(QStringLiteral("Courier New"));
        base.setPixelSize(12);
        doc.setDefaultFont(base);
        doc.setPlainText(QStringLiteral("abc"));
        QCOMPARE(rtf::readDocument(rtf::writeDocument(&doc), &doc), 1);
        QCOMPARE(formatOf(doc, "abc"), QStringLiteral("Courier New 9"));
    }

    void writeLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QString all1252;
        for (int b = 0; b < 256; ++b)
            all1252 += win1252::toUnicode(uchar(b));
        QString latin;
        for (int c = 0x100; c < 0x800; ++c)
            latin += QChar(c);
        QTest::newRow("none") << QStringList();
        QTest::newRow("one empty") << QStringList { "" };
        QTest::newRow("blanks") << QStringList { "a   ", "  lead", "a   b", " ", "   " };
        QTest::newRow("specials") << QStringList { "{a}\\b", "\\", "{", "}",
            "\\{}\\par \\'e9 \\u1?" };
        QTest::newRow("tabs") << QStringList { "a\tb", "\t", "a\t\tb", "\t5", "\t " };
        QTest::newRow("every windows-1252 byte") << QStringList { all1252, u("Marqués año") };
        QTest::newRow("digits after escapes") << QStringList { u("é1 €2 ☃3 \\4") };
        QTest::newRow("unicode") << QStringList { latin, u("α ж 中文 😀 ☃ \u0080\uFFFD"),
            QString(QChar(0xDC00)) + QChar(0xD800) };
        QTest::newRow("very long line") << QStringList { QString(100000, u'x') + u("é ") };
        QTest::newRow("line separators") << QStringList { u("a\u2028b\u2029c") };
    }

    void writeLines()
    {
        QFETCH(QStringList, lines);
        const QByteArray rtf = rtf::writeLines(lines);
        QVERIFY(isSaneRtf(rtf));
        QCOMPARE(readTextLines(rtf), lines);
    }

    void bigRecordFile()
    {
        // A record file of 100,000 lines of 1015 columns (about 100 MB of RTF),
        // with escapes, tabs and trailing blanks on every line.
        QStringList lines;
        lines.reserve(100000);
        const QString fields = u("Marqués {Viña} \\ Pingüino\tCrianza ¿¡€ ☃ ");
        for (int i = 0; i < 100000; ++i)
            lines.append((fields + QString::number(i)).leftJustified(1015));

        // Generous bounds: they catch a slow algorithm, not a slow machine.
        QElapsedTimer timer;
        timer.start();
        const QByteArray rtf = rtf::writeLines(lines);
        QVERIFY2(timer.restart() < 10000, "writing took too long");
        QCOMPARE(rtf::readLines(rtf), lines);
        QVERIFY2(timer.elapsed() < 10000, "reading took too long");
    }
};

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
