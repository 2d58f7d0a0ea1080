#include "app/Inicio.h"

#include "app/Globals.h"
#include "controls/GIFImage.h"
#include "controls/Mylabel.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QCloseEvent>
#include <QPushButton>

TFormInicio::TFormInicio(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormInicio"));
    setWindowTitle(QStringLiteral("  Caveto 2.5"));
    FormCreate();
}

void TFormInicio::FormCreate()
{
    caveto::setupFixedForm(this, 231, 205);

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    myLabel3d1 = make3dLabel(this, QStringLiteral("myLabel3d1"), QStringLiteral("Caveto"), title,
        caveto::tcolor(0x200080), TmyLabel3d::Raised3d, Qt::AlignHCenter | Qt::AlignTop,
        QRect(0, 2, 231, 38));

    GIFImage1 = new TGIFImage(this);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setGeometry(55, 40, 120, 100);
    GIFImage1->setCenter(true);

    PTeclasMenu = caveto::makeContainer(this, QStringLiteral("PTeclasMenu"));
    PTeclasMenu->setGeometry(2, 142, 227, 48);
    BEntrar = caveto::makeButton(PTeclasMenu, QStringLiteral("BEntrar"), QStringLiteral("Entrar"),
        QStringLiteral("BEntrar"));
    BEntrar->setGeometry(6, 4, 100, 40);
    BEntrar->setDefault(true);
    BCancelar = caveto::makeButton(PTeclasMenu, QStringLiteral("BCancelar"),
        QStringLiteral("Cancelar"), QStringLiteral("BCancelar"));
    BCancelar->setGeometry(121, 4, 100, 40);
    connect(BEntrar, &QPushButton::clicked, this, &TFormInicio::BEntrar2Click);
    connect(BCancelar, &QPushButton::clicked, this, &TFormInicio::BCancelar2Click);

    QFont maker(QStringLiteral("Liberation Sans"));
    maker.setPixelSize(11);
    maker.setBold(true);
    myLabel3d2 = make3dLabel(this, QStringLiteral("myLabel3d2"), QStringLiteral("Morvent Software"),
        maker, caveto::tcolor(caveto::colors::Navy), TmyLabel3d::Normal3d, Qt::AlignCenter,
        QRect(0, 190, 231, 15));
}

void TFormInicio::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
    BEntrar->setFocus();
}

void TFormInicio::FormActivate()
{
    caveto::computeAppFolder();
    showOptionalGif(GIFImage1, caveto::apliGrafPath(QStringLiteral("CopasDeVino2.gif")));
}

void TFormInicio::BEntrar2Click()
{
    m_answered = true;
    caveto::program().EntradaSplash = QStringLiteral("S");
    accept();
}

void TFormInicio::BCancelar2Click()
{
    m_answered = true;
    caveto::program().EntradaSplash = QStringLiteral("N");
    reject();
}

void TFormInicio::reject()
{
    if (!m_answered)
        caveto::program().EntradaSplash = QStringLiteral("N");
    QDialog::reject();
}

void TFormInicio::closeEvent(QCloseEvent *event)
{
    if (!m_answered)
        caveto::program().EntradaSplash = QStringLiteral("N");
    QDialog::closeEvent(event);
}
