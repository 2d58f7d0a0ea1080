#include "cellar/Baja.h"

#include "cellar/Cavetopas.h"
#include "cellar/WineHeader.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QLabel>
#include <QPushButton>

using caveto::Field;

TFormBaja::TFormBaja(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    setObjectName(QStringLiteral("TFormBaja"));
    setWindowTitle(QStringLiteral(" Caveto  Baja."));
    caveto::setupFixedForm(this, 445, 178);

    PDatosGenCab = new TWineHeader(this,
        { { Field::NombreVino, "Nombre del Vino", 8, 250 }, { Field::Cosecha, "Año", 266, 50 },
            { Field::DenoOrigen, "Denominación de Origen", 8, 250, 1 },
            { Field::Vino, "Vino", 266, 155, 1 }, { Field::TipoVino, "Tipo", 8, 250, 2 } });
    PDatosGenCab->setGeometry(8, 8, 429, 114);
    PNombreVino = PDatosGenCab->PNombreVino;
    PCosecha = PDatosGenCab->PCosecha;
    PDenoOrigen = PDatosGenCab->PDenoOrigen;
    PVino = PDatosGenCab->PVino;
    PTipoVino = PDatosGenCab->PTipoVino;

    BBajaSi = caveto::makeButton(
        this, QStringLiteral("BBajaSi"), QStringLiteral("&Aceptar"), QStringLiteral("BAceptar"));
    BBajaNo = caveto::makeButton(
        this, QStringLiteral("BBajaNo"), QStringLiteral("&Cancelar"), QStringLiteral("BCancelar"));
    BBajaSi->setGeometry(120, 134, 96, 34);
    BBajaNo->setGeometry(229, 134, 96, 34);
    // Enter presses the button holding the focus, and "&Aceptar" only while
    // no other button has it: the window opens on "&Cancelar", so Enter alone
    // never deletes. Escape cancels.
    BBajaSi->setAutoDefault(true);
    BBajaNo->setAutoDefault(true);
    BBajaSi->setDefault(true);

    connect(BBajaSi, &QPushButton::clicked, this, &TFormBaja::BBajaSiClick);
    connect(BBajaNo, &QPushButton::clicked, this, &TFormBaja::BBajaNoClick);
    FormCreate();
}

void TFormBaja::FormCreate()
{
    PDatosGenCab->showRecord(m_main->currentFields());
}

void TFormBaja::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    BBajaNo->setFocus();
}

void TFormBaja::BBajaSiClick()
{
    m_main->deleteSelectedRecord();
    accept();
}

void TFormBaja::BBajaNoClick()
{
    m_main->RespuestaBaja = QStringLiteral("N");
    reject();
}
