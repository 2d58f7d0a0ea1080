#pragma once
// Plain-text files: the record file or a notes file saved without formatting,
// by this program's predecessors or by hand in an editor.

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace caveto::plaintext {

// UTF-16 (little or big endian, with or without a byte-order mark, as
// Windows editors save "Unicode" text); else UTF-8 when the bytes are valid
// UTF-8 (a leading UTF-8 byte-order mark is dropped); else Windows-1252,
// which decodes any byte sequence.
QString decode(QByteArrayView bytes);

enum class Utf16 { No, LittleEndian, BigEndian };
// Whether the bytes are UTF-16 text: a byte-order mark, or, without one, the
// zero high bytes that text in Latin letters has in every other byte.
Utf16 detectUtf16(QByteArrayView bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut at the end).
bool isValidUtf8(QByteArrayView bytes);

// Lines end with LF, CR LF or a lone CR. A line end closes a line, so a final
// line end does not add an empty line: "a\nb\n" and "a\nb" are both {a, b};
// "" has no lines.
QStringList splitLines(QStringView text);

} // namespace caveto::plaintext
