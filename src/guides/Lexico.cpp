#include "guides/Lexico.h"

TFormLexico::TFormLexico(QWidget *parent)
    : TGuideTextForm(parent, QStringLiteral("TFormLexico"), QStringLiteral(" Caveto  Léxico."),
        QStringLiteral("Léxico"), 634, 279)
{
    MLexico = addPlainText(QStringLiteral("MLexico"), QStringLiteral("Lexico"));
}
