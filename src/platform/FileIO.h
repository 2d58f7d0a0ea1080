#pragma once
// Reading and writing whole files of the user's data.

#include <QByteArray>
#include <QString>

namespace caveto {

// Replaces a file only once its new contents are complete on disk: a
// temporary file beside it is written, flushed and renamed over the old one.
// A full disk or any other write error leaves the old file as it was.
bool saveFileAtomically(const QString &path, const QByteArray &data, QString *error);

// The whole file; false with the system's error text when it cannot be read.
bool readFileBytes(const QString &path, QByteArray *data, QString *error);

} // namespace caveto
