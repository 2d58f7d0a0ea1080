#include "app/Inicio.h"
TFormInicio::TFormInicio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormInicio"));
}
