#include "notes/AvisoEditor.h"

#include "notes/EditorPas.h"

TFormAvisoEditor::TFormAvisoEditor(TFormEditorPas *editor)
    : TSaveQuestion(editor, QStringLiteral("Editor / Notas"), &editor->RespuestaEditor)
{
    setObjectName(QStringLiteral("TFormAvisoEditor"));
}
