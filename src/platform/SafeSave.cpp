#include "platform/SafeSave.h"

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

} // namespace caveto
