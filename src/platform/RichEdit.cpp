#include "platform/RichEdit.h"

#include "platform/FileIO.h"
#include "platform/Rtf.h"

#include <QFile>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

// The program's own changes to the lines: they do not count as the user's
// edits, so the modified flag survives them.
class TRichEdit::ProgramEdit
{
public:
    explicit ProgramEdit(TRichEdit *edit)
        : m_edit(edit)
        , m_modified(edit->document()->isModified())
    {
        m_edit->m_programEdit = true;
    }
    ~ProgramEdit()
    {
        m_edit->document()->setModified(m_modified);
        m_edit->m_programEdit = false;
    }
    ProgramEdit(const ProgramEdit &) = delete;
    ProgramEdit &operator=(const ProgramEdit &) = delete;

    void keepModified(bool modified) { m_modified = modified; }

private:
    TRichEdit *m_edit;
    bool m_modified;
};

namespace {

// Text is laid out (shaped) as it changes, which for a whole file is the
// slowest part of loading it. Without a page size the document skips that;
// given back, the view lays the new content out lazily, as it is shown.
class LayoutPause
{
public:
    explicit LayoutPause(QTextDocument *doc)
        : m_doc(doc)
        , m_size(doc->pageSize())
    {
        m_doc->setPageSize(QSizeF(0, 0));
    }
    ~LayoutPause() { m_doc->setPageSize(m_size); }
    LayoutPause(const LayoutPause &) = delete;
    LayoutPause &operator=(const LayoutPause &) = delete;

private:
    QTextDocument *m_doc;
    QSizeF m_size;
};

} // namespace

TRichEdit::TRichEdit(QWidget *parent)
    : QTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!m_programEdit)
            m_oneEmptyLine = false;
    });
}

bool TRichEdit::contentIsEmpty() const
{
    const QTextDocument *doc = document();
    return doc->blockCount() == 1 && doc->firstBlock().length() <= 1;
}

void TRichEdit::clearLines()
{
    ProgramEdit guard(this);
    document()->clear();
    m_oneEmptyLine = false;
}

void TRichEdit::addLine(const QString &text)
{
    ProgramEdit guard(this);
    const bool empty = lineCount() == 0;
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (!empty)
        c.insertBlock();
    c.insertText(text);
    m_oneEmptyLine = contentIsEmpty();
}

void TRichEdit::insertLine(int index, const QString &text)
{
    const int count = lineCount();
    if (index >= count) {
        addLine(text);
        return;
    }
    ProgramEdit guard(this);
    QTextCursor c(document()->findBlockByNumber(std::max(index, 0)));
    c.insertText(text);
    c.insertBlock();
    m_oneEmptyLine = false;
}

int TRichEdit::lineCount() const
{
    if (contentIsEmpty())
        return m_oneEmptyLine ? 1 : 0;
    return document()->blockCount();
}

QString TRichEdit::line(int i) const
{
    if (i < 0 || i >= lineCount())
        return QString();
    return document()->findBlockByNumber(i).text();
}

QStringList TRichEdit::lines() const
{
    QStringList out;
    const int count = lineCount();
    if (count == 0)
        return out;
    out.reserve(count);
    for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
        out.append(b.text());
    return out;
}

void TRichEdit::setLines(const QStringList &lines)
{
    ProgramEdit guard(this);
    document()->setPlainText(lines.join(u'\n'));
    m_oneEmptyLine = !lines.isEmpty();
}

bool TRichEdit::loadFromFile(const QString &path, QString *error)
{
    QByteArray data;
    if (!caveto::readFileBytes(path, &data, error))
        return false;
    ProgramEdit guard(this);
    LayoutPause pause(document());
    const int paragraphs = caveto::readTextDocument(data, document());
    m_oneEmptyLine = paragraphs > 0;
    guard.keepModified(false);
    setTextCursor(QTextCursor(document()));
    return true;
}

bool TRichEdit::saveToFile(const QString &path, QString *error)
{
    QByteArray data;
    if (m_oneEmptyLine && contentIsEmpty()) {
        // One empty line is one empty paragraph, unlike an empty control.
        const QFont base = document()->defaultFont();
        const int points = base.pointSize() > 0 ? base.pointSize()
            : base.pixelSize() > 0              ? qRound(base.pixelSize() * 0.75)
                                                : 12;
        data = caveto::rtf::writeLines({ QString() }, base.family(), points);
    } else {
        data = caveto::rtf::writeDocument(document());
    }
    return caveto::saveFileAtomically(path, data, error);
}

bool TRichEdit::isModified() const
{
    return document()->isModified();
}

void TRichEdit::setModified(bool modified)
{
    document()->setModified(modified);
}

int TRichEdit::findText(const QString &text, int start, int length, bool matchCase) const
{
    if (text.isEmpty())
        return -1;
    // The raw text has U+2029 between paragraphs, one position each, like
    // the document's own positions.
    const QString hay = document()->toRawText();
    QString needle = text;
    needle.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator));
    needle.replace(u'\r', QChar::ParagraphSeparator);
    needle.replace(u'\n', QChar::ParagraphSeparator);

    const qsizetype from = std::max(start, 0);
    if (from >= hay.size())
        return -1;
    const qsizetype to = length < 0 ? hay.size() : std::min<qsizetype>(hay.size(), from + length);
    if (to - from < needle.size())
        return -1;
    const qsizetype at
        = QStringView(hay)
              .sliced(from, to - from)
              .indexOf(needle, 0, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return at < 0 ? -1 : int(from + at);
}

void TRichEdit::printDocument(QPrinter *printer)
{
    if (printer)
        document()->print(printer);
}

void TRichEdit::setSelectionAlignment(Qt::Alignment alignment)
{
    setAlignment(alignment);
}

void TRichEdit::setSelectionFont(const QFont &font)
{
    QTextCharFormat fmt;
    fmt.setFont(font);
    mergeCurrentCharFormat(fmt);
}

void TRichEdit::setSelectionColor(const QColor &color)
{
    QTextCharFormat fmt;
    fmt.setForeground(color);
    mergeCurrentCharFormat(fmt);
}
