// caveto-datos, the record-file tool: what it prints, what it writes, and
// that it never writes a book an open program holds.

#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "platform/FileIO.h"
#include "platform/Win1252.h"
#include "support/BookFiles.h"

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
    return recordLine(name, u"2004"_s, u"Priorat"_s,
        { { Field::Bodega, bodega }, { Field::EFichero, u"123"_s } });
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
        QByteArray want
            = readBytes(QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.lines.txt"));
        if (!want.endsWith('\n'))
            want += '\n';
        QCOMPARE(r.out, want);
    }

    // A book that an open program holds is never rewritten; a lock left by
    // a program that is gone does not stop the tool.
    void rewriteTurnsPlainTextIntoARecordFile()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"plain.txt"_s);
        const QString out = dir.filePath(u"Caveto20.Datos"_s);
        const QStringList lines { line(u"Viña Ardanza"_s, u"La Rioja Alta"_s), QString(),
            line(u"Pesquera"_s, QString()) };
        writeBytes(in, lines.join(u"\r\n"_s).toUtf8() + "\r\n");
        {
            BookLock held(dir.path());
            QVERIFY(held.tryLock());
            const Run r = runTool({ u"rewrite"_s, in, out });
            QCOMPARE(r.exitCode, 2);
            QVERIFY(r.err.contains(u"Caveto ya está abierto"_s));
            QVERIFY(!QFile::exists(out));
        }
        writeBytes(BookLock::lockPath(dir.path()),
            QByteArray::number(std::numeric_limits<int>::max()) + "\ncaveto\n"
                + QSysInfo::machineHostName().toUtf8() + "\n");
        QCOMPARE(runTool({ u"rewrite"_s, in, out }).exitCode, 0);
        QCOMPARE(recordLines(out), lines);
        QVERIFY(readBytes(out).startsWith("{\\rtf1"));
    }

    // Copies listed and brought back; the book replaced is kept as a copy in
    // turn, and an open program's book is left alone.
    void restoreBringsACopyBack()
    {
        QTemporaryDir dir;
        const QString book = dir.filePath(u"Caveto20.Datos"_s);
        const QString copy = u"Caveto20-20261201-090000-000.Datos"_s;
        QString error;
        writeBook(book, { line(u"Viejo"_s, u"Bodega"_s) });
        QVERIFY(backups::keep(book, QDateTime(QDate(2026, 12, 1), QTime(9, 0)), &error));
        writeBook(book, { line(u"Nuevo"_s, u"Bodega"_s) });

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
        QVERIFY(recordLines(book).value(0).startsWith(u"Viejo"_s));
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

    // The tool's own export comes back as the same book: csv, import into a
    // new book, csv again gives the same bytes, and the lines are the same.
    void csvImportRoundTrip()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"origen/Caveto20.Datos"_s);
        QVERIFY(QDir().mkpath(dir.filePath(u"origen"_s)));
        QStringList lines = recordLines(kSample);
        lines.removeAll(QString());
        lines << recordLine(u"Clos \"Erasmus\"; 2ª"_s, u"2004"_s, u"Priorat"_s,
            { { Field::Bodega, u"Barbier, René"_s }, { Field::Catador, u"Ana – Œnología"_s },
                { Field::Imagen, u"/home/ana/Imágenes/"_s + QString(60, u'f') } })
              << line(u"Sin notas"_s, u"x"_s);
        lines.last().replace(fieldColumn(Field::EFichero) - 1, 16, QString(16, u' '));
        QStringList withBlank = lines;
        withBlank.insert(1, QString()); // an empty line gives no row
        writeBook(source, withBlank);

        const Run exported = runTool({ u"csv"_s, source });
        QCOMPARE(exported.exitCode, 0);
        // A header of the field names; values trimmed, quoted where they hold
        // a separator or a quote.
        QVERIFY(exported.out.startsWith("NombreVino,Cosecha,DenoOrigen,Vino,"));
        QVERIFY(exported.out.contains(
            "\r\n\"Clos \"\"Erasmus\"\"; 2ª\",2004,Priorat,,,\"Barbier, René\","));
        const QString csvPath = dir.filePath(u"bodega.csv"_s);
        writeBytes(csvPath, exported.out);
        const QString book = dir.filePath(u"nueva/Datos/Caveto20.Datos"_s);
        const Run imported = runTool({ u"import"_s, csvPath, book });
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.out.endsWith(
                     u"%1 vinos añadidos (0 filas no importadas, 0 valores cambiados)\n"_s
                         .arg(lines.size())
                         .toUtf8()),
            imported.out.constData());
        QCOMPARE(runTool({ u"csv"_s, book }).out, exported.out);
        const QStringList back = recordLines(book);
        QCOMPARE(back.size(), lines.size());
        // Program-written lines come back byte for byte (the sample's hand-made
        // lines are trimmed and padded like any value the window stores).
        QCOMPARE(back.mid(back.size() - 2), lines.mid(lines.size() - 2));
    }

    // Another program's export, as a user runs the tool on it: what was
    // changed or left out is said with its line, the rest comes in.
    void importSaysWhatItChanged()
    {
        QTemporaryDir dir;
        const QString csvPath = dir.filePath(u"export.csv"_s);
        writeBytes(csvPath,
            win1252::encode(u"Wine;Vintage;Region;Score;Notes\r\n"
                            u"Viña Ardanza;2016;Rioja;93;\"Especiado,\r\nlargo.\"\r\n"
                            u";2019;Toro;90;\r\n"
                            u"Pazo Señorans Selección de Añada Albariño;2014;Rías Baixas;95;\r\n"));
        const QString book = dir.filePath(u"Datos/Caveto20.Datos"_s);
        const Run r = runTool({ u"import"_s, csvPath, book });
        QCOMPARE(r.exitCode, 0);
        const QStringList out = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(out.size(), 4);
        QCOMPARE(out[0], u"columna «Score»: no se reconoce; no se importa"_s);
        QCOMPARE(out[1], u"línea 4: no se importa: la fila no da el nombre del vino"_s);
        QCOMPARE(out[2],
            u"línea 5, «Wine»: «Pazo Señorans Selección de Añada Albariño» → "
            u"«Pazo Señorans Selección de Aña» (más de 30 caracteres)"_s);
        QVERIFY(out[3].endsWith(u"2 vinos añadidos (1 fila no importada, 1 valor cambiado)"_s));
        const QStringList lines = recordLines(book);
        QCOMPARE(lines.size(), 2);
        const QString notes = CellarRecord::parse(lines[0])[Field::EFichero];
        QVERIFY(QFile::exists(dir.filePath(u"Datos/"_s + notes + u".txt"_s)));
    }
};

QTEST_APPLESS_MAIN(TestCavetoDatos)
#include "tst_cavetodatos.moc"
