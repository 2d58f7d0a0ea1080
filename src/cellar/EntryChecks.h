#pragma once
// The rules behind the entry fields, as plain functions on text: the numeric
// key filter, the date and hour checks, the bottle-count rule and what a
// record field may hold at all.

#include <QChar>
#include <QString>
#include <QStringView>

namespace caveto {

// ---- Numeric key filter -------------------------------------------------

constexpr char16_t kRejectedKey = 15; // a refused keystroke inserts nothing
constexpr char16_t kBackspace = 8;
constexpr char16_t kReturn = 13;
constexpr char16_t kEscape = 27;

struct NumericKeyResult
{
    QChar key; // the character to pass on, or kRejectedKey
    bool clearField = false; // escape empties the field
    bool accepted() const { return key.unicode() != kRejectedKey; }
};

struct NumericFormat
{
    bool isFloat = true; // digits plus one decimal separator
    bool negative = true; // a minus may be typed after exactly one character
    QChar thousandsSeparator = QLatin1Char('.');
    QChar decimalSeparator = QLatin1Char(',');
};

NumericKeyResult filterNumericKey(QChar key, QStringView currentText, const NumericFormat &format);

// ---- Date checks ----------------------------------------------------------

// A date kept as three texts (day, month, year), checked and normalised: a
// one-digit day or month gets a leading "0", a short year leading zeros; a
// day past the month's length is cut back silently (29 February never stays).
struct DateCheck
{
    enum Error { None, Day, Month, Year };
    Error error = None;
    QString day;
    QString month;
    QString year;
};

DateCheck checkDate(const QString &day, const QString &month, const QString &year);

// An hour or minute part: one digit gets a leading "0"; above `upperBound`
// ("23" or "59") it is refused.
struct TimePartCheck
{
    bool ok = true;
    QString text;
};
TimePartCheck checkTimePart(const QString &text, const QString &upperBound);

// ---- Bottle count ---------------------------------------------------------

// An empty count becomes "0".
QString normaliseBottleCount(const QString &text);
// A count written only with one to seven zeros: the wine has run out.
bool isZeroBottleCount(QStringView text);

// ---- Required fields ------------------------------------------------------

// Blank after removing leading and trailing blanks and control characters.
bool isBlankText(QStringView text);

// ---- What a record field may hold -----------------------------------------

// A record is one line of single-byte Windows-1252 text: no character outside
// that code page, no line break, tab or other control character.
bool isStorableChar(QChar c);
// The text with every character a record cannot store left out.
QString storableText(QStringView text);

} // namespace caveto
