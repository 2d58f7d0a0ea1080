#pragma once
// The notes file of a record: "<data folder>/<notes name>.txt". The notes
// name comes from the record file, which another program or a person may
// have edited, so it is checked before any file is opened, written or
// deleted under its name: only a name that cannot leave the data folder
// names a notes file.

#include <QString>
#include <QStringView>

#include <functional>

namespace caveto {

// True for a notes name the program makes (16 digits) or has always read:
// 16 characters once the blanks around it are removed, none of them a path
// separator, a drive colon or a control character, and no "..".
bool isUsableNotesName(QStringView notesName);

// The notes file of `notesName` in `dataFolder`, or an empty string when the
// name is blank or not usable, or the file would not lie directly in the
// data folder. The file name is the name followed by ".txt".
QString notesFileIn(const QString &dataFolder, QStringView notesName);

// A notes name for a new record: `start` (the name the clock makes), or the
// first name after it in the 16-digit count that `taken` does not claim.
// Names made from the clock are ambiguous (1-12 and 11-2 read alike) and a
// record or a notes file may already hold one.
QString freeNotesName(const QString &start, const std::function<bool(const QString &)> &taken);

} // namespace caveto
