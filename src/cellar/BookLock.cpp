#include "cellar/BookLock.h"

#include <QDir>

namespace caveto {

QString BookLock::lockPath(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("Caveto.lock"));
}

BookLock::BookLock(const QString &dataFolder)
    : m_folder(dataFolder)
    , m_lock(lockPath(dataFolder))
{
    // A lock is stale only when its process is gone, never by its age: a
    // program may stay open for days.
    m_lock.setStaleLockTime(0);
}

bool BookLock::tryLock()
{
    return m_lock.tryLock(0);
}

QString BookLock::error() const
{
    const QString folder = QDir::toNativeSeparators(m_folder);
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("Caveto ya está abierto con esta bodega (%1).").arg(folder);
    case QLockFile::PermissionError:
        return QStringLiteral("No se puede crear el fichero de bloqueo en %1 (Permiso denegado).")
            .arg(folder);
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("No se puede bloquear la bodega %1.").arg(folder);
}

} // namespace caveto
