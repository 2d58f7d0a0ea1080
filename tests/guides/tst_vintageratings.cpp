// The vintage ratings of the 56 appellations: the typed table (a mistyped
// cell changes the totals), the lookup by exact name and year text, and the
// colour of each rating.

#include "guides/Appellations.h"
#include "guides/VintageRatings.h"

#include <QHash>
#include <QtTest>

using namespace caveto;

class TestVintageRatings : public QObject
{
    Q_OBJECT

private slots:
    // One row per appellation, in the lists' order and spelled as they are;
    // 33 codes of the scale in groups of ten years.
    void tableHasOneWellFormedRowPerAppellation()
    {
        const QStringList names = appellationNames();
        QCOMPARE(int(vintageRows().size()), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const VintageRow &row = vintageRows()[i];
            QCOMPARE(QString::fromUtf8(row.name), names[i]);
            const QByteArray codes(row.codes);
            QCOMPARE(codes.size(), 33 + 3);
            for (int c = 0; c < codes.size(); ++c) {
                if (c == 10 || c == 21 || c == 32)
                    QVERIFY2(codes[c] == ' ', row.name);
                else
                    QVERIFY2(QByteArray("SDRBME").contains(codes[c]), row.name);
            }
        }
    }

    void yearsAreTheThirtyThreeHarvests()
    {
        const QStringList years = vintageYears();
        QCOMPARE(years.size(), kVintageCount);
        QCOMPARE(years.first(), QStringLiteral("1971"));
        QCOMPARE(years.last(), QStringLiteral("2003"));
        QCOMPARE(vintageColumn(QStringLiteral("1994")), 23);
    }

    // Read through the lookup, every cell of the 1,848 counts once.
    void totalsOverAllCells()
    {
        QHash<QString, int> totals;
        for (const QString &name : appellationNames())
            for (const QString &year : vintageYears()) {
                const auto rating = vintageRating(name, year);
                QVERIFY2(rating.has_value(), qPrintable(name + QLatin1Char(' ') + year));
                ++totals[*rating];
            }
        QCOMPARE(totals.value(QStringLiteral("SIN CALIFICAR")), 804);
        QCOMPARE(totals.value(QStringLiteral("BUENO")), 456);
        QCOMPARE(totals.value(QStringLiteral("MUY BUENO")), 358);
        QCOMPARE(totals.value(QStringLiteral("EXCELENTE")), 117);
        QCOMPARE(totals.value(QStringLiteral("REGULAR")), 81);
        QCOMPARE(totals.value(QStringLiteral("DEFICIENTE")), 32);
        QCOMPARE(totals.size(), 6);
    }

    void readingExamples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("rating");
        QTest::newRow("Rioja 1971") << "Rioja"
                                    << "1971"
                                    << "DEFICIENTE";
        QTest::newRow("Rioja 1994") << "Rioja"
                                    << "1994"
                                    << "EXCELENTE";
        QTest::newRow("Rioja 2003") << "Rioja"
                                    << "2003"
                                    << "BUENO";
        QTest::newRow("Abona 2003") << "Abona"
                                    << "2003"
                                    << "MUY BUENO";
        QTest::newRow("Abona 1980") << "Abona"
                                    << "1980"
                                    << "SIN CALIFICAR";
        QTest::newRow("Alella 1980, end of a group") << "Alella"
                                                     << "1980"
                                                     << "REGULAR";
        QTest::newRow("Yecla 2001, last group") << "Yecla"
                                                << "2001"
                                                << "MUY BUENO";
        QTest::newRow("Toro 1994") << "Toro"
                                   << "1994"
                                   << "MUY BUENO";
    }
    void readingExamples()
    {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, rating);
        QCOMPARE(vintageRating(name, year), std::optional<QString>(rating));
    }

    // Jerez ages its wines in soleras: no harvest of it is rated, and no
    // more of Manchuela or Pla i Llevant.
    void unratedRows()
    {
        for (const char *name : { "Jerez", "Manchuela", "Pla i Llevant" })
            for (const QString &year : vintageYears())
                QCOMPARE(vintageRating(QString::fromUtf8(name), year),
                    std::optional<QString>(QStringLiteral("SIN CALIFICAR")));
    }

    void noRatingOutsideTheTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::newRow("no year") << "Rioja"
                                 << "";
        QTest::newRow("1970") << "Rioja"
                              << "1970";
        QTest::newRow("2004") << "Rioja"
                              << "2004";
        QTest::newRow("two digits") << "Rioja"
                                    << "94";
        QTest::newRow("trailing blank") << "Rioja"
                                        << "1994 ";
        QTest::newRow("no name") << ""
                                 << "1994";
        QTest::newRow("without its accent") << "Malaga"
                                            << "1999";
        QTest::newRow("not an appellation") << "Burdeos"
                                            << "1994";
    }
    void noRatingOutsideTheTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QVERIFY(!vintageRating(name, year).has_value());
    }

    void ratingColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("DEFICIENTE") << "DEFICIENTE" << true << QColor(255, 0, 0);
        QTest::newRow("REGULAR") << "REGULAR" << true << QColor(255, 128, 128);
        QTest::newRow("BUENO") << "BUENO" << true << QColor(255, 176, 98);
        QTest::newRow("MUY BUENO") << "MUY BUENO" << true << QColor(0, 255, 255);
        QTest::newRow("EXCELENTE") << "EXCELENTE" << true << QColor(0, 255, 0);
        QTest::newRow("SIN CALIFICAR") << "SIN CALIFICAR" << true << QColor(255, 255, 255);
        QTest::newRow("empty") << "" << true << QColor(255, 255, 255);
        // Any other text leaves the panel's colour as it was.
        QTest::newRow("mixed case") << "Bueno" << false << QColor();
        QTest::newRow("a blank") << " " << false << QColor();
        QTest::newRow("other") << "1994" << false << QColor();
    }
    void ratingColours()
    {
        QFETCH(QString, text);
        QFETCH(bool, changes);
        QFETCH(QColor, colour);
        const auto result = vintageRatingColour(text);
        QCOMPARE(result.has_value(), changes);
        if (changes)
            QCOMPARE(*result, colour);
    }
};

QTEST_GUILESS_MAIN(TestVintageRatings)
#include "tst_vintageratings.moc"
