#include "guides/Vinos.h"

#include "cellar/Cavetopas.h"
#include "cellar/StatusPanels.h"
#include "controls/ImagenPlus.h"
#include "guides/Appellations.h"
#include "guides/Descriptions.h"
#include "guides/GuideLook.h"
#include "guides/VintageRatings.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>

#include <memory>

QString TFormVinos::CambioDeno;

namespace {

// The pictures wait out of sight, right of the client area, until chosen.
constexpr QPoint kPictureParking(TFormVinos::kClientWidth + 8, 18);
constexpr QSize kPictureSize(70, 70);

QFont courierNew(int pointSize)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

TFormVinos::TFormVinos(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    Q_ASSERT(main);
    using namespace caveto::guides;
    setObjectName(QStringLiteral("TFormVinos"));
    setWindowTitle(QStringLiteral(" Caveto  Denominaciones de Origen  Vinos Españoles."));
    caveto::setupFixedForm(this, kClientWidth, kClientHeight, true);

    LOpcion = makeTitle(this, QStringLiteral("Denominaciones de Origen"), QRect(209, 8, 215, 25));

    // A groove: raised inside, sunken outside.
    PCabecera = new QFrame(this);
    PCabecera->setObjectName(QStringLiteral("PCabecera"));
    PCabecera->setFrameStyle(QFrame::Box | QFrame::Sunken);
    PCabecera->setGeometry(3, 40, 548, 47);
    LDO = caveto::makeLabel(
        PCabecera, QStringLiteral("LDO"), QStringLiteral("Denominación de Origen"), 10, 4);
    LAno = caveto::makeLabel(PCabecera, QStringLiteral("LAno"), QStringLiteral("Año"), 176, 4);
    DENO = makeChoiceList(
        PCabecera, QStringLiteral("DENO"), caveto::appellationNames(), QRect(10, 18, 160, 21), 10);
    EJER = makeChoiceList(
        PCabecera, QStringLiteral("EJER"), caveto::vintageYears(), QRect(176, 18, 50, 21), 10);
    denomi0 = makeTextPanel(
        PCabecera, QStringLiteral("denomi0"), QRect(230, 18, 160, 21), Qt::black, Qt::white);
    ano0 = makeTextPanel(
        PCabecera, QStringLiteral("ano0"), QRect(394, 18, 39, 21), Qt::black, Qt::white);
    RESUL = makeTextPanel(
        PCabecera, QStringLiteral("RESUL"), QRect(437, 18, 103, 21), Qt::black, Qt::white);
    for (QLabel *panel : { denomi0, ano0, RESUL })
        panel->hide();

    Texto = new QPlainTextEdit(this);
    Texto->setObjectName(QStringLiteral("Texto"));
    Texto->setReadOnly(true);
    Texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Texto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Texto->setFont(courierNew(9));
    caveto::setFieldColor(Texto, caveto::colors::CampoNormal);
    // Not reached by Tab until an appellation is shown.
    Texto->setFocusPolicy(Qt::ClickFocus);
    Texto->setGeometry(4, 96, 627, 172);
    Texto->hide();

    for (int i = 0; i < caveto::kAppellationCount; ++i) {
        const caveto::Appellation &a = caveto::appellations()[i];
        auto *picture = new TImagenPlus(this);
        picture->setObjectName(QLatin1String(a.pictureControl));
        const QImage image(caveto::appellationPicturePath(i));
        picture->setPicture(image);
        picture->setStretch(true);
        picture->setCenter(true);
        picture->resize(image.isNull() ? kPictureSize : image.size());
        picture->move(kPictureParking);
        picture->hide();
        pictures.append(picture);
    }

    BImprimir = makeButton(
        this, QStringLiteral("BImprimir"), QStringLiteral("&Imprimir"), QRect(232, 281, 75, 25));
    BImprimir->setEnabled(false);
    BOkDatos = makeButton(this, QStringLiteral("BOkDatos"), QStringLiteral("&Aceptar"),
        QRect(332, 281, 75, 25), QStringLiteral("BAceptar"));

    EditorNotasImprimir = new TRichEdit(this);
    EditorNotasImprimir->setObjectName(QStringLiteral("EditorNotasImprimir"));
    EditorNotasImprimir->setFont(courierNew(9));
    EditorNotasImprimir->document()->setDefaultFont(courierNew(9));
    EditorNotasImprimir->setLineWrapMode(QTextEdit::NoWrap);
    EditorNotasImprimir->setReadOnly(true);
    EditorNotasImprimir->setEnabled(false);
    EditorNotasImprimir->hide();

    setTabOrder(DENO, EJER);
    setTabOrder(EJER, Texto);
    setTabOrder(Texto, BImprimir);
    setTabOrder(BImprimir, BOkDatos);

    DENO->installEventFilter(this);
    EJER->installEventFilter(this);
    connect(DENO, &QComboBox::currentIndexChanged, this, &TFormVinos::DENOChange);
    connect(EJER, &QComboBox::currentIndexChanged, this, &TFormVinos::DENOChange);
    connect(BImprimir, &QPushButton::clicked, this, &TFormVinos::BImprimirClick);
    connect(BOkDatos, &QPushButton::clicked, this, &TFormVinos::BOkDatosClick);

    keepEnterOnFocusedButton(this);
    FormCreate();
}

void TFormVinos::FormCreate()
{
    const int handedOver = m_main->DenoMapa;
    if (handedOver < 0 || handedOver >= DENO->count())
        return;
    {
        const QSignalBlocker blockYears(EJER);
        const QSignalBlocker blockNames(DENO);
        EJER->setCurrentIndex(-1);
        DENO->setCurrentIndex(handedOver);
    }
    CambioDeno = QStringLiteral("S");
    DENOChange();
}

bool TFormVinos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == DENO)
            DENOEnter();
        else if (watched == EJER)
            EJEREnter();
    } else if (watched == EJER && event->type() == QEvent::KeyPress) {
        if (EJERKeyPress(static_cast<QKeyEvent *>(event)->text()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormVinos::DENOEnter()
{
    CambioDeno = QStringLiteral("S");
}

void TFormVinos::EJEREnter()
{
    CambioDeno = QStringLiteral("N");
}

bool TFormVinos::EJERKeyPress(const QString &typed)
{
    // Keys without a character (arrows, Page Down) and control characters
    // (Enter, Escape) keep their usual work in the list and the window.
    for (QChar c : typed) {
        const bool printable = c.unicode() >= 0x20 && c.unicode() != 0x7F;
        if (printable && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return true;
    }
    return false;
}

void TFormVinos::DENOChange()
{
    // The year.
    const QString year = EJER->currentText();
    if (caveto::vintageColumn(year) >= 0) {
        ano0->setText(year);
        ano0->show();
    } else {
        RESUL->clear();
        ano0->hide();
    }

    // The appellation.
    const QString name = DENO->currentText();
    const int index = caveto::appellationIndex(name);
    if (index >= 0) {
        showAppellation(index);
        if (CambioDeno == QLatin1String("S"))
            showDescription(index);
        if (const auto rating = caveto::vintageRating(name, year))
            RESUL->setText(*rating);
    }

    if (!name.isEmpty()) {
        denomi0->setText(name);
        BImprimir->setEnabled(true);
        denomi0->show();
        Texto->show();
        Texto->setFocusPolicy(Qt::StrongFocus);
    } else {
        BImprimir->setEnabled(false);
        denomi0->hide();
        Texto->hide();
    }

    RESUL->setVisible(!RESUL->text().isEmpty());
    if (const auto colour = caveto::vintageRatingColour(RESUL->text()))
        caveto::guides::setTextColour(RESUL, *colour);
}

void TFormVinos::showAppellation(int index)
{
    for (TImagenPlus *picture : std::as_const(pictures))
        picture->hide();
    TImagenPlus *picture = pictures.at(index);
    picture->move(kPictureLeft, caveto::appellations()[index].pictureTop);
    picture->show();
}

void TFormVinos::showDescription(int index)
{
    Texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Texto->clear();
    // Shown from its first line.
    Texto->setPlainText(caveto::appellationDescription(index).join(QLatin1Char('\n')));
    Texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

TImagenPlus *TFormVinos::shownPicture() const
{
    for (TImagenPlus *picture : pictures)
        if (!picture->isHidden())
            return picture;
    return nullptr;
}

void TFormVinos::BImprimirClick()
{
    const QString date = m_main->StatusBar1->panelText(3);
    const QString time = m_main->StatusBar1->panelText(2);
    QStringList lines = {
        QStringLiteral("Caveto   *   DENOMINACIONES DE ORIGEN   *"),
        QStringLiteral(" "),
        QStringLiteral("Fecha / Hora ............. ") + date + QStringLiteral("  ") + time,
        QStringLiteral(" "),
        QStringLiteral("Denominación de Origen ... ") + DENO->currentText(),
        QStringLiteral("Año ...................... ") + EJER->currentText(),
        QStringLiteral("Cosecha .................. ") + RESUL->text(),
        QStringLiteral(" "),
        QStringLiteral(" "),
    };
    // The buffer takes the shown description afresh on every print.
    lines += Texto->toPlainText().split(QLatin1Char('\n'));
    EditorNotasImprimir->setLines(lines);
    caveto::printDocument(EditorNotasImprimir->document(), QPageLayout::Portrait, this, QString());
}

void TFormVinos::BOkDatosClick()
{
    accept();
}
