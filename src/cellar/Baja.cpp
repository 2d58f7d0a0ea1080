#include "cellar/Baja.h"

#include "cellar/Cavetopas.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormBaja::TFormBaja(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main), m_main(main)
{
    setObjectName(QStringLiteral("TFormBaja"));
    setWindowTitle(QStringLiteral(" Caveto  Baja."));
    caveto::setupFixedForm(this, 445, 178);

    PDatosGenCab = caveto::makeContainer(this, QStringLiteral("PDatosGenCab"));
    PDatosGenCab->setGeometry(8, 8, 429, 114);

    auto panel = [this](const QString &name, const QString &label, int x, int y, int w) {
        caveto::makeLabel(PDatosGenCab, QStringLiteral("L") + name.mid(1), label, x, y);
        QLabel *p = caveto::makeDisplayPanel(PDatosGenCab, name, caveto::colors::Titulo, 0xFFFFFF);
        p->setGeometry(x, y + 14, w, 21);
        return p;
    };
    PNombreVino = panel(QStringLiteral("PNombreVino"), QStringLiteral("Nombre del Vino"), 8, 6, 250);
    PCosecha = panel(QStringLiteral("PCosecha"), QStringLiteral("Año"), 266, 6, 50);
    PDenoOrigen = panel(QStringLiteral("PDenoOrigen"), QStringLiteral("Denominación de Origen"), 8, 42, 250);
    PVino = panel(QStringLiteral("PVino"), QStringLiteral("Vino"), 266, 42, 155);
    PTipoVino = panel(QStringLiteral("PTipoVino"), QStringLiteral("Tipo"), 8, 78, 250);

    BBajaSi = caveto::makeButton(this, QStringLiteral("BBajaSi"), QStringLiteral("&Aceptar"),
                                 QStringLiteral("BAceptar"));
    BBajaNo = caveto::makeButton(this, QStringLiteral("BBajaNo"), QStringLiteral("&Cancelar"),
                                 QStringLiteral("BCancelar"));
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
    PNombreVino->setText(m_main->NombreVino->text());
    PCosecha->setText(m_main->Cosecha->text());
    PDenoOrigen->setText(m_main->DenoOrigen->currentText());
    PVino->setText(m_main->Vino->currentText());
    PTipoVino->setText(m_main->TipoVino->currentText());
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
