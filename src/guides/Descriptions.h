#pragma once
// The appellations' descriptions: free paragraphs on the place, its history,
// climate and soils and the character of its wines, then the key lines
// ("UVA AUTORIZADA TINTAS = ...", "CRIANZA = ...") in their usual order. Each
// is a UTF-8 text compiled in as :/guides/denominaciones/<key>.txt, one
// description line per file line, empty lines included.

#include <QString>
#include <QStringList>

namespace caveto {

// The keys of the key lines, in the order an entry gives them.
const QStringList &descriptionKeys();

// The description lines of the appellation at that list index; empty when
// the index or the text is missing.
QStringList appellationDescription(int index);

// The key of a description line ("CRIANZA" for "CRIANZA = ..."), or an empty
// text for a line of the free paragraphs.
QString descriptionKey(const QString &line);

} // namespace caveto
