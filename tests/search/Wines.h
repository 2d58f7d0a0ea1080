#pragma once
// Record lines for the search and listing tests, written as the add command
// writes them, and one column of a line replaced (a damaged record).

#include "cellar/RecordLine.h"

struct Wine
{
    QString name {}, year {}, deno {};
    QString vino = QStringLiteral("Tinto"), tipo = QStringLiteral("Crianza");
    QString estante = QStringLiteral("A-1");
    QString precio {}, botellas {}, notes {};
};

inline QString wineLine(const Wine &w)
{
    using caveto::Field;
    caveto::CellarRecord r;
    r[Field::NombreVino] = w.name;
    r[Field::Cosecha] = w.year;
    r[Field::DenoOrigen] = w.deno;
    r[Field::Vino] = w.vino;
    r[Field::TipoVino] = w.tipo;
    r[Field::Estante] = w.estante;
    r[Field::Precio] = w.precio;
    r[Field::NumBotellas] = w.botellas;
    r[Field::EFichero] = w.notes;
    r.pad();
    return r.buildLine();
}

inline QString withColumn(QString line, caveto::Field f, const QString &text)
{
    const int width = caveto::fieldWidth(f);
    return line.replace(caveto::fieldColumn(f) - 1, width, text.leftJustified(width, u' ', true));
}
