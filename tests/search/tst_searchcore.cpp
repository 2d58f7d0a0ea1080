// The rules the search and the listing share: the filter, the totals, the
// rows made of a record.

#include "Wines.h"

#include "search/Criteria.h"
#include "search/Report.h"

#include <QtTest>

using caveto::Field;

static const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

class TestSearchCore : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        // Criteria as "vintage|appellation|wine|type|shelf", the comparison's
        // index and number, the line's field that differs from Viña Tondonia
        // 1998 Rioja Tinto Reserva A-1 with 3 bottles.
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<int>("comparison");
        QTest::addColumn<int>("bottles");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("passes");
        const int deno = int(Field::DenoOrigen), vino = int(Field::Vino);
        const int count = int(Field::NumBotellas);
        QTest::newRow("nothing asked") << "||||" << 0 << 0 << -1 << "" << true;
        QTest::newRow("vintage, trimmed") << " 1998 ||||" << 0 << 0 << -1 << "" << true;
        QTest::newRow("no prefix match") << "199||||" << 0 << 0 << -1 << "" << false;
        QTest::newRow("a-z folded") << "|rioja|||" << 0 << 0 << deno << "RIOJA" << true;
        QTest::newRow("ñ is not Ñ") << "||albariño||" << 0 << 0 << vino << "ALBARIÑO" << false;
        QTest::newRow("no partial match")
            << "|Ribera|||" << 0 << 0 << deno << "Ribera del Duero" << false;
        QTest::newRow("all five") << "1998|RIOJA|tinto|Reserva|a-1" << 0 << 0 << -1 << "" << true;
        QTest::newRow(">= 4 with 3") << "||||" << 0 << 4 << -1 << "" << false;
        QTest::newRow("= 3 with 3") << "||||" << 1 << 3 << -1 << "" << true;
        QTest::newRow("<= 2 with 3") << "||||" << 2 << 2 << -1 << "" << false;
        QTest::newRow("negative fails >= 0") << "||||" << 0 << 0 << count << "-2" << false;
        QTest::newRow("blank count is 0") << "||||" << 1 << 0 << count << "" << true;
        QTest::newRow("damaged count is 0") << "||||" << 2 << 0 << count << "3 bot" << true;
    }

    void filter()
    {
        QFETCH(QString, criteria);
        QFETCH(int, comparison);
        QFETCH(int, bottles);
        QFETCH(int, field);
        QFETCH(QString, stored);
        QFETCH(bool, passes);
        QString line = wineLine(
            { "Viña Tondonia", "1998", "Rioja", "Tinto", "Reserva", "A-1", "12,50", "3" });
        if (field >= 0)
            line = withColumn(line, Field(field), stored);
        caveto::SearchCriteria c;
        const QStringList texts = criteria.split(QLatin1Char('|'));
        std::copy(texts.begin(), texts.end(), c.texts.begin());
        c.comparison = caveto::BottleComparison(comparison);
        c.bottles = bottles;
        QCOMPARE(caveto::RecordFilter(c).matches(line), passes);
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QString>("bottles");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("value");
        QTest::newRow("two wines")
            << QStringList { "12,50", "10,00" } << "5" << QStringList { "3", "2" } << "57,50";
        QTest::newRow("point typed under English")
            << QStringList { "12.50", "-1,5" } << "6" << QStringList { "2", "+4" } << "19,00";
        // As a double 1,005 is a hair below it and would show 1,00.
        QTest::newRow("half cent")
            << QStringList { "1,005" } << "1" << QStringList { "1" } << "1,01";
        QTest::newRow("damaged price keeps its bottles")
            << QStringList { "12,5x", "" } << "4" << QStringList { "3", "1" } << "0,00";
        QTest::newRow("damaged count adds nothing")
            << QStringList { "10" } << "0" << QStringList { "x" } << "0,00";
        // Past 2^53 a double would lose the last euros.
        QTest::newRow("largest cellar")
            << QStringList(100, "9999999") << "999.999.900" << QStringList(100, "9999999")
            << "9.999.998.000.000.100,00";
    }

    void totals()
    {
        QFETCH(QStringList, prices);
        QFETCH(QStringList, counts);
        QFETCH(QString, bottles);
        QFETCH(QString, value);
        QStringList image;
        for (qsizetype i = 0; i < prices.size(); ++i)
            image << wineLine({ "Vino", "2001", "Rioja", "Tinto", "", "", prices[i], counts[i] });
        image.insert(1, QString()); // an empty line is no record
        caveto::SearchTotals totals;
        caveto::runSearch(
            image, {}, totals, [](QStringView) {}, [](qsizetype) {});
        QCOMPARE(totals.records, prices.size());
        QCOMPARE(caveto::formatWhole(totals.bottles, kSpanish), bottles);
        QCOMPARE(totals.value.format(kSpanish), value);
    }

    void vintageList()
    {
        QStringList image;
        for (const char *year : { "2001", "1998", "", "2001", "98", "AB", "ab" })
            image << (*year ? wineLine({ "Vino", year, "Rioja" }) : QString());
        image << wineLine({ "Vino", "", "Rioja" }) << QStringLiteral("Corta");
        const QStringList vintages = caveto::vintageList(image, [](qsizetype) {});
        // Each once as stored (blanks kept), blank first, digits before
        // letters; "ab" goes with "AB"; a line too short gives an empty item.
        QCOMPARE(vintages, QStringList({ "", "    ", "1998", "2001", "98  ", "AB  " }));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("report");
        QTest::addColumn<QString>("expected");
        const QString line = wineLine({ "Castillo de Perelada Ex", "1999",
            "Ribera del Duero Reserva", "Vino de Licor Dulce", "Gran Reserva de Familia",
            "Estante del sur", "8,5", "1234567", "2512200614305123" });
        const QString gap(2, QLatin1Char(' '));
        const QString start = QStringLiteral("Castillo de Perelada") + gap + "1999" + gap;
        QTest::newRow("search row")
            << line << false
            << start + "Ribera del Duero Res" + gap + "Vino de Licor D" + gap + "Gran Reserva de"
                + gap + "Estante de" + gap + "1234567" + QString(6, ' ') + "2512200614305123";
        QTest::newRow("report line")
            << line << true
            << start + "Ribera del Duero Res" + gap + "Vino de Licor Dulce " + gap
                + "Gran Reserva de Fami" + gap + "1234567" + QString(3, ' ') + "Estante del sur";
        QTest::newRow("short line, search row")
            << line.left(40) << false << start + "Ribe" + QString(125 - 32, ' ');
    }

    void rows()
    {
        QFETCH(QString, line);
        QFETCH(bool, report);
        QFETCH(QString, expected);
        QCOMPARE(report ? caveto::reportLine(line) : caveto::resultRow(line), expected);
    }

    void reportText()
    {
        const QString head = QStringLiteral("Caveto   Información .. ");
        QCOMPARE(caveto::report::title({}, ">=", "0"), head + "Toda la Bodega     Botellas >= 0");
        QCOMPARE(caveto::report::title({ "2001", " Rioja ", "", "", "" }, ">=", "0"),
            head + "2001 Rioja    Botellas >= 0");
        QCOMPARE(caveto::report::title({ "    ", "", "", "", "B-1" }, "<=", "12"),
            head + "    B-1 Botellas <= 12");
    }
};

QTEST_GUILESS_MAIN(TestSearchCore)
#include "tst_searchcore.moc"
