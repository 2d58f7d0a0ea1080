// The vintage ratings, the appellation list, the dish table of the pairing
// guide and the list items that carry its codes.

#include "guides/Appellations.h"
#include "guides/Dishes.h"
#include "guides/VintageRatings.h"

#include <QCollator>
#include <QHash>
#include <QRegularExpression>
#include <QtTest>

using namespace caveto;
using namespace caveto::guides;

class TestGuideTables : public QObject
{
    Q_OBJECT

private slots:
    // One row per appellation; every cell, read through the lookup by the
    // names the lists show, counts once in the totals.
    void vintageTable()
    {
        const QStringList names = appellationNames();
        QCOMPARE(int(vintageRows().size()), names.size());
        QHash<QString, int> totals;
        for (const QString &name : names)
            for (const QString &year : vintageYears())
                ++totals[vintageRating(name, year).value_or(QStringLiteral("none"))];
        QString tally;
        for (char code : { 'S', 'B', 'M', 'E', 'R', 'D' })
            tally += QStringLiteral("%1 %2 ").arg(code).arg(totals.value(vintageRatingText(code)));
        QCOMPARE(tally, QStringLiteral("S 804 B 456 M 358 E 117 R 81 D 32 "));
        // Jerez ages in soleras: none of its harvests is rated, nor any of
        // Manchuela or Pla i Llevant.
        for (const char *name : { "Jerez", "Manchuela", "Pla i Llevant" })
            QCOMPARE(QByteArray(vintageRows()[appellationIndex(QString::fromUtf8(name))].codes)
                         .count('S'),
                33);
    }

    // Name and year match exactly, as texts; anything else has no rating.
    // Each rating has its colour; no rating is white.
    void vintageLookup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("rating");
        const auto row = [](const char *name, const char *year, const char *rating = " #ffffff") {
            QTest::addRow("%s '%s'", name, year)
                << QString::fromUtf8(name) << QString::fromLatin1(year)
                << QString::fromLatin1(rating);
        };
        row("Rioja", "1971", "DEFICIENTE #ff0000");
        row("Rioja", "1994", "EXCELENTE #00ff00");
        row("Rioja", "2003", "BUENO #ffb062");
        row("Abona", "1980", "SIN CALIFICAR #ffffff");
        row("Alella", "1980", "REGULAR #ff8080");
        row("Yecla", "2001", "MUY BUENO #00ffff");
        row("Rioja", "");
        row("Rioja", "1970");
        row("Rioja", "2004");
        row("Rioja", "1994 ");
        row("", "1994");
        row("Malaga", "1999");
    }
    void vintageLookup()
    {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, rating);
        const QString text = vintageRating(name, year).value_or(QString());
        QCOMPARE(text + u' ' + vintageRatingColour(text).value_or(QColor()).name(), rating);
        // Any other text leaves the panel's colour as it was.
        for (const char *other : { "Bueno", " ", "1994" })
            QVERIFY(!vintageRatingColour(QLatin1String(other)));
    }

    // The names in the locale's alphabetical order, accented letters with
    // their plain ones ("Málaga" before "Manchuela"), found only as written.
    void appellationList()
    {
        const QStringList names = appellationNames();
        QCOMPARE(names.size(), kAppellationCount);
        QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
        for (int i = 1; i < names.size(); ++i)
            QVERIFY2(collator.compare(names[i - 1], names[i]) < 0, qPrintable(names[i]));
        QCOMPARE(appellationIndex(QStringLiteral("Málaga")), 24);
        for (const char *other : { "Malaga", "rioja", "Rioja ", "" })
            QCOMPARE(appellationIndex(QString::fromLatin1(other)), -1);
        QCOMPARE(appellationName(kAppellationCount), QString());
    }

    // Per list: dish count, first and last dish, the length of all the
    // descriptions and each wine kind's sum of codes: a dish missing, moved
    // or mistyped changes one of them. Every item is 82 characters: the
    // description padded to 70, four blanks, the eight codes; the window
    // reads both back unchanged.
    void dishTable_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("summary");
        int category = 0;
        const auto row = [&category](const char *list, const char *summary) {
            QTest::newRow(list) << category++ << QString::fromUtf8(summary);
        };
        row("CApeTapas", "22 Aceitunas / Sobrasada 371: 39 22 18 19 18 39 12 3");
        row("CVerduras",
            "38 Aguacate con marisco / Verduras con vinagreta 1186: 1 13 28 27 23 55 17 0");
        row("CHuevos", "17 Al plato / Tortilla francesa 368: 0 2 7 14 14 32 8 0");
        row("CSetas", "12 Carpaccio de hongos / Trufas o platos con trufa 292: 0 5 5 9 11 23 10 0");
        row("CSopas", "45 Sopa ajoblanco / Pizza en general 867: 1 11 38 46 47 52 8 0");
        row("CPescado", "75 A la sal / Zarzuela de pescado 1092: 51 73 150 114 26 45 16 0");
        row("CCarne",
            "64 Albóndigas en salsa / Venado al horno o estofado 1515: 10 71 4 66 39 154 124 0");
        row("CQuesos", "49 Brie / Postre turrón 911: 9 23 22 13 13 25 22 51");
    }
    void dishTable()
    {
        QFETCH(int, category);
        const auto table = dishes(category);
        const QStringList items = dishItems(category);
        QCOMPARE(items.size(), qsizetype(table.size()));
        int length = 0;
        QList<int> sums(kWineKindCount, 0);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const QString description = QString::fromUtf8(table[i].description);
            const QString codes = QLatin1String(table[i].codes);
            QVERIFY2(description.size() <= 70 && description == description.trimmed()
                    && QRegularExpression(QStringLiteral("^[0-3]{8}$")).match(codes).hasMatch(),
                table[i].description);
            QCOMPARE(items[i], description.leftJustified(74) + codes);
            QCOMPARE(itemDescription(items[i]), description);
            length += int(description.size());
            for (int k = 0; k < kWineKindCount; ++k) {
                QCOMPARE(itemCode(items[i], k), codes[k]);
                sums[k] += codes[k].digitValue();
            }
        }
        QString made = QStringLiteral("%1 %2 / %3 %4:")
                           .arg(table.size())
                           .arg(QString::fromUtf8(table.front().description),
                               QString::fromUtf8(table.back().description))
                           .arg(length);
        for (int sum : sums)
            made += QStringLiteral(" %1").arg(sum);
        QTEST(made, "summary");
    }

    // A description too long for its columns is cut: the codes never move.
    void longDishItem()
    {
        const QString item = dishItem(QString(75, QLatin1Char('x')), QStringLiteral("12301230"));
        QCOMPARE(item, QString(70, QLatin1Char('x')) + QStringLiteral("    12301230"));
        QCOMPARE(itemCode(item, 8), QLatin1Char(' '));
        QCOMPARE(itemCode(QStringLiteral("Corto"), 0), QLatin1Char(' '));
    }
};

QTEST_GUILESS_MAIN(TestGuideTables)
#include "tst_guidetables.moc"
