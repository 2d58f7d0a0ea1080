#pragma once
// The rich-text document control: the hidden record-file image, the notes
// editor, the listing report, the guide's print buffer and the dictionary.
// Its content is a sequence of lines, one per paragraph; it loads RTF or
// plain text and saves RTF.

#include <QStringList>
#include <QTextEdit>

class QPrinter;

class TRichEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit TRichEdit(QWidget *parent = nullptr);

    // Lines are paragraphs, whatever the word wrap shows. An empty control
    // has no lines; adding an empty line to it gives one.
    void clearLines();
    void addLine(const QString &text);
    // Before line `index`; 0 puts it at the top, past the end appends.
    void insertLine(int index, const QString &text);
    int lineCount() const;
    // The text of line i without its line end; empty when out of range.
    QString line(int i) const;
    QStringList lines() const;
    // Replaces the whole content by plain lines in one step (fast for the
    // record file's 100,000 lines).
    void setLines(const QStringList &lines);

    // RTF, or plain text when the file is not RTF. The content is replaced;
    // a file that cannot be read leaves it unchanged and gives the system's
    // error text. A loaded document is not modified.
    bool loadFromFile(const QString &path, QString *error = nullptr);
    // The whole content as RTF, through a temporary file renamed over the old
    // one: on failure the old file is untouched.
    bool saveToFile(const QString &path, QString *error = nullptr);

    // Set by the user's edits; the program's own line operations keep it.
    bool isModified() const;
    void setModified(bool modified);

    // The position of the first match that lies wholly inside
    // [start, start + length), or -1. A negative length means "to the end".
    // Positions count a line end as one character.
    int findText(const QString &text, int start, int length, bool matchCase) const;

    void printDocument(QPrinter *printer);

    // The notes editor's format commands: they act on the selected
    // paragraphs / characters, or on the text typed next.
    void setSelectionAlignment(Qt::Alignment alignment);
    void setSelectionFont(const QFont &font);
    void setSelectionColor(const QColor &color);

private:
    class ProgramEdit;
    bool contentIsEmpty() const;

    // A document always has one block; this tells an empty control from one
    // holding a single empty line.
    bool m_oneEmptyLine = false;
    bool m_programEdit = false;
};
