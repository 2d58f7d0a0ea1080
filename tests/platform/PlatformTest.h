#pragma once
// Helpers shared by the text codec, RTF and rich-text control tests: the
// sample files, and a document's paragraphs, alignments and formats.

#include <QFile>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

inline QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

inline QString samplePath(const QString &name)
{
    return QStringLiteral(CAVETO_SAMPLES_DIR "/") + name;
}

inline QByteArray sample(const QString &name)
{
    const QByteArray data = readFile(samplePath(name));
    if (data.isEmpty())
        qFatal("missing sample %s", qPrintable(name));
    return data;
}

// The expected lines of a sample, kept in UTF-8 with one line per LF.
inline QStringList expectedLines(const QString &name)
{
    QStringList lines = QString::fromUtf8(sample(name)).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

inline QStringList blockTexts(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts.append(b.text());
    return texts;
}

// One letter per paragraph: L, C (centred), R or J.
inline QString alignments(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment();
        out += a & Qt::AlignJustify ? u'J'
            : a & Qt::AlignHCenter  ? u'C'
            : a & Qt::AlignRight    ? u'R'
                                    : u'L';
    }
    return out;
}

// A character format as one comparable string, e.g. "Arial 16 bold #800000".
inline QString describe(const QTextCharFormat &f)
{
    QStringList parts { f.fontFamilies().toStringList().value(0),
        QString::number(f.fontPointSize()) };
    for (const auto &[on, word] :
        { std::pair(f.fontWeight() >= QFont::DemiBold, "bold"), { f.fontItalic(), "italic" },
            { f.fontUnderline(), "underline" }, { f.fontStrikeOut(), "strike" } })
        if (on)
            parts << QLatin1String(word);
    if (f.foreground().style() != Qt::NoBrush)
        parts << f.foreground().color().name();
    return parts.join(u' ');
}

// The format of the first character of the first occurrence of `text`.
inline QString formatOf(const QTextDocument &doc, const QString &text)
{
    QTextCursor c = doc.find(text);
    if (c.isNull())
        return QStringLiteral("(not found: %1)").arg(text);
    c.setPosition(c.selectionStart() + 1);
    return describe(c.charFormat());
}
