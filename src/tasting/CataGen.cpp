#include "tasting/CataGen.h"

#include "cellar/Cavetopas.h"

#include "cellar/EntryChecks.h"
#include "controls/Numedit.h"
#include "platform/ExitWatcher.h"
#include "platform/MessageBox.h"
#include "tasting/TastingLists.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using caveto::Field;

namespace {

const QString kErrorTitle = QStringLiteral("Caveto Error");

TNumEdit *makeNumber()
{
    auto *edit = new TNumEdit;
    edit->setFloat(false);
    edit->setNegative(true);
    return edit;
}

} // namespace

TFormCataGen::TFormCataGen(TFormCavetoPas *main, QWidget *parent)
    : TTastingForm(main, parent, QStringLiteral(" Caveto  Cata de Vinos   DATOS GENERALES."),
        QStringLiteral("Cata de Vinos   DATOS"), 623,
        { "PDatos", "PDatosGen", "MDatosCata", "MDatosCata", "BOkDatos" })
{
    setObjectName(QStringLiteral("TFormCataGen"));
    PDatos = titlePanel();
    PDatosGen = dataPanel();
    MDatosCata = referenceText();
    BOkDatos = acceptButton();

    // Row 1: taster, date, hour, bottle.
    addLabel(QStringLiteral("Catador"), QStringLiteral("Nombre Catador"), 8, kRow1);
    Catador = addText(new QLineEdit, Field::Catador, main->PSCatador);
    placeField(Catador, 8, kRow1, 180);

    addLabel(QStringLiteral("FCata"), QStringLiteral("Fecha Cata"), 196, kRow1);
    FCataDD = static_cast<TNumEdit *>(addText(makeNumber(), Field::FCataDD));
    FCataMM = static_cast<TNumEdit *>(addText(makeNumber(), Field::FCataMM));
    FCataYY = static_cast<TNumEdit *>(addText(makeNumber(), Field::FCataYY));
    placeField(FCataDD, 196, kRow1, 26);
    placeField(FCataMM, 226, kRow1, 26);
    placeField(FCataYY, 256, kRow1, 42);

    addLabel(QStringLiteral("Hora"), QStringLiteral("Hora"), 310, kRow1);
    HoraIni = static_cast<TNumEdit *>(addText(makeNumber(), Field::HoraIni));
    HoraFin = static_cast<TNumEdit *>(addText(makeNumber(), Field::HoraFin));
    placeField(HoraIni, 310, kRow1, 26);
    placeField(HoraFin, 340, kRow1, 26);

    using namespace caveto::tasting;
    Botella = addList(QStringLiteral("Botella"), QStringLiteral("Tipo Botella"), botellaList(),
        main->Botella, kColumn[3] - 74, kRow1);

    // Row 2: cork, capsule, fermentation, cask.
    Tapon = addList(QStringLiteral("Tapon"), QStringLiteral("Tipo Tapón"), taponList(), main->Tapon,
        kColumn[0], kRow2);
    Capsula = addList(QStringLiteral("Capsula"), QStringLiteral("Tipo Capsula"), capsulaList(),
        main->Capsula, kColumn[1], kRow2);
    Fermentacion = addList(QStringLiteral("Fermentacion"), QStringLiteral("Tipo Fermentación"),
        fermentacionList(), main->Fermentacion, kColumn[2], kRow2);
    addLabel(QStringLiteral("Barrica"), QStringLiteral("Tipo Barrica"), kColumn[3], kRow2);
    Barrica = addText(new QLineEdit, Field::Barrica);
    placeField(Barrica, kColumn[3], kRow2, PDatosGen->width() - kColumn[3] - 8);

    m_exitWatcher = new caveto::ExitWatcher(this);
    m_exitWatcher->watch(FCataDD, [this] { FCataDDExit(); });
    m_exitWatcher->watch(FCataMM, [this] { FCataMMExit(); });
    m_exitWatcher->watch(FCataYY, [this] { FCataYYExit(); });
    m_exitWatcher->watch(HoraIni, [this] { HoraIniExit(); });
    m_exitWatcher->watch(HoraFin, [this] { HoraFinExit(); });

    connect(BOkDatos, &QPushButton::clicked, this, &TFormCataGen::BOkDatosClick);
    FormCreate();
}

void TFormCataGen::BOkDatosClick()
{
    accept();
}

bool TFormCataGen::CompruebaFechaCata()
{
    const caveto::DateCheck r
        = caveto::checkDate(FCataDD->text(), FCataMM->text(), FCataYY->text());
    FCataDD->setText(r.day);
    FCataMM->setText(r.month);
    FCataYY->setText(r.year);

    TNumEdit *refused = nullptr;
    QString message;
    switch (r.error) {
    case caveto::DateCheck::None:
        return true;
    case caveto::DateCheck::Day:
        refused = FCataDD;
        message = QStringLiteral("Campo ( Dia de Cata ) Erroneo");
        break;
    case caveto::DateCheck::Month:
        refused = FCataMM;
        message = QStringLiteral("Campo ( Mes de Cata ) Erroneo");
        break;
    case caveto::DateCheck::Year:
        refused = FCataYY;
        message = QStringLiteral("Campo ( Año de Cata ) Erroneo");
        break;
    }
    refused->clear();
    refused->setFocus(Qt::OtherFocusReason);
    caveto::showMessage(kErrorTitle, message, this);
    return false;
}

bool TFormCataGen::checkHourField(
    TNumEdit *field, const QString &upperBound, const QString &message)
{
    const caveto::TimePartCheck r = caveto::checkTimePart(field->text(), upperBound);
    field->setText(r.text);
    if (r.ok)
        return true;
    field->setFocus(Qt::OtherFocusReason);
    caveto::showMessage(kErrorTitle, message, this);
    return false;
}

void TFormCataGen::FCataDDExit()
{
    CompruebaFechaCata();
}

void TFormCataGen::FCataMMExit()
{
    CompruebaFechaCata();
}

void TFormCataGen::FCataYYExit()
{
    CompruebaFechaCata();
}

bool TFormCataGen::CompruebaHoraIni()
{
    return checkHourField(
        HoraIni, QStringLiteral("23"), QStringLiteral("Campo  ( Hora de Cata )  Erroneo"));
}

bool TFormCataGen::CompruebaHoraFin()
{
    return checkHourField(
        HoraFin, QStringLiteral("59"), QStringLiteral("Campo  ( Minutos de Cata )  Erroneo"));
}

void TFormCataGen::HoraIniExit()
{
    CompruebaHoraIni();
}

void TFormCataGen::HoraFinExit()
{
    CompruebaHoraFin();
}

// Closing the window does not move the focus, so the field being typed in
// would reach the record unchecked. Its check runs here instead; a refused
// value is emptied and keeps the window open on it, so that what is stored
// is always a checked value (closing again stores the emptied field).
bool TFormCataGen::checkPendingField()
{
    QWidget *focused = focusWidget();
    if (!focused || !PDatosGen->isEnabled())
        return true;
    if (focused == FCataDD || focused == FCataMM || focused == FCataYY)
        return CompruebaFechaCata();
    if (focused == HoraIni)
        return CompruebaHoraIni();
    if (focused == HoraFin)
        return CompruebaHoraFin();
    return true;
}
