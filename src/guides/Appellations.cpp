#include "guides/Appellations.h"

namespace caveto {

namespace {

// The guide shows every picture at top 18 but Alella's, which sits at 15.
constexpr std::array<Appellation, kAppellationCount> kAppellations = { {
    { "Abona", "abona", "AbonaBMP", 18, { 386, 402 } },
    { "Alella", "alella", "alellaBMP", 15, { 450, 104 } },
    { "Alicante", "alicante", "AlicanteBMP", 18, { 362, 249 } },
    { "Almansa", "almansa", "almansaBMP", 18, { 298, 223 } },
    { "Ampurdán", "ampurdan", "ampurdanBMP", 18, { 486, 60 } },
    { "Bierzo", "bierzo", "bierzobmp", 18, { 130, 52 } },
    { "Binissalem", "benissalem", "benissalemBMP", 18, { 435, 178 } },
    { "Bullas", "bullas", "bullasBMP", 18, { 264, 268 } },
    { "Calatayud", "calatayud", "calatayudBMP", 18, { 280, 115 } },
    { "Campo de Borja", "campodeborja", "CampodeborjaBMP", 18, { 312, 86 } },
    { "Cariñena", "carinena", "carinenaBMP", 18, { 317, 114 } },
    { "Cava", "cava", "cavaBMP", 18, { 411, 74 } },
    { "Chacolí de Getaria", "chacolig", "chacoliGBMP", 18, { 300, 6 } },
    { "Chacolí de Vizcaya", "chacoliv", "ChacoliVBMP", 18, { 233, 15 } },
    { "Cigales", "cigales", "cigalesBMP", 18, { 168, 89 } },
    { "Conca de Barberá", "conbarbera", "conbarberaBMP", 18, { 437, 126 } },
    { "Condado de Huelva", "huelva", "HuelvaBMP", 18, { 120, 298 } },
    { "Costers del Segre", "segre", "segreBMP", 18, { 356, 89 } },
    { "El Hierro", "hierro", "hierroBMP", 18, { 350, 405 } },
    { "Jerez", "jerez", "JerezBMP", 18, { 105, 336 } },
    { "Jumilla", "jumilla", "jumillaBMP", 18, { 295, 251 } },
    { "La Mancha", "lamancha", "lamanchaBMP", 18, { 229, 211 } },
    { "La Palma", "lapalma", "lapalmaBMP", 18, { 334, 344 } },
    { "Lanzarote", "lanzarote", "lanzaroteBMP", 18, { 486, 340 } },
    { "Málaga", "malaga", "malagaBMP", 18, { 195, 345 } },
    { "Manchuela", "manchuela", "ManchuelaBMP", 18, { 284, 211 } },
    { "Méntrida", "mentrida", "mentridaBMP", 18, { 185, 174 } },
    { "Mondéjar", "mondejar", "mondejarBMP", 18, { 265, 167 } },
    { "Monterrei", "monterrei", "monterreiBMP", 18, { 84, 94 } },
    { "Montilla Moriles", "montilla", "montillaBMP", 18, { 182, 283 } },
    { "Navarra", "navarra", "NavarraBMP", 18, { 291, 63 } },
    { "Penedés", "penedes", "penedesBMP", 18, { 442, 115 } },
    { "Plá de Bagés", "pla", "plaBMP", 18, { 408, 88 } },
    { "Pla i Llevant", "plaillevant", "PlaiLLevantBMP", 18, { 487, 193 } },
    { "Priorato", "priorato", "prioratoBMP", 18, { 398, 148 } },
    { "Rías Baixas", "riasbaixas", "riasbaixasBMP", 18, { 16, 68 } },
    { "Ribeira Sacra", "sacra", "sacraBMP", 18, { 79, 50 } },
    { "Ribeiro", "ribeiro", "RibeiroBMP", 18, { 79, 71 } },
    { "Ribera del Duero", "duero", "dueroBMP", 18, { 214, 110 } },
    { "Ribera del Guadiana", "guadiana", "guadianaBMP", 18, { 123, 237 } },
    { "Rioja", "rioja", "riojaBMP", 18, { 256, 76 } },
    { "Rueda", "rueda", "ruedaBMP", 18, { 172, 123 } },
    { "Somontano", "somontano", "somontanoBMP", 18, { 341, 70 } },
    { "Tacoronte Acentejo", "tacoronte", "tacoronteBMP", 18, { 436, 350 } },
    { "Tarragona", "tarragona", "tarragonaBMP", 18, { 412, 138 } },
    { "Terra Alta", "terra", "terraBMP", 18, { 347, 124 } },
    { "Toro", "toro", "toroBMP", 18, { 150, 108 } },
    { "Utiel Requena", "utiel", "utielBMP", 18, { 289, 184 } },
    { "Valdeorras", "valdeorras", "valdeorrasBMP", 18, { 132, 66 } },
    { "Valdepeñas", "valdepenas", "valdepenasBMP", 18, { 229, 234 } },
    { "Valencia", "valencia", "valenciaBMP", 18, { 360, 208 } },
    { "Valle de Guimar", "guimar", "guimarBMP", 18, { 425, 373 } },
    { "Valle de la Oratava", "oratava", "oratavaBMP", 18, { 369, 351 } },
    { "Vinos de Madrid", "madrid", "madridBMP", 18, { 212, 153 } },
    { "Ycoden Daute Isora", "ycoden", "ycodenBMP", 18, { 351, 369 } },
    { "Yecla", "yecla", "yeclaBMP", 18, { 265, 240 } },
} };

} // namespace

const std::array<Appellation, kAppellationCount> &appellations()
{
    return kAppellations;
}

const QStringList &appellationNames()
{
    static const QStringList names = [] {
        QStringList list;
        list.reserve(kAppellationCount);
        for (const Appellation &a : kAppellations)
            list.append(QString::fromUtf8(a.name));
        return list;
    }();
    return names;
}

int appellationIndex(const QString &name)
{
    return static_cast<int>(appellationNames().indexOf(name));
}

QString appellationName(int index)
{
    if (index < 0 || index >= kAppellationCount)
        return QString();
    return appellationNames().at(index);
}

QString appellationPicturePath(int index)
{
    if (index < 0 || index >= kAppellationCount)
        return QString();
    return QStringLiteral(":/guides/pictures/%1.png").arg(QLatin1String(kAppellations[index].key));
}

QPoint markerCentreOnMap(int index)
{
    if (index < 0 || index >= kAppellationCount)
        return QPoint();
    return kAppellations[index].marker + kMarkerCentre - kMapPictureOrigin;
}

} // namespace caveto
