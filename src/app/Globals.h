#pragma once
// Program-wide values: the application folder, the splash answer, the clock
// values the status-bar timer keeps, and the key the search window hands back.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <QtGlobal>

namespace caveto {

// The local date and time of the last clock tick; notes names are made from them.
struct ClockValues
{
    quint16 hour = 0;
    quint16 minute = 0;
    quint16 second = 0;
    quint16 millisecond = 0;
    quint16 year = 0;
    quint16 month = 0;
    quint16 day = 0;
};

struct ProgramState
{
    QString AppFolder; // folder of the executable, ending with the separator
    QString EntradaSplash; // "", "S" or "N"
    ClockValues clock;
    QString ClaveElegida; // record key chosen in the search window, at most 16
};

ProgramState &program();

// Recomputes AppFolder from the executable's path (or the test override) and
// returns it.
QString computeAppFolder();

// Points the application folder elsewhere (tests, embedding tools); an empty
// path goes back to the executable's folder.
void setAppFolderOverride(const QString &folder);

// Where the cellar lives. A portable program (its pictures beside it, as the
// build leaves it or as it is copied about) keeps the data beside itself
// when it may write there. A program installed with its pictures in the
// share folder, or one whose folder it may not write to, keeps them in the
// user's own data folder (~/.local/share/Caveto). A Datos folder already
// beside the program, and writable, is always used: a cellar is never left
// behind.
enum class DataPlace { BesideProgram, UserFolder };
struct DataPlaceFacts
{
    bool programFolderWritable = false;
    bool installedLayout = false; // no ApliGraf beside it, one in the share folder
    bool dataBesideWritable = false; // a Datos folder beside it that can be written
};
DataPlace chooseDataPlace(const DataPlaceFacts &facts);

// The folder that holds "Datos": AppFolder for a portable program, the
// user's data folder otherwise. Chosen once per run (and again when the
// test override changes).
QString dataRootPath();

// File paths of the data, joined with the platform separator.
QString dataFolderPath(); // data root + "Datos"
QString dataFilePath(); // data root + "Datos/Caveto20.Datos"
// The notes file of a record's notes name, or an empty string when the name
// could reach outside the data folder (such a record has no notes file).
QString notesFilePathFor(const QString &notesName);
// A picture: AppFolder + "ApliGraf/" + name when it is there, else the one
// installed in the share folder; the first path when neither exists.
QString apliGrafPath(const QString &fileName);

// The status-bar clock: the time in the locale's long format with seconds
// and without a time-zone suffix; the date as day-month-year without leading
// zeros ("5-12-2026").
QString clockTimeText(const QTime &time, const QLocale &locale);
QString clockDateText(const QDate &date);

} // namespace caveto
