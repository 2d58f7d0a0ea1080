// The main window's commands that open the reference windows: the food
// pairing, the grape varieties, the decalogue, the tasting lexicon, the
// dictionary, the introduction to tasting and the about window. Each names
// its window in the option label while the window is open.

#include "cellar/Cavetopas.h"
#include "guides/AcercaDe.h"
#include "guides/AcercaDe2.h"
#include "guides/Decalogo.h"
#include "guides/DiccionarioAH.h"
#include "guides/Lexico.h"
#include "guides/Maridaje.h"
#include "guides/Uvas.h"

void TFormCavetoPas::Diccionario1Click()
{
    TFormDiccionarioAH window(this);
    openWindow(&window, QStringLiteral("Opción Diccionario"));
}

void TFormCavetoPas::Uvas1Click()
{
    TFormUvas window(this);
    openWindow(&window, QStringLiteral("Opción Tipos de Uva"));
}

void TFormCavetoPas::Declogo1Click()
{
    TFormDecalogo window(this);
    openWindow(&window, QStringLiteral("Opción Decálogo"));
}

void TFormCavetoPas::lexico1Click()
{
    TFormLexico window(this);
    openWindow(&window, QStringLiteral("Opción Léxico"));
}

void TFormCavetoPas::Maridaje1Click()
{
    TFormMaridaje window(this);
    openWindow(&window, QStringLiteral("Opción Maridaje"));
}

void TFormCavetoPas::Caveto1Click()
{
    TFormAcercaDe window(this);
    openWindow(&window, QStringLiteral("Opción Caveto"));
}

void TFormCavetoPas::Acerdade1Click()
{
    TFormAcercaDe2 window(this);
    openWindow(&window, QStringLiteral("Opción Acerda de..."));
}
