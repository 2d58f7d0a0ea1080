#include "notes/EditorPas.h"

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/Modes.h"
#include "cellar/StatusPanels.h"
#include "cellar/WineHeader.h"
#include "notes/AvisoEditor.h"
#include "notes/NotesBlocks.h"
#include "notes/ReturnFocus.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "platform/StdDialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using caveto::Field;

namespace {

constexpr int kMargin = 4;
constexpr int kColumnX = 612; // the right-hand column: mode caption and buttons
constexpr int kColumnWidth = 117;
constexpr int kButtonHeight = 34;
constexpr int kEditorTop = 54;

// Courier New with a character height of 12 pixels (9 points on a 96-dpi
// screen): a fixed-pitch face, so the 20-column labels of the blocks line
// up. Points, not pixels, so the printout has the same size.
QFont baseFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
}

} // namespace

TFormEditorPas::TFormEditorPas(TFormCavetoPas *main, QWidget *parent)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    Q_ASSERT(main);
    setObjectName(QStringLiteral("TFormEditorPas"));
    setWindowTitle(QStringLiteral(" Caveto  Editor."));

    buildMenu();
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClientWidth, menuHeight);
    caveto::setupFixedForm(this, kClientWidth, kClientHeight + menuHeight, true);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(0, menuHeight, kClientWidth, kClientHeight);

    PDatosGenCab = new TWineHeader(client,
        { { Field::NombreVino, "Nombre del Vino", 6, 200 }, { Field::Cosecha, "Año", 212, 44 },
            { Field::DenoOrigen, "Denominación de Origen", 262, 150 },
            { Field::Vino, "Vino", 418, 92 }, { Field::TipoVino, "Tipo", 516, 82 } });
    PDatosGenCab->setGeometry(kMargin, kMargin, 604, 44);
    PNombreVino = PDatosGenCab->PNombreVino;
    PCosecha = PDatosGenCab->PCosecha;
    PDenoOrigen = PDatosGenCab->PDenoOrigen;
    PVino = PDatosGenCab->PVino;
    PTipoVino = PDatosGenCab->PTipoVino;

    LOpcion = caveto::makeTitlePanel(client, QStringLiteral("LOpcion"), QString());
    LOpcion->setGeometry(kColumnX, kMargin, kColumnWidth, 44);

    EditorNotas = new TRichEdit(client);
    EditorNotas->setObjectName(QStringLiteral("EditorNotas"));
    EditorNotas->setGeometry(
        kMargin, kEditorTop, kColumnX - 2 * kMargin, kClientHeight - kEditorTop - kMargin);
    EditorNotas->setFont(baseFont());
    EditorNotas->document()->setDefaultFont(baseFont());
    EditorNotas->setLineWrapMode(QTextEdit::WidgetWidth);
    EditorNotas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditorNotas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditorNotas->setTabChangesFocus(false); // Tab types a tab
    EditorNotas->setAcceptRichText(true);
    caveto::setFieldColor(EditorNotas, 0xFFFFFF);
    EditorNotas->installEventFilter(this);

    EFichero = new QLineEdit(client);
    EFichero->setObjectName(QStringLiteral("EFichero"));
    EFichero->setMaxLength(caveto::kNotesNameLength);
    EFichero->hide();

    struct ButtonSpec
    {
        QPushButton **button;
        const char *name;
        const char *caption;
        const char *icon;
        int y;
    };
    const ButtonSpec buttons[] = {
        { &BCabecera, "BCabecera", "Incluir &Cabecera", "", kEditorTop },
        { &BRegistro, "BRegistro", "Incluir &Registro", "", kEditorTop + 38 },
        { &BImprimir, "BImprimir", "&Imprimir", "BInformes", kEditorTop + 96 },
        { &BSalvar, "BSalvar", "&Guardar Notas", "BAceptar",
            kClientHeight - kMargin - 2 * kButtonHeight - 4 },
        { &BSalir, "BSalir", "&Salir Editor", "BMenu", kClientHeight - kMargin - kButtonHeight },
    };
    for (const ButtonSpec &b : buttons) {
        *b.button = caveto::makeButton(client, QString::fromLatin1(b.name),
            QString::fromUtf8(b.caption), QString::fromLatin1(b.icon));
        (*b.button)->setGeometry(kColumnX, b.y, kColumnWidth, kButtonHeight);
    }
    connect(BCabecera, &QPushButton::clicked, this, &TFormEditorPas::BCabeceraClick);
    connect(BRegistro, &QPushButton::clicked, this, &TFormEditorPas::BRegistroClick);
    connect(BImprimir, &QPushButton::clicked, this, &TFormEditorPas::BImprimirClick);
    connect(BSalvar, &QPushButton::clicked, this, &TFormEditorPas::BSalvarClick);
    connect(BSalir, &QPushButton::clicked, this, &TFormEditorPas::Bsalir2Click);

    setTabOrder(EditorNotas, BCabecera);
    setTabOrder(BCabecera, BRegistro);
    setTabOrder(BRegistro, BImprimir);
    setTabOrder(BImprimir, BSalvar);
    setTabOrder(BSalvar, BSalir);
}

void TFormEditorPas::buildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    auto item = [this](QMenu *menu, const char *name, const char *caption, const QKeySequence &keys,
                    void (TFormEditorPas::*slot)()) {
        QAction *a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto menu = [this](const char *name, const char *caption) {
        QMenu *m = MainMenu1->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    Fichero1 = menu("Fichero1", "Fichero");
    Imprimir1 = item(Fichero1, "Imprimir1", "Imprimir", {}, &TFormEditorPas::BImprimirClick);
    Fichero1->addSeparator();
    ImpresoraSetup1 = item(
        Fichero1, "ImpresoraSetup1", "Impresora Setup", {}, &TFormEditorPas::ImpresoraSetup1Click);

    Editar1 = menu("Editar1", "Editar");
    Cortar1 = item(Editar1, "Cortar1", "Cortar", QKeySequence(Qt::CTRL | Qt::Key_X),
        &TFormEditorPas::Cortar1Click);
    Copiar1 = item(Editar1, "Copiar1", "Copiar", QKeySequence(Qt::CTRL | Qt::Key_C),
        &TFormEditorPas::Copiar1Click);
    Pegar1 = item(Editar1, "Pegar1", "Pegar", QKeySequence(Qt::CTRL | Qt::Key_V),
        &TFormEditorPas::Pegar1Click);
    Borrar1 = item(Editar1, "Borrar1", "Borrar", QKeySequence(Qt::CTRL | Qt::Key_D),
        &TFormEditorPas::Borrar1Click);
    Editar1->addSeparator();
    SeleccionarTodo1 = item(Editar1, "SeleccionarTodo1", "Seleccionar Todo",
        QKeySequence(Qt::CTRL | Qt::Key_A), &TFormEditorPas::SeleccionarTodo1Click);

    Caracter1 = menu("Caracter1", "Carácter");
    Izquierda1 = item(Caracter1, "Izquierda1", "Izquierda", {}, &TFormEditorPas::Izquierda1Click);
    Derecha1 = item(Caracter1, "Derecha1", "Derecha", {}, &TFormEditorPas::Derecha1Click);
    Centro1 = item(Caracter1, "Centro1", "Centro", {}, &TFormEditorPas::Centro1Click);
    Caracter1->addSeparator();
    Fuente1 = item(Caracter1, "Fuente1", "Fuente", {}, &TFormEditorPas::BFuenteClick);
}

// ---------------------------------------------------------------------------
// Opening and closing
// ---------------------------------------------------------------------------

void TFormEditorPas::takeNotesName()
{
    const QLineEdit *source
        = m_main->ModoActual == caveto::mode::Alta ? m_main->Valor_Editor : m_main->EFichero;
    EFichero->setText(source->text());
    NotesFileSpec = (EFichero->text() + QStringLiteral(".txt")).left(20);
    NotesFile = caveto::notesFilePathFor(EFichero->text());
}

bool TFormEditorPas::editable() const
{
    return !caveto::mode::isReadOnly(m_main->ModoActual) && !m_noSave;
}

void TFormEditorPas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The set-up runs once: after the save question's "Cancelar" the
    // window is active again, and running it then would reload the file
    // over the user's unsaved text.
    if (!m_setUp) {
        m_setUp = true;
        FormActivate();
    }
}

void TFormEditorPas::FormActivate()
{
    EditorNotas->setModified(false);
    PDatosGenCab->showRecord(m_main->currentFields());
    LOpcion->setText(m_main->LOpcion->text());
    takeNotesName();

    QString problem;
    if (NotesFile.isEmpty()) {
        // A name from an edited record file that could reach outside the
        // data folder: this record has no notes file, and none is touched.
        m_noSave = true;
        problem = QStringLiteral("El nombre del fichero de notas de este vino no es válido, así "
                                 "que sus notas no se pueden abrir ni guardar.");
    } else if (QFile::exists(NotesFile)) {
        QString error;
        if (EditorNotas->loadFromFile(NotesFile, &error)) {
            EditorNotas->setModified(false);
        } else {
            // An unreadable notes file is never replaced by an empty one.
            m_noSave = true;
            problem = QStringLiteral("No se pueden leer las notas del fichero %1: %2")
                          .arg(NotesFileSpec, error);
        }
    }

    const bool canEdit = editable();
    Editar1->menuAction()->setEnabled(canEdit);
    Caracter1->menuAction()->setEnabled(canEdit);
    EditorNotas->setReadOnly(!canEdit);
    BSalvar->setEnabled(canEdit);
    BCabecera->setEnabled(canEdit);
    BRegistro->setEnabled(canEdit);
    EditorNotas->setFocus();
    if (!problem.isEmpty())
        caveto::showMessage(QStringLiteral("Caveto Error."), problem, this);
}

bool TFormEditorPas::FormCloseQuery()
{
    if (!editable() || !EditorNotas->isModified())
        return true;
    RespuestaEditor = QStringLiteral(" ");
    {
        TFormAvisoEditor question(this);
        caveto::execModal(&question);
    }
    if (RespuestaEditor == QLatin1String("S"))
        return saveNotes();
    if (RespuestaEditor == QLatin1String("N"))
        return true;
    EditorNotas->setFocus();
    return false;
}

void TFormEditorPas::closeEvent(QCloseEvent *event)
{
    if (!m_closeApproved && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    m_closeApproved = true;
    QDialog::closeEvent(event);
}

void TFormEditorPas::reject()
{
    // Escape asks like the close box; the close itself comes back here.
    if (!m_closeApproved) {
        close();
        return;
    }
    QDialog::reject();
}

void TFormEditorPas::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QDialog::done(result);
}

void TFormEditorPas::FormClose()
{
    caveto::returnFocusToMain(m_main);
}

// ---------------------------------------------------------------------------
// Saving
// ---------------------------------------------------------------------------

bool TFormEditorPas::saveNotes()
{
    if (!editable())
        return false;
    const bool wasModified = EditorNotas->isModified();
    EditorNotas->setModified(false);
    takeNotesName();
    QString error;
    if (NotesFile.isEmpty() || !EditorNotas->saveToFile(NotesFile, &error)) {
        // The changes are still unsaved: leaving must go on asking.
        EditorNotas->setModified(wasModified);
        caveto::showMessage(QStringLiteral("Caveto Error."),
            error.isEmpty() ? QStringLiteral("No se pueden guardar las notas.") : error, this);
        return false;
    }
    return true;
}

void TFormEditorPas::BSalvarClick()
{
    if (!saveNotes())
        return;
    m_closeApproved = true;
    accept();
}

void TFormEditorPas::Bsalir2Click()
{
    close();
}

// ---------------------------------------------------------------------------
// Printing and the inserted blocks
// ---------------------------------------------------------------------------

void TFormEditorPas::BImprimirClick()
{
    caveto::printDocument(EditorNotas->document(), QPageLayout::Portrait, this, QString());
}

void TFormEditorPas::ImpresoraSetup1Click()
{
    caveto::printerSetup(this);
}

void TFormEditorPas::insertBlock(const QStringList &lines)
{
    QTextDocument *doc = EditorNotas->document();
    QTextCursor c(doc);
    c.beginEditBlock();
    if (EditorNotas->lineCount() > 0) {
        // The old first line moves down as it was (alignment, font); the
        // block goes in above it in the base font, aligned left.
        c.insertBlock(c.blockFormat(), c.charFormat());
        c.movePosition(QTextCursor::PreviousBlock);
    }
    c.setBlockFormat(QTextBlockFormat());
    c.setBlockCharFormat(QTextCharFormat());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            c.insertBlock(QTextBlockFormat(), QTextCharFormat());
        c.insertText(lines.at(i), QTextCharFormat());
    }
    c.endEditBlock();
    EditorNotas->setModified(true);
    EditorNotas->setTextCursor(QTextCursor(doc));
    EditorNotas->setFocus();
}

static caveto::notes::Stamp statusBarStamp(const TFormCavetoPas *main)
{
    return { main->StatusBar1->panelText(3), main->StatusBar1->panelText(2) };
}

void TFormEditorPas::BCabeceraClick()
{
    insertBlock(caveto::notes::headerBlock(m_main->currentFields(), statusBarStamp(m_main)));
}

void TFormEditorPas::BRegistroClick()
{
    insertBlock(caveto::notes::recordBlock(m_main->currentFields(), statusBarStamp(m_main)));
}

// ---------------------------------------------------------------------------
// Editing and character commands
// ---------------------------------------------------------------------------

bool TFormEditorPas::eventFilter(QObject *watched, QEvent *event)
{
    // The menu's shortcuts are the editor's: the text control would take
    // Ctrl+X, C, V, D and A for itself (and Ctrl+D would delete a letter
    // where the menu deletes the selection).
    if (watched == EditorNotas && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *a : { Cortar1, Copiar1, Pegar1, Borrar1, SeleccionarTodo1 }) {
            if (a->isEnabled() && a->shortcut() == pressed)
                return true; // not accepted: the shortcut goes to the menu
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormEditorPas::afterEditCommand()
{
    EditorNotas->setFocus();
}

void TFormEditorPas::Cortar1Click()
{
    EditorNotas->cut();
    afterEditCommand();
}

void TFormEditorPas::Copiar1Click()
{
    EditorNotas->copy();
    afterEditCommand();
}

void TFormEditorPas::Pegar1Click()
{
    EditorNotas->paste();
    afterEditCommand();
}

void TFormEditorPas::Borrar1Click()
{
    QTextCursor c = EditorNotas->textCursor();
    c.removeSelectedText();
    EditorNotas->setTextCursor(c);
    afterEditCommand();
}

void TFormEditorPas::SeleccionarTodo1Click()
{
    EditorNotas->selectAll();
    afterEditCommand();
}

void TFormEditorPas::Izquierda1Click()
{
    EditorNotas->setSelectionAlignment(Qt::AlignLeft);
    afterEditCommand();
}

void TFormEditorPas::Derecha1Click()
{
    EditorNotas->setSelectionAlignment(Qt::AlignRight);
    afterEditCommand();
}

void TFormEditorPas::Centro1Click()
{
    EditorNotas->setSelectionAlignment(Qt::AlignHCenter);
    afterEditCommand();
}

void TFormEditorPas::BFuenteClick()
{
    const std::optional<caveto::FontChoice> choice
        = caveto::chooseFont(this, EditorNotas->document()->defaultFont());
    if (choice) {
        EditorNotas->setSelectionFont(choice->font);
        if (choice->color.isValid())
            EditorNotas->setSelectionColor(choice->color);
    }
    afterEditCommand();
}
