#include "platform/PlainText.h"

#include "platform/Win1252.h"

namespace caveto::plaintext {

bool isValidUtf8(QByteArrayView bytes)
{
    const uchar *p = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = p + bytes.size();
    while (p < end) {
        const uchar c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        uchar lo = 0x80, hi = 0xBF; // allowed range of the first continuation byte
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                lo = 0xA0; // overlong
            else if (c == 0xED)
                hi = 0x9F; // UTF-16 surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                lo = 0x90; // overlong
            else if (c == 0xF4)
                hi = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        if (p[1] < lo || p[1] > hi)
            return false;
        for (int i = 2; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += extra + 1;
    }
    return true;
}

Utf16 detectUtf16(QByteArrayView bytes)
{
    if (bytes.size() >= 2) {
        const uchar b0 = uchar(bytes[0]), b1 = uchar(bytes[1]);
        if (b0 == 0xFF && b1 == 0xFE)
            return Utf16::LittleEndian;
        if (b0 == 0xFE && b1 == 0xFF)
            return Utf16::BigEndian;
    }
    // Text never holds NUL bytes, and UTF-16 text in Latin letters has one in
    // nearly every pair: high bytes zero at odd offsets (little endian) or at
    // even ones (big endian). A sample is enough to tell.
    const qsizetype n = qMin<qsizetype>(bytes.size(), 1 << 16) & ~qsizetype(1);
    if (n < 4)
        return Utf16::No;
    qsizetype zeroEven = 0, zeroOdd = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        zeroEven += bytes[i] == 0;
        zeroOdd += bytes[i + 1] == 0;
    }
    const qsizetype pairs = n / 2;
    if (zeroOdd * 5 >= pairs * 2 && zeroEven * 20 < pairs)
        return Utf16::LittleEndian;
    if (zeroEven * 5 >= pairs * 2 && zeroOdd * 20 < pairs)
        return Utf16::BigEndian;
    return Utf16::No;
}

QString decode(QByteArrayView bytes)
{
    const Utf16 utf16 = detectUtf16(bytes);
    if (utf16 != Utf16::No) {
        const bool little = utf16 == Utf16::LittleEndian;
        QString text(bytes.size() / 2, Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
            const uchar a = uchar(bytes[i]), b = uchar(bytes[i + 1]);
            *out++ = little ? char16_t(a | b << 8) : char16_t(b | a << 8);
        }
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    if (isValidUtf8(bytes)) {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
        return QString::fromUtf8(bytes);
    }
    return win1252::decode(bytes);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            lines.append(text.sliced(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.sliced(start).toString());
    return lines;
}

} // namespace caveto::plaintext
