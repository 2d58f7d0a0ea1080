// The record file behind the main window and the commands that change it:
// loading at start-up, the record list and value lists, add, modify, delete.
// Every command that changes records writes the whole file at once.

#include "app/Globals.h"
#include "cellar/Baja.h"
#include "cellar/Cavetopas.h"
#include "cellar/EntryChecks.h"
#include "controls/Blinklbl.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSet>
#include <QStringListModel>

#include "cellar/StatusPanels.h"

using caveto::Field;

namespace {
const QString kFileCaption = QStringLiteral("  Caveto20.Datos");
const QString kSinDatos = QStringLiteral("Sin Datos");
const char *const kListHeadings[4] = {"  Denominaciones", "   Vino", "   Tipo de Vino", "   Estante"};
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

void TFormCavetoPas::endProgress()
{
    BarraProgreso->hide();
    Lproceso->hide();
}

// ---------------------------------------------------------------------------
// The record file, the record list and the value lists
// ---------------------------------------------------------------------------

bool TFormCavetoPas::LoadDataAtStart()
{
    caveto::computeAppFolder();
    const QString folder = caveto::dataFolderPath();
    if (!QDir().mkpath(folder)) {
        caveto::showMessage(QStringLiteral("Caveto Error."),
                            QStringLiteral("No se puede crear la carpeta %1").arg(folder), this);
        return false;
    }
    const QString path = caveto::dataFilePath();
    if (QFile::exists(path)) {
        QStringList lines;
        QString error;
        bool ok;
        {
            caveto::WaitCursor wait;
            ok = caveto::readRecordFile(path, &lines, &error);
        }
        if (!ok) {
            // Never go on with an empty book: the next save would replace the file.
            caveto::showMessage(QStringLiteral("Caveto Error."),
                                QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), error),
                                this);
            return false;
        }
        EditorFichero->lines = lines;
        LoadRecordList();
        NuevoValor.fill(QStringLiteral("S"));
        BuildValueLists();
        NuevoValor.fill(QStringLiteral("N"));
        UpdateRecordCounter();
    } else {
        EditorFichero->clear();
        if (!SaveDataFile())
            return false;
        PContReg->setText(QStringLiteral("0"));
        StatusBar1->setPanelText(4, QStringLiteral("Registros ..  0"));
    }
    ClearRecordFields();
    return true;
}

void TFormCavetoPas::setRecordList(const QStringList &sorted)
{
    m_recordList = sorted;
    m_recordModel->setStringList(m_recordList);
    selectRow(-1);
    m_shownRow = -1;
}

void TFormCavetoPas::LoadRecordList()
{
    const QStringList &image = EditorFichero->lines;
    beginProgress(kFileCaption, int(image.size()));
    {
        caveto::WaitCursor wait;
        setRecordList(caveto::buildRecordList(image, [this](qsizetype done) { stepProgress(int(done)); }));
    }
    endProgress();
}

bool TFormCavetoPas::SaveDataFile()
{
    QString error;
    bool ok;
    {
        caveto::WaitCursor wait;
        ok = caveto::writeRecordFile(caveto::dataFilePath(), EditorFichero->lines, &error);
    }
    if (!ok) {
        caveto::showMessage(QStringLiteral("Caveto Error."),
                            QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(caveto::dataFilePath()),
                                                         error),
                            this);
    }
    return ok;
}

void TFormCavetoPas::BuildValueLists()
{
    const QStringList &image = EditorFichero->lines;
    {
        caveto::WaitCursor wait;
        for (int which = 0; which < 4; ++which) {
            if (NuevoValor[which] != QLatin1String("S"))
                continue;
            ContadorValores[which] = 0;
            beginProgress(QString::fromLatin1(kListHeadings[which]), int(image.size()));
            const Field field = caveto::valueListField(static_cast<caveto::ValueList>(which));
            const QStringList items = caveto::buildValueList(
                image, field, [this](qsizetype done) { stepProgress(int(done)); });
            QComboBox *combo = valueField(which);
            const QString typed = combo->currentText();
            {
                const QSignalBlocker block(combo);
                combo->clear();
                combo->addItems(items);
                combo->setCurrentIndex(-1);
                combo->setEditText(typed);
            }
            ContadorValores[which] = int(items.size());
        }
        update();
        for (int which = 0; which < 4; ++which)
            valueCounter(which)->setText(QString::number(ContadorValores[which]));
    }
    endProgress();
}

void TFormCavetoPas::AddNewValues()
{
    for (int which = 0; which < 4; ++which) {
        if (NuevoValor[which] != QLatin1String("S"))
            continue;
        QComboBox *combo = valueField(which);
        const QString value = caveto::padRight(combo->currentText(), caveto::fieldWidth(
            caveto::valueListField(static_cast<caveto::ValueList>(which))));
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
        valueCounter(which)->setText(QString::number(ContadorValores[which]));
}

void TFormCavetoPas::UpdateRecordCounter()
{
    const QString count = QString::number(m_recordList.size());
    PContReg->setText(count);
    StatusBar1->setPanelText(4, QStringLiteral("Registros ..  ") + count);
}

// ---------------------------------------------------------------------------
// Notes names
// ---------------------------------------------------------------------------

QString TFormCavetoPas::newNotesName() const
{
    const caveto::ClockValues &c = caveto::program().clock;
    QString name = caveto::makeNotesName(c.day, c.month, c.year, c.hour, c.minute, c.second,
                                         c.millisecond);
    // The digits of the clock are ambiguous (1-12 and 11-2 read alike), so a
    // name already used by a record or by a notes file moves on to the next.
    QSet<QString> used;
    used.reserve(m_recordList.size());
    for (const QString &line : m_recordList)
        used.insert(caveto::trimBlanks(caveto::columnText(line, Field::EFichero)));
    used.insert(caveto::trimBlanks(Valor_Editor->text()));
    for (int guard = 0; guard < 100000; ++guard) {
        if (!used.contains(name) && !QFile::exists(caveto::notesFilePathFor(name)))
            break;
        name = caveto::nextNotesName(name);
    }
    return name;
}

void TFormCavetoPas::deleteNotesFile(const QString &notesName)
{
    // A name that could reach outside the data folder names no notes file.
    const QString path = caveto::notesFilePathFor(notesName);
    if (!path.isEmpty() && QFile::exists(path))
        QFile::remove(path);
}

// ---------------------------------------------------------------------------
// Add
// ---------------------------------------------------------------------------

// An empty wine, type or shelf is stored as "Sin Datos", which joins its
// value list like any typed value.
void TFormCavetoPas::applySinDatosDefaults()
{
    for (int which = 1; which <= 3; ++which) {
        if (caveto::isBlankText(valueField(which)->currentText())) {
            valueField(which)->setEditText(kSinDatos);
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
    EFichero->setText(EFichero->text().left(caveto::kNotesNameLength));

    BuildRecordLine();
    EditorFichero->addLine(Linea->text());
    if (!SaveDataFile()) {
        // The image stays what the file holds.
        EditorFichero->lines.removeLast();
        return false;
    }
    LoadRecordList();
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
    if (row < 0 || row >= m_recordList.size()) {
        caveto::showMessage(QStringLiteral("Caveto Error."),
                            QStringLiteral("No hay datos seleccionados"), this);
        Csalida->setFocus();
        return false;
    }
    BuildRecordLine();
    if (caveto::trimBlanks(Linea->text()) == caveto::trimBlanks(W_Linea->text())) {
        caveto::showMessage(
            QStringLiteral("Caveto Aviso."),
            QStringLiteral("No hay datos actualizados en ( Datos del Vino / Cata ), no es necesario Modificar."),
            this);
        Csalida->setFocus();
        return false;
    }
    applySinDatosDefaults();
    PadRecordFields();
    if (!CompruebaObligatorios())
        return false;

    const QStringList oldImage = EditorFichero->lines;
    beginProgress(kFileCaption, 0);
    {
        caveto::WaitCursor wait;
        EditorFichero->clear();
        QStringList list = m_recordList;
        list.removeAt(row);
        BuildRecordLine();
        list.insert(caveto::sortedInsertPosition(list, Linea->text()), Linea->text());

        beginProgress(kFileCaption, int(list.size()));
        QStringList image;
        image.reserve(list.size());
        int done = 0;
        for (const QString &line : list) {
            if (!caveto::hasBlankKey(line))
                image.append(line);
            stepProgress(++done);
        }
        EditorFichero->lines = image;
        if (!SaveDataFile()) {
            EditorFichero->lines = oldImage;
            endProgress();
            return false;
        }
        setRecordList(list);
        if (m_recordList.size() == 1)
            LoadRecordList();
    }
    endProgress();

    ClearRecordFields();
    BuildValueLists();
    NuevoValor.fill(QStringLiteral("N"));
    selectRow(-1);
    m_shownRow = -1;
    focusRecordList();
    return true;
}

// ---------------------------------------------------------------------------
// Delete
// ---------------------------------------------------------------------------

void TFormCavetoPas::BBajaClick()
{
    if (!recordSelected()) {
        caveto::showMessage(QStringLiteral("Caveto Error."),
                            QStringLiteral("No hay datos seleccionados"), this);
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
    if (row < 0 || row >= m_recordList.size())
        return;
    const QString notesName = caveto::trimBlanks(EFichero->text());

    beginProgress(kFileCaption, 0);
    const QStringList oldImage = EditorFichero->lines;
    QStringList list = m_recordList;
    {
        caveto::WaitCursor wait;
        list.removeAt(row);
        beginProgress(kFileCaption, int(list.size()));
        QStringList image;
        image.reserve(list.size());
        int done = 0;
        for (const QString &line : list) {
            image.append(line);
            stepProgress(++done);
        }
        BarraProgreso->setValue(0);
        EditorFichero->lines = image;
        if (!SaveDataFile()) {
            EditorFichero->lines = oldImage;
            endProgress();
            return;
        }
        setRecordList(list);
        UpdateRecordCounter();
    }
    endProgress();

    // The notes go only once the record is gone from the file, and never
    // while another record still names the same notes file.
    if (!notesName.isEmpty()) {
        const bool shared = std::any_of(m_recordList.cbegin(), m_recordList.cend(),
                                        [&](const QString &line) {
                                            return caveto::trimBlanks(caveto::columnText(
                                                       line, Field::EFichero))
                                                == notesName;
                                        });
        if (!shared)
            deleteNotesFile(EFichero->text());
    }
    RespuestaBaja = QStringLiteral("S");
}
