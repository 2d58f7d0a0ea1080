// The rules the search and the listing share: the filter, the reading of
// stored counts and prices, the totals and their formats, the rows made of a
// record and the listing's fixed lines.

#include "Wines.h"

#include "search/Criteria.h"
#include "search/Money.h"
#include "search/Report.h"

#include <QtTest>

using caveto::BottleComparison;
using caveto::Field;
using caveto::Money;

Q_DECLARE_METATYPE(BottleComparison)

namespace {

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

} // namespace

class TestSearchCore : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        QTest::addColumn<QStringList>("criteria"); // vintage, appellation, wine, type, shelf
        QTest::addColumn<BottleComparison>("comparison");
        QTest::addColumn<qint64>("bottles");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("passes");

        const QStringList none(5);
        auto crit = [](int i, const QString &text) {
            QStringList c(5);
            c[i] = text;
            return c;
        };
        const auto ge = BottleComparison::AtLeast;
        const auto eq = BottleComparison::Equal;
        const auto le = BottleComparison::AtMost;
        const QString rioja = wineLine({ QStringLiteral("Viña Tondonia"), QStringLiteral("1998"),
            QStringLiteral("Rioja"), QStringLiteral("Tinto"), QStringLiteral("Reserva"),
            QStringLiteral("B-2"), QStringLiteral("12,50"), QStringLiteral("3") });
        const QString albarino = wineLine({ QStringLiteral("Pazo"), QStringLiteral("2020"),
            QStringLiteral("Rías Baixas"), QStringLiteral("ALBARIÑO"), QStringLiteral("Joven"),
            QStringLiteral("C-1"), QString(), QStringLiteral("0") });

        QTest::newRow("no criteria, >= 0") << none << ge << qint64(0) << rioja << true;
        QTest::newRow("vintage exact") << crit(0, "1998") << ge << qint64(0) << rioja << true;
        QTest::newRow("vintage trimmed") << crit(0, " 1998 ") << ge << qint64(0) << rioja << true;
        QTest::newRow("vintage prefix") << crit(0, "199") << ge << qint64(0) << rioja << false;
        QTest::newRow("a-z folded") << crit(1, "rioja") << ge << qint64(0) << rioja << true;
        QTest::newRow("upper case stored")
            << crit(1, "rioja") << ge << qint64(0)
            << withColumn(rioja, Field::DenoOrigen, QStringLiteral("RIOJA")) << true;
        QTest::newRow("accented letter folded")
            << crit(1, "rías baixas") << ge << qint64(0) << albarino << true;
        QTest::newRow("ñ is not Ñ") << crit(2, "albariño") << ge << qint64(0) << albarino << false;
        QTest::newRow("Ñ matches Ñ") << crit(2, "albariÑo") << ge << qint64(0) << albarino << true;
        QTest::newRow("no partial match")
            << crit(1, "Ribera") << ge << qint64(0)
            << withColumn(rioja, Field::DenoOrigen, QStringLiteral("Ribera del Duero")) << false;
        QTest::newRow("type") << crit(3, "reserva") << ge << qint64(0) << rioja << true;
        QTest::newRow("shelf fails last")
            << QStringList { "1998", "Rioja", "Tinto", "Reserva", "B-3" } << ge << qint64(0)
            << rioja << false;
        QTest::newRow("all five") << QStringList { "1998", "RIOJA", "tinto", "Reserva", "b-2" }
                                  << ge << qint64(0) << rioja << true;
        QTest::newRow(">= 3 with 3") << none << ge << qint64(3) << rioja << true;
        QTest::newRow(">= 4 with 3") << none << ge << qint64(4) << rioja << false;
        QTest::newRow("= 0 with 0") << none << eq << qint64(0) << albarino << true;
        QTest::newRow("= 0 with 3") << none << eq << qint64(0) << rioja << false;
        QTest::newRow("<= 2 with 3") << none << le << qint64(2) << rioja << false;
        QTest::newRow("<= 3 with 3") << none << le << qint64(3) << rioja << true;
        QTest::newRow("negative count fails >= 0")
            << none << ge << qint64(0) << withColumn(rioja, Field::NumBotellas, "-2") << false;
        QTest::newRow("blank count reads 0")
            << none << eq << qint64(0) << withColumn(rioja, Field::NumBotellas, "") << true;
        QTest::newRow("damaged count reads 0")
            << none << le << qint64(0) << withColumn(rioja, Field::NumBotellas, "3x") << true;
        QTest::newRow("short line, shelf asked")
            << crit(4, "A-1") << ge << qint64(0) << rioja.left(100) << false;
        QTest::newRow("short line, nothing asked")
            << none << ge << qint64(0) << rioja.left(100) << true;
    }

    void filter()
    {
        QFETCH(QStringList, criteria);
        QFETCH(BottleComparison, comparison);
        QFETCH(qint64, bottles);
        QFETCH(QString, line);
        QFETCH(bool, passes);
        caveto::SearchCriteria c;
        for (int i = 0; i < 5; ++i)
            c.texts[i] = criteria[i];
        c.comparison = comparison;
        c.bottles = bottles;
        QCOMPARE(caveto::RecordFilter(c).matches(line), passes);
    }

    void readCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("count");
        QTest::newRow("blank") << "       " << qint64(0);
        QTest::newRow("padded") << "12     " << qint64(12);
        QTest::newRow("leading blanks") << "  7" << qint64(7);
        QTest::newRow("zeros") << "0000" << qint64(0);
        QTest::newRow("minus") << "-3" << qint64(-3);
        QTest::newRow("plus") << "+4" << qint64(4);
        QTest::newRow("largest") << "9999999" << qint64(9999999);
        QTest::newRow("decimal") << "1,5" << qint64(0);
        QTest::newRow("letters") << "abc" << qint64(0);
        QTest::newRow("trailing minus") << "5-" << qint64(0);
        QTest::newRow("sign alone") << "-" << qint64(0);
        QTest::newRow("inner blank") << "1 2" << qint64(0);
    }

    void readCount()
    {
        QFETCH(QString, text);
        QFETCH(qint64, count);
        QCOMPARE(caveto::readCount(text), count);
    }

    void parsePrice_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<qint64>("cents");
        QTest::newRow("comma") << "12,50  " << true << qint64(1250);
        QTest::newRow("point") << "12.50" << true << qint64(1250);
        QTest::newRow("zero as written") << "0,00   " << true << qint64(0);
        QTest::newRow("whole") << "7" << true << qint64(700);
        QTest::newRow("no whole part") << ",5" << true << qint64(50);
        QTest::newRow("no decimals") << "12," << true << qint64(1200);
        QTest::newRow("negative") << "-5,5" << true << qint64(-550);
        QTest::newRow("sub-cent rounds up") << "1,005" << true << qint64(101);
        QTest::newRow("six decimals") << ",123456" << true << qint64(12);
        QTest::newRow("blank") << "       " << false << qint64(0);
        QTest::newRow("letters") << "12,5a" << false << qint64(0);
        QTest::newRow("two separators") << "1.234,5" << false << qint64(0);
        QTest::newRow("separator alone") << "," << false << qint64(0);
        QTest::newRow("minus alone") << "-" << false << qint64(0);
    }

    void parsePrice()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(qint64, cents);
        const std::optional<Money> price = Money::parsePrice(text);
        QCOMPARE(price.has_value(), isNumber);
        if (price)
            QCOMPARE(price->cents(), cents);
    }

    void formats_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("money"); // the value taken as cents
        QTest::newRow("es zero") << kSpanish << qint64(0) << "0"
                                 << "0,00";
        QTest::newRow("es small") << kSpanish << qint64(999) << "999"
                                  << "9,99";
        QTest::newRow("es thousands") << kSpanish << qint64(123456) << "123.456"
                                      << "1.234,56";
        QTest::newRow("es millions") << kSpanish << qint64(1234567890) << "1.234.567.890"
                                     << "12.345.678,90";
        QTest::newRow("es negative") << kSpanish << qint64(-123456) << "-123.456"
                                     << "-1.234,56";
        QTest::newRow("en thousands") << kEnglish << qint64(123456) << "123,456"
                                      << "1,234.56";
        QTest::newRow("en negative") << kEnglish << qint64(-5) << "-5"
                                     << "-0.05";
    }

    void formats()
    {
        QFETCH(QLocale, locale);
        QFETCH(qint64, value);
        QFETCH(QString, whole);
        QFETCH(QString, money);
        QCOMPARE(caveto::formatWhole(value, locale), whole);
        QCOMPARE(Money::fromCents(value).format(locale), money);
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("bottlesEs");
        QTest::addColumn<QString>("valueEs");
        QTest::addColumn<QString>("valueEn");
        QTest::newRow("two wines")
            << QStringList { "12,50", "10,00" } << QStringList { "3", "2" } << "5"
            << "57,50"
            << "57.50";
        QTest::newRow("prices typed under either locale")
            << QStringList { "12.50", "10,00" } << QStringList { "3", "2" } << "5"
            << "57,50"
            << "57.50";
        // In binary floating point 1,005 is a hair below it and shows 1,00.
        QTest::newRow("exact half cent") << QStringList { "1,005" } << QStringList { "1" } << "1"
                                         << "1,01"
                                         << "1.01";
        QTest::newRow("cents never drift") << QStringList(1000, QStringLiteral("0,10"))
                                           << QStringList(1000, QStringLiteral("3")) << "3.000"
                                           << "300,00"
                                           << "300.00";
        QTest::newRow("blank price and count")
            << QStringList { "", "20,00" } << QStringList { "4", "" } << "4"
            << "0,00"
            << "0.00";
        QTest::newRow("damaged price keeps its bottles")
            << QStringList { "12,5x", "10" } << QStringList { "3", "1" } << "4"
            << "10,00"
            << "10.00";
        QTest::newRow("damaged count adds nothing")
            << QStringList { "10" } << QStringList { "x" } << "0"
            << "0,00"
            << "0.00";
        // Past 2^53 a double would lose the last euros.
        QTest::newRow("largest cellar")
            << QStringList(100, QStringLiteral("9999999"))
            << QStringList(100, QStringLiteral("9999999")) << "999.999.900"
            << "9.999.998.000.000.100,00"
            << "9,999,998,000,000,100.00";
    }

    void totals()
    {
        QFETCH(QStringList, prices);
        QFETCH(QStringList, counts);
        QFETCH(QString, bottlesEs);
        QFETCH(QString, valueEs);
        QFETCH(QString, valueEn);
        caveto::SearchTotals totals;
        for (qsizetype i = 0; i < prices.size(); ++i) {
            QString line = wineLine(
                { QStringLiteral("Vino"), QStringLiteral("2001"), QStringLiteral("Rioja") });
            line = withColumn(line, Field::Precio, prices[i]);
            totals.add(withColumn(line, Field::NumBotellas, counts[i]));
        }
        QCOMPARE(totals.records, prices.size());
        QCOMPARE(caveto::formatWhole(totals.bottles, kSpanish), bottlesEs);
        QCOMPARE(totals.value.format(kSpanish), valueEs);
        QCOMPARE(totals.value.format(kEnglish), valueEn);
    }

    void runSearchKeepsFileOrderAndSkipsEmptyLines()
    {
        const QString a
            = wineLine({ "Zeta", "2001", "Rioja", "Tinto", "Crianza", "A-1", "10", "2" });
        const QString b = wineLine({ "Alfa", "2001", "Toro", "Tinto", "Crianza", "A-1", "5", "1" });
        const QString c
            = wineLine({ "Beta", "2001", "Rioja", "Tinto", "Crianza", "A-1", "1", "4" });
        const QStringList image { a, QString(), b, c };
        caveto::SearchCriteria criteria;
        criteria.texts[1] = QStringLiteral("RIOJA");
        caveto::SearchTotals totals;
        QStringList found;
        QList<qsizetype> progress;
        caveto::runSearch(
            image, criteria, totals, [&](QStringView line) { found << line.toString(); },
            [&](qsizetype done) { progress << done; });
        QCOMPARE(found, QStringList({ a, c }));
        QCOMPARE(progress, QList<qsizetype>({ 1, 2, 3, 4 }));
        QCOMPARE(totals.records, 2);
        QCOMPARE(totals.bottles, 6);
        QCOMPARE(totals.value.cents(), 2400);
    }

    void vintageList()
    {
        auto year = [](const QString &y) {
            return wineLine({ QStringLiteral("Vino"), y, QStringLiteral("Rioja") });
        };
        const QStringList image { year("2001"), year("1998"), QString(), year("2001"), year("98"),
            year("AB"), year("ab"), year(""), QStringLiteral("Corta") };
        qsizetype lastProgress = 0;
        const QStringList vintages
            = caveto::vintageList(image, [&](qsizetype done) { lastProgress = done; });
        QCOMPARE(lastProgress, image.size());
        // Each vintage once as stored (blanks kept), blank first, digits before
        // letters; "ab" goes with "AB". A line too short to hold a vintage
        // gives an empty item.
        QCOMPARE(vintages, QStringList({ "", "    ", "1998", "2001", "98  ", "AB  " }));
    }

    // The search row and the report line of one wine, built column by column
    // from the expected pieces: cut or kept fields, then their gaps.
    void rows_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("report");
        QTest::addColumn<QString>("expected");
        const QString line = wineLine({ QStringLiteral("Castillo de Perelada Ex"),
            QStringLiteral("1999"), QStringLiteral("Ribera del Duero Reserva"),
            QStringLiteral("Vino de Licor Dulce"), QStringLiteral("Gran Reserva de Familia"),
            QStringLiteral("Estante del sur"), QStringLiteral("8,5"), QStringLiteral("1234567"),
            QStringLiteral("2512200614305123") });
        const QString gap(2, QLatin1Char(' '));
        QTest::newRow("search row")
            << line << false
            << QStringLiteral("Castillo de Perelada") + gap + "1999" + gap + "Ribera del Duero Res"
                + gap + "Vino de Licor D" + gap + "Gran Reserva de" + gap + "Estante de" + gap
                + "1234567" + QString(6, QLatin1Char(' ')) + "2512200614305123";
        QTest::newRow("report line")
            << line << true
            << QStringLiteral("Castillo de Perelada") + gap + "1999" + gap + "Ribera del Duero Res"
                + gap + "Vino de Licor Dulce " + gap + "Gran Reserva de Fami" + gap + "1234567"
                + QString(3, QLatin1Char(' ')) + "Estante del sur";
        // A short line keeps the layout, its missing columns blank.
        QTest::newRow("short line, search row") << line.left(40) << false
                                                << QStringLiteral("Castillo de Perelada") + gap
                + "1999" + gap + "Ribe" + QString(125 - 32, QLatin1Char(' '));
        QTest::newRow("short line, report line") << line.left(40) << true
                                                 << QStringLiteral("Castillo de Perelada") + gap
                + "1999" + gap + "Ribe" + QString(119 - 32, QLatin1Char(' '));
    }

    void rows()
    {
        QFETCH(QString, line);
        QFETCH(bool, report);
        QFETCH(QString, expected);
        QCOMPARE(report ? caveto::reportLine(line) : caveto::resultRow(line), expected);
        QCOMPARE(expected.size(), report ? 119 : 125);
    }

    void resultRowKey()
    {
        const QString row
            = caveto::resultRow(wineLine({ QStringLiteral("Vino"), QStringLiteral("2001"),
                QStringLiteral("Rioja"), {}, {}, {}, {}, {}, QStringLiteral("2512200614305123") }));
        QCOMPARE(row.mid(109), QStringLiteral("2512200614305123"));
        QCOMPARE(caveto::resultRowKey(row), QStringLiteral("2512200614305123"));
        QCOMPARE(caveto::resultRowKey(row.left(60)), QString());
    }

    void reportFixedLines()
    {
        QCOMPARE(caveto::reportHeading(),
            QStringLiteral(
                "Nombre del Vino       Año   Denominación          Vino                  "
                "Tipo Vino             Botellas  Estante        "));
        QCOMPARE(caveto::reportRule(),
            QStringLiteral(
                "--------------------  ----  --------------------  --------------------  "
                "--------------------  --------  ---------------"));
        QCOMPARE(caveto::reportHeading().size(), 119);
        QCOMPARE(caveto::reportRule().size(), 119);

        QCOMPARE(caveto::report::opening(
                     QStringLiteral("T"), QStringLiteral("5-1-2026"), QStringLiteral("9:05:00")),
            QStringList({ "T", " ", "Fecha / Hora .......... 5-1-2026  9:05:00", " ",
                caveto::reportHeading(), caveto::reportRule() }));
        const QString rule30(30, QLatin1Char('-'));
        QCOMPARE(caveto::report::closing("2", "1.005", "57,50"),
            QStringList({ " ", " ", rule30, "Total Registros ..... 2",
                "Total Botellas ...... 1.005", "Total Valor Bodega .. 57,50 €", rule30 }));
        const QString rule31(31, QLatin1Char('-'));
        QCOMPARE(caveto::report::noData(),
            QStringList({ " ", rule31, "No hay datos para esta búsqueda", rule31 }));
    }

    void reportTitle_data()
    {
        QTest::addColumn<QStringList>("criteria");
        QTest::addColumn<QString>("comparison");
        QTest::addColumn<QString>("bottles");
        QTest::addColumn<QString>("title");
        const QString head = QStringLiteral("Caveto   Información .. ");
        QCOMPARE(head.size(), 24);
        QTest::newRow("whole cellar") << QStringList(5) << ">="
                                      << "0" << head + "Toda la Bodega     Botellas >= 0";
        QTest::newRow("vintage and appellation")
            << QStringList { "2001", "Rioja", "", "", "" } << ">="
            << "0" << head + "2001 Rioja    Botellas >= 0";
        QTest::newRow("trimmed criteria") << QStringList { "", "  Toro ", "", "", "B-1" } << "<="
                                          << "12" << head + " Toro   B-1 Botellas <= 12";
        QTest::newRow("blank criteria count as empty")
            << QStringList { "    ", "", "", "", "" } << "="
            << "0" << head + "Toda la Bodega     Botellas = 0";
    }

    void reportTitle()
    {
        QFETCH(QStringList, criteria);
        QFETCH(QString, comparison);
        QFETCH(QString, bottles);
        QFETCH(QString, title);
        std::array<QString, 5> texts;
        std::copy(criteria.begin(), criteria.end(), texts.begin());
        QCOMPARE(caveto::report::title(texts, comparison, bottles), title);
    }
};

QTEST_GUILESS_MAIN(TestSearchCore)
#include "tst_searchcore.moc"
