#include "tasting/CataOlfato.h"

#include "cellar/Cavetopas.h"

#include "tasting/TastingLists.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TFormCataOlfato::TFormCataOlfato(TFormCavetoPas *main, QWidget *parent)
    : TTastingForm(main, parent, QStringLiteral(" Caveto  Cata de Vinos   OLFATO."),
        QStringLiteral("Cata de Vinos   OLFATO"), 623,
        { "POlfato", "PDatosOlfato", "MOlfato", "MOlfato", "BOkOlfato" })
{
    setObjectName(QStringLiteral("TFormCataOlfato"));
    POlfato = titlePanel();
    PDatosOlfato = dataPanel();
    MOlfato = referenceText();
    BOkOlfato = acceptButton();

    using namespace caveto::tasting;
    Aroma1 = addList(QStringLiteral("Aroma1"), QStringLiteral("Aroma 1"), aromaList(), main->Aroma1,
        kColumn[0], kRow1);
    Aroma2 = addList(QStringLiteral("Aroma2"), QStringLiteral("Aroma 2"), aromaList(), main->Aroma2,
        kColumn[1], kRow1);
    Aroma3 = addList(QStringLiteral("Aroma3"), QStringLiteral("Aroma 3"), aromaList(), main->Aroma3,
        kColumn[2], kRow1);
    Aroma4 = addList(QStringLiteral("Aroma4"), QStringLiteral("Aroma 4"), aromaList(), main->Aroma4,
        kColumn[3], kRow1);
    Afrutado = addList(QStringLiteral("Afrutado"), QStringLiteral("Afrutado"), afrutadoList(),
        main->Afrutado, kColumn[0], kRow2);
    Bouquet = addList(QStringLiteral("Bouquet"), QStringLiteral("Bouquet"), bouquetList(),
        main->Bouquet, kColumn[1], kRow2);
    CaliOlfato = addRating(QStringLiteral("PCaliOlfato"),
        QStringLiteral("  Calificación Olfato ................."), QStringLiteral("CaliOlfato"),
        main->CaliOlfato, main->POlfatoCali);
    PCaliOlfato = qobject_cast<QLabel *>(CaliOlfato->parentWidget());

    connect(BOkOlfato, &QPushButton::clicked, this, &TFormCataOlfato::BOkOlfatoClick);
    FormCreate();
}

void TFormCataOlfato::BOkOlfatoClick()
{
    accept();
}
