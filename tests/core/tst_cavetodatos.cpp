// caveto-datos, the record-file tool: what it prints, what it writes, and
// that it never writes a book an open program holds.

#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "platform/FileIO.h"
#include "platform/Win1252.h"

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

    // The tool's own export comes back as the same book: csv, import into a
    // new book, csv again gives the same bytes, and the lines are the same.
    void csvImportRoundTrip()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("origen/Caveto20.Datos"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("origen"))));
        CellarRecord odd;
        odd[Field::NombreVino] = QStringLiteral("Clos \"Erasmus\"; 2ª");
        odd[Field::Cosecha] = QStringLiteral("2004");
        odd[Field::DenoOrigen] = QStringLiteral("Priorat");
        odd[Field::Bodega] = QStringLiteral("Barbier, René");
        odd[Field::Catador] = QStringLiteral("Ana – Œnología");
        odd[Field::Imagen] = QStringLiteral("/home/ana/Imágenes/") + QString(60, QLatin1Char('f'));
        odd.pad();
        QStringList lines;
        QString error;
        QVERIFY(readRecordFile(
            QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.Datos"), &lines, &error));
        lines.removeAll(QString());
        lines << odd.buildLine() << line(QStringLiteral("Sin notas"), QStringLiteral("x"));
        lines.last().replace(fieldColumn(Field::EFichero) - 1, 16, QString(16, QLatin1Char(' ')));
        QVERIFY(writeRecordFile(source, lines, &error));

        const Run exported = runTool({ QStringLiteral("csv"), source });
        QCOMPARE(exported.exitCode, 0);
        const QString csvPath = dir.filePath(QStringLiteral("bodega.csv"));
        QFile f(csvPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(exported.out);
        f.close();

        const QString book = dir.filePath(QStringLiteral("nueva/Datos/Caveto20.Datos"));
        const Run imported = runTool({ QStringLiteral("import"), csvPath, book });
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.out.endsWith(QStringLiteral(
                     "%1 vinos añadidos (0 filas no importadas, 0 valores cambiados)\n")
                                           .arg(lines.size())
                                           .toUtf8()),
            imported.out.constData());
        const Run again = runTool({ QStringLiteral("csv"), book });
        QCOMPARE(again.out, exported.out);
        QStringList back;
        QVERIFY(readRecordFile(book, &back, &error));
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
        const QString csvPath = dir.filePath(QStringLiteral("export.csv"));
        QFile f(csvPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(win1252::encode(
            QStringLiteral("Wine;Vintage;Region;Score;Notes\r\n"
                           "Viña Ardanza;2016;Rioja;93;\"Especiado,\r\nlargo.\"\r\n"
                           ";2019;Toro;90;\r\n"
                           "Pazo Señorans Selección de Añada Albariño;2014;Rías Baixas;95;\r\n")));
        f.close();
        const QString book = dir.filePath(QStringLiteral("Datos/Caveto20.Datos"));
        const Run r = runTool({ QStringLiteral("import"), csvPath, book });
        QCOMPARE(r.exitCode, 0);
        const QStringList out
            = QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(out.size(), 4);
        QCOMPARE(out[0], QStringLiteral("columna «Score»: no se reconoce; no se importa"));
        QCOMPARE(
            out[1], QStringLiteral("línea 4: no se importa: la fila no da el nombre del vino"));
        QCOMPARE(out[2],
            QStringLiteral("línea 5, «Wine»: «Pazo Señorans Selección de Añada Albariño» → "
                           "«Pazo Señorans Selección de Aña» (más de 30 caracteres)"));
        QVERIFY(out[3].endsWith(
            QStringLiteral("2 vinos añadidos (1 fila no importada, 1 valor cambiado)")));
        QStringList lines;
        QString error;
        QVERIFY(readRecordFile(book, &lines, &error));
        QCOMPARE(lines.size(), 2);
        const QString notes = CellarRecord::parse(lines[0])[Field::EFichero];
        QVERIFY(
            QFile::exists(dir.filePath(QStringLiteral("Datos/") + notes + QStringLiteral(".txt"))));
    }

    // An import while the program holds the cellar would be lost at the
    // program's next save: the tool refuses and says so.
    void importRefusesABookAnOpenProgramHolds()
    {
        QTemporaryDir dir;
        const QString csvPath = dir.filePath(QStringLiteral("export.csv"));
        QFile f(csvPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Wine,Notes\nA,una nota\n");
        f.close();
        const QString book = dir.filePath(QStringLiteral("Caveto20.Datos"));
        QString error;
        QVERIFY(writeRecordFile(book, { line("Viejo", "Bodega") }, &error));
        QFile before(book);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        before.close();
        caveto::BookLock held(dir.path());
        QVERIFY(held.tryLock());
        const Run r = runTool({ QStringLiteral("import"), csvPath, book });
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("Caveto ya está abierto con esta bodega")));
        QVERIFY(r.err.contains(QStringLiteral("Cierre Caveto")));
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(before.readAll(), bytes);
        QCOMPARE(QDir(dir.path()).entryList({ QStringLiteral("*.txt") }, QDir::Files).size(), 0);
    }
};

QTEST_APPLESS_MAIN(TestCavetoDatos)
#include "tst_cavetodatos.moc"
