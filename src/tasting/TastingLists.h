#pragma once
// The word lists of the tasting notebook's drop-down fields. They are shown
// in the order given here: every list is alphabetical except the rating
// scale, which runs from worst to best. A list item is never longer than the
// 20 columns of a term field, so picking one never loses a letter.

#include <QString>
#include <QStringList>

namespace caveto::tasting {

// The five-step scale of every rating field (and of the balance field).
inline const QStringList &ratingScale()
{
    static const QStringList list = {
        QStringLiteral("Deficiente"),
        QStringLiteral("Regular"),
        QStringLiteral("Bueno"),
        QStringLiteral("Muy Bueno"),
        QStringLiteral("Excelente"),
    };
    return list;
}

// ---- General data ----------------------------------------------------------

inline const QStringList &botellaList()
{
    static const QStringList list = {
        QStringLiteral("Bordelesa"),
        QStringLiteral("Borgoñesa"),
        QStringLiteral("Champagne"),
        QStringLiteral("Especial 50 cl"),
        QStringLiteral("Jerezana"),
        QStringLiteral("Magnum"),
        QStringLiteral("Rhin"),
    };
    return list;
}

inline const QStringList &taponList()
{
    static const QStringList list = {
        QStringLiteral("Corcho Aglomerado"),
        QStringLiteral("Corcho Agujereado"),
        QStringLiteral("Corcho Artificial"),
        QStringLiteral("Corcho Corto"),
        QStringLiteral("Corcho Graso"),
        QStringLiteral("Corcho Largo"),
        QStringLiteral("Corcho Leñoso"),
        QStringLiteral("Corcho Verde"),
    };
    return list;
}

inline const QStringList &capsulaList()
{
    static const QStringList list = {
        QStringLiteral("Aluminio"),
        QStringLiteral("Estaño"),
        QStringLiteral("Material Complejo"),
        QStringLiteral("Plomo / Estaño"),
        QStringLiteral("Pvc"),
    };
    return list;
}

inline const QStringList &fermentacionList()
{
    static const QStringList list = {
        QStringLiteral("Alcoholica"),
        QStringLiteral("Carbonica"),
        QStringLiteral("En Frio"),
        QStringLiteral("Malolactica"),
    };
    return list;
}

// ---- Sight -------------------------------------------------------------------

inline const QStringList &limpiezaList()
{
    static const QStringList list = {
        QStringLiteral("Apagado"),
        QStringLiteral("Brillante"),
        QStringLiteral("Claro"),
        QStringLiteral("Con Particulas"),
        QStringLiteral("Cristalino"),
        QStringLiteral("Limpio"),
        QStringLiteral("Opaco"),
        QStringLiteral("Sucio"),
        QStringLiteral("Turbio"),
        QStringLiteral("Velado"),
    };
    return list;
}

inline const QStringList &colorList()
{
    static const QStringList list = {
        QStringLiteral("Albaricoque"),
        QStringLiteral("Amarillo"),
        QStringLiteral("Amarillo Ambar"),
        QStringLiteral("Amarillo Canario"),
        QStringLiteral("Amarillo Caoba"),
        QStringLiteral("Amarillo Dorado"),
        QStringLiteral("Amarillo Limon"),
        QStringLiteral("Amarillo Oro"),
        QStringLiteral("Amarillo Pajizo"),
        QStringLiteral("Amarillo Palido"),
        QStringLiteral("Amarillo Pardusco"),
        QStringLiteral("Amarillo Verdoso"),
        QStringLiteral("Anaranjado"),
        QStringLiteral("Oro Viejo"),
        QStringLiteral("Rojo Amarillento"),
        QStringLiteral("Rojo Bermellon"),
        QStringLiteral("Rojo Carmesi"),
        QStringLiteral("Rojo Castaño"),
        QStringLiteral("Rojo Cereza"),
        QStringLiteral("Rojo Granate"),
        QStringLiteral("Rojo Grosella"),
        QStringLiteral("Rojo Marron"),
        QStringLiteral("Rojo Pardo"),
        QStringLiteral("Rojo Picota"),
        QStringLiteral("Rojo Piel de Cebolla"),
        QStringLiteral("Rojo Purpura"),
        QStringLiteral("Rojo Rubi"),
        QStringLiteral("Rojo Teja"),
        QStringLiteral("Rojo Violeta"),
        QStringLiteral("Rosa"),
        QStringLiteral("Rosa Anaranjado"),
        QStringLiteral("Rosa Carmin"),
        QStringLiteral("Rosa Cereza"),
        QStringLiteral("Rosa Frambuesa"),
        QStringLiteral("Rosa Ojo de Perdiz"),
        QStringLiteral("Rosa Salmon"),
        QStringLiteral("Rosa Violeta"),
    };
    return list;
}

inline const QStringList &intensidadList()
{
    static const QStringList list = {
        QStringLiteral("Abierto"),
        QStringLiteral("Acuoso"),
        QStringLiteral("Cubierto"),
        QStringLiteral("Intenso"),
        QStringLiteral("Mediano"),
        QStringLiteral("Oscuro"),
        QStringLiteral("Palido"),
        QStringLiteral("Vivo"),
    };
    return list;
}

inline const QStringList &viscosidadList()
{
    static const QStringList list = {
        QStringLiteral("Aceitoso"),
        QStringLiteral("Acuoso"),
        QStringLiteral("Denso"),
        QStringLiteral("Ligero"),
        QStringLiteral("Normal"),
    };
    return list;
}

// ---- Smell -------------------------------------------------------------------

// "Agrio " carries a trailing blank, and keeps it.
inline const QStringList &aromaList()
{
    static const QStringList list = {
        QStringLiteral("Acacia"),
        QStringLiteral("Agrio "),
        QStringLiteral("Albahaca"),
        QStringLiteral("Albaricoque"),
        QStringLiteral("Almendra Tostada"),
        QStringLiteral("Almendro"),
        QStringLiteral("Almizcle"),
        QStringLiteral("Anís"),
        QStringLiteral("Avellana"),
        QStringLiteral("Azufre"),
        QStringLiteral("Barniz"),
        QStringLiteral("Cacao"),
        QStringLiteral("Café"),
        QStringLiteral("Canela"),
        QStringLiteral("Caramelo"),
        QStringLiteral("Cereza"),
        QStringLiteral("Cerezas Confitadas"),
        QStringLiteral("Ciruela"),
        QStringLiteral("Clavel"),
        QStringLiteral("Clavo"),
        QStringLiteral("Confitería"),
        QStringLiteral("Corcho"),
        QStringLiteral("Cuero"),
        QStringLiteral("Esmalte"),
        QStringLiteral("Especias"),
        QStringLiteral("Flores"),
        QStringLiteral("Frambuesa"),
        QStringLiteral("Fresa"),
        QStringLiteral("Fruta Madura"),
        QStringLiteral("Frutos Frescos"),
        QStringLiteral("Frutos Secos"),
        QStringLiteral("Grosella"),
        QStringLiteral("Helecho"),
        QStringLiteral("Heno"),
        QStringLiteral("Hierbas"),
        QStringLiteral("Higo"),
        QStringLiteral("Jazmín"),
        QStringLiteral("Laurel"),
        QStringLiteral("Lavanda"),
        QStringLiteral("Limón"),
        QStringLiteral("Lirio"),
        QStringLiteral("Manzana"),
        QStringLiteral("Manzanilla"),
        QStringLiteral("Melocotón"),
        QStringLiteral("Melocotón Confitado"),
        QStringLiteral("Menta"),
        QStringLiteral("Miel"),
        QStringLiteral("Moho"),
        QStringLiteral("Mora"),
        QStringLiteral("Musgo"),
        QStringLiteral("Naranjo"),
        QStringLiteral("Narciso"),
        QStringLiteral("Níscalo"),
        QStringLiteral("Nuez"),
        QStringLiteral("Olores Animales"),
        QStringLiteral("Orégano"),
        QStringLiteral("Pan Tostado"),
        QStringLiteral("Pasas"),
        QStringLiteral("Pieles"),
        QStringLiteral("Pimienta"),
        QStringLiteral("Pino"),
        QStringLiteral("Pistacho"),
        QStringLiteral("Plástico"),
        QStringLiteral("Poleo"),
        QStringLiteral("Pomelo"),
        QStringLiteral("Químicos"),
        QStringLiteral("Reducido"),
        QStringLiteral("Regaliz"),
        QStringLiteral("Resina"),
        QStringLiteral("Romero"),
        QStringLiteral("Rosa"),
        QStringLiteral("Sauce"),
        QStringLiteral("Seta"),
        QStringLiteral("Tabaco"),
        QStringLiteral("Té"),
        QStringLiteral("Tomillo"),
        QStringLiteral("Torrefactos"),
        QStringLiteral("Trufa"),
        QStringLiteral("Vainilla"),
        QStringLiteral("Vinagre"),
        QStringLiteral("Violeta"),
    };
    return list;
}

inline const QStringList &afrutadoList()
{
    static const QStringList list = {
        QStringLiteral("Alto"),
        QStringLiteral("Ligero"),
        QStringLiteral("Ninguno"),
        QStringLiteral("Pronunciado"),
    };
    return list;
}

inline const QStringList &bouquetList()
{
    static const QStringList list = {
        QStringLiteral("Agradable"),
        QStringLiteral("Complejo"),
        QStringLiteral("Fuerte"),
        QStringLiteral("Ninguno"),
    };
    return list;
}

// ---- Taste -------------------------------------------------------------------

inline const QStringList &dulzorList()
{
    static const QStringList list = {
        QStringLiteral("Blando"),
        QStringLiteral("Delicado"),
        QStringLiteral("Dulce"),
        QStringLiteral("Flojo"),
        QStringLiteral("Graso"),
        QStringLiteral("Muy Seco"),
        QStringLiteral("Pastoso"),
        QStringLiteral("Pesado"),
        QStringLiteral("Seco"),
        QStringLiteral("Semidulce"),
        QStringLiteral("Semiseco"),
        QStringLiteral("Suave"),
        QStringLiteral("Tosco"),
        QStringLiteral("Untuoso"),
    };
    return list;
}

inline const QStringList &taninoList()
{
    static const QStringList list = {
        QStringLiteral("Aspero"),
        QStringLiteral("Astringente"),
        QStringLiteral("Blando"),
        QStringLiteral("Duro"),
        QStringLiteral("Fluido"),
        QStringLiteral("Fuerte"),
        QStringLiteral("Lacio"),
        QStringLiteral("Seco"),
        QStringLiteral("Tanico"),
        QStringLiteral("Vacio"),
        QStringLiteral("Vigoroso"),
    };
    return list;
}

inline const QStringList &cuerpoList()
{
    static const QStringList list = {
        QStringLiteral("De Mucho Cuerpo"),
        QStringLiteral("Denso"),
        QStringLiteral("Ligero"),
        QStringLiteral("Mediano"),
        QStringLiteral("Muy Ligero"),
    };
    return list;
}

inline const QStringList &acidezList()
{
    static const QStringList list = {
        QStringLiteral("Acido"),
        QStringLiteral("Agudo"),
        QStringLiteral("Apagado"),
        QStringLiteral("Aspero"),
        QStringLiteral("Aviso"),
        QStringLiteral("Blando"),
        QStringLiteral("Duro"),
        QStringLiteral("Endeble"),
        QStringLiteral("Flojo"),
        QStringLiteral("Fresco"),
        QStringLiteral("Hueco"),
        QStringLiteral("Mordaz"),
        QStringLiteral("Mordiente"),
        QStringLiteral("Nervioso"),
        QStringLiteral("Pesado"),
        QStringLiteral("Pleno"),
        QStringLiteral("Refrescante"),
        QStringLiteral("Verde"),
        QStringLiteral("Vivo"),
    };
    return list;
}

inline const QStringList &duracionList()
{
    static const QStringList list = {
        QStringLiteral("Aceptable"),
        QStringLiteral("Corta"),
        QStringLiteral("Larga"),
        QStringLiteral("Prolongada"),
    };
    return list;
}

// ---- Overall -----------------------------------------------------------------

inline const QStringList &conjuntoList()
{
    static const QStringList list = {
        QStringLiteral("Aceptable"),
        QStringLiteral("Agil"),
        QStringLiteral("Armonioso"),
        QStringLiteral("Aterciopelado"),
        QStringLiteral("Basto"),
        QStringLiteral("Bien Constituido"),
        QStringLiteral("Bueno"),
        QStringLiteral("Carnoso"),
        QStringLiteral("Completo"),
        QStringLiteral("Con Raza"),
        QStringLiteral("De Cuerpo"),
        QStringLiteral("Delgado"),
        QStringLiteral("Delicado"),
        QStringLiteral("Elegante"),
        QStringLiteral("Equilibrado"),
        QStringLiteral("Excelente"),
        QStringLiteral("Fino"),
        QStringLiteral("Grueso"),
        QStringLiteral("Ligero"),
        QStringLiteral("Maduro"),
        QStringLiteral("Mediocre"),
        QStringLiteral("Reducido"),
        QStringLiteral("Rico"),
        QStringLiteral("Robusto"),
        QStringLiteral("Sedoso"),
        QStringLiteral("Solido"),
        QStringLiteral("Suave"),
        QStringLiteral("Suelto"),
    };
    return list;
}

} // namespace caveto::tasting
