// The main window's side of the notes and the photo: opening the notes
// editor and the photo window, and the LED beside "&Ver Foto".

#include "cellar/Cavetopas.h"
#include "cellar/Modes.h"
#include "controls/Blinklbl.h"
#include "notes/EditorPas.h"
#include "notes/Imagen.h"
#include "notes/PhotoRules.h"
#include "platform/MessageBox.h"

#include <QLineEdit>

void TFormCavetoPas::refreshPhotoLed()
{
    caveto::applyPhotoLed(Led, caveto::photo::ledForPath(Imagen->text()));
}

void TFormCavetoPas::BEditorClick()
{
    if (tastingRefused())
        return;
    // A new wine gets its notes name the first time its notes are opened, so
    // that opening them again finds the same file.
    if (ModoActual == caveto::mode::Alta && caveto::trimBlanks(Valor_Editor->text()).isEmpty())
        Valor_Editor->setText(newNotesName());
    Valor_Editor->setText(Valor_Editor->text().left(caveto::kNotesNameLength));
    TFormEditorPas editor(this);
    openWindow(&editor, QStringLiteral("Opción Cata de Vinos Editar Notas"));
}

void TFormCavetoPas::BImagenClick()
{
    LOpcionAbierta->setText(QStringLiteral("Opción Ver Foto"));
    {
        // The window reads the record's picture as it is built, and may
        // report a missing file before it shows.
        TFormImagen window(this);
        caveto::execModal(&window);
    }
    LOpcionAbierta->clear();
}
