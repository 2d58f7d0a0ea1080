#pragma once
// Copies of the record file's earlier versions, in "Datos/Copias": before
// every save the file as it was is kept there under the date and time of the
// save, so one wrong delete can be undone. The folder keeps the last 20
// copies and the newest copy of each of the last 30 days, and never more
// than ten times the book's size in all: the size has the last word, so a
// book that keeps its size keeps about its last ten versions. A deleted
// wine's notes file is moved there too instead of being erased.

#include <QDateTime>
#include <QList>
#include <QString>

namespace caveto::backups {

// "<data folder>/Copias"
QString folderFor(const QString &dataFile);

struct Copy
{
    QString path;
    QDateTime taken;
    qint64 size = 0;
};

// The copies of `dataFile`, newest first.
QList<Copy> list(const QString &dataFile);

// Keeps the file as it is now, before it is replaced. A missing file has
// nothing to keep. Cheap: the copy is a second name for the same bytes
// where the file system allows it (the save then writes a new file), else
// a plain copy. False with the reason when the copy could not be made;
// the save should go on all the same.
bool keep(const QString &dataFile, const QDateTime &now, QString *error);

struct Rules
{
    int keepLast = 20;
    int keepDays = 30;
    int maxTimesBookSize = 10;
};

// Drops the copies the rules no longer keep.
void prune(const QString &dataFile, const QDateTime &now, const Rules &rules = {});

// Moves a notes file into the copies folder (named after it and the time)
// instead of erasing it. False with the reason when it could not be moved;
// the file is then left where it was.
bool keepNotes(const QString &notesFile, const QDateTime &now, QString *error);

} // namespace caveto::backups
