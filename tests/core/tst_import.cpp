// Reading CSV files and turning their rows into record lines: the book's own
// export and the exports of other cellar programs.

#include "cellar/BookLock.h"
#include "cellar/Csv.h"
#include "cellar/Import.h"
#include "platform/Win1252.h"
#include "support/BookFiles.h"
#include "support/FileSizeLimit.h"

#include <QtTest>

using namespace caveto;
using namespace Qt::Literals::StringLiterals;

namespace {

import::Plan planOf(const QByteArray &csv, const QStringList &book = {},
    const QSet<QString> &files = {}, QChar decimal = u','){ import::Options options;
options.decimalSeparator = decimal;
options.firstNotesName = u"5122026104512123"_s;
return import::plan(csv::read(csv), book, files, options);
}

CellarRecord recordOf(const import::Plan &plan, int i)
{
    return CellarRecord::parse(plan.lines.value(i));
}

QString bookLine(const QString &name, const QString &notesName)
{
    return recordLine(name, u"2001"_s, u"Rioja"_s, { { Field::EFichero, notesName } });
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    // What is read: the separator and encoding, the header, each row with the
    // line it starts on, and the line of a quote left open.
    void csvReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        QTest::newRow("comma, CRLF") << QByteArray("Wine,Vintage\r\nPesquera,2015\r\n")
                                     << u", UTF-8 Wine|Vintage 2:Pesquera|2015"_s;
        QTest::newRow("semicolon, Windows-1252")
            << win1252::encode(u"Vino;Añada\nViña Tondonia;2006\n")
            << u"; Windows-1252 Vino|Añada 2:Viña Tondonia|2006"_s;
        QTest::newRow("tab, UTF-8 mark")
            << QByteArray("\xEF\xBB\xBFName\tYear\nM\xC3\xA1laga\t1998")
            << u"\t UTF-8 Name|Year 2:Málaga|1998"_s;
        QTest::newRow("sep= line names it")
            << QByteArray("sep=;\nWine;Price\nA;1,50\n") << u"; UTF-8 Wine|Price 3:A|1,50"_s;
        QTest::newRow("quoted: separator, quote, line break; later rows keep their lines")
            << QByteArray("Wine,Notes\n\"Clos, \"\"Mogador\"\"\",\"fruta\r\nnegra\"\nB,x\n")
            << u", UTF-8 Wine|Notes 2:Clos, \"Mogador\"|fruta\r\nnegra 4:B|x"_s;
        QTest::newRow("blank rows and blanks around fields") << QByteArray(
            "Wine , Year\n\n , \n  Ermita , 2004 \n") << u", UTF-8 Wine|Year 4:Ermita|2004"_s;
        QTest::newRow("quote left open at the end")
            << QByteArray("Wine,Notes\nA,ok\nB,\"never closed\nC,x\n")
            << u", UTF-8 Wine|Notes 2:A|ok open:3"_s;
        QTest::newRow("a quote inside a field is text")
            << QByteArray("Wine\n12\" bottle\n") << u", UTF-8 Wine 2:12\" bottle"_s;
    }
    void csvReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        const csv::Table t = csv::read(bytes);
        QStringList got { QString(t.separator) + u' ' + t.encoding, t.header.join(u'|') };
        for (const csv::Row &r : t.rows)
            got << u"%1:%2"_s.arg(r.line).arg(r.cells.join(u'|'));
        if (t.unterminatedLine)
            got << u"open:%1"_s.arg(t.unterminatedLine);
        QCOMPARE(got.join(u' '), read);
    }

    void storableNearest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("changed");
        auto row
            = [](const char *tag, const char *text, int width, const char *expected, bool changed) {
                  QTest::newRow(tag)
                      << QString::fromUtf8(text) << width << QString::fromUtf8(expected) << changed;
              };
        row("Windows-1252 letters stay", "Château Ausone – “1er”", 30, "Château Ausone – “1er”",
            false);
        row("composed accent is one letter", "Jose\u0301", 30, "José", false);
        row("accent outside the code page", "Kőszegi Pincészet", 30, "Koszegi Pincészet", true);
        row("letters without decomposition", "Łódź", 30, "Lódz", true);
        row("no Latin neighbour", "白 wine 🍷", 30, "? wine ?", true);
        row("line breaks become one blank", "Gran\r\n\r\n Reserva\tEspecial", 30,
            "Gran Reserva Especial", true);
        row("no blank kept before a line break", "Gran \r\nReserva", 30, "Gran Reserva", true);
        row("cut leaves no trailing blank", "Abcd efgh", 5, "Abcd", true);
        const QByteArray longText(80, 'x');
        row("no width: long text kept", longText.constData(), 0, longText.constData(), false);
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
    // record holds; "listed": the change is reported with its line.
    void foreignValues_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("listed");
        auto row = [](const char *tag, const char *column, const char *value, const char *field,
                       const char *expected, bool listed) {
            QTest::newRow(tag) << QString::fromUtf8(column) << QString::fromUtf8(value)
                               << QString::fromUtf8(field) << QString::fromUtf8(expected) << listed;
        };
        row("price with point", "Price", "12.5", "Precio", "12,50", false);
        row("price, thousands", "Price", "$1,234.56", "Precio", "1234,56", false);
        row("price, Spanish thousands", "Precio", "1.250", "Precio", "1250,00", false);
        row("price rounded to fit", "Price", "12345.678", "Precio", "12345,7", true);
        row("price too big", "Price", "123456789", "Precio", "0,00", true);
        row("price negative", "Price", "-5", "Precio", "0,00", true);
        row("bottles", "Quantity", "12", "NumBotellas", "12", false);
        row("bottles not a number", "Bottles", "six", "NumBotellas", "0", true);
        row("alcohol", "ABV", "13.5%", "Grados", "13,5", false);
        row("alcohol, long decimals", "Alcohol", "14.125 % vol", "Grados", "14,13", true);
        row("non-vintage", "Vintage", "N.V.", "Cosecha", "", true);
        row("ISO date", "Purchase Date", "2021-03-15 10:20", "FCompraDD", "15", false);
        row("Spanish date", "Fecha de compra", "7/3/2021", "FCompraMM", "03", false);
        row("two-digit year", "Purchase date", "7.3.98", "FCompraYY", "1998", false);
        row("no such date", "Purchase date", "31/02/2021", "FCompraDD", "", true);
        row("drinking window", "Drinking window", "2024 – 2030", "Consumo", "2024 – 2030", false);
        row("own field name", "TipoUva1", "Tempranillo", "TipoUva1", "Tempranillo", false);
    }
    void foreignValues()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(bool, listed);
        const import::Plan p = planOf(u"Wine;%1\nPesquera;\"%2\"\n"_s.arg(column, value).toUtf8());
        QCOMPARE(p.lines.size(), 1);
        QCOMPARE(recordOf(p, 0)[static_cast<Field>(fieldIndex(field))], expected);
        QCOMPARE(p.changes.size(), listed ? 1 : 0);
        QVERIFY(!listed
            || (p.changes[0].line == 2 && p.changes[0].column == column
                && p.changes[0].from == value));
    }

    // An export in the shape other programs write: a header they name their
    // own way, a semicolon, Windows-1252 accents, a note with a line break.
    void foreignExport()
    {
        const QString text = u"Nombre;Añada;Región;Color;Bodega;Botellas;Precio;Ubicación;"
                             u"Fecha de compra;Alcohol;Consumo;Puntos;Notas\r\n"
                             u"Viña Tondonia Reserva;2010;Rioja;Tinto;López de Heredia;6;32,50;B-4;"
                             u"14/02/2020;13,5;2024-2040;94;\"Cuero, tabaco\r\ny fruta roja.\"\r\n"
                             u";2012;Bierzo;Tinto;;1;;;;;;;\r\n"
                             u"Fino Inocente;;Jerez;;Valdespino;2;12;;;;;;\r\n"_s;
        const import::Plan p = planOf(win1252::encode(text),
            { bookLine(u"Ermita"_s, u"5122026104512123"_s) }, { u"5122026104512124"_s });
        QVERIFY(!p.ownFormat);
        QCOMPARE(p.ignoredColumns.size(), 1);
        QVERIFY(p.ignoredColumns[0].contains(u"«Puntos»"_s));
        QCOMPARE(p.skipped.size(), 1);
        QCOMPARE(p.skipped[0].line, 4); // the note's line break counts
        QCOMPARE(p.lines.size(), 2);
        QCOMPARE(p.lines[0].size(), kRecordLength);
        // New notes names pass over the book's and the files'.
        QCOMPARE(fieldsOf(recordOf(p, 0),
                     { Field::NombreVino, Field::Cosecha, Field::DenoOrigen, Field::Vino,
                         Field::TipoVino, Field::Bodega, Field::NumBotellas, Field::Precio,
                         Field::Estante, Field::FCompraDD, Field::FCompraMM, Field::FCompraYY,
                         Field::Grados, Field::Consumo, Field::EFichero }),
            u"Viña Tondonia Reserva|2010|Rioja|Tinto|Sin Datos|López de Heredia|6|32,50|B-4|14|02|"
            u"2020|13,5|2024-2040|5122026104512125"_s);
        QCOMPARE(p.notes.size(), 1);
        QCOMPARE(p.notes[0].name, u"5122026104512125"_s);
        QCOMPARE(p.notes[0].paragraphs, QStringList({ u"Cuero, tabaco"_s, u"y fruta roja."_s }));
        // The wine without a vintage: what the add command leaves.
        QCOMPARE(fieldsOf(recordOf(p, 1),
                     { Field::Cosecha, Field::Precio, Field::Estante, Field::EFichero }),
            u"|12,00|Sin Datos|5122026104512126"_s);
    }

    // Two columns for one field: the first is read, the second said.
    // Without a wine name nothing can be imported.
    void columnsTheImportTellsAbout()
    {
        import::Plan p = planOf("Wine,Name\nA,B\n");
        QCOMPARE(recordOf(p, 0)[Field::NombreVino], u"A"_s);
        QVERIFY(p.ignoredColumns.value(0).contains(u"«Name»: ya se lee de la columna «Wine»"_s));
        p = planOf("Producer,Vintage\nVega Sicilia,1994\n");
        QVERIFY(p.error.contains(u"nombre del vino"_s));
        QVERIFY(p.lines.isEmpty());
    }

    // The book's own export comes back as it was: values as the line held
    // them, notes names kept unless another wine of the book has them.
    void ownExport()
    {
        QStringList header;
        for (const FieldSpec &f : recordLayout())
            header << QString::fromLatin1(f.name);
        CellarRecord r;
        r[Field::NombreVino] = u"Clos Mogador"_s;
        r[Field::Precio] = u"41.5"_s; // as the line held it: not reformatted
        r[Field::Vino] = QString(); // no "Sin Datos" put in
        r[Field::Color] = u"Picota"_s;
        r[Field::Imagen] = u"/home/ana/fotos/"_s + QString(70, u'x');
        r[Field::EFichero] = u"5122026104512123"_s;
        QByteArray csv = header.join(u',').toUtf8() + "\r\n";
        QStringList cells;
        for (int i = 0; i < kFieldCount; ++i)
            cells << QString::fromUtf8(csv::field(r.value(i)));
        csv += cells.join(u',').toUtf8() + "\r\n";
        cells[int(Field::EFichero)] = u"   "_s;
        cells[int(Field::NombreVino)] = u"Sin notas"_s;
        csv += cells.join(u',').toUtf8() + "\r\n";

        import::Plan p = planOf(csv);
        QVERIFY(p.ownFormat);
        QVERIFY(p.changes.isEmpty());
        QCOMPARE(p.lines.size(), 2);
        QCOMPARE(
            fieldsOf(recordOf(p, 0), { Field::Precio, Field::Vino, Field::Color, Field::EFichero }),
            u"41.5||Picota|5122026104512123"_s);
        QCOMPARE(recordOf(p, 0)[Field::Imagen].size(), 86); // a long photo path stays whole
        QCOMPARE(p.lines[1].mid(fieldColumn(Field::EFichero) - 1, 16), QString(16, u' '));

        // Without the notes-name column every wine gets a new name.
        p = planOf("NombreVino,Cosecha\nA,2001\n");
        QVERIFY(p.ownFormat);
        QCOMPARE(recordOf(p, 0)[Field::EFichero], u"5122026104512123"_s);

        // Into a book where the name is taken: a new one, and it is said.
        p = planOf(csv, { bookLine(u"Otro"_s, u"5122026104512123"_s) });
        QCOMPARE(recordOf(p, 0)[Field::EFichero], u"5122026104512124"_s);
        QCOMPARE(p.changes.size(), 1);
        QCOMPARE(p.changes[0].column, u"EFichero"_s);
    }

    void failedImportLeavesNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Datos"_s);
        const QString book = folder + u"/Caveto20.Datos"_s;
        QStringList before;
        for (int i = 0; i < 200; ++i)
            before << bookLine(u"Vino %1"_s.arg(i), QString::number(i).rightJustified(16, u'0'));
        QVERIFY(QDir().mkpath(folder));
        writeBook(book, before);
        const QByteArray bytes = readBytes(book);
        const QString csvPath = dir.filePath(u"export.csv"_s);
        writeBytes(csvPath, "Wine,Notes\nA,short note\nB,another\n");
        import::Plan plan;
        QString error;
        {
            // The notes files fit under the limit, the book does not.
            FileSizeLimit limit(64 * 1024);
            QVERIFY(!import::importCsv(csvPath, book, {}, &plan, &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(book), bytes);
        const QStringList left = QDir(folder).entryList({ u"*.txt"_s }, QDir::Files);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));

        // A book another program holds is refused before anything is read:
        // the program's next save would undo the import.
        BookLock held(folder);
        QVERIFY(held.tryLock());
        QVERIFY(!import::importCsv(csvPath, book, {}, &plan, &error));
        QVERIFY(error.contains(u"Caveto ya está abierto"_s) && error.contains(u"Cierre Caveto"_s));
        QCOMPARE(readBytes(book), bytes);
        QVERIFY(QDir(folder).entryList({ u"*.txt"_s }, QDir::Files).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestImport)
#include "tst_import.moc"
