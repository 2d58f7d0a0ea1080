#include "cellar/EntryChecks.h"

#include "platform/Win1252.h"

namespace caveto {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString padLeft(QString text, int width)
{
    while (text.size() < width)
        text.prepend(QLatin1Char('0'));
    return text;
}

} // namespace

NumericKeyResult filterNumericKey(QChar key, QStringView currentText, const NumericFormat &format)
{
    NumericKeyResult result { key };
    const char16_t k = key.unicode();
    const QChar reject(kRejectedKey);

    if (k == u'-') {
        // Only right after the first character; everything else refuses it.
        if (format.negative && currentText.size() == 1)
            return result;
        result.key = reject;
        return result;
    }

    if (!format.isFloat) {
        if (k == kEscape)
            result.clearField = true;
        else if (!(k == kBackspace || k == kReturn || isDigit(key)))
            result.key = reject;
        return result;
    }

    const bool hasComma = currentText.contains(QLatin1Char(','));
    const bool hasPoint = currentText.contains(QLatin1Char('.'));
    if (k == u',' && (hasComma || hasPoint)) {
        result.key = reject;
    } else if (k == u'.' && (hasPoint || hasComma)) {
        result.key = reject;
    } else if (k == kEscape) {
        result.clearField = true;
    } else if (!(k == kBackspace || k == kReturn || k == u',' || k == u'.' || isDigit(key))) {
        result.key = reject;
    }
    if (result.key == format.thousandsSeparator)
        result.key = format.decimalSeparator;
    return result;
}

DateCheck checkDate(const QString &day, const QString &month, const QString &year)
{
    DateCheck r { DateCheck::None, day, month, year };

    if (!isBlankText(r.day)) {
        if (r.day.size() == 1)
            r.day.prepend(QLatin1Char('0'));
        if (r.day > QLatin1String("31")) {
            r.error = DateCheck::Day;
            r.day.clear();
            return r;
        }
    }

    if (!isBlankText(r.month)) {
        if (r.month.size() == 1)
            r.month.prepend(QLatin1Char('0'));
        if (r.month > QLatin1String("12")) {
            r.error = DateCheck::Month;
            r.month.clear();
            return r;
        }
        if (r.month == QLatin1String("04") || r.month == QLatin1String("06")
            || r.month == QLatin1String("09") || r.month == QLatin1String("11")) {
            if (r.day >= QLatin1String("31"))
                r.day = QStringLiteral("30");
        } else if (r.month == QLatin1String("02")) {
            if (r.day >= QLatin1String("29"))
                r.day = QStringLiteral("28");
        }
    }

    if (!isBlankText(r.year)) {
        r.year = padLeft(r.year, 4);
        if (r.year < QLatin1String("1800")) {
            r.error = DateCheck::Year;
            r.year.clear();
        }
    }
    return r;
}

TimePartCheck checkTimePart(const QString &text, const QString &upperBound)
{
    TimePartCheck r { true, text };
    if (isBlankText(text))
        return r;
    if (r.text.size() == 1)
        r.text.prepend(QLatin1Char('0'));
    if (r.text > upperBound) {
        r.ok = false;
        r.text.clear();
    }
    return r;
}

QString normaliseBottleCount(const QString &text)
{
    return isBlankText(text) ? QStringLiteral("0") : text;
}

bool isZeroBottleCount(QStringView text)
{
    if (text.isEmpty() || text.size() > 7)
        return false;
    for (QChar c : text) {
        if (c != QLatin1Char('0'))
            return false;
    }
    return true;
}

bool isBlankText(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x20)
            return false;
    }
    return true;
}

bool isStorableChar(QChar c)
{
    const char16_t u = c.unicode();
    // Control characters (C0, DEL and C1) have no place in a record line.
    if (u < 0x20 || (u >= 0x7F && u < 0xA0))
        return false;
    return win1252::isRepresentable(c);
}

QString storableText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (isStorableChar(c))
            out += c;
    }
    return out;
}

} // namespace caveto
