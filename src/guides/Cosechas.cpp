#include "guides/Cosechas.h"

#include "guides/GuideLook.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct YearBox
{
    const char *name;
    const char *text; // blanks as they are shown
    QRgb colour;
};

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kLime = qRgb(0, 255, 0);

// The chart's own words, blanks included: two after 1970, 1971 and 2003,
// three after the other years.
constexpr YearBox kBoxes[] = {
    { "E1970", "1970  Sin Datos", kWhite },
    { "E1971", "1971  Sin Datos", kWhite },
    { "E1972", "1972   Sin Datos", kWhite },
    { "E1973", "1973   Regular", kWhite },
    { "E1974", "1974   Bueno", kWhite },
    { "E1975", "1975   Bueno", kWhite },
    { "E1976", "1976   Deficiente", kRed },
    { "E1977", "1977   Regular", kWhite },
    { "E1978", "1978   Bueno", kWhite },
    { "E1979", "1979   Regular", kWhite },
    { "E1980", "1980   Bueno", kWhite },
    { "E1981", "1981   Muy Bueno", kWhite },
    { "E1982", "1982   Muy Bueno", kWhite },
    { "E1983", "1983   Muy Bueno", kWhite },
    { "E1984", "1984   Bueno", kWhite },
    { "E1985", "1985   Bueno", kWhite },
    { "E1986", "1986   Regular", kWhite },
    { "E1987", "1987   Muy Bueno", kWhite },
    { "E1988", "1988   Bueno", kWhite },
    { "E1989", "1989   Regular", kWhite },
    { "E1990", "1990   Bueno", kWhite },
    { "E1991", "1991   Bueno", kWhite },
    { "E1992", "1992   Muy Bueno", kWhite },
    { "E1993", "1993   Excelente", kLime },
    { "E1994", "1994   Muy Bueno", kWhite },
    { "E1995", "1995   Bueno", kWhite },
    { "E1996", "1996   Muy Bueno", kWhite },
    { "E1997", "1997   Bueno", kWhite },
    { "E1998", "1998   Muy Bueno", kWhite },
    { "E1999", "1999   Muy Bueno", kWhite },
    { "E2000", "2000   Muy Bueno", kWhite },
    { "E2201", "2001   Muy Bueno", kWhite },
    { "E2002", "2002   Bueno", kWhite },
    { "Edit1", "2003  Sin Calificar", kWhite },
};

// Four columns of ten decades' years; the boxes sit on the navy panel.
constexpr int kColumnX[] = { 86, 205, 327, 447 };
constexpr int kFirstRowY = 54;
constexpr int kRowStep = 21;
constexpr QSize kBoxSize(100, 17);

} // namespace

TFormCosechas::TFormCosechas(QWidget *parent)
    : QDialog(parent)
{
    using namespace caveto::guides;
    setObjectName(QStringLiteral("TFormCosechas"));
    setWindowTitle(QStringLiteral(" Caveto  Cosechas  Vinos Españoles."));
    caveto::setupFixedForm(this, kClientWidth, kClientHeight, true);

    LOpcion = makeTitle(this, QStringLiteral("Cosechas"), QRect(256, 8, 121, 25));

    const QColor navy = caveto::tcolor(caveto::colors::Titulo);
    PCosechas = makeTextPanel(
        this, QStringLiteral("PCosechas"), QRect(71, 42, 491, 229), navy, Qt::white);

    int i = 0;
    for (const YearBox &b : kBoxes) {
        auto *box = new QLineEdit(QString::fromLatin1(b.text), this);
        box->setObjectName(QLatin1String(b.name));
        // Read-only: the chart is fixed. The platform's 16-character typing
        // limit is left out, as here it would cut the longer texts that the
        // program itself puts in ("1976   Deficiente").
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setFrame(false);
        box->setTextMargins(1, 0, 0, 0);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::black);
        palette.setColor(QPalette::Text, QColor(b.colour));
        box->setPalette(palette);
        box->setGeometry(
            QRect(QPoint(kColumnX[i / 10], kFirstRowY + kRowStep * (i % 10)), kBoxSize));
        years.append(box);
        ++i;
    }

    BOkDatos = makeButton(this, QStringLiteral("BOkDatos"), QStringLiteral("&Aceptar"),
        QRect(279, 280, 75, 25), QStringLiteral("BAceptar"));
    connect(BOkDatos, &QPushButton::clicked, this, &TFormCosechas::BOkDatosClick);
    keepEnterOnFocusedButton(this);
    BOkDatos->setFocus();
}

void TFormCosechas::BOkDatosClick()
{
    accept();
}
