#include "notes/NotesBlocks.h"

namespace caveto::notes {

namespace {

// Blank lines are one blank character, as the editor has always written them.
const QString kBlank = QStringLiteral(" ");

QString stampLine(const Stamp &stamp)
{
    return QStringLiteral("Fecha / Hora ...... ") + stamp.date + QStringLiteral("  ") + stamp.time;
}

// A labelled value: the labels below are written at their full 20 columns.
QString labelled(const char *label, const QString &value)
{
    return QString::fromUtf8(label) + value;
}

QString joined(const CellarRecord &r, const char *separator, Field a, Field b, Field c)
{
    const QString sep = QString::fromLatin1(separator);
    return r[a] + sep + r[b] + sep + r[c];
}

QString grape(const CellarRecord &r, Field percent, Field variety)
{
    return r[percent] + QStringLiteral(" %  ") + r[variety];
}

void appendWineName(QStringList &out, const CellarRecord &r)
{
    out << labelled("Nombre del Vino ... ", r[Field::NombreVino])
        << labelled("Cosecha ........... ", r[Field::Cosecha])
        << labelled("Denominación ...... ", r[Field::DenoOrigen])
        << labelled("Vino .............. ", r[Field::Vino])
        << labelled("Tipo .............. ", r[Field::TipoVino]);
}

} // namespace

QStringList headerBlock(const CellarRecord &r, const Stamp &stamp)
{
    QStringList out;
    out << QStringLiteral("Caveto   LIBRO DE BODEGA   *   DATOS DEL VINO   *") << kBlank << kBlank
        << stampLine(stamp) << kBlank;
    appendWineName(out, r);
    out << kBlank;
    return out;
}

QStringList recordBlock(const CellarRecord &r, const Stamp &stamp)
{
    QStringList out;
    // Two blanks before the first asterisk here, three in the header block:
    // both titles are kept as notes written over the years carry them.
    out << QStringLiteral("Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *") << kBlank << kBlank
        << stampLine(stamp) << kBlank;
    appendWineName(out, r);
    out << labelled("Tratante .......... ", r[Field::Bodega])
        << labelled("Fecha de Compra ... ",
               joined(r, " / ", Field::FCompraDD, Field::FCompraMM, Field::FCompraYY))
        << labelled("Importe ........... ", r[Field::Precio])
        << labelled("Num. Botellas ..... ", r[Field::NumBotellas])
        << labelled("Estante ........... ", r[Field::Estante])
        << labelled("Grados ............ ", r[Field::Grados])
        << labelled("Temp. de Consumo .. ",
               r[Field::TempeINI] + QStringLiteral(" y ") + r[Field::TempeFin])
        << labelled("Cons. Preferente .. ", r[Field::Consumo])
        << labelled("Tipo de Uva 1 ..... ", grape(r, Field::Porcen1, Field::TipoUva1))
        << labelled("Tipo de Uva 2 ..... ", grape(r, Field::Porcen2, Field::TipoUva2))
        << labelled("Tipo de Uva 3 ..... ", grape(r, Field::Porcen3, Field::TipoUva3))
        << labelled("Tipo de Uva 4 ..... ", grape(r, Field::Porcen4, Field::TipoUva4)) << kBlank;

    out << QStringLiteral("Caveto   CATA DE VINOS   *  DATOS GENERALES  *")
        << labelled("Catador ........... ", r[Field::Catador])
        << labelled("Fecha de Cata ..... ",
               joined(r, " / ", Field::FCataDD, Field::FCataMM, Field::FCataYY))
        << labelled("Hora de Cata ...... ",
               r[Field::HoraIni] + QStringLiteral(" : ") + r[Field::HoraFin])
        << labelled("Tipo Botella ...... ", r[Field::Botella])
        << labelled("Tipo Tapón ........ ", r[Field::Tapon])
        << labelled("Tipo Capsula ...... ", r[Field::Capsula])
        << labelled("Tp. Fermentación .. ", r[Field::Fermentacion])
        << labelled("Barrica ........... ", r[Field::Barrica]) << kBlank;

    out << QStringLiteral("Caveto   CATA DE VINOS   *  DATOS VISTA  *")
        << labelled("Limpieza .......... ", r[Field::Limpieza])
        << labelled("Color ............. ", r[Field::Color])
        << labelled("Intensidad ........ ", r[Field::Intensidad])
        << labelled("Viscosidad ........ ", r[Field::Viscosidad])
        << labelled("Calif. Vista ...... ", r[Field::CaliVista]) << kBlank;

    out << QStringLiteral("Caveto   CATA DE VINOS   *  DATOS OLFATO  *")
        << labelled("Aroma 1 ........... ", r[Field::Aroma1])
        << labelled("Aroma 2 ........... ", r[Field::Aroma2])
        << labelled("Aroma 3 ........... ", r[Field::Aroma3])
        << labelled("Aroma 4 ........... ", r[Field::Aroma4])
        << labelled("Afrutado .......... ", r[Field::Afrutado])
        << labelled("Bouquet ........... ", r[Field::Bouquet])
        << labelled("Calif. Olfato ..... ", r[Field::CaliOlfato]) << kBlank;

    out << QStringLiteral("Caveto   CATA DE VINOS   *  DATOS GUSTO  *")
        << labelled("Dulzor ............ ", r[Field::Dulzor])
        << labelled("Tanino ............ ", r[Field::Tanino])
        << labelled("Cuerpo ............ ", r[Field::Cuerpo])
        << labelled("Acidez ............ ", r[Field::Acidez])
        << labelled("Duración .......... ", r[Field::Duracion])
        << labelled("Equilibrio ........ ", r[Field::Equilibrio])
        << labelled("Calif. Gusto ...... ", r[Field::CaliGusto]) << kBlank;

    out << QStringLiteral("Caveto   CATA DE VINOS   *  DATOS CONJUNTO  *")
        << labelled("Conjunto 1 ........ ", r[Field::Conjunto1])
        << labelled("Conjunto 2 ........ ", r[Field::Conjunto2])
        << labelled("Conjunto 3 ........ ", r[Field::Conjunto3])
        << labelled("Conjunto 4 ........ ", r[Field::Conjunto4])
        << labelled("Calif. Conjunto ... ", r[Field::CaliConjunto]) << kBlank;
    return out;
}

} // namespace caveto::notes
