#pragma once
// Bringing wines into a cellar book from a CSV file: the book's own export
// (a header of the 61 field names, values as the record line holds them) or
// the export of another cellar program or a spreadsheet, whose columns are
// recognised by their names in English or Spanish.
//
// Every imported wine gets a notes name of its own. A value the record line
// cannot hold (a character outside Windows-1252, a line break, more
// characters than the field's width, a number that does not fit) becomes
// the nearest text it can hold, and each such change is listed. A row
// without a wine name is not imported and is listed with its line. A free-
// text notes column becomes the wine's notes file.

#include "cellar/Csv.h"

#include <QChar>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace caveto::import {

struct Options
{
    // The decimal separator that prices and alcohol are written with (the
    // one of the user's locale, as typed in the window).
    QChar decimalSeparator = QLatin1Char(',');
    // Where the count of new notes names starts: the name the clock makes.
    QString firstNotesName = QStringLiteral("1000000000000000");
};

// A value changed so that the record line can hold it.
struct Change
{
    int line = 0; // the line the row starts on
    QString column; // the column's name in the CSV
    QString from;
    QString to;
    QString why;
};

// A row that was not imported.
struct Skipped
{
    int line = 0;
    QString why;
};

// The notes file of an imported wine: one paragraph per line of the text.
struct NotesText
{
    QString name;
    QStringList paragraphs;
};

struct Plan
{
    bool ownFormat = false;
    QStringList lines; // the record lines to append, in the file's order
    QList<NotesText> notes;
    QList<Change> changes;
    QList<Skipped> skipped;
    QStringList ignoredColumns; // each with the reason, as said to the user
    QString error; // set when nothing can be imported at all
};

// What the records of `table` would be in a book whose data-file image is
// `bookImage`, with `notesFiles` the notes names that already have a file in
// its data folder. Pure: reads and writes nothing.
Plan plan(const csv::Table &table, const QStringList &bookImage, const QSet<QString> &notesFiles,
    const Options &options = {});

// The nearest text a record field of `width` characters can hold (0: no
// limit): line breaks and tabs become one blank, a character outside
// Windows-1252 its letter without the accent (or "?"), control characters
// go, and the text is cut to the width. `why` gets the reasons, if any.
QString storableNearest(QStringView text, int width, QString *why = nullptr);

// The lines to show the user: every change, skipped row and ignored column.
QStringList report(const Plan &plan);

// The whole import: reads the CSV, then, holding the book's lock, writes the
// notes files and appends the records to the book in one save (the book as
// it was is kept among its copies). When anything fails, the notes files
// written are removed and the book is left as it was; `error` says why. A
// book that an open program holds is refused. `warning` gets a note that
// does not stop the import (a copy that could not be kept).
bool importCsv(const QString &csvPath, const QString &bookPath, const Options &options, Plan *plan,
    QString *error, QString *warning = nullptr);

} // namespace caveto::import
