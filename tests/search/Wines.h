#pragma once
// Record lines for the search and listing tests, written as the add command
// writes them, and one column of a line replaced (a damaged record).

#include "cellar/RecordLine.h"

#include <QStringList>

// A record of name, vintage, appellation, wine, type, shelf, price, bottles
// and notes name, as many as given.
inline QString wineLine(const QStringList &values)
{
    using caveto::Field;
    static const Field order[]
        = { Field::NombreVino, Field::Cosecha, Field::DenoOrigen, Field::Vino, Field::TipoVino,
              Field::Estante, Field::Precio, Field::NumBotellas, Field::EFichero };
    caveto::CellarRecord r;
    for (qsizetype i = 0; i < values.size(); ++i)
        r[order[i]] = values[i];
    r.pad();
    return r.buildLine();
}

inline QString withColumn(QString line, caveto::Field f, const QString &text)
{
    const int width = caveto::fieldWidth(f);
    return line.replace(caveto::fieldColumn(f) - 1, width, text.leftJustified(width, u' ', true));
}
