// The cellar book on disk: the record file, the record list and the value
// lists built from it, what each command leaves in the file, that a failed
// or interrupted save changes nothing, the copies kept in Datos/Copias and
// the notes names that may name a file.

#include "cellar/Backups.h"
#include "cellar/CellarBook.h"
#include "cellar/NotesFiles.h"
#include "support/BookFiles.h"
#include "support/FileSizeLimit.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

using namespace caveto;
using namespace Qt::Literals::StringLiterals;

namespace {

QString wine(const QString &name, const QString &deno, const QString &vino = u"Tinto"_s)
{
    return recordLine(name, u"2001"_s, deno, { { Field::Vino, vino } });
}

// A line whose first 60 columns are `key`, the sort key.
QString rec(const QString &key, int width = 60)
{
    return key.leftJustified(width);
}

// The keys of these lines, "-" for an empty line.
QString keys(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out << (line.isEmpty() ? u"-"_s : line.trimmed());
    return out.join(u'|');
}

// The two books save_loop saves in turn, about 3 MB each.
QStringList trialBook(QChar name, QChar fill)
{
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << u"Vino %1 %2"_s.arg(name).arg(i).leftJustified(1015, fill);
    return lines;
}

} // namespace

class TestCellarBook : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> dir;
    QString path; // the book, in the folder of the test
    QString error;

private slots:
    void init()
    {
        dir.emplace();
        path = dir->filePath(u"Caveto20.Datos"_s);
    }

    void recordAndValueLists()
    {
        const QStringList image { wine(u"Viña Sol"_s, u"Penedès"_s), QString(),
            wine(u"alión"_s, u"rioja"_s, QString()), wine(u"Alion"_s, u"RIOJA"_s, u"Blanco"_s),
            wine(u"Aalto"_s, u"Rioja"_s), u"short line"_s };
        // The list drops empty lines, keeps lines whole and sorts them.
        const QStringList list = buildRecordList(image, [](qsizetype) {});
        QCOMPARE(list, (QStringList { image[4], image[2], image[3], image[5], image[0] }));
        QCOMPARE(list[0].size(), kRecordLength);

        // A value list holds a value once, in the form that sorts first, and
        // a blank value (or none, on a short line) as a blank entry.
        const QStringList denos = buildValueList(image, Field::DenoOrigen);
        QCOMPARE(denos.value(1), u"Penedès"_s.leftJustified(30));
        QCOMPARE(keys(denos), u"|Penedès|RIOJA"_s);
        QCOMPARE(keys(buildValueList(image, Field::Vino)), u"|Blanco|Tinto"_s);
        QCOMPARE(buildValueList(image, Field::Estante), QStringList { QString(15, u' ') });
        QVERIFY(valueListContains(denos, u"  rioja "));
        QVERIFY(!valueListContains(denos, u"Ribeiro"));

        QVERIFY(hasBlankKey(QString(40, u' ') + u"x"_s));
        QVERIFY(!hasBlankKey(QString(39, u' ') + u"x"_s));
    }

    // Written as single-byte RTF and read back line for line; a damaged RTF
    // file is never read as plain text; a file that cannot be read is an
    // error that leaves the lines alone.
    void recordFileOnDisk()
    {
        const QStringList lines { wine(u"Marqués de Cáceres"_s, u"Rioja"_s),
            wine(u"{Llaves} \\ y barras"_s, u"Cariñena"_s),
            wine(u"Œil de Perdrix — “rosé” €"_s, u"Navarra"_s) };
        writeBook(path, lines);
        const QByteArray written = readBytes(path);
        QVERIFY(written.startsWith("{\\rtf1"));
        QVERIFY(
            std::all_of(written.begin(), written.end(), [](char c) { return uchar(c) < 0x80; }));
        QCOMPARE(recordLines(path), lines);

        writeBytes(path, written.left(written.lastIndexOf("Perdrix") + 3)); // a record cut short
        const QStringList back = recordLines(path);
        QCOMPARE(back.first(), lines.first());
        QVERIFY(back.last().startsWith(u"Œil"_s));
        QVERIFY2(
            !back.last().contains(u'\\') && !back.last().contains(u'{'), qPrintable(back.last()));

        QStringList kept { u"kept"_s };
        QVERIFY(!readRecordFile(dir->filePath(u"no/Caveto20.Datos"_s), &kept, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(kept, QStringList { u"kept"_s });
    }

    void missingAndUnreadableBooks()
    {
        CellarBook created(dir->filePath(u"Datos/Caveto20.Datos"_s));
        QVERIFY2(created.open(&error), qPrintable(error));
        QVERIFY(created.isEmpty());
        QCOMPARE(recordLines(created.path()), QStringList());

        // A folder where the file should be: it exists and cannot be read,
        // and is never taken for an empty book.
        QVERIFY(QDir().mkpath(path));
        CellarBook unreadable(path);
        QVERIFY(!unreadable.open(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
    }

    void commandsKeepFileAndListInStep()
    {
        writeBook(path, { rec(u"Toro"_s), QString(), rec(u"alella"_s) });
        CellarBook book(path);
        QVERIFY(book.open(&error));
        QCOMPARE(keys(book.image()), u"Toro|-|alella"_s);
        QCOMPARE(keys(book.records()), u"alella|Toro"_s);

        // A new record goes at the end of the file and to its place in the list.
        QVERIFY(book.add(rec(u"Rioja"_s), &error));
        QCOMPARE(keys(recordLines(path)), u"Toro|-|alella|Rioja"_s);
        QCOMPARE(keys(book.records()), u"alella|Rioja|Toro"_s);

        // A replaced record takes its new place; the file is rewritten in list
        // order and a line with a blank key stays only in the list.
        QVERIFY(book.replace(2, rec(u"Bierzo"_s), &error));
        QCOMPARE(keys(recordLines(path)), u"alella|Bierzo|Rioja"_s);
        QVERIFY(book.replace(0, rec(QString()), &error));
        QCOMPARE(
            book.records(), (QStringList { rec(QString()), rec(u"Bierzo"_s), rec(u"Rioja"_s) }));
        QCOMPARE(keys(recordLines(path)), u"Bierzo|Rioja"_s);

        // A removed record leaves the file in list order, blank key included.
        QVERIFY(book.remove(1, &error));
        QCOMPARE(book.records(), (QStringList { rec(QString()), rec(u"Rioja"_s) }));
        QCOMPARE(recordLines(path), book.records());
        QVERIFY(!book.remove(5, &error));

        // The last record blanked leaves an empty list; value lists come from
        // the image.
        QVERIFY(book.remove(0, &error));
        QVERIFY(book.replace(0, rec(QString()), &error));
        QCOMPARE(book.records(), QStringList());
        QVERIFY(book.add(wine(u"Uno"_s, u"Toro"_s), &error));
        QCOMPARE(
            book.valueList(ValueList::Denominacion), QStringList { u"Toro"_s.leftJustified(30) });
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("failure");
        for (const char *failure : { "full disk", "read-only file", "read-only folder" }) {
            QTest::addRow("add, %s", failure) << 0 << QString::fromLatin1(failure);
            QTest::addRow("replace, %s", failure) << 1 << QString::fromLatin1(failure);
            QTest::addRow("remove, %s", failure) << 2 << QString::fromLatin1(failure);
        }
    }
    void failedSaveChangesNothing()
    {
        QFETCH(int, command);
        QFETCH(QString, failure);
        CellarBook book(path);
        QVERIFY(book.open(&error));
        for (const QString &key : { u"Toro"_s, u"Rioja"_s, u"Bierzo"_s })
            QVERIFY(book.add(rec(key), &error));
        const QByteArray before = readBytes(path);
        const QStringList image = book.image();
        const QStringList records = book.records();
        bool ok;
        {
            std::optional<FileSizeLimit> full;
            std::optional<Unprivileged> user;
            if (failure == "full disk"_L1) {
                full.emplace(64); // writes fail past a few bytes
            } else {
                const bool readOnlyFile = failure == "read-only file"_L1;
                QVERIFY(QFile::setPermissions(
                    dir->path(), QFileDevice::Permissions(readOnlyFile ? 0x7777 : 0x5555)));
                QVERIFY(QFile::setPermissions(
                    path, QFileDevice::Permissions(readOnlyFile ? 0x4444 : 0x6666)));
                user.emplace();
            }
            ok = command == 0  ? book.add(rec(u"Alella"_s), &error)
                : command == 1 ? book.replace(1, rec(u"Alella"_s), &error)
                               : book.remove(1, &error);
        }
        QVERIFY(QFile::setPermissions(dir->path(), QFileDevice::Permissions(0x7700)));
        QVERIFY(!ok);
        // The message names the file and says why, in Spanish.
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(path)), qPrintable(error));
        QVERIFY2(error.contains(u"No queda espacio"_s) || error.contains(u"demasiado grande"_s)
                || error.contains(u"Permiso denegado"_s) || error.contains(u"solo lectura"_s),
            qPrintable(error));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(book.image(), image);
        QCOMPARE(book.records(), records);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList { u"Caveto20.Datos"_s });
    }

    // A save killed at any moment (kill -9, a power cut to the program)
    // leaves the old book or the new one, never a partial file, and no
    // temporary file.
    void killedSavesLeaveAWholeBook()
    {
        const QStringList a = trialBook(u'A', u'.'), b = trialBook(u'B', u',');
        QRandomGenerator random(20261206);
        for (int trial = 0; trial < 10; ++trial) {
            QProcess saver;
            saver.start(QStringLiteral(CAVETO_SAVE_LOOP), { path, u"3000"_s });
            QVERIFY(saver.waitForReadyRead(30000)); // the first save is done
            QTest::qWait(int(random.bounded(20, 300)));
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished());
            const QStringList lines = recordLines(path);
            QVERIFY2(lines == a || lines == b,
                qPrintable(u"trial %1: %2 lines"_s.arg(trial).arg(lines.size())));
            QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden),
                QStringList { u"Caveto20.Datos"_s });
        }
    }

    // Each save keeps the file as it was in Copias beside it, newest first.
    void everySaveKeepsThePreviousVersion()
    {
        CellarBook book(path);
        QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        book.setClock([&now] { return now; });
        QVERIFY(book.open(&error)); // creates the empty file: nothing to keep yet
        QCOMPARE(backups::list(path).size(), 0);
        QList<QByteArray> versions { readBytes(path) };
        for (int i = 1; i <= 3; ++i) {
            now = now.addSecs(60);
            QVERIFY(book.add(rec(QString::number(i)), &error));
            versions << readBytes(path);
        }
        const QList<backups::Copy> copies = backups::list(path);
        QCOMPARE(copies.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(readBytes(copies[i].path), versions[2 - i]);
            QCOMPARE(copies[i].taken, QDateTime(QDate(2026, 12, 6), QTime(10, 3 - i)));
        }
        QVERIFY(copies[0].path.endsWith(u"/Copias/Caveto20-20261206-100300-000.Datos"_s));
        QCOMPARE(book.takeBackupWarning(), QString());

        // A notes file that goes is moved there, not erased.
        const QString notes = dir->filePath(u"5122026101010100.txt"_s);
        writeBytes(notes, "{\\rtf1 Cata de Pilar\\par}");
        QVERIFY(backups::keepNotes(notes, now, &error));
        QVERIFY(!QFile::exists(notes));
        QCOMPARE(readBytes(dir->filePath(u"Copias/5122026101010100-20261206-100300-000.txt"_s)),
            QByteArray("{\\rtf1 Cata de Pilar\\par}"));
    }

    // Pruned to the last twenty, the newest of each of the last thirty days
    // and, with the real rules, ten times the book's size.
    void pruning()
    {
        CellarBook book(path);
        QDateTime now(QDate(2026, 10, 1), QTime(9, 0));
        book.setClock([&now] { return now; });
        book.setBackupRules({ 20, 30, 1000000 }); // only the count and the days decide
        QVERIFY(book.open(&error));
        QVERIFY(book.add(rec(u"0"_s), &error));
        QList<QDateTime> saves; // four saves a day for 50 days, newest first
        for (int day = 0; day < 50; ++day) {
            for (int k = 0; k < 4; ++k) {
                now = QDateTime(QDate(2026, 10, 2).addDays(day), QTime(9 + 3 * k, 0));
                QVERIFY(book.replace(0, rec(QString::number(day * 4 + k)), &error));
                saves.prepend(now);
            }
        }
        QSet<QDateTime> kept;
        for (const backups::Copy &c : backups::list(path))
            kept.insert(c.taken);
        QSet<QDate> days;
        for (int i = 0; i < saves.size(); ++i) {
            const bool newestOfItsDay = !days.contains(saves[i].date());
            days.insert(saves[i].date());
            const bool recent = saves[i].date().daysTo(now.date()) < 30;
            QCOMPARE(kept.contains(saves[i]), i < 20 || (recent && newestOfItsDay));
        }

        // Down from 200 big records to one small one: the big copies go.
        book.setBackupRules({});
        for (int i = 0; i < 200; ++i) {
            now = now.addSecs(1);
            QVERIFY(book.add(rec(QString::number(i), 1000), &error));
        }
        while (book.count() > 1) {
            now = now.addSecs(1);
            QVERIFY(book.remove(0, &error));
        }
        const QList<backups::Copy> copies = backups::list(path);
        qint64 total = 0;
        for (const backups::Copy &c : copies)
            total += c.size;
        QVERIFY(total - copies.first().size <= 10 * QFileInfo(path).size());
    }

    void aCopyThatCannotBeMadeNeverStopsTheSave()
    {
        CellarBook book(path);
        QVERIFY(book.open(&error));
        writeBytes(dir->filePath(u"Copias"_s), {}); // a file where the folder should be
        QVERIFY(book.add(rec(u"1"_s), &error));
        QVERIFY(book.add(rec(u"2"_s), &error));
        QCOMPARE(book.count(), 2);
        const QString warning = book.takeBackupWarning();
        QVERIFY(warning.startsWith(u"No se pudo guardar la copia de seguridad"_s));
        QVERIFY(warning.contains(u"Copias"_s));
        QCOMPARE(book.takeBackupWarning(), QString()); // said once
    }

    // Notes names come from the record file: only those that cannot leave
    // the data folder name a notes file, directly in it.
    void notesNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("made by the program") << u"5122026910340000"_s << true;
        QTest::newRow("older, with letters") << u"Notas Rioja 2001"_s << true;
        QTest::newRow("blanks at the end") << u"notas de Rioja  "_s << false;
        QTest::newRow("parent folder") << u"../victim0000000"_s << false;
        QTest::newRow("subfolder") << u"Copias/Rioja2001"_s << false;
        QTest::newRow("backslash") << u"Notas\\Rioja 2001"_s << false;
        QTest::newRow("drive") << u"C:Notas Rioja 01"_s << false;
        QTest::newRow("control character") << u"Notas\tRioja 2001"_s << false;
        QTest::newRow("too long") << u"12345678901234567"_s << false;
    }
    void notesNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QCOMPARE(isUsableNotesName(name), usable);
        const QString path = notesFileIn(dir->path(), name);
        QCOMPARE(path, usable ? QDir(dir->path()).absoluteFilePath(name + u".txt"_s) : QString());
    }
};

QTEST_GUILESS_MAIN(TestCellarBook)
#include "tst_cellarbook.moc"
