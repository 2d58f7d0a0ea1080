#include "guides/AcercaDe2.h"

#include "app/Globals.h"
#include "controls/GIFImage.h"
#include "controls/HilightLabel.h"
#include "controls/Mylabel.h"
#include "guides/GuideForm.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/OpenAddress.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

const QString TFormAcercaDe2::WebAddress = QStringLiteral("http://www.caveto.example");
const QString TFormAcercaDe2::MailAddress = QStringLiteral("caveto@caveto.example");

namespace {

QLabel *makeCaption(QWidget *parent, const QString &name, const QString &caption, int x, int y,
    int pointSize, const QColor &colour)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(x, y);
    label->adjustSize();
    return label;
}

THilightLabel *makeLink(QWidget *parent, const QString &name, const QString &caption, int x, int y)
{
    auto *label = new THilightLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    label->setHiLightColor(caveto::tcolor(caveto::colors::Navy));
    label->setHiLightStyle(THilightLabel::fsBold | THilightLabel::fsUnderline);
    label->setHiLightCursor(Qt::PointingHandCursor);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TFormAcercaDe2::TFormAcercaDe2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormAcercaDe2"));
    setWindowTitle(QStringLiteral(" Caveto   Acerda de...."));

    auto *panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setGeometry(10, 9, 228, 142);
    Panel1 = panel1;

    auto *panel2 = new QFrame(Panel1);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel2->setGeometry(14, 8, 87, 72);
    Panel2 = panel2;

    GIFImage1 = new TGIFImage(Panel2);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setGeometry(3, 3, 80, 65);
    GIFImage1->setLoop(false);
    GIFImage1->setAutoSize(true);
    GIFImage1->setCenter(false);
    GIFImage1->setStretch(false);

    Label1 = makeCaption(
        Panel1, QStringLiteral("Label1"), QStringLiteral("Caveto"), 135, 12, 16, Qt::black);
    Label2 = makeCaption(Panel1, QStringLiteral("Label2"), QStringLiteral("Versión . 2.5"), 123, 40,
        10, caveto::tcolor(caveto::colors::Navy));

    QFont makerFont = font();
    makerFont.setPointSize(10);
    myLabel3d2 = make3dLabel(Panel1, QStringLiteral("myLabel3d2"),
        QStringLiteral("Morvent Software"), makerFont, Qt::black, TmyLabel3d::Resit3d,
        Qt::AlignHCenter | Qt::AlignTop, QRect(115, 63, 110, 18));
    myLabel3d2->setTransparent(true);

    Http = makeLink(Panel1, QStringLiteral("Http"), WebAddress, 22, 90);
    HCorreo = makeLink(Panel1, QStringLiteral("HCorreo"), MailAddress, 56, 109);
    Http->installEventFilter(this);
    HCorreo->installEventFilter(this);

    BOkDatos = caveto::guides::makeHandButton(
        this, QStringLiteral("BOkDatos"), QStringLiteral("&Aceptar"), QRect(85, 157, 75, 25));
    connect(BOkDatos, &QPushButton::clicked, this, &TFormAcercaDe2::BOkDatosClick);

    FormCreate();
}

void TFormAcercaDe2::FormCreate()
{
    caveto::setupFixedForm(this, 248, 188);
    // The picture is optional: without it the panel simply stays empty.
    if (!GIFImage1->LoadFromFile(caveto::apliGrafPath(QStringLiteral("Racimo.gif")))) {
        delete GIFImage1;
        GIFImage1 = nullptr;
        return;
    }
    GIFImage1->setAnimate(true);
}

bool TFormAcercaDe2::eventFilter(QObject *watched, QEvent *event)
{
    // A link acts on a click: the button goes down and comes up over it.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = qobject_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && label
            && label->rect().contains(mouse->position().toPoint())) {
            if (watched == Http)
                HttpClick();
            else if (watched == HCorreo)
                HCorreoClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAcercaDe2::HttpClick()
{
    caveto::openAddress(Http->text());
}

void TFormAcercaDe2::HCorreoClick()
{
    caveto::openAddress(QStringLiteral("mailto:") + HCorreo->text());
}

void TFormAcercaDe2::BOkDatosClick()
{
    close();
}
