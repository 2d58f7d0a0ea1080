#include "cellar/Backups.h"

#include "platform/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace caveto::backups {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

// "Caveto20.Datos" is kept as "Caveto20-20261206-104512-123.Datos".
QString copyName(const QFileInfo &file, const QDateTime &when)
{
    return QStringLiteral("%1-%2.%3")
        .arg(file.completeBaseName(), when.toString(kStampFormat), file.suffix());
}

bool makeSecondName(const QString &from, const QString &to, QString *error)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    // A file system without hard links (a memory stick, say): copy.
    QFile source(from);
    if (source.copy(to))
        return true;
    if (error)
        *error = userErrorText(source.errorString());
    return false;
}

} // namespace

QString folderFor(const QString &dataFile)
{
    return QFileInfo(dataFile).absoluteDir().filePath(QStringLiteral("Copias"));
}

QList<Copy> list(const QString &dataFile)
{
    const QFileInfo file(dataFile);
    const QRegularExpression pattern(QStringLiteral("^%1-(\\d{8}-\\d{6}-\\d{3})\\.%2$")
                                         .arg(QRegularExpression::escape(file.completeBaseName()),
                                             QRegularExpression::escape(file.suffix())));
    QList<Copy> copies;
    const QDir folder(folderFor(dataFile));
    const QFileInfoList entries = folder.entryInfoList(QDir::Files);
    for (const QFileInfo &entry : entries) {
        const auto m = pattern.match(entry.fileName());
        if (!m.hasMatch())
            continue;
        const QDateTime taken = QDateTime::fromString(m.captured(1), kStampFormat);
        if (taken.isValid())
            copies.append({ entry.absoluteFilePath(), taken, entry.size() });
    }
    std::sort(copies.begin(), copies.end(),
        [](const Copy &a, const Copy &b) { return a.taken > b.taken; });
    return copies;
}

bool keep(const QString &dataFile, const QDateTime &now, QString *error)
{
    const QFileInfo file(dataFile);
    if (!file.exists())
        return true;
    const QString folder = folderFor(dataFile);
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("No se puede crear la carpeta %1")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    QString target = QDir(folder).filePath(copyName(file, now));
    // Two saves within the same millisecond keep the first copy.
    if (QFileInfo::exists(target))
        return true;
    return makeSecondName(dataFile, target, error);
}

void prune(const QString &dataFile, const QDateTime &now, const Rules &rules)
{
    const QList<Copy> copies = list(dataFile);
    QSet<QString> kept;
    for (int i = 0; i < copies.size() && i < rules.keepLast; ++i)
        kept.insert(copies[i].path);
    // The newest copy of each of the last days.
    QSet<QDate> days;
    for (const Copy &c : copies) {
        if (c.taken.date().daysTo(now.date()) >= rules.keepDays)
            continue;
        if (!days.contains(c.taken.date())) {
            days.insert(c.taken.date());
            kept.insert(c.path);
        }
    }
    // Within ten times the book's size, newest first; the newest copy always.
    const qint64 limit
        = qint64(rules.maxTimesBookSize) * qMax<qint64>(QFileInfo(dataFile).size(), 1);
    qint64 total = 0;
    bool first = true;
    for (const Copy &c : copies) {
        if (!kept.contains(c.path))
            continue;
        if (!first && total + c.size > limit)
            kept.remove(c.path);
        else
            total += c.size;
        first = false;
    }
    for (const Copy &c : copies) {
        if (!kept.contains(c.path))
            QFile::remove(c.path);
    }
}

bool keepNotes(const QString &notesFile, const QDateTime &now, QString *error)
{
    const QFileInfo file(notesFile);
    if (!file.exists())
        return true;
    const QString folder = QDir(file.absolutePath()).filePath(QStringLiteral("Copias"));
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("No se puede crear la carpeta %1")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString target = QDir(folder).filePath(copyName(file, now));
    QFile notes(notesFile);
    if (notes.rename(target))
        return true;
    if (error)
        *error = userErrorText(notes.errorString());
    return false;
}

} // namespace caveto::backups
