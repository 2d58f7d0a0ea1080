#pragma once
// The listing's report text: a title naming the criteria, the date and time,
// the heading, one line per wine and a closing block with the totals; or,
// when nothing matches, four lines saying so.

#include <QString>
#include <QStringList>

#include <array>

namespace caveto::report {

// "Caveto   Información .. ", "Toda la Bodega" when no text criterion is
// given, then the five trimmed criteria each followed by a blank, and the
// bottle criterion ("Botellas >= 0").
QString title(
    const std::array<QString, 5> &criteria, const QString &comparison, const QString &bottles);

// The lines before the first wine: the title, the date and time as the
// status bar shows them, the column heading and its rule.
QStringList opening(const QString &title, const QString &date, const QString &time);

// The lines after the last wine: the three totals as shown, between rules.
QStringList closing(const QString &records, const QString &bottles, const QString &value);

// The whole report when no wine matches.
QStringList noData();

} // namespace caveto::report
