#include "guides/Decalogo.h"

TFormDecalogo::TFormDecalogo(QWidget *parent)
    : TGuideTextForm(parent, QStringLiteral("TFormDecalogo"), QStringLiteral(" Caveto  Decálogo."),
        QStringLiteral("Decálogo"), 635, 279)
{
    Mdecalogo = addPlainText(QStringLiteral("Mdecalogo"), QStringLiteral("Decalogo"), 4);
}
