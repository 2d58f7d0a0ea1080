// caveto-datos, the record-file tool: what it prints, what it writes, and
// that it never writes a book an open program holds.

#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "platform/FileIO.h"

#include <QtTest>

using namespace caveto;
using namespace Qt::Literals::StringLiterals;

namespace {
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run runTool(const QStringList &args, const QString &folder = QString())
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(CAVETO_TOOL_PATH), args);
    p.waitForFinished(60000);
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        QString::fromLocal8Bit(p.readAllStandardError()) };
}

QString line(const QString &name, const QString &bodega)
{
    CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = u"2004"_s;
    r[Field::DenoOrigen] = u"Priorat"_s;
    r[Field::Bodega] = bodega;
    r[Field::EFichero] = u"123"_s;
    r.pad();
    return r.buildLine();
}

const QString kSample = QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.Datos");
} // namespace

class TestCavetoDatos : public QObject
{
    Q_OBJECT

private slots:
    void linesPrintsWhatTheProgramReads()
    {
        const Run r = runTool({ u"lines"_s, kSample });
        QCOMPARE(r.exitCode, 0);
        QFile expected(QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.lines.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QByteArray want = expected.readAll();
        if (!want.endsWith('\n'))
            want += '\n';
        QCOMPARE(r.out, want);
    }

    void csvQuotesAndTrims()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"c.Datos"_s);
        QString error;
        QVERIFY(writeRecordFile(path,
            { line(u"Clos \"Mogador\""_s, u"Barbier, René"_s), QString(),
                line(u"Ermita"_s, u"Álvaro"_s) },
            &error));
        const Run r = runTool({ u"csv"_s, path });
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> rows = r.out.split('\n');
        QCOMPARE(rows.size(), 4); // header, two records, the empty end
        QVERIFY(rows[0].startsWith("NombreVino,Cosecha,DenoOrigen,Vino,"));
        QVERIFY(rows[0].endsWith(",CaliConjunto,Imagen\r"));
        QCOMPARE(rows[0].count(','), 60);
        QVERIFY(rows[1].startsWith("\"Clos \"\"Mogador\"\"\",2004,Priorat,,,\"Barbier, René\","));
        QVERIFY(rows[1].contains(",1230000000000000,"));
        QVERIFY(rows[2].startsWith("Ermita,2004,Priorat,,,Álvaro,"));
    }

    // A book that an open program holds is never rewritten; a lock left by
    // a program that is gone does not stop the tool.
    void rewriteTurnsPlainTextIntoARecordFile()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"plain.txt"_s);
        const QString out = dir.filePath(u"Caveto20.Datos"_s);
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QStringList lines { line(u"Viña Ardanza"_s, u"La Rioja Alta"_s), QString(),
            line(u"Pesquera"_s, QString()) };
        f.write(lines.join(u"\r\n"_s).toUtf8() + "\r\n");
        f.close();
        {
            BookLock held(dir.path());
            QVERIFY(held.tryLock());
            const Run r = runTool({ u"rewrite"_s, in, out });
            QCOMPARE(r.exitCode, 2);
            QVERIFY(r.err.contains(u"Caveto ya está abierto"_s));
            QVERIFY(!QFile::exists(out));
        }
        QFile stale(BookLock::lockPath(dir.path()));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(std::numeric_limits<int>::max()) + "\ncaveto\n"
            + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QCOMPARE(runTool({ u"rewrite"_s, in, out }).exitCode, 0);
        QStringList back;
        QString error;
        QVERIFY(readRecordFile(out, &back, &error));
        QCOMPARE(back, lines);
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("{\\rtf1"));
    }

    // Copies listed and brought back; the book replaced is kept as a copy in
    // turn, and an open program's book is left alone.
    void restoreBringsACopyBack()
    {
        QTemporaryDir dir;
        const QString book = dir.filePath(u"Caveto20.Datos"_s);
        const QString copy = u"Caveto20-20261201-090000-000.Datos"_s;
        QString error;
        QVERIFY(writeRecordFile(book, { line(u"Viejo"_s, u"Bodega"_s) }, &error));
        QVERIFY(backups::keep(book, QDateTime(QDate(2026, 12, 1), QTime(9, 0)), &error));
        QVERIFY(writeRecordFile(book, { line(u"Nuevo"_s, u"Bodega"_s) }, &error));

        Run r = runTool({ u"restore"_s, book });
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(copy.toUtf8() + "\t2026-12-01 09:00:00\t"));
        {
            BookLock open(dir.path());
            QVERIFY(open.tryLock());
            r = runTool({ u"restore"_s, book, copy });
            QCOMPARE(r.exitCode, 2);
            QVERIFY(r.err.contains(u"Caveto ya está abierto"_s));
        }
        QCOMPARE(runTool({ u"restore"_s, book, copy }).exitCode, 0);
        QStringList lines;
        QVERIFY(readRecordFile(book, &lines, &error));
        QVERIFY(lines.value(0).startsWith(u"Viejo"_s));
        QCOMPARE(backups::list(book).size(), 2);
    }

    // Every failure exits with 2 and says why; an unwritable destination
    // leaves nothing behind.
    void errors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file")
            << QStringList { u"lines"_s, u"missing.Datos"_s } << u"missing.Datos"_s;
        QTest::newRow("folder") << QStringList { u"csv"_s, u"."_s } << u"folder"_s;
        QTest::newRow("unknown command") << QStringList { u"frobnicate"_s } << u"usage"_s;
        QTest::newRow("unwritable destination") << QStringList { u"rewrite"_s, kSample,
            u"no/such/folder/out.Datos"_s } << u"out.Datos"_s;
        // A device would never end; a file past the size limit (a sparse
        // one, read in no time) is refused.
        QTest::newRow("device") << QStringList { u"lines"_s, u"/dev/zero"_s }
                                << u"No es un fichero normal"_s;
        QTest::newRow("too big") << QStringList { u"lines"_s, u"huge.Datos"_s }
                                 << u"demasiado grande"_s;
        QTest::newRow("not a copy")
            << QStringList { u"restore"_s, u"Caveto20.Datos"_s, kSample } << u"no es una copia"_s;
    }
    void errors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile huge(dir.filePath(u"huge.Datos"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxReadSize + 1));
        const Run r = runTool(args, dir.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath(u"no/such/folder/out.Datos"_s)));
    }
};

QTEST_APPLESS_MAIN(TestCavetoDatos)
#include "tst_cavetodatos.moc"
