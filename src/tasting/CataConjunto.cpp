#include "tasting/CataConjunto.h"

#include "cellar/Cavetopas.h"

#include "tasting/TastingLists.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TFormCataConjunto::TFormCataConjunto(TFormCavetoPas *main, QWidget *parent)
    : TTastingForm(main, parent, QStringLiteral(" Caveto  Cata de Vinos   CONJUNTO."),
        QStringLiteral("Cata de Vinos   CONJUNTO"), 622,
        { "PConjunto", "PDatosConjunto", "MCalidad", "MCalidad", "BOkConjunto" })
{
    setObjectName(QStringLiteral("TFormCataConjunto"));
    PConjunto = titlePanel();
    PDatosConjunto = dataPanel();
    MCalidad = referenceText();
    BOkConjunto = acceptButton();

    using namespace caveto::tasting;
    Conjunto1 = addList(QStringLiteral("Conjunto1"), QStringLiteral("Conjunto 1"), conjuntoList(),
        main->Conjunto1, kColumn[0], kRow1);
    Conjunto2 = addList(QStringLiteral("Conjunto2"), QStringLiteral("Conjunto 2"), conjuntoList(),
        main->Conjunto2, kColumn[1], kRow1);
    Conjunto3 = addList(QStringLiteral("Conjunto3"), QStringLiteral("Conjunto 3"), conjuntoList(),
        main->Conjunto3, kColumn[2], kRow1);
    Conjunto4 = addList(QStringLiteral("Conjunto4"), QStringLiteral("Conjunto 4"), conjuntoList(),
        main->Conjunto4, kColumn[3], kRow1);
    CaliConjunto = addRating(QStringLiteral("PCaliConjunto"),
        QStringLiteral("  Calificación Conjunto ............"), QStringLiteral("CaliConjunto"),
        main->CaliConjunto, main->PCaliFinal);
    PCaliConjunto = qobject_cast<QLabel *>(CaliConjunto->parentWidget());

    connect(BOkConjunto, &QPushButton::clicked, this, &TFormCataConjunto::BOkConjuntoClick);
    FormCreate();
}

void TFormCataConjunto::BOkConjuntoClick()
{
    accept();
}
