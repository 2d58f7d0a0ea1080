#pragma once
// Record lines for the search and listing tests, written as the add command
// writes them, and a way to damage one column of a line.

#include "cellar/RecordLine.h"

#include <QString>

struct Wine
{
    QString name {};
    QString year {};
    QString deno {};
    QString vino = QStringLiteral("Tinto");
    QString tipo = QStringLiteral("Crianza");
    QString estante = QStringLiteral("A-1");
    QString precio {};
    QString botellas {};
    QString notes {};
};

inline QString wineLine(const Wine &w)
{
    caveto::CellarRecord r;
    r[caveto::Field::NombreVino] = w.name;
    r[caveto::Field::Cosecha] = w.year;
    r[caveto::Field::DenoOrigen] = w.deno;
    r[caveto::Field::Vino] = w.vino;
    r[caveto::Field::TipoVino] = w.tipo;
    r[caveto::Field::Estante] = w.estante;
    r[caveto::Field::Precio] = w.precio;
    r[caveto::Field::NumBotellas] = w.botellas;
    r[caveto::Field::EFichero] = w.notes;
    r.pad();
    return r.buildLine();
}

// The line with one field's columns replaced by `text`, padded to the width.
inline QString withColumn(QString line, caveto::Field f, const QString &text)
{
    const int width = caveto::fieldWidth(f);
    line.replace(caveto::fieldColumn(f) - 1, width, text.leftJustified(width).left(width));
    return line;
}
