// Notes names come from the record file: only those that cannot leave the
// data folder name a notes file.

#include "cellar/NotesFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestNotesFiles : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("made by the program") << QStringLiteral("5122026910340000") << true;
        QTest::newRow("older, with letters") << QStringLiteral("Notas Rioja 2001") << true;
        QTest::newRow("older, blanks at the end") << QStringLiteral("notas de Rioja  ") << false;
        QTest::newRow("short") << QStringLiteral("  abc   ") << false;
        QTest::newRow("blank") << QStringLiteral("                ") << false;
        QTest::newRow("parent folder") << QStringLiteral("../victim0000000") << false;
        QTest::newRow("two up") << QStringLiteral("../../victim0000") << false;
        QTest::newRow("far up") << QStringLiteral("../../../../../x") << false;
        QTest::newRow("dots only") << QStringLiteral("..") << false;
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
        QTest::newRow("backslash") << QStringLiteral("..\\x") << false;
        QTest::newRow("subfolder") << QStringLiteral("Copias/x") << false;
        QTest::newRow("drive") << QStringLiteral("C:x") << false;
        QTest::newRow("control character") << QStringLiteral("abc\ndef") << false;
        QTest::newRow("too long") << QStringLiteral("12345678901234567") << false;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QCOMPARE(caveto::isUsableNotesName(name), usable);
        QTemporaryDir dir;
        const QString path = caveto::notesFileIn(dir.path(), name);
        if (!usable) {
            QCOMPARE(path, QString());
            return;
        }
        // Always a file directly in the data folder, named after the trimmed name.
        const QFileInfo info(path);
        QCOMPARE(info.absolutePath(), QDir(dir.path()).absolutePath());
        QCOMPARE(info.fileName(), name.trimmed() + QStringLiteral(".txt"));
    }
};

QTEST_GUILESS_MAIN(TestNotesFiles)
#include "tst_notesfiles.moc"
