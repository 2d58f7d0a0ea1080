#include "guides/Mapa.h"

#include "cellar/Cavetopas.h"
#include "controls/ALed.h"
#include "controls/ImagenPlus.h"
#include "guides/Appellations.h"
#include "guides/GuideLook.h"
#include "guides/Vinos.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {

struct Province
{
    const char *name;
    const char *caption;
};

// The provinces the "Cava" appellation spreads over.
constexpr Province kCavaProvinces[] = {
    { "PBarcelona", "Barcelona" },
    { "PTarragona", "Tarragona" },
    { "PLLeida", "Lleida" },
    { "PGirona", "Girona" },
    { "PRioja", "La Rioja" },
    { "PAlava", "Alava" },
    { "PZaragoza", "Zaragoza" },
    { "Navarra", "Navarra" },
    { "PValencia", "Valencia" },
    { "PBadajoz", "Badajoz" },
};

} // namespace

TFormMapa::TFormMapa(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    Q_ASSERT(main);
    using namespace caveto::guides;
    setObjectName(QStringLiteral("TFormMapa"));
    setWindowTitle(QStringLiteral(" Caveto  Mapa Denominaciones de Origen."));
    caveto::setupFixedForm(this, kClientWidth, kClientHeight, true);

    const QColor navy = caveto::tcolor(caveto::colors::Titulo);

    ImagenPlus1 = new TImagenPlus(this);
    ImagenPlus1->setObjectName(QStringLiteral("ImagenPlus1"));
    ImagenPlus1->setGeometry(
        QRect(caveto::kMapPictureOrigin, QSize(caveto::kMapWidth, caveto::kMapHeight)));
    ImagenPlus1->setStretch(true);
    ImagenPlus1->setCenter(true);
    ImagenPlus1->setPicture(QImage(QStringLiteral(":/guides/Mapa.jpg")));

    LOpcion = makeTitle(this, QStringLiteral("Mapa D.O."), QRect(544, 8, 114, 25));
    DenoOrigen = makeChoiceList(this, QStringLiteral("DenoOrigen"), caveto::appellationNames(),
        QRect(536, 41, 129, 21), 22);

    PRestoCava = makeTextPanel(this, QStringLiteral("PRestoCava"), QRect(541, 129, 120, 206),
        caveto::tcolor(caveto::colors::Silver), Qt::black);
    int row = 0;
    for (const Province &p : kCavaProvinces) {
        provinces.append(makeTextPanel(
            PRestoCava, QLatin1String(p.name), QRect(5, 5 + 20 * row++, 110, 16), navy, Qt::white));
        provinces.last()->setText(QLatin1String(p.caption));
    }
    PRestoCava->hide();

    BVerDeno = makeButton(
        this, QStringLiteral("BVerDeno"), QStringLiteral("&Ver D.O."), QRect(567, 357, 75, 25));
    BVerDeno->setEnabled(false);
    BOkDatos = makeButton(this, QStringLiteral("BOkDatos"), QStringLiteral("&Aceptar"),
        QRect(567, 399, 75, 25), QStringLiteral("BAceptar"));

    // Over the map: the marker, and the name beside it.
    Led1 = new ThhALed(this);
    Led1->setObjectName(QStringLiteral("Led1"));
    Led1->setLEDStyle(LEDHorizontal);
    Led1->setInterval(200);
    Led1->setFalseColor(QColor(0, 128, 0));
    Led1->setBorderColor(QColor(0, 0, 128));
    Led1->setBordered(false);
    PDeno = makeTextPanel(this, QStringLiteral("PDeno"), QRect(0, 0, 110, 16), navy, Qt::white);
    PDeno->hide();

    connect(DenoOrigen, &QComboBox::currentIndexChanged, this, &TFormMapa::DenoOrigenChange);
    connect(BVerDeno, &QPushButton::clicked, this, &TFormMapa::BVerDenoClick);
    connect(BOkDatos, &QPushButton::clicked, this, &TFormMapa::BOkDatosClick);

    keepEnterOnFocusedButton(this);
    FormCreate();
}

void TFormMapa::FormCreate()
{
    Led1->setValue(false);
    Led1->hide();
}

void TFormMapa::DenoOrigenChange()
{
    const QString name = DenoOrigen->currentText();
    const int index = caveto::appellationIndex(name);
    if (index >= 0)
        Led1->move(caveto::appellations()[index].marker);

    PRestoCava->setVisible(name == QLatin1String("Cava"));

    if (!name.trimmed().isEmpty()) {
        BVerDeno->setEnabled(true);
        PDeno->setText(name);
        PDeno->move(Led1->x() + kNameOffset, Led1->y());
        PDeno->show();
        // A lit LED keeps blinking; it only moves with later choices.
        Led1->setValue(true);
        Led1->show();
    } else {
        BVerDeno->setEnabled(false);
    }
}

void TFormMapa::BVerDenoClick()
{
    m_main->DenoMapa = DenoOrigen->currentIndex();
    TFormVinos guide(m_main, this);
    caveto::execModal(&guide);
}

void TFormMapa::BOkDatosClick()
{
    accept();
}
