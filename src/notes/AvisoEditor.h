#pragma once
// The notes editor's save question, titled "Editor / Notas". The answer goes
// into the editor's RespuestaEditor.

#include "platform/SaveQuestion.h"

class TFormEditorPas;

class TFormAvisoEditor : public TSaveQuestion
{
    Q_OBJECT
public:
    explicit TFormAvisoEditor(TFormEditorPas *editor);
};
