#include "cellar/EntryChecks.h"

#include <QtTest>

using namespace caveto;

namespace {
// Types a sequence of keys through the filter the way the field would.
QString typeKeys(const QString &keys, const NumericFormat &format, QString text = QString())
{
    for (QChar key : keys) {
        const NumericKeyResult r = filterNumericKey(key, text, format);
        if (r.clearField)
            text.clear();
        if (!r.accepted())
            continue;
        const char16_t k = r.key.unicode();
        if (k == kBackspace)
            text.chop(1);
        else if (k != kReturn && k != kEscape)
            text += r.key;
    }
    return text;
}

NumericFormat spanish(bool isFloat, bool negative = true)
{
    return { isFloat, negative, QLatin1Char('.'), QLatin1Char(',') };
}

NumericFormat english(bool isFloat, bool negative = true)
{
    return { isFloat, negative, QLatin1Char(','), QLatin1Char('.') };
}
} // namespace

class TestEntryChecks : public QObject
{
    Q_OBJECT

private slots:
    void keyFilter_data()
    {
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<bool>("spanishLocale");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");

        QTest::newRow("integer digits") << false << true << true << "2024"
                                        << "2024";
        QTest::newRow("integer refuses separators") << false << true << true << "1,2.3"
                                                    << "123";
        QTest::newRow("integer refuses letters") << false << true << true << "1a2"
                                                 << "12";
        QTest::newRow("integer escape clears") << false << true << true
                                               << "12\x1b"
                                                  "3"
                                               << "3";
        QTest::newRow("integer backspace") << false << true << true << "12\b"
                                           << "1";
        QTest::newRow("integer refuses tab") << false << true << true << "1\t2"
                                             << "12";
        QTest::newRow("minus refused on empty") << false << true << true << "-5"
                                                << "5";
        QTest::newRow("minus after one char") << false << true << true << "5-"
                                              << "5-";
        QTest::newRow("minus after two chars") << false << true << true << "55-"
                                               << "55";
        QTest::newRow("minus refused without Negative") << false << true << false << "5-"
                                                        << "5";
        QTest::newRow("decimal one comma") << true << true << true << "12,5,"
                                           << "12,5";
        QTest::newRow("decimal point after comma") << true << true << true << "12,5."
                                                   << "12,5";
        QTest::newRow("spanish point becomes comma") << true << true << true << "."
                                                     << ",";
        QTest::newRow("spanish point in a price") << true << true << true << "9.75"
                                                  << "9,75";
        QTest::newRow("english comma becomes point") << true << false << true << "9,75"
                                                     << "9.75";
        QTest::newRow("english one separator") << true << false << true << "1.2,3"
                                               << "1.23";
        QTest::newRow("decimal escape clears") << true << true << true << "12,5\x1b"
                                               << "";
        QTest::newRow("decimal refuses letters") << true << true << true << "1e5"
                                                 << "15";
    }

    void keyFilter()
    {
        QFETCH(bool, isFloat);
        QFETCH(bool, spanishLocale);
        QFETCH(bool, negative);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        const NumericFormat format
            = spanishLocale ? spanish(isFloat, negative) : english(isFloat, negative);
        QCOMPARE(typeKeys(keys, format), expected);
    }

    void refusedKeyIsCode15()
    {
        const NumericKeyResult r = filterNumericKey(QLatin1Char('x'), u"", spanish(false));
        QVERIFY(!r.accepted());
        QCOMPARE(r.key.unicode(), char16_t(15));
        QVERIFY(filterNumericKey(QChar(kReturn), u"12", spanish(false)).accepted());
    }

    void dateCheck_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("outDay");
        QTest::addColumn<QString>("outMonth");
        QTest::addColumn<QString>("outYear");

        QTest::newRow("one digit day") << "5"
                                       << ""
                                       << "" << int(DateCheck::None) << "05"
                                       << ""
                                       << "";
        QTest::newRow("day 32") << "32"
                                << ""
                                << "" << int(DateCheck::Day) << ""
                                << ""
                                << "";
        QTest::newRow("day 40 hides a bad month") << "40"
                                                  << "13"
                                                  << "99" << int(DateCheck::Day) << ""
                                                  << "13"
                                                  << "99";
        QTest::newRow("month 13") << "12"
                                  << "13"
                                  << "2020" << int(DateCheck::Month) << "12"
                                  << ""
                                  << "2020";
        QTest::newRow("31 in november") << "31"
                                        << "11"
                                        << "" << int(DateCheck::None) << "30"
                                        << "11"
                                        << "";
        QTest::newRow("31 in april") << "31"
                                     << "4"
                                     << "" << int(DateCheck::None) << "30"
                                     << "04"
                                     << "";
        QTest::newRow("30 in february") << "30"
                                        << "02"
                                        << "2024" << int(DateCheck::None) << "28"
                                        << "02"
                                        << "2024";
        QTest::newRow("29 february of a leap year") << "29"
                                                    << "2"
                                                    << "2024" << int(DateCheck::None) << "28"
                                                    << "02"
                                                    << "2024";
        QTest::newRow("31 in january stays") << "31"
                                             << "01"
                                             << "" << int(DateCheck::None) << "31"
                                             << "01"
                                             << "";
        QTest::newRow("00 passes") << "00"
                                   << "00"
                                   << "" << int(DateCheck::None) << "00"
                                   << "00"
                                   << "";
        QTest::newRow("year 99") << ""
                                 << ""
                                 << "99" << int(DateCheck::Year) << ""
                                 << ""
                                 << "";
        QTest::newRow("year 1800") << ""
                                   << ""
                                   << "1800" << int(DateCheck::None) << ""
                                   << ""
                                   << "1800";
        QTest::newRow("year 2999") << ""
                                   << ""
                                   << "2999" << int(DateCheck::None) << ""
                                   << ""
                                   << "2999";
        QTest::newRow("all blank") << ""
                                   << ""
                                   << "" << int(DateCheck::None) << ""
                                   << ""
                                   << "";
        QTest::newRow("blank day, month alone") << ""
                                                << "2"
                                                << "" << int(DateCheck::None) << ""
                                                << "02"
                                                << "";
    }

    void dateCheck()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, error);
        QFETCH(QString, outDay);
        QFETCH(QString, outMonth);
        QFETCH(QString, outYear);
        const DateCheck r = checkDate(day, month, year);
        QCOMPARE(int(r.error), error);
        QCOMPARE(r.day, outDay);
        QCOMPARE(r.month, outMonth);
        QCOMPARE(r.year, outYear);
    }

    void timeParts()
    {
        QCOMPARE(
            checkTimePart(QStringLiteral("7"), QStringLiteral("23")).text, QStringLiteral("07"));
        QVERIFY(checkTimePart(QStringLiteral("23"), QStringLiteral("23")).ok);
        QVERIFY(!checkTimePart(QStringLiteral("24"), QStringLiteral("23")).ok);
        QCOMPARE(checkTimePart(QStringLiteral("24"), QStringLiteral("23")).text, QString());
        QVERIFY(checkTimePart(QStringLiteral("59"), QStringLiteral("59")).ok);
        QVERIFY(!checkTimePart(QStringLiteral("60"), QStringLiteral("59")).ok);
        QVERIFY(checkTimePart(QStringLiteral("00"), QStringLiteral("59")).ok);
        QVERIFY(checkTimePart(QString(), QStringLiteral("59")).ok);
    }

    void bottleCount()
    {
        QCOMPARE(normaliseBottleCount(QString()), QStringLiteral("0"));
        QCOMPARE(normaliseBottleCount(QStringLiteral("  ")), QStringLiteral("0"));
        QCOMPARE(normaliseBottleCount(QStringLiteral("12")), QStringLiteral("12"));
        QVERIFY(isZeroBottleCount(u"0"));
        QVERIFY(isZeroBottleCount(u"0000"));
        QVERIFY(isZeroBottleCount(u"0000000"));
        QVERIFY(!isZeroBottleCount(u"10"));
        QVERIFY(!isZeroBottleCount(u""));
        QVERIFY(!isZeroBottleCount(u"00000000"));
    }

    void blankAndStorable()
    {
        QVERIFY(isBlankText(u"   "));
        QVERIFY(isBlankText(u" \t\r\n"));
        QVERIFY(!isBlankText(u" a "));
        QVERIFY(isStorableChar(QChar(0x00F1))); // ñ
        QVERIFY(isStorableChar(QChar(0x20AC))); // €
        QVERIFY(isStorableChar(QChar(0x2014))); // em dash, 0x97 in the code page
        QVERIFY(!isStorableChar(QChar(0x0141))); // Ł is not in the code page
        QVERIFY(!isStorableChar(QChar(0x4E2D)));
        QVERIFY(!isStorableChar(QChar('\n')));
        QVERIFY(!isStorableChar(QChar('\t')));
        QVERIFY(!isStorableChar(QChar(0x0081)));
        QCOMPARE(storableText(u"Viña\r\nTondonia\t€ 🍷"), QStringLiteral("ViñaTondonia€ "));
    }
};

QTEST_APPLESS_MAIN(TestEntryChecks)
#include "tst_entrychecks.moc"
