#pragma once
// The order of the record list and the value lists: without regard to letter
// case or accents first (so "Álamo" sorts among the A's and "ñ" after "n"),
// a blank before any letter or digit, digits before letters; ties are broken
// by accents, then by letter case, so the order is total and stable.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace caveto {

int compareRecordText(QStringView a, QStringView b);

inline bool recordTextLess(QStringView a, QStringView b)
{
    return compareRecordText(a, b) < 0;
}

void sortRecordText(QStringList &items);

// Upper-case form used to tell equal values apart regardless of letter case.
QString foldCase(QStringView text);

} // namespace caveto
