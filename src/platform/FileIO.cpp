#include "platform/FileIO.h"

#include <QFile>
#include <QSaveFile>

namespace caveto {

bool saveFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    // Unbuffered, so that a short write (the disk filling up) is seen here:
    // through the buffer a partial write goes unreported and the truncated
    // file would be committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            if (error)
                *error = file.errorString();
            return false; // the temporary file goes with the QSaveFile
        }
        done += n;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool readFileBytes(const QString &path, QByteArray *data, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace caveto
