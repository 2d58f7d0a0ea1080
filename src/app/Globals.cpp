#include "app/Globals.h"

#include "cellar/NotesFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace caveto {

namespace {
QString &appFolderOverride()
{
    static QString folder;
    return folder;
}

QString withSeparator(QString folder)
{
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}
} // namespace

ProgramState &program()
{
    static ProgramState state;
    return state;
}

QString computeAppFolder()
{
    QString folder = appFolderOverride();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    program().AppFolder = withSeparator(folder);
    return program().AppFolder;
}

void setAppFolderOverride(const QString &folder)
{
    appFolderOverride() = folder;
    computeAppFolder();
}

QString dataFolderPath()
{
    return program().AppFolder + QStringLiteral("Datos");
}

QString dataFilePath()
{
    return dataFolderPath() + QDir::separator() + QStringLiteral("Caveto20.Datos");
}

QString notesFilePathFor(const QString &notesName)
{
    return notesFileIn(dataFolderPath(), notesName);
}

QString apliGrafPath(const QString &fileName)
{
    return program().AppFolder + QStringLiteral("ApliGraf") + QDir::separator() + fileName;
}

QString clockTimeText(const QTime &time, const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Drop the time-zone field ("t", "tttt") and the blanks around it.
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?\\s*"));
    format.replace(zone, QStringLiteral(" "));
    format = format.trimmed();
    if (!format.contains(QLatin1Char('s')))
        format = QStringLiteral("HH:mm:ss");
    return locale.toString(time, format);
}

QString clockDateText(const QDate &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.day()).arg(date.month()).arg(date.year());
}

} // namespace caveto
