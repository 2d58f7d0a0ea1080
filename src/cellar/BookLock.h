#pragma once
// One program at a time on a cellar: the program holds a lock file in the
// data folder while it runs, and the record-file tool takes the same lock
// before it writes a book there. A lock left by a program that crashed is
// recognised (its process no longer runs) and taken over.

#include <QLockFile>
#include <QString>

namespace caveto {

class BookLock
{
public:
    // The lock of the data folder `dataFolder` ("<folder>/Caveto.lock").
    explicit BookLock(const QString &dataFolder);

    // Takes the lock without waiting; false when another program holds it or
    // the folder cannot hold a lock file (see error()).
    bool tryLock();
    bool isLocked() const { return m_lock.isLocked(); }
    // Why tryLock() failed, in Spanish.
    QString error() const;

    static QString lockPath(const QString &dataFolder);

private:
    QString m_folder;
    QLockFile m_lock;
};

} // namespace caveto
