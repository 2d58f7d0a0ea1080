#include "notes/Imagen.h"

#include "notes/ReturnFocus.h"

#include "cellar/Cavetopas.h"
#include "cellar/Modes.h"
#include "cellar/WineHeader.h"
#include "controls/ALed.h"
#include "controls/ImagenPlus.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"

#include <QComboBox>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using caveto::Field;

namespace caveto {

void applyPhotoLed(ThhALed *led, photo::Led state)
{
    if (state == photo::Led::Off) {
        led->setValue(false);
        return;
    }
    led->setTrueColor(tcolor(state == photo::Led::Green ? colors::Lime : colors::Red));
    led->setValue(true);
}

} // namespace caveto

namespace {

const QString kErrorTitle = QStringLiteral("Caveto  Error."); // two blanks, as this window has it

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace

QList<caveto::FileFilter> TFormImagen::fileFilters()
{
    QList<caveto::FileFilter> rows = {
        { QStringLiteral("Todos (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)"),
            QStringLiteral("*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf") },
        { QStringLiteral("JPEG Image File (*.jpg)"), QStringLiteral("*.jpg") },
        { QStringLiteral("JPEG Image File (*.jpeg)"), QStringLiteral("*.jpeg") },
        { QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("*.bmp") },
        { QStringLiteral("Icons (*.ico)"), QStringLiteral("*.ico") },
        { QStringLiteral("Enhanced Metafiles (*.emf)"), QStringLiteral("*.emf") },
        { QStringLiteral("Metafiles (*.wmf)"), QStringLiteral("*.wmf") },
    };
    // The pictures people keep today, as far as this machine's readers go.
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QStringList patterns;
    for (const char *format : { "png", "gif", "webp", "tif", "tiff" }) {
        if (readable.contains(QByteArray(format)))
            patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    }
    if (!patterns.isEmpty()) {
        const QString list = patterns.join(u';');
        rows.append({ QStringLiteral("Otras imágenes (") + list + u')', list });
    }
    return rows;
}

TFormImagen::TFormImagen(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    Q_ASSERT(main);
    setObjectName(QStringLiteral("TFormImagen"));
    setWindowTitle(QStringLiteral(" Caveto   Imagen."));
    caveto::setupFixedForm(this, kClientWidth, kClientHeight, true);

    LOpcion = caveto::makeTitlePanel(
        this, QStringLiteral("LOpcion"), QStringLiteral("Capturar Imagen"));
    LOpcion->setGeometry(4, 4, 250, 24);
    POpcion = caveto::makeHeadingPanel(this, QStringLiteral("POpcion"), QString());
    POpcion->setGeometry(258, 4, 119, 24);

    PDatosGenCab = new TWineHeader(this,
        { { Field::NombreVino, "Nombre del Vino", 6, 190 }, { Field::Cosecha, "Año", 202, 44 },
            { Field::DenoOrigen, "D.O.", 252, 115 } });
    PDatosGenCab->setGeometry(4, 32, 373, 44);
    PNombreVino = PDatosGenCab->PNombreVino;
    PCosecha = PDatosGenCab->PCosecha;
    PDenoOrigen = PDatosGenCab->PDenoOrigen;

    LFImagen
        = caveto::makeLabel(this, QStringLiteral("LFImagen"), QStringLiteral("Fichero"), 6, 80);
    FImagen
        = caveto::makeDisplayPanel(this, QStringLiteral("FImagen"), caveto::colors::CampoNormal, 0);
    FImagen->setGeometry(4, 94, 373, 21);

    PImagen = caveto::makePanel(this, QStringLiteral("PImagen"));
    PImagen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PImagen->setGeometry(4, 130, 208, 208);
    Imagen = new TImagenPlus(PImagen);
    Imagen->setObjectName(QStringLiteral("Imagen"));
    Imagen->setGeometry(4, 4, caveto::photo::kBoxSide, caveto::photo::kBoxSide);
    Imagen->setCenter(true);
    Imagen->hide();

    constexpr int kRight = 220;
    constexpr int kRightWidth = 157;
    LOrigen = caveto::makeLabel(this, QStringLiteral("LOrigen"),
        QStringLiteral("-------------- Origen --------------"), kRight, 130);
    Largo = makeSizeBox(QStringLiteral("Largo"), kRight, 146);
    Ancho = makeSizeBox(QStringLiteral("Ancho"), kRight + 80, 146);
    LAjuste = caveto::makeLabel(this, QStringLiteral("LAjuste"),
        QStringLiteral("-------------- Visible --------------"), kRight, 188);
    Largo2 = makeSizeBox(QStringLiteral("Largo2"), kRight, 204);
    Ancho2 = makeSizeBox(QStringLiteral("Ancho2"), kRight + 80, 204);
    for (QLabel *l : { LOrigen, LAjuste }) {
        l->setFixedWidth(kRightWidth);
        l->setAlignment(Qt::AlignHCenter);
    }

    BCapturar = caveto::makeButton(this, QStringLiteral("BCapturar"),
        QStringLiteral("&Copiar Imagen"), QStringLiteral("BImagen"));
    BBorrar = caveto::makeButton(
        this, QStringLiteral("BBorrar"), QStringLiteral("&Borrar Imagen"), QStringLiteral("BBaja"));
    BCerrar = caveto::makeButton(this, QStringLiteral("BCerrar"), QStringLiteral("&Fin Captura"),
        QStringLiteral("BAceptar"));
    BCapturar->setGeometry(kRight, 248, kRightWidth, 28);
    BBorrar->setGeometry(kRight, 279, kRightWidth, 28);
    BCerrar->setGeometry(kRight, 310, kRightWidth, 28);
    connect(BCapturar, &QPushButton::clicked, this, &TFormImagen::BCapturarClick);
    connect(BBorrar, &QPushButton::clicked, this, &TFormImagen::BBorrarClick);
    connect(BCerrar, &QPushButton::clicked, this, &TFormImagen::BCerrarClick);

    FormCreate();
}

QLineEdit *TFormImagen::makeSizeBox(const QString &name, int x, int y)
{
    // "Largo" is the width, "Ancho" the height.
    const QString caption = name.startsWith(QLatin1String("Largo")) ? QStringLiteral("Largo")
                                                                    : QStringLiteral("Ancho");
    caveto::makeLabel(this, QStringLiteral("L") + name, caption, x, y);
    auto *box = new QLineEdit(QStringLiteral("0"), this);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setMaxLength(6);
    box->setFocusPolicy(Qt::NoFocus);
    box->setGeometry(x, y + 14, 70, 21);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    box->setPalette(palette);
    return box;
}

void TFormImagen::FormCreate()
{
    PDatosGenCab->showRecord(m_main->currentFields());
    FImagen->setText(m_main->Imagen->text());
    FImagen->setToolTip(FImagen->text());
    POpcion->setText(caveto::photo::modeWord(m_main->ModoActual));

    const bool readOnly = caveto::mode::isReadOnly(m_main->ModoActual);
    BCerrar->setText(readOnly ? QStringLiteral("C&errar Captura") : QStringLiteral("&Fin Captura"));
    BCapturar->setEnabled(!readOnly);
    BBorrar->setEnabled(!readOnly);

    const QString path = caveto::trimBlanks(FImagen->text());
    if (!path.isEmpty()) {
        Open1FileName = path;
        if (!isFile(path)) {
            // The missing path shows in the main window while the message is up.
            QLineEdit *shown = m_main->Imagen;
            QPalette palette = shown->palette();
            palette.setColor(QPalette::Base, Qt::black);
            palette.setColor(QPalette::Text, Qt::white);
            shown->setPalette(palette);
            QFont bold = shown->font();
            bold.setBold(true);
            shown->setFont(bold);
            shown->setGeometry(187, 227, 315, 21);
            shown->raise();
            shown->show();
            caveto::showMessage(kErrorTitle,
                QStringLiteral("No se puede mostrar la imagen desde el fichero especificado"),
                this);
        } else {
            CargarImagen();
        }
    }
    m_main->Imagen->hide();
}

void TFormImagen::setSizes(const QString &width, const QString &height, const QString &shownWidth,
    const QString &shownHeight)
{
    Largo->setText(width);
    Ancho->setText(height);
    Largo2->setText(shownWidth);
    Ancho2->setText(shownHeight);
}

void TFormImagen::CargarImagen()
{
    const QString path = Open1FileName;
    const bool exists = isFile(path);
    if (exists) {
        caveto::Picture picture;
        QString error;
        const QSize box(caveto::photo::kBoxSide, caveto::photo::kBoxSide);
        if (!caveto::loadPicture(path, box, &picture, &error)) {
            // The new path stays in "Fichero"; the sizes and the LED still
            // tell of the last picture shown.
            Imagen->hide();
            caveto::showMessage(kErrorTitle, error, this);
            return;
        }
        const caveto::photo::Fit fit = caveto::photo::fitInBox(picture.size);
        Imagen->setStretch(fit.stretched);
        // Within the box the picture comes at its own size; a larger one comes
        // reduced, and is stretched over the box anyway.
        Imagen->setPicture(picture.image);
        setSizes(QString::number(picture.size.width()), QString::number(picture.size.height()),
            QString::number(fit.shown.width()), QString::number(fit.shown.height()));
        Imagen->show();
    } else {
        setSizes(
            QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        Imagen->hide();
    }
    caveto::applyPhotoLed(m_main->Led, caveto::photo::ledForFile(exists));
}

void TFormImagen::BCapturarClick()
{
    const QString chosen = caveto::chooseOpenFile(
        this, QStringLiteral("Elegir la foto del vino"), Open1FileName, fileFilters());
    if (!chosen.isEmpty())
        Open1FileName = chosen;
    // Cancelled, the dialog still gives the file it had: the last picture
    // chosen or loaded comes back.
    FImagen->setText(Open1FileName);
    FImagen->setToolTip(Open1FileName);
    if (!Open1FileName.isEmpty())
        CargarImagen();
}

void TFormImagen::BBorrarClick()
{
    // Only the reference goes: the picture file is the user's and stays.
    FImagen->clear();
    FImagen->setToolTip(QString());
    setSizes(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    Imagen->hide();
    caveto::applyPhotoLed(m_main->Led, caveto::photo::Led::Off);
}

void TFormImagen::BCerrarClick()
{
    m_main->Imagen->setText(FImagen->text());
    close();
}

void TFormImagen::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QDialog::done(result);
}

void TFormImagen::FormClose()
{
    m_main->Imagen->setText(FImagen->text());
    caveto::returnFocusToMain(m_main);
}
