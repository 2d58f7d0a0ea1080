#pragma once
// Tasting notebook, overall impression: up to four terms and the final
// rating.

class TFormCavetoPas;
#include "tasting/TastingForm.h"

class QComboBox;

class TFormCataConjunto : public TTastingForm
{
    Q_OBJECT

public:
    explicit TFormCataConjunto(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *PConjunto = nullptr;
    QWidget *PDatosConjunto = nullptr;
    QComboBox *Conjunto1 = nullptr, *Conjunto2 = nullptr, *Conjunto3 = nullptr,
              *Conjunto4 = nullptr;
    QLabel *PCaliConjunto = nullptr;
    QComboBox *CaliConjunto = nullptr;
    QPlainTextEdit *MCalidad = nullptr;
    QPushButton *BOkConjunto = nullptr;

public slots:
    void BOkConjuntoClick();
};
