#include "cellar/RecordLine.h"
#include "cellar/RecordOrder.h"

#include <QtTest>

using namespace caveto;

class TestRecordLine : public QObject
{
    Q_OBJECT

private:
    static CellarRecord sampleRecord()
    {
        CellarRecord r;
        r[Field::NombreVino] = QStringLiteral("Viña Tondonia");
        r[Field::Cosecha] = QStringLiteral("1998");
        r[Field::DenoOrigen] = QStringLiteral("Rioja");
        r[Field::Vino] = QStringLiteral("Tinto");
        r[Field::TipoVino] = QStringLiteral("Gran Reserva");
        r[Field::Bodega] = QStringLiteral("López de Heredia");
        r[Field::FCompraDD] = QStringLiteral("05");
        r[Field::FCompraMM] = QStringLiteral("12");
        r[Field::FCompraYY] = QStringLiteral("2026");
        r[Field::Precio] = QStringLiteral("45,50");
        r[Field::NumBotellas] = QStringLiteral("12");
        r[Field::Estante] = QStringLiteral("B-1");
        r[Field::Grados] = QStringLiteral("12,5");
        r[Field::TempeINI] = QStringLiteral("16");
        r[Field::TempeFin] = QStringLiteral("18");
        r[Field::Consumo] = QStringLiteral("2026 - 2035");
        r[Field::TipoUva1] = QStringLiteral("Tempranillo");
        r[Field::Porcen1] = QStringLiteral("75");
        r[Field::TipoUva4] = QStringLiteral("Graciano");
        r[Field::Porcen4] = QStringLiteral("5");
        r[Field::Catador] = QStringLiteral("Pilar Muñoz");
        r[Field::CaliVista] = QStringLiteral("Muy Bueno");
        r[Field::EFichero] = QStringLiteral("5122026970340000");
        r[Field::Aroma2] = QStringLiteral("Agrio ");
        r[Field::CaliConjunto] = QStringLiteral("Excelente");
        r[Field::Imagen] = QStringLiteral("/home/pilar/fotos/tondonia.jpg");
        return r;
    }

private slots:
    void layoutColumnsAndTotal()
    {
        const auto &layout = recordLayout();
        QCOMPARE(int(layout.size()), 61);
        int separators = 0;
        int width = 0;
        for (const FieldSpec &f : layout) {
            width += f.width;
            separators += f.separatorAfter ? 1 : 0;
        }
        QCOMPARE(separators, 5);
        QCOMPARE(width + separators, kRecordLength);
        // Columns the record list, the search rows and the reports rely on
        // (the others are checked on a built line below).
        QCOMPARE(fieldColumn(Field::DenoOrigen), 37);
        QCOMPARE(fieldColumn(Field::Vino), 68);
        QCOMPARE(fieldColumn(Field::TipoVino), 99);
        QCOMPARE(fieldColumn(Field::Estante), 182);
        QCOMPARE(fieldColumn(Field::Catador), 358);
        QCOMPARE(fieldColumn(Field::CaliConjunto), 946);
        QCOMPARE(fieldIndex(u"Imagen"), 60);
        QCOMPARE(fieldIndex(u"NoSuchField"), -1);
    }

    void paddedLineIsExactToTheColumn()
    {
        CellarRecord r = sampleRecord();
        r.pad();
        const QString line = r.buildLine();
        QCOMPARE(line.size(), kRecordLength);
        QCOMPARE(line.mid(0, 30), QStringLiteral("Viña Tondonia").leftJustified(30));
        QCOMPARE(line.at(30), QLatin1Char(' '));
        QCOMPARE(line.mid(31, 4), QStringLiteral("1998"));
        QCOMPARE(line.mid(129, 30), QStringLiteral("López de Heredia").leftJustified(30));
        QCOMPARE(line.mid(159, 8), QStringLiteral("05122026"));
        QCOMPARE(line.mid(167, 7), QStringLiteral("45,50  "));
        QCOMPARE(line.mid(589, 16), QStringLiteral("5122026970340000"));
        QCOMPARE(line.mid(625, 20), QStringLiteral("Agrio               "));
        QCOMPARE(line.mid(955), QStringLiteral("/home/pilar/fotos/tondonia.jpg").leftJustified(60));
    }

    void roundTripFieldByField()
    {
        CellarRecord written = sampleRecord();
        CellarRecord padded = written;
        padded.pad();
        const CellarRecord read = CellarRecord::parse(padded.buildLine());
        for (int i = 0; i < kFieldCount; ++i) {
            const auto f = static_cast<Field>(i);
            const QString expected = f == Field::EFichero
                ? written[f].leftJustified(16, QLatin1Char('0'))
                : written[f].trimmed();
            QVERIFY2(read[f] == expected, fieldName(f));
        }
        // A value with inner blanks keeps them; a trailing blank is lost.
        QCOMPARE(read[Field::TipoVino], QStringLiteral("Gran Reserva"));
        QCOMPARE(read[Field::Aroma2], QStringLiteral("Agrio"));
    }

    void emptyRecordGetsItsDefaults()
    {
        CellarRecord r;
        r[Field::NombreVino] = QStringLiteral("Pago");
        r[Field::Cosecha] = QStringLiteral("2020");
        r[Field::DenoOrigen] = QStringLiteral("Toro");
        r.pad(QLatin1Char(','));
        const QString line = r.buildLine();
        QCOMPARE(line.size(), kRecordLength);
        QCOMPARE(line.mid(167, 7), QStringLiteral("0,00   "));
        QCOMPARE(line.mid(174, 7), QStringLiteral("0      "));
        QCOMPARE(line.mid(589, 16), QStringLiteral("0000000000000000"));

        CellarRecord english;
        english.pad(QLatin1Char('.'));
        QCOMPARE(english[Field::Precio], QStringLiteral("0.00   "));
    }

    void paddingNeverCuts()
    {
        CellarRecord r;
        r[Field::Cosecha] = QStringLiteral("123456");
        r.pad();
        QCOMPARE(r[Field::Cosecha], QStringLiteral("123456"));
        QCOMPARE(padRight(QStringLiteral("abc"), 2), QStringLiteral("abc"));
        QCOMPARE(padRight(QStringLiteral("13"), 16, QLatin1Char('0')),
            QStringLiteral("1300000000000000"));
    }

    void compactLineHasSeparatorsOnly()
    {
        CellarRecord r;
        r[Field::NombreVino] = QStringLiteral("A");
        r[Field::Catador] = QStringLiteral("B");
        QCOMPARE(r.buildLine(), QStringLiteral("A     B"));
        QCOMPARE(CellarRecord().buildLine(), QStringLiteral("     "));
    }

    void shortAndLongLines()
    {
        // A short line reads with the missing columns empty.
        const CellarRecord shortRecord = CellarRecord::parse(QString(
            QStringLiteral("Marqués de Riscal").leftJustified(31) + QStringLiteral("2001 Rioja")));
        QCOMPARE(shortRecord[Field::NombreVino], QStringLiteral("Marqués de Riscal"));
        QCOMPARE(shortRecord[Field::Cosecha], QStringLiteral("2001"));
        QCOMPARE(shortRecord[Field::DenoOrigen], QStringLiteral("Rioja"));
        QCOMPARE(shortRecord[Field::Vino], QString());
        QCOMPARE(shortRecord[Field::EFichero], QString());
        QCOMPARE(CellarRecord::parse(QStringView()).buildLine(), QStringLiteral("     "));

        // A photo path past column 1015 is read whole, so it survives a save.
        CellarRecord r;
        const QString longPath
            = QStringLiteral("/media/usb/bodega/fotos de botellas/2026/diciembre/"
                             "marques-de-caceres-crianza-1998-frontal.jpeg");
        QVERIFY(longPath.size() > 60);
        r[Field::Imagen] = longPath;
        r.pad();
        const QString line = r.buildLine();
        QCOMPARE(line.size(), 955 + longPath.size());
        QCOMPARE(CellarRecord::parse(line)[Field::Imagen], longPath);
    }

    void notesNames()
    {
        // 5 December 2026 at 9:07:03.040
        QCOMPARE(makeNotesName(5, 12, 2026, 9, 7, 3, 40), QStringLiteral("5122026973400000"));
        QCOMPARE(makeNotesName(31, 12, 2026, 23, 59, 59, 999), QStringLiteral("3112202623595999"));
        QCOMPARE(makeNotesName(1, 1, 2026, 0, 0, 0, 0).size(), 16);
        // The clock's digits are ambiguous: 1-12 and 11-2 read alike.
        QCOMPARE(makeNotesName(1, 12, 2026, 10, 0, 0, 0), makeNotesName(11, 2, 2026, 10, 0, 0, 0));
        QCOMPARE(
            nextNotesName(QStringLiteral("5122026973400000")), QStringLiteral("5122026973400001"));
        QCOMPARE(
            nextNotesName(QStringLiteral("1999999999999999")), QStringLiteral("2000000000000000"));
        QCOMPARE(
            nextNotesName(QStringLiteral("9999999999999999")), QStringLiteral("0000000000000000"));
    }

    void trimming()
    {
        QCOMPARE(trimBlanks(u"  Rioja \t"), QStringLiteral("Rioja"));
        QCOMPARE(trimBlanks(u"\u00a0Rioja"), QStringLiteral("\u00a0Rioja"));
        QCOMPARE(cutField(u"                              ", Field::NombreVino), QString());
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

    void sortIsTotalAndGroupsCaseVariants()
    {
        QStringList items { QStringLiteral("rioja"), QStringLiteral("Riója"),
            QStringLiteral("Toro"), QStringLiteral("RIOJA"), QStringLiteral("Rioja"),
            QStringLiteral("Bierzo") };
        sortRecordText(items);
        QCOMPARE(items,
            (QStringList { QStringLiteral("Bierzo"), QStringLiteral("RIOJA"),
                QStringLiteral("Rioja"), QStringLiteral("rioja"), QStringLiteral("Riója"),
                QStringLiteral("Toro") }));
    }
};

QTEST_APPLESS_MAIN(TestRecordLine)
#include "tst_recordline.moc"
