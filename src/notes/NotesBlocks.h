#pragma once
// The two blocks of text the notes editor puts at the top of a notes
// document: a short header naming the wine, and the whole record with its
// tasting sheet. Every label is 20 characters wide (name, dots, one blank)
// so that, in a fixed-pitch font, the values line up.

#include "cellar/RecordLine.h"

#include <QString>
#include <QStringList>

namespace caveto::notes {

// When the block was made: the status bar's date ("5-12-2026") and time.
struct Stamp
{
    QString date;
    QString time;
};

// The header: title, date and time, and the five fields that name the wine.
QStringList headerBlock(const CellarRecord &record, const Stamp &stamp);

// The record: the wine's data, then the general, sight, smell, taste and
// overall sections of its tasting. Values are taken as they stand; an empty
// value leaves its label alone on the line.
QStringList recordBlock(const CellarRecord &record, const Stamp &stamp);

} // namespace caveto::notes
