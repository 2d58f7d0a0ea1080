// The main window's entries that open the reference guides on the Spanish
// appellations: the guide, the national vintage chart and the map.

#include "cellar/Cavetopas.h"
#include "guides/Cosechas.h"
#include "guides/Mapa.h"
#include "guides/Vinos.h"

void TFormCavetoPas::Vinos1Click()
{
    // Opened from here the guide starts with nothing chosen.
    DenoMapa = -1;
    TFormVinos window(this);
    openWindow(&window, QStringLiteral("Opción Denominaciones de Origen"));
}

void TFormCavetoPas::Cosechas1Click()
{
    TFormCosechas window(this);
    openWindow(&window, QStringLiteral("Opción Cosechas"));
}

void TFormCavetoPas::MapaDO1Click()
{
    TFormMapa window(this);
    openWindow(&window, QStringLiteral("Opción Mapa D.O."));
}
