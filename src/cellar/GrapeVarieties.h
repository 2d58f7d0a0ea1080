#pragma once
// The grape varieties every grape field offers; the records never change them.

#include <array>

namespace caveto {

inline constexpr std::array<const char *, 83> kGrapeVarieties = {
    "Albariño", "Albillo", "Auxerrois", "Barbera",
    "Barroca", "Bobal", "Cabernet", "Cabernet Franc",
    "Cabernet Sauvignon", "Cariñena", "Cencibel", "Chardonnay",
    "Chenin Blanc", "Doña Blanca", "Fogoneu", "Folle Blanch",
    "Gamay", "Garnacha", "Garnacha Blanca", "Gewurztraminer",
    "Giro", "Godello", "Graciano", "Grand Noir",
    "Hondarribi Beltza", "Hondarribi Zuri", "Lado", "Lambrusco",
    "Listan", "Listan Negro", "Loureiro", "Macabeo",
    "Malbec", "Malvasia", "Manto Negro", "Marsanne",
    "Marseguera", "Mazuelo", "Mencia", "Merlot",
    "Molinara", "Monastrell", "Moristel", "Moscatel Alejandria",
    "Moscatel Frontigna", "Moscatel Grano Medio", "Moscatel Romano", "Muscadelle",
    "Nebbiolo", "Negramoll", "Palomino Fino", "Panache Blanc",
    "Pansa Blanca", "Parellada", "Parraleta", "Pedro Ximenez",
    "Petit Verdot", "Picapoll", "Pinot Blanc", "Pinot Gris",
    "Pinot Meunier", "Pinot Noir", "Prensa Blanc", "Prieto Picudo",
    "Riesling", "Rivaner", "Rondinella", "Sauvignon Blanc",
    "Semillon", "Spiegel", "Syrah", "Tempranillo",
    "Tinta Toro", "Tinto Fino", "Treixadura", "Trincadeira",
    "Ull de LLebre", "Verdejo", "Viura", "Welschriesling",
    "Xarel Lo", "Zalema", "Zinfandel",
};

} // namespace caveto
