#pragma once
// The appellation map: a map of Spain with a blinking marker on the place of
// the appellation chosen in the list, its name beside the marker and, for
// "Cava", the ten provinces it covers. "&Ver D.O." opens the guide on the
// chosen appellation over the map.

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class TFormCavetoPas;
class ThhALed;
class TImagenPlus;

class TFormMapa : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 670;
    static constexpr int kClientHeight = 434;
    // The name panel starts this far right of the marker's left.
    static constexpr int kNameOffset = 23;

    explicit TFormMapa(TFormCavetoPas *main, QWidget *parent = nullptr);

    TImagenPlus *ImagenPlus1 = nullptr;
    ThhALed *Led1 = nullptr;
    QLabel *LOpcion = nullptr;
    QComboBox *DenoOrigen = nullptr;
    QLabel *PDeno = nullptr;
    QLabel *PRestoCava = nullptr;
    // The provinces of "Cava", top to bottom: PBarcelona, PTarragona,
    // PLLeida, PGirona, PRioja, PAlava, PZaragoza, Navarra, PValencia, PBadajoz.
    QList<QLabel *> provinces;
    QPushButton *BVerDeno = nullptr, *BOkDatos = nullptr;

public slots:
    void DenoOrigenChange();
    void BVerDenoClick();
    void BOkDatosClick();

private:
    void FormCreate();

    TFormCavetoPas *m_main;
};
