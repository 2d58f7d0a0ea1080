#include "cellar/AvisoProg.h"

#include "cellar/Cavetopas.h"

TFormAvisoProg::TFormAvisoProg(TFormCavetoPas *main, QWidget *parent)
    : TSaveQuestion(parent ? parent : main, QStringLiteral("Datos del Vino"), &main->RespuestaAviso)
{
    setObjectName(QStringLiteral("TFormAvisoProg"));
}
