#pragma once
// The listing window: builds a report of the wines that match the criteria,
// with a heading, one fixed-column line per wine and the totals, and prints
// it in landscape. It keeps nothing between openings.

#include "search/CriteriaForm.h"

class QLabel;
class TRichEdit;

class TFormListado2 : public TCriteriaForm
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 748;
    static constexpr int kClientHeight = 316;

    explicit TFormListado2(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *LOpcion = nullptr;
    TRichEdit *EditorNotas = nullptr;
    QPushButton *BImprimir = nullptr;
    QPushButton *BSalirInformes = nullptr;

    void BBuscarClick();
    void BBorrarClick();
    void BImprimirClick();
    void BSalirInformesClick();

protected:
    void FormActivate() override;
};
