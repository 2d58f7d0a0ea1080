// The record file's earlier versions in Datos/Copias: one per save, the
// bytes as they were, pruned by count, by day and by size; a copy that
// cannot be made never stops the save.

#include "cellar/Backups.h"
#include "cellar/CellarBook.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace caveto;

namespace {

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString rec(int i, int width = 60)
{
    return QStringLiteral("Vino %1").arg(i, 5, 10, QLatin1Char('0')).leftJustified(width);
}

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT

private slots:
    void everySaveKeepsThePreviousVersion()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Datos/Caveto20.Datos"));
        CellarBook book(path);
        QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        book.setClock([&now] { return now; });
        QString error;
        QVERIFY(book.open(&error)); // creates the empty file: nothing to keep yet
        QCOMPARE(backups::list(path).size(), 0);

        QList<QByteArray> versions { bytes(path) };
        for (int i = 1; i <= 3; ++i) {
            now = now.addSecs(60);
            QVERIFY(book.add(rec(i), &error));
            versions << bytes(path);
        }
        const QList<backups::Copy> copies = backups::list(path);
        QCOMPARE(copies.size(), 3);
        // Newest first, each holding the file as it was before its save.
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bytes(copies[i].path), versions[2 - i]);
            QCOMPARE(copies[i].taken, QDateTime(QDate(2026, 12, 6), QTime(10, 3 - i)));
        }
        QVERIFY(QFileInfo(copies[0].path)
                    .fileName()
                    .startsWith(QStringLiteral("Caveto20-20261206-100300")));
        QCOMPARE(book.takeBackupWarning(), QString());
    }

    void pruningKeepsTheLastTwentyAndOneADay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        CellarBook book(path);
        QDateTime now(QDate(2026, 10, 1), QTime(9, 0));
        book.setClock([&now] { return now; });
        // Here only the count and the days decide.
        book.setBackupRules({ 20, 30, 1000000 });
        QString error;
        QVERIFY(book.open(&error));
        QVERIFY(book.add(rec(0), &error));
        // Four saves a day for 50 days.
        QList<QDateTime> saves;
        for (int day = 0; day < 50; ++day) {
            for (int k = 0; k < 4; ++k) {
                now = QDateTime(QDate(2026, 10, 2).addDays(day), QTime(9 + 3 * k, 0));
                QVERIFY(book.replace(0, rec(day * 4 + k), &error));
                saves.prepend(now);
            }
        }

        QSet<QDateTime> kept;
        const QList<backups::Copy> copies = backups::list(path);
        for (const backups::Copy &c : copies)
            kept.insert(c.taken);
        for (int i = 0; i < 20; ++i)
            QVERIFY2(kept.contains(saves[i]), qPrintable(saves[i].toString()));
        QSet<QDate> days;
        for (const QDateTime &t : saves) {
            const bool newestOfItsDay = !days.contains(t.date());
            days.insert(t.date());
            const bool recent = t.date().daysTo(now.date()) < 30;
            const bool inLast20 = saves.indexOf(t) < 20;
            QCOMPARE(kept.contains(t), inLast20 || (recent && newestOfItsDay));
        }
    }

    // With the real rules the size decides: a book that keeps its size keeps
    // about ten versions, and a book that shrinks drops its big copies.
    void copiesNeverExceedTenTimesTheBook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        CellarBook book(path);
        QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        book.setClock([&now] { return now; });
        QString error;
        QVERIFY(book.open(&error));
        for (int i = 0; i < 200; ++i) {
            now = now.addSecs(1);
            QVERIFY(book.add(rec(i, 1000), &error));
        }
        // Down to one small record: the big copies no longer fit.
        while (book.count() > 1) {
            now = now.addSecs(1);
            QVERIFY(book.remove(0, &error));
        }
        qint64 total = 0;
        const QList<backups::Copy> copies = backups::list(path);
        for (const backups::Copy &c : copies)
            total += c.size;
        QVERIFY(!copies.isEmpty());
        QVERIFY(total - copies.first().size <= 10 * QFileInfo(path).size());
    }

    void aCopyThatCannotBeMadeNeverStopsTheSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        CellarBook book(path);
        QString error;
        QVERIFY(book.open(&error));
        // A file where the copies folder should be.
        QFile blocker(dir.filePath(QStringLiteral("Copias")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(book.add(rec(1), &error));
        QVERIFY(book.add(rec(2), &error));
        QCOMPARE(book.count(), 2);
        const QString warning = book.takeBackupWarning();
        QVERIFY(warning.startsWith(QStringLiteral("No se pudo guardar la copia de seguridad")));
        QVERIFY(warning.contains(QStringLiteral("Copias")));
        QCOMPARE(book.takeBackupWarning(), QString()); // said once
    }

    void notesFilesAreMovedNotErased()
    {
        QTemporaryDir dir;
        const QString notes = dir.filePath(QStringLiteral("5122026101010100.txt"));
        QFile f(notes);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1 Cata de Pilar\\par}");
        f.close();
        QString error;
        QVERIFY(backups::keepNotes(notes, QDateTime(QDate(2026, 12, 6), QTime(11, 0)), &error));
        QVERIFY(!QFile::exists(notes));
        const QString kept
            = dir.filePath(QStringLiteral("Copias/5122026101010100-20261206-110000-000.txt"));
        QCOMPARE(bytes(kept), QByteArray("{\\rtf1 Cata de Pilar\\par}"));
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
