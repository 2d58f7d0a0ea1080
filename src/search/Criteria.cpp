#include "search/Criteria.h"

#include "cellar/RecordOrder.h"

#include <QSet>

namespace caveto {

namespace {

inline char16_t foldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

bool equalFoldingAscii(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

// One column of a row made from a record: a field cut to `width` (0: the
// field's whole width in the record), then `gap` blanks. `caption` heads the
// column in the listing.
struct RowColumn
{
    Field field;
    int width;
    int gap;
    const char *caption = "";
};

// The search window's row; the record key lies past the visible columns.
constexpr RowColumn kResultRow[] = {
    { Field::NombreVino, 20, 2 },
    { Field::Cosecha, 0, 2 },
    { Field::DenoOrigen, 20, 2 },
    { Field::Vino, 15, 2 },
    { Field::TipoVino, 15, 2 },
    { Field::Estante, 10, 2 },
    { Field::NumBotellas, 0, 6 },
    { Field::EFichero, 0, 0 },
};

// The listing's line: wider wine and type, the bottles before the shelf.
constexpr RowColumn kReportRow[] = {
    { Field::NombreVino, 20, 2, "Nombre del Vino" },
    { Field::Cosecha, 0, 2, "Año" },
    { Field::DenoOrigen, 20, 2, "Denominación" },
    { Field::Vino, 20, 2, "Vino" },
    { Field::TipoVino, 20, 2, "Tipo Vino" },
    { Field::NumBotellas, 0, 3, "Botellas" },
    { Field::Estante, 0, 0, "Estante" },
};

int widthOf(const RowColumn &c)
{
    return c.width > 0 ? c.width : fieldWidth(c.field);
}

template <std::size_t N> QString makeRow(QStringView line, const RowColumn (&columns)[N])
{
    QString row;
    row.reserve(128);
    for (const RowColumn &c : columns) {
        const int width = widthOf(c);
        // A short line keeps the row's layout: missing columns are blanks.
        const QStringView text = columnText(line, c.field).left(width);
        row += text;
        row += QString(width - text.size() + c.gap, QLatin1Char(' '));
    }
    return row;
}

} // namespace

QStringList bottleComparisonItems()
{
    return { QStringLiteral(">="), QStringLiteral("="), QStringLiteral("<=") };
}

bool sameCriterionText(QStringView a, QStringView b)
{
    return equalFoldingAscii(trimmedView(a), trimmedView(b));
}

qint64 readCount(QStringView text)
{
    const QStringView count = trimmedView(text);
    qsizetype i = 0;
    bool negative = false;
    if (!count.isEmpty() && (count[0] == u'-' || count[0] == u'+')) {
        negative = count[0] == u'-';
        ++i;
    }
    // A count has seven columns; more digits than a 64-bit total can add up
    // are no count either.
    if (i == count.size() || count.size() - i > 15)
        return 0;
    qint64 value = 0;
    for (; i < count.size(); ++i) {
        const char16_t c = count[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

RecordFilter::RecordFilter(const SearchCriteria &criteria)
    : m_comparison(criteria.comparison)
    , m_bottles(criteria.bottles)
{
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        m_texts[i] = trimmedView(criteria.texts[i]).toString();
}

bool RecordFilter::matches(QStringView line) const
{
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        if (!m_texts[i].isEmpty()
            && !equalFoldingAscii(m_texts[i], trimmedView(columnText(line, kCriterionFields[i]))))
            return false;
    }
    const qint64 bottles = readCount(columnText(line, Field::NumBotellas));
    switch (m_comparison) {
    case BottleComparison::AtLeast:
        return bottles >= m_bottles;
    case BottleComparison::Equal:
        return bottles == m_bottles;
    case BottleComparison::AtMost:
        return bottles <= m_bottles;
    }
    return false;
}

void SearchTotals::add(QStringView line)
{
    const qint64 count = readCount(columnText(line, Field::NumBotellas));
    const Money price = Money::parsePrice(columnText(line, Field::Precio)).value_or(Money());
    ++records;
    bottles += count;
    value += price.times(count);
}

void runSearch(const QStringList &image, const SearchCriteria &criteria, SearchTotals &totals,
    const std::function<void(QStringView line)> &found, const Progress &progress)
{
    const RecordFilter filter(criteria);
    qsizetype done = 0;
    for (const QString &line : image) {
        if (!line.isEmpty() && filter.matches(line)) {
            totals.add(line);
            if (found)
                found(line);
        }
        if (progress)
            progress(++done);
    }
}

QStringList vintageList(const QStringList &image, const Progress &progress)
{
    // Exact copies are dropped first so that only the distinct vintages
    // are sorted; the result is the same as sorting them all.
    QSet<QString> seen;
    QStringList distinct;
    qsizetype done = 0;
    for (const QString &line : image) {
        if (!line.isEmpty()) {
            const QString vintage = columnText(line, Field::Cosecha).toString();
            if (!seen.contains(vintage)) {
                seen.insert(vintage);
                distinct.append(vintage);
            }
        }
        if (progress)
            progress(++done);
    }
    sortRecordText(distinct);
    QStringList vintages;
    for (const QString &v : std::as_const(distinct)) {
        if (vintages.isEmpty() || !equalFoldingAscii(vintages.constLast(), v))
            vintages.append(v);
    }
    return vintages;
}

QString resultRow(QStringView line)
{
    return makeRow(line, kResultRow);
}

QString resultRowKey(QStringView row)
{
    qsizetype start = 0;
    for (const RowColumn &c : kResultRow) {
        if (c.field == Field::EFichero)
            return row.mid(qMin(start, row.size()), widthOf(c)).toString();
        start += widthOf(c) + c.gap;
    }
    return {};
}

QString reportLine(QStringView line)
{
    return makeRow(line, kReportRow);
}

QString reportHeading()
{
    QString heading;
    for (const RowColumn &c : kReportRow)
        heading += QString::fromUtf8(c.caption).leftJustified(widthOf(c) + c.gap);
    return heading;
}

QString reportRule()
{
    // Each rule spans its column or its heading, whichever is wider.
    QString rule;
    for (const RowColumn &c : kReportRow) {
        const int width = int(qMax<qsizetype>(widthOf(c), QString::fromUtf8(c.caption).size()));
        rule += QString(width, QLatin1Char('-'));
        rule += QString(widthOf(c) + c.gap - width, QLatin1Char(' '));
    }
    return rule;
}

} // namespace caveto
