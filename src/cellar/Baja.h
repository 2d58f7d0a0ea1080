#pragma once
// The delete confirmation: shows the record about to go and deletes it on
// "&Aceptar". It opens with the focus on "&Cancelar"; Enter presses the
// focused button, Escape cancels.

#include <QDialog>

class QLabel;
class QPushButton;
class TFormCavetoPas;
class TWineHeader;

class TFormBaja : public QDialog
{
    Q_OBJECT
public:
    explicit TFormBaja(TFormCavetoPas *main, QWidget *parent = nullptr);

    TWineHeader *PDatosGenCab = nullptr;
    QLabel *PNombreVino = nullptr, *PCosecha = nullptr, *PDenoOrigen = nullptr, *PVino = nullptr,
           *PTipoVino = nullptr;
    QPushButton *BBajaSi = nullptr;
    QPushButton *BBajaNo = nullptr;

public slots:
    void BBajaSiClick();
    void BBajaNoClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    TFormCavetoPas *m_main;
};
