#pragma once
// Tasting notebook, smell: up to four aromas, fruitiness, bouquet and the
// smell rating.

class TFormCavetoPas;
#include "tasting/TastingForm.h"

class QComboBox;

class TFormCataOlfato : public TTastingForm
{
    Q_OBJECT

public:
    explicit TFormCataOlfato(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *POlfato = nullptr;
    QWidget *PDatosOlfato = nullptr;
    QComboBox *Aroma1 = nullptr, *Aroma2 = nullptr, *Aroma3 = nullptr, *Aroma4 = nullptr;
    QComboBox *Afrutado = nullptr, *Bouquet = nullptr;
    QLabel *PCaliOlfato = nullptr;
    QComboBox *CaliOlfato = nullptr;
    QPlainTextEdit *MOlfato = nullptr;
    QPushButton *BOkOlfato = nullptr;

public slots:
    void BOkOlfatoClick();
};
