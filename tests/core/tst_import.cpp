// Reading CSV files and turning their rows into record lines: the book's own
// export and the exports of other cellar programs.

#include "cellar/Backups.h"
#include "cellar/BookLock.h"
#include "cellar/Csv.h"
#include "cellar/DataFile.h"
#include "cellar/Import.h"
#include "cellar/RecordLine.h"
#include "platform/Rtf.h"
#include "platform/Win1252.h"
#include "support/FileSizeLimit.h"

#include <QtTest>

using namespace caveto;

namespace {

QByteArray cp1252(const QString &text)
{
    return win1252::encode(text);
}

import::Plan planOf(const QByteArray &csv, const QStringList &book = {},
    const QSet<QString> &files = {}, QChar decimal = QLatin1Char(',')){ import::Options options;
options.decimalSeparator = decimal;
options.firstNotesName = QStringLiteral("5122026104512123");
return import::plan(csv::read(csv), book, files, options);
}

CellarRecord recordOf(const import::Plan &plan, int i)
{
    return CellarRecord::parse(plan.lines.value(i));
}

QString bookLine(const QString &name, const QString &notesName)
{
    CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = QStringLiteral("2001");
    r[Field::DenoOrigen] = QStringLiteral("Rioja");
    r[Field::EFichero] = notesName;
    r.pad();
    return r.buildLine();
}

bool hasChange(const import::Plan &plan, int line, const QString &column, const QString &to)
{
    for (const import::Change &c : plan.changes) {
        if (c.line == line && c.column == column && c.to == to)
            return true;
    }
    return false;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void csvReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("rows"); // line: cells joined with |
        QTest::addColumn<int>("unterminated");

        QTest::newRow("comma, CRLF") << QByteArray("Wine,Vintage\r\nPesquera,2015\r\n") << ","
                                     << "UTF-8" << QStringList { "Wine", "Vintage" }
                                     << QStringList { "2:Pesquera|2015" } << 0;
        QTest::newRow("semicolon, Windows-1252")
            << cp1252(QStringLiteral("Vino;Añada\nViña Tondonia;2006\n")) << ";"
            << "Windows-1252" << QStringList { "Vino", "Añada" }
            << QStringList { "2:Viña Tondonia|2006" } << 0;
        QTest::newRow("tab, UTF-8 mark")
            << QByteArray("\xEF\xBB\xBFName\tYear\nM\xC3\xA1laga\t1998") << "\t"
            << "UTF-8" << QStringList { "Name", "Year" } << QStringList { "2:Málaga|1998" } << 0;
        QTest::newRow("sep= line names it")
            << QByteArray("sep=;\nWine;Price\nA;1,50\n") << ";"
            << "UTF-8" << QStringList { "Wine", "Price" } << QStringList { "3:A|1,50" } << 0;
        QTest::newRow("quoted: separator, quote, line break; later rows keep their lines")
            << QByteArray("Wine,Notes\n\"Clos, \"\"Mogador\"\"\",\"fruta\r\nnegra\"\nB,x\n") << ","
            << "UTF-8" << QStringList { "Wine", "Notes" }
            << QStringList { "2:Clos, \"Mogador\"|fruta\r\nnegra", "4:B|x" } << 0;
        QTest::newRow("blank rows and blanks around fields")
            << QByteArray("Wine , Year\n\n , \n  Ermita , 2004 \n") << ","
            << "UTF-8" << QStringList { "Wine", "Year" } << QStringList { "4:Ermita|2004" } << 0;
        QTest::newRow("quote left open at the end")
            << QByteArray("Wine,Notes\nA,ok\nB,\"never closed\nC,x\n") << ","
            << "UTF-8" << QStringList { "Wine", "Notes" } << QStringList { "2:A|ok" } << 3;
        QTest::newRow("a quote inside a field is text")
            << QByteArray("Wine\n12\" bottle\n") << ","
            << "UTF-8" << QStringList { "Wine" } << QStringList { "2:12\" bottle" } << 0;
    }

    void csvReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, separator);
        QFETCH(QString, encoding);
        QFETCH(QStringList, header);
        QFETCH(QStringList, rows);
        QFETCH(int, unterminated);
        const csv::Table t = csv::read(bytes);
        QCOMPARE(QString(t.separator), separator);
        QCOMPARE(t.encoding, encoding);
        QCOMPARE(t.header, header);
        QStringList got;
        for (const csv::Row &r : t.rows)
            got << QStringLiteral("%1:%2").arg(r.line).arg(r.cells.join(QLatin1Char('|')));
        QCOMPARE(got, rows);
        QCOMPARE(t.unterminatedLine, unterminated);
    }

    void storableNearest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("changed");

        QTest::newRow("Windows-1252 letters stay")
            << QStringLiteral("Château Ausone – “1er”") << 30
            << QStringLiteral("Château Ausone – “1er”") << false;
        QTest::newRow("composed accent is one letter")
            << QStringLiteral("Jose\u0301") << 30 << QStringLiteral("José") << false;
        QTest::newRow("accent outside the code page")
            << QStringLiteral("Kőszegi Pincészet") << 30 << QStringLiteral("Koszegi Pincészet")
            << true;
        QTest::newRow("letters without decomposition")
            << QStringLiteral("Łódź") << 30 << QStringLiteral("Lódz") << true;
        QTest::newRow("ligature") << QStringLiteral("ﬁnca") << 30 << QStringLiteral("finca")
                                  << true;
        QTest::newRow("no Latin neighbour")
            << QStringLiteral("白 wine 🍷") << 30 << QStringLiteral("? wine ?") << true;
        QTest::newRow("line breaks become one blank")
            << QStringLiteral("Gran\r\n\r\n Reserva\tEspecial") << 30
            << QStringLiteral("Gran Reserva Especial") << true;
        QTest::newRow("cut to the width")
            << QStringLiteral("Château Mouton Rothschild Pauillac") << 30
            << QStringLiteral("Château Mouton Rothschild Paui") << true;
        QTest::newRow("cut leaves no trailing blank")
            << QStringLiteral("Abcd efgh") << 5 << QStringLiteral("Abcd") << true;
        QTest::newRow("no width: long text kept")
            << QString(80, QLatin1Char('x')) << 0 << QString(80, QLatin1Char('x')) << false;
    }

    void storableNearest()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QFETCH(bool, changed);
        QString why;
        QCOMPARE(import::storableNearest(text, width, &why), expected);
        QCOMPARE(!why.isEmpty(), changed);
        for (QChar c : expected)
            QVERIFY(win1252::isRepresentable(c));
    }

    // Numbers and dates as other programs write them, into the digits the
    // record holds.
    void foreignValues_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("listed");

        QTest::newRow("price with point") << "Price"
                                          << "12.5"
                                          << "Precio"
                                          << "12,50" << false;
        QTest::newRow("price, euro sign") << "Precio"
                                          << "9,95 €"
                                          << "Precio"
                                          << "9,95" << false;
        QTest::newRow("price, thousands") << "Price"
                                          << "$1,234.56"
                                          << "Precio"
                                          << "1234,56" << false;
        QTest::newRow("price, Spanish thousands") << "Precio"
                                                  << "1.250"
                                                  << "Precio"
                                                  << "1250,00" << false;
        QTest::newRow("price rounded to fit") << "Price"
                                              << "12345.678"
                                              << "Precio"
                                              << "12345,7" << true;
        QTest::newRow("price too big") << "Price"
                                       << "123456789"
                                       << "Precio"
                                       << "0,00" << true;
        QTest::newRow("price negative") << "Price"
                                        << "-5"
                                        << "Precio"
                                        << "0,00" << true;
        QTest::newRow("bottles") << "Quantity"
                                 << "12"
                                 << "NumBotellas"
                                 << "12" << false;
        QTest::newRow("bottles not a number") << "Bottles"
                                              << "six"
                                              << "NumBotellas"
                                              << "0" << true;
        QTest::newRow("bottles not whole") << "Qty"
                                           << "1.5"
                                           << "NumBotellas"
                                           << "0" << true;
        QTest::newRow("alcohol") << "ABV"
                                 << "13.5%"
                                 << "Grados"
                                 << "13,5" << false;
        QTest::newRow("alcohol, long decimals") << "Alcohol"
                                                << "14.125 % vol"
                                                << "Grados"
                                                << "14,13" << true;
        QTest::newRow("vintage") << "Vintage"
                                 << "2015"
                                 << "Cosecha"
                                 << "2015" << false;
        QTest::newRow("non-vintage") << "Vintage"
                                     << "N.V."
                                     << "Cosecha"
                                     << "" << true;
        QTest::newRow("ISO date") << "Purchase Date"
                                  << "2021-03-15 10:20"
                                  << "FCompraDD"
                                  << "15" << false;
        QTest::newRow("Spanish date") << "Fecha de compra"
                                      << "7/3/2021"
                                      << "FCompraMM"
                                      << "03" << false;
        QTest::newRow("two-digit year") << "Purchase date"
                                        << "7.3.98"
                                        << "FCompraYY"
                                        << "1998" << false;
        QTest::newRow("no such date") << "Purchase date"
                                      << "31/02/2021"
                                      << "FCompraDD"
                                      << "" << true;
        QTest::newRow("drinking window") << "Drinking window"
                                         << "2024 – 2030"
                                         << "Consumo"
                                         << "2024 – 2030" << false;
        QTest::newRow("own field name") << "TipoUva1"
                                        << "Tempranillo"
                                        << "TipoUva1"
                                        << "Tempranillo" << false;
    }

    void foreignValues()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(bool, listed);
        const QByteArray csv
            = QStringLiteral("Wine;%1\nPesquera;\"%2\"\n").arg(column, value).toUtf8();
        const import::Plan p = planOf(csv);
        QVERIFY(p.error.isEmpty());
        QCOMPARE(p.lines.size(), 1);
        QCOMPARE(recordOf(p, 0)[static_cast<Field>(fieldIndex(field))], expected);
        QCOMPARE(p.changes.size(), listed ? 1 : 0);
        if (listed) {
            QCOMPARE(p.changes[0].line, 2);
            QCOMPARE(p.changes[0].column, column);
            QCOMPARE(p.changes[0].from, value);
        }
    }

    // An export in the shape other programs write: a header they name their
    // own way, a semicolon, Windows-1252 accents, a note with a line break.
    void foreignExport()
    {
        const QString text = QStringLiteral(
            "Nombre;Añada;Región;Color;Bodega;Botellas;Precio;Ubicación;Fecha de compra;"
            "Alcohol;Consumo;Puntos;Notas\r\n"
            "Viña Tondonia Reserva;2010;Rioja;Tinto;López de Heredia;6;32,50;B-4;14/02/2020;"
            "13,5;2024-2040;94;\"Cuero, tabaco\r\ny fruta roja.\"\r\n"
            ";2012;Bierzo;Tinto;;1;;;;;;;\r\n"
            "Fino Inocente;;Jerez;;Valdespino;2;12;;;;;;\r\n");
        const QStringList book
            = { bookLine(QStringLiteral("Ermita"), QStringLiteral("5122026104512123")) };
        const import::Plan p = planOf(cp1252(text), book, { QStringLiteral("5122026104512124") });
        QVERIFY(!p.ownFormat);
        QCOMPARE(p.ignoredColumns.size(), 1);
        QVERIFY(p.ignoredColumns[0].contains(QStringLiteral("«Puntos»")));
        QCOMPARE(p.skipped.size(), 1);
        QCOMPARE(p.skipped[0].line, 4); // the note's line break counts
        QCOMPARE(p.lines.size(), 2);

        const CellarRecord a = recordOf(p, 0);
        QCOMPARE(a[Field::NombreVino], QStringLiteral("Viña Tondonia Reserva"));
        QCOMPARE(a[Field::Cosecha], QStringLiteral("2010"));
        QCOMPARE(a[Field::DenoOrigen], QStringLiteral("Rioja"));
        QCOMPARE(a[Field::Vino], QStringLiteral("Tinto"));
        QCOMPARE(a[Field::TipoVino], QStringLiteral("Sin Datos"));
        QCOMPARE(a[Field::Bodega], QStringLiteral("López de Heredia"));
        QCOMPARE(a[Field::NumBotellas], QStringLiteral("6"));
        QCOMPARE(a[Field::Precio], QStringLiteral("32,50"));
        QCOMPARE(a[Field::Estante], QStringLiteral("B-4"));
        QCOMPARE(a[Field::FCompraDD] + a[Field::FCompraMM] + a[Field::FCompraYY],
            QStringLiteral("14022020"));
        QCOMPARE(a[Field::Grados], QStringLiteral("13,5"));
        QCOMPARE(a[Field::Consumo], QStringLiteral("2024-2040"));
        QCOMPARE(p.lines[0].size(), kRecordLength);

        // New notes names pass over the book's and the files'.
        QCOMPARE(a[Field::EFichero], QStringLiteral("5122026104512125"));
        QCOMPARE(recordOf(p, 1)[Field::EFichero], QStringLiteral("5122026104512126"));
        QCOMPARE(p.notes.size(), 1);
        QCOMPARE(p.notes[0].name, QStringLiteral("5122026104512125"));
        QCOMPARE(p.notes[0].paragraphs,
            QStringList({ QStringLiteral("Cuero, tabaco"), QStringLiteral("y fruta roja.") }));

        // The wine without a vintage: what the add command leaves.
        const CellarRecord b = recordOf(p, 1);
        QCOMPARE(b[Field::Cosecha], QString());
        QCOMPARE(b[Field::Precio], QStringLiteral("12,00"));
        QCOMPARE(b[Field::Estante], QStringLiteral("Sin Datos"));
    }

    void columnsTheImportTellsAbout()
    {
        // Two columns for one field: the first is read, the second said.
        import::Plan p = planOf("Wine,Name,Location,Bin,Drink From,Drink To,Window\n"
                                "A,B,Cellar,3,2020,2025,2021-2023\n"
                                "C,D,,,2030,,\n");
        QCOMPARE(p.ignoredColumns.size(), 3);
        QVERIFY(
            p.ignoredColumns[0].contains(QStringLiteral("«Name»: ya se lee de la columna «Wine»")));
        QVERIFY(p.ignoredColumns[1].contains(QStringLiteral("«Bin»")));
        QVERIFY(p.ignoredColumns[2].contains(QStringLiteral("«Window»")));
        QCOMPARE(recordOf(p, 0)[Field::NombreVino], QStringLiteral("A"));
        QCOMPARE(recordOf(p, 0)[Field::Estante], QStringLiteral("Cellar"));
        QCOMPARE(recordOf(p, 0)[Field::Consumo], QStringLiteral("2020-2025"));
        QCOMPARE(recordOf(p, 1)[Field::Consumo], QStringLiteral("2030-"));

        // A drinking window given whole wins over its two ends.
        p = planOf("Wine,Drink From,Drinking Window\nA,2020,2021-2023\n");
        QCOMPARE(recordOf(p, 0)[Field::Consumo], QStringLiteral("2021-2023"));
        QVERIFY(p.ignoredColumns.value(0).contains(QStringLiteral("«Drink From»")));

        // Without a wine name nothing can be imported.
        p = planOf("Producer,Vintage\nVega Sicilia,1994\n");
        QVERIFY(p.error.contains(QStringLiteral("nombre del vino")));
        QVERIFY(p.lines.isEmpty());
        QVERIFY(!planOf(QByteArray()).error.isEmpty());

        // Cells past the header are said; the row still comes in.
        p = planOf("Wine,Vintage\nA,2001,stray\n");
        QCOMPARE(p.lines.size(), 1);
        QVERIFY(hasChange(p, 2, QString(), QString()));
    }

    // Dates read month first only where the column shows it.
    void dateOrderFollowsTheColumn()
    {
        import::Plan p = planOf("Wine,Purchase Date\nA,03/04/2021\nB,03/25/2021\n");
        QCOMPARE(recordOf(p, 0)[Field::FCompraDD], QStringLiteral("04"));
        QCOMPARE(recordOf(p, 1)[Field::FCompraDD], QStringLiteral("25"));
        p = planOf("Wine,Purchase Date\nA,03/04/2021\nB,25/03/2021\n");
        QCOMPARE(recordOf(p, 0)[Field::FCompraDD], QStringLiteral("03"));
        QCOMPARE(recordOf(p, 0)[Field::FCompraMM], QStringLiteral("04"));
    }

    void decimalSeparatorOfTheLocale()
    {
        const import::Plan p = planOf("Wine,Price,ABV\nA,\"4,5\",12\n", {}, {}, QLatin1Char('.'));
        QCOMPARE(recordOf(p, 0)[Field::Precio], QStringLiteral("4.50"));
        QCOMPARE(recordOf(p, 0)[Field::Grados], QStringLiteral("12"));
    }

    // The book's own export comes back as it was: values as the line held
    // them, notes names kept unless another wine of the book has them.
    void ownExport()
    {
        QStringList header;
        for (const FieldSpec &f : recordLayout())
            header << QString::fromLatin1(f.name);
        CellarRecord r;
        r[Field::NombreVino] = QStringLiteral("Clos Mogador");
        r[Field::Precio] = QStringLiteral("41.5"); // as the line held it: not reformatted
        r[Field::Vino] = QString(); // no "Sin Datos" put in
        r[Field::Color] = QStringLiteral("Picota");
        r[Field::Imagen] = QStringLiteral("/home/ana/fotos/") + QString(70, QLatin1Char('x'));
        r[Field::EFichero] = QStringLiteral("5122026104512123");
        QByteArray csv = header.join(QLatin1Char(',')).toUtf8() + "\r\n";
        QStringList cells;
        for (int i = 0; i < kFieldCount; ++i)
            cells << QString::fromUtf8(csv::field(r.value(i)));
        csv += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
        r[Field::EFichero] = QStringLiteral("   ");
        cells[int(Field::EFichero)] = r[Field::EFichero];
        cells[int(Field::NombreVino)] = QStringLiteral("Sin notas");
        csv += cells.join(QLatin1Char(',')).toUtf8() + "\r\n";

        import::Plan p = planOf(csv);
        QVERIFY(p.ownFormat);
        QVERIFY(p.changes.isEmpty());
        QCOMPARE(p.lines.size(), 2);
        CellarRecord expected = recordOf(p, 0);
        QCOMPARE(expected[Field::Precio], QStringLiteral("41.5"));
        QCOMPARE(expected[Field::Vino], QString());
        QCOMPARE(expected[Field::Color], QStringLiteral("Picota"));
        QCOMPARE(expected[Field::Imagen].size(), 86); // a long photo path stays whole
        QCOMPARE(expected[Field::EFichero], QStringLiteral("5122026104512123"));
        QCOMPARE(
            p.lines[1].mid(fieldColumn(Field::EFichero) - 1, 16), QString(16, QLatin1Char(' ')));

        // Without the notes-name column every wine gets a new name.
        p = planOf("NombreVino,Cosecha\nA,2001\n");
        QVERIFY(p.ownFormat);
        QCOMPARE(recordOf(p, 0)[Field::EFichero], QStringLiteral("5122026104512123"));

        // Into a book where the name is taken: a new one, and it is said.
        p = planOf(csv, { bookLine(QStringLiteral("Otro"), QStringLiteral("5122026104512123")) });
        QCOMPARE(recordOf(p, 0)[Field::EFichero], QStringLiteral("5122026104512124"));
        QCOMPARE(p.changes.size(), 1);
        QCOMPARE(p.changes[0].column, QStringLiteral("EFichero"));
    }

    // The whole import: notes files and the book, or nothing.
    void importWritesNotesThenTheBook()
    {
        QTemporaryDir dir;
        const QString book = dir.filePath(QStringLiteral("Datos/Caveto20.Datos"));
        const QString csvPath = dir.filePath(QStringLiteral("export.csv"));
        QFile f(csvPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Wine,Notes\nA,\"Nariz: cereza.\nBoca: larga.\"\nB,\n");
        f.close();
        import::Options options;
        options.firstNotesName = QStringLiteral("1111111111111111");
        import::Plan plan;
        QString error;
        QVERIFY2(import::importCsv(csvPath, book, options, &plan, &error), qPrintable(error));
        QStringList lines;
        QVERIFY(readRecordFile(book, &lines, &error));
        QCOMPARE(lines, plan.lines);
        QFile notes(dir.filePath(QStringLiteral("Datos/1111111111111111.txt")));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(rtf::readLines(notes.readAll()),
            QStringList({ QStringLiteral("Nariz: cereza."), QStringLiteral("Boca: larga.") }));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Datos/1111111111111112.txt"))));
        QVERIFY(!QFile::exists(BookLock::lockPath(dir.filePath(QStringLiteral("Datos")))));

        // A second import appends, and the book as it was is kept as a copy.
        QVERIFY(import::importCsv(csvPath, book, options, &plan, &error));
        QVERIFY(readRecordFile(book, &lines, &error));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(backups::list(book).size(), 1);
        QCOMPARE(
            CellarRecord::parse(lines[2])[Field::EFichero], QStringLiteral("1111111111111113"));
    }

    void failedImportLeavesNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Datos"));
        const QString book = folder + QStringLiteral("/Caveto20.Datos");
        QString error;
        QStringList before;
        for (int i = 0; i < 200; ++i)
            before << bookLine(QStringLiteral("Vino %1").arg(i),
                QString::number(i).rightJustified(16, QLatin1Char('0')));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeRecordFile(book, before, &error));
        QFile original(book);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        original.close();

        const QString csvPath = dir.filePath(QStringLiteral("export.csv"));
        QFile f(csvPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Wine,Notes\nA,short note\nB,another\n");
        f.close();
        import::Plan plan;
        {
            // The notes files fit under the limit, the book does not.
            FileSizeLimit limit(64 * 1024);
            QVERIFY(!import::importCsv(csvPath, book, {}, &plan, &error));
        }
        QVERIFY(!error.isEmpty());
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), bytes);
        const QStringList left = QDir(folder).entryList({ QStringLiteral("*.txt") }, QDir::Files);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));

        // A book another program holds is refused before anything is read.
        BookLock held(folder);
        QVERIFY(held.tryLock());
        QVERIFY(!import::importCsv(csvPath, book, {}, &plan, &error));
        QVERIFY(error.contains(QStringLiteral("Caveto ya está abierto")));
    }
};

QTEST_APPLESS_MAIN(TestImport)
#include "tst_import.moc"
