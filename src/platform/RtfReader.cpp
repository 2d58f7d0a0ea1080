// The RTF reader: one byte-level parser that feeds either a list of lines
// (the record file, up to ~100 MB, where speed matters) or a QTextDocument
// with character and paragraph formatting (notes documents).

#include "platform/PlainText.h"
#include "platform/Rtf.h"
#include "platform/Win1252.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

namespace caveto::rtf {

namespace {

// ---------------------------------------------------------------------------
// Code pages for \'hh and 8-bit text. Windows-1252 is what every Western
// writer uses; the others are cheap to carry and appear in old files. Any
// other code page reads as Windows-1252.

constexpr char16_t kCp1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

constexpr char16_t kCp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, //
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, //
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, //
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, //
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, //
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, //
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, //
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, //
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, //
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, //
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, //
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, //
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, //
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, //
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, //
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0, //
};

constexpr char16_t kCp850High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, //
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, //
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, //
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, //
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, //
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, //
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, //
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, //
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, //
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, //
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, //
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, //
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, //
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, //
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, //
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, //
};

struct ByteTable
{
    char16_t units[256];
    constexpr explicit ByteTable(const char16_t (&high)[128])
        : units()
    {
        for (int i = 0; i < 128; ++i) {
            units[i] = char16_t(i);
            units[128 + i] = high[i];
        }
    }
};

constexpr ByteTable kCp1250(kCp1250High);
constexpr ByteTable kCp437(kCp437High);
constexpr ByteTable kCp850(kCp850High);

// The table of a code page, or null when the program has none for it.
const char16_t *tableForCodePage(int codePage)
{
    switch (codePage) {
    case 1252:
    case 28591: // ISO 8859-1, read as its Windows superset
        return win1252::decodeTable();
    case 1250:
        return kCp1250.units;
    case 437:
        return kCp437.units;
    case 850:
        return kCp850.units;
    default:
        return nullptr;
    }
}

// The code page a font's \fcharset implies; 0 means "the document's".
int codePageForCharset(int charset)
{
    switch (charset) {
    case 238: // Eastern European
        return 1250;
    case 255: // OEM
        return 437;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// Parser state

enum class Dest : quint8 { Text, FontTable, ColorTable };
enum class Align : quint8 { Left, Right, Center, Justify };

struct CharState
{
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    friend bool operator==(const CharState &, const CharState &) = default;
};

// Everything that an RTF group saves and its closing brace restores.
struct GroupState
{
    CharState chr;
    const char16_t *fontTable = nullptr; // code page of the current font; null: the document's
    int uc = 1; // fallback characters after \uN
    Align align = Align::Left;
    Dest dest = Dest::Text;
};

struct FontEntry
{
    QString name;
    int codePage = 0;
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixedPitch = false;
};

struct Tables
{
    QHash<int, FontEntry> fonts;
    QList<QColor> colors; // an invalid colour is the automatic one
    int defaultFont = 0;
    const char16_t *docTable = win1252::decodeTable();

    const FontEntry *font(int number) const
    {
        auto it = fonts.constFind(number);
        return it == fonts.constEnd() ? nullptr : &it.value();
    }
};

// ---------------------------------------------------------------------------
// Control words

enum class Kw : quint8 {
    Unknown,
    SkipDest,
    FontTbl,
    ColorTbl,
    Par,
    Line,
    Cell,
    Char,
    U,
    Uc,
    Bin,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Color,
    Pard,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    Ansi,
    AnsiCpg,
    Pc,
    Pca,
    Mac,
    Deff,
    FCharset,
    Cpg,
    Red,
    Green,
    Blue,
    FamilyNil,
    FamilyRoman,
    FamilySwiss,
    FamilyModern,
    FamilyScript,
    FamilyDecor,
    FamilyTech,
    Pitch,
};

struct Keyword
{
    std::string_view name;
    Kw kw;
    char16_t ch = 0;
};

// Groups whose content is never text of the document: tables read elsewhere,
// document information, pictures and objects, headers, footers, notes,
// fields' instructions, bookmarks, shapes and Word's many extensions.
// clang-format off
constexpr std::string_view kSkippedDestinations[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn", "atnid",
    "atnparent", "atnref", "atntime", "atrfend", "atrfstart", "author", "bkmkend", "bkmkstart",
    "blipuid", "buptim", "category", "colorschememapping", "comment", "company", "creatim",
    "datastore", "defchp", "defpap", "do", "doccomm", "docvar", "falt", "fchars", "filetbl",
    "fldinst", "fontemb", "fontfile", "footer", "footerf", "footerl", "footerr", "footnote",
    "ftncn", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr",
    "hlinkbase", "info", "keywords", "latentstyles", "lchars", "listoverridetable",
    "listpicture", "listtable", "manager", "mmathPr", "nonshppict", "objalias", "objclass",
    "objdata", "objname", "objsect", "objtime", "operator", "panose", "passwordhash", "pgdsctbl",
    "pict", "pn", "pnseclvl", "pntxta", "pntxtb", "printim", "private", "protusertbl", "revtbl",
    "revtim", "rsidtbl", "shpinst", "shprslt", "sn", "sp", "stylesheet", "subject", "sv", "tc",
    "template", "themedata", "title", "txe", "userprops", "wgrffmtfilter", "xe", "xmlnstbl",
};
// clang-format on

constexpr Keyword kKeywords[] = {
    { "fonttbl", Kw::FontTbl },
    { "colortbl", Kw::ColorTbl },
    { "par", Kw::Par },
    { "sect", Kw::Par },
    { "row", Kw::Par },
    { "nestrow", Kw::Par },
    { "line", Kw::Line },
    { "cell", Kw::Cell },
    { "nestcell", Kw::Cell },
    { "tab", Kw::Char, u'\t' },
    { "bullet", Kw::Char, 0x2022 },
    { "emdash", Kw::Char, 0x2014 },
    { "endash", Kw::Char, 0x2013 },
    { "emspace", Kw::Char, 0x2003 },
    { "enspace", Kw::Char, 0x2002 },
    { "qmspace", Kw::Char, 0x2005 },
    { "lquote", Kw::Char, 0x2018 },
    { "rquote", Kw::Char, 0x2019 },
    { "ldblquote", Kw::Char, 0x201C },
    { "rdblquote", Kw::Char, 0x201D },
    { "zwj", Kw::Char, 0x200D },
    { "zwnj", Kw::Char, 0x200C },
    { "zwbo", Kw::Char, 0x200B },
    { "ltrmark", Kw::Char, 0x200E },
    { "rtlmark", Kw::Char, 0x200F },
    { "u", Kw::U },
    { "uc", Kw::Uc },
    { "bin", Kw::Bin },
    { "plain", Kw::Plain },
    { "b", Kw::Bold },
    { "i", Kw::Italic },
    { "ul", Kw::Underline },
    { "uld", Kw::Underline },
    { "uldash", Kw::Underline },
    { "uldashd", Kw::Underline },
    { "uldashdd", Kw::Underline },
    { "uldb", Kw::Underline },
    { "ulhwave", Kw::Underline },
    { "ulldash", Kw::Underline },
    { "ulth", Kw::Underline },
    { "ulthd", Kw::Underline },
    { "ulthdash", Kw::Underline },
    { "ulthdashd", Kw::Underline },
    { "ulthdashdd", Kw::Underline },
    { "ulthldash", Kw::Underline },
    { "ululdbwave", Kw::Underline },
    { "ulw", Kw::Underline },
    { "ulwave", Kw::Underline },
    { "ulnone", Kw::UnderlineNone },
    { "strike", Kw::Strike },
    { "striked", Kw::Strike },
    { "f", Kw::Font },
    { "fs", Kw::FontSize },
    { "cf", Kw::Color },
    { "pard", Kw::Pard },
    { "ql", Kw::AlignLeft },
    { "qr", Kw::AlignRight },
    { "qc", Kw::AlignCenter },
    { "qj", Kw::AlignJustify },
    { "qd", Kw::AlignJustify },
    { "ansi", Kw::Ansi },
    { "ansicpg", Kw::AnsiCpg },
    { "pc", Kw::Pc },
    { "pca", Kw::Pca },
    { "mac", Kw::Mac },
    { "deff", Kw::Deff },
    { "fcharset", Kw::FCharset },
    { "cpg", Kw::Cpg },
    { "red", Kw::Red },
    { "green", Kw::Green },
    { "blue", Kw::Blue },
    { "fnil", Kw::FamilyNil },
    { "froman", Kw::FamilyRoman },
    { "fswiss", Kw::FamilySwiss },
    { "fmodern", Kw::FamilyModern },
    { "fscript", Kw::FamilyScript },
    { "fdecor", Kw::FamilyDecor },
    { "ftech", Kw::FamilyTech },
    { "fbidi", Kw::FamilyNil },
    { "fprq", Kw::Pitch },
};

constexpr size_t kKeywordCount = std::size(kKeywords) + std::size(kSkippedDestinations);
using KeywordTable = std::array<Keyword, kKeywordCount>;

const KeywordTable &keywordTable()
{
    static const KeywordTable table = [] {
        KeywordTable t {};
        size_t n = 0;
        for (const Keyword &k : kKeywords)
            t[n++] = k;
        for (std::string_view name : kSkippedDestinations)
            t[n++] = Keyword { name, Kw::SkipDest };
        std::sort(
            t.begin(), t.end(), [](const Keyword &a, const Keyword &b) { return a.name < b.name; });
        return t;
    }();
    return table;
}

const Keyword *findKeyword(std::string_view name)
{
    const KeywordTable &t = keywordTable();
    auto it = std::lower_bound(
        t.begin(), t.end(), name, [](const Keyword &k, std::string_view n) { return k.name < n; });
    return (it != t.end() && it->name == name) ? &*it : nullptr;
}

// Bytes that end a run of plain text.
struct SpecialBytes
{
    bool is[256];
    constexpr SpecialBytes()
        : is()
    {
        is[uchar('{')] = is[uchar('}')] = is[uchar('\\')] = true;
        is[uchar('\r')] = is[uchar('\n')] = is[0] = true;
    }
};
constexpr SpecialBytes kSpecial;

inline bool isAsciiLetter(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(uchar c)
{
    return c >= '0' && c <= '9';
}

inline int hexValue(uchar c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Where parsing starts: the opening brace of "{\rtf" when there is one.
qsizetype rtfStart(QByteArrayView data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size()
        && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf") ? i : 0;
}

// ---------------------------------------------------------------------------
// The parser. A Sink receives text runs, single characters, paragraph and
// line ends, each with the group state in force.

template <class Sink> class Parser
{
public:
    Parser(QByteArrayView data, Tables &tables, Sink &sink)
        : m_p(reinterpret_cast<const uchar *>(data.data()) + rtfStart(data))
        , m_end(reinterpret_cast<const uchar *>(data.data()) + data.size())
        , m_tables(tables)
        , m_sink(sink)
    {
        m_stack.reserve(64);
    }

    void run()
    {
        while (m_p < m_end) {
            switch (*m_p) {
            case '{':
                ++m_p;
                openGroup();
                break;
            case '}':
                ++m_p;
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
            case '\0':
                ++m_p; // line ends in the source mean nothing
                break;
            default:
                textRun();
                break;
            }
        }
        m_sink.finish(m_st);
    }

private:
    // Nesting deeper than this is not RTF any writer produces; braces beyond
    // it are only counted, so a hostile file cannot exhaust memory.
    static constexpr size_t kMaxDepth = 4096;

    const char16_t *currentTable() const
    {
        return m_st.fontTable ? m_st.fontTable : m_tables.docTable;
    }

    const char16_t *tableForFont(int number) const
    {
        const FontEntry *f = m_tables.font(number);
        return f && f->codePage ? tableForCodePage(f->codePage) : nullptr;
    }

    void openGroup()
    {
        m_skip = 0;
        m_groupStart = m_p;
        if (m_stack.size() >= kMaxDepth) {
            ++m_overflow;
            return;
        }
        m_stack.push_back(m_st);
    }

    void closeGroup()
    {
        m_skip = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_st.dest == Dest::FontTable)
            commitFont(); // an entry whose ';' is missing
        popState();
    }

    // A brace without its opening one is dropped: the text after it is still
    // the document's.
    void popState()
    {
        if (m_stack.empty())
            return;
        const Dest leaving = m_st.dest;
        m_st = m_stack.back();
        m_stack.pop_back();
        if (leaving == Dest::ColorTable && m_st.dest != Dest::ColorTable)
            commitColor(false);
    }

    // Skips to the end of the current group, honouring escapes and \bin.
    void skipGroup()
    {
        if (m_stack.empty() && m_overflow == 0)
            return; // outside every group there is nothing to skip to
        m_skip = 0;
        int depth = 1;
        while (m_p < m_end) {
            const uchar c = *m_p++;
            if (c == '\\') {
                if (m_p >= m_end)
                    break;
                if (!isAsciiLetter(*m_p)) {
                    ++m_p;
                    continue;
                }
                const uchar *name = m_p;
                while (m_p < m_end && isAsciiLetter(*m_p))
                    ++m_p;
                if (m_p - name == 3 && name[0] == 'b' && name[1] == 'i' && name[2] == 'n')
                    skipBinary();
            } else if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (--depth == 0)
                    break;
            }
        }
        if (m_overflow > 0)
            --m_overflow;
        else
            popState();
    }

    // After "\bin": the byte count, its delimiter and the raw bytes.
    void skipBinary()
    {
        qint64 count = 0;
        while (m_p < m_end && isDigit(*m_p)) {
            count = std::min<qint64>(count * 10 + (*m_p - '0'), qint64(1) << 40);
            ++m_p;
        }
        if (m_p < m_end && *m_p == ' ')
            ++m_p;
        m_p += std::min<qint64>(count, m_end - m_p);
    }

    void textRun()
    {
        const uchar *q = m_p;
        while (q < m_end && !kSpecial.is[*q])
            ++q;
        if (m_skip > 0) {
            const qsizetype k = std::min<qsizetype>(m_skip, q - m_p);
            m_p += k;
            m_skip -= int(k);
        }
        if (m_p < q)
            deliver(m_p, q - m_p);
        m_p = q;
    }

    void deliver(const uchar *s, qsizetype n)
    {
        switch (m_st.dest) {
        case Dest::Text:
            m_sink.text(m_st, s, n, currentTable());
            break;
        case Dest::FontTable:
            for (qsizetype i = 0; i < n; ++i) {
                if (s[i] == ';')
                    commitFont();
                else
                    m_fontName.append(QChar(currentTable()[s[i]]));
            }
            break;
        case Dest::ColorTable:
            for (qsizetype i = 0; i < n; ++i) {
                if (s[i] == ';')
                    commitColor(true);
            }
            break;
        }
    }

    void emitChar(char16_t c)
    {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        switch (m_st.dest) {
        case Dest::Text:
            m_sink.character(m_st, c);
            break;
        case Dest::FontTable:
            m_fontName.append(QChar(c));
            break;
        case Dest::ColorTable:
            break;
        }
    }

    void emitByte(uchar b)
    {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        deliver(&b, 1);
    }

    void controlSequence()
    {
        const uchar *backslash = m_p++;
        if (m_p >= m_end)
            return;
        const uchar c = *m_p;
        if (isAsciiLetter(c)) {
            controlWord();
            return;
        }
        ++m_p;
        switch (c) {
        case '\'': {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_p < m_end) {
                const int h = hexValue(*m_p);
                if (h < 0)
                    break;
                value = value * 16 + h;
                ++digits;
                ++m_p;
            }
            if (digits == 2)
                emitByte(uchar(value));
            else if (m_skip > 0) // a broken escape stands for no character
                --m_skip;
            break;
        }
        case '\\':
        case '{':
        case '}':
            emitChar(c);
            break;
        case '~':
            emitChar(0x00A0);
            break;
        case '_':
            emitChar(0x2011);
            break;
        case '*':
            // "{\*\dest ...}": a destination a reader may ignore. None of
            // them holds text of the document.
            if (backslash == m_groupStart)
                skipGroup();
            else if (m_skip > 0)
                --m_skip;
            break;
        case '\r':
        case '\n':
            m_skip = 0;
            if (m_st.dest == Dest::Text)
                m_sink.paragraph(m_st);
            break;
        default: // \- optional hyphen, \| \: and anything unknown
            if (m_skip > 0)
                --m_skip;
            break;
        }
    }

    void controlWord()
    {
        const uchar *nameStart = m_p;
        while (m_p < m_end && isAsciiLetter(*m_p))
            ++m_p;
        const std::string_view name(
            reinterpret_cast<const char *>(nameStart), size_t(m_p - nameStart));
        bool hasParam = false;
        int param = 0;
        if (m_p < m_end && (isDigit(*m_p) || (*m_p == '-' && m_p + 1 < m_end && isDigit(m_p[1])))) {
            const bool negative = *m_p == '-';
            if (negative)
                ++m_p;
            qint64 value = 0;
            while (m_p < m_end && isDigit(*m_p)) {
                value = std::min<qint64>(value * 10 + (*m_p - '0'), qint64(1) << 32);
                ++m_p;
            }
            if (negative)
                value = -value;
            param = int(std::clamp<qint64>(
                value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
            hasParam = true;
        }
        if (m_p < m_end && *m_p == ' ')
            ++m_p;

        const Keyword *k = findKeyword(name);
        if (!k) {
            if (m_skip > 0)
                --m_skip;
            return;
        }
        // Paragraph ends and Unicode characters are never taken as the
        // fallback of a previous \uN: losing one would join two records.
        if (m_skip > 0) {
            if (k->kw == Kw::Par || k->kw == Kw::Line || k->kw == Kw::U) {
                m_skip = 0;
            } else if (k->kw != Kw::Bin && k->kw != Kw::SkipDest) {
                --m_skip;
                return;
            }
        }
        apply(*k, hasParam, param);
    }

    void apply(const Keyword &k, bool hasParam, int param)
    {
        const bool on = !hasParam || param != 0;
        switch (k.kw) {
        case Kw::Unknown:
            break;
        case Kw::SkipDest:
            skipGroup();
            break;
        case Kw::FontTbl:
            m_st.dest = Dest::FontTable;
            resetFont();
            break;
        case Kw::ColorTbl:
            m_st.dest = Dest::ColorTable;
            m_tables.colors.clear();
            resetColor();
            break;
        case Kw::Par:
            if (m_st.dest == Dest::Text)
                m_sink.paragraph(m_st);
            break;
        case Kw::Line:
            if (m_st.dest == Dest::Text)
                m_sink.lineBreak(m_st);
            break;
        case Kw::Cell:
            emitChar(u'\t');
            break;
        case Kw::Char:
            emitChar(k.ch);
            break;
        case Kw::U: {
            if (!hasParam)
                break; // not a character at all
            int v = param;
            if (v < 0)
                v += 65536;
            emitChar(v >= 0 && v <= 0xFFFF ? char16_t(v) : char16_t(0xFFFD));
            m_skip = m_st.uc;
            break;
        }
        case Kw::Uc:
            m_st.uc = std::clamp(param, 0, 16);
            break;
        case Kw::Bin:
            if (m_skip > 0)
                --m_skip;
            m_p += std::min<qint64>(std::max(param, 0), m_end - m_p);
            break;
        case Kw::Plain:
            m_st.chr = CharState();
            m_st.fontTable = nullptr;
            break;
        case Kw::Bold:
            m_st.chr.bold = on;
            break;
        case Kw::Italic:
            m_st.chr.italic = on;
            break;
        case Kw::Underline:
            m_st.chr.underline = on;
            break;
        case Kw::UnderlineNone:
            m_st.chr.underline = false;
            break;
        case Kw::Strike:
            m_st.chr.strike = on;
            break;
        case Kw::Font:
            if (m_st.dest == Dest::FontTable) {
                commitFont();
                m_fontNumber = param;
            } else if (m_st.dest == Dest::Text) {
                m_st.chr.font = param;
                m_st.fontTable = tableForFont(param);
            }
            break;
        case Kw::FontSize:
            m_st.chr.halfPoints = param > 0 ? std::min(param, 3276) : 24;
            break;
        case Kw::Color:
            m_st.chr.color = std::max(param, 0);
            break;
        case Kw::Pard:
            m_st.align = Align::Left;
            break;
        case Kw::AlignLeft:
            m_st.align = Align::Left;
            break;
        case Kw::AlignRight:
            m_st.align = Align::Right;
            break;
        case Kw::AlignCenter:
            m_st.align = Align::Center;
            break;
        case Kw::AlignJustify:
            m_st.align = Align::Justify;
            break;
        case Kw::Ansi:
        case Kw::Mac: // no Macintosh table: its letters read as Windows-1252
            m_tables.docTable = win1252::decodeTable();
            break;
        case Kw::Pc:
            m_tables.docTable = tableForCodePage(437);
            break;
        case Kw::Pca:
            m_tables.docTable = tableForCodePage(850);
            break;
        case Kw::AnsiCpg:
            if (const char16_t *t = tableForCodePage(param))
                m_tables.docTable = t;
            else
                m_tables.docTable = win1252::decodeTable();
            break;
        case Kw::Deff:
            m_tables.defaultFont = param;
            break;
        case Kw::FCharset:
            if (m_st.dest == Dest::FontTable)
                m_font.codePage = codePageForCharset(param);
            break;
        case Kw::Cpg:
            if (m_st.dest == Dest::FontTable && tableForCodePage(param))
                m_font.codePage = param;
            break;
        case Kw::Red:
        case Kw::Green:
        case Kw::Blue:
            if (m_st.dest == Dest::ColorTable) {
                const int v = std::clamp(param, 0, 255);
                (k.kw == Kw::Red ? m_red : k.kw == Kw::Green ? m_green : m_blue) = v;
                m_colorSet = true;
            }
            break;
        case Kw::FamilyNil:
        case Kw::FamilyRoman:
        case Kw::FamilySwiss:
        case Kw::FamilyModern:
        case Kw::FamilyScript:
        case Kw::FamilyDecor:
        case Kw::FamilyTech:
            if (m_st.dest == Dest::FontTable)
                m_font.hint = styleHint(k.kw);
            break;
        case Kw::Pitch:
            if (m_st.dest == Dest::FontTable)
                m_font.fixedPitch = param == 1;
            break;
        }
    }

    static QFont::StyleHint styleHint(Kw kw)
    {
        switch (kw) {
        case Kw::FamilyRoman:
            return QFont::Serif;
        case Kw::FamilySwiss:
            return QFont::SansSerif;
        case Kw::FamilyModern:
            return QFont::TypeWriter;
        case Kw::FamilyScript:
            return QFont::Cursive;
        case Kw::FamilyDecor:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
        }
    }

    void resetFont()
    {
        m_fontNumber = -1;
        m_font = FontEntry();
        m_fontName.clear();
    }

    void commitFont()
    {
        const QString name = m_fontName.trimmed();
        if (m_fontNumber >= 0 && !name.isEmpty()) {
            m_font.name = name;
            m_tables.fonts.insert(m_fontNumber, m_font);
        }
        resetFont();
    }

    void resetColor()
    {
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }

    // `terminated`: the entry ended with its ';'. An unterminated entry that
    // set a component still counts, so a table cut short keeps its colours.
    void commitColor(bool terminated)
    {
        if (terminated || m_colorSet)
            m_tables.colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
        resetColor();
    }

    const uchar *m_p;
    const uchar *const m_end;
    const uchar *m_groupStart = nullptr;
    Tables &m_tables;
    Sink &m_sink;
    GroupState m_st;
    std::vector<GroupState> m_stack;
    size_t m_overflow = 0;
    int m_skip = 0; // fallback characters of the last \uN still to drop

    int m_fontNumber = -1;
    FontEntry m_font;
    QString m_fontName;

    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorSet = false;
};

// ---------------------------------------------------------------------------
// Sinks

class LinesSink
{
public:
    void text(const GroupState &, const uchar *s, qsizetype n, const char16_t *table)
    {
        const qsizetype old = m_line.size();
        m_line.resize(old + n);
        char16_t *d = reinterpret_cast<char16_t *>(m_line.data()) + old;
        for (qsizetype i = 0; i < n; ++i)
            d[i] = table[s[i]];
    }
    void character(const GroupState &, char16_t c) { m_line.append(QChar(c)); }
    void paragraph(const GroupState &) { endLine(); }
    void lineBreak(const GroupState &) { endLine(); }
    void finish(const GroupState &)
    {
        if (!m_line.isEmpty())
            endLine();
    }

    QStringList lines;

private:
    void endLine()
    {
        const qsizetype n = m_line.size();
        lines.append(std::move(m_line));
        m_line = QString();
        m_line.reserve(std::max<qsizetype>(n, 64)); // record lines are all alike
    }

    QString m_line;
};

Qt::Alignment qtAlignment(Align a)
{
    switch (a) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Justify:
        return Qt::AlignJustify;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

class DocumentSink
{
public:
    DocumentSink(QTextCursor &cursor, const Tables &tables)
        : m_cursor(cursor)
        , m_tables(tables)
    {
    }

    void text(const GroupState &st, const uchar *s, qsizetype n, const char16_t *table)
    {
        prepare(st);
        const qsizetype old = m_pending.size();
        m_pending.resize(old + n);
        char16_t *d = reinterpret_cast<char16_t *>(m_pending.data()) + old;
        for (qsizetype i = 0; i < n; ++i)
            d[i] = table[s[i]];
    }

    void character(const GroupState &st, char16_t c)
    {
        prepare(st);
        m_pending.append(QChar(c));
    }

    void lineBreak(const GroupState &st) { character(st, 0x2028); }

    void paragraph(const GroupState &st)
    {
        if (m_blockPending)
            openBlock(st);
        flush();
        setAlignment(st.align);
        ++m_paragraphs;
        m_blockPending = true;
    }

    void finish(const GroupState &)
    {
        flush();
        // A last paragraph without \par keeps the alignment its text was
        // written under, not that of the group the document closes into.
        if (!m_blockPending && m_blockHasContent) {
            setAlignment(m_contentAlign);
            ++m_paragraphs;
        }
    }

    int paragraphs() const { return m_paragraphs; }

private:
    void prepare(const GroupState &st)
    {
        if (m_blockPending)
            openBlock(st);
        m_blockHasContent = true;
        m_contentAlign = st.align;
        if (!m_pending.isEmpty() && !(st.chr == m_pendingChr))
            flush();
        m_pendingChr = st.chr;
    }

    // A \par only closes its paragraph; the next block is opened when
    // something follows, so a document ending in \par has no empty last block.
    void openBlock(const GroupState &st)
    {
        flush();
        QTextBlockFormat bf;
        bf.setAlignment(qtAlignment(st.align));
        m_blockAlign = st.align;
        m_cursor.insertBlock(bf, charFormat(st.chr));
        m_alignSet = true;
        m_blockPending = false;
        m_blockHasContent = false;
    }

    void setAlignment(Align a)
    {
        if (m_alignSet && a == m_blockAlign)
            return;
        QTextBlockFormat bf = m_cursor.blockFormat();
        bf.setAlignment(qtAlignment(a));
        m_cursor.setBlockFormat(bf);
        m_blockAlign = a;
        m_alignSet = true;
    }

    void flush()
    {
        if (m_pending.isEmpty())
            return;
        m_cursor.insertText(m_pending, charFormat(m_pendingChr));
        m_pending.resize(0);
    }

    const QTextCharFormat &charFormat(const CharState &chr)
    {
        if (m_formatValid && chr == m_formatChr)
            return m_format;
        QTextCharFormat f;
        const FontEntry *font = m_tables.font(chr.font >= 0 ? chr.font : m_tables.defaultFont);
        if (!font) // a font missing from the table: the document's default
            font = m_tables.font(m_tables.defaultFont);
        if (font) {
            f.setFontFamilies(QStringList { font->name });
            if (font->hint != QFont::AnyStyle)
                f.setFontStyleHint(font->hint);
            if (font->fixedPitch || font->hint == QFont::TypeWriter)
                f.setFontFixedPitch(true);
        }
        f.setFontPointSize(chr.halfPoints / 2.0);
        f.setFontWeight(chr.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(chr.italic);
        f.setFontUnderline(chr.underline);
        f.setFontStrikeOut(chr.strike);
        if (chr.color < m_tables.colors.size() && m_tables.colors.at(chr.color).isValid())
            f.setForeground(m_tables.colors.at(chr.color));
        m_format = f;
        m_formatChr = chr;
        m_formatValid = true;
        return m_format;
    }

    QTextCursor &m_cursor;
    const Tables &m_tables;
    QString m_pending;
    CharState m_pendingChr;
    QTextCharFormat m_format;
    CharState m_formatChr;
    bool m_formatValid = false;
    bool m_blockPending = false; // a \par was read, its successor not yet opened
    bool m_blockHasContent = false;
    bool m_alignSet = false; // the first block's alignment is not known yet
    Align m_blockAlign = Align::Left;
    Align m_contentAlign = Align::Left;
    int m_paragraphs = 0;
};

} // namespace

bool isRtf(QByteArrayView data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size()
        && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf");
}

QStringList readLines(QByteArrayView data)
{
    Tables tables;
    LinesSink sink;
    Parser<LinesSink> parser(data, tables, sink);
    parser.run();
    return std::move(sink.lines);
}

int readDocument(QByteArrayView data, QTextDocument *doc)
{
    if (!doc)
        return 0;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    // Cleared inside the edit block, the load is one change of the whole
    // document, which a view lays out lazily instead of line by line.
    cursor.beginEditBlock();
    doc->clear();
    Tables tables;
    DocumentSink sink(cursor, tables);
    Parser<DocumentSink> parser(data, tables, sink);
    parser.run();
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    return sink.paragraphs();
}

} // namespace caveto::rtf

namespace caveto {

namespace {
// An RTF document saved as UTF-16 text holds only ASCII in its markup: back
// to bytes it reads as any RTF file.
QByteArray utf16Rtf(QByteArrayView data)
{
    if (plaintext::detectUtf16(data) == plaintext::Utf16::No)
        return {};
    const QString text = plaintext::decode(data);
    if (!text.trimmed().startsWith(QLatin1String("{\\rtf")))
        return {};
    return text.toLatin1();
}
} // namespace

QStringList readTextLines(QByteArrayView data)
{
    if (rtf::isRtf(data))
        return rtf::readLines(data);
    if (const QByteArray rtf = utf16Rtf(data); !rtf.isEmpty())
        return rtf::readLines(rtf);
    return plaintext::splitLines(plaintext::decode(data));
}

int readTextDocument(QByteArrayView data, QTextDocument *doc)
{
    if (!doc)
        return 0;
    if (rtf::isRtf(data))
        return rtf::readDocument(data, doc);
    if (const QByteArray rtf = utf16Rtf(data); !rtf.isEmpty())
        return rtf::readDocument(rtf, doc);
    const QStringList lines = plaintext::splitLines(plaintext::decode(data));
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->setPlainText(lines.join(u'\n'));
    doc->setUndoRedoEnabled(undo);
    return int(lines.size());
}

} // namespace caveto
