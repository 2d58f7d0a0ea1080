#pragma once
// The notes editor: the rich-text notes document of one wine, kept in its
// notes file "Datos/<notes name>.txt" (RTF despite the extension). The user
// writes it, puts a header or the whole record at its top, prints it and
// saves it; leaving with unsaved changes asks first.

#include <QDialog>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class TFormCavetoPas;
class TRichEdit;
class TWineHeader;

class TFormEditorPas : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 733;
    static constexpr int kClientHeight = 354;

    explicit TFormEditorPas(TFormCavetoPas *main, QWidget *parent = nullptr);

    // The answer of the save question: " ", "S", "N" or "C".
    QString RespuestaEditor = QStringLiteral(" ");

    QMenuBar *MainMenu1 = nullptr;
    QMenu *Fichero1 = nullptr, *Editar1 = nullptr, *Caracter1 = nullptr;
    QAction *Imprimir1 = nullptr, *ImpresoraSetup1 = nullptr;
    QAction *Cortar1 = nullptr, *Copiar1 = nullptr, *Pegar1 = nullptr, *Borrar1 = nullptr,
            *SeleccionarTodo1 = nullptr;
    QAction *Izquierda1 = nullptr, *Derecha1 = nullptr, *Centro1 = nullptr, *Fuente1 = nullptr;

    TWineHeader *PDatosGenCab = nullptr;
    QLabel *PNombreVino = nullptr, *PCosecha = nullptr, *PDenoOrigen = nullptr, *PVino = nullptr,
           *PTipoVino = nullptr;
    QLabel *LOpcion = nullptr;
    TRichEdit *EditorNotas = nullptr;
    QLineEdit *EFichero = nullptr;
    QPushButton *BCabecera = nullptr, *BRegistro = nullptr, *BImprimir = nullptr,
                *BSalvar = nullptr, *BSalir = nullptr;

    // "<notes name>.txt" and its path in the data folder; the path is empty
    // when the record's notes name could leave the data folder.
    QString NotesFileSpec;
    QString NotesFile;

    // However the window closes, the focus goes back to the main window.
    void done(int result) override;

public slots:
    void BSalvarClick();
    void Bsalir2Click();
    void BImprimirClick();
    void ImpresoraSetup1Click();
    void BCabeceraClick();
    void BRegistroClick();
    void BFuenteClick();
    void Cortar1Click();
    void Copiar1Click();
    void Pegar1Click();
    void Borrar1Click();
    void SeleccionarTodo1Click();
    void Izquierda1Click();
    void Derecha1Click();
    void Centro1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    // Takes the notes name from the main window and forms the file's names.
    void takeNotesName();
    // Writes the document; false (the error shown) when it could not be.
    bool saveNotes();
    // Whether the document can be changed and saved here.
    bool editable() const;
    void insertBlock(const QStringList &lines);
    void afterEditCommand();

    TFormCavetoPas *m_main;
    bool m_setUp = false;
    bool m_closeApproved = false;
    bool m_closed = false;
    // The notes file could not be read, or its name is not usable: nothing
    // may be written over it.
    bool m_noSave = false;
};
