#include "guides/Uvas.h"

TFormUvas::TFormUvas(QWidget *parent)
    : TGuideTextForm(parent, QStringLiteral("TFormUvas"), QStringLiteral(" Caveto  Tipos de Uva."),
        QStringLiteral("Tipos de Uva"), 633, 279)
{
    MUvas = addPlainText(QStringLiteral("MUvas"), QStringLiteral("Uvas"));
}
