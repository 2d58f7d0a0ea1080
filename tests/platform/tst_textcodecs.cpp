// Windows-1252 and plain-text decoding.

#include "platform/PlainText.h"
#include "platform/Rtf.h"
#include "platform/Win1252.h"

#include <QFile>
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

// The expected lines of a sample, kept in UTF-8 with one line per LF.
QStringList expectedLines(const QString &name)
{
    QStringList lines = QString::fromUtf8(sample(name)).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray allBytes()
{
    QByteArray b(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        b[i] = char(i);
    return b;
}

} // namespace

class TestTextCodecs : public QObject
{
    Q_OBJECT

private slots:
    void win1252HighHalf();
    void win1252LowAndLatin1();
    void win1252AllBytesRoundTrip();
    void win1252ReverseIsExact();
    void win1252FromUnicode_data();
    void win1252FromUnicode();
    void win1252Encode_data();
    void win1252Encode();

    void isValidUtf8_data();
    void isValidUtf8();
    void plainDecode_data();
    void plainDecode();
    void splitLines_data();
    void splitLines();
    void plainTextFiles_data();
    void plainTextFiles();
};

void TestTextCodecs::win1252HighHalf()
{
    // 0x80-0x9F as Windows defines them; the five holes keep their C1 value.
    const QString expected = QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                                               "\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QCOMPARE(expected.size(), 32);
    for (int i = 0; i < 32; ++i)
        QCOMPARE(win1252::toUnicode(uchar(0x80 + i)), expected.at(i));
    QCOMPARE(win1252::decode(QByteArray::fromHex("80939496979f")), QString::fromUtf8("€“”–—Ÿ"));
}

void TestTextCodecs::win1252LowAndLatin1()
{
    for (int b = 0; b < 0x80; ++b)
        QCOMPARE(win1252::toUnicode(uchar(b)).unicode(), char16_t(b));
    for (int b = 0xA0; b < 0x100; ++b)
        QCOMPARE(win1252::toUnicode(uchar(b)).unicode(), char16_t(b));
    QCOMPARE(win1252::decode("Vi\xf1"
                             "a \xbf"
                             "a\xf1"
                             "o?"),
        QString::fromUtf8("Viña ¿año?"));
}

void TestTextCodecs::win1252AllBytesRoundTrip()
{
    for (int b = 0; b < 256; ++b) {
        const QChar c = win1252::toUnicode(uchar(b));
        QVERIFY(win1252::isRepresentable(c));
        QCOMPARE(win1252::fromUnicode(c), b);
    }
    const QByteArray bytes = allBytes();
    const QString text = win1252::decode(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(win1252::encode(text), bytes);
}

void TestTextCodecs::win1252ReverseIsExact()
{
    // Exactly 256 characters have a byte, and each is the one the byte
    // decodes to: no character of the BMP maps to a wrong byte.
    int representable = 0;
    for (int u = 0; u <= 0xFFFF; ++u) {
        const QChar c { char16_t(u) };
        const int b = win1252::fromUnicode(c);
        QCOMPARE(win1252::isRepresentable(c), b >= 0);
        if (b < 0)
            continue;
        ++representable;
        QVERIFY(b <= 0xFF);
        QCOMPARE(win1252::toUnicode(uchar(b)), c);
    }
    QCOMPARE(representable, 256);
}

void TestTextCodecs::win1252FromUnicode_data()
{
    QTest::addColumn<int>("unicode");
    QTest::addColumn<int>("byte");
    QTest::newRow("A") << 0x41 << 0x41;
    QTest::newRow("nul") << 0 << 0;
    QTest::newRow("euro") << 0x20AC << 0x80;
    QTest::newRow("left double quote") << 0x201C << 0x93;
    QTest::newRow("em dash") << 0x2014 << 0x97;
    QTest::newRow("trade mark") << 0x2122 << 0x99;
    QTest::newRow("Y diaeresis") << 0x0178 << 0x9F;
    QTest::newRow("undefined 0x81") << 0x81 << 0x81;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("nbsp") << 0xA0 << 0xA0;
    QTest::newRow("n tilde") << 0xF1 << 0xF1;
    QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    QTest::newRow("U+0080 has no byte") << 0x80 << -1;
    QTest::newRow("U+0093 has no byte") << 0x93 << -1;
    QTest::newRow("A macron") << 0x0100 << -1;
    QTest::newRow("o double acute") << 0x0151 << -1;
    QTest::newRow("snowman") << 0x2603 << -1;
    QTest::newRow("high surrogate") << 0xD83D << -1;
    QTest::newRow("replacement char") << 0xFFFD << -1;
}

void TestTextCodecs::win1252FromUnicode()
{
    QFETCH(int, unicode);
    QFETCH(int, byte);
    const QChar c { char16_t(unicode) };
    QCOMPARE(win1252::fromUnicode(c), byte);
    QCOMPARE(win1252::isRepresentable(c), byte >= 0);
}

void TestTextCodecs::win1252Encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("replacement");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << '?' << QByteArray();
    QTest::newRow("spanish") << QString::fromUtf8("¿Añada? ¡Sí! Pingüino €") << '?'
                             << QByteArray("\xbf"
                                           "A\xf1"
                                           "ada? \xa1S\xed! Ping\xfcino \x80");
    QTest::newRow("replaced") << QString::fromUtf8("a☃b") << '?' << QByteArray("a?b");
    QTest::newRow("own replacement") << QString::fromUtf8("őa") << '_' << QByteArray("_a");
    QTest::newRow("pair is one character") << QString::fromUtf8("x😀y") << '?' << QByteArray("x?y");
    QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) + u'z' << '?' << QByteArray("?z");
    QTest::newRow("blanks kept") << QStringLiteral("  a  ") << '?' << QByteArray("  a  ");
}

void TestTextCodecs::win1252Encode()
{
    QFETCH(QString, text);
    QFETCH(char, replacement);
    QFETCH(QByteArray, bytes);
    QCOMPARE(win1252::encode(text, replacement), bytes);
}

void TestTextCodecs::isValidUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("ascii") << QByteArray("Rioja 1998") << true;
    QTest::newRow("two bytes") << QByteArray("a\xc3\xb1o") << true;
    QTest::newRow("three bytes") << QByteArray("\xe2\x82\xac") << true;
    QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << true;
    QTest::newRow("max") << QByteArray("\xf4\x8f\xbf\xbf") << true;
    QTest::newRow("latin-1 byte") << QByteArray("a\xf1o") << false;
    QTest::newRow("lone continuation") << QByteArray("\x80") << false;
    QTest::newRow("overlong two") << QByteArray("\xc0\x80") << false;
    QTest::newRow("overlong three") << QByteArray("\xe0\x80\xaf") << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
    QTest::newRow("above max") << QByteArray("\xf4\x90\x80\x80") << false;
    QTest::newRow("cut at end") << QByteArray("abc\xe2\x82") << false;
    QTest::newRow("bad continuation") << QByteArray("\xe2\x28\xa1") << false;
}

void TestTextCodecs::isValidUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(plaintext::isValidUtf8(bytes), valid);
}

void TestTextCodecs::plainDecode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString spanish = QString::fromUtf8("Marqués de Cáceres: ñ á é í ó ú ü ¿ ¡ €");
    QTest::newRow("utf-8") << spanish.toUtf8() << spanish;
    QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbf") + spanish.toUtf8() << spanish;
    QTest::newRow("windows-1252") << win1252::encode(spanish) << spanish;
    QTest::newRow("ascii") << QByteArray("Rioja\r\n") << QStringLiteral("Rioja\r\n");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("bom only") << QByteArray("\xef\xbb\xbf") << QString();
    // Mostly UTF-8 but one stray byte: the whole file is Windows-1252.
    QTest::newRow("mixed falls back") << QByteArray("\xc3\xb1 \xf1") << QString::fromUtf8("Ã± ñ");
    QTest::newRow("euro in 1252") << QByteArray("18,50 \x80") << QString::fromUtf8("18,50 €");
}

void TestTextCodecs::plainDecode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(plaintext::decode(bytes), text);
}

void TestTextCodecs::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("final LF") << QStringLiteral("a\nb\n") << QStringList { "a", "b" };
    QTest::newRow("no final LF") << QStringLiteral("a\nb") << QStringList { "a", "b" };
    QTest::newRow("empty line") << QStringLiteral("a\n\nb") << QStringList { "a", "", "b" };
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList { "a", "b" };
    QTest::newRow("lone CR") << QStringLiteral("a\rb\r") << QStringList { "a", "b" };
    QTest::newRow("mixed") << QStringLiteral("a\r\nb\nc\rd") << QStringList { "a", "b", "c", "d" };
    QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb") << QStringList { "a", "", "b" };
    QTest::newRow("only LF") << QStringLiteral("\n") << QStringList { "" };
    QTest::newRow("two CR LF") << QStringLiteral("\r\n\r\n") << QStringList { "", "" };
    QTest::newRow("blanks kept") << QStringLiteral("  a  \r\n\tb \n")
                                 << QStringList { "  a  ", "\tb " };
}

void TestTextCodecs::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(plaintext::splitLines(text), lines);
}

void TestTextCodecs::plainTextFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("windows-1252, CR LF") << QStringLiteral("rtf/datos-cp1252.txt");
    QTest::newRow("utf-8 with bom, LF") << QStringLiteral("rtf/datos-utf8.txt");
}

void TestTextCodecs::plainTextFiles()
{
    // A record file saved as plain text reads line for line, 1015 columns
    // each, trailing blanks kept.
    QFETCH(QString, file);
    const QByteArray data = sample(file);
    QVERIFY(!rtf::isRtf(data));
    const QStringList lines = readTextLines(data);
    QCOMPARE(lines, expectedLines(QStringLiteral("rtf/wordpad-datos.lines.txt")));
    for (const QString &line : lines)
        QCOMPARE(line.size(), 1015);
}

QTEST_MAIN(TestTextCodecs)
#include "tst_textcodecs.moc"
