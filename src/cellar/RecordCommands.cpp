// The main window's side of the record file: loading at start-up, the record
// list and the value lists it shows, and the add, modify and delete commands.
// The book does the storing: every command that changes records has it
// rewrite the whole file at once, and a failed save leaves both the file and
// the window as they were.

#include "app/Globals.h"
#include "cellar/Backups.h"
#include "cellar/Baja.h"
#include "cellar/Cavetopas.h"
#include "cellar/EntryChecks.h"
#include "cellar/NotesFiles.h"
#include "cellar/StatusPanels.h"
#include "controls/Blinklbl.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSet>
#include <QStringListModel>

using caveto::Field;

namespace {
const QString kFileCaption = QStringLiteral("  Caveto20.Datos");
const QString kSinDatos = QStringLiteral("Sin Datos");
} // namespace

// ---------------------------------------------------------------------------
// Progress display
// ---------------------------------------------------------------------------

void TFormCavetoPas::beginProgress(const QString &caption, int maximum)
{
    Lproceso->setText(caption);
    Lproceso->show();
    BarraProgreso->setMaximum(qMax(1, maximum));
    BarraProgreso->setValue(0);
    BarraProgreso->show();
    // Repaint about a hundred times over the run, not once per line.
    m_progressStep = qMax(1, maximum / 100);
    Lproceso->repaint();
    BarraProgreso->repaint();
}

void TFormCavetoPas::stepProgress(int position)
{
    if (position % m_progressStep != 0 && position != BarraProgreso->maximum())
        return;
    BarraProgreso->setValue(qMin(position, BarraProgreso->maximum()));
    BarraProgreso->repaint();
}

caveto::Progress TFormCavetoPas::progressStepper()
{
    return [this](qsizetype done) { stepProgress(int(done)); };
}

void TFormCavetoPas::endProgress()
{
    BarraProgreso->hide();
    Lproceso->hide();
}

void TFormCavetoPas::reportSaveError(const QString &error)
{
    caveto::showMessage(QStringLiteral("Caveto Error."), error, this);
}

void TFormCavetoPas::reportBackupWarning()
{
    const QString warning = EditorFichero.takeBackupWarning();
    if (!warning.isEmpty())
        caveto::showMessage(QStringLiteral("Caveto Aviso."), warning, this);
}

// ---------------------------------------------------------------------------
// The record file, the record list and the value lists
// ---------------------------------------------------------------------------

bool TFormCavetoPas::LoadDataAtStart()
{
    caveto::computeAppFolder();
    EditorFichero.setPath(caveto::dataFilePath());
    QString error;
    bool ok;
    beginProgress(kFileCaption, 0);
    {
        caveto::WaitCursor wait;
        ok = EditorFichero.open(&error);
    }
    endProgress();
    if (!ok) {
        // Never go on with an empty book: the next save would replace the file.
        caveto::showMessage(QStringLiteral("Caveto Error."), error, this);
        return false;
    }
    showRecordList();
    NuevoValor.fill(QStringLiteral("S"));
    BuildValueLists();
    NuevoValor.fill(QStringLiteral("N"));
    UpdateRecordCounter();
    ClearRecordFields();
    return true;
}

void TFormCavetoPas::showRecordList()
{
    m_recordModel->setStringList(EditorFichero.records());
    selectRow(-1);
    m_shownRow = -1;
}

void TFormCavetoPas::LoadRecordList()
{
    showRecordList();
}

void TFormCavetoPas::BuildValueLists()
{
    const int lines = int(EditorFichero.image().size());
    {
        caveto::WaitCursor wait;
        for (int which = 0; which < 4; ++which) {
            if (NuevoValor[which] != QLatin1String("S"))
                continue;
            const ValueField &v = m_valueFields[which];
            beginProgress(QString::fromLatin1(v.progressCaption), lines);
            const QStringList items
                = EditorFichero.valueList(static_cast<caveto::ValueList>(which), progressStepper());
            const QString typed = v.field->currentText();
            {
                const QSignalBlocker block(v.field);
                v.field->clear();
                v.field->addItems(items);
                v.field->setCurrentIndex(-1);
                v.field->setEditText(typed);
            }
            ContadorValores[which] = int(items.size());
        }
        update();
        for (int which = 0; which < 4; ++which)
            m_valueFields[which].counter->setText(QString::number(ContadorValores[which]));
    }
    endProgress();
}

void TFormCavetoPas::AddNewValues()
{
    for (int which = 0; which < 4; ++which) {
        if (NuevoValor[which] != QLatin1String("S"))
            continue;
        QComboBox *combo = m_valueFields[which].field;
        const QString value = caveto::padRight(combo->currentText(),
            caveto::fieldWidth(caveto::valueListField(static_cast<caveto::ValueList>(which))));
        const QSignalBlocker block(combo);
        const QString typed = combo->currentText();
        if (which <= 1) {
            // Appellations and wines are kept sorted; types and shelves
            // stand at the end until the next rebuild.
            combo->insertItem(int(caveto::sortedInsertPosition(valueList(which), value)), value);
        } else {
            combo->addItem(value);
        }
        combo->setEditText(typed);
        ++ContadorValores[which];
    }
    for (int which = 0; which < 4; ++which)
        m_valueFields[which].counter->setText(QString::number(ContadorValores[which]));
}

void TFormCavetoPas::UpdateRecordCounter()
{
    const QString count = QString::number(EditorFichero.count());
    PContReg->setText(count);
    StatusBar1->setPanelText(4, QStringLiteral("Registros ..  ") + count);
}

// ---------------------------------------------------------------------------
// Notes names
// ---------------------------------------------------------------------------

QString TFormCavetoPas::newNotesName() const
{
    const caveto::ClockValues &c = caveto::program().clock;
    QString name
        = caveto::makeNotesName(c.day, c.month, c.year, c.hour, c.minute, c.second, c.millisecond);
    // A name already used by a record or by a notes file moves on to the next.
    QSet<QString> used;
    used.reserve(EditorFichero.count());
    for (const QString &line : EditorFichero.records())
        used.insert(caveto::trimBlanks(caveto::columnText(line, Field::EFichero)));
    used.insert(caveto::trimBlanks(Valor_Editor->text()));
    return caveto::freeNotesName(name, [&used](const QString &candidate) {
        return used.contains(candidate) || QFile::exists(caveto::notesFilePathFor(candidate));
    });
}

void TFormCavetoPas::deleteNotesFile(const QString &notesName)
{
    // A name that could reach outside the data folder names no notes file.
    // A notes file that goes is kept among the copies, not erased.
    const QString path = caveto::notesFilePathFor(notesName);
    if (path.isEmpty() || !QFile::exists(path))
        return;
    QString error;
    if (!caveto::backups::keepNotes(path, QDateTime::currentDateTime(), &error))
        caveto::showMessage(QStringLiteral("Caveto Aviso."),
            QStringLiteral("No se pudo apartar el fichero de notas %1 (%2).")
                .arg(QDir::toNativeSeparators(path), error),
            this);
}

// ---------------------------------------------------------------------------
// Add
// ---------------------------------------------------------------------------

// An empty wine, type or shelf is stored as "Sin Datos", which joins its
// value list like any typed value.
void TFormCavetoPas::applySinDatosDefaults()
{
    for (int which = 1; which <= 3; ++which) {
        QComboBox *field = m_valueFields[which].field;
        if (caveto::isBlankText(field->currentText())) {
            field->setEditText(kSinDatos);
            valueFieldExit(which);
        }
    }
}

void TFormCavetoPas::BAltaClick()
{
    runAdd();
}

bool TFormCavetoPas::runAdd()
{
    if (!checkPendingField())
        return false;
    if (!CompruebaObligatorios())
        return false;
    applySinDatosDefaults();
    PadRecordFields();

    EFichero->setText(Valor_Editor->text());
    if (caveto::isBlankText(EFichero->text()))
        EFichero->setText(newNotesName());

    BuildRecordLine();
    QString error;
    bool saved;
    {
        caveto::WaitCursor wait;
        saved = EditorFichero.add(Linea->text(), &error);
    }
    if (!saved) {
        reportSaveError(error);
        return false;
    }
    reportBackupWarning();
    showRecordList();
    UpdateRecordCounter();
    AddNewValues();
    ClearRecordFields();
    NombreVino->setFocus();
    return true;
}

// ---------------------------------------------------------------------------
// Modify
// ---------------------------------------------------------------------------

void TFormCavetoPas::BModificaClick()
{
    runModify();
}

bool TFormCavetoPas::runModify()
{
    if (!checkPendingField())
        return false;
    // The record the fields show, even when the list's selection has moved.
    const int row = m_shownRow;
    if (row < 0 || row >= EditorFichero.count()) {
        caveto::showMessage(
            QStringLiteral("Caveto Error."), QStringLiteral("No hay datos seleccionados"), this);
        Csalida->setFocus();
        return false;
    }
    BuildRecordLine();
    if (caveto::trimBlanks(Linea->text()) == caveto::trimBlanks(W_Linea->text())) {
        caveto::showMessage(QStringLiteral("Caveto Aviso."),
            QStringLiteral("No hay datos actualizados en ( Datos del Vino / Cata ), no es "
                           "necesario Modificar."),
            this);
        Csalida->setFocus();
        return false;
    }
    applySinDatosDefaults();
    PadRecordFields();
    if (!CompruebaObligatorios())
        return false;

    BuildRecordLine();
    QString error;
    bool saved;
    beginProgress(kFileCaption, int(EditorFichero.count()));
    {
        caveto::WaitCursor wait;
        saved = EditorFichero.replace(row, Linea->text(), &error, progressStepper());
    }
    endProgress();
    if (!saved) {
        reportSaveError(error);
        return false;
    }
    reportBackupWarning();
    showRecordList();

    ClearRecordFields();
    BuildValueLists();
    NuevoValor.fill(QStringLiteral("N"));
    focusRecordList();
    return true;
}

// ---------------------------------------------------------------------------
// Delete
// ---------------------------------------------------------------------------

void TFormCavetoPas::BBajaClick()
{
    if (!recordSelected()) {
        caveto::showMessage(
            QStringLiteral("Caveto Error."), QStringLiteral("No hay datos seleccionados"), this);
        Csalida->setFocus();
        return;
    }
    RespuestaBaja = QStringLiteral("N");
    {
        TFormBaja confirm(this);
        caveto::execModal(&confirm);
    }
    if (RespuestaBaja == QLatin1String("S")) {
        ClearRecordFields();
        NuevoValor.fill(QStringLiteral("S"));
        BuildValueLists();
        NuevoValor.fill(QStringLiteral("N"));
    }
    // The list shows no record after a delete: the record's buttons and its
    // bottle-count colour go with it.
    focusRecordList();
}

void TFormCavetoPas::deleteSelectedRecord()
{
    const int row = Csalida->currentIndex();
    if (row < 0 || row >= EditorFichero.count())
        return;
    const QString notesName = caveto::trimBlanks(EFichero->text());

    QString error;
    bool saved;
    beginProgress(kFileCaption, int(EditorFichero.count()));
    {
        caveto::WaitCursor wait;
        saved = EditorFichero.remove(row, &error, progressStepper());
    }
    endProgress();
    if (!saved) {
        reportSaveError(error);
        return;
    }
    reportBackupWarning();
    showRecordList();
    UpdateRecordCounter();

    // The notes go only once the record is gone from the file, and never
    // while another record still names the same notes file.
    if (!notesName.isEmpty()) {
        const QStringList &records = EditorFichero.records();
        const bool shared = std::any_of(records.cbegin(), records.cend(), [&](const QString &line) {
            return caveto::trimBlanks(caveto::columnText(line, Field::EFichero)) == notesName;
        });
        if (!shared)
            deleteNotesFile(notesName);
    }
    RespuestaBaja = QStringLiteral("S");
}
