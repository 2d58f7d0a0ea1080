#include "cellar/DataFile.h"

#include "cellar/RecordOrder.h"
#include "platform/FileIO.h"
#include "platform/Rtf.h"

#include <QHash>

#include <algorithm>

namespace caveto {

bool readRecordFile(const QString &path, QStringList *lines, QString *error)
{
    QByteArray data;
    if (!readFileBytes(path, &data, error))
        return false;
    *lines = readTextLines(data);
    return true;
}

bool writeRecordFile(const QString &path, const QStringList &lines, QString *error)
{
    return saveFileAtomically(path, rtf::writeLines(lines), error);
}

QStringList buildRecordList(const QStringList &image, const Progress &progress)
{
    QStringList list;
    list.reserve(image.size());
    qsizetype done = 0;
    for (const QString &line : image) {
        if (!line.isEmpty())
            list.append(line);
        if (progress)
            progress(++done);
    }
    sortRecordText(list);
    return list;
}

bool hasBlankKey(QStringView line)
{
    const QStringView head = line.left(40);
    return std::all_of(head.begin(), head.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

qsizetype sortedInsertPosition(const QStringList &sorted, QStringView line)
{
    const auto it = std::upper_bound(sorted.begin(), sorted.end(), line,
        [](QStringView a, const QString &b) { return compareRecordText(a, b) < 0; });
    return it - sorted.begin();
}

Field valueListField(ValueList list)
{
    switch (list) {
    case ValueList::Denominacion:
        return Field::DenoOrigen;
    case ValueList::Vino:
        return Field::Vino;
    case ValueList::TipoVino:
        return Field::TipoVino;
    case ValueList::Estante:
        break;
    }
    return Field::Estante;
}

QStringList buildValueList(const QStringList &image, Field field, const Progress &progress)
{
    // One entry per value regardless of letter case, in the form that sorts
    // first; the few distinct values are sorted at the end.
    const int width = fieldWidth(field);
    QHash<QString, QString> firstForm;
    qsizetype done = 0;
    for (const QString &line : image) {
        if (!line.isEmpty()) {
            const QString value = padRight(columnText(line, field).toString(), width);
            const QString folded = foldCase(value);
            auto it = firstForm.find(folded);
            if (it == firstForm.end())
                firstForm.insert(folded, value);
            else if (compareRecordText(value, *it) < 0)
                *it = value;
        }
        if (progress)
            progress(++done);
    }
    QStringList items = firstForm.values();
    sortRecordText(items);
    return items;
}

bool valueListContains(const QStringList &items, QStringView value)
{
    const QString wanted = foldCase(trimBlanks(value));
    for (const QString &item : items) {
        if (foldCase(trimBlanks(item)) == wanted)
            return true;
    }
    return false;
}

} // namespace caveto
