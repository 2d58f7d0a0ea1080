#include "search/Buscar.h"

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/RecordOrder.h"
#include "controls/GIFImage.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QStyledItemDelegate>

namespace {

constexpr int kLightLeft = 208;
constexpr int kLightTop = 88;
constexpr int kHeadingTop = 122;
constexpr int kListTop = 140;
constexpr int kRowHeight = 15;
// One column of the result list, in pixels: the headings stand at the
// columns of their fields at this pitch.
constexpr qreal kColumnPitch = 7.0;

class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
    }
};

QWidget *makeLight(
    QWidget *parent, const QString &name, TGIFImage *&gif, const QString &gifName, int left)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(left, kLightTop, 24, 24);
    gif = new TGIFImage(panel);
    gif->setObjectName(gifName);
    gif->setGeometry(0, 0, 24, 24);
    panel->hide();
    return panel;
}

} // namespace

TFormBuscar::TFormBuscar(TFormCavetoPas *main, QWidget *parent)
    : TCriteriaForm(main, parent, QStringLiteral(" Caveto  Buscar."), kClientWidth, kClientHeight,
        QStringLiteral("&Buscar Vino"))
{
    setObjectName(QStringLiteral("TFormBuscar"));

    PBusqueda
        = caveto::makeTitlePanel(this, QStringLiteral("PBusqueda"), QStringLiteral("Búsqueda"));
    PBusqueda->setGeometry(8, 6, 130, 22);
    LOpcion = caveto::makePanel(this, QStringLiteral("LOpcion"));
    LOpcion->setGeometry(142, 6, 130, 22);

    PNaranja = makeLight(
        this, QStringLiteral("PNaranja"), GIFImage1, QStringLiteral("GIFImage1"), kLightLeft);
    // Set beside the orange light; activation puts it in the same place.
    PVerde = makeLight(
        this, QStringLiteral("PVerde"), GIFImage2, QStringLiteral("GIFImage2"), kLightLeft + 28);
    PAviso = caveto::makeHeadingPanel(this, QStringLiteral("PAviso"), QString());
    PAviso->setGeometry(240, kLightTop + 1, ETotalReg->x() - 248, 22);
    PAviso->hide();

    struct Heading
    {
        QLabel **panel;
        const char *name;
        const char *caption;
        int left;
    };
    const Heading headings[] = {
        { &PNombre, "PNombre", " Nombre Vino", 8 },
        { &PCosecha, "PCosecha", " Año", 166 },
        { &PDeno, "PDeno", " Denominación", 208 },
        { &PVino, "PVino", " Vino", 362 },
        { &PTipo, "PTipo", " Tipo Vino", 480 },
        { &PEstante, "PEstante", " Estante", 597 },
        { &PBotella, "PBotella", " Botellas", 682 },
    };
    const int listRight = kClientWidth - 8;
    for (std::size_t i = 0; i < std::size(headings); ++i) {
        const Heading &h = headings[i];
        const int right = i + 1 < std::size(headings) ? headings[i + 1].left : listRight;
        *h.panel = caveto::makeHeadingPanel(
            this, QString::fromLatin1(h.name), QString::fromUtf8(h.caption));
        (*h.panel)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        (*h.panel)->setGeometry(h.left, kHeadingTop, right - h.left, 18);
    }

    ListBuscar = new QListView(this);
    ListBuscar->setObjectName(QStringLiteral("ListBuscar"));
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setPixelSize(12);
    // Hold the columns to the pitch the headings are placed for.
    listFont.setLetterSpacing(QFont::AbsoluteSpacing,
        kColumnPitch - QFontMetricsF(listFont).horizontalAdvance(QLatin1Char('M')));
    ListBuscar->setFont(listFont);
    ListBuscar->setUniformItemSizes(true);
    ListBuscar->setItemDelegate(new RowDelegate(ListBuscar));
    ListBuscar->setTextElideMode(Qt::ElideNone);
    ListBuscar->setWordWrap(false);
    ListBuscar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBuscar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ListBuscar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBuscar->setSelectionMode(QAbstractItemView::SingleSelection);
    caveto::setFieldColor(ListBuscar, caveto::colors::CampoNormal);
    ListBuscar->setGeometry(8, kListTop, listRight - 8, kClientHeight - 36 - kListTop);
    m_rows = new QStringListModel(this);
    ListBuscar->setModel(m_rows);

    BSalirBuscar = caveto::makeButton(
        this, QStringLiteral("BSalirBuscar"), QStringLiteral("&Salir Búsqueda"));
    BSalirBuscar->setGeometry(listRight - 110, kClientHeight - 30, 110, 26);

    connect(BBuscar, &QPushButton::clicked, this, &TFormBuscar::BBuscarClick);
    connect(BBorrar, &QPushButton::clicked, this, &TFormBuscar::BBorrarClick);
    connect(BSalirBuscar, &QPushButton::clicked, this, &TFormBuscar::BSalirBuscarClick);
    connect(ListBuscar, &QListView::doubleClicked, this, &TFormBuscar::ListBuscarDblClick);
}

QStringList TFormBuscar::rows() const
{
    return m_rows->stringList();
}

int TFormBuscar::selectedRow() const
{
    const QModelIndex current = ListBuscar->currentIndex();
    return current.isValid() && ListBuscar->selectionModel()->isSelected(current) ? current.row()
                                                                                  : -1;
}

void TFormBuscar::selectRow(int row)
{
    if (row < 0 || row >= m_rows->rowCount()) {
        ListBuscar->clearSelection();
        ListBuscar->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = m_rows->index(row);
    ListBuscar->setCurrentIndex(index);
    ListBuscar->scrollTo(index);
}

// ---------------------------------------------------------------------------
// Opening and closing
// ---------------------------------------------------------------------------

void TFormBuscar::FormActivate()
{
    showOptionalGif(GIFImage1, caveto::apliGrafPath(QStringLiteral("BotonNar.gif")));
    showOptionalGif(GIFImage2, caveto::apliGrafPath(QStringLiteral("BotonVer.gif")));

    LOpcion->setText(m_main->LOpcion->text());
    PAviso->hide();
    PVerde->move(kLightLeft, PVerde->y());
    caveto::program().ClaveElegida.clear();
    CSigno->setCurrentIndex(0);

    repaint();
    LlenaCriterios();
    restoreLastSearch();
    colourAllCriteria();
    copyCounters();
}

void TFormBuscar::restoreLastSearch()
{
    const UltimaBusquedaData &last = m_main->UltimaBusqueda;
    const QString texts[]
        = { last.cosecha, last.denominacion, last.vino, last.tipo, last.estante, last.botellas };
    const bool any = std::any_of(std::begin(texts), std::end(texts),
        [](const QString &t) { return !caveto::trimBlanks(t).isEmpty(); });
    if (!any)
        return;
    const auto lists = textCriteria();
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i]->setEditText(texts[i]);
    CSigno->setCurrentIndex(qBound(0, last.signo, CSigno->count() - 1));
    Botellas_Pan->setText(last.botellas);
    BBuscarClick();
    bool isNumber = false;
    const int row = last.fila.toInt(&isNumber);
    selectRow(isNumber ? row : -1);
}

void TFormBuscar::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    TCriteriaForm::done(result);
}

void TFormBuscar::FormClose()
{
    UltimaBusquedaData &last = m_main->UltimaBusqueda;
    last.cosecha = CCosecha->currentText().left(4);
    last.denominacion = CDenominacion->currentText().left(30);
    last.vino = CVino->currentText().left(30);
    last.tipo = CTipo->currentText().left(30);
    last.estante = CEstante->currentText().left(30);
    last.signo = CSigno->currentIndex();
    last.fila = QString::number(selectedRow());
    // A count of "0" is not kept: the comparison alone restores nothing.
    const QString bottles = Botellas_Pan->text().left(7);
    last.botellas = bottles == QLatin1String("0") ? QString() : bottles;
}

void TFormBuscar::BSalirBuscarClick()
{
    caveto::program().ClaveElegida.clear();
    close();
}

void TFormBuscar::ListBuscarDblClick(const QModelIndex &index)
{
    // Only a row under the pointer is chosen.
    if (!index.isValid())
        return;
    caveto::program().ClaveElegida = caveto::resultRowKey(m_rows->stringList().at(index.row()));
    close();
}

// ---------------------------------------------------------------------------
// The search
// ---------------------------------------------------------------------------

void TFormBuscar::BBuscarClick()
{
    m_rows->setStringList({});
    PNaranja->hide();
    PVerde->hide();
    resetTotals();
    caveto::WaitCursor wait;
    beginProgress(QStringLiteral("  Procesando ..."), m_main->EditorFichero.image().size());
    fillEmptyBottleCount();
    PAviso->hide();
    repaint();

    QStringList found;
    const caveto::SearchTotals totals
        = runFilter([&found](QStringView line) { found.append(caveto::resultRow(line)); });
    if (totals.records == 0) {
        PAviso->setText(QStringLiteral("No hay Registros para esta búsqueda"));
        PNaranja->show();
        PVerde->hide();
    } else {
        // The list keeps its rows in text order: by name, vintage, appellation.
        caveto::sortRecordText(found);
        m_rows->setStringList(found);
        PAviso->setText(QStringLiteral("Doble click para seleccionar Registro"));
        PVerde->show();
        PNaranja->hide();
    }
    PAviso->show();
    endProgress();
}

void TFormBuscar::BBorrarClick()
{
    clearCriteria();
    PAviso->hide();
    PVerde->hide();
    PNaranja->hide();
    m_rows->setStringList({});
}
