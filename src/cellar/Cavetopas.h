#pragma once
// The cellar book: the program's main window. It holds the record being
// shown or entered (its fields and tasting fields) and the value lists, shows
// the book's record list, and switches between the menu state and the four
// modes "ALTA", "BAJA", "MODI" and "CONS". The record file and its image live
// in the book (`EditorFichero`); the window only applies the commands.

#include "cellar/BookLock.h"
#include "cellar/CellarBook.h"
#include "cellar/RecordLine.h"
#include "platform/LongEdit.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QProgressBar;
class QPushButton;
class QStringListModel;
class QTimer;
class QToolButton;
class QWidget;

class TBlinkLabel;
class TGIFImage;
class TGradiente;
class ThhALed;
class TmyLabel3d;
class TNumEdit;

class TImagenPlus;

namespace caveto {
class StatusPanels;
class ExitWatcher;
}

// A text with a fixed capacity: a longer value is cut on assignment. The
// tasting fields of the record live in these.
class FixedText
{
public:
    explicit FixedText(int capacity)
        : m_capacity(capacity)
    {
    }
    FixedText &operator=(const QString &text)
    {
        m_text = text.left(m_capacity);
        return *this;
    }
    const QString &text() const { return m_text; }
    operator const QString &() const { return m_text; }
    int capacity() const { return m_capacity; }
    void clear() { m_text.clear(); }

private:
    int m_capacity;
    QString m_text;
};

// The remembered criteria of the search window, kept for the whole run.
struct UltimaBusquedaData
{
    QString cosecha, denominacion, vino, tipo, estante;
    int signo = 0;
    QString fila;
    QString botellas;
};

class TFormCavetoPas : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 683;
    static constexpr int kClientHeight = 371;

    explicit TFormCavetoPas(QWidget *parent = nullptr);
    ~TFormCavetoPas() override;

    // The one main window every other window works with.
    static TFormCavetoPas *instance();

    // True when the splash was cancelled: nothing was loaded or shown.
    bool cancelled() const { return m_cancelled; }
    // False when the record file exists but could not be read; the window
    // then refuses to run so the file is never overwritten.
    bool loaded() const { return m_loaded; }
    // True when another program holds the cellar: nothing was loaded.
    bool alreadyOpen() const { return m_alreadyOpen; }

    // ---- State shared with the other windows ----
    QString ModoActual; // "ALTA", "BAJA", "MODI", "CONS" or empty
    QString RespuestaAviso = QStringLiteral(" ");
    QString RespuestaBaja = QStringLiteral("N");
    int DenoMapa = -1;
    UltimaBusquedaData UltimaBusqueda;
    // New-value flags: appellation, wine, wine type, shelf ("S", "N" or "").
    std::array<QString, 4> NuevoValor;
    QString ListaACompletar; // "01".."04"
    std::array<int, 4> ContadorValores {};

    // The record file, its image (the lines in file order) and the sorted
    // record list `Csalida` shows.
    caveto::CellarBook EditorFichero;

    // ---- Tasting fields of the record ----
    FixedText Catador, FCataDD, FCataMM, FCataYY, HoraIni, HoraFin;
    FixedText Botella, Tapon, Capsula, Fermentacion, Barrica;
    FixedText Limpieza, Color, Intensidad, Viscosidad, CaliVista;
    FixedText Aroma1, Aroma2, Aroma3, Aroma4, Afrutado, Bouquet, CaliOlfato;
    FixedText Dulzor, Tanino, Cuerpo, Acidez, Duracion, Equilibrio, CaliGusto;
    FixedText Conjunto1, Conjunto2, Conjunto3, Conjunto4, CaliConjunto;
    // The tasting field of a record field, or nullptr for a window field.
    FixedText *tastingField(caveto::Field f);

    // ---- Controls ----
    QWidget *PBotones = nullptr;
    QToolButton *BAH = nullptr, *BUvas = nullptr, *BDecalogo = nullptr, *BLexico = nullptr,
                *BVinos = nullptr, *BCosechas = nullptr, *BMapa = nullptr, *BMaridaje = nullptr,
                *BInformes = nullptr;
    QLabel *LOpcion = nullptr;
    TBlinkLabel *LOpcionAbierta = nullptr;

    QWidget *PCSalida = nullptr;
    QComboBox *Csalida = nullptr;
    QPushButton *BBuscar = nullptr;

    QWidget *PDatos = nullptr;
    QLineEdit *NombreVino = nullptr;
    TNumEdit *Cosecha = nullptr;
    QComboBox *DenoOrigen = nullptr, *Vino = nullptr, *TipoVino = nullptr;
    QLineEdit *Bodega = nullptr;
    TNumEdit *FCompraDD = nullptr, *FCompraMM = nullptr, *FCompraYY = nullptr;
    TNumEdit *Precio = nullptr, *NumBotellas = nullptr;
    QComboBox *Estante = nullptr;
    TNumEdit *Grados = nullptr, *TempeINI = nullptr, *TempeFin = nullptr;
    QLineEdit *Consumo = nullptr;
    QComboBox *TipoUva1 = nullptr, *TipoUva2 = nullptr, *TipoUva3 = nullptr, *TipoUva4 = nullptr;
    TNumEdit *Porcen1 = nullptr, *Porcen2 = nullptr, *Porcen3 = nullptr, *Porcen4 = nullptr;
    QLabel *LContDenominacion = nullptr, *LContVino = nullptr, *LContTipo = nullptr,
           *LContEstante = nullptr;
    TBlinkLabel *BLabelDeno = nullptr, *BLabelVino = nullptr, *BLabelTipoVino = nullptr,
                *BLabelEstante = nullptr;

    QWidget *PTeclasCata = nullptr;
    QLabel *LSCatador = nullptr, *LDatosDeCata = nullptr, *LFichero = nullptr;
    QLabel *PSCatador = nullptr, *PVistaCali = nullptr, *POlfatoCali = nullptr,
           *PGustoCali = nullptr, *PCaliFinal = nullptr;
    QPushButton *BDatos = nullptr, *BVista = nullptr, *BOlfato = nullptr, *BGusto = nullptr,
                *BConjunto = nullptr, *BEditor = nullptr;

    QWidget *PTeclas = nullptr;
    QPushButton *BAlta = nullptr, *BBaja = nullptr, *BModifica = nullptr, *BMenu = nullptr,
                *BImagen = nullptr;
    ThhALed *Led = nullptr;

    QWidget *PTeclasMenu = nullptr;
    TGradiente *GradienteMenu = nullptr;
    TGIFImage *GIFImage1 = nullptr;
    TImagenPlus *PCopas = nullptr;
    TmyLabel3d *myLabel3d1 = nullptr;
    QToolButton *BMenuAlta = nullptr, *BMenuBaja = nullptr, *BMenuModi = nullptr,
                *BMenuCons = nullptr, *BMenuSalir = nullptr;

    QLabel *PLibroBodega = nullptr, *PCataDeVino = nullptr;

    // Hidden working controls.
    // The record line, its snapshot and the photo path keep their whole
    // text however long (the photo path runs to the end of the line).
    TLongEdit *Linea = nullptr, *W_Linea = nullptr, *Imagen = nullptr;
    QLineEdit *EFichero = nullptr, *Valor_Editor = nullptr;
    QLabel *PContReg = nullptr;

    caveto::StatusPanels *StatusBar1 = nullptr;
    QProgressBar *BarraProgreso = nullptr;
    QLabel *Lproceso = nullptr;
    QTimer *Tpersonal = nullptr;

    // Menu bar entries.
    QAction *Diccionario1 = nullptr, *Uvas1 = nullptr, *Declogo1 = nullptr, *lexico1 = nullptr,
            *Vinos1 = nullptr, *Cosechas1 = nullptr, *MapaDO1 = nullptr, *Maridaje1 = nullptr,
            *Informes1 = nullptr, *AcercaDe1 = nullptr, *Caveto1 = nullptr, *N1 = nullptr,
            *Acerdade1 = nullptr, *Nada = nullptr;

    // ---- Routines other windows use ----
    void ShowRecord();
    void ClearRecordFields();
    void PadRecordFields();
    // The confirmed delete of the selected record (the delete window runs it).
    void deleteSelectedRecord();
    void BuildRecordLine();
    bool LoadDataAtStart();
    void LoadRecordList();
    void BuildValueLists();
    void AddNewValues();
    void UpdateRecordCounter();
    void CheckNewValue();
    bool CompruebaObligatorios();
    // False when the date was refused (its message shown, the field emptied).
    bool CompruebaFechaCompra();

    // The fields of the window and the tasting fields as one record.
    caveto::CellarRecord currentFields() const;
    void setFields(const caveto::CellarRecord &record);
    // Whether the list shows a record (an item is selected).
    bool recordSelected() const;
    // The record lines of the sorted record list.
    const QStringList &recordList() const { return EditorFichero.records(); }
    // The value list of a list field, as its items.
    QStringList valueList(int which) const;

public slots:
    // Mode switching and record commands.
    void BMenuAlta2Click();
    void BMenuBaja2Click();
    void BMenuModi2Click();
    void BMenuCons2Click();
    void BMenuSalir2Click();
    void BMenuClick();
    void BAltaClick();
    void BModificaClick();
    void BBajaClick();
    void CsalidaChange();

    // Windows opened from here.
    void BDatosClick();
    void BVistaClick();
    void BOlfatoClick();
    void BGustoClick();
    void BConjuntoClick();
    void BEditorClick();
    void BImagenClick();
    void BBuscarClick();
    void Diccionario1Click();
    void Uvas1Click();
    void Declogo1Click();
    void lexico1Click();
    void Vinos1Click();
    void Cosechas1Click();
    void MapaDO1Click();
    void Maridaje1Click();
    void Informes1Click();
    void Caveto1Click();
    void Acerdade1Click();

    // Exit handlers of the fields.
    void DenoOrigenExit();
    void VinoExit();
    void TipoVinoExit();
    void EstanteExit();
    void FCompraDDExit();
    void FCompraMMExit();
    void FCompraYYExit();
    void NumBotellasExit();
    void Porcen1Exit();
    void Porcen2Exit();
    void Porcen3Exit();
    void Porcen4Exit();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void TpersonalTimer();

private:
    // Layout (CavetopasLayout.cpp).
    void buildLayout();
    void buildMenuBar();
    void buildRecordPanels();
    void buildTastingPanel();
    void buildCommandPanel();
    void buildMenuPanel();

    void FormCreate();
    void FormActivate();
    bool FormClose();
    void enterMenuState();

    // What became of the fields' edits when they had to be settled.
    enum class Edits {
        Unchanged, // nothing to save: the fields match the snapshot
        Saved, // "Si", and the mode's command stored the record
        NotSaved, // "Si", but a check or the save stopped the command
        Dropped, // "No": the edits are given up
        Kept, // "Cancelar": the edits stay, the focus goes to the name
    };
    // Compares the fields with the snapshot `W_Linea` and, when they differ,
    // asks the save question and acts on the answer: "Si" runs the add or
    // modify command of the mode, "No" takes the fields as the new snapshot,
    // "Cancelar" puts the focus in `NombreVino`.
    Edits settleEdits();
    // The save question; returns the answer "S", "N" or "C".
    QString askSaveQuestion();
    // The add and modify commands; false when a check or the save stopped them.
    bool runAdd();
    bool runModify();
    void reportSaveError(const QString &error);
    void reportBackupWarning();
    void applySinDatosDefaults();
    void deleteNotesFile(const QString &notesName);
    bool needRecords();
    void showModePanels(const QString &mode);
    void enterListMode(const QString &mode, const QString &caption);
    void openWindow(QDialog *window, const QString &caption);
    void afterTasting();
    void selectRow(int row);
    int rowOfLine(const QString &line, int hint) const;
    // Shows the book's record list, with nothing selected.
    void showRecordList();
    QWidget *fieldWidget(caveto::Field f) const;
    static QString widgetText(const QWidget *w);
    static void setWidgetText(QWidget *w, const QString &text);
    // Shows the record list's state in the controls of a command's progress.
    void beginProgress(const QString &caption, int maximum);
    void stepProgress(int position);
    caveto::Progress progressStepper();
    void endProgress();
    void valueFieldExit(int which);
    void percentageExit(int which);
    bool tastingRefused();
    void focusRecordList();
    bool checkPendingField();
    template <class Form> void openTasting(const QString &caption);
    void refreshPhotoLed();
    void setRecordButtonsEnabled(bool enabled);
    QString newNotesName() const;
    void clearNewValueMarks();
    QChar decimalSeparator() const;

    // A list field with its value list: the field, its blinking "Nueva" /
    // "Nuevo" mark, its counter and the caption of its progress.
    struct ValueField
    {
        QComboBox *field = nullptr;
        TBlinkLabel *mark = nullptr;
        QLabel *counter = nullptr;
        const char *progressCaption = nullptr;
    };
    std::array<ValueField, 4> m_valueFields;

    bool m_cancelled = false;
    bool m_loaded = false;
    bool m_alreadyOpen = false;
    std::unique_ptr<caveto::BookLock> m_lock;
    QStringListModel *m_recordModel = nullptr;
    caveto::ExitWatcher *m_exitWatcher = nullptr;
    QMenu *m_acercaMenu = nullptr;
    int m_progressStep = 1;
    // The row of the record the fields show (-1 for none); the modify command
    // replaces this record even when the list's selection has just moved.
    int m_shownRow = -1;
    // Counts the records shown, so a focus move can tell whether it showed one.
    int m_showRecordRuns = 0;
};
