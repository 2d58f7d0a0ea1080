#include "cellar/AvisoProg.h"

#include "cellar/Cavetopas.h"
#include "platform/FormStyle.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TFormAvisoProg::TFormAvisoProg(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    setObjectName(QStringLiteral("TFormAvisoProg"));
    setWindowTitle(QStringLiteral(" Caveto   AVISO."));
    caveto::setupFixedForm(this, 281, 143);

    LOpcion
        = caveto::makeTitlePanel(this, QStringLiteral("LOpcion"), QStringLiteral("Datos del Vino"));
    LOpcion->setGeometry(8, 8, 265, 24);

    PPregunta = caveto::makePanel(this, QStringLiteral("PPregunta"),
        QStringLiteral("¿ Desea guardar los cambios efectuados ?"));
    PPregunta->setGeometry(8, 40, 265, 48);
    PPregunta->setAlignment(Qt::AlignCenter);
    PPregunta->setWordWrap(true);

    BSi = caveto::makeButton(
        this, QStringLiteral("BSi"), QStringLiteral("Si"), QStringLiteral("BSi"));
    BNo = caveto::makeButton(
        this, QStringLiteral("BNo"), QStringLiteral("No"), QStringLiteral("BNo"));
    BCancelar = caveto::makeButton(
        this, QStringLiteral("BCancelar"), QStringLiteral("Cancelar"), QStringLiteral("BCancelar"));
    BSi->setGeometry(8, 100, 84, 32);
    BNo->setGeometry(98, 100, 84, 32);
    BCancelar->setGeometry(189, 100, 84, 32);
    // Enter presses the button holding the focus; "Si" is the default.
    for (QPushButton *b : { BSi, BNo, BCancelar })
        b->setAutoDefault(true);
    BSi->setDefault(true);
    BSi->setFocus();

    connect(BSi, &QPushButton::clicked, this, &TFormAvisoProg::BSiClick);
    connect(BNo, &QPushButton::clicked, this, &TFormAvisoProg::BNoClick);
    connect(BCancelar, &QPushButton::clicked, this, &TFormAvisoProg::BCancelarClick);
}

void TFormAvisoProg::answer(const QString &value)
{
    m_main->RespuestaAviso = value;
    done(value == QLatin1String("S") ? Accepted : Rejected);
}

void TFormAvisoProg::BSiClick()
{
    answer(QStringLiteral("S"));
}

void TFormAvisoProg::BNoClick()
{
    answer(QStringLiteral("N"));
}

void TFormAvisoProg::BCancelarClick()
{
    answer(QStringLiteral("C"));
}

void TFormAvisoProg::reject()
{
    // Escape or the close box with no answer yet: keep the edits.
    if (m_main->RespuestaAviso == QLatin1String(" "))
        m_main->RespuestaAviso = QStringLiteral("C");
    QDialog::reject();
}

void TFormAvisoProg::closeEvent(QCloseEvent *event)
{
    if (m_main->RespuestaAviso == QLatin1String(" "))
        m_main->RespuestaAviso = QStringLiteral("C");
    QDialog::closeEvent(event);
}
