#pragma once
// Euros kept exactly. A price has at most six decimals in its seven columns,
// so amounts are held in millionths of a euro: a price times a bottle count
// and the sum over a whole cellar stay exact, and the total is rounded to
// cents once, when it is shown. The 128-bit store cannot overflow on any
// cellar the record file can hold (a price and a count of seven digits each,
// over more records than memory can).

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace caveto {

class Money
{
public:
    Money() = default;

    // A stored price: trimmed, an optional minus, digits and at most one
    // decimal separator. Either "," or "." is taken as the separator: the
    // entry field lets only one into a price and turns the typed thousands
    // separator into the decimal one, so a price typed under another locale
    // still reads as the number the user meant. Anything else gives nothing.
    static std::optional<Money> parsePrice(QStringView text);
    static Money fromCents(qint64 cents);

    Money times(qint64 count) const;
    Money &operator+=(const Money &other)
    {
        m_micros += other.m_micros;
        return *this;
    }
    bool operator==(const Money &other) const { return m_micros == other.m_micros; }

    // Rounded to cents, half away from zero.
    qint64 cents() const;

    // "#,##0.00": thousands grouped with the locale's separator, two
    // decimals after its decimal separator.
    QString format(const QLocale &locale) const;

private:
    static constexpr int kDecimals = 6;
    __int128 m_micros = 0;
};

// "#,##0": a whole number with its thousands grouped by the locale's
// separator.
QString formatWhole(qint64 value, const QLocale &locale);

} // namespace caveto
