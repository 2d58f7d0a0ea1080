#include "cellar/CellarBook.h"

#include "cellar/Backups.h"

#include <QDir>
#include <QFileInfo>

namespace caveto {

bool CellarBook::open(QString *error, const Progress &progress)
{
    m_image.clear();
    m_records.clear();
    const QFileInfo file(m_path);
    if (!file.exists()) {
        if (!QDir().mkpath(file.absolutePath())) {
            if (error)
                *error = QStringLiteral("No se puede crear la carpeta %1")
                             .arg(QDir::toNativeSeparators(file.absolutePath()));
            return false;
        }
        return save({}, error);
    }
    QStringList lines;
    if (!readRecordFile(m_path, &lines, error))
        return false;
    m_image = std::move(lines);
    m_records = buildRecordList(m_image, progress);
    return true;
}

bool CellarBook::save(const QStringList &image, QString *error)
{
    const QDateTime now = m_clock();
    QString why;
    if (!backups::keep(m_path, now, &why) && !m_backupWarned && m_backupWarning.isEmpty())
        m_backupWarning = QStringLiteral("No se pudo guardar la copia de seguridad de %1 (%2). "
                                         "Los cambios se guardan igualmente.")
                              .arg(QDir::toNativeSeparators(m_path), why);
    if (!writeRecordFile(m_path, image, &why)) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(m_path), why);
        return false;
    }
    backups::prune(m_path, now, m_backupRules);
    return true;
}

QString CellarBook::takeBackupWarning()
{
    if (m_backupWarned)
        return {};
    if (!m_backupWarning.isEmpty())
        m_backupWarned = true;
    return m_backupWarning;
}

bool CellarBook::add(const QString &line, QString *error)
{
    QStringList image = m_image;
    image.append(line);
    if (!save(image, error))
        return false;
    m_image = std::move(image);
    if (!line.isEmpty())
        m_records.insert(sortedInsertPosition(m_records, line), line);
    return true;
}

bool CellarBook::addAll(const QStringList &lines, QString *error)
{
    QStringList image = m_image;
    image.append(lines);
    if (!save(image, error))
        return false;
    m_image = std::move(image);
    m_records = buildRecordList(m_image);
    return true;
}

bool CellarBook::replace(
    qsizetype row, const QString &line, QString *error, const Progress &progress)
{
    if (row < 0 || row >= m_records.size())
        return false;
    QStringList records = m_records;
    records.removeAt(row);
    records.insert(sortedInsertPosition(records, line), line);
    QStringList image;
    image.reserve(records.size());
    qsizetype done = 0;
    for (const QString &record : std::as_const(records)) {
        if (!hasBlankKey(record))
            image.append(record);
        if (progress)
            progress(++done);
    }
    if (!save(image, error))
        return false;
    m_image = std::move(image);
    m_records = records.size() == 1 ? buildRecordList(m_image) : std::move(records);
    return true;
}

bool CellarBook::remove(qsizetype row, QString *error, const Progress &progress)
{
    if (row < 0 || row >= m_records.size())
        return false;
    QStringList records = m_records;
    records.removeAt(row);
    if (progress)
        progress(records.size());
    if (!save(records, error))
        return false;
    m_image = records;
    m_records = std::move(records);
    return true;
}

QStringList CellarBook::valueList(ValueList which, const Progress &progress) const
{
    return buildValueList(m_image, valueListField(which), progress);
}

} // namespace caveto
