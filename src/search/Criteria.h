#pragma once
// What the search and the listing share: the criteria, the record filter,
// the totals of the records found, the vintage list of the criteria and the
// fixed-column rows both windows make of a record. The windows only read
// their controls into a `SearchCriteria` and show what comes back.

#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "search/Money.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>

namespace caveto {

// The bottle comparison, in the order of its list.
enum class BottleComparison { AtLeast = 0, Equal = 1, AtMost = 2 };
// ">=", "=", "<=".
QStringList bottleComparisonItems();

// The record fields the five text criteria are compared with, in the order
// of the criteria: vintage, appellation, wine, type, shelf.
inline constexpr std::array<Field, 5> kCriterionFields
    = { Field::Cosecha, Field::DenoOrigen, Field::Vino, Field::TipoVino, Field::Estante };

struct SearchCriteria
{
    std::array<QString, 5> texts; // as typed, in the order of kCriterionFields
    BottleComparison comparison = BottleComparison::AtLeast;
    qint64 bottles = 0;
};

// Equal once trimmed, the letters a to z compared without regard to case and
// every other character (accented letters included) exactly.
bool sameCriterionText(QStringView a, QStringView b);

// A stored or typed count read as a whole number. A blank count, and one
// that is not a whole number at all, reads as 0: one damaged record must not
// stop a search over the whole cellar.
qint64 readCount(QStringView text);

class RecordFilter
{
public:
    explicit RecordFilter(const SearchCriteria &criteria);

    // Every non-empty text criterion equals its field, and the record's bottle
    // count stands in the asked relation to the criterion's number; the first
    // criterion that fails ends the test.
    bool matches(QStringView line) const;

private:
    std::array<QString, 5> m_texts; // trimmed
    BottleComparison m_comparison;
    qint64 m_bottles;
};

// Records found, their bottles and what they are worth (price times bottles;
// a blank or unreadable price or count counts as 0).
struct SearchTotals
{
    qint64 records = 0;
    qint64 bottles = 0;
    Money value;

    void add(QStringView line);
};

// Walks the data-file image in file order. Each non-empty line that passes
// the filter is counted into `totals` and then handed to `found`; after each
// line `progress` hears how many lines are done.
void runSearch(const QStringList &image, const SearchCriteria &criteria, SearchTotals &totals,
    const std::function<void(QStringView line)> &found, const Progress &progress = {});

// The vintages of the image (columns as stored, blanks kept), sorted, each
// once; vintages that differ only in the case of a to z count as one.
// `progress` hears the number of lines read.
QStringList vintageList(const QStringList &image, const Progress &progress = {});

// The search window's row of a record: name, vintage, appellation, wine,
// type, shelf and bottles in fixed columns, then, past the visible width,
// the record key (its notes name).
QString resultRow(QStringView line);
// The record key carried by a result row.
QString resultRowKey(QStringView row);

// The listing's line of a record: name, vintage, appellation, wine, type,
// bottles and shelf in fixed columns, under the listing's heading.
QString reportLine(QStringView line);
// The listing's column heading and the rule under it.
QString reportHeading();
QString reportRule();

} // namespace caveto
