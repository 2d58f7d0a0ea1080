#pragma once
// Where the focus goes in the main window when the notes editor or the photo
// window closes: the record list while deleting or consulting, the wine's
// name otherwise.

#include "cellar/Cavetopas.h"
#include "cellar/Modes.h"

#include <QComboBox>
#include <QLineEdit>

namespace caveto {

inline void returnFocusToMain(TFormCavetoPas *main)
{
    if (mode::isReadOnly(main->ModoActual))
        main->Csalida->setFocus();
    else
        main->NombreVino->setFocus();
}

} // namespace caveto
