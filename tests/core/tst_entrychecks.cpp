// The rules of the entry fields: the keys a numeric field takes, the date
// and hour checks, the bottle count and what a record can store.

#include "cellar/EntryChecks.h"

#include <QtTest>

using namespace caveto;

namespace {
// Types a sequence of keys through the filter the way the field would.
QString typeKeys(const QString &keys, const NumericFormat &format)
{
    QString text;
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
} // namespace

class TestEntryChecks : public QObject
{
    Q_OBJECT

private slots:
    // The keys typed, one after another, and the field's text after them.
    void keyFilter_data()
    {
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *tag, bool isFloat, bool spanish, bool negative, const char *keys,
                       const char *expected) {
            QTest::newRow(tag) << isFloat << spanish << negative << QString::fromLatin1(keys)
                               << QString::fromLatin1(expected);
        };
        row("integer refuses separators and letters", false, true, true, "1,2.3a4", "1234");
        row("integer escape clears", false, true, true, "12\0333", "3"); // 033 is Escape
        row("integer backspace", false, true, true, "12\b", "1");
        row("minus refused on empty", false, true, true, "-5", "5");
        row("minus after one char", false, true, true, "5-", "5-");
        row("minus after two chars", false, true, true, "55-", "55");
        row("minus refused without Negative", false, true, false, "5-", "5");
        row("decimal one comma", true, true, true, "12,5,", "12,5");
        row("decimal point after comma", true, true, true, "12,5.", "12,5");
        row("spanish point in a price", true, true, true, "9.75", "9,75");
        row("english comma becomes point", true, false, true, "9,75", "9.75");
        row("decimal refuses letters", true, true, true, "1e5", "15");
    }
    void keyFilter()
    {
        QFETCH(bool, isFloat);
        QFETCH(bool, spanish);
        QFETCH(bool, negative);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        const NumericFormat format = spanish
            ? NumericFormat { isFloat, negative, QLatin1Char('.'), QLatin1Char(',') }
            : NumericFormat { isFloat, negative, QLatin1Char(','), QLatin1Char('.') };
        QCOMPARE(typeKeys(keys, format), expected);
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
        row("29 february of a leap year", "29|2|2024", DateCheck::None, "28|02|2024");
        row("00 passes", "00|00|", DateCheck::None, "00|00|");
        row("year 99", "||99", DateCheck::Year, "||");
        row("year 1800", "||1800", DateCheck::None, "||1800");
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

    void hourBottlesAndStorableText()
    {
        // Hour and minute: one digit gets a zero; past the bound is emptied.
        const QString hour = QStringLiteral("23");
        QCOMPARE(checkTimePart(QStringLiteral("7"), hour).text, QStringLiteral("07"));
        QVERIFY(checkTimePart(hour, hour).ok);
        const TimePartCheck late = checkTimePart(QStringLiteral("24"), hour);
        QVERIFY(!late.ok && late.text.isEmpty());
        QVERIFY(checkTimePart(QString(), hour).ok);

        // No bottles: a blank count is 0, and up to seven zeros say so.
        QCOMPARE(normaliseBottleCount(QStringLiteral("  ")), QStringLiteral("0"));
        QCOMPARE(normaliseBottleCount(QStringLiteral("12")), QStringLiteral("12"));
        QVERIFY(isZeroBottleCount(u"0000000"));
        QVERIFY(!isZeroBottleCount(u"00000000") && !isZeroBottleCount(u"10"));
        QVERIFY(!isZeroBottleCount(u""));

        QVERIFY(isBlankText(u" \t\r\n") && !isBlankText(u" a "));
        // Windows-1252 text only, without control characters (C1 too): "—" is
        // 0x97 there, "Ł" is not in it.
        QCOMPARE(
            storableText(u"Viña\r\nTondonia\t\u0081€—Ł中 🍷"), QStringLiteral("ViñaTondonia€— "));
    }
};

QTEST_APPLESS_MAIN(TestEntryChecks)
#include "tst_entrychecks.moc"
