#pragma once
// Replaces a file only once its new contents are complete on disk: a
// temporary file beside it is written, flushed and renamed over the old one.
// A full disk or any other write error leaves the old file as it was.

#include <QByteArray>
#include <QString>

namespace caveto {

bool saveFileAtomically(const QString &path, const QByteArray &data, QString *error);

} // namespace caveto
