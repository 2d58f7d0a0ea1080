#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "platform/FileIO.h"
#include "platform/Win1252.h"

#include <QtTest>

using namespace caveto;

namespace {
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(CAVETO_TOOL_PATH), args);
    p.waitForFinished(60000);
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        p.readAllStandardError() };
}

QString line(const QString &name, const QString &bodega)
{
    CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = QStringLiteral("2004");
    r[Field::DenoOrigen] = QStringLiteral("Priorat");
    r[Field::Bodega] = bodega;
    r[Field::EFichero] = QStringLiteral("123");
    r.pad();
    return r.buildLine();
}
} // namespace

class TestCavetoDatos : public QObject
{
    Q_OBJECT

private slots:
    void linesPrintsWhatTheProgramReads()
    {
        const Run r = runTool({ QStringLiteral("lines"),
            QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.Datos") });
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
        const QString path = dir.filePath(QStringLiteral("c.Datos"));
        QString error;
        QVERIFY(writeRecordFile(path,
            { line(QStringLiteral("Clos \"Mogador\""), QStringLiteral("Barbier, René")), QString(),
                line(QStringLiteral("Ermita"), QStringLiteral("Álvaro")) },
            &error));
        const Run r = runTool({ QStringLiteral("csv"), path });
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> rows = r.out.split('\n');
        QCOMPARE(rows.size(), 4); // header, two records, the empty end
        QVERIFY(rows[0].startsWith("NombreVino,Cosecha,DenoOrigen,Vino,"));
        QVERIFY(rows[0].endsWith(",CaliConjunto,Imagen\r"));
        QCOMPARE(rows[0].count(','), 60);
        QVERIFY(rows[1].startsWith("\"Clos \"\"Mogador\"\"\",2004,Priorat,,,\"Barbier, René\","));
        QVERIFY(rows[1].contains(",1230000000000000,"));
        QVERIFY(rows[2].startsWith(QString::fromUtf8("Ermita,2004,Priorat,,,Álvaro,").toUtf8()));
    }

    void rewriteTurnsPlainTextIntoARecordFile()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("plain.txt"));
        const QString out = dir.filePath(QStringLiteral("Caveto20.Datos"));
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QString l1 = line(QStringLiteral("Viña Ardanza"), QStringLiteral("La Rioja Alta"));
        f.write(l1.toUtf8() + "\r\n\r\n" + line(QStringLiteral("Pesquera"), QString()).toUtf8()
            + "\r\n");
        f.close();
        const Run r = runTool({ QStringLiteral("rewrite"), in, out });
        QCOMPARE(r.exitCode, 0);
        QStringList back;
        QString error;
        QVERIFY(readRecordFile(out, &back, &error));
        QCOMPARE(
            back, (QStringList { l1, QString(), line(QStringLiteral("Pesquera"), QString()) }));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("{\\rtf1"));
    }

    void errorsExitWithTwo()
    {
        QTemporaryDir dir;
        Run r = runTool({ QStringLiteral("lines"), dir.filePath(QStringLiteral("missing.Datos")) });
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("missing.Datos"));
        QVERIFY(r.out.isEmpty());

        r = runTool({ QStringLiteral("csv"), dir.path() });
        QCOMPARE(r.exitCode, 2);

        r = runTool({ QStringLiteral("frobnicate") });
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("usage"));

        // An unwritable destination leaves nothing behind.
        const QString out = dir.filePath(QStringLiteral("no/such/folder/out.Datos"));
        r = runTool({ QStringLiteral("rewrite"),
            QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.Datos"), out });
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!QFile::exists(out));
        QVERIFY(!r.err.isEmpty());

        // Only regular files are read: a device would never end.
        r = runTool({ QStringLiteral("lines"), QStringLiteral("/dev/zero") });
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("No es un fichero normal"));
        // Nor a file past the size limit (a sparse one here, read in no time).
        const QString huge = dir.filePath(QStringLiteral("huge.Datos"));
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(caveto::kMaxReadSize + 1));
        }
        r = runTool({ QStringLiteral("lines"), huge });
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("demasiado grande"));
    }

    // Copies listed and brought back; the book replaced is kept as a copy in
    // turn, and an open program's book is left alone.
    void restoreBringsACopyBack()
    {
        QTemporaryDir dir;
        const QString book = dir.filePath(QStringLiteral("Caveto20.Datos"));
        QString error;
        QVERIFY(caveto::writeRecordFile(book, { line("Viejo", "Bodega") }, &error));
        QVERIFY(caveto::backups::keep(book, QDateTime(QDate(2026, 12, 1), QTime(9, 0)), &error));
        QVERIFY(caveto::writeRecordFile(book, { line("Nuevo", "Bodega") }, &error));

        Run r = runTool({ QStringLiteral("restore"), book });
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("Caveto20-20261201-090000-000.Datos\t2026-12-01 09:00:00\t"));

        {
            caveto::BookLock open(dir.path());
            QVERIFY(open.tryLock());
            r = runTool({ QStringLiteral("restore"), book,
                QStringLiteral("Caveto20-20261201-090000-000.Datos") });
            QCOMPARE(r.exitCode, 2);
            QVERIFY(
                QString::fromLocal8Bit(r.err).contains(QStringLiteral("Caveto ya está abierto")));
        }
        r = runTool({ QStringLiteral("restore"), book,
            QStringLiteral("Caveto20-20261201-090000-000.Datos") });
        QCOMPARE(r.exitCode, 0);
        QStringList lines;
        QVERIFY(caveto::readRecordFile(book, &lines, &error));
        QVERIFY(lines.value(0).startsWith(QStringLiteral("Viejo")));
        // The book it replaced is among the copies now.
        QCOMPARE(caveto::backups::list(book).size(), 2);
        r = runTool({ QStringLiteral("restore"), book, QStringLiteral("no-such-copy.Datos") });
        QCOMPARE(r.exitCode, 2);
    }

    // A book that an open program holds is never rewritten; a lock left by a
    // program that is gone does not stop the tool.
    void rewriteRefusesABookAnOpenProgramHolds()
    {
        QTemporaryDir dir;
        const QString in = QStringLiteral(CAVETO_SAMPLES_DIR "/Caveto20-libreoffice.Datos");
        const QString out = dir.filePath(QStringLiteral("Caveto20.Datos"));
        {
            caveto::BookLock held(dir.path());
            QVERIFY(held.tryLock());
            const Run r = runTool({ QStringLiteral("rewrite"), in, out });
            QCOMPARE(r.exitCode, 2);
            QVERIFY(
                QString::fromLocal8Bit(r.err).contains(QStringLiteral("Caveto ya está abierto")));
            QVERIFY(!QFile::exists(out));
        }
        QFile stale(caveto::BookLock::lockPath(dir.path()));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(std::numeric_limits<int>::max()) + "\ncaveto\n"
            + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        const Run r = runTool({ QStringLiteral("rewrite"), in, out });
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(out));
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
        QVERIFY(QString::fromLocal8Bit(r.err).contains(
            QStringLiteral("Caveto ya está abierto con esta bodega")));
        QVERIFY(QString::fromLocal8Bit(r.err).contains(QStringLiteral("Cierre Caveto")));
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(before.readAll(), bytes);
        QCOMPARE(QDir(dir.path()).entryList({ QStringLiteral("*.txt") }, QDir::Files).size(), 0);
    }
};

QTEST_APPLESS_MAIN(TestCavetoDatos)
#include "tst_cavetodatos.moc"
