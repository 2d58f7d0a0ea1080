// Windows-1252 and plain-text decoding.

#include "PlatformTest.h"
#include "platform/PlainText.h"
#include "platform/Win1252.h"

#include <QtTest>

using namespace caveto;

class TestTextCodecs : public QObject
{
    Q_OBJECT

private slots:
    void win1252()
    {
        // 0x80-0x9F as Windows defines them; the five undefined bytes (0x81 0x8D
        // 0x8F 0x90 0x9D) keep their C1 value so they survive a round trip. The
        // rest is the byte's own code point.
        const QString highHalf = u("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
        QByteArray bytes;
        QString text;
        for (int b = 0; b < 256; ++b) {
            bytes += char(b);
            text += b >= 0x80 && b < 0xA0 ? highHalf.at(b - 0x80) : QChar(char16_t(b));
            QCOMPARE(win1252::toUnicode(uchar(b)), text.back());
        }
        QCOMPARE(win1252::decode(bytes), text);
        QCOMPARE(win1252::encode(text), bytes);
        // No other character has a byte: U+0093 or U+0100 must not slip through.
        for (int code = 0; code <= 0xFFFF; ++code) {
            const int b = win1252::fromUnicode(QChar(char16_t(code)));
            QVERIFY2(b < 0 || text.at(b).unicode() == code, qPrintable(QString::number(code, 16)));
        }
        // Anything else is the replacement, once for a pair of surrogates.
        QCOMPARE(win1252::encode(u("őx😀") + QChar(0xDC00) + u'z', '_'), QByteArray("_x__z"));
    }

    void isValidUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << true;
        QTest::newRow("max") << QByteArray("\xf4\x8f\xbf\xbf") << true;
        QTest::newRow("latin-1 byte") << QByteArray("a\xf1o") << false;
        QTest::newRow("overlong two") << QByteArray("\xc0\x80") << false;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("above max") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("cut at end") << QByteArray("abc\xe2\x82") << false;
        QTest::newRow("overlong three") << QByteArray("\xe0\x80\x80") << false;
        QTest::newRow("bad third byte") << QByteArray("\xe2\x82\x28") << false;
    }

    void isValidUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(plaintext::isValidUtf8(bytes), valid);
    }

    void plainDecode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString spanish = u("Marqués de Cáceres: ñ á é í ó ú ü ¿ ¡ €\r\n");
        QTest::newRow("utf-8") << spanish.toUtf8() << spanish;
        QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbf") + spanish.toUtf8() << spanish;
        QTest::newRow("windows-1252") << win1252::encode(spanish) << spanish;
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("bom only") << QByteArray("\xef\xbb\xbf") << QString();
        // Mostly UTF-8 but one stray byte: the whole file is Windows-1252.
        QTest::newRow("mixed falls back") << QByteArray("\xc3\xb1 \xf1") << u("Ã± ñ");
        // "Unicode" text as Windows editors save it, with or without the mark.
        const auto utf16 = [&](QStringConverter::Encoding encoding) {
            return QByteArray(QStringEncoder(encoding).encode(spanish));
        };
        QTest::newRow("utf-16le with bom")
            << "\xff\xfe" + utf16(QStringConverter::Utf16LE) << spanish;
        // No Latin letter, so only the mark tells.
        QTest::newRow("utf-16be with bom") << QByteArray("\xfe\xff\x20\xac") << u("€");
        QTest::newRow("utf-16le without bom") << utf16(QStringConverter::Utf16LE) << spanish;
        QTest::newRow("utf-16be without bom") << utf16(QStringConverter::Utf16BE) << spanish;
    }

    void plainDecode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(plaintext::decode(bytes), text);
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("final LF") << QStringLiteral("a\nb\n") << QStringList { "a", "b" };
        QTest::newRow("empty line") << QStringLiteral("a\n\nb") << QStringList { "a", "", "b" };
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList { "a", "b" };
        QTest::newRow("lone CR") << QStringLiteral("a\rb\r") << QStringList { "a", "b" };
        QTest::newRow("mixed") << QStringLiteral("a\r\nb\nc\rd")
                               << QStringList { "a", "b", "c", "d" };
        QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb") << QStringList { "a", "", "b" };
        QTest::newRow("only CR LF") << QStringLiteral("\r\n") << QStringList { "" };
        QTest::newRow("blanks kept")
            << QStringLiteral("  a  \r\n\tb \n") << QStringList { "  a  ", "\tb " };
    }

    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(plaintext::splitLines(text), lines);
    }
};

QTEST_MAIN(TestTextCodecs)
#include "tst_textcodecs.moc"
