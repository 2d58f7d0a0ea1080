// The main window's controls and where they stand: the shortcut strip, the
// record list, the record fields, the tasting summary, the command strip and
// the menu panel. The window's behaviour is in Cavetopas.cpp.

#include "cellar/Cavetopas.h"

#include "cellar/FieldControls.h"
#include "cellar/GrapeVarieties.h"
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
#include "platform/LongEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStringListModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

using caveto::Field;

namespace {

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
        return style()
                   ->subControlRect(
                       QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
                   .left()
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
        const QRect field = style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        painter.setClipRect(field);
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
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
        : QStyledItemDelegate(view)
        , m_combo(combo)
        , m_view(view)
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
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(
            QRect(left, option.rect.top(), option.rect.right() - left, option.rect.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            index.data(Qt::DisplayRole).toString().left(kListColumns));
        painter->restore();
    }

private:
    RecordListCombo *m_combo;
    QAbstractItemView *m_view;
};

} // namespace

void TFormCavetoPas::buildLayout()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    buildMenuBar();

    PBotones = caveto::makeContainer(client, QStringLiteral("PBotones"));
    PBotones->setGeometry(0, 1, kClientWidth, 30);
    struct Shortcut
    {
        QToolButton **button;
        const char *name;
        const char *hint;
    };
    const Shortcut shortcuts[] = {
        { &BAH, "BAH", "Diccionario" },
        { &BUvas, "BUvas", "Variedades de uva" },
        { &BDecalogo, "BDecalogo", "Decálogo" },
        { &BLexico, "BLexico", "Léxico del Vino ( Cata )" },
        { &BVinos, "BVinos", "Denominaciones de Origen" },
        { &BCosechas, "BCosechas", "Cosechas" },
        { &BMapa, "BMapa", "Mapa Denominaciones de Origen" },
        { &BMaridaje, "BMaridaje", "Maridaje  El vino y la Comida" },
        { &BInformes, "BInformes", "Listado" },
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

    PLibroBodega = caveto::makeTitlePanel(
        client, QStringLiteral("PLibroBodega"), QStringLiteral("Libro de Bodega"));
    PLibroBodega->setGeometry(3, 38, 677, 20);
    PCataDeVino = caveto::makeTitlePanel(
        client, QStringLiteral("PCataDeVino"), QStringLiteral("Cata de Vinos"));
    PCataDeVino->setGeometry(3, 197, 677, 20);
    PLibroBodega->hide();
    PCataDeVino->hide();

    // Hidden working controls.
    auto longField = [client](const char *name, bool readOnly) {
        auto *edit = new TLongEdit(client);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setReadOnly(readOnly);
        edit->hide();
        return edit;
    };
    Linea = longField("Linea", false);
    W_Linea = longField("W_Linea", false);
    const int notesName = caveto::fieldWidth(Field::EFichero);
    EFichero = caveto::makeHiddenField(client, QStringLiteral("EFichero"), notesName, true);
    Valor_Editor = caveto::makeHiddenField(client, QStringLiteral("Valor_Editor"), notesName, true);
    Imagen = longField("Imagen", true);
    PContReg = new QLabel(QStringLiteral("0"), client);
    PContReg->setObjectName(QStringLiteral("PContReg"));
    PContReg->hide();

    StatusBar1 = new caveto::StatusPanels({ 180, 210, 80, 90, 90 }, client);
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
    entry(&Diccionario1, "Diccionario1", QStringLiteral("Diccionario"),
        &TFormCavetoPas::Diccionario1Click);
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
    caveto::dropDownAsPlainList(Csalida);
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

    BBuscar = caveto::makeButton(PCSalida, QStringLiteral("BBuscar"),
        QStringLiteral("Buscar &Vino"), QStringLiteral("BBuscar"));
    BBuscar->setGeometry(556, 15, 118, 30);
    connect(BBuscar, &QPushButton::clicked, this, &TFormCavetoPas::BBuscarClick);

    PDatos = caveto::makeContainer(client, QStringLiteral("PDatos"));
    PDatos->setGeometry(0, 88, kClientWidth, 128);
    caveto::keepReadableWhenDisabled(PDatos);

    // Three rows of label-over-field; the counters sit right of their lists
    // and the blinking new-value marks beside their labels.
    const int rowY[3] = { 3, 43, 83 };
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
    NombreVino = caveto::makeTextField(PDatos, Field::NombreVino);
    place(NombreVino, 4, y, 165);
    label("LCosecha", QStringLiteral("Año"), 173, y);
    Cosecha = caveto::makeNumField(PDatos, Field::Cosecha, true, QStringLiteral("Cosecha"));
    place(Cosecha, 173, y, 38);
    label("LDenoOrigen", QStringLiteral("D.O."), 215, y);
    BLabelDeno = mark("BLabelDeno", 250, y);
    DenoOrigen = caveto::makeListField(PDatos, Field::DenoOrigen);
    place(DenoOrigen, 215, y, 150);
    LContDenominacion = counter("LContDenominacion", 367, y);
    label("LVino", QStringLiteral("Vino"), 397, y);
    BLabelVino = mark("BLabelVino", 430, y);
    Vino = caveto::makeListField(PDatos, Field::Vino);
    place(Vino, 397, y, 124);
    LContVino = counter("LContVino", 523, y);
    label("LTipoVino", QStringLiteral("Tipo"), 553, y);
    BLabelTipoVino = mark("BLabelTipoVino", 583, y);
    TipoVino = caveto::makeListField(PDatos, Field::TipoVino);
    place(TipoVino, 553, y, 98);
    LContTipo = counter("LContTipo", 653, y);

    y = rowY[1];
    label("LBodega", QStringLiteral("Tratante / Bodega"), 4, y);
    Bodega = caveto::makeTextField(PDatos, Field::Bodega);
    place(Bodega, 4, y, 150);
    label("LFCompra", QStringLiteral("Fec. Compra"), 158, y);
    FCompraDD = caveto::makeNumField(
        PDatos, Field::FCompraDD, false, QStringLiteral("Fecha de Compra Dia."));
    place(FCompraDD, 158, y, 22);
    FCompraMM = caveto::makeNumField(
        PDatos, Field::FCompraMM, false, QStringLiteral("Fecha de Compra Mes."));
    place(FCompraMM, 181, y, 22);
    FCompraYY = caveto::makeNumField(
        PDatos, Field::FCompraYY, false, QStringLiteral("Fecha de Compra Año."));
    place(FCompraYY, 204, y, 36);
    label("LPrecio", QStringLiteral("Imp.  €"), 244, y);
    Precio = caveto::makeNumField(PDatos, Field::Precio, true, QStringLiteral("Precio por Unidad"));
    place(Precio, 244, y, 54);
    label("LNumBotellas", QStringLiteral("Botellas"), 302, y);
    NumBotellas = caveto::makeNumField(PDatos, Field::NumBotellas, false, QString());
    place(NumBotellas, 302, y, 54);
    label("LEstante", QStringLiteral("Estante"), 360, y);
    BLabelEstante = mark("BLabelEstante", 402, y);
    Estante = caveto::makeListField(PDatos, Field::Estante);
    place(Estante, 360, y, 92);
    LContEstante = counter("LContEstante", 454, y);
    label("LGrados", QStringLiteral("Vol."), 484, y);
    Grados = caveto::makeNumField(PDatos, Field::Grados, true, QString());
    place(Grados, 484, y, 38);
    label("LTempe", QStringLiteral("Temp."), 526, y);
    TempeINI = caveto::makeNumField(
        PDatos, Field::TempeINI, false, QStringLiteral("Temperatura de servicio Desde."));
    place(TempeINI, 526, y, 22);
    TempeFin = caveto::makeNumField(
        PDatos, Field::TempeFin, false, QStringLiteral("Temperatura de servicio Hasta."));
    place(TempeFin, 549, y, 22);
    label("LConsumo", QStringLiteral("Consumo Preferente."), 575, y);
    Consumo = caveto::makeTextField(PDatos, Field::Consumo);
    Consumo->setToolTip(QStringLiteral("Consumo Preferente."));
    place(Consumo, 575, y, 104);

    y = rowY[2];
    QComboBox **grapes[4] = { &TipoUva1, &TipoUva2, &TipoUva3, &TipoUva4 };
    const Field grapeFields[4]
        = { Field::TipoUva1, Field::TipoUva2, Field::TipoUva3, Field::TipoUva4 };
    const Field percentFields[4]
        = { Field::Porcen1, Field::Porcen2, Field::Porcen3, Field::Porcen4 };
    TNumEdit **percents[4] = { &Porcen1, &Porcen2, &Porcen3, &Porcen4 };
    QStringList varieties;
    for (const char *name : caveto::kGrapeVarieties)
        varieties << QString::fromUtf8(name);
    for (int i = 0; i < 4; ++i) {
        const int gx = 4 + i * 169;
        label(QStringLiteral("LTipoUva%1").arg(i + 1).toLatin1().constData(),
            QStringLiteral("Tipo de Uva %1").arg(i + 1), gx, y);
        *grapes[i] = caveto::makeListField(PDatos, grapeFields[i]);
        (*grapes[i])->addItems(varieties);
        (*grapes[i])->setEditText(QString());
        place(*grapes[i], gx, y, 132);
        label(QStringLiteral("LPorcen%1").arg(i + 1).toLatin1().constData(), QStringLiteral("%"),
            gx + 134, y);
        *percents[i] = caveto::makeNumField(PDatos, percentFields[i], false,
            QStringLiteral("Porcentaje de Uva %1 utilizada.").arg(i + 1));
        place(*percents[i], gx + 134, y, 30);
    }

    // Exit rules of the fields.
    m_exitWatcher->watch(DenoOrigen, [this] { DenoOrigenExit(); });
    m_exitWatcher->watch(Vino, [this] { VinoExit(); });
    m_exitWatcher->watch(TipoVino, [this] { TipoVinoExit(); });
    m_exitWatcher->watch(Estante, [this] { EstanteExit(); });
    for (QComboBox *grape : { TipoUva1, TipoUva2, TipoUva3, TipoUva4 })
        m_exitWatcher->watch(grape, [this] { DenoOrigenExit(); });
    for (TNumEdit *f : { FCompraDD, TempeINI, TempeFin })
        m_exitWatcher->watch(f, [this] { FCompraDDExit(); });
    m_exitWatcher->watch(FCompraMM, [this] { FCompraMMExit(); });
    for (TNumEdit *f : { FCompraYY, Precio, Grados })
        m_exitWatcher->watch(f, [this] { FCompraYYExit(); });
    m_exitWatcher->watch(NumBotellas, [this] { NumBotellasExit(); });
    m_exitWatcher->watch(Porcen1, [this] { Porcen1Exit(); });
    m_exitWatcher->watch(Porcen2, [this] { Porcen2Exit(); });
    m_exitWatcher->watch(Porcen3, [this] { Porcen3Exit(); });
    m_exitWatcher->watch(Porcen4, [this] { Porcen4Exit(); });

    m_valueFields = { { { DenoOrigen, BLabelDeno, LContDenominacion, "  Denominaciones" },
        { Vino, BLabelVino, LContVino, "   Vino" },
        { TipoVino, BLabelTipoVino, LContTipo, "   Tipo de Vino" },
        { Estante, BLabelEstante, LContEstante, "   Estante" } } };

    // Tab order follows the fields' order in the record.
    QWidget *order[] = { NombreVino, Cosecha, DenoOrigen, Vino, TipoVino, Bodega, FCompraDD,
        FCompraMM, FCompraYY, Precio, NumBotellas, Estante, Grados, TempeINI, TempeFin, Consumo,
        TipoUva1, Porcen1, TipoUva2, Porcen2, TipoUva3, Porcen3, TipoUva4, Porcen4 };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFormCavetoPas::buildTastingPanel()
{
    PTeclasCata = caveto::makeContainer(centralWidget(), QStringLiteral("PTeclasCata"));
    PTeclasCata->setGeometry(0, 219, kClientWidth, 80);

    LSCatador = caveto::makeLabel(PTeclasCata, QStringLiteral("LSCatador"),
        QStringLiteral("---------------- Catador ----------------"), 6, 4);
    PSCatador = caveto::makeDisplayPanel(
        PTeclasCata, QStringLiteral("PSCatador"), caveto::colors::CampoNormal, 0);
    PSCatador->setText(QStringLiteral("Sin Datos"));
    PSCatador->setGeometry(6, 22, 184, 24);

    LDatosDeCata = caveto::makeLabel(PTeclasCata, QStringLiteral("LDatosDeCata"),
        QStringLiteral("-------------------------------------------- Cata de Vinos "
                       "--------------------------------------------"),
        198, 4);
    LDatosDeCata->setFixedWidth(387);
    LDatosDeCata->setAlignment(Qt::AlignCenter);
    QPushButton **buttons[5] = { &BDatos, &BVista, &BOlfato, &BGusto, &BConjunto };
    const char *names[5] = { "BDatos", "BVista", "BOlfato", "BGusto", "BConjunto" };
    const char *captions[5] = { "&Datos", "&Vista", "&Olfato", "&Gusto", "&Conjunto" };
    for (int i = 0; i < 5; ++i) {
        *buttons[i] = caveto::makeButton(
            PTeclasCata, QString::fromLatin1(names[i]), QString::fromLatin1(captions[i]));
        (*buttons[i])->setGeometry(198 + i * 78, 20, 75, 26);
    }
    QLabel **ratings[4] = { &PVistaCali, &POlfatoCali, &PGustoCali, &PCaliFinal };
    const char *ratingNames[4] = { "PVistaCali", "POlfatoCali", "PGustoCali", "PCaliFinal" };
    for (int i = 0; i < 4; ++i) {
        *ratings[i] = caveto::makeDisplayPanel(
            PTeclasCata, QString::fromLatin1(ratingNames[i]), caveto::colors::Granate, 0xFFFFFF);
        (*ratings[i])->setAlignment(Qt::AlignCenter);
        (*ratings[i])->setText(QStringLiteral("Sin Calificar"));
        (*ratings[i])->setGeometry(198 + (i + 1) * 78, 50, 75, 22);
    }
    LFichero = caveto::makeLabel(
        PTeclasCata, QStringLiteral("LFichero"), QStringLiteral("------- Notas ------"), 591, 4);
    LFichero->setGeometry(591, 4, 89, 14);
    LFichero->setAlignment(Qt::AlignCenter);
    BEditor
        = caveto::makeButton(PTeclasCata, QStringLiteral("BEditor"), QStringLiteral("&Editar "));
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

    BImagen = caveto::makeButton(
        PTeclas, QStringLiteral("BImagen"), QStringLiteral("&Ver Foto"), QStringLiteral("BImagen"));
    BImagen->setGeometry(8, 8, 100, 34);
    connect(BImagen, &QPushButton::clicked, this, &TFormCavetoPas::BImagenClick);
    Led = new ThhALed(PTeclas);
    Led->setObjectName(QStringLiteral("Led"));
    Led->move(114, 17);
    Led->setBlink(false);

    BAlta = caveto::makeButton(
        PTeclas, QStringLiteral("BAlta"), QStringLiteral("&Alta"), QStringLiteral("BAlta"));
    BBaja = caveto::makeButton(
        PTeclas, QStringLiteral("BBaja"), QStringLiteral("&Baja"), QStringLiteral("BBaja"));
    BModifica = caveto::makeButton(PTeclas, QStringLiteral("BModifica"),
        QStringLiteral("&Modifica"), QStringLiteral("BModifica"));
    for (QPushButton *b : { BAlta, BBaja, BModifica }) {
        b->setGeometry(478, 8, 96, 34);
        b->hide();
    }
    BMenu = caveto::makeButton(
        PTeclas, QStringLiteral("BMenu"), QStringLiteral("Me&nú"), QStringLiteral("BMenu"));
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
        QStringLiteral("Morvent Software"), makerFont, caveto::tcolor(caveto::colors::Navy),
        TmyLabel3d::Raised3d, Qt::AlignCenter, QRect(0, 172, 422, 34));

    struct ModeButton
    {
        QToolButton **button;
        const char *name;
        const char *hint;
        void (TFormCavetoPas::*slot)();
    };
    const ModeButton modes[] = {
        { &BMenuAlta, "BMenuAlta", "  Nuevo Vino  ", &TFormCavetoPas::BMenuAlta2Click },
        { &BMenuBaja, "BMenuBaja", "  Borrar un Vino  ", &TFormCavetoPas::BMenuBaja2Click },
        { &BMenuModi, "BMenuModi", "Modificar Datos / Num. Botellas  ",
            &TFormCavetoPas::BMenuModi2Click },
        { &BMenuCons, "BMenuCons", "  Consultar Datos  ", &TFormCavetoPas::BMenuCons2Click },
        { &BMenuSalir, "BMenuSalir", "  Salir Caveto  ", &TFormCavetoPas::BMenuSalir2Click },
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
