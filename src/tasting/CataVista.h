#pragma once
// Tasting notebook, sight: clearness, colour, intensity, viscosity and the
// sight rating.

class TFormCavetoPas;
#include "tasting/TastingForm.h"

class QComboBox;

class TFormCataVista : public TTastingForm
{
    Q_OBJECT

public:
    explicit TFormCataVista(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *PVista = nullptr;
    QWidget *PDatosVista = nullptr;
    QComboBox *Limpieza = nullptr, *Color = nullptr, *Intensidad = nullptr, *Viscosidad = nullptr;
    QLabel *PCaliVista = nullptr;
    QComboBox *CaliVista = nullptr;
    QPlainTextEdit *MVista = nullptr;
    QPushButton *BOkDatos = nullptr;

public slots:
    void BOkDatosClick();
};
