// The record line: its columns, its padding, reading it back, the notes
// names and the order of the record list.

#include "cellar/RecordLine.h"
#include "cellar/RecordOrder.h"

#include <QtTest>

using namespace caveto;
using namespace Qt::Literals::StringLiterals;

class TestRecordLine : public QObject
{
    Q_OBJECT

private:
    static CellarRecord sampleRecord()
    {
        CellarRecord r;
        for (const auto &[f, v] : std::initializer_list<std::pair<Field, QString>> {
                 { Field::NombreVino, u"Viña Tondonia"_s }, { Field::Cosecha, u"1998"_s },
                 { Field::DenoOrigen, u"Rioja"_s }, { Field::TipoVino, u"Gran Reserva"_s },
                 { Field::Bodega, u"López de Heredia"_s }, { Field::FCompraDD, u"05"_s },
                 { Field::FCompraMM, u"12"_s }, { Field::FCompraYY, u"2026"_s },
                 { Field::Precio, u"45,50"_s }, { Field::Estante, u"B-1"_s },
                 { Field::Porcen4, u"5"_s }, { Field::Catador, u"Pilar Muñoz"_s },
                 { Field::EFichero, u"5122026970340"_s }, { Field::Aroma2, u"Agrio "_s },
                 { Field::CaliConjunto, u"Excelente"_s },
                 { Field::Imagen, u"/home/pilar/fotos/tondonia.jpg"_s } })
            r[f] = v;
        return r;
    }

private slots:
    // The written line, column by column (counted from 1 as the layout is).
    void paddedLineIsExactToTheColumn()
    {
        CellarRecord r = sampleRecord();
        r.pad();
        const QString line = r.buildLine();
        QCOMPARE(line.size(), kRecordLength);
        const std::pair<int, QString> columns[] = { { 1, u"Viña Tondonia"_s.leftJustified(30) },
            { 31, u" 1998 Rioja"_s }, { 67, QString(32, u' ') + u"Gran Reserva"_s },
            { 130, u"López de Heredia"_s.leftJustified(30) + u"05122026"_s },
            { 168, u"45,50  0      B-1"_s }, { 355, u"5  Pilar Muñoz"_s },
            { 590, u"5122026970340000"_s }, { 626, u"Agrio"_s.leftJustified(20) },
            { 946, u"Excelente /home/pilar/fotos/tondonia.jpg"_s.leftJustified(70) } };
        for (const auto &[column, text] : columns)
            QCOMPARE(line.mid(column - 1, text.size()), text);
        // Unpadded, the line is the values and the five separators.
        QCOMPARE(CellarRecord().buildLine(), u"     "_s);
    }

    // Read back, each field is what was written without its padding (the
    // notes name keeps its zeros, a value its inner blanks).
    void roundTripFieldByField()
    {
        const CellarRecord written = sampleRecord();
        CellarRecord padded = written;
        padded.pad();
        const CellarRecord read = CellarRecord::parse(padded.buildLine());
        for (int i = 0; i < kFieldCount; ++i) {
            const auto f = static_cast<Field>(i);
            QString expected = written[f].trimmed();
            if (f == Field::EFichero)
                expected = u"5122026970340000"_s;
            else if (f == Field::Precio || f == Field::NumBotellas)
                expected = padded[f].trimmed();
            QVERIFY2(read[f] == expected, fieldName(f));
        }
        QCOMPARE(read[Field::TipoVino], u"Gran Reserva"_s);
    }

    // A record of the name alone: the price and the bottle count get their
    // stored defaults, in the locale's decimal separator. Padding never cuts.
    void emptyRecordGetsItsDefaults()
    {
        CellarRecord r;
        r[Field::NombreVino] = u"Pago"_s;
        r.pad(u',');
        const QString line = r.buildLine();
        QCOMPARE(line.size(), kRecordLength);
        QCOMPARE(line.mid(167, 14), u"0,00   0      "_s);
        QCOMPARE(line.mid(589, 16), QString(16, u'0'));
        CellarRecord english;
        english[Field::Cosecha] = u"123456"_s;
        english.pad(u'.');
        QCOMPARE(english[Field::Precio], u"0.00   "_s);
        QCOMPARE(english[Field::Cosecha], u"123456"_s);
    }

    void shortAndLongLines()
    {
        // A short line reads with the missing columns empty.
        const CellarRecord shortRecord = CellarRecord::parse(
            QString(u"Marqués de Riscal"_s.leftJustified(31) + u"2001 Rioja"_s));
        QCOMPARE(shortRecord[Field::NombreVino], u"Marqués de Riscal"_s);
        QCOMPARE(shortRecord[Field::DenoOrigen], u"Rioja"_s);
        QCOMPARE(shortRecord[Field::Vino] + shortRecord[Field::EFichero], QString());

        // A photo path past column 1015 is read whole, so it survives a save.
        CellarRecord r;
        const QString longPath = u"/media/usb/bodega/fotos de botellas/2026/diciembre/"
                                 u"marques-de-caceres-crianza-1998-frontal.jpeg"_s;
        r[Field::Imagen] = longPath;
        r.pad();
        const QString line = r.buildLine();
        QCOMPARE(line.size(), 955 + longPath.size());
        QCOMPARE(CellarRecord::parse(line)[Field::Imagen], longPath);
    }

    void notesNamesAndTrimming()
    {
        // 31 December 2026 at 23:59:59.999 is 17 digits: the name keeps 16.
        QCOMPARE(makeNotesName(5, 12, 2026, 9, 7, 3, 40), u"5122026973400000"_s);
        QCOMPARE(makeNotesName(31, 12, 2026, 23, 59, 59, 999), u"3112202623595999"_s);
        QCOMPARE(nextNotesName(u"1999999999999999"_s), u"2000000000000000"_s);
        QCOMPARE(nextNotesName(u"9999999999999999"_s), QString(16, u'0'));
        QCOMPARE(padRight(u"13"_s, 16, u'0'), u"1300000000000000"_s);
        // Blanks and control characters are trimmed; a no-break space is text.
        QCOMPARE(trimBlanks(u"  Rioja \t"), u"Rioja"_s);
        QCOMPARE(trimBlanks(u"\u00a0Rioja"), u"\u00a0Rioja"_s);
    }

    // Each first text sorts before its second.
    void recordOrder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        auto row = [](const char *tag, const char *first, const char *second) {
            QTest::newRow(tag) << QString::fromUtf8(first) << QString::fromUtf8(second);
        };
        row("case ignored", "abadía", "Abadía Retuerta");
        row("blank before letter", "Rioja   ", "Rioja Alta");
        row("blank before digit", "Vino 1", "Vino11");
        row("digit before letter", "3 Reyes", "Alba");
        row("accent with its letter", "Álamo", "Bierzo");
        row("ñ after n", "Nuñez", "Ñora");
        row("n before ñ", "Pena", "Peña");
        row("ñ before o", "Peña", "Peo");
        row("upper before lower on a tie", "RIOJA", "rioja");
        row("plain before accented on a tie", "rioja", "Riója");
        row("shorter first", "Toro", "Toro ");
    }
    void recordOrder()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(compareRecordText(first, second) < 0);
        QVERIFY(compareRecordText(second, first) > 0);
        QCOMPARE(compareRecordText(first, first), 0);
    }
};

QTEST_APPLESS_MAIN(TestRecordLine)
#include "tst_recordline.moc"
