#pragma once
// The cellar book: the record file on disk, its image in memory (the file's
// lines in file order) and the sorted record list the user picks wines
// from. Every command rewrites the whole file through the safe save; when
// the save fails, nothing in memory changes and the caller gets the
// system's error text, so the book always holds what the file holds. Before
// each save the file as it was is kept in "Copias" (see Backups.h).

#include "cellar/Backups.h"
#include "cellar/DataFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace caveto {

class CellarBook
{
public:
    CellarBook() = default;
    explicit CellarBook(const QString &path)
        : m_path(path)
    {
    }

    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    // Reads the record file and sorts the record list. A missing file is
    // created empty, with its folder. A file that exists but cannot be read
    // gives false and an empty book: it must never be written over.
    bool open(QString *error, const Progress &progress = {});

    // The data-file image, and the record list sorted for the user.
    const QStringList &image() const { return m_image; }
    const QStringList &records() const { return m_records; }
    qsizetype count() const { return m_records.size(); }
    bool isEmpty() const { return m_records.isEmpty(); }

    // A new record: its line goes at the end of the file and takes its
    // sorted place in the record list.
    bool add(const QString &line, QString *error);
    // Several new records in one save, their lines in the given order at the
    // end of the file: all of them or, when the save fails, none.
    bool addAll(const QStringList &lines, QString *error);
    // The record at `row` of the record list gives way to `line`. The file is
    // rewritten in list order, without lines whose first 40 columns are
    // blank; the list keeps them, unless it holds only the new record.
    bool replace(qsizetype row, const QString &line, QString *error, const Progress &progress = {});
    // The record at `row` of the record list goes; the file is rewritten in
    // list order.
    bool remove(qsizetype row, QString *error, const Progress &progress = {});

    // The distinct values of a list field over the image, sorted.
    QStringList valueList(ValueList which, const Progress &progress = {}) const;

    // A copy of the file's earlier version that could not be kept does not
    // stop the save; the reason is given once, here, the first time.
    QString takeBackupWarning();
    // The clock that names the copies (tests set their own).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    void setBackupRules(const backups::Rules &rules) { m_backupRules = rules; }

private:
    bool save(const QStringList &image, QString *error);

    QString m_path;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    backups::Rules m_backupRules;
    QString m_backupWarning;
    bool m_backupWarned = false;
    QStringList m_image;
    QStringList m_records;
};

} // namespace caveto
