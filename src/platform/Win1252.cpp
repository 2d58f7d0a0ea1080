#include "platform/Win1252.h"

namespace caveto::win1252 {

namespace {

// 0x80-0x9F; everything else is Latin-1.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

struct Table
{
    char16_t units[256];
    constexpr Table()
        : units()
    {
        for (int i = 0; i < 256; ++i)
            units[i] = char16_t(i);
        for (int i = 0; i < 32; ++i)
            units[0x80 + i] = kHigh[i];
    }
};

constexpr Table kTable;

// The byte of a character above U+00FF, or -1.
// clang-format off
inline int highByte(char16_t u)
{
    switch (u) {
    case 0x20AC: return 0x80;
    case 0x201A: return 0x82;
    case 0x0192: return 0x83;
    case 0x201E: return 0x84;
    case 0x2026: return 0x85;
    case 0x2020: return 0x86;
    case 0x2021: return 0x87;
    case 0x02C6: return 0x88;
    case 0x2030: return 0x89;
    case 0x0160: return 0x8A;
    case 0x2039: return 0x8B;
    case 0x0152: return 0x8C;
    case 0x017D: return 0x8E;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2022: return 0x95;
    case 0x2013: return 0x96;
    case 0x2014: return 0x97;
    case 0x02DC: return 0x98;
    case 0x2122: return 0x99;
    case 0x0161: return 0x9A;
    case 0x203A: return 0x9B;
    case 0x0153: return 0x9C;
    case 0x017E: return 0x9E;
    case 0x0178: return 0x9F;
    default: return -1;
    }
}
// clang-format on

inline int byteOf(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (u < 0xA0) {
        // Only the five undefined bytes keep their C1 code point.
        return (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) ? int(u) : -1;
    }
    return highByte(u);
}

} // namespace

const char16_t *decodeTable()
{
    return kTable.units;
}

QChar toUnicode(uchar byte)
{
    return QChar(kTable.units[byte]);
}

int fromUnicode(QChar c)
{
    return byteOf(c.unicode());
}

bool isRepresentable(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

QString decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    const uchar *s = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i)
        d[i] = kTable.units[s[i]];
    return out;
}

QByteArray encode(QStringView text, char replacement)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    const char16_t *s = text.utf16();
    qsizetype o = 0;
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        const int b = byteOf(s[i]);
        if (b >= 0) {
            d[o++] = char(b);
            continue;
        }
        // A character outside the BMP is one character, so one replacement.
        if (QChar::isHighSurrogate(s[i]) && i + 1 < n && QChar::isLowSurrogate(s[i + 1]))
            ++i;
        d[o++] = replacement;
    }
    out.truncate(o);
    return out;
}

} // namespace caveto::win1252
