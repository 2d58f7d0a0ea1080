#include "platform/StdDialogs.h"

#include "platform/MessageBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace caveto {

namespace {
StdDialogScript *g_script = nullptr;

// The colours a font can take, black first.
struct BasicColour
{
    const char *name;
    QRgb rgb;
};
constexpr BasicColour kBasicColours[] = {
    { "Negro", 0x000000 },
    { "Granate", 0x800000 },
    { "Verde", 0x008000 },
    { "Verde oliva", 0x808000 },
    { "Azul marino", 0x000080 },
    { "Púrpura", 0x800080 },
    { "Verde azulado", 0x008080 },
    { "Gris", 0x808080 },
    { "Plateado", 0xC0C0C0 },
    { "Rojo", 0xFF0000 },
    { "Verde lima", 0x00FF00 },
    { "Amarillo", 0xFFFF00 },
    { "Azul", 0x0000FF },
    { "Fucsia", 0xFF00FF },
    { "Aguamarina", 0x00FFFF },
    { "Blanco", 0xFFFFFF },
};
} // namespace

QStringList filterPatterns(const QString &patterns)
{
    QStringList out;
    for (const QString &p :
        patterns.split(QRegularExpression(QStringLiteral("[; ]")), Qt::SkipEmptyParts)) {
        out.append(p);
        if (p.toUpper() != p)
            out.append(p.toUpper());
    }
    return out;
}

QString chooseOpenFile(QWidget *parent, const QString &title, const QString &startFile,
    const QList<FileFilter> &filters)
{
    if (g_script) {
        g_script->fileDialogs.append({ startFile, filters });
        if (g_script->m_files.isEmpty()) {
            ++g_script->unexpected;
            return QString();
        }
        return g_script->m_files.takeFirst().value_or(QString());
    }

    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("Open1"));
    // Qt's own dialog everywhere: the rows keep their descriptions exactly,
    // and the patterns are applied below.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList rows;
    for (const FileFilter &f : filters)
        rows.append(f.description);
    dialog.setNameFilters(rows);
    if (!startFile.isEmpty()) {
        const QFileInfo info(startFile);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    // The dialog reads the patterns from a row's description and splits them
    // only at blanks; a row lists them with ";", so they are set here.
    auto *model = dialog.findChild<QFileSystemModel *>();
    auto apply = [&](const QString &row) {
        const int index = rows.indexOf(row);
        if (model && index >= 0)
            model->setNameFilters(filterPatterns(filters.at(index).patterns));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, apply);
    if (!rows.isEmpty())
        apply(rows.first());
    if (execModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

std::optional<FontChoice> chooseFont(QWidget *parent, const QFont &initial)
{
    if (g_script) {
        g_script->fontDialogs.append(initial);
        if (g_script->m_fonts.isEmpty()) {
            ++g_script->unexpected;
            return std::nullopt;
        }
        return g_script->m_fonts.takeFirst();
    }
    // Qt's font dialog has no colour: it is shown inside a window of our own
    // that adds the sixteen basic colours, as the editor applies a colour too.
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setWindowTitle(QStringLiteral("Fuente"));
    // A face named by its alias ("Courier New") is shown as the face it
    // resolves to, so the list starts on it.
    QFont start = initial;
    start.setFamily(QFontInfo(initial).family());
    auto *fonts = new QFontDialog(start, &dialog);
    fonts->setObjectName(QStringLiteral("FontDialog1Fonts"));
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    auto *colours = new QComboBox(&dialog);
    colours->setObjectName(QStringLiteral("FontDialog1Color"));
    for (const BasicColour &c : kBasicColours) {
        QPixmap swatch(16, 12);
        swatch.fill(QColor::fromRgb(c.rgb));
        colours->addItem(QIcon(swatch), QString::fromUtf8(c.name), QColor::fromRgb(c.rgb));
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancelar"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Color:"), &dialog));
    colourRow->addWidget(colours);
    colourRow->addStretch();
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    if (execModal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return FontChoice { fonts->currentFont(), colours->currentData().value<QColor>() };
}

StdDialogScript::StdDialogScript()
{
    g_script = this;
}

StdDialogScript::~StdDialogScript()
{
    if (g_script == this)
        g_script = nullptr;
}

void StdDialogScript::chooseFileNext(const QString &path)
{
    m_files.append(path);
}

void StdDialogScript::cancelFileNext()
{
    m_files.append(std::nullopt);
}

void StdDialogScript::chooseFontNext(const QFont &font, const QColor &color)
{
    m_fonts.append(FontChoice { font, color });
}

void StdDialogScript::cancelFontNext()
{
    m_fonts.append(std::nullopt);
}

} // namespace caveto
