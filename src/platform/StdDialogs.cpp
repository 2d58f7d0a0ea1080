#include "platform/StdDialogs.h"

#include "platform/MessageBox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QRegularExpression>

namespace caveto {

namespace {
StdDialogScript *g_script = nullptr;
}

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
    QFontDialog dialog(initial, parent);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (execModal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return FontChoice { dialog.selectedFont(), QColor() };
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
