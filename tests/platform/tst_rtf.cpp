// The RTF reader and writer: files as WordPad, LibreOffice and Word write
// them, damaged files, and the writer's output read back.

#include "platform/Rtf.h"
#include "platform/Win1252.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace caveto;

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

QStringList blockTexts(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts.append(b.text());
    return texts;
}

// The format of the first character of the first occurrence of `text`.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &text)
{
    const QTextCursor found = doc.find(text);
    if (found.isNull()) {
        qWarning("text not found: %s", qPrintable(text));
        return {};
    }
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

Qt::Alignment alignmentOf(const QTextDocument &doc, int block)
{
    return doc.findBlockByNumber(block).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

QString familyOf(const QTextCharFormat &f)
{
    return f.fontFamilies().toStringList().value(0);
}

QColor colorOf(const QTextCharFormat &f)
{
    return f.foreground().style() == Qt::NoBrush ? QColor() : f.foreground().color();
}

bool isSevenBit(const QByteArray &data)
{
    return std::all_of(data.begin(), data.end(), [](char c) { return uchar(c) < 0x80; });
}

// Braces outside escapes balance, and never go below zero.
bool bracesBalance(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '\\') {
            ++i;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                return false;
        }
    }
    return depth == 0;
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// A 1015-column record line: fields padded with blanks, trailing blanks
// up to the end, the way the record file holds them.
QString recordLine(int i)
{
    static const char *const names[] = { "Marqués de Cáceres", "Viña Tondonia", "Pingüino {ñandú}",
        "Château d'Yquem", "Cava \\ Brut" };
    QString line = u(names[i % 5]).leftJustified(30) + u' ' + QString::number(1950 + i % 60) + u' '
        + u("Ribera del Duero").leftJustified(30) + u' '
        + u("Tinto\tCrianza ¿¡€").leftJustified(30);
    line += QString::number(i).leftJustified(500);
    line += QStringLiteral("%1").arg(i, 16, 10, QChar(u'0'));
    return line.leftJustified(1015);
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void isRtf_data();
    void isRtf();
    void readLines_data();
    void readLines();
    void codePages_data();
    void codePages();
    void damaged_data();
    void damaged();
    void truncatedAnywhere();
    void randomDamage();

    void libreOfficeRecordFile();
    void libreOfficeNotes();
    void wordPadRecordFile();
    void wordPadNotes();
    void wordNotes();
    void characterFormats_data();
    void characterFormats();
    void paragraphAlignment();
    void documentParagraphCount_data();
    void documentParagraphCount();

    void writerHeader();
    void writerEscapes_data();
    void writerEscapes();
    void roundTrip_data();
    void roundTrip();
    void writeLinesFont();
    void documentRoundTrip();
    void documentSizeFromPixels();
    void bigRecordFile();
};

void TestRtf::isRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("plain header") << QByteArray("{\\rtf1\\ansi x}") << true;
    QTest::newRow("bom and blanks") << QByteArray("\xef\xbb\xbf \r\n\t{\\rtf1}") << true;
    QTest::newRow("damaged after header") << QByteArray("{\\rtf1{{{") << true;
    QTest::newRow("just the prefix") << QByteArray("{\\rtf") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("plain text") << QByteArray("Marqu\xe9s de C\xe1"
                                              "ceres\r\n")
                                << false;
    QTest::newRow("text before") << QByteArray("x{\\rtf1}") << false;
    QTest::newRow("upper case") << QByteArray("{\\RTF1}") << false;
    QTest::newRow("short") << QByteArray("{\\rt") << false;
    QTest::newRow("utf-16") << QByteArray("\xff\xfe{\0\\\0r\0t\0f\0", 12) << false;
}

void TestRtf::isRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, rtf);
    QCOMPARE(rtf::isRtf(data), rtf);
}

void TestRtf::readLines_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("paragraphs") << QByteArray(R"({\rtf1 uno\par dos\par})")
                                << QStringList { "uno", "dos" };
    QTest::newRow("text after the last par")
        << QByteArray(R"({\rtf1 uno\par dos})") << QStringList { "uno", "dos" };
    QTest::newRow("no text") << QByteArray(R"({\rtf1\ansi\deff0})") << QStringList();
    QTest::newRow("empty paragraphs")
        << QByteArray(R"({\rtf1 \par\par})") << QStringList { "", "" };
    QTest::newRow("empty paragraph between")
        << QByteArray(R"({\rtf1 a\par\par b\par})") << QStringList { "a", "", "b" };
    QTest::newRow("line ends a line")
        << QByteArray(R"({\rtf1 a\line b\par})") << QStringList { "a", "b" };
    QTest::newRow("blanks kept") << QByteArray(R"({\rtf1   a  b   \par})")
                                 << QStringList { "  a  b   " };
    QTest::newRow("delimiting space")
        << QByteArray(R"({\rtf1\b bold\b0  normal\par})") << QStringList { "bold normal" };
    QTest::newRow("digits after a parameter")
        << QByteArray(R"({\rtf1\fs20 10 EUR\par})") << QStringList { "10 EUR" };
    QTest::newRow("negative parameters")
        << QByteArray(R"({\rtf1 a\fi-360 b\li-1\par})") << QStringList { "ab" };
    QTest::newRow("hyphen without digits is text")
        << QByteArray(R"({\rtf1\b-x\par})") << QStringList { "-x" };
    QTest::newRow("unknown control words")
        << QByteArray(R"({\rtf1 a\zzz b\foo123 c\bar-5 d\par})") << QStringList { "abcd" };
    QTest::newRow("control symbols") << QByteArray(R"({\rtf1 a\~b\-c\_d\{e\}f\\g\par})")
                                     << QStringList { u("a\u00A0bc\u2011d{e}f\\g") };
    QTest::newRow("hex escapes") << QByteArray(R"({\rtf1 Marqu\'e9s \'80 \'C1\'bf\'a1\par})")
                                 << QStringList { u("Marqués € Á¿¡") };
    QTest::newRow("raw line ends ignored")
        << QByteArray("{\\rtf1 Vi\r\nna\nza\r\\par}") << QStringList { "Vinaza" };
    QTest::newRow("backslash and line end is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb\\\r\nc}") << QStringList { "a", "b", "c" };
    QTest::newRow("tabs") << QByteArray(R"({\rtf1 a\tab b\tab\tab c\par})")
                          << QStringList { "a\tb\t\tc" };
    QTest::newRow("named characters")
        << QByteArray(R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote  )"
                      R"(\emdash\endash\bullet\emspace\enspace\par})")
        << QStringList { u("‘a’ “b” —–•\u2003\u2002") };
    QTest::newRow("unicode, uc1") << QByteArray(R"({\rtf1 A\u241?o\par})")
                                  << QStringList { u("Año") };
    QTest::newRow("unicode, space and fallback")
        << QByteArray(R"({\rtf1 \u8364 ?\par})") << QStringList { u("€") };
    QTest::newRow("unicode with hex fallback")
        << QByteArray(R"({\rtf1 \u8364\'80 y \u8220\'93x\u8221\'94\par})")
        << QStringList { u("€ y “x”") };
    QTest::newRow("unicode, negative") << QByteArray(R"({\rtf1\u-3913?\u-1?\par})")
                                       << QStringList { QString(QChar(0xF0B7)) + QChar(0xFFFF) };
    QTest::newRow("unicode, uc0") << QByteArray(R"({\rtf1\uc0 \u241\u233 x\par})")
                                  << QStringList { u("ñéx") };
    QTest::newRow("unicode, uc2") << QByteArray(R"({\rtf1\uc2\u8364\'80\'81x\par})")
                                  << QStringList { u("€x") };
    QTest::newRow("fallback counts text bytes")
        << QByteArray(R"({\rtf1\uc2\u8364 ab cd\par})") << QStringList { u("€ cd") };
    QTest::newRow("uc belongs to its group")
        << QByteArray(R"({\rtf1{\uc2\u8364 ab}\u8364 cd\par})") << QStringList { u("€€d") };
    QTest::newRow("group end stops the skipping")
        << QByteArray(R"({\rtf1{\u8364}x\par})") << QStringList { u("€x") };
    QTest::newRow("surrogate pair")
        << QByteArray(R"({\rtf1\u-10179?\u-8704?\par})") << QStringList { u("😀") };
    QTest::newRow("par is never a fallback")
        << QByteArray(R"({\rtf1 a\u8364\par b\par})") << QStringList { u("a€"), "b" };
    QTest::newRow("skipped destinations")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;})"
                      R"({\stylesheet{\s1 Heading;}}{\info{\title Titulo}{\author Yo}})"
                      R"({\*\generator Gen 1.0;}{\header Cabecera\par}{\footer Pie\par})"
                      R"({\footnote Nota}{\*\unknown x{y}z}{\pict\pngblip 89504e47}text\par})")
        << QStringList { "text" };
    QTest::newRow("binary data with braces")
        << QByteArray(R"({\rtf1 a{\pict\bin4 }{\}}b\par})") << QStringList { "ab" };
    QTest::newRow("binary data in text")
        << QByteArray(R"({\rtf1 x\bin3 {}\y\par})") << QStringList { "xy" };
    QTest::newRow("field result is text")
        << QByteArray(R"({\rtf1 {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt enlace}}\par})")
        << QStringList { "enlace" };
    QTest::newRow("old field instruction")
        << QByteArray(R"({\rtf1 p{\field{\fldinst PAGE}{\fldrslt 3}}\par})")
        << QStringList { "p3" };
    QTest::newRow("cells, rows and sections")
        << QByteArray(R"({\rtf1 a\cell b\cell\row c\sect d\par})")
        << QStringList { "a\tb\t", "c", "d" };
    QTest::newRow("nul bytes ignored")
        << QByteArray("{\\rtf1 a\0b\\par}\r\n\0", 18) << QStringList { "ab" };
    QTest::newRow("bom and blanks before")
        << QByteArray("\xef\xbb\xbf \r\n{\\rtf1 x\\par}") << QStringList { "x" };
    QTest::newRow("a star inside a group is not a destination")
        << QByteArray(R"({\rtf1 {a\*b}\par})") << QStringList { "ab" };
}

void TestRtf::readLines()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, lines);
    QCOMPARE(rtf::readLines(data), lines);
    QCOMPARE(readTextLines(data), lines);
}

void TestRtf::codePages_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    QTest::newRow("windows-1252 by default") << QByteArray(R"({\rtf1 \'8c\'9a\'f5})") << u("Œšõ");
    QTest::newRow("ansicpg1250") << QByteArray(R"({\rtf1\ansi\ansicpg1250 \'8c\'9a\'f5})")
                                 << u("Śšő");
    QTest::newRow("unknown code page reads as 1252")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 \'e9\'80})") << u("é€");
    QTest::newRow("pc is 437") << QByteArray(R"({\rtf1\pc \'a4\'82\'9b})") << u("ñé¢");
    QTest::newRow("pca is 850") << QByteArray(R"({\rtf1\pca \'a5\'9d})") << u("ÑØ");
    QTest::newRow("font charset") << QByteArray(
        R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}})"
        R"(\f1\'8c{\f0\'8c}\'8c\plain\'8c})")
                                  << u("ŚŒŚŒ");
    QTest::newRow("raw 8-bit bytes") << QByteArray("{\\rtf1 \xf1\xe9\x80}") << u("ñé€");
}

void TestRtf::codePages()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QCOMPARE(rtf::readLines(data), QStringList { text });
}

void TestRtf::damaged_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("stray closing brace")
        << QByteArray(R"({\rtf1 a\par b}} c\par})") << QStringList { "a", "b c" };
    QTest::newRow("stray brace in a table")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}}uno\par})") << QStringList { "uno" };
    QTest::newRow("truncated inside a group")
        << QByteArray(R"({\rtf1 a\par {\b bo)") << QStringList { "a", "bo" };
    QTest::newRow("missing final braces")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}{\b uno\par dos)")
        << QStringList { "uno", "dos" };
    QTest::newRow("truncated in the font table")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Ari)") << QStringList();
    QTest::newRow("truncated in a skipped group")
        << QByteArray(R"({\rtf1 a\par{\*\themedata 504b03)") << QStringList { "a" };
    QTest::newRow("truncated after a backslash")
        << QByteArray("{\\rtf1 abc\\") << QStringList { "abc" };
    QTest::newRow("truncated hex escape")
        << QByteArray(R"({\rtf1 abc\'e)") << QStringList { "abc" };
    QTest::newRow("unicode without number")
        << QByteArray(R"({\rtf1 abc\u)") << QStringList { "abc" };
    QTest::newRow("binary count past the end")
        << QByteArray(R"({\rtf1 abc\bin999999999 xyz)") << QStringList { "abc" };
    QTest::newRow("garbage control words") << QByteArray(
        R"({\rtf1 a\\\zz99999999999999999999 b\'zz c\u\uc-5 )"
        R"(\fs-99999999999 d\*e\par})") << QStringList { "a\\bzz cde" };
    QTest::newRow("very long control word") << QByteArray("{\\rtf1 \\") + QByteArray(5000, 'x')
            + QByteArray(" y}") << QStringList { "y" };
    QTest::newRow("destination outside every group")
        << QByteArray(R"({\rtf1 a}\info b)") << QStringList { "ab" };
    QTest::newRow("only an opening brace") << QByteArray("{") << QStringList();
    QTest::newRow("empty input") << QByteArray() << QStringList();
    QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x"
            + QByteArray(100000, '}')
            + "\\par}" << QStringList { "x" };
    QTest::newRow("deep nesting, never closed")
        << QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "y" << QStringList { "y" };
    QTest::newRow("deep skipped group")
        << QByteArray("{\\rtf1 {\\*\\x") + QByteArray(100000, '{') + QByteArray(100000, '}') + "}z}"
        << QStringList { "z" };
}

void TestRtf::damaged()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, lines);
    QCOMPARE(rtf::readLines(data), lines);
    // A damaged RTF file is never taken for plain text.
    if (rtf::isRtf(data))
        QCOMPARE(readTextLines(data), lines);
    QTextDocument doc;
    rtf::readDocument(data, &doc);
    QCOMPARE(doc.toPlainText(), lines.join(u'\n'));
}

void TestRtf::truncatedAnywhere()
{
    // Cut the writer's output at every byte: what is read is always the
    // beginning of the text, never anything else.
    const QStringList lines { u("Marqués de Cáceres  "), QString(), u("  {Viña} \\ ñandú\t€"),
        u("¿Última?") };
    const QByteArray rtf = rtf::writeLines(lines);
    const QString whole = lines.join(u'\n');
    for (qsizetype cut = 0; cut <= rtf.size(); ++cut) {
        const QByteArray part = rtf.left(cut);
        const QString text = rtf::readLines(part).join(u'\n');
        if (!whole.startsWith(text))
            QFAIL(qPrintable(QStringLiteral("cut at %1 gives %2").arg(cut).arg(text)));
        if (rtf::isRtf(part))
            QCOMPARE(readTextLines(part), rtf::readLines(part));
    }
}

void TestRtf::randomDamage()
{
    // Damaged copies of every sample: each read ends and keeps to sane sizes.
    const QStringList files { "Caveto20-libreoffice.Datos", "notas-libreoffice.rtf",
        "rtf/word-notas.rtf", "rtf/wordpad-notas.rtf" };
    QRandomGenerator rng(20090214);
    static const char noise[] = "{}\\'*~-_0123456789abcdefu ;\r\n";
    for (const QString &file : files) {
        const QByteArray original = sample(file);
        for (int round = 0; round < 200; ++round) {
            QByteArray data = original;
            const int edits = 1 + int(rng.bounded(8));
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = rng.bounded(int(data.size()));
                switch (rng.bounded(3)) {
                case 0:
                    data[at] = noise[rng.bounded(int(sizeof(noise) - 1))];
                    break;
                case 1:
                    data.remove(at, 1 + rng.bounded(20));
                    break;
                default:
                    data.insert(at, noise[rng.bounded(int(sizeof(noise) - 1))]);
                    break;
                }
            }
            const QStringList lines = readTextLines(data);
            QVERIFY(lines.join(QString()).size() <= data.size());
            QTextDocument doc;
            readTextDocument(data, &doc);
            QVERIFY(doc.characterCount() <= data.size() + 1);
        }
    }
}

void TestRtf::libreOfficeRecordFile()
{
    const QByteArray data = sample("Caveto20-libreoffice.Datos");
    QVERIFY(rtf::isRtf(data));
    const QStringList expected = expectedLines("Caveto20-libreoffice.lines.txt");
    QCOMPARE(expected.size(), 3);
    const QStringList lines = rtf::readLines(data);
    QCOMPARE(lines, expected);
    for (const QString &line : lines)
        QCOMPARE(line.size(), 1015);
    QCOMPARE(readTextLines(data), expected);

    QTextDocument doc;
    QCOMPARE(rtf::readDocument(data, &doc), 3);
    QCOMPARE(blockTexts(doc), expected);
    QCOMPARE(familyOf(formatOf(doc, "Blanco de Rueda")), QStringLiteral("Liberation Mono"));
    QCOMPARE(formatOf(doc, "Blanco de Rueda").fontPointSize(), 10.0);
}

void TestRtf::libreOfficeNotes()
{
    const QByteArray data = sample("notas-libreoffice.rtf");
    const QStringList expected {
        u("Cata en casa de Pilar"),
        u("Fecha / Hora ...... 14-2-2009 21:30:00"),
        u("Un vino muy elegante, con taninos pulidos y final largo. Añada excepcional: "
          "¡repetir!"),
        u("Precio pagado: 18,50 €"),
        u("Caracteres especiales: llave { y } y barra \\ invertida; comillas “tipográficas” "
          "y guión — largo."),
    };
    QCOMPARE(rtf::readLines(data), expected);

    QTextDocument doc;
    QCOMPARE(rtf::readDocument(data, &doc), 5);
    QCOMPARE(blockTexts(doc), expected);

    const QTextCharFormat title = formatOf(doc, "Cata en casa");
    QCOMPARE(alignmentOf(doc, 0), Qt::AlignHCenter);
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontPointSize(), 18.0);
    QCOMPARE(colorOf(title), QColor(128, 0, 0));
    QCOMPARE(familyOf(title), QStringLiteral("Liberation Serif"));

    QCOMPARE(familyOf(formatOf(doc, "Fecha / Hora")), QStringLiteral("Liberation Mono"));
    QCOMPARE(alignmentOf(doc, 1), Qt::AlignLeft);

    QVERIFY(formatOf(doc, "muy elegante").fontItalic());
    QVERIFY(!formatOf(doc, "Un vino").fontItalic());
    QVERIFY(!formatOf(doc, "Un vino").fontUnderline());
    QVERIFY(formatOf(doc, "taninos").fontUnderline());
    QVERIFY(!formatOf(doc, "pulidos").fontUnderline());
    QCOMPARE(formatOf(doc, "Un vino").fontWeight(), int(QFont::Normal));
    QCOMPARE(formatOf(doc, "Un vino").fontPointSize(), 12.0);
    QCOMPARE(familyOf(formatOf(doc, "Un vino")), QStringLiteral("Liberation Serif"));
    QVERIFY(!colorOf(formatOf(doc, "Un vino")).isValid());

    QCOMPARE(alignmentOf(doc, 3), Qt::AlignRight);
    QCOMPARE(colorOf(formatOf(doc, "Precio pagado")), QColor(0, 0, 255));
}

void TestRtf::wordPadRecordFile()
{
    const QByteArray data = sample("rtf/wordpad-datos.rtf");
    const QStringList expected = expectedLines("rtf/wordpad-datos.lines.txt");
    QCOMPARE(expected.size(), 3);
    QCOMPARE(rtf::readLines(data), expected);
    QCOMPARE(readTextLines(data), expected);
    for (const QString &line : expected)
        QCOMPARE(line.size(), 1015);
}

void TestRtf::wordPadNotes()
{
    const QByteArray data = sample("rtf/wordpad-notas.rtf");
    QCOMPARE(rtf::readLines(data),
        (QStringList { u("Ribera del Duero"),
            u("Una cata con aromas de frutos rojos y un final largo."), u("Precio: 25 €"),
            u("·\tViña ¿buena? ¡sí!"), u("Maőr kodly"), u("segunda línea") }));

    QTextDocument doc;
    QCOMPARE(rtf::readDocument(data, &doc), 5);
    QCOMPARE(doc.findBlockByNumber(4).text(), u("Maőr kodly\u2028segunda línea"));
    const QTextCharFormat title = formatOf(doc, "Ribera");
    QCOMPARE(alignmentOf(doc, 0), Qt::AlignHCenter);
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontPointSize(), 16.0);
    QCOMPARE(familyOf(title), QStringLiteral("Arial"));
    QCOMPARE(colorOf(title), QColor(128, 0, 0));
    const QTextCharFormat body = formatOf(doc, "Una cata");
    QCOMPARE(familyOf(body), QStringLiteral("Courier New"));
    QCOMPARE(body.fontPointSize(), 10.0);
    QVERIFY(!body.fontItalic());
    QVERIFY(formatOf(doc, "aromas").fontItalic());
    QVERIFY(formatOf(doc, "frutos rojos").fontUnderline());
    QVERIFY(!formatOf(doc, " y un final").fontUnderline());
    QCOMPARE(formatOf(doc, "largo").fontWeight(), int(QFont::Bold));
    QCOMPARE(alignmentOf(doc, 1), Qt::AlignLeft);
    QCOMPARE(alignmentOf(doc, 2), Qt::AlignRight);
    QCOMPARE(colorOf(formatOf(doc, "Precio")), QColor(0, 0, 255));
}

void TestRtf::wordNotes()
{
    const QByteArray data = sample("rtf/word-notas.rtf");
    const QStringList expected {
        u("Bodega de Pilar"),
        u("Añada 2001: excepcional, “muy recomendable” — según la guía."),
        u("·\tUva:\tTempranillo (85\u00A0%) y Graciano."),
        u("Más información en www.dorioja.es"),
        u("Región: Łódź, ő, α, ж 😀"),
        u("Etiqueta  pegada."),
        u("Precio: 25 €"),
    };
    QCOMPARE(rtf::readLines(data), expected);

    QTextDocument doc;
    QCOMPARE(rtf::readDocument(data, &doc), 7);
    QCOMPARE(blockTexts(doc), expected);
    const QTextCharFormat title = formatOf(doc, "Bodega");
    QCOMPARE(alignmentOf(doc, 0), Qt::AlignHCenter);
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontPointSize(), 18.0);
    QCOMPARE(familyOf(title), QStringLiteral("Calibri"));
    QCOMPARE(colorOf(title), QColor(128, 0, 0));
    QVERIFY(formatOf(doc, "muy recomendable").fontItalic());
    QVERIFY(!formatOf(doc, "según").fontItalic());
    QCOMPARE(formatOf(doc, "según").fontPointSize(), 11.0);
    const QTextCharFormat link = formatOf(doc, "www.dorioja.es");
    QVERIFY(link.fontUnderline());
    QCOMPARE(colorOf(link), QColor(5, 99, 193));
    QCOMPARE(alignmentOf(doc, 6), Qt::AlignRight);
    QCOMPARE(alignmentOf(doc, 1), Qt::AlignLeft);
}

void TestRtf::characterFormats_data()
{
    // Each letter of the document below, with the format it must have.
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strike");
    QTest::addColumn<QColor>("color");
    const QColor none;
    QTest::newRow("default font") << "a"
                                  << "Helvetica" << 12.0 << false << false << false << false
                                  << none;
    QTest::newRow("underline") << "b"
                               << "Helvetica" << 12.0 << false << false << true << false << none;
    QTest::newRow("ul0 ends it") << "c"
                                 << "Helvetica" << 12.0 << false << false << false << false << none;
    QTest::newRow("double underline")
        << "d"
        << "Helvetica" << 12.0 << false << false << true << false << none;
    QTest::newRow("ulnone ends it")
        << "e"
        << "Helvetica" << 12.0 << false << false << false << false << none;
    QTest::newRow("bold, italic, red")
        << "f"
        << "Courier" << 9.0 << true << true << false << false << QColor(255, 0, 0);
    QTest::newRow("group adds strike")
        << "g"
        << "Courier" << 9.0 << true << true << false << true << QColor(255, 0, 0);
    QTest::newRow("group end restores")
        << "h"
        << "Courier" << 9.0 << true << true << false << false << QColor(255, 0, 0);
    QTest::newRow("b0 i0 cf0") << "i"
                               << "Courier" << 9.0 << false << false << false << false << none;
    QTest::newRow("plain resets") << "j"
                                  << "Helvetica" << 12.0 << false << false << false << false
                                  << none;
    QTest::newRow("unknown font and colour")
        << "k"
        << "Helvetica" << 14.5 << false << false << false << false << none;
}

void TestRtf::characterFormats()
{
    QFETCH(QString, letter);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strike);
    QFETCH(QColor, color);
    // A Macintosh-style font table without inner groups.
    const QByteArray data(R"({\rtf1\ansi\deff0{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;})"
                          R"({\colortbl;\red255\green0\blue0;})"
                          R"(a\ul b\ul0 c\uldb d\ulnone e\f1\fs18\b\i\cf1 f{\strike g}h)"
                          R"(\b0\i0\cf0 i\plain j\f7\cf9\fs29 k})");
    QTextDocument doc;
    rtf::readDocument(data, &doc);
    QCOMPARE(doc.toPlainText(), QStringLiteral("abcdefghijk"));
    const QTextCharFormat f = formatOf(doc, letter);
    QCOMPARE(familyOf(f), family);
    QCOMPARE(f.fontPointSize(), points);
    QCOMPARE(f.fontWeight() >= QFont::DemiBold, bold);
    QCOMPARE(f.fontItalic(), italic);
    QCOMPARE(f.fontUnderline(), underline);
    QCOMPARE(f.fontStrikeOut(), strike);
    QCOMPARE(colorOf(f), color);
}

void TestRtf::paragraphAlignment()
{
    const QByteArray data(
        R"({\rtf1\qc a\par b\par\pard c\par\qr d\par\qj e\par{\pard\ql f\par}g\par})");
    QTextDocument doc;
    QCOMPARE(rtf::readDocument(data, &doc), 7);
    QCOMPARE(blockTexts(doc), (QStringList { "a", "b", "c", "d", "e", "f", "g" }));
    const Qt::Alignment expected[] = { Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft,
        Qt::AlignRight, Qt::AlignJustify, Qt::AlignLeft, Qt::AlignJustify };
    for (int i = 0; i < 7; ++i)
        QCOMPARE(alignmentOf(doc, i), expected[i]);
}

void TestRtf::documentParagraphCount_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QStringList>("blocks");
    QTest::newRow("no text") << QByteArray(R"({\rtf1})") << 0 << QStringList { "" };
    QTest::newRow("one empty paragraph") << QByteArray(R"({\rtf1\par})") << 1 << QStringList { "" };
    QTest::newRow("ends with par")
        << QByteArray(R"({\rtf1 a\par b\par})") << 2 << QStringList { "a", "b" };
    QTest::newRow("text after par")
        << QByteArray(R"({\rtf1 a\par b})") << 2 << QStringList { "a", "b" };
    QTest::newRow("empty lines") << QByteArray(R"({\rtf1 \par\par x\par\par})") << 4
                                 << QStringList { "", "", "x", "" };
}

void TestRtf::documentParagraphCount()
{
    QFETCH(QByteArray, data);
    QFETCH(int, paragraphs);
    QFETCH(QStringList, blocks);
    QTextDocument doc;
    doc.setPlainText("old content\nreplaced");
    QCOMPARE(rtf::readDocument(data, &doc), paragraphs);
    QCOMPARE(blockTexts(doc), blocks);
}

void TestRtf::writerHeader()
{
    const QStringList lines { u("Marqués"), QString(), u("€ ☃") };
    const QByteArray rtf = rtf::writeLines(lines);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0"));
    QVERIFY(rtf.contains(" Courier New;}}"));
    QVERIFY(rtf.contains("{\\colortbl ;}"));
    QVERIFY(rtf.contains("\\uc1"));
    QVERIFY(rtf.contains("\\fs20"));
    QVERIFY(rtf.endsWith("}\r\n"));
    QCOMPARE(rtf.count("\\par\r\n"), 3);
    QVERIFY(isSevenBit(rtf));
    QVERIFY(bracesBalance(rtf));
    QVERIFY(rtf::isRtf(rtf));

    const QByteArray empty = rtf::writeLines({});
    QVERIFY(rtf::isRtf(empty));
    QVERIFY(bracesBalance(empty));
    QCOMPARE(empty.count("\\par\r\n"), 0);
    QCOMPARE(rtf::readLines(empty), QStringList());
    QTextDocument doc;
    QCOMPARE(rtf::readDocument(empty, &doc), 0);

    // An empty document is written without paragraphs and reads back empty.
    const QByteArray emptyDoc = rtf::writeDocument(&doc);
    QVERIFY(rtf::isRtf(emptyDoc));
    QVERIFY(bracesBalance(emptyDoc));
    QCOMPARE(emptyDoc.count("\\par\r\n"), 0);
    QCOMPARE(rtf::readDocument(emptyDoc, &doc), 0);
    QVERIFY(doc.isEmpty());
}

void TestRtf::writerEscapes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("ascii") << QStringLiteral("Rioja 1998") << QByteArray("Rioja 1998\\par");
    QTest::newRow("accents") << u("Marqués año") << QByteArray("Marqu\\'e9s a\\'f1o\\par");
    QTest::newRow("braces and backslash")
        << QStringLiteral("{a}\\b") << QByteArray("\\{a\\}\\\\b\\par");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b\\par");
    QTest::newRow("euro and an undefined byte") << u("€\u0081") << QByteArray("\\'80\\'81\\par");
    QTest::newRow("outside windows-1252") << u("☃") << QByteArray("\\u9731?\\par");
    QTest::newRow("above 0x7fff") << QString(QChar(0xFFFD)) << QByteArray("\\u-3?\\par");
    QTest::newRow("U+0080") << QString(QChar(0x80)) << QByteArray("\\u128?\\par");
    QTest::newRow("control character") << QStringLiteral("\x01") << QByteArray("\\'01\\par");
    QTest::newRow("delete") << QStringLiteral("\x7f") << QByteArray("\\'7f\\par");
    QTest::newRow("trailing blanks") << QStringLiteral("a   ") << QByteArray("a   \\par");
}

void TestRtf::writerEscapes()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, rtf);
    const QByteArray out = rtf::writeLines({ line });
    QVERIFY2(out.contains(rtf), out.constData());
    QVERIFY(isSevenBit(out));
}

void TestRtf::roundTrip_data()
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
    QTest::newRow("two empty") << QStringList { "", "" };
    QTest::newRow("blanks") << QStringList { "  lead", "trail  ", "a   b", " ", "   " };
    QTest::newRow("specials") << QStringList { "\\", "{", "}", "\\{}\\par \\'e9 \\u1?" };
    QTest::newRow("tabs") << QStringList { "\t", "a\t\tb", "\t5", "\t " };
    QTest::newRow("spanish") << QStringList { u("¿Añada? ¡Sí! Pingüino ñandú €"),
        u("ÁÉÍÓÚÜÑáéíóúüñ") };
    QTest::newRow("every windows-1252 byte") << QStringList { all1252 };
    QTest::newRow("digits after escapes") << QStringList { u("é1 €2 ☃3 \\4") };
    QTest::newRow("unicode") << QStringList { latin, u("α ж 中文 😀 ☃"),
        QString(QChar(0xDC00)) + QChar(0xD800) };
    QTest::newRow("record lines") << QStringList { recordLine(1), recordLine(2), recordLine(3) };
    QTest::newRow("very long line") << QStringList { QString(100000, u'x') + u("é ") };
    QTest::newRow("line separators") << QStringList { u("a\u2028b\u2029c") };
}

void TestRtf::roundTrip()
{
    QFETCH(QStringList, lines);
    const QByteArray rtf = rtf::writeLines(lines);
    QVERIFY(isSevenBit(rtf));
    QVERIFY(bracesBalance(rtf));
    QCOMPARE(rtf::readLines(rtf), lines);
    QCOMPARE(readTextLines(rtf), lines);
}

void TestRtf::writeLinesFont()
{
    const QByteArray rtf = rtf::writeLines({ "x" }, QStringLiteral("Arial"), 12);
    QVERIFY(rtf.contains(" Arial;}"));
    QVERIFY(rtf.contains("\\fs24"));
    QTextDocument doc;
    QCOMPARE(rtf::readDocument(rtf, &doc), 1);
    const QTextCharFormat f = formatOf(doc, "x");
    QCOMPARE(familyOf(f), QStringLiteral("Arial"));
    QCOMPARE(f.fontPointSize(), 12.0);

    // The default is a fixed-pitch font of 10 points.
    QTextDocument doc2;
    rtf::readDocument(rtf::writeLines({ "y" }), &doc2);
    QCOMPARE(familyOf(formatOf(doc2, "y")), QStringLiteral("Courier New"));
    QVERIFY(formatOf(doc2, "y").fontFixedPitch());
    QCOMPARE(formatOf(doc2, "y").fontPointSize(), 10.0);
}

void TestRtf::documentRoundTrip()
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    QTextCursor c(&doc);
    auto format = [](const QString &family, qreal size) {
        QTextCharFormat f;
        f.setFontFamilies({ family });
        f.setFontPointSize(size);
        return f;
    };
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    QTextCharFormat title = format("Liberation Serif", 18);
    title.setFontWeight(QFont::Bold);
    title.setForeground(QColor(128, 0, 0));
    c.insertText(u("Cata de Vinos"), title);

    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    c.insertBlock(left);
    const QTextCharFormat body = format("Liberation Mono", 10);
    c.insertText(u("Un vino "), body);
    QTextCharFormat italic = body;
    italic.setFontItalic(true);
    c.insertText(u("muy elegante"), italic);
    c.insertText(u(", con "), body);
    QTextCharFormat under = body;
    under.setFontUnderline(true);
    c.insertText(u("taninos"), under);
    QTextCharFormat strike = body;
    strike.setFontStrikeOut(true);
    c.insertText(u(" tachado"), strike);
    c.insertText(u("\tfin {\\} ¿ñ? ☃\u2028segunda"), body);

    c.insertBlock(left, body); // an empty paragraph

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right);
    QTextCharFormat blue = format("Liberation Sans", 9);
    blue.setForeground(QColor(0, 0, 255));
    c.insertText(u("Precio: 18,50 €"), blue);

    QTextBlockFormat justify;
    justify.setAlignment(Qt::AlignJustify);
    c.insertBlock(justify);
    c.insertText(u("Texto justificado con la fuente por omisión."), QTextCharFormat());

    const QByteArray rtf = rtf::writeDocument(&doc);
    QVERIFY(isSevenBit(rtf));
    QVERIFY(bracesBalance(rtf));
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\colortbl ;"));

    QTextDocument back;
    back.setDefaultFont(doc.defaultFont());
    QCOMPARE(rtf::readDocument(rtf, &back), 5);
    QCOMPARE(blockTexts(back), blockTexts(doc));
    QCOMPARE(alignmentOf(back, 0), Qt::AlignHCenter);
    QCOMPARE(alignmentOf(back, 1), Qt::AlignLeft);
    QCOMPARE(alignmentOf(back, 3), Qt::AlignRight);
    QCOMPARE(alignmentOf(back, 4), Qt::AlignJustify);

    const QTextCharFormat t = formatOf(back, "Cata de");
    QCOMPARE(familyOf(t), QStringLiteral("Liberation Serif"));
    QCOMPARE(t.fontPointSize(), 18.0);
    QCOMPARE(t.fontWeight(), int(QFont::Bold));
    QCOMPARE(colorOf(t), QColor(128, 0, 0));
    const QTextCharFormat b = formatOf(back, "Un vino");
    QCOMPARE(familyOf(b), QStringLiteral("Liberation Mono"));
    QCOMPARE(b.fontPointSize(), 10.0);
    QCOMPARE(b.fontWeight(), int(QFont::Normal));
    QVERIFY(!b.fontItalic());
    QVERIFY(!b.fontUnderline());
    QVERIFY(!colorOf(b).isValid());
    QVERIFY(formatOf(back, "muy elegante").fontItalic());
    QVERIFY(formatOf(back, "taninos").fontUnderline());
    QVERIFY(formatOf(back, "tachado").fontStrikeOut());
    QVERIFY(!formatOf(back, "fin").fontStrikeOut());
    const QTextCharFormat p = formatOf(back, "Precio");
    QCOMPARE(familyOf(p), QStringLiteral("Liberation Sans"));
    QCOMPARE(p.fontPointSize(), 9.0);
    QCOMPARE(colorOf(p), QColor(0, 0, 255));
    // Text without a format of its own takes the document's default font.
    const QTextCharFormat d = formatOf(back, "justificado");
    QCOMPARE(familyOf(d), QStringLiteral("Liberation Sans"));
    QCOMPARE(d.fontPointSize(), 11.0);
    // The empty paragraph keeps the size of its paragraph mark.
    QCOMPARE(back.findBlockByNumber(2).charFormat().fontPointSize(), 10.0);

    // Read as lines, the line break inside a paragraph ends a line too.
    QCOMPARE(rtf::readLines(rtf),
        (QStringList { u("Cata de Vinos"),
            u("Un vino muy elegante, con taninos tachado\tfin {\\} ¿ñ? ☃"), u("segunda"), QString(),
            u("Precio: 18,50 €"), u("Texto justificado con la fuente por omisión.") }));

    // Written again, the document gives the same RTF.
    QCOMPARE(rtf::writeDocument(&back), rtf);
}

void TestRtf::documentSizeFromPixels()
{
    // The notes editor's base font is given in pixels: 12 px is 9 points.
    QTextDocument doc;
    QFont base(QStringLiteral("Courier New"));
    base.setPixelSize(12);
    doc.setDefaultFont(base);
    doc.setPlainText(QStringLiteral("abc"));
    const QByteArray rtf = rtf::writeDocument(&doc);
    QVERIFY(rtf.contains("\\fs18"));
    QVERIFY(rtf.contains("\\fmodern"));
    QVERIFY(rtf.contains(" Courier New;}"));
    QCOMPARE(rtf::readLines(rtf), QStringList { "abc" });
}

void TestRtf::bigRecordFile()
{
    // A record file of 100,000 lines of 1015 columns (about 100 MB of RTF).
    QStringList lines;
    lines.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        lines.append(recordLine(i));

    QElapsedTimer timer;
    timer.start();
    const QByteArray rtf = rtf::writeLines(lines);
    const qint64 writeMs = timer.restart();
    const QStringList back = rtf::readLines(rtf);
    const qint64 readMs = timer.elapsed();
    qInfo("100,000 record lines, %lld bytes: written in %lld ms, read in %lld ms",
        qlonglong(rtf.size()), writeMs, readMs);

    QCOMPARE(back.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (back.at(i) != lines.at(i))
            QFAIL(qPrintable(QStringLiteral("line %1 differs").arg(i)));
    }
    // Generous bounds: they catch a slow algorithm, not a slow machine.
    QVERIFY2(writeMs < 10000, "writing took too long");
    QVERIFY2(readMs < 10000, "reading took too long");
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
