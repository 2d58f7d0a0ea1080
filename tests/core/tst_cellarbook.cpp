// The cellar book: what each command leaves in the file, the image and the
// record list, and that a failed save changes none of them.

#include "cellar/CellarBook.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using caveto::CellarBook;

namespace {

// A record line whose first columns are `key` (the sort key).
QString rec(const QString &key)
{
    return key.leftJustified(60, QLatin1Char(' ')) + QStringLiteral("resto");
}

QStringList fileLines(const QString &path)
{
    QStringList lines;
    QString error;
    if (!caveto::readRecordFile(path, &lines, &error))
        return { QStringLiteral("<unreadable>") };
    return lines;
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCellarBook : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        CellarBook book(dir.filePath(QStringLiteral("Datos/Caveto20.Datos")));
        QString error;
        QVERIFY2(book.open(&error), qPrintable(error));
        QVERIFY(book.isEmpty());
        QVERIFY(QFile::exists(book.path()));
        QCOMPARE(fileLines(book.path()), QStringList());
    }

    void unreadableFileIsNeverTakenForEmpty()
    {
        QTemporaryDir dir;
        // A folder where the file should be: it exists and cannot be read.
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        QVERIFY(QDir().mkpath(path));
        CellarBook book(path);
        QString error;
        QVERIFY(!book.open(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(book.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
    }

    void commandsKeepFileAndListInStep()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        QString error;
        QVERIFY(caveto::writeRecordFile(path, { rec("Toro"), QString(), rec("alella") }, &error));
        CellarBook book(path);
        QVERIFY(book.open(&error));
        // The image is the file as it is; the list drops empty lines and sorts.
        QCOMPARE(book.image(), (QStringList { rec("Toro"), QString(), rec("alella") }));
        QCOMPARE(book.records(), (QStringList { rec("alella"), rec("Toro") }));

        // A new record goes at the end of the file and to its place in the list.
        QVERIFY(book.add(rec("Rioja"), &error));
        QCOMPARE(
            fileLines(path), (QStringList { rec("Toro"), QString(), rec("alella"), rec("Rioja") }));
        QCOMPARE(book.records(), (QStringList { rec("alella"), rec("Rioja"), rec("Toro") }));

        // A replaced record takes its new place; the file is rewritten in list
        // order and a line with a blank key stays only in the list.
        QVERIFY(book.replace(2, rec("Bierzo"), &error));
        QCOMPARE(book.records(), (QStringList { rec("alella"), rec("Bierzo"), rec("Rioja") }));
        QCOMPARE(fileLines(path), book.records());
        QVERIFY(book.replace(0, rec(""), &error));
        QCOMPARE(book.records(), (QStringList { rec(""), rec("Bierzo"), rec("Rioja") }));
        QCOMPARE(fileLines(path), (QStringList { rec("Bierzo"), rec("Rioja") }));
        QCOMPARE(book.image(), fileLines(path));

        // A removed record leaves the file in list order, blank key included.
        QVERIFY(book.remove(1, &error));
        QCOMPARE(book.records(), (QStringList { rec(""), rec("Rioja") }));
        QCOMPARE(fileLines(path), book.records());

        // Rows outside the list change nothing.
        QVERIFY(!book.remove(5, &error));
        QVERIFY(!book.replace(-1, rec("X"), &error));
        QCOMPARE(book.count(), 2);
    }

    void lastRecordReplacedByABlankKeyLeavesTheListEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        CellarBook book(path);
        QString error;
        QVERIFY(book.open(&error));
        QVERIFY(book.add(rec("Toro"), &error));
        QVERIFY(book.replace(0, rec(""), &error));
        QCOMPARE(book.records(), QStringList());
        QCOMPARE(fileLines(path), QStringList());
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("add") << 0;
        QTest::newRow("replace") << 1;
        QTest::newRow("remove") << 2;
    }
    void failedSaveChangesNothing()
    {
        QFETCH(int, command);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        CellarBook book(path);
        QString error;
        QVERIFY(book.open(&error));
        for (const char *key : { "Toro", "Rioja", "Bierzo" })
            QVERIFY(book.add(rec(key), &error));
        const QByteArray before = bytes(path);
        const QStringList image = book.image();
        const QStringList records = book.records();
        bool ok;
        {
            // A full disk: writes fail past a few bytes.
            FileSizeLimit full(64);
            switch (command) {
            case 0:
                ok = book.add(rec("Alella"), &error);
                break;
            case 1:
                ok = book.replace(1, rec("Alella"), &error);
                break;
            default:
                ok = book.remove(1, &error);
                break;
            }
        }
        QVERIFY(!ok);
        QVERIFY(error.startsWith(QDir::toNativeSeparators(path)));
        QCOMPARE(bytes(path), before);
        QCOMPARE(book.image(), image);
        QCOMPARE(book.records(), records);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
            QStringList { QStringLiteral("Caveto20.Datos") });
    }
};

QTEST_GUILESS_MAIN(TestCellarBook)
#include "tst_cellarbook.moc"
