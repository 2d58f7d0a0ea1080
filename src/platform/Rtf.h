#pragma once
// Rich Text Format, read and written by the program itself (Qt has no RTF).
//
// The record file is an RTF document whose paragraphs are the record lines,
// and the notes documents are formatted RTF. The reader takes what Windows'
// rich-text control and WordPad, LibreOffice and Word write; it is lenient
// with damaged files and keeps every character it can reach. The writer
// emits Windows-1252 RTF with \uN escapes for anything outside that set, so
// no text is lost.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace caveto::rtf {

// Starts with "{\rtf", after an optional UTF-8 byte-order mark and blanks.
bool isRtf(QByteArrayView data);

// The text of the document, one entry per paragraph. \par (and \line) end a
// line; text after the last \par is a last line; a document that ends right
// after a \par has no extra empty line.
QStringList readLines(QByteArrayView data);

// Replaces the content of `doc` with the document, keeping font face, size,
// bold, italic, underline, strike-out, colour and paragraph alignment. A
// paragraph becomes a block; \line becomes a line separator (U+2028) inside
// the block. Returns the number of paragraphs read (0 for a document without
// text, 1 for a document that is a single empty paragraph).
int readDocument(QByteArrayView data, QTextDocument *doc);

// A single-font document with one paragraph per line, each followed by \par.
QByteArray writeLines(const QStringList &lines,
    const QString &fontName = QStringLiteral("Courier New"), int pointSize = 10);

// The whole document, one paragraph per block, with the character formats of
// its fragments and the alignment of its blocks. A document without any text
// is written without paragraphs.
QByteArray writeDocument(const QTextDocument *doc);

} // namespace caveto::rtf

namespace caveto {

// RTF when rtf::isRtf(), otherwise plain text (UTF-8 or Windows-1252, one
// line per text line). A damaged RTF file is still read as RTF.
QStringList readTextLines(QByteArrayView data);
// Same choice, into a document; returns the number of lines read.
int readTextDocument(QByteArrayView data, QTextDocument *doc);

} // namespace caveto
