#include "search/Money.h"

#include "cellar/RecordLine.h"

namespace caveto {

namespace {

using Int128 = __int128;

// Decimal digits of a non-negative value, most significant first.
QString digitsOf(Int128 value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString digits;
    while (value > 0) {
        digits.prepend(QChar(u'0' + int(value % 10)));
        value /= 10;
    }
    return digits;
}

QString grouped(const QString &digits, const QString &separator)
{
    QString out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    const qsizetype lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out += QStringView(digits).left(lead);
    for (qsizetype i = lead; i < digits.size(); i += 3) {
        out += separator;
        out += QStringView(digits).mid(i, 3);
    }
    return out;
}

Int128 powerOfTen(int exponent)
{
    Int128 p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

} // namespace

std::optional<Money> Money::parsePrice(QStringView text)
{
    const QString price = trimBlanks(text);
    qsizetype i = 0;
    const bool negative = price.startsWith(QLatin1Char('-'));
    if (negative)
        ++i;
    Int128 units = 0;
    int decimals = -1; // digits after the separator; -1 before it
    bool anyDigit = false;
    for (; i < price.size(); ++i) {
        const char16_t c = price.at(i).unicode();
        if (c >= u'0' && c <= u'9') {
            if (decimals == kDecimals)
                return std::nullopt;
            units = units * 10 + (c - u'0');
            anyDigit = true;
            if (decimals >= 0)
                ++decimals;
        } else if ((c == u',' || c == u'.') && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    Money m;
    m.m_micros = units * powerOfTen(kDecimals - qMax(decimals, 0));
    if (negative)
        m.m_micros = -m.m_micros;
    return m;
}

Money Money::fromCents(qint64 cents)
{
    Money m;
    m.m_micros = Int128(cents) * powerOfTen(kDecimals - 2);
    return m;
}

Money Money::times(qint64 count) const
{
    Money m;
    m.m_micros = m_micros * count;
    return m;
}

qint64 Money::cents() const
{
    const Int128 unit = powerOfTen(kDecimals - 2);
    const Int128 magnitude = m_micros < 0 ? -m_micros : m_micros;
    const Int128 rounded = (magnitude + unit / 2) / unit;
    return qint64(m_micros < 0 ? -rounded : rounded);
}

QString Money::format(const QLocale &locale) const
{
    const Int128 unit = powerOfTen(kDecimals - 2);
    const Int128 magnitude = m_micros < 0 ? -m_micros : m_micros;
    const Int128 cents = (magnitude + unit / 2) / unit;
    QString out = grouped(digitsOf(cents / 100), locale.groupSeparator());
    out += locale.decimalPoint();
    out += QString::number(int(cents % 100)).rightJustified(2, QLatin1Char('0'));
    if (m_micros < 0 && cents != 0)
        out.prepend(locale.negativeSign());
    return out;
}

QString formatWhole(qint64 value, const QLocale &locale)
{
    const Int128 wide = value;
    QString out = grouped(digitsOf(wide < 0 ? -wide : wide), locale.groupSeparator());
    if (value < 0)
        out.prepend(locale.negativeSign());
    return out;
}

} // namespace caveto
