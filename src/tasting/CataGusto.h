#pragma once
// Tasting notebook, taste: sweetness, tannin, body, acidity, length, balance
// and the taste rating.

class TFormCavetoPas;
#include "tasting/TastingForm.h"

class QComboBox;

class TFormCataGusto : public TTastingForm
{
    Q_OBJECT

public:
    explicit TFormCataGusto(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *PGusto = nullptr;
    QWidget *PDatosGusto = nullptr;
    QComboBox *Dulzor = nullptr, *Tanino = nullptr, *Cuerpo = nullptr, *Acidez = nullptr;
    QComboBox *Duracion = nullptr, *Equilibrio = nullptr;
    QLabel *PCaliGusto = nullptr;
    QComboBox *CaliGusto = nullptr;
    QPlainTextEdit *MGusto = nullptr;
    QPushButton *BOkGusto = nullptr;

public slots:
    void BOkGustoClick();
};
