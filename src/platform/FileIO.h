#pragma once
// Reading and writing whole files of the user's data.

#include <QByteArray>
#include <QString>

namespace caveto {

// Replaces a file only once its new contents are complete on disk: a
// temporary file beside it is written, flushed and renamed over the old one.
// A full disk or any other write error leaves the old file as it was.
bool saveFileAtomically(const QString &path, const QByteArray &data, QString *error);

// The largest file the program reads whole.
constexpr qint64 kMaxReadSize = qint64(1) << 30;

// The whole file; false with the error text when it cannot be read. Only a
// regular file of at most kMaxReadSize bytes is read: a device or a pipe
// could never end.
bool readFileBytes(const QString &path, QByteArray *data, QString *error);

// The system's error text for the user: the common ones in Spanish, with the
// system's own words after them ("No queda espacio en el disco (No space
// left on device)"); any other text as it is.
QString userErrorText(const QString &systemText);

} // namespace caveto
