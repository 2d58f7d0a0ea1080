#pragma once
// The reference texts shown by the text windows (grape varieties, decalogue,
// tasting lexicon, introduction to tasting, dictionary), compiled in as
// :/guides/<name>.txt in UTF-8, and the rule of the dictionary's search.

#include <QString>
#include <QStringList>

namespace caveto::guides {

// The lines of :/guides/<name>.txt, UTF-8; a final line end opens no empty
// line. No lines when there is no such resource.
QStringList guideLines(const QString &name);

// What the dictionary looks for when the user types `typed`: the letters a
// to z raised to capitals and every other character as typed, so a query in
// lower case finds the headwords, which are the only words written in
// capitals, and "añada" stays apart from "AÑADA".
QString headwordQuery(const QString &typed);

} // namespace caveto::guides
