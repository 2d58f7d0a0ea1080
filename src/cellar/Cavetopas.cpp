#include "cellar/Cavetopas.h"

#include "app/Globals.h"
#include "app/Inicio.h"
#include "cellar/AvisoProg.h"
#include "cellar/EntryChecks.h"
#include "cellar/GrapeVarieties.h"
#include "cellar/RecordOrder.h"
#include "cellar/StatusPanels.h"
#include "controls/ALed.h"
#include "controls/Blinklbl.h"
#include "controls/GIFImage.h"
#include "controls/Gradient.h"
#include "controls/ImagenPlus.h"
#include "controls/Mylabel.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/ExitWatcher.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"
#include "platform/SafeInput.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"
#include "tasting/CataGusto.h"
#include "tasting/CataOlfato.h"
#include "tasting/CataVista.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>
#include <QToolButton>

using caveto::Field;

namespace {

TFormCavetoPas *s_instance = nullptr;

const QString kModoAlta = QStringLiteral("ALTA");
const QString kModoBaja = QStringLiteral("BAJA");
const QString kModoModi = QStringLiteral("MODI");
const QString kModoCons = QStringLiteral("CONS");

constexpr int kClientWidth = 683;
constexpr int kClientHeight = 371;

// The record list shows whole record lines in a fixed-pitch font: the first
// 66 columns (name, vintage, appellation) are what it shows, read as written,
// without an ellipsis and without the start of the next column.
constexpr int kListColumns = 66;

class RecordListCombo : public QComboBox
{
public:
    using QComboBox::QComboBox;

    // Where the first column's text starts, in the combo's own coordinates.
    int textLeft() const
    {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                       this).left()
            + 2;
    }
    // The width of one column of the fixed-pitch font, unrounded, so that
    // column 37 is where the text puts it.
    qreal columnWidth() const { return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('M')); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QString text = option.currentText.left(kListColumns);
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        painter.setClipRect(field);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::Text));
        painter.drawText(QRect(textLeft(), field.top(), field.right() - textLeft(), field.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
};

// The open list draws each line's first 66 columns exactly under the closed
// field's text, whatever frame the popup adds.
class RecordListDelegate : public QStyledItemDelegate
{
public:
    RecordListDelegate(RecordListCombo *combo, QAbstractItemView *view)
        : QStyledItemDelegate(view), m_combo(combo), m_view(view)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        const QWidget *widget = plain.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

        const int left = m_combo->mapToGlobal(QPoint(m_combo->textLeft(), 0)).x()
            - m_view->viewport()->mapToGlobal(QPoint(0, 0)).x();
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setFont(m_combo->font());
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(left, option.rect.top(), option.rect.right() - left,
                                option.rect.height()),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString().left(kListColumns));
        painter->restore();
    }

private:
    RecordListCombo *m_combo;
    QAbstractItemView *m_view;
};

// The record list drops down as a plain list box the width of the field:
// measuring every line to size a menu-style popup would take seconds with a
// large cellar.
class RecordListStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QComboBox *makeListField(QWidget *parent, const QString &name, int maxLength)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(14);
    combo->lineEdit()->setMaxLength(maxLength);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    caveto::installSafeInput(combo);
    caveto::setFieldColor(combo, caveto::colors::CampoNormal);
    caveto::setFieldColor(combo->lineEdit(), caveto::colors::CampoNormal);
    return combo;
}

QLineEdit *makeTextField(QWidget *parent, const QString &name, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    caveto::installSafeInput(edit);
    caveto::setFieldColor(edit, caveto::colors::CampoNormal);
    return edit;
}

TNumEdit *makeNumField(QWidget *parent, const QString &name, int maxLength, bool isFloat,
                       const QString &hint)
{
    auto *edit = new TNumEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setFloat(isFloat);
    edit->setNegative(true);
    edit->setToolTip(hint);
    caveto::setFieldColor(edit, caveto::colors::CampoNormal);
    return edit;
}

QLineEdit *makeHiddenField(QWidget *parent, const QString &name, bool readOnly, int maxLength = 32767)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setReadOnly(readOnly);
    edit->hide();
    return edit;
}

QString comboText(const QComboBox *combo)
{
    return combo->currentText();
}

} // namespace

TFormCavetoPas *TFormCavetoPas::instance()
{
    return s_instance;
}

TFormCavetoPas::TFormCavetoPas(QWidget *parent)
    : QMainWindow(parent),
      Catador(caveto::fieldWidth(Field::Catador)), FCataDD(caveto::fieldWidth(Field::FCataDD)),
      FCataMM(caveto::fieldWidth(Field::FCataMM)), FCataYY(caveto::fieldWidth(Field::FCataYY)),
      HoraIni(caveto::fieldWidth(Field::HoraIni)), HoraFin(caveto::fieldWidth(Field::HoraFin)),
      Botella(caveto::fieldWidth(Field::Botella)), Tapon(caveto::fieldWidth(Field::Tapon)),
      Capsula(caveto::fieldWidth(Field::Capsula)),
      Fermentacion(caveto::fieldWidth(Field::Fermentacion)),
      Barrica(caveto::fieldWidth(Field::Barrica)), Limpieza(caveto::fieldWidth(Field::Limpieza)),
      Color(caveto::fieldWidth(Field::Color)), Intensidad(caveto::fieldWidth(Field::Intensidad)),
      Viscosidad(caveto::fieldWidth(Field::Viscosidad)),
      CaliVista(caveto::fieldWidth(Field::CaliVista)), Aroma1(caveto::fieldWidth(Field::Aroma1)),
      Aroma2(caveto::fieldWidth(Field::Aroma2)), Aroma3(caveto::fieldWidth(Field::Aroma3)),
      Aroma4(caveto::fieldWidth(Field::Aroma4)), Afrutado(caveto::fieldWidth(Field::Afrutado)),
      Bouquet(caveto::fieldWidth(Field::Bouquet)),
      CaliOlfato(caveto::fieldWidth(Field::CaliOlfato)), Dulzor(caveto::fieldWidth(Field::Dulzor)),
      Tanino(caveto::fieldWidth(Field::Tanino)), Cuerpo(caveto::fieldWidth(Field::Cuerpo)),
      Acidez(caveto::fieldWidth(Field::Acidez)), Duracion(caveto::fieldWidth(Field::Duracion)),
      Equilibrio(caveto::fieldWidth(Field::Equilibrio)),
      CaliGusto(caveto::fieldWidth(Field::CaliGusto)),
      Conjunto1(caveto::fieldWidth(Field::Conjunto1)),
      Conjunto2(caveto::fieldWidth(Field::Conjunto2)),
      Conjunto3(caveto::fieldWidth(Field::Conjunto3)),
      Conjunto4(caveto::fieldWidth(Field::Conjunto4)),
      CaliConjunto(caveto::fieldWidth(Field::CaliConjunto))
{
    s_instance = this;
    setObjectName(QStringLiteral("TFormCavetoPas"));
    setWindowTitle(QStringLiteral(" Caveto 2.5 "));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_exitWatcher = new caveto::ExitWatcher(this);
    buildLayout();
    FormCreate();
}

TFormCavetoPas::~TFormCavetoPas()
{
    if (s_instance == this)
        s_instance = nullptr;
}

FixedText *TFormCavetoPas::tastingField(Field f)
{
    switch (f) {
    case Field::Catador: return &Catador;
    case Field::FCataDD: return &FCataDD;
    case Field::FCataMM: return &FCataMM;
    case Field::FCataYY: return &FCataYY;
    case Field::HoraIni: return &HoraIni;
    case Field::HoraFin: return &HoraFin;
    case Field::Botella: return &Botella;
    case Field::Tapon: return &Tapon;
    case Field::Capsula: return &Capsula;
    case Field::Fermentacion: return &Fermentacion;
    case Field::Barrica: return &Barrica;
    case Field::Limpieza: return &Limpieza;
    case Field::Color: return &Color;
    case Field::Intensidad: return &Intensidad;
    case Field::Viscosidad: return &Viscosidad;
    case Field::CaliVista: return &CaliVista;
    case Field::Aroma1: return &Aroma1;
    case Field::Aroma2: return &Aroma2;
    case Field::Aroma3: return &Aroma3;
    case Field::Aroma4: return &Aroma4;
    case Field::Afrutado: return &Afrutado;
    case Field::Bouquet: return &Bouquet;
    case Field::CaliOlfato: return &CaliOlfato;
    case Field::Dulzor: return &Dulzor;
    case Field::Tanino: return &Tanino;
    case Field::Cuerpo: return &Cuerpo;
    case Field::Acidez: return &Acidez;
    case Field::Duracion: return &Duracion;
    case Field::Equilibrio: return &Equilibrio;
    case Field::CaliGusto: return &CaliGusto;
    case Field::Conjunto1: return &Conjunto1;
    case Field::Conjunto2: return &Conjunto2;
    case Field::Conjunto3: return &Conjunto3;
    case Field::Conjunto4: return &Conjunto4;
    case Field::CaliConjunto: return &CaliConjunto;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------------------
// Layout
// ---------------------------------------------------------------------------

void TFormCavetoPas::buildLayout()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    buildMenuBar();

    PBotones = caveto::makeContainer(client, QStringLiteral("PBotones"));
    PBotones->setGeometry(0, 1, kClientWidth, 30);
    struct Shortcut {
        QToolButton **button;
        const char *name;
        const char *hint;
    };
    const Shortcut shortcuts[] = {
        {&BAH, "BAH", "Diccionario"},
        {&BUvas, "BUvas", "Variedades de uva"},
        {&BDecalogo, "BDecalogo", "Decálogo"},
        {&BLexico, "BLexico", "Léxico del Vino ( Cata )"},
        {&BVinos, "BVinos", "Denominaciones de Origen"},
        {&BCosechas, "BCosechas", "Cosechas"},
        {&BMapa, "BMapa", "Mapa Denominaciones de Origen"},
        {&BMaridaje, "BMaridaje", "Maridaje  El vino y la Comida"},
        {&BInformes, "BInformes", "Listado"},
    };
    int x = 4;
    for (const Shortcut &s : shortcuts) {
        *s.button = caveto::makeToolButton(PBotones, QString::fromLatin1(s.name),
                                          QString::fromUtf8(s.hint), QString::fromLatin1(s.name));
        (*s.button)->setGeometry(x, 2, 25, 25);
        (*s.button)->setIconSize(QSize(21, 21));
        x += 27;
    }
    connect(BAH, &QToolButton::clicked, this, &TFormCavetoPas::Diccionario1Click);
    connect(BUvas, &QToolButton::clicked, this, &TFormCavetoPas::Uvas1Click);
    connect(BDecalogo, &QToolButton::clicked, this, &TFormCavetoPas::Declogo1Click);
    connect(BLexico, &QToolButton::clicked, this, &TFormCavetoPas::lexico1Click);
    connect(BVinos, &QToolButton::clicked, this, &TFormCavetoPas::Vinos1Click);
    connect(BCosechas, &QToolButton::clicked, this, &TFormCavetoPas::Cosechas1Click);
    connect(BMapa, &QToolButton::clicked, this, &TFormCavetoPas::MapaDO1Click);
    connect(BMaridaje, &QToolButton::clicked, this, &TFormCavetoPas::Maridaje1Click);
    connect(BInformes, &QToolButton::clicked, this, &TFormCavetoPas::Informes1Click);

    LOpcion = caveto::makeTitlePanel(PBotones, QStringLiteral("LOpcion"), QStringLiteral("OPCIÓN"));
    LOpcion->setGeometry(256, 3, 150, 23);
    LOpcionAbierta = new TBlinkLabel(PBotones);
    LOpcionAbierta->setObjectName(QStringLiteral("LOpcionAbierta"));
    LOpcionAbierta->setGeometry(416, 3, 262, 23);
    {
        QFont font = LOpcionAbierta->font();
        font.setBold(true);
        LOpcionAbierta->setFont(font);
        QPalette palette = LOpcionAbierta->palette();
        palette.setColor(QPalette::WindowText, caveto::tcolor(caveto::colors::Granate));
        LOpcionAbierta->setPalette(palette);
    }
    LOpcionAbierta->setVelocidad(800);

    buildRecordPanels();
    buildTastingPanel();
    buildCommandPanel();
    buildMenuPanel();

    PLibroBodega = caveto::makeTitlePanel(client, QStringLiteral("PLibroBodega"),
                                          QStringLiteral("Libro de Bodega"));
    PLibroBodega->setGeometry(3, 38, 677, 20);
    PCataDeVino = caveto::makeTitlePanel(client, QStringLiteral("PCataDeVino"),
                                         QStringLiteral("Cata de Vinos"));
    PCataDeVino->setGeometry(3, 197, 677, 20);
    PLibroBodega->hide();
    PCataDeVino->hide();

    // Hidden working controls.
    Linea = makeHiddenField(client, QStringLiteral("Linea"), false);
    W_Linea = makeHiddenField(client, QStringLiteral("W_Linea"), false);
    EFichero = makeHiddenField(client, QStringLiteral("EFichero"), true, caveto::kNotesNameLength);
    Valor_Editor = makeHiddenField(client, QStringLiteral("Valor_Editor"), true,
                                   caveto::kNotesNameLength);
    // The photo path is kept whole, however long.
    Imagen = makeHiddenField(client, QStringLiteral("Imagen"), true);
    PContReg = new QLabel(QStringLiteral("0"), client);
    PContReg->setObjectName(QStringLiteral("PContReg"));
    PContReg->hide();
    EditorFichero = new caveto::RecordImage(this);
    EditorFichero->setObjectName(QStringLiteral("EditorFichero"));

    StatusBar1 = new caveto::StatusPanels({180, 210, 80, 90, 90}, client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 352, kClientWidth, 19);
    // The bar only shows; it takes no clicks.
    StatusBar1->setAttribute(Qt::WA_TransparentForMouseEvents);
    StatusBar1->setPanelText(0, QStringLiteral("Caveto 2.5  ( Morvent Software )"));
    StatusBar1->setPanelText(1, QStringLiteral("Libro de Bodega   /   Cata de Vinos"));

    BarraProgreso = new QProgressBar(client);
    BarraProgreso->setObjectName(QStringLiteral("BarraProgreso"));
    BarraProgreso->setRange(0, 100);
    BarraProgreso->setTextVisible(false);
    BarraProgreso->resize(176, 14);
    BarraProgreso->hide();
    Lproceso = new QLabel(client);
    Lproceso->setObjectName(QStringLiteral("Lproceso"));
    Lproceso->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Lproceso->setAutoFillBackground(true);
    Lproceso->resize(150, 19);
    Lproceso->hide();

    Tpersonal = new QTimer(this);
    Tpersonal->setObjectName(QStringLiteral("Tpersonal"));
    Tpersonal->setInterval(100);
    connect(Tpersonal, &QTimer::timeout, this, &TFormCavetoPas::TpersonalTimer);
}

void TFormCavetoPas::buildMenuBar()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto entry = [this, bar](QAction **action, const char *name, const QString &caption,
                             void (TFormCavetoPas::*slot)()) {
        *action = bar->addAction(caption);
        (*action)->setObjectName(QString::fromLatin1(name));
        if (slot)
            connect(*action, &QAction::triggered, this, slot);
    };
    entry(&Diccionario1, "Diccionario1", QStringLiteral("Diccionario"), &TFormCavetoPas::Diccionario1Click);
    entry(&Uvas1, "Uvas1", QStringLiteral("Uvas"), &TFormCavetoPas::Uvas1Click);
    entry(&Declogo1, "Declogo1", QStringLiteral("Decálogo"), &TFormCavetoPas::Declogo1Click);
    entry(&lexico1, "lexico1", QStringLiteral("Léxico"), &TFormCavetoPas::lexico1Click);
    entry(&Vinos1, "Vinos1", QStringLiteral("Denominaciones"), &TFormCavetoPas::Vinos1Click);
    entry(&Cosechas1, "Cosechas1", QStringLiteral("Cosechas"), &TFormCavetoPas::Cosechas1Click);
    entry(&MapaDO1, "MapaDO1", QStringLiteral("Mapa D.O."), &TFormCavetoPas::MapaDO1Click);
    entry(&Maridaje1, "Maridaje1", QStringLiteral("Maridaje"), &TFormCavetoPas::Maridaje1Click);
    entry(&Informes1, "Informes1", QStringLiteral("Listado"), &TFormCavetoPas::Informes1Click);

    m_acercaMenu = new QMenu(QStringLiteral("Caveto"), bar);
    m_acercaMenu->setObjectName(QStringLiteral("AcercaDe1Menu"));
    AcercaDe1 = bar->addMenu(m_acercaMenu);
    AcercaDe1->setObjectName(QStringLiteral("AcercaDe1"));
    Caveto1 = m_acercaMenu->addAction(QStringLiteral("Caveto"));
    Caveto1->setObjectName(QStringLiteral("Caveto1"));
    connect(Caveto1, &QAction::triggered, this, &TFormCavetoPas::Caveto1Click);
    N1 = m_acercaMenu->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Acerdade1 = m_acercaMenu->addAction(QStringLiteral("Acerda de..."));
    Acerdade1->setObjectName(QStringLiteral("Acerdade1"));
    connect(Acerdade1, &QAction::triggered, this, &TFormCavetoPas::Acerdade1Click);

    entry(&Nada, "Nada", QStringLiteral(" "), nullptr);
}

void TFormCavetoPas::buildRecordPanels()
{
    QWidget *client = centralWidget();

    PCSalida = caveto::makeContainer(client, QStringLiteral("PCSalida"));
    PCSalida->setGeometry(0, 33, kClientWidth, 52);

    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setBold(true);
    listFont.setPixelSize(13);
    const int listLeft = 4;

    auto *recordList = new RecordListCombo(PCSalida);
    Csalida = recordList;
    Csalida->setObjectName(QStringLiteral("Csalida"));
    Csalida->setFont(listFont);
    Csalida->setGeometry(listLeft, 19, 540, 24);

    // The headings stand over the columns as the list draws them.
    auto heading = [&](const char *name, const QString &caption, Field field) {
        const qreal x = listLeft + recordList->textLeft()
            + (caveto::fieldColumn(field) - 1) * recordList->columnWidth();
        caveto::makeLabel(PCSalida, QString::fromLatin1(name), caption, qRound(x), 3);
    };
    heading("LNombreDelVino", QStringLiteral("Nombre del Vino"), Field::NombreVino);
    heading("LAno", QStringLiteral("Año"), Field::Cosecha);
    heading("LDenominacion", QStringLiteral("Denominación de Origen"), Field::DenoOrigen);

    Csalida->setMaxVisibleItems(14);
    Csalida->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_recordModel = new QStringListModel(this);
    Csalida->setModel(m_recordModel);
    auto *listStyle = new RecordListStyle;
    listStyle->setParent(Csalida);
    Csalida->setStyle(listStyle);
    auto *view = new QListView(Csalida);
    view->setUniformItemSizes(true);
    view->setTextElideMode(Qt::ElideNone);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFont(listFont);
    Csalida->setView(view);
    Csalida->setItemDelegate(new RecordListDelegate(recordList, view));
    caveto::setFieldColor(Csalida, caveto::colors::CampoNormal);
    connect(Csalida, &QComboBox::activated, this, [this](int) { CsalidaChange(); });
    m_exitWatcher->watchEntry(Csalida, [this] { CsalidaChange(); });

    BBuscar = caveto::makeButton(PCSalida, QStringLiteral("BBuscar"), QStringLiteral("Buscar &Vino"),
                                 QStringLiteral("BBuscar"));
    BBuscar->setGeometry(556, 15, 118, 30);
    connect(BBuscar, &QPushButton::clicked, this, &TFormCavetoPas::BBuscarClick);

    PDatos = caveto::makeContainer(client, QStringLiteral("PDatos"));
    PDatos->setGeometry(0, 88, kClientWidth, 128);
    caveto::keepReadableWhenDisabled(PDatos);

    // Three rows of label-over-field; the counters sit right of their lists
    // and the blinking new-value marks beside their labels.
    const int rowY[3] = {3, 43, 83};
    auto label = [this](const char *name, const QString &caption, int x, int row) {
        return caveto::makeLabel(PDatos, QString::fromLatin1(name), caption, x, 0 + row);
    };
    auto place = [](QWidget *w, int x, int y, int width) { w->setGeometry(x, y + 14, width, 22); };
    auto counter = [this](const char *name, int x, int y) {
        auto *c = new QLabel(QStringLiteral("0"), PDatos);
        c->setObjectName(QString::fromLatin1(name));
        c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        c->setAlignment(Qt::AlignCenter);
        c->setGeometry(x, y + 14, 26, 22);
        return c;
    };
    auto mark = [this](const char *name, int x, int y) {
        auto *m = new TBlinkLabel(PDatos);
        m->setObjectName(QString::fromLatin1(name));
        m->setGeometry(x, y, 44, 14);
        QFont font = m->font();
        font.setBold(true);
        m->setFont(font);
        QPalette palette = m->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        m->setPalette(palette);
        m->setVelocidad(1000);
        return m;
    };

    int y = rowY[0];
    label("LNombreVino", QStringLiteral("Nombre del Vino"), 4, y);
    NombreVino = makeTextField(PDatos, QStringLiteral("NombreVino"), 30);
    place(NombreVino, 4, y, 165);
    label("LCosecha", QStringLiteral("Año"), 173, y);
    Cosecha = makeNumField(PDatos, QStringLiteral("Cosecha"), 4, true, QStringLiteral("Cosecha"));
    place(Cosecha, 173, y, 38);
    label("LDenoOrigen", QStringLiteral("D.O."), 215, y);
    BLabelDeno = mark("BLabelDeno", 250, y);
    DenoOrigen = makeListField(PDatos, QStringLiteral("DenoOrigen"), 30);
    place(DenoOrigen, 215, y, 150);
    LContDenominacion = counter("LContDenominacion", 367, y);
    label("LVino", QStringLiteral("Vino"), 397, y);
    BLabelVino = mark("BLabelVino", 430, y);
    Vino = makeListField(PDatos, QStringLiteral("Vino"), 30);
    place(Vino, 397, y, 124);
    LContVino = counter("LContVino", 523, y);
    label("LTipoVino", QStringLiteral("Tipo"), 553, y);
    BLabelTipoVino = mark("BLabelTipoVino", 583, y);
    TipoVino = makeListField(PDatos, QStringLiteral("TipoVino"), 30);
    place(TipoVino, 553, y, 98);
    LContTipo = counter("LContTipo", 653, y);

    y = rowY[1];
    label("LBodega", QStringLiteral("Tratante / Bodega"), 4, y);
    Bodega = makeTextField(PDatos, QStringLiteral("Bodega"), 30);
    place(Bodega, 4, y, 150);
    label("LFCompra", QStringLiteral("Fec. Compra"), 158, y);
    FCompraDD = makeNumField(PDatos, QStringLiteral("FCompraDD"), 2, false,
                             QStringLiteral("Fecha de Compra Dia."));
    place(FCompraDD, 158, y, 22);
    FCompraMM = makeNumField(PDatos, QStringLiteral("FCompraMM"), 2, false,
                             QStringLiteral("Fecha de Compra Mes."));
    place(FCompraMM, 181, y, 22);
    FCompraYY = makeNumField(PDatos, QStringLiteral("FCompraYY"), 4, false,
                             QStringLiteral("Fecha de Compra Año."));
    place(FCompraYY, 204, y, 36);
    label("LPrecio", QStringLiteral("Imp.  €"), 244, y);
    Precio = makeNumField(PDatos, QStringLiteral("Precio"), 7, true,
                          QStringLiteral("Precio por Unidad"));
    place(Precio, 244, y, 54);
    label("LNumBotellas", QStringLiteral("Botellas"), 302, y);
    NumBotellas = makeNumField(PDatos, QStringLiteral("NumBotellas"), 7, false, QString());
    place(NumBotellas, 302, y, 54);
    label("LEstante", QStringLiteral("Estante"), 360, y);
    BLabelEstante = mark("BLabelEstante", 402, y);
    Estante = makeListField(PDatos, QStringLiteral("Estante"), 15);
    place(Estante, 360, y, 92);
    LContEstante = counter("LContEstante", 454, y);
    label("LGrados", QStringLiteral("Vol."), 484, y);
    Grados = makeNumField(PDatos, QStringLiteral("Grados"), 5, true, QString());
    place(Grados, 484, y, 38);
    label("LTempe", QStringLiteral("Temp."), 526, y);
    TempeINI = makeNumField(PDatos, QStringLiteral("TempeINI"), 2, false,
                            QStringLiteral("Temperatura de servicio Desde."));
    place(TempeINI, 526, y, 22);
    TempeFin = makeNumField(PDatos, QStringLiteral("TempeFin"), 2, false,
                            QStringLiteral("Temperatura de servicio Hasta."));
    place(TempeFin, 549, y, 22);
    label("LConsumo", QStringLiteral("Consumo Preferente."), 575, y);
    Consumo = makeTextField(PDatos, QStringLiteral("Consumo"), 20);
    Consumo->setToolTip(QStringLiteral("Consumo Preferente."));
    place(Consumo, 575, y, 104);

    y = rowY[2];
    QComboBox **grapes[4] = {&TipoUva1, &TipoUva2, &TipoUva3, &TipoUva4};
    TNumEdit **percents[4] = {&Porcen1, &Porcen2, &Porcen3, &Porcen4};
    QStringList varieties;
    for (const char *name : caveto::kGrapeVarieties)
        varieties << QString::fromUtf8(name);
    for (int i = 0; i < 4; ++i) {
        const int gx = 4 + i * 169;
        label(QStringLiteral("LTipoUva%1").arg(i + 1).toLatin1().constData(),
              QStringLiteral("Tipo de Uva %1").arg(i + 1), gx, y);
        *grapes[i] = makeListField(PDatos, QStringLiteral("TipoUva%1").arg(i + 1), 30);
        (*grapes[i])->addItems(varieties);
        (*grapes[i])->setEditText(QString());
        place(*grapes[i], gx, y, 132);
        label(QStringLiteral("LPorcen%1").arg(i + 1).toLatin1().constData(), QStringLiteral("%"),
              gx + 134, y);
        *percents[i] = makeNumField(PDatos, QStringLiteral("Porcen%1").arg(i + 1), 3, false,
                                    QStringLiteral("Porcentaje de Uva %1 utilizada.").arg(i + 1));
        place(*percents[i], gx + 134, y, 30);
    }

    // Exit rules of the fields.
    m_exitWatcher->watch(DenoOrigen, [this] { DenoOrigenExit(); });
    m_exitWatcher->watch(Vino, [this] { VinoExit(); });
    m_exitWatcher->watch(TipoVino, [this] { TipoVinoExit(); });
    m_exitWatcher->watch(Estante, [this] { EstanteExit(); });
    for (QComboBox *grape : {TipoUva1, TipoUva2, TipoUva3, TipoUva4})
        m_exitWatcher->watch(grape, [this] { DenoOrigenExit(); });
    for (TNumEdit *f : {FCompraDD, TempeINI, TempeFin})
        m_exitWatcher->watch(f, [this] { FCompraDDExit(); });
    m_exitWatcher->watch(FCompraMM, [this] { FCompraMMExit(); });
    for (TNumEdit *f : {FCompraYY, Precio, Grados})
        m_exitWatcher->watch(f, [this] { FCompraYYExit(); });
    m_exitWatcher->watch(NumBotellas, [this] { NumBotellasExit(); });
    m_exitWatcher->watch(Porcen1, [this] { Porcen1Exit(); });
    m_exitWatcher->watch(Porcen2, [this] { Porcen2Exit(); });
    m_exitWatcher->watch(Porcen3, [this] { Porcen3Exit(); });
    m_exitWatcher->watch(Porcen4, [this] { Porcen4Exit(); });

    // Tab order follows the fields' order in the record.
    QWidget *order[] = {NombreVino, Cosecha, DenoOrigen, Vino, TipoVino, Bodega, FCompraDD,
                        FCompraMM, FCompraYY, Precio, NumBotellas, Estante, Grados, TempeINI,
                        TempeFin, Consumo, TipoUva1, Porcen1, TipoUva2, Porcen2, TipoUva3,
                        Porcen3, TipoUva4, Porcen4};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFormCavetoPas::buildTastingPanel()
{
    PTeclasCata = caveto::makeContainer(centralWidget(), QStringLiteral("PTeclasCata"));
    PTeclasCata->setGeometry(0, 219, kClientWidth, 80);

    LSCatador = caveto::makeLabel(PTeclasCata, QStringLiteral("LSCatador"),
                                  QStringLiteral("---------------- Catador ----------------"), 6, 4);
    PSCatador = caveto::makeDisplayPanel(PTeclasCata, QStringLiteral("PSCatador"),
                                         caveto::colors::CampoNormal, 0);
    PSCatador->setText(QStringLiteral("Sin Datos"));
    PSCatador->setGeometry(6, 22, 184, 24);

    LDatosDeCata = caveto::makeLabel(
        PTeclasCata, QStringLiteral("LDatosDeCata"),
        QStringLiteral("-------------------------------------------- Cata de Vinos "
                       "--------------------------------------------"),
        198, 4);
    LDatosDeCata->setFixedWidth(387);
    LDatosDeCata->setAlignment(Qt::AlignCenter);
    QPushButton **buttons[5] = {&BDatos, &BVista, &BOlfato, &BGusto, &BConjunto};
    const char *names[5] = {"BDatos", "BVista", "BOlfato", "BGusto", "BConjunto"};
    const char *captions[5] = {"&Datos", "&Vista", "&Olfato", "&Gusto", "&Conjunto"};
    for (int i = 0; i < 5; ++i) {
        *buttons[i] = caveto::makeButton(PTeclasCata, QString::fromLatin1(names[i]),
                                         QString::fromLatin1(captions[i]));
        (*buttons[i])->setGeometry(198 + i * 78, 20, 75, 26);
    }
    QLabel **ratings[4] = {&PVistaCali, &POlfatoCali, &PGustoCali, &PCaliFinal};
    const char *ratingNames[4] = {"PVistaCali", "POlfatoCali", "PGustoCali", "PCaliFinal"};
    for (int i = 0; i < 4; ++i) {
        *ratings[i] = caveto::makeDisplayPanel(PTeclasCata, QString::fromLatin1(ratingNames[i]),
                                               caveto::colors::Granate, 0xFFFFFF);
        (*ratings[i])->setAlignment(Qt::AlignCenter);
        (*ratings[i])->setText(QStringLiteral("Sin Calificar"));
        (*ratings[i])->setGeometry(198 + (i + 1) * 78, 50, 75, 22);
    }
    LFichero = caveto::makeLabel(PTeclasCata, QStringLiteral("LFichero"),
                                 QStringLiteral("------- Notas ------"), 591, 4);
    LFichero->setGeometry(591, 4, 89, 14);
    LFichero->setAlignment(Qt::AlignCenter);
    BEditor = caveto::makeButton(PTeclasCata, QStringLiteral("BEditor"), QStringLiteral("&Editar "));
    BEditor->setGeometry(598, 20, 75, 26);

    connect(BDatos, &QPushButton::clicked, this, &TFormCavetoPas::BDatosClick);
    connect(BVista, &QPushButton::clicked, this, &TFormCavetoPas::BVistaClick);
    connect(BOlfato, &QPushButton::clicked, this, &TFormCavetoPas::BOlfatoClick);
    connect(BGusto, &QPushButton::clicked, this, &TFormCavetoPas::BGustoClick);
    connect(BConjunto, &QPushButton::clicked, this, &TFormCavetoPas::BConjuntoClick);
    connect(BEditor, &QPushButton::clicked, this, &TFormCavetoPas::BEditorClick);
}

void TFormCavetoPas::buildCommandPanel()
{
    PTeclas = caveto::makeContainer(centralWidget(), QStringLiteral("PTeclas"));
    PTeclas->setGeometry(0, 301, kClientWidth, 50);

    BImagen = caveto::makeButton(PTeclas, QStringLiteral("BImagen"), QStringLiteral("&Ver Foto"),
                                 QStringLiteral("BImagen"));
    BImagen->setGeometry(8, 8, 100, 34);
    connect(BImagen, &QPushButton::clicked, this, &TFormCavetoPas::BImagenClick);
    Led = new ThhALed(PTeclas);
    Led->setObjectName(QStringLiteral("Led"));
    Led->move(114, 17);
    Led->setBlink(false);

    BAlta = caveto::makeButton(PTeclas, QStringLiteral("BAlta"), QStringLiteral("&Alta"),
                               QStringLiteral("BAlta"));
    BBaja = caveto::makeButton(PTeclas, QStringLiteral("BBaja"), QStringLiteral("&Baja"),
                               QStringLiteral("BBaja"));
    BModifica = caveto::makeButton(PTeclas, QStringLiteral("BModifica"), QStringLiteral("&Modifica"),
                                   QStringLiteral("BModifica"));
    for (QPushButton *b : {BAlta, BBaja, BModifica}) {
        b->setGeometry(478, 8, 96, 34);
        b->hide();
    }
    BMenu = caveto::makeButton(PTeclas, QStringLiteral("BMenu"), QStringLiteral("Me&nú"),
                               QStringLiteral("BMenu"));
    BMenu->setGeometry(580, 8, 96, 34);

    connect(BAlta, &QPushButton::clicked, this, &TFormCavetoPas::BAltaClick);
    connect(BBaja, &QPushButton::clicked, this, &TFormCavetoPas::BBajaClick);
    connect(BModifica, &QPushButton::clicked, this, &TFormCavetoPas::BModificaClick);
    connect(BMenu, &QPushButton::clicked, this, &TFormCavetoPas::BMenuClick);
}

void TFormCavetoPas::buildMenuPanel()
{
    PTeclasMenu = new QWidget(centralWidget());
    PTeclasMenu->setObjectName(QStringLiteral("PTeclasMenu"));
    PTeclasMenu->setGeometry(132, 8, 422, 296);

    GradienteMenu = new TGradiente(PTeclasMenu);
    GradienteMenu->setObjectName(QStringLiteral("GradienteMenu"));
    GradienteMenu->setGeometry(0, 0, 422, 296);
    GradienteMenu->setColorDesde(caveto::tcolor(caveto::colors::Navy));
    GradienteMenu->setColorHasta(caveto::tcolor(caveto::colors::Silver));

    PCopas = new TImagenPlus(PTeclasMenu);
    PCopas->setObjectName(QStringLiteral("PCopas"));
    PCopas->setGeometry(250, 40, 150, 120);
    PCopas->setPicture(QImage(QStringLiteral(":/icons/PCopas.png")));
    PCopas->setCenter(true);

    GIFImage1 = new TGIFImage(PTeclasMenu);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setGeometry(40, 30, 150, 130);
    GIFImage1->setCenter(true);

    QFont makerFont(QStringLiteral("Liberation Serif"));
    makerFont.setPixelSize(22);
    makerFont.setBold(true);
    makerFont.setItalic(true);
    myLabel3d1 = make3dLabel(PTeclasMenu, QStringLiteral("myLabel3d1"),
                             QStringLiteral("Morvent Software"), makerFont,
                             caveto::tcolor(caveto::colors::Navy), TmyLabel3d::Raised3d,
                             Qt::AlignCenter, QRect(0, 172, 422, 34));

    struct ModeButton {
        QToolButton **button;
        const char *name;
        const char *hint;
        void (TFormCavetoPas::*slot)();
    };
    const ModeButton modes[] = {
        {&BMenuAlta, "BMenuAlta", "  Nuevo Vino  ", &TFormCavetoPas::BMenuAlta2Click},
        {&BMenuBaja, "BMenuBaja", "  Borrar un Vino  ", &TFormCavetoPas::BMenuBaja2Click},
        {&BMenuModi, "BMenuModi", "Modificar Datos / Num. Botellas  ", &TFormCavetoPas::BMenuModi2Click},
        {&BMenuCons, "BMenuCons", "  Consultar Datos  ", &TFormCavetoPas::BMenuCons2Click},
        {&BMenuSalir, "BMenuSalir", "  Salir Caveto  ", &TFormCavetoPas::BMenuSalir2Click},
    };
    int x = 19;
    for (const ModeButton &m : modes) {
        *m.button = caveto::makeToolButton(PTeclasMenu, QString::fromLatin1(m.name),
                                          QString::fromLatin1(m.hint), QString::fromLatin1(m.name));
        (*m.button)->setGeometry(x, 218, 68, 64);
        (*m.button)->setIconSize(QSize(48, 48));
        connect(*m.button, &QToolButton::clicked, this, m.slot);
        x += 78;
    }
}

// ---------------------------------------------------------------------------
// Start-up, activation, clock and closing
// ---------------------------------------------------------------------------

void TFormCavetoPas::FormCreate()
{
    caveto::ProgramState &state = caveto::program();
    state.EntradaSplash.clear();
    for (QString &flag : NuevoValor)
        flag.clear();
    UltimaBusqueda = {};
    ContadorValores = {};

    {
        TFormInicio splash(this);
        caveto::execModal(&splash);
    }
    if (state.EntradaSplash == QLatin1String("N")) {
        m_cancelled = true;
        return;
    }

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    caveto::centerOnScreen(this);
    show();

    BarraProgreso->move(4, 355);
    Lproceso->move(184, 352);

    for (QAction *a : menuBar()->actions())
        a->setVisible(false);
    PTeclasMenu->setEnabled(false);
    for (QWidget *w : {PBotones, PCSalida, PDatos, PTeclasCata, PTeclas})
        w->hide();
    BImagen->hide();
    for (TBlinkLabel *l : {BLabelDeno, BLabelVino, BLabelTipoVino, BLabelEstante})
        l->clear();

    TpersonalTimer();
    Tpersonal->start();

    m_loaded = LoadDataAtStart();
    if (!m_loaded)
        return;
    enterMenuState();
    FormActivate();
}

void TFormCavetoPas::enterMenuState()
{
    PTeclasMenu->setGeometry(132, 8, 422, 296);
    PTeclasMenu->show();
    PTeclasMenu->setEnabled(true);
    for (QAction *a : menuBar()->actions())
        a->setVisible(true);
    if (Nada) {
        menuBar()->removeAction(Nada);
        delete Nada;
        Nada = nullptr;
    }
    PLibroBodega->move(3, 38);
    PCataDeVino->move(3, 197);
    LOpcionAbierta->clear();
}

void TFormCavetoPas::FormActivate()
{
    caveto::computeAppFolder();
    // The picture is optional; once found missing it stays out.
    showOptionalGif(GIFImage1, caveto::apliGrafPath(QStringLiteral("Caveto3.gif")));
}

void TFormCavetoPas::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_loaded)
        FormActivate();
}

void TFormCavetoPas::TpersonalTimer()
{
    const QDateTime now = QDateTime::currentDateTime();
    caveto::ClockValues &clock = caveto::program().clock;
    const QTime t = now.time();
    const QDate d = now.date();
    clock.hour = quint16(t.hour());
    clock.minute = quint16(t.minute());
    clock.second = quint16(t.second());
    clock.millisecond = quint16(t.msec());
    clock.year = quint16(d.year());
    clock.month = quint16(d.month());
    clock.day = quint16(d.day());
    StatusBar1->setPanelText(2, caveto::clockTimeText(t, QLocale()));
    StatusBar1->setPanelText(3, caveto::clockDateText(d));
}

void TFormCavetoPas::BMenuSalir2Click()
{
    close();
}

void TFormCavetoPas::closeEvent(QCloseEvent *event)
{
    if (!m_loaded || FormClose()) {
        Tpersonal->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

bool TFormCavetoPas::FormClose()
{
    const bool modi = ModoActual == kModoModi && recordSelected();
    const bool alta = ModoActual == kModoAlta;
    if (!modi && !alta)
        return true;
    BuildRecordLine();
    if (caveto::trimBlanks(Linea->text()) == caveto::trimBlanks(W_Linea->text()))
        return true;
    RespuestaAviso = QStringLiteral(" ");
    const QString answer = askSaveQuestion();
    if (answer == QLatin1String("C")) {
        NombreVino->setFocus();
        return false;
    }
    if (answer == QLatin1String("S")) {
        const bool saved = alta ? runAdd() : runModify();
        // A command stopped by a check (a required field left blank, a failed
        // save) keeps the window open with the typed data.
        if (!saved)
            return false;
    }
    return true;
}

QString TFormCavetoPas::askSaveQuestion()
{
    TFormAvisoProg question(this);
    caveto::execModal(&question);
    if (RespuestaAviso == QLatin1String(" "))
        RespuestaAviso = QStringLiteral("C");
    return RespuestaAviso;
}

// ---------------------------------------------------------------------------
// Fields and the record
// ---------------------------------------------------------------------------

caveto::CellarRecord TFormCavetoPas::currentFields() const
{
    caveto::CellarRecord r;
    auto *self = const_cast<TFormCavetoPas *>(this);
    for (int i = 0; i < caveto::kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (FixedText *t = self->tastingField(f))
            r[f] = t->text();
        else if (QWidget *w = self->fieldWidget(f))
            r[f] = widgetText(w);
    }
    return r;
}

void TFormCavetoPas::setFields(const caveto::CellarRecord &record)
{
    for (int i = 0; i < caveto::kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (FixedText *t = tastingField(f))
            *t = record[f];
        else if (QWidget *w = fieldWidget(f))
            setWidgetText(w, record[f]);
    }
}

QWidget *TFormCavetoPas::fieldWidget(Field f) const
{
    switch (f) {
    case Field::NombreVino: return NombreVino;
    case Field::Cosecha: return Cosecha;
    case Field::DenoOrigen: return DenoOrigen;
    case Field::Vino: return Vino;
    case Field::TipoVino: return TipoVino;
    case Field::Bodega: return Bodega;
    case Field::FCompraDD: return FCompraDD;
    case Field::FCompraMM: return FCompraMM;
    case Field::FCompraYY: return FCompraYY;
    case Field::Precio: return Precio;
    case Field::NumBotellas: return NumBotellas;
    case Field::Estante: return Estante;
    case Field::Grados: return Grados;
    case Field::TempeINI: return TempeINI;
    case Field::TempeFin: return TempeFin;
    case Field::Consumo: return Consumo;
    case Field::TipoUva1: return TipoUva1;
    case Field::Porcen1: return Porcen1;
    case Field::TipoUva2: return TipoUva2;
    case Field::Porcen2: return Porcen2;
    case Field::TipoUva3: return TipoUva3;
    case Field::Porcen3: return Porcen3;
    case Field::TipoUva4: return TipoUva4;
    case Field::Porcen4: return Porcen4;
    case Field::EFichero: return EFichero;
    case Field::Imagen: return Imagen;
    default: return nullptr;
    }
}

QString TFormCavetoPas::widgetText(const QWidget *w)
{
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return comboText(combo);
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    return {};
}

void TFormCavetoPas::setWidgetText(QWidget *w, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(w))
        combo->setEditText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
}

QChar TFormCavetoPas::decimalSeparator() const
{
    const QString sep = QLocale().decimalPoint();
    return sep.size() == 1 ? sep.at(0) : QLatin1Char(',');
}

void TFormCavetoPas::PadRecordFields()
{
    caveto::CellarRecord r = currentFields();
    r.pad(decimalSeparator());
    setFields(r);
}

void TFormCavetoPas::BuildRecordLine()
{
    Linea->setText(currentFields().buildLine());
}

bool TFormCavetoPas::recordSelected() const
{
    return Csalida->currentIndex() >= 0;
}

void TFormCavetoPas::ClearRecordFields()
{
    Valor_Editor->clear();
    Led->setValue(false);
    for (TBlinkLabel *l : {BLabelDeno, BLabelVino, BLabelTipoVino, BLabelEstante})
        l->clear();
    caveto::CellarRecord empty;
    empty[Field::EFichero] = QString(caveto::kNotesNameLength, QLatin1Char(' '));
    setFields(empty);
    for (QLabel *p : {PSCatador, PVistaCali, POlfatoCali, PGustoCali, PCaliFinal})
        p->clear();
}

void TFormCavetoPas::ShowRecord()
{
    ++m_showRecordRuns;
    // Edits of the shown record are saved or dropped before anything else is
    // shown (a form typed while no record was shown has nowhere to go).
    if (ModoActual == kModoModi && recordSelected() && m_shownRow >= 0) {
        BuildRecordLine();
        RespuestaAviso = QStringLiteral(" ");
        if (caveto::trimBlanks(Linea->text()) != caveto::trimBlanks(W_Linea->text())) {
            const QString picked = Csalida->currentText();
            const int pickedRow = Csalida->currentIndex();
            // The edits belong to the record being shown, not to one just
            // picked: the list goes back to it while the question is open.
            selectRow(m_shownRow);
            const QString answer = askSaveQuestion();
            if (answer == QLatin1String("S")) {
                if (runModify()) {
                    selectRow(rowOfLine(picked, pickedRow));
                    ShowRecord();
                }
                return;
            }
            if (answer == QLatin1String("C")) {
                NombreVino->setFocus();
                return;
            }
            selectRow(pickedRow);
            for (TBlinkLabel *l : {BLabelDeno, BLabelVino, BLabelTipoVino, BLabelEstante})
                l->clear();
        }
    }

    for (TBlinkLabel *l : {BLabelDeno, BLabelVino, BLabelTipoVino, BLabelEstante})
        l->clear();
    const bool selected = recordSelected();
    const caveto::CellarRecord record = caveto::CellarRecord::parse(
        selected ? QStringView(m_recordList.at(Csalida->currentIndex())) : QStringView());
    setFields(record);
    m_shownRow = selected ? Csalida->currentIndex() : -1;

    PSCatador->setText(caveto::trimBlanks(Catador.text()));
    PVistaCali->setText(caveto::trimBlanks(CaliVista.text()));
    POlfatoCali->setText(caveto::trimBlanks(CaliOlfato.text()));
    PGustoCali->setText(caveto::trimBlanks(CaliGusto.text()));
    PCaliFinal->setText(caveto::trimBlanks(CaliConjunto.text()));

    BuildRecordLine();
    W_Linea->setText(Linea->text());

    caveto::setFieldColor(NumBotellas, caveto::isZeroBottleCount(NumBotellas->text())
                                           ? caveto::colors::CampoAviso
                                           : caveto::colors::CampoNormal);
    refreshPhotoLed();
    setRecordButtonsEnabled(selected);
    update();
}

void TFormCavetoPas::CsalidaChange()
{
    ShowRecord();
}

void TFormCavetoPas::refreshPhotoLed()
{
    const QString path = caveto::trimBlanks(Imagen->text());
    if (path.isEmpty()) {
        Led->setValue(false);
        return;
    }
    Led->setTrueColor(caveto::tcolor(QFile::exists(path) ? caveto::colors::Lime : caveto::colors::Red));
    Led->setValue(true);
}

void TFormCavetoPas::setRecordButtonsEnabled(bool enabled)
{
    for (QPushButton *b : {BDatos, BVista, BOlfato, BGusto, BConjunto, BEditor, BBaja, BModifica,
                           BImagen})
        b->setEnabled(enabled);
}

void TFormCavetoPas::selectRow(int row)
{
    const QSignalBlocker block(Csalida);
    Csalida->setCurrentIndex(row);
}

int TFormCavetoPas::rowOfLine(const QString &line, int hint) const
{
    if (hint >= 0 && hint < m_recordList.size() && m_recordList.at(hint) == line)
        return hint;
    const qsizetype row = m_recordList.indexOf(line);
    return int(row);
}

// ---------------------------------------------------------------------------
// Modes
// ---------------------------------------------------------------------------

void TFormCavetoPas::showModePanels(const QString &mode)
{
    ModoActual = mode;
    PTeclasMenu->hide();
    PBotones->show();
    PBotones->setEnabled(true);
    PDatos->move(0, mode == kModoAlta ? 60 : 88);
    PDatos->show();
    PDatos->setEnabled(mode == kModoAlta || mode == kModoModi);
    PCSalida->setVisible(mode != kModoAlta);
    PCSalida->setEnabled(true);
    PLibroBodega->setVisible(mode == kModoAlta);
    PCataDeVino->setVisible(mode == kModoAlta);
    PTeclasCata->show();
    PTeclas->show();
    BAlta->setVisible(mode == kModoAlta);
    BBaja->setVisible(mode == kModoBaja);
    BModifica->setVisible(mode == kModoModi);
    BBuscar->setVisible(mode != kModoAlta);
    BImagen->show();
}

bool TFormCavetoPas::needRecords()
{
    if (PContReg->text() == QLatin1String("0")) {
        caveto::showMessage(QStringLiteral("Caveto Error."),
                            QStringLiteral("No hay datos para visualizar"), this);
        return false;
    }
    return true;
}

void TFormCavetoPas::BMenuAlta2Click()
{
    W_Linea->clear();
    ClearRecordFields();
    LOpcion->setText(QStringLiteral("Alta"));
    showModePanels(kModoAlta);
    setRecordButtonsEnabled(true);
    NombreVino->setFocus();
}

void TFormCavetoPas::enterListMode(const QString &mode, const QString &caption)
{
    if (!needRecords())
        return;
    LOpcion->setText(caption);
    showModePanels(mode);
    focusRecordList();
}

void TFormCavetoPas::BMenuBaja2Click()
{
    enterListMode(kModoBaja, QStringLiteral("Baja"));
}

void TFormCavetoPas::BMenuModi2Click()
{
    enterListMode(kModoModi, QStringLiteral("Modificación"));
}

void TFormCavetoPas::BMenuCons2Click()
{
    enterListMode(kModoCons, QStringLiteral("Consulta"));
}

void TFormCavetoPas::focusRecordList()
{
    // Taking the focus shows the selected record. Right after a modal window
    // the main window may not be active yet, and the focus then only arrives
    // with the activation, which is not a move into the list: the record is
    // shown here whenever the focus did not show it.
    const int shown = m_showRecordRuns;
    Csalida->setFocus(Qt::OtherFocusReason);
    if (m_showRecordRuns == shown)
        ShowRecord();
}

void TFormCavetoPas::BMenuClick()
{
    if (ModoActual == kModoAlta) {
        BuildRecordLine();
        RespuestaAviso = QStringLiteral(" ");
        if (caveto::trimBlanks(Linea->text()) != caveto::trimBlanks(W_Linea->text())) {
            const QString answer = askSaveQuestion();
            if (answer == QLatin1String("S")) {
                runAdd();
                return;
            }
            if (answer == QLatin1String("C")) {
                NombreVino->setFocus();
                return;
            }
            W_Linea->setText(Linea->text());
            const QString name = caveto::trimBlanks(EFichero->text());
            if (!name.isEmpty())
                deleteNotesFile(name);
        }
        // A notes text written for a record that was never added goes too.
        const QString pending = caveto::trimBlanks(Valor_Editor->text());
        if (!pending.isEmpty())
            deleteNotesFile(pending);
        PLibroBodega->hide();
        PCataDeVino->hide();
    } else if (ModoActual == kModoModi && recordSelected()) {
        BuildRecordLine();
        RespuestaAviso = QStringLiteral(" ");
        if (caveto::trimBlanks(Linea->text()) != caveto::trimBlanks(W_Linea->text())) {
            const QString answer = askSaveQuestion();
            if (answer == QLatin1String("S")) {
                runModify();
                return;
            }
            if (answer == QLatin1String("C")) {
                NombreVino->setFocus();
                return;
            }
            W_Linea->setText(Linea->text());
        }
    }

    ModoActual.clear();
    PDatos->move(0, 88);
    caveto::setFieldColor(NumBotellas, caveto::colors::CampoNormal);
    for (QWidget *w : {PBotones, PCSalida, PDatos, PTeclasCata, static_cast<QWidget *>(BAlta),
                       static_cast<QWidget *>(BBaja), static_cast<QWidget *>(BModifica), PTeclas,
                       static_cast<QWidget *>(BImagen)})
        w->hide();
    PTeclasMenu->show();
}

// ---------------------------------------------------------------------------
// Value lists and field rules
// ---------------------------------------------------------------------------

QComboBox *TFormCavetoPas::valueField(int which) const
{
    QComboBox *fields[4] = {DenoOrigen, Vino, TipoVino, Estante};
    return fields[which];
}

TBlinkLabel *TFormCavetoPas::valueLabel(int which) const
{
    TBlinkLabel *labels[4] = {BLabelDeno, BLabelVino, BLabelTipoVino, BLabelEstante};
    return labels[which];
}

QLabel *TFormCavetoPas::valueCounter(int which) const
{
    QLabel *counters[4] = {LContDenominacion, LContVino, LContTipo, LContEstante};
    return counters[which];
}

QStringList TFormCavetoPas::valueList(int which) const
{
    QComboBox *combo = valueField(which);
    QStringList items;
    items.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void TFormCavetoPas::CheckNewValue()
{
    const int which = ListaACompletar.toInt() - 1;
    if (which < 0 || which > 3)
        return;
    QComboBox *field = valueField(which);
    if (caveto::valueListContains(valueList(which), field->currentText())) {
        NuevoValor[which] = QStringLiteral("N");
        valueLabel(which)->clear();
    } else {
        valueLabel(which)->setText(which == 0 ? QStringLiteral("Nueva") : QStringLiteral("Nuevo"));
        NuevoValor[which] = QStringLiteral("S");
    }
}

void TFormCavetoPas::valueFieldExit(int which)
{
    QComboBox *field = valueField(which);
    const QString trimmed = caveto::trimBlanks(field->currentText());
    if (field->currentText() != trimmed)
        field->setEditText(trimmed);
    ListaACompletar = QStringLiteral("0%1").arg(which + 1);
    valueLabel(which)->clear();
    if (!trimmed.isEmpty())
        CheckNewValue();
}

void TFormCavetoPas::DenoOrigenExit()
{
    valueFieldExit(0);
}

void TFormCavetoPas::VinoExit()
{
    valueFieldExit(1);
}

void TFormCavetoPas::TipoVinoExit()
{
    valueFieldExit(2);
}

void TFormCavetoPas::EstanteExit()
{
    valueFieldExit(3);
}

bool TFormCavetoPas::CompruebaFechaCompra()
{
    const caveto::DateCheck check =
        caveto::checkDate(FCompraDD->text(), FCompraMM->text(), FCompraYY->text());
    if (FCompraDD->text() != check.day)
        FCompraDD->setText(check.day);
    if (FCompraMM->text() != check.month)
        FCompraMM->setText(check.month);
    if (FCompraYY->text() != check.year)
        FCompraYY->setText(check.year);
    const QString title = QStringLiteral("Caveto Error");
    switch (check.error) {
    case caveto::DateCheck::None:
        break;
    case caveto::DateCheck::Day:
        caveto::showMessage(title, QStringLiteral("Campo ( Dia de Compra ) Erroneo"), this);
        FCompraDD->setFocus();
        break;
    case caveto::DateCheck::Month:
        caveto::showMessage(title, QStringLiteral("Campo ( Mes de Compra ) Erroneo"), this);
        FCompraMM->setFocus();
        break;
    case caveto::DateCheck::Year:
        caveto::showMessage(title, QStringLiteral("Campo ( Año de Compra ) Erroneo"), this);
        FCompraYY->setFocus();
        break;
    }
    return check.error == caveto::DateCheck::None;
}

bool TFormCavetoPas::checkPendingField()
{
    // A command run from the keyboard, or the save question asked on
    // closing, never moved the focus out of the field being typed in, so its
    // exit rule has not run yet: run it now, and let a refused date stop the
    // command before anything is stored.
    QWidget *field = focusWidget();
    while (field && field != this && !m_exitWatcher->isWatched(field))
        field = field->parentWidget();
    if (!field || field == this)
        return true;
    for (QWidget *dated : {static_cast<QWidget *>(FCompraDD), static_cast<QWidget *>(FCompraMM),
                           static_cast<QWidget *>(FCompraYY), static_cast<QWidget *>(Precio),
                           static_cast<QWidget *>(Grados), static_cast<QWidget *>(TempeINI),
                           static_cast<QWidget *>(TempeFin)}) {
        if (field == dated)
            return CompruebaFechaCompra();
    }
    m_exitWatcher->runExit(field);
    return true;
}

void TFormCavetoPas::FCompraDDExit()
{
    CompruebaFechaCompra();
}

void TFormCavetoPas::FCompraMMExit()
{
    CompruebaFechaCompra();
}

void TFormCavetoPas::FCompraYYExit()
{
    CompruebaFechaCompra();
}

void TFormCavetoPas::NumBotellasExit()
{
    const QString count = caveto::normaliseBottleCount(NumBotellas->text());
    if (count != NumBotellas->text())
        NumBotellas->setText(count);
    caveto::setFieldColor(NumBotellas, caveto::isZeroBottleCount(count) ? caveto::colors::CampoAviso
                                                                        : caveto::colors::CampoNormal);
}

void TFormCavetoPas::percentageExit(int which)
{
    QComboBox *grapes[4] = {TipoUva1, TipoUva2, TipoUva3, TipoUva4};
    TNumEdit *percents[4] = {Porcen1, Porcen2, Porcen3, Porcen4};
    if (caveto::isBlankText(grapes[which]->currentText()))
        percents[which]->clear();
}

void TFormCavetoPas::Porcen1Exit()
{
    percentageExit(0);
}

void TFormCavetoPas::Porcen2Exit()
{
    percentageExit(1);
}

void TFormCavetoPas::Porcen3Exit()
{
    percentageExit(2);
}

void TFormCavetoPas::Porcen4Exit()
{
    percentageExit(3);
}

bool TFormCavetoPas::CompruebaObligatorios()
{
    struct Required {
        QWidget *field;
        const char *message;
    };
    const Required required[] = {
        {NombreVino, "Campo ( Nombre del Vino ) Obligatorio"},
        {Cosecha, "Campo ( Cosecha ) Obligatorio"},
        {DenoOrigen, "Campo ( Denominación de Origen ) Obligatorio"},
    };
    for (const Required &r : required) {
        if (caveto::isBlankText(widgetText(r.field))) {
            caveto::showMessage(QStringLiteral("Caveto Error."), QString::fromUtf8(r.message), this);
            PDatos->setFocus();
            r.field->setFocus();
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Windows opened from here
// ---------------------------------------------------------------------------

bool TFormCavetoPas::tastingRefused()
{
    if (ModoActual == kModoAlta || recordSelected())
        return false;
    caveto::showMessage(QStringLiteral("Caveto Error."), QStringLiteral("No hay datos seleccionados"),
                        this);
    Csalida->setFocus();
    return true;
}

void TFormCavetoPas::openWindow(QDialog *window, const QString &caption)
{
    LOpcionAbierta->setText(caption);
    caveto::execModal(window);
    LOpcionAbierta->clear();
}

void TFormCavetoPas::afterTasting()
{
    if (ModoActual == kModoBaja || ModoActual == kModoCons)
        Csalida->setFocus();
}

void TFormCavetoPas::BEditorClick()
{
    if (tastingRefused())
        return;
    if (ModoActual == kModoAlta && caveto::trimBlanks(Valor_Editor->text()).isEmpty())
        Valor_Editor->setText(newNotesName());
    Valor_Editor->setText(Valor_Editor->text().left(caveto::kNotesNameLength));
}

void TFormCavetoPas::BImagenClick() { }
void TFormCavetoPas::BBuscarClick() { }
void TFormCavetoPas::Vinos1Click()
{
    DenoMapa = -1;
}
void TFormCavetoPas::Cosechas1Click() { }
void TFormCavetoPas::MapaDO1Click() { }
void TFormCavetoPas::Informes1Click()
{
    if (!needRecords())
        return;
}

template <class Form>
void TFormCavetoPas::openTasting(const QString &caption)
{
    if (tastingRefused())
        return;
    {
        Form window(this);
        openWindow(&window, caption);
    }
    afterTasting();
}

void TFormCavetoPas::BDatosClick()
{
    openTasting<TFormCataGen>(QStringLiteral("Opción Cata de Vinos Datos Generales"));
}

void TFormCavetoPas::BVistaClick()
{
    openTasting<TFormCataVista>(QStringLiteral("Opción Cata de Vinos Vista"));
}

void TFormCavetoPas::BOlfatoClick()
{
    openTasting<TFormCataOlfato>(QStringLiteral("Opción Cata de Vinos Olfato"));
}

void TFormCavetoPas::BGustoClick()
{
    openTasting<TFormCataGusto>(QStringLiteral("Opción Cata de Vinos Gusto"));
}

void TFormCavetoPas::BConjuntoClick()
{
    openTasting<TFormCataConjunto>(QStringLiteral("Opción Cata de Vinos Conjunto"));
}
