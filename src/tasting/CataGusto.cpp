#include "tasting/CataGusto.h"

#include "cellar/Cavetopas.h"

#include "tasting/TastingLists.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TFormCataGusto::TFormCataGusto(TFormCavetoPas *main, QWidget *parent)
    : TTastingForm(main, parent, QStringLiteral(" Caveto  Cata de Vinos   GUSTO."),
        QStringLiteral("Cata de Vinos   GUSTO"), 623,
        { "PGusto", "PDatosGusto", "MGusto", "MGusto", "BOkGusto" })
{
    setObjectName(QStringLiteral("TFormCataGusto"));
    PGusto = titlePanel();
    PDatosGusto = dataPanel();
    MGusto = referenceText();
    BOkGusto = acceptButton();

    using namespace caveto::tasting;
    Dulzor = addList(QStringLiteral("Dulzor"), QStringLiteral("Dulzor"), dulzorList(), main->Dulzor,
        kColumn[0], kRow1);
    Tanino = addList(QStringLiteral("Tanino"), QStringLiteral("Tanino"), taninoList(), main->Tanino,
        kColumn[1], kRow1);
    Cuerpo = addList(QStringLiteral("Cuerpo"), QStringLiteral("Cuerpo"), cuerpoList(), main->Cuerpo,
        kColumn[2], kRow1);
    Acidez = addList(QStringLiteral("Acidez"), QStringLiteral("Acidez"), acidezList(), main->Acidez,
        kColumn[3], kRow1);
    Duracion = addList(QStringLiteral("Duracion"), QStringLiteral("Duración"), duracionList(),
        main->Duracion, kColumn[0], kRow2);
    // Balance uses the rating words but is an ordinary term field: it feeds
    // no summary panel of the main window.
    Equilibrio = addList(QStringLiteral("Equilibrio"), QStringLiteral("Equilibrio"), ratingScale(),
        main->Equilibrio, kColumn[1], kRow2);
    CaliGusto = addRating(QStringLiteral("PCaliGusto"),
        QStringLiteral("  Calificación Gusto ................."), QStringLiteral("CaliGusto"),
        main->CaliGusto, main->PGustoCali);
    PCaliGusto = qobject_cast<QLabel *>(CaliGusto->parentWidget());

    connect(BOkGusto, &QPushButton::clicked, this, &TFormCataGusto::BOkGustoClick);
    FormCreate();
}

void TFormCataGusto::BOkGustoClick()
{
    accept();
}
