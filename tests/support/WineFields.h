#pragma once
// Typing a wine's three required fields into the cellar book window.

#include "support/CavetoFixture.h"

inline void typeWine(
    TFormCavetoPas *w, const QString &name, const QString &year, const QString &deno)
{
    typeInto(w->NombreVino, name);
    typeInto(w->Cosecha, year);
    typeInto(w->DenoOrigen, deno);
}
