#pragma once
// The food pairing guide: pick a dish from one of eight category lists and
// the window shows how well each of eight kinds of wine goes with it, from
// "No" to "Excelente". The pairing codes travel at the end of each list
// item, past what the list shows (see guides/Dishes.h).

#include <QDialog>
#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace caveto {
class ExitWatcher;
}

class TFormMaridaje : public QDialog
{
    Q_OBJECT

public:
    explicit TFormMaridaje(QWidget *parent = nullptr);

    QLabel *LOpcion = nullptr;
    // The dish lists, in tab order, and their labels.
    QComboBox *CApeTapas = nullptr, *CVerduras = nullptr, *CHuevos = nullptr, *CSetas = nullptr,
              *CSopas = nullptr, *CPescado = nullptr, *CCarne = nullptr, *CQuesos = nullptr;
    QLabel *LApeTapas = nullptr, *LVerduras = nullptr, *LHuevos = nullptr, *Lsetas = nullptr,
           *LSopas = nullptr, *LPescados = nullptr, *Lcarne = nullptr, *LQuesos = nullptr;
    // The dish shown: its category and description.
    QWidget *PLargo = nullptr;
    QLabel *LTipoPlato = nullptr, *LDescripcion = nullptr;
    QLabel *PTipoPlato = nullptr, *PDescripcion = nullptr;
    // The eight wine kinds: label, picture and result panel each.
    QWidget *Panel1 = nullptr;
    QLabel *LGenerosos = nullptr, *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr,
           *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr,
           *Image5 = nullptr, *Image6 = nullptr, *Image7 = nullptr, *Image8 = nullptr;
    QLabel *PGen = nullptr, *PEsp = nullptr, *PBsc = nullptr, *PBcc = nullptr, *PRos = nullptr,
           *PTjo = nullptr, *PTcr = nullptr, *PDul = nullptr;
    QPushButton *BOkDatos = nullptr;

    // The codes of the dish last shown, one character each, in wine-kind
    // order (Secos ... Vino Dulce).
    std::array<QString, 8> CodigoMaridaje;

    // The result panels in wine-kind order.
    std::array<QLabel *, 8> resultPanels() const;

public slots:
    void CApeTapasChange();
    void CVerdurasChange();
    void CHuevosChange();
    void CSetasChange();
    void CSopasChange();
    void CPescadoChange();
    void CCarneChange();
    void CQuesosChange();
    void Crea_TipoVino();
    void FormActivate();
    void BOkDatosClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void buildLists();
    void buildDishPanel();
    void buildResultPanel();
    // What every category handler does, for the list of category `index`.
    void showDish(int index);

    std::array<QComboBox *, 8> m_lists {};
    caveto::ExitWatcher *m_entryWatcher = nullptr;
    bool m_activated = false;
};
