// The RTF writer: Windows-1252 RTF that Word, LibreOffice and WordPad open.
// Bytes 0x80-0xFF and control characters are written as \'hh, characters
// outside Windows-1252 as \uN with a '?' fallback, so nothing is lost.
// Raw line ends go only after \par, where readers ignore them: a record
// line's text is never wrapped.

#include "platform/Rtf.h"
#include "platform/Win1252.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>

#include <cstring>
#include <optional>

namespace caveto::rtf {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The most bytes one UTF-16 unit takes once escaped: "\u-32768?".
constexpr qsizetype kMaxEscaped = 9;

// Lines: record lines, every character is text. Document: a fragment of a
// formatted document. ObjectFragment: a fragment that stands for an embedded
// object or a frame mark, whose placeholder characters have no text.
enum class Mode { Lines, Document, ObjectFragment };

inline char *put(char *d, const char *s, size_t n)
{
    std::memcpy(d, s, n);
    return d + n;
}

inline char *putNumber(char *d, int n)
{
    if (n < 0) {
        *d++ = '-';
        n = -n;
    }
    char digits[12];
    int k = 0;
    do {
        digits[k++] = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (k > 0)
        *d++ = digits[--k];
    return d;
}

// Printable ASCII that RTF takes as it is.
struct PlainAscii
{
    bool is[128];
    constexpr PlainAscii()
        : is()
    {
        for (int c = 0x20; c < 0x7F; ++c)
            is[c] = c != '\\' && c != '{' && c != '}';
    }
    bool all8(const char16_t *s) const
    {
        char16_t high = 0;
        for (int i = 0; i < 8; ++i)
            high |= s[i];
        if (high >= 0x80)
            return false;
        bool ok = true;
        for (int i = 0; i < 8; ++i)
            ok &= is[s[i]];
        return ok;
    }
};
constexpr PlainAscii kPlain;

// Writes `text` escaped at `d`, which has room for kMaxEscaped bytes per unit.
char *escape(char *d, QStringView text, Mode mode)
{
    const char16_t *s = text.utf16();
    const char16_t *const end = s + text.size();
    while (s < end) {
        // Record lines are mostly blanks, letters and digits: copy such runs
        // eight characters at a time.
        while (end - s >= 8 && kPlain.all8(s)) {
            for (int i = 0; i < 8; ++i)
                d[i] = char(s[i]);
            d += 8;
            s += 8;
        }
        if (s == end)
            break;
        const char16_t u = *s++;
        if (u >= 0x20 && u < 0x7F) {
            if (u == u'\\' || u == u'{' || u == u'}')
                *d++ = '\\';
            *d++ = char(u);
            continue;
        }
        if (u == u'\t') {
            d = put(d, "\\tab ", 5);
            continue;
        }
        if (mode != Mode::Lines) {
            if (u == 0x2028) { // a line break inside the paragraph
                d = put(d, "\\line ", 6);
                continue;
            }
            if (mode == Mode::ObjectFragment && (u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1))
                continue;
        }
        const int b = win1252::fromUnicode(QChar(u));
        if (b >= 0) {
            *d++ = '\\';
            *d++ = '\'';
            *d++ = kHex[b >> 4];
            *d++ = kHex[b & 15];
            continue;
        }
        // \uN takes a signed 16-bit number; '?' is what older readers show.
        d = put(d, "\\u", 2);
        d = putNumber(d, u <= 0x7FFF ? int(u) : int(u) - 0x10000);
        *d++ = '?';
    }
    return d;
}

inline qsizetype numberLength(int n)
{
    qsizetype len = n < 0 ? 2 : 1;
    for (n = n < 0 ? -n : n; n >= 10; n /= 10)
        ++len;
    return len;
}

// What escape() writes for `text` in Mode::Lines.
qsizetype escapedSize(QStringView text)
{
    qsizetype n = 0;
    const char16_t *s = text.utf16();
    const char16_t *const end = s + text.size();
    while (s < end) {
        while (end - s >= 8 && kPlain.all8(s)) {
            n += 8;
            s += 8;
        }
        if (s == end)
            break;
        const char16_t u = *s++;
        if (u >= 0x20 && u < 0x7F)
            n += (u == u'\\' || u == u'{' || u == u'}') ? 2 : 1;
        else if (u == u'\t')
            n += 5;
        else if (win1252::fromUnicode(QChar(u)) >= 0)
            n += 4;
        else
            n += 3 + numberLength(u <= 0x7FFF ? int(u) : int(u) - 0x10000);
    }
    return n;
}

void appendEscaped(QByteArray &out, QStringView text, Mode mode)
{
    const qsizetype pos = out.size();
    out.resize(pos + text.size() * kMaxEscaped);
    char *const begin = out.data();
    char *d = escape(begin + pos, text, mode);
    out.resize(d - begin);
}

void appendNumber(QByteArray &out, int n)
{
    char buf[16];
    out.append(buf, putNumber(buf, n) - buf);
}

bool isFixedPitchName(const QString &family)
{
    static const char *const names[] = { "Courier New", "Courier", "Liberation Mono",
        "DejaVu Sans Mono", "Consolas", "Lucida Console", "Monospace", "FreeMono", "Noto Mono" };
    for (const char *n : names) {
        if (family.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// "{\f0\fmodern\fprq1\fcharset0 Courier New;}"
void appendFontEntry(QByteArray &out, int index, const QString &family, bool fixedPitch)
{
    out += "{\\f";
    appendNumber(out, index);
    out += fixedPitch ? "\\fmodern\\fprq1" : "\\fnil";
    out += "\\fcharset0 ";
    QString name = family;
    name.remove(u';'); // the entry's terminator
    appendEscaped(out, name, Mode::Lines);
    out += ";}";
}

const char kHeaderStart[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082";

// ---------------------------------------------------------------------------
// Documents

struct Style
{
    int font = 0;
    int halfPoints = 24;
    int color = 0; // 0: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const Style &) const = default;
};

class DocumentWriter
{
public:
    explicit DocumentWriter(const QTextDocument *doc)
        : m_doc(doc)
        , m_base(doc->defaultFont())
    {
        fontIndex(m_base.family(), isFixedPitchName(m_base.family()) || m_base.fixedPitch());
    }

    QByteArray write()
    {
        // Fonts and colours first: the tables come before the text.
        for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next()) {
            if (block.length() <= 1)
                styleOf(block.charFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                if (frag.isValid())
                    styleOf(frag.charFormat());
            }
        }

        QByteArray body;
        body.reserve(m_doc->characterCount() * 2 + 256);
        // A document without text has no paragraph, so it reads back empty.
        const bool empty = m_doc->characterCount() <= 1;
        const bool hasFrames = !m_doc->rootFrame()->childFrames().isEmpty();
        for (QTextBlock block = m_doc->begin(); block.isValid() && !empty; block = block.next()) {
            body += "\\pard\\plain";
            body += alignmentWord(block.blockFormat().alignment());
            // Fragments that differ only in what RTF does not keep are one
            // run: the file reads back as it was written.
            std::optional<Style> open;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                if (!frag.isValid())
                    continue;
                const QTextCharFormat format = frag.charFormat();
                const Style style = styleOf(format);
                if (open != style) {
                    if (open)
                        body += '}';
                    body += '{';
                    appendStyle(body, style);
                    body += ' ';
                    open = style;
                }
                // The user may type U+FFFC or U+FDD0 themselves: only an
                // image or a frame makes them placeholders.
                const bool object = format.objectType() != QTextFormat::NoObject
                    || format.isImageFormat() || hasFrames;
                appendEscaped(body, frag.text(), object ? Mode::ObjectFragment : Mode::Document);
            }
            if (open)
                body += '}';
            // An empty paragraph keeps its size through its paragraph mark.
            if (block.length() <= 1)
                appendStyle(body, styleOf(block.charFormat()));
            body += "\\par\r\n";
        }

        QByteArray out = kHeaderStart;
        out += "{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i)
            appendFontEntry(out, int(i), m_fonts.at(i), m_fixed.at(i));
        out += "}\r\n{\\colortbl ;";
        for (const QColor &c : std::as_const(m_colors)) {
            out += "\\red";
            appendNumber(out, c.red());
            out += "\\green";
            appendNumber(out, c.green());
            out += "\\blue";
            appendNumber(out, c.blue());
            out += ';';
        }
        out += "}\r\n\\viewkind4\\uc1\r\n";
        out += body;
        out += "}\r\n";
        return out;
    }

private:
    static const char *alignmentWord(Qt::Alignment a)
    {
        const Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
        if (h & Qt::AlignJustify)
            return "\\qj";
        if (h & Qt::AlignHCenter)
            return "\\qc";
        if (h & (Qt::AlignRight | Qt::AlignTrailing))
            return "\\qr";
        return "\\ql";
    }

    static void appendStyle(QByteArray &out, const Style &s)
    {
        out += "\\f";
        appendNumber(out, s.font);
        out += "\\fs";
        appendNumber(out, s.halfPoints);
        if (s.bold)
            out += "\\b";
        if (s.italic)
            out += "\\i";
        if (s.underline)
            out += "\\ul";
        if (s.strike)
            out += "\\strike";
        if (s.color > 0) {
            out += "\\cf";
            appendNumber(out, s.color);
        }
    }

    int fontIndex(const QString &family, bool fixedPitch)
    {
        auto it = m_fontIndex.constFind(family);
        if (it != m_fontIndex.constEnd())
            return it.value();
        const int index = int(m_fonts.size());
        m_fonts.append(family);
        m_fixed.append(fixedPitch);
        m_fontIndex.insert(family, index);
        return index;
    }

    int colorIndex(const QColor &c)
    {
        const QRgb rgb = c.rgb() & 0xFFFFFF;
        auto it = m_colorIndex.constFind(rgb);
        if (it != m_colorIndex.constEnd())
            return it.value();
        m_colors.append(QColor::fromRgb(rgb));
        const int index = int(m_colors.size()); // 0 is the automatic colour
        m_colorIndex.insert(rgb, index);
        return index;
    }

    double pointSize(const QTextCharFormat &f) const
    {
        if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
            return f.fontPointSize();
        if (f.hasProperty(QTextFormat::FontPixelSize)
            && f.intProperty(QTextFormat::FontPixelSize) > 0)
            return f.intProperty(QTextFormat::FontPixelSize) * 0.75;
        if (m_base.pointSizeF() > 0)
            return m_base.pointSizeF();
        if (m_base.pixelSize() > 0)
            return m_base.pixelSize() * 0.75;
        return 12;
    }

    Style styleOf(const QTextCharFormat &f)
    {
        Style s;
        QString family;
        const QStringList families = f.fontFamilies().toStringList();
        if (!families.isEmpty())
            family = families.first();
        if (family.isEmpty())
            family = m_base.family();
        const bool fixed = f.fontFixedPitch() || f.fontStyleHint() == QFont::TypeWriter
            || f.fontStyleHint() == QFont::Monospace || isFixedPitchName(family);
        s.font = fontIndex(family, fixed);
        s.halfPoints = qBound(1, qRound(pointSize(f) * 2), 3276);
        s.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold
                                                        : m_base.weight() >= QFont::DemiBold;
        s.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : m_base.italic();
        s.underline = f.fontUnderline() || f.underlineStyle() != QTextCharFormat::NoUnderline
            || (!f.hasProperty(QTextFormat::TextUnderlineStyle)
                && !f.hasProperty(QTextFormat::FontUnderline) && m_base.underline());
        s.strike
            = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : m_base.strikeOut();
        const QBrush fg = f.foreground();
        if (fg.style() != Qt::NoBrush)
            s.color = colorIndex(fg.color());
        return s;
    }

    const QTextDocument *m_doc;
    const QFont m_base;
    QStringList m_fonts;
    QList<bool> m_fixed;
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colors;
    QHash<QRgb, int> m_colorIndex;
};

} // namespace

QByteArray writeLines(const QStringList &lines, const QString &fontName, int pointSize)
{
    // The exact size first: a record file is ~100 MB, and one allocation
    // of the right size is much cheaper than growing into it.
    qsizetype size = 0;
    qsizetype longest = 0;
    for (const QString &line : lines) {
        size += escapedSize(line) + 6;
        longest = std::max(longest, line.size());
    }

    QByteArray out;
    out.reserve(size + longest * kMaxEscaped + 1024);
    out += kHeaderStart;
    out += "{\\fonttbl";
    const QString family = fontName.isEmpty() ? QStringLiteral("Courier New") : fontName;
    appendFontEntry(out, 0, family, isFixedPitchName(family));
    out += "}\r\n{\\colortbl ;}\r\n\\viewkind4\\uc1\\pard\\plain\\f0\\fs";
    appendNumber(out, qBound(1, pointSize, 1638) * 2);
    out += "\r\n";

    qsizetype pos = out.size();
    out.resize(pos + size);
    for (const QString &line : lines) {
        // Never trust the count with memory: make room for the worst case.
        const qsizetype worst = line.size() * kMaxEscaped + 6;
        if (out.size() - pos < worst)
            out.resize(pos + worst);
        char *const begin = out.data();
        char *d = escape(begin + pos, line, Mode::Lines);
        d = put(d, "\\par\r\n", 6);
        pos = d - begin;
    }
    out.resize(pos);
    out += "}\r\n";
    return out;
}

QByteArray writeDocument(const QTextDocument *doc)
{
    if (!doc)
        return writeLines({});
    return DocumentWriter(doc).write();
}

} // namespace caveto::rtf
