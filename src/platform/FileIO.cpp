#include "platform/FileIO.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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
            *error = userErrorText(file.errorString());
        return false;
    }
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            if (error)
                *error = userErrorText(file.errorString());
            return false; // the temporary file goes with the QSaveFile
        }
        done += n;
    }
    if (!file.commit()) {
        if (error)
            *error = userErrorText(file.errorString());
        return false;
    }
    return true;
}

QString userErrorText(const QString &systemText)
{
    struct Known
    {
        const char *system;
        const char *spanish;
    };
    static const Known known[] = {
        { "No space left on device", "No queda espacio en el disco" },
        { "Disk quota exceeded", "Se ha superado la cuota de disco" },
        { "File too large", "El fichero es demasiado grande" },
        { "Permission denied", "Permiso denegado" },
        { "Operation not permitted", "Operación no permitida" },
        { "Read-only file system", "El disco es de solo lectura" },
        { "is not writable", "El fichero es de solo lectura" },
        { "No such file or directory", "No existe el fichero o la carpeta" },
        { "Is a directory", "Es una carpeta, no un fichero" },
        { "Not a directory", "Una parte de la ruta no es una carpeta" },
        { "Input/output error", "Error de lectura o escritura en el disco" },
        { "Too many open files", "Hay demasiados ficheros abiertos" },
        { "File name too long", "El nombre del fichero es demasiado largo" },
    };
    for (const Known &k : known) {
        if (systemText.contains(QLatin1String(k.system), Qt::CaseInsensitive))
            return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(k.spanish), systemText);
    }
    return systemText;
}

bool readFileBytes(const QString &path, QByteArray *data, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = info.isDir() ? userErrorText(QStringLiteral("Is a directory"))
                                  : QStringLiteral("No es un fichero normal");
        return false;
    }
    if (info.size() > kMaxReadSize) {
        if (error)
            *error = QStringLiteral("El fichero es demasiado grande (%1 bytes; el máximo es %2)")
                         .arg(info.size())
                         .arg(kMaxReadSize);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = userErrorText(file.errorString());
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = userErrorText(file.errorString());
        return false;
    }
    return true;
}

} // namespace caveto
