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
        QCOMPARE(highHalf.size(), 32);
        QByteArray bytes;
        for (int b = 0; b < 256; ++b) {
            const QChar c = win1252::toUnicode(uchar(b));
            QCOMPARE(c, b >= 0x80 && b < 0xA0 ? highHalf.at(b - 0x80) : QChar(char16_t(b)));
            QCOMPARE(win1252::fromUnicode(c), b);
            bytes += char(b);
        }
        const QString text = win1252::decode(bytes);
        QCOMPARE(text.mid(0x80, 32), highHalf);
        QCOMPARE(win1252::encode(text), bytes);

        // Exactly those 256 characters have a byte, and it is the one they come
        // from: U+0093 or U+0100 must not slip through as a byte.
        int representable = 0;
        for (int code = 0; code <= 0xFFFF; ++code) {
            const QChar c { char16_t(code) };
            const int b = win1252::fromUnicode(c);
            QCOMPARE(win1252::isRepresentable(c), b >= 0);
            if (b >= 0) {
                ++representable;
                QCOMPARE(win1252::toUnicode(uchar(b)), c);
            }
        }
        QCOMPARE(representable, 256);
    }

    void win1252Encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<char>("replacement");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("spanish") << u("¿Añada? ¡Sí! Pingüino €") << '?'
                                 << QByteArray("\xbf"
                                               "A\xf1"
                                               "ada? \xa1S\xed! Ping\xfcino \x80");
        QTest::newRow("replaced") << u("a☃b") << '?' << QByteArray("a?b");
        QTest::newRow("own replacement") << u("őa") << '_' << QByteArray("_a");
        QTest::newRow("pair is one character") << u("x😀y") << '?' << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) + u'z' << '?' << QByteArray("?z");
    }

    void win1252Encode()
    {
        QFETCH(QString, text);
        QFETCH(char, replacement);
        QFETCH(QByteArray, bytes);
        QCOMPARE(win1252::encode(text, replacement), bytes);
    }

    void isValidUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80") << true;
        QTest::newRow("max") << QByteArray("\xf4\x8f\xbf\xbf") << true;
        QTest::newRow("latin-1 byte") << QByteArray("a\xf1o") << false;
        QTest::newRow("lone continuation") << QByteArray("\x80") << false;
        QTest::newRow("overlong two") << QByteArray("\xc0\x80") << false;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("above max") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("cut at end") << QByteArray("abc\xe2\x82") << false;
        QTest::newRow("bad continuation") << QByteArray("\xe2\x28\xa1") << false;
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
        auto utf16 = [](const QString &text, bool little, bool mark) {
            QByteArray out
                = mark ? (little ? QByteArray("\xff\xfe") : QByteArray("\xfe\xff")) : QByteArray();
            for (QChar c : text) {
                const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
                out.append(little ? lo : hi).append(little ? hi : lo);
            }
            return out;
        };
        QTest::newRow("utf-16le with bom") << utf16(spanish, true, true) << spanish;
        QTest::newRow("utf-16be with bom") << utf16(spanish, false, true) << spanish;
        QTest::newRow("utf-16le without bom") << utf16(spanish, true, false) << spanish;
        QTest::newRow("utf-16be without bom") << utf16(spanish, false, false) << spanish;
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
