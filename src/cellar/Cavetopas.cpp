#include "cellar/Cavetopas.h"

#include "app/Globals.h"
#include "app/Inicio.h"
#include "cellar/AvisoProg.h"
#include "cellar/EntryChecks.h"
#include "cellar/Modes.h"
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
#include "platform/LongEdit.h"
#include "platform/MessageBox.h"
#include "platform/SafeInput.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"
#include "tasting/CataGusto.h"
#include "tasting/CataOlfato.h"
#include "tasting/CataVista.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>

using caveto::Field;

namespace {
TFormCavetoPas *s_instance = nullptr;
} // namespace

TFormCavetoPas *TFormCavetoPas::instance()
{
    return s_instance;
}

TFormCavetoPas::TFormCavetoPas(QWidget *parent)
    : QMainWindow(parent)
    , Catador(caveto::fieldWidth(Field::Catador))
    , FCataDD(caveto::fieldWidth(Field::FCataDD))
    , FCataMM(caveto::fieldWidth(Field::FCataMM))
    , FCataYY(caveto::fieldWidth(Field::FCataYY))
    , HoraIni(caveto::fieldWidth(Field::HoraIni))
    , HoraFin(caveto::fieldWidth(Field::HoraFin))
    , Botella(caveto::fieldWidth(Field::Botella))
    , Tapon(caveto::fieldWidth(Field::Tapon))
    , Capsula(caveto::fieldWidth(Field::Capsula))
    , Fermentacion(caveto::fieldWidth(Field::Fermentacion))
    , Barrica(caveto::fieldWidth(Field::Barrica))
    , Limpieza(caveto::fieldWidth(Field::Limpieza))
    , Color(caveto::fieldWidth(Field::Color))
    , Intensidad(caveto::fieldWidth(Field::Intensidad))
    , Viscosidad(caveto::fieldWidth(Field::Viscosidad))
    , CaliVista(caveto::fieldWidth(Field::CaliVista))
    , Aroma1(caveto::fieldWidth(Field::Aroma1))
    , Aroma2(caveto::fieldWidth(Field::Aroma2))
    , Aroma3(caveto::fieldWidth(Field::Aroma3))
    , Aroma4(caveto::fieldWidth(Field::Aroma4))
    , Afrutado(caveto::fieldWidth(Field::Afrutado))
    , Bouquet(caveto::fieldWidth(Field::Bouquet))
    , CaliOlfato(caveto::fieldWidth(Field::CaliOlfato))
    , Dulzor(caveto::fieldWidth(Field::Dulzor))
    , Tanino(caveto::fieldWidth(Field::Tanino))
    , Cuerpo(caveto::fieldWidth(Field::Cuerpo))
    , Acidez(caveto::fieldWidth(Field::Acidez))
    , Duracion(caveto::fieldWidth(Field::Duracion))
    , Equilibrio(caveto::fieldWidth(Field::Equilibrio))
    , CaliGusto(caveto::fieldWidth(Field::CaliGusto))
    , Conjunto1(caveto::fieldWidth(Field::Conjunto1))
    , Conjunto2(caveto::fieldWidth(Field::Conjunto2))
    , Conjunto3(caveto::fieldWidth(Field::Conjunto3))
    , Conjunto4(caveto::fieldWidth(Field::Conjunto4))
    , CaliConjunto(caveto::fieldWidth(Field::CaliConjunto))
{
    s_instance = this;
    setObjectName(QStringLiteral("TFormCavetoPas"));
    setWindowTitle(QStringLiteral(" Caveto 2.5 "));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
    case Field::Catador:
        return &Catador;
    case Field::FCataDD:
        return &FCataDD;
    case Field::FCataMM:
        return &FCataMM;
    case Field::FCataYY:
        return &FCataYY;
    case Field::HoraIni:
        return &HoraIni;
    case Field::HoraFin:
        return &HoraFin;
    case Field::Botella:
        return &Botella;
    case Field::Tapon:
        return &Tapon;
    case Field::Capsula:
        return &Capsula;
    case Field::Fermentacion:
        return &Fermentacion;
    case Field::Barrica:
        return &Barrica;
    case Field::Limpieza:
        return &Limpieza;
    case Field::Color:
        return &Color;
    case Field::Intensidad:
        return &Intensidad;
    case Field::Viscosidad:
        return &Viscosidad;
    case Field::CaliVista:
        return &CaliVista;
    case Field::Aroma1:
        return &Aroma1;
    case Field::Aroma2:
        return &Aroma2;
    case Field::Aroma3:
        return &Aroma3;
    case Field::Aroma4:
        return &Aroma4;
    case Field::Afrutado:
        return &Afrutado;
    case Field::Bouquet:
        return &Bouquet;
    case Field::CaliOlfato:
        return &CaliOlfato;
    case Field::Dulzor:
        return &Dulzor;
    case Field::Tanino:
        return &Tanino;
    case Field::Cuerpo:
        return &Cuerpo;
    case Field::Acidez:
        return &Acidez;
    case Field::Duracion:
        return &Duracion;
    case Field::Equilibrio:
        return &Equilibrio;
    case Field::CaliGusto:
        return &CaliGusto;
    case Field::Conjunto1:
        return &Conjunto1;
    case Field::Conjunto2:
        return &Conjunto2;
    case Field::Conjunto3:
        return &Conjunto3;
    case Field::Conjunto4:
        return &Conjunto4;
    case Field::CaliConjunto:
        return &CaliConjunto;
    default:
        return nullptr;
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

    // One program per cellar: two programs saving the same book would each
    // write over the other's records.
    caveto::computeAppFolder();
    QDir().mkpath(caveto::dataFolderPath());
    m_lock = std::make_unique<caveto::BookLock>(caveto::dataFolderPath());
    if (!m_lock->tryLock()) {
        caveto::showMessage(QStringLiteral("Caveto Error."), m_lock->error(), this);
        m_alreadyOpen = true;
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
    for (QWidget *w : { PBotones, PCSalida, PDatos, PTeclasCata, PTeclas })
        w->hide();
    BImagen->hide();
    clearNewValueMarks();

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
    const bool modi = ModoActual == caveto::mode::Modi && recordSelected();
    if (!modi && ModoActual != caveto::mode::Alta)
        return true;
    // A command stopped by a check (a required field left blank, a refused
    // date, a failed save) keeps the window open with the typed data.
    const Edits edits = settleEdits();
    return edits != Edits::Kept && edits != Edits::NotSaved;
}

TFormCavetoPas::Edits TFormCavetoPas::settleEdits()
{
    BuildRecordLine();
    RespuestaAviso = QStringLiteral(" ");
    if (caveto::trimBlanks(Linea->text()) == caveto::trimBlanks(W_Linea->text()))
        return Edits::Unchanged;
    const QString answer = askSaveQuestion();
    if (answer == QLatin1String("S")) {
        const bool saved = ModoActual == caveto::mode::Alta ? runAdd() : runModify();
        return saved ? Edits::Saved : Edits::NotSaved;
    }
    if (answer == QLatin1String("C")) {
        NombreVino->setFocus();
        return Edits::Kept;
    }
    W_Linea->setText(Linea->text());
    return Edits::Dropped;
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
    case Field::NombreVino:
        return NombreVino;
    case Field::Cosecha:
        return Cosecha;
    case Field::DenoOrigen:
        return DenoOrigen;
    case Field::Vino:
        return Vino;
    case Field::TipoVino:
        return TipoVino;
    case Field::Bodega:
        return Bodega;
    case Field::FCompraDD:
        return FCompraDD;
    case Field::FCompraMM:
        return FCompraMM;
    case Field::FCompraYY:
        return FCompraYY;
    case Field::Precio:
        return Precio;
    case Field::NumBotellas:
        return NumBotellas;
    case Field::Estante:
        return Estante;
    case Field::Grados:
        return Grados;
    case Field::TempeINI:
        return TempeINI;
    case Field::TempeFin:
        return TempeFin;
    case Field::Consumo:
        return Consumo;
    case Field::TipoUva1:
        return TipoUva1;
    case Field::Porcen1:
        return Porcen1;
    case Field::TipoUva2:
        return TipoUva2;
    case Field::Porcen2:
        return Porcen2;
    case Field::TipoUva3:
        return TipoUva3;
    case Field::Porcen3:
        return Porcen3;
    case Field::TipoUva4:
        return TipoUva4;
    case Field::Porcen4:
        return Porcen4;
    case Field::EFichero:
        return EFichero;
    case Field::Imagen:
        return Imagen;
    default:
        return nullptr;
    }
}

QString TFormCavetoPas::widgetText(const QWidget *w)
{
    if (auto *longEdit = qobject_cast<const TLongEdit *>(w))
        return longEdit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    return {};
}

void TFormCavetoPas::setWidgetText(QWidget *w, const QString &text)
{
    if (auto *longEdit = qobject_cast<TLongEdit *>(w))
        longEdit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(w))
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
    clearNewValueMarks();
    caveto::CellarRecord empty;
    empty[Field::EFichero] = QString(caveto::kNotesNameLength, QLatin1Char(' '));
    setFields(empty);
    for (QLabel *p : { PSCatador, PVistaCali, POlfatoCali, PGustoCali, PCaliFinal })
        p->clear();
}

void TFormCavetoPas::ShowRecord()
{
    ++m_showRecordRuns;
    // Edits of the shown record are saved or dropped before anything else is
    // shown (a form typed while no record was shown has nowhere to go).
    if (ModoActual == caveto::mode::Modi && recordSelected() && m_shownRow >= 0) {
        const QString picked = Csalida->currentText();
        const int pickedRow = Csalida->currentIndex();
        // The edits belong to the record being shown, not to one just picked:
        // the list goes back to it while the question is open.
        selectRow(m_shownRow);
        switch (settleEdits()) {
        case Edits::Unchanged:
        case Edits::Dropped:
            selectRow(pickedRow);
            break;
        case Edits::Saved:
            selectRow(rowOfLine(picked, pickedRow));
            ShowRecord();
            return;
        case Edits::NotSaved:
        case Edits::Kept:
            return;
        }
    }

    clearNewValueMarks();
    const bool selected = recordSelected();
    const caveto::CellarRecord record = caveto::CellarRecord::parse(selected
            ? QStringView(EditorFichero.records().at(Csalida->currentIndex()))
            : QStringView());
    setFields(record);
    m_shownRow = selected ? Csalida->currentIndex() : -1;

    PSCatador->setText(caveto::trimBlanks(Catador.text()));
    PVistaCali->setText(caveto::trimBlanks(CaliVista.text()));
    POlfatoCali->setText(caveto::trimBlanks(CaliOlfato.text()));
    PGustoCali->setText(caveto::trimBlanks(CaliGusto.text()));
    PCaliFinal->setText(caveto::trimBlanks(CaliConjunto.text()));

    BuildRecordLine();
    W_Linea->setText(Linea->text());

    caveto::setFieldColor(NumBotellas,
        caveto::isZeroBottleCount(NumBotellas->text()) ? caveto::colors::CampoAviso
                                                       : caveto::colors::CampoNormal);
    refreshPhotoLed();
    setRecordButtonsEnabled(selected);
    update();
}

void TFormCavetoPas::CsalidaChange()
{
    ShowRecord();
}

void TFormCavetoPas::setRecordButtonsEnabled(bool enabled)
{
    for (QPushButton *b :
        { BDatos, BVista, BOlfato, BGusto, BConjunto, BEditor, BBaja, BModifica, BImagen })
        b->setEnabled(enabled);
}

void TFormCavetoPas::selectRow(int row)
{
    const QSignalBlocker block(Csalida);
    Csalida->setCurrentIndex(row);
}

int TFormCavetoPas::rowOfLine(const QString &line, int hint) const
{
    const QStringList &records = EditorFichero.records();
    if (hint >= 0 && hint < records.size() && records.at(hint) == line)
        return hint;
    const qsizetype row = records.indexOf(line);
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
    PDatos->move(0, mode == caveto::mode::Alta ? 60 : 88);
    PDatos->show();
    PDatos->setEnabled(mode == caveto::mode::Alta || mode == caveto::mode::Modi);
    PCSalida->setVisible(mode != caveto::mode::Alta);
    PCSalida->setEnabled(true);
    PLibroBodega->setVisible(mode == caveto::mode::Alta);
    PCataDeVino->setVisible(mode == caveto::mode::Alta);
    PTeclasCata->show();
    PTeclas->show();
    BAlta->setVisible(mode == caveto::mode::Alta);
    BBaja->setVisible(mode == caveto::mode::Baja);
    BModifica->setVisible(mode == caveto::mode::Modi);
    BBuscar->setVisible(mode != caveto::mode::Alta);
    BImagen->show();
}

bool TFormCavetoPas::needRecords()
{
    if (PContReg->text() == QLatin1String("0")) {
        caveto::showMessage(
            QStringLiteral("Caveto Error."), QStringLiteral("No hay datos para visualizar"), this);
        return false;
    }
    return true;
}

void TFormCavetoPas::BMenuAlta2Click()
{
    W_Linea->clear();
    ClearRecordFields();
    LOpcion->setText(QStringLiteral("Alta"));
    showModePanels(caveto::mode::Alta);
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
    enterListMode(caveto::mode::Baja, QStringLiteral("Baja"));
}

void TFormCavetoPas::BMenuModi2Click()
{
    enterListMode(caveto::mode::Modi, QStringLiteral("Modificación"));
}

void TFormCavetoPas::BMenuCons2Click()
{
    enterListMode(caveto::mode::Cons, QStringLiteral("Consulta"));
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
    if (ModoActual == caveto::mode::Alta) {
        switch (settleEdits()) {
        case Edits::Saved:
        case Edits::NotSaved:
        case Edits::Kept:
            return; // the add command ends the click, or the edits stay
        case Edits::Dropped: {
            const QString name = caveto::trimBlanks(EFichero->text());
            if (!name.isEmpty())
                deleteNotesFile(name);
            break;
        }
        case Edits::Unchanged:
            break;
        }
        // A notes text written for a record that was never added goes too.
        const QString pending = caveto::trimBlanks(Valor_Editor->text());
        if (!pending.isEmpty())
            deleteNotesFile(pending);
        PLibroBodega->hide();
        PCataDeVino->hide();
    } else if (ModoActual == caveto::mode::Modi && recordSelected()) {
        const Edits edits = settleEdits();
        if (edits != Edits::Unchanged && edits != Edits::Dropped)
            return;
    }

    ModoActual.clear();
    PDatos->move(0, 88);
    caveto::setFieldColor(NumBotellas, caveto::colors::CampoNormal);
    for (QWidget *w : { PBotones, PCSalida, PDatos, PTeclasCata, static_cast<QWidget *>(BAlta),
             static_cast<QWidget *>(BBaja), static_cast<QWidget *>(BModifica), PTeclas,
             static_cast<QWidget *>(BImagen) })
        w->hide();
    PTeclasMenu->show();
}

// ---------------------------------------------------------------------------
// Value lists and field rules
// ---------------------------------------------------------------------------

void TFormCavetoPas::clearNewValueMarks()
{
    for (const ValueField &v : m_valueFields)
        v.mark->clear();
}

QStringList TFormCavetoPas::valueList(int which) const
{
    const QComboBox *combo = m_valueFields[which].field;
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
    const ValueField &v = m_valueFields[which];
    if (caveto::valueListContains(valueList(which), v.field->currentText())) {
        NuevoValor[which] = QStringLiteral("N");
        v.mark->clear();
    } else {
        v.mark->setText(which == 0 ? QStringLiteral("Nueva") : QStringLiteral("Nuevo"));
        NuevoValor[which] = QStringLiteral("S");
    }
}

void TFormCavetoPas::valueFieldExit(int which)
{
    const ValueField &v = m_valueFields[which];
    const QString trimmed = caveto::trimBlanks(v.field->currentText());
    if (v.field->currentText() != trimmed)
        v.field->setEditText(trimmed);
    ListaACompletar = QStringLiteral("0%1").arg(which + 1);
    v.mark->clear();
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
    const caveto::DateCheck check
        = caveto::checkDate(FCompraDD->text(), FCompraMM->text(), FCompraYY->text());
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
    for (QWidget *dated : { static_cast<QWidget *>(FCompraDD), static_cast<QWidget *>(FCompraMM),
             static_cast<QWidget *>(FCompraYY), static_cast<QWidget *>(Precio),
             static_cast<QWidget *>(Grados), static_cast<QWidget *>(TempeINI),
             static_cast<QWidget *>(TempeFin) }) {
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
    caveto::setFieldColor(NumBotellas,
        caveto::isZeroBottleCount(count) ? caveto::colors::CampoAviso
                                         : caveto::colors::CampoNormal);
}

void TFormCavetoPas::percentageExit(int which)
{
    QComboBox *grapes[4] = { TipoUva1, TipoUva2, TipoUva3, TipoUva4 };
    TNumEdit *percents[4] = { Porcen1, Porcen2, Porcen3, Porcen4 };
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
    struct Required
    {
        QWidget *field;
        const char *message;
    };
    const Required required[] = {
        { NombreVino, "Campo ( Nombre del Vino ) Obligatorio" },
        { Cosecha, "Campo ( Cosecha ) Obligatorio" },
        { DenoOrigen, "Campo ( Denominación de Origen ) Obligatorio" },
    };
    for (const Required &r : required) {
        if (caveto::isBlankText(widgetText(r.field))) {
            caveto::showMessage(
                QStringLiteral("Caveto Error."), QString::fromUtf8(r.message), this);
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
    if (ModoActual == caveto::mode::Alta || recordSelected())
        return false;
    caveto::showMessage(
        QStringLiteral("Caveto Error."), QStringLiteral("No hay datos seleccionados"), this);
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
    if (ModoActual == caveto::mode::Baja || ModoActual == caveto::mode::Cons)
        Csalida->setFocus();
}

template <class Form> void TFormCavetoPas::openTasting(const QString &caption)
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
