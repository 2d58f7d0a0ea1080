#pragma once
// Record files of a given size with a plausible spread of values.

#include "cellar/RecordLine.h"

#include <QRandomGenerator>
#include <QStringList>

inline QStringList makeRecordLines(int count, quint32 seed = 42)
{
    static const char *const names[] = { "Viña", "Marqués", "Castillo", "Pago", "Finca", "Clos",
        "Dominio", "Torre", "Señorío", "Monte", "Abadía", "Bodegas" };
    static const char *const second[] = { "de Cáceres", "Real", "del Rey", "Alto", "la Plana",
        "Tondonia", "Ardanza", "Sol", "Esmeralda", "de Murrieta" };
    static const char *const denos[] = { "Rioja", "Ribera del Duero", "Toro", "Priorat",
        "Rías Baixas", "Rueda", "Penedès", "Jumilla", "Bierzo", "Navarra", "Somontano", "Cariñena",
        "Valdepeñas", "La Mancha", "Jerez", "Montilla-Moriles" };
    static const char *const vinos[] = { "Tinto", "Blanco", "Rosado", "Generoso", "Espumoso" };
    static const char *const tipos[]
        = { "Joven", "Crianza", "Reserva", "Gran Reserva", "Roble", "Fino" };
    QRandomGenerator rng(seed);
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        caveto::CellarRecord r;
        r[caveto::Field::NombreVino] = QStringLiteral("%1 %2 %3")
                                           .arg(QString::fromUtf8(names[rng.bounded(12)]),
                                               QString::fromUtf8(second[rng.bounded(10)]))
                                           .arg(i);
        r[caveto::Field::Cosecha] = QString::number(1970 + rng.bounded(56));
        r[caveto::Field::DenoOrigen] = QString::fromUtf8(denos[rng.bounded(16)]);
        r[caveto::Field::Vino] = QString::fromUtf8(vinos[rng.bounded(5)]);
        r[caveto::Field::TipoVino] = QString::fromUtf8(tipos[rng.bounded(6)]);
        r[caveto::Field::Bodega] = QStringLiteral("Bodega %1").arg(rng.bounded(500));
        r[caveto::Field::Precio] = QStringLiteral("%1,%2")
                                       .arg(rng.bounded(200))
                                       .arg(rng.bounded(100), 2, 10, QLatin1Char('0'));
        r[caveto::Field::NumBotellas] = QString::number(rng.bounded(48));
        r[caveto::Field::Estante]
            = QStringLiteral("%1-%2").arg(QChar(u'A' + rng.bounded(8))).arg(rng.bounded(12));
        r[caveto::Field::TipoUva1] = QStringLiteral("Tempranillo");
        r[caveto::Field::Porcen1] = QStringLiteral("85");
        r[caveto::Field::Catador] = QStringLiteral("Catador %1").arg(rng.bounded(20));
        r[caveto::Field::CaliConjunto] = QStringLiteral("Muy Bueno");
        r[caveto::Field::EFichero] = QString::number(1000000000000000LL + i);
        r.pad();
        lines << r.buildLine();
    }
    return lines;
}
