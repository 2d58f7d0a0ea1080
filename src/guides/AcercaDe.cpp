#include "guides/AcercaDe.h"

TFormAcercaDe::TFormAcercaDe(QWidget *parent)
    : TGuideTextForm(parent, QStringLiteral("TFormAcercaDe"), QStringLiteral(" Caveto"),
        QStringLiteral("Caveto"), 634, 279)
{
    MCataVin = addPlainText(QStringLiteral("MCataVin"), QStringLiteral("Introduccion"));
}
