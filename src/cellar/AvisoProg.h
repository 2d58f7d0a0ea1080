#pragma once
// The main window's save question, titled "Datos del Vino". The answer goes
// into the main window's RespuestaAviso.

#include "platform/SaveQuestion.h"

class TFormCavetoPas;

class TFormAvisoProg : public TSaveQuestion
{
    Q_OBJECT
public:
    explicit TFormAvisoProg(TFormCavetoPas *main, QWidget *parent = nullptr);
};
