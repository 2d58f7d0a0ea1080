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
    // The keys typed, one after another, and the field's text after them.
    void keyFilter_data()
    {
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<bool>("spanishLocale");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *tag, bool isFloat, bool spanish, bool negative, const char *keys,
                       const char *expected) {
            QTest::newRow(tag) << isFloat << spanish << negative << QString::fromLatin1(keys)
                               << QString::fromLatin1(expected);
        };
        row("integer digits", false, true, true, "2024", "2024");
        row("integer refuses separators", false, true, true, "1,2.3", "123");
        row("integer refuses letters", false, true, true, "1a2", "12");
        row("integer escape clears", false, true, true, "12\0333", "3"); // 033 is Escape
        row("integer backspace", false, true, true, "12\b", "1");
        row("integer refuses tab", false, true, true, "1\t2", "12");
        row("minus refused on empty", false, true, true, "-5", "5");
        row("minus after one char", false, true, true, "5-", "5-");
        row("minus after two chars", false, true, true, "55-", "55");
        row("minus refused without Negative", false, true, false, "5-", "5");
        row("decimal one comma", true, true, true, "12,5,", "12,5");
        row("decimal point after comma", true, true, true, "12,5.", "12,5");
        row("spanish point becomes comma", true, true, true, ".", ",");
        row("spanish point in a price", true, true, true, "9.75", "9,75");
        row("english comma becomes point", true, false, true, "9,75", "9.75");
        row("english one separator", true, false, true, "1.2,3", "1.23");
        row("decimal escape clears", true, true, true, "12,5\x1b", "");
        row("decimal refuses letters", true, true, true, "1e5", "15");
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

    // Day|month|year as typed, then the part refused (if any) and the three
    // fields after the check.
    void dateCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("checked");
        auto row
            = [](const char *tag, const char *typed, DateCheck::Error error, const char *checked) {
                  QTest::newRow(tag)
                      << QString::fromLatin1(typed) << int(error) << QString::fromLatin1(checked);
              };
        row("one digit day", "5||", DateCheck::None, "05||");
        row("day 32", "32||", DateCheck::Day, "||");
        row("day 40 hides a bad month", "40|13|99", DateCheck::Day, "|13|99");
        row("month 13", "12|13|2020", DateCheck::Month, "12||2020");
        row("31 in november", "31|11|", DateCheck::None, "30|11|");
        row("31 in april", "31|4|", DateCheck::None, "30|04|");
        row("30 in february", "30|02|2024", DateCheck::None, "28|02|2024");
        row("29 february of a leap year", "29|2|2024", DateCheck::None, "28|02|2024");
        row("31 in january stays", "31|01|", DateCheck::None, "31|01|");
        row("00 passes", "00|00|", DateCheck::None, "00|00|");
        row("year 99", "||99", DateCheck::Year, "||");
        row("year 1800", "||1800", DateCheck::None, "||1800");
        row("year 2999", "||2999", DateCheck::None, "||2999");
        row("all blank", "||", DateCheck::None, "||");
        row("blank day, month alone", "|2|", DateCheck::None, "|02|");
    }

    void dateCheck()
    {
        QFETCH(QString, typed);
        QFETCH(int, error);
        QFETCH(QString, checked);
        const QStringList parts = typed.split(u'|');
        const DateCheck r = checkDate(parts[0], parts[1], parts[2]);
        QCOMPARE(int(r.error), error);
        QCOMPARE(QStringList({ r.day, r.month, r.year }).join(u'|'), checked);
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
