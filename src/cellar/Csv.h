#pragma once
// Comma-separated values, as spreadsheets and other cellar programs write
// them: a header row, then one row per wine. Fields may be quoted with
// double quotes, a doubled quote stands for one, and a quoted field may hold
// the separator and line breaks. The separator is a comma, a semicolon (what
// spreadsheets in Spanish write) or a tab.

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace caveto::csv {

struct Row
{
    int line = 0; // the text line the row starts on, counted from 1
    QStringList cells;
};

struct Table
{
    QStringList header; // the first row, each name trimmed
    int headerLine = 0; // 0: the file has no rows at all
    QList<Row> rows; // the rows after the header; rows with no text are left out
    QChar separator = QLatin1Char(',');
    QString encoding; // "UTF-8", "Windows-1252" or "UTF-16"
    // A quoted field still open at the end of the file: the line its row
    // starts on (that row is not among the rows), else 0.
    int unterminatedLine = 0;
};

// The text is UTF-16 when it says so, UTF-8 when its bytes are valid UTF-8,
// Windows-1252 otherwise. The separator is the one of the three that occurs
// most often in the header row outside quotes (a comma when none does); a
// first line "sep=;" as spreadsheets write it names it instead.
Table read(QByteArrayView bytes);

// One field as written: quoted when it holds a comma, a quote or a line
// break.
QByteArray field(const QString &value);

} // namespace caveto::csv
