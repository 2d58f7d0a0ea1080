#pragma once
// Tasting notebook, general data: who tasted the wine, when, and the bottle,
// cork, capsule, fermentation and cask. The date and the hour are checked
// when the focus leaves them.

class TFormCavetoPas;
#include "tasting/TastingForm.h"

class QComboBox;
class QLineEdit;
class TNumEdit;

namespace caveto {
class ExitWatcher;
}

class TFormCataGen : public TTastingForm
{
    Q_OBJECT

public:
    explicit TFormCataGen(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *PDatos = nullptr;
    QWidget *PDatosGen = nullptr;
    QLineEdit *Catador = nullptr;
    TNumEdit *FCataDD = nullptr, *FCataMM = nullptr, *FCataYY = nullptr;
    TNumEdit *HoraIni = nullptr, *HoraFin = nullptr;
    QComboBox *Botella = nullptr, *Tapon = nullptr, *Capsula = nullptr, *Fermentacion = nullptr;
    QLineEdit *Barrica = nullptr;
    QPlainTextEdit *MDatosCata = nullptr;
    QPushButton *BOkDatos = nullptr;

    // Checks and normalises the three date fields; on a refused part the
    // part is emptied and takes the focus. False when a part was refused.
    bool CompruebaFechaCata();
    // The hour (0-23) and minute (0-59) of the tasting, normalised to two
    // digits; a refused value is emptied and takes the focus.
    bool CompruebaHoraIni();
    bool CompruebaHoraFin();

public slots:
    void BOkDatosClick();
    void FCataDDExit();
    void FCataMMExit();
    void FCataYYExit();
    void HoraIniExit();
    void HoraFinExit();

protected:
    bool checkPendingField() override;

private:
    bool checkHourField(TNumEdit *field, const QString &upperBound, const QString &message);
    caveto::ExitWatcher *m_exitWatcher = nullptr;
};
