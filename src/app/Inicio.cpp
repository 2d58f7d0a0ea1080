#include "app/Inicio.h"

#include "app/Globals.h"
#include "controls/GIFImage.h"
#include "controls/Mylabel.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QCloseEvent>
#include <QFile>
#include <QPushButton>

TFormInicio::TFormInicio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormInicio"));
    setWindowTitle(QStringLiteral("  Caveto 2.5"));
    FormCreate();
}

void TFormInicio::FormCreate()
{
    caveto::setupFixedForm(this, 231, 205);

    myLabel3d1 = new TmyLabel3d(this);
    myLabel3d1->setObjectName(QStringLiteral("myLabel3d1"));
    myLabel3d1->setText(QStringLiteral("Caveto"));
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    myLabel3d1->setFont(title);
    QPalette palette = myLabel3d1->palette();
    palette.setColor(QPalette::WindowText, caveto::tcolor(0x200080)); // burgundy
    myLabel3d1->setPalette(palette);
    myLabel3d1->setAStyle3D(TmyLabel3d::Raised3d);
    myLabel3d1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    myLabel3d1->setGeometry(0, 2, 231, 38);

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

    myLabel3d2 = new TmyLabel3d(this);
    myLabel3d2->setObjectName(QStringLiteral("myLabel3d2"));
    myLabel3d2->setText(QStringLiteral("Morvent Software"));
    QFont maker(QStringLiteral("Liberation Sans"));
    maker.setPixelSize(11);
    maker.setBold(true);
    myLabel3d2->setFont(maker);
    QPalette makerPalette = myLabel3d2->palette();
    makerPalette.setColor(QPalette::WindowText, caveto::tcolor(caveto::colors::Navy));
    myLabel3d2->setPalette(makerPalette);
    myLabel3d2->setAlignment(Qt::AlignCenter);
    myLabel3d2->setGeometry(0, 190, 231, 15);
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
    if (!GIFImage1)
        return;
    const QString path = caveto::apliGrafPath(QStringLiteral("CopasDeVino2.gif"));
    if (QFile::exists(path)) {
        GIFImage1->LoadFromFile(path);
        GIFImage1->setLoop(true);
        GIFImage1->setAnimate(true);
    } else {
        delete GIFImage1;
        GIFImage1 = nullptr;
    }
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
