#include "cellar/Csv.h"

#include "platform/PlainText.h"

namespace caveto::csv {

namespace {

QString encodingName(QByteArrayView bytes)
{
    if (plaintext::detectUtf16(bytes) != plaintext::Utf16::No)
        return QStringLiteral("UTF-16");
    if (plaintext::isValidUtf8(bytes))
        return QStringLiteral("UTF-8");
    return QStringLiteral("Windows-1252");
}

// The separator of the header row: the candidate met most often outside
// quotes before the first line end outside quotes.
QChar guessSeparator(QStringView text)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        else if (c == QLatin1Char(','))
            ++commas;
        else if (c == QLatin1Char(';'))
            ++semicolons;
        else if (c == QLatin1Char('\t'))
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return QLatin1Char(';');
    if (tabs > commas && tabs > semicolons)
        return QLatin1Char('\t');
    return QLatin1Char(',');
}

// Blanks around an unquoted field are not part of it; a non-breaking space
// is a character of the text.
QString trimField(const QString &cell)
{
    qsizetype b = 0, e = cell.size();
    while (b < e && (cell[b] == QLatin1Char(' ') || cell[b] == QLatin1Char('\t')))
        ++b;
    while (e > b && (cell[e - 1] == QLatin1Char(' ') || cell[e - 1] == QLatin1Char('\t')))
        --e;
    return (b == 0 && e == cell.size()) ? cell : cell.mid(b, e - b);
}

bool isBlankRow(const QStringList &cells)
{
    for (const QString &cell : cells) {
        for (QChar c : cell) {
            if (!c.isSpace())
                return false;
        }
    }
    return true;
}

} // namespace

Table read(QByteArrayView bytes)
{
    Table table;
    table.encoding = encodingName(bytes);
    const QString decoded = plaintext::decode(bytes);
    QStringView text(decoded);
    int line = 1;

    // "sep=;" on a line of its own names the separator.
    if (text.startsWith(QLatin1String("sep="), Qt::CaseInsensitive) && text.size() >= 5
        && (text.size() == 5 || text[5] == QLatin1Char('\r') || text[5] == QLatin1Char('\n'))) {
        table.separator = text[4];
        qsizetype skip = 5;
        if (skip < text.size() && text[skip] == QLatin1Char('\r'))
            ++skip;
        if (skip < text.size() && text[skip] == QLatin1Char('\n'))
            ++skip;
        text = text.mid(skip);
        line = 2;
    } else {
        table.separator = guessSeparator(text);
    }
    const QChar sep = table.separator;

    QStringList cells;
    QString cell;
    bool quoted = false; // inside a quoted field
    bool wasQuoted = false; // the current field began with a quote
    int rowLine = line;
    bool headerDone = false;

    const auto endRow = [&] {
        cells.append(wasQuoted ? cell : trimField(cell));
        cell.clear();
        wasQuoted = false;
        if (!isBlankRow(cells)) {
            if (!headerDone) {
                for (QString &name : cells)
                    name = trimField(name);
                table.header = std::move(cells);
                table.headerLine = rowLine;
                headerDone = true;
            } else {
                table.rows.append({ rowLine, std::move(cells) });
            }
        }
        cells = QStringList();
    };

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == QLatin1Char('\n')
                || (c == QLatin1Char('\r') && !(i + 1 < n && text[i + 1] == QLatin1Char('\n'))))
                ++line;
            cell += c;
            continue;
        }
        if (c == sep) {
            cells.append(wasQuoted ? cell : trimField(cell));
            cell.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && !wasQuoted && trimField(cell).isEmpty()) {
            // A quote opens a field only at its start; elsewhere it is text.
            cell.clear();
            quoted = true;
            wasQuoted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
            ++line;
            rowLine = line;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        // Whatever follows the open quote cannot be told apart from the rest
        // of the file: that row is not a row.
        table.unterminatedLine = rowLine;
    } else if (!cell.isEmpty() || !cells.isEmpty() || wasQuoted) {
        endRow();
    }
    return table;
}

QByteArray field(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    if (bytes.contains(',') || bytes.contains(';') || bytes.contains('"') || bytes.contains('\n')
        || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes.prepend('"');
        bytes.append('"');
    }
    return bytes;
}

} // namespace caveto::csv
