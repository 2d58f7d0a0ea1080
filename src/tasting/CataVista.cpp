#include "tasting/CataVista.h"

#include "cellar/Cavetopas.h"

#include "tasting/TastingLists.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TFormCataVista::TFormCataVista(TFormCavetoPas *main, QWidget *parent)
    : TTastingForm(main, parent, QStringLiteral(" Caveto  Cata de Vinos   VISTA."),
        QStringLiteral("Cata de Vinos   VISTA"), 623,
        { "PVista", "PDatosVista", "MVista", "MVista", "BOkDatos" })
{
    setObjectName(QStringLiteral("TFormCataVista"));
    PVista = titlePanel();
    PDatosVista = dataPanel();
    MVista = referenceText();
    BOkDatos = acceptButton();

    using namespace caveto::tasting;
    Limpieza = addList(QStringLiteral("Limpieza"), QStringLiteral("Limpieza"), limpiezaList(),
        main->Limpieza, kColumn[0], kRow1);
    Color = addList(QStringLiteral("Color"), QStringLiteral("Color"), colorList(), main->Color,
        kColumn[1], kRow1);
    Intensidad = addList(QStringLiteral("Intensidad"), QStringLiteral("Intensidad"),
        intensidadList(), main->Intensidad, kColumn[2], kRow1);
    Viscosidad = addList(QStringLiteral("Viscosidad"), QStringLiteral("Viscosidad"),
        viscosidadList(), main->Viscosidad, kColumn[3], kRow1);
    CaliVista = addRating(QStringLiteral("PCaliVista"),
        QStringLiteral("  Calificación Vista .................."), QStringLiteral("CaliVista"),
        main->CaliVista, main->PVistaCali);
    PCaliVista = qobject_cast<QLabel *>(CaliVista->parentWidget());

    connect(BOkDatos, &QPushButton::clicked, this, &TFormCataVista::BOkDatosClick);
    FormCreate();
}

void TFormCataVista::BOkDatosClick()
{
    accept();
}
