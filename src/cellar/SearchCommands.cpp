// The main window's side of the search and the listing: opening their
// windows and showing the wine the user picked in the search.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/Modes.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "search/Buscar.h"
#include "search/Criteria.h"
#include "search/Listados2.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using caveto::Field;

void TFormCavetoPas::BBuscarClick()
{
    if (!needRecords())
        return;
    if (!recordSelected()) {
        caveto::setFieldColor(NumBotellas, caveto::colors::CampoNormal);
        ClearRecordFields();
    }
    if (ModoActual == caveto::mode::Modi && recordSelected()) {
        switch (settleEdits()) {
        case Edits::Saved:
        case Edits::NotSaved:
        case Edits::Kept:
            // The modify command ran (or stopped on a check), or the user
            // went back to the record: no search this time.
            return;
        case Edits::Dropped:
            ShowRecord();
            NombreVino->setFocus();
            clearNewValueMarks();
            break;
        case Edits::Unchanged:
            break;
        }
    }

    {
        TFormBuscar window(this);
        openWindow(&window, QStringLiteral("Opción Buscar"));
    }

    const QString key = caveto::trimBlanks(caveto::program().ClaveElegida);
    if (key.isEmpty())
        return;
    const QStringList &records = EditorFichero.records();
    for (int row = 0; row < records.size(); ++row) {
        if (caveto::sameCriterionText(caveto::columnText(records.at(row), Field::EFichero), key)) {
            selectRow(row);
            ShowRecord();
            return;
        }
    }
}

void TFormCavetoPas::Informes1Click()
{
    if (!needRecords())
        return;
    TFormListado2 window(this);
    openWindow(&window, QStringLiteral("Opción Listado"));
}
