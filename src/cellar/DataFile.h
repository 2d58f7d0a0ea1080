#pragma once
// The record file and what is built from it: the data-file image (the
// file's lines in file order), the sorted record list and the value lists.

#include "cellar/RecordLine.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace caveto {

// Called with the number of lines done; the window moves its progress bar.
using Progress = std::function<void(qsizetype done)>;

// Reads a record file: Rich Text Format, or plain text with one record line
// per text line. Empty lines are kept (they are skipped when the record list
// is built). A missing or unreadable file gives false and the system's error.
bool readRecordFile(const QString &path, QStringList *lines, QString *error);

// Writes the lines as a Rich Text Format document, one paragraph per line,
// through a temporary file that replaces the old one only once it is
// complete on disk. On failure the old file is untouched.
bool writeRecordFile(const QString &path, const QStringList &lines, QString *error);

// The record list: the non-empty lines of the image, sorted.
QStringList buildRecordList(const QStringList &image, const Progress &progress = {});

// The lines of the record list that go back into the image after a modify:
// a line whose first 40 columns are blank is dropped.
bool hasBlankKey(QStringView line);

// Where a line takes its sorted place in a sorted list.
qsizetype sortedInsertPosition(const QStringList &sorted, QStringView line);

// The four value-list fields, in the order of the new-value flags.
enum class ValueList { Denominacion = 0, Vino = 1, TipoVino = 2, Estante = 3 };
Field valueListField(ValueList list);

// The distinct column texts of a field over the image's non-empty lines,
// sorted; values that differ only in letter case appear once, in the form
// that sorts first. Each item keeps its padding to the field width.
QStringList buildValueList(const QStringList &image, Field field, const Progress &progress = {});

// Whether a value is already in a value list (trimmed, regardless of case).
bool valueListContains(const QStringList &items, QStringView value);

} // namespace caveto
