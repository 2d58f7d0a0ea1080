#pragma once
// The vintage ratings of the 56 appellations for the harvests 1971 to 2003,
// the lookup the appellation guide runs on every change of its lists, and the
// colour its rating panel paints each rating in.
//
// Years are texts and match only by exact equality: "1994" is a year of the
// table, " 1994", "94" and "1970" are not.

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace caveto {

inline constexpr int kFirstVintage = 1971;
inline constexpr int kLastVintage = 2003;
inline constexpr int kVintageCount = kLastVintage - kFirstVintage + 1; // 33

// One row of the table as typed: the appellation's name and its 33 letter
// codes, 1971 first, in groups of ten years separated by blanks.
struct VintageRow
{
    const char *name; // UTF-8, exactly as the appellation lists show it
    const char *codes; // "SSSSSSSSSS SSSSSSSSSS SSSSSBBBBB BSM"
};

// The 56 rows in the order of the appellation list.
const std::array<VintageRow, 56> &vintageRows();

// The rating texts by code: S, D, R, B, M, E.
QString vintageRatingText(char code);

// The 33 year texts "1971" ... "2003", ascending.
const QStringList &vintageYears();
// The column of a year text (0 for "1971"), or -1 when it is none of the 33.
int vintageColumn(const QString &year);

// The rating of that appellation and year ("EXCELENTE", "SIN CALIFICAR", ...),
// or nothing when the name is not one of the 56 rows or the year not one of
// the 33 texts.
std::optional<QString> vintageRating(const QString &appellation, const QString &year);

// The font colour of the rating panel for the text it shows: the colour of
// the rating, white for an empty text or "SIN CALIFICAR", and nothing (the
// colour stays as it was) for any other text.
std::optional<QColor> vintageRatingColour(const QString &panelText);

} // namespace caveto
