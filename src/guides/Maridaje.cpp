#include "guides/Maridaje.h"

#include "guides/Dishes.h"
#include "guides/GuideForm.h"
#include "platform/Colors.h"
#include "platform/ExitWatcher.h"
#include "platform/FormStyle.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QProxyStyle>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

using caveto::guides::kDishCategoryCount;
using caveto::guides::kWineKindCount;

namespace {

constexpr int kListWidth = 160;
constexpr int kListHeight = 21;

struct Category
{
    QComboBox *TFormMaridaje::*list;
    QLabel *TFormMaridaje::*label;
    void (TFormMaridaje::*handler)();
    const char *listName;
    const char *labelName;
    const char *labelCaption; // UTF-8
    const char *title; // shown in PTipoPlato, UTF-8
    int x, y;
    int rowsVisible;
};

// In tab order, which is also the order of the dish table.
const Category kCategories[kDishCategoryCount] = {
    { &TFormMaridaje::CApeTapas, &TFormMaridaje::LApeTapas, &TFormMaridaje::CApeTapasChange,
        "CApeTapas", "LApeTapas", "Aperitivos y Tapas", "Aperitivos y Tapas", 10, 54, 10 },
    { &TFormMaridaje::CVerduras, &TFormMaridaje::LVerduras, &TFormMaridaje::CVerdurasChange,
        "CVerduras", "LVerduras", "Verd., Legumb. y Ensaladas", "Verd., Legumbres y Ensaladas", 173,
        54, 6 },
    { &TFormMaridaje::CHuevos, &TFormMaridaje::LHuevos, &TFormMaridaje::CHuevosChange, "CHuevos",
        "LHuevos", "Huevos", "Huevos", 336, 54, 6 },
    { &TFormMaridaje::CSetas, &TFormMaridaje::Lsetas, &TFormMaridaje::CSetasChange, "CSetas",
        "Lsetas", "Setas y Tubérculos", "Setas y Tubérculos", 499, 54, 6 },
    { &TFormMaridaje::CSopas, &TFormMaridaje::LSopas, &TFormMaridaje::CSopasChange, "CSopas",
        "LSopas", "Sopas, Arroces y Pasta", "Sopas Arroces y Pasta", 10, 93, 7 },
    { &TFormMaridaje::CPescado, &TFormMaridaje::LPescados, &TFormMaridaje::CPescadoChange,
        "CPescado", "LPescados", "Pescados y Marisco", "Pescados y Marisco", 173, 93, 7 },
    { &TFormMaridaje::CCarne, &TFormMaridaje::Lcarne, &TFormMaridaje::CCarneChange, "CCarne",
        "Lcarne", "Carne, Caza y Aves", "Carne, Caza y Aves", 336, 93, 7 },
    { &TFormMaridaje::CQuesos, &TFormMaridaje::LQuesos, &TFormMaridaje::CQuesosChange, "CQuesos",
        "LQuesos", "Quesos y Postres", "Quesos y Postres", 499, 93, 7 },
};

struct WineKind
{
    QLabel *TFormMaridaje::*label;
    QLabel *TFormMaridaje::*image;
    QLabel *TFormMaridaje::*panel;
    const char *labelName;
    const char *caption;
    const char *imageName;
    const char *panelName;
    const char *picture; // :/icons/<picture>.png
    int labelX, panelX, y;
};

// In code order: the code at column 75 is the first kind's.
const WineKind kWineKinds[kWineKindCount] = {
    { &TFormMaridaje::LGenerosos, &TFormMaridaje::Image3, &TFormMaridaje::PGen, "LGenerosos",
        "Secos", "Image3", "PGen", "VinoSecos", 10, 68, 17 },
    { &TFormMaridaje::Label1, &TFormMaridaje::Image4, &TFormMaridaje::PEsp, "Label1", "Espumoso",
        "Image4", "PEsp", "VinoEspumoso", 151, 226, 17 },
    { &TFormMaridaje::Label2, &TFormMaridaje::Image7, &TFormMaridaje::PBsc, "Label2",
        "Blanco Joven", "Image7", "PBsc", "VinoBlancoJoven", 313, 396, 17 },
    { &TFormMaridaje::Label3, &TFormMaridaje::Image8, &TFormMaridaje::PBcc, "Label3",
        "Blanco Crianza", "Image8", "PBcc", "VinoBlancoCrianza", 479, 569, 17 },
    { &TFormMaridaje::Label4, &TFormMaridaje::Image2, &TFormMaridaje::PRos, "Label4", "Rosado",
        "Image2", "PRos", "VinoRosado", 10, 68, 48 },
    { &TFormMaridaje::Label5, &TFormMaridaje::Image1, &TFormMaridaje::PTjo, "Label5", "Tinto Joven",
        "Image1", "PTjo", "VinoTintoJoven", 151, 227, 48 },
    { &TFormMaridaje::Label6, &TFormMaridaje::Image5, &TFormMaridaje::PTcr, "Label6",
        "Tinto Crianza", "Image5", "PTcr", "VinoTintoCrianza", 313, 396, 48 },
    { &TFormMaridaje::Label7, &TFormMaridaje::Image6, &TFormMaridaje::PDul, "Label7", "Vino Dulce",
        "Image6", "PDul", "VinoDulce", 482, 570, 48 },
};

// A dish list paints its field flat cream, as the lists of the other
// windows are, and shows the start of the item clipped at the arrow, never
// shortened with an ellipsis.
class DishList : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QString text = option.currentText;
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        painter.fillRect(field, palette().color(QPalette::Base));
        if (hasFocus()) {
            painter.fillRect(field.adjusted(1, 1, -1, -1), palette().color(QPalette::Highlight));
            painter.setPen(palette().color(QPalette::HighlightedText));
        } else {
            painter.setPen(palette().color(
                isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        }
        painter.setClipRect(field);
        painter.drawText(field.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
};

QComboBox *makeDishList(
    QWidget *parent, const QString &name, const QStringList &items, int rowsVisible)
{
    auto *combo = new DishList(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    caveto::dropDownAsPlainList(combo);
    auto *view = new QListView(combo);
    view->setTextElideMode(Qt::ElideNone);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setUniformItemSizes(true);
    combo->setView(view);
    combo->setMaxVisibleItems(rowsVisible);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->addItems(items);
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Base, caveto::guides::cremaColor());
    combo->setPalette(palette);
    view->setPalette(palette);
    return combo;
}

// A panel on dark navy with white bold text.
QLabel *makeNavyPanel(QWidget *parent, const QString &name, const QRect &rect)
{
    QLabel *panel = caveto::makeTitlePanel(parent, name, QString());
    panel->setTextFormat(Qt::PlainText);
    panel->setGeometry(rect);
    return panel;
}

void setPanelText(QLabel *panel, const QString &caption, const QColor &colour)
{
    panel->setText(caption);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, colour);
    panel->setPalette(palette);
}

} // namespace

TFormMaridaje::TFormMaridaje(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormMaridaje"));
    setWindowTitle(QStringLiteral(" Caveto  Maridaje  El Vino y la Comida."));
    m_entryWatcher = new caveto::ExitWatcher(this);

    LOpcion = caveto::guides::makeTitle(
        this, QStringLiteral("LOpcion"), QStringLiteral("Maridaje"), QRect(276, 8, 121, 25));
    buildLists();
    buildDishPanel();
    buildResultPanel();

    BOkDatos = caveto::guides::makeHandButton(
        this, QStringLiteral("BOkDatos"), QStringLiteral("&Aceptar"), QRect(296, 308, 75, 28));
    connect(BOkDatos, &QPushButton::clicked, this, &TFormMaridaje::BOkDatosClick);

    FormCreate();
}

void TFormMaridaje::FormCreate()
{
    caveto::setupFixedForm(this, 668, 348, true);
}

void TFormMaridaje::buildLists()
{
    // Created in tab order, so the focus runs through them in that order.
    for (int i = 0; i < kDishCategoryCount; ++i) {
        const Category &c = kCategories[i];
        QComboBox *list = makeDishList(
            this, QString::fromLatin1(c.listName), caveto::guides::dishItems(i), c.rowsVisible);
        list->setGeometry(c.x, c.y, kListWidth, kListHeight);
        this->*c.list = list;
        m_lists[std::size_t(i)] = list;
        this->*c.label = caveto::makeLabel(this, QString::fromLatin1(c.labelName),
            QString::fromUtf8(c.labelCaption), c.x, c.y - 14);
        // The user's choice and the list's receiving the focus both show
        // the list's dish; the program's own selections show nothing.
        const auto handler = c.handler;
        connect(list, &QComboBox::activated, this, handler);
        m_entryWatcher->watchEntry(list, [this, handler] { (this->*handler)(); });
    }
}

void TFormMaridaje::buildDishPanel()
{
    PLargo = caveto::makeContainer(this, QStringLiteral("PLargo"));
    PLargo->setGeometry(10, 138, 648, 70);
    LTipoPlato = caveto::makeLabel(PLargo, QStringLiteral("LTipoPlato"),
        QStringLiteral("-------------------- Tipo de Plato ----------------------"), 11, 8);
    LDescripcion = caveto::makeLabel(PLargo, QStringLiteral("LDescripcion"),
        QStringLiteral("----------------------------------------------------- Descripción del "
                       "Plato ---------------------------------------------------"),
        213, 8);
    // The dashes frame the caption over its panel; what does not fit is cut
    // off at both ends.
    for (QLabel *label : { LTipoPlato, LDescripcion })
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    LTipoPlato->setGeometry(11, 8, 197, LTipoPlato->height());
    LDescripcion->setGeometry(213, 8, 420, LDescripcion->height());
    PTipoPlato = makeNavyPanel(PLargo, QStringLiteral("PTipoPlato"), QRect(10, 26, 197, 28));
    PDescripcion = makeNavyPanel(PLargo, QStringLiteral("PDescripcion"), QRect(213, 26, 420, 28));
}

void TFormMaridaje::buildResultPanel()
{
    Panel1 = caveto::makeContainer(this, QStringLiteral("Panel1"));
    Panel1->setGeometry(10, 212, 648, 89);
    for (const WineKind &k : kWineKinds) {
        QLabel *label = caveto::makeLabel(Panel1, QString::fromLatin1(k.labelName),
            QString::fromUtf8(k.caption), k.labelX, k.y + 3);
        this->*k.label = label;

        // The picture stands just before the panel.
        auto *image = new QLabel(Panel1);
        image->setObjectName(QString::fromLatin1(k.imageName));
        const QPixmap picture(QStringLiteral(":/icons/%1.png").arg(QLatin1String(k.picture)));
        image->setPixmap(picture);
        const QSize size = picture.isNull() ? QSize(11, 23) : picture.size();
        image->setGeometry(
            k.panelX - size.width() - 4, k.y + 10 - size.height() / 2, size.width(), size.height());
        this->*k.image = image;

        auto *panel = new QLabel(Panel1);
        panel->setObjectName(QString::fromLatin1(k.panelName));
        panel->setTextFormat(Qt::PlainText);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, Qt::black);
        panel->setPalette(palette);
        panel->setGeometry(k.panelX, k.y, 63, 20);
        this->*k.panel = panel;
    }
    // What the panels show before the window first shows a dish.
    const QColor red(255, 0, 0);
    for (QLabel *panel : resultPanels())
        setPanelText(panel, QStringLiteral("No"), red);
    setPanelText(PGen, QStringLiteral("Muy Bueno"), QColor(0, 255, 255));
    setPanelText(PBcc, QStringLiteral("No "), red);
}

std::array<QLabel *, 8> TFormMaridaje::resultPanels() const
{
    return { PGen, PEsp, PBsc, PBcc, PRos, PTjo, PTcr, PDul };
}

void TFormMaridaje::showDish(int index)
{
    QComboBox *list = m_lists[std::size_t(index)];
    PTipoPlato->setText(QString::fromUtf8(kCategories[index].title));
    const QString item = list->currentText();
    PDescripcion->setText(caveto::guides::itemDescription(item));
    for (int k = 0; k < kWineKindCount; ++k)
        CodigoMaridaje[std::size_t(k)] = QString(caveto::guides::itemCode(item, k));
    Crea_TipoVino();
}

void TFormMaridaje::CApeTapasChange()
{
    showDish(0);
}
void TFormMaridaje::CVerdurasChange()
{
    showDish(1);
}
void TFormMaridaje::CHuevosChange()
{
    showDish(2);
}
void TFormMaridaje::CSetasChange()
{
    showDish(3);
}
void TFormMaridaje::CSopasChange()
{
    showDish(4);
}
void TFormMaridaje::CPescadoChange()
{
    showDish(5);
}
void TFormMaridaje::CCarneChange()
{
    showDish(6);
}
void TFormMaridaje::CQuesosChange()
{
    showDish(7);
}

void TFormMaridaje::Crea_TipoVino()
{
    const std::array<QLabel *, 8> panels = resultPanels();
    for (int k = 0; k < kWineKindCount; ++k) {
        const QString &code = CodigoMaridaje[std::size_t(k)];
        if (code.size() != 1)
            continue;
        if (const auto look = caveto::guides::pairingLook(code.at(0)))
            setPanelText(panels[std::size_t(k)], look->caption, look->colour);
    }
}

void TFormMaridaje::FormActivate()
{
    // The first appetiser, "Aceitunas", with its category and codes; the
    // other lists only show their first dish.
    CApeTapas->setCurrentIndex(0);
    showDish(0);
    for (int i = 1; i < kDishCategoryCount; ++i)
        m_lists[std::size_t(i)]->setCurrentIndex(0);
}

void TFormMaridaje::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Coming back from being minimised is not a new opening.
    if (m_activated)
        return;
    m_activated = true;
    FormActivate();
}

void TFormMaridaje::BOkDatosClick()
{
    close();
}
