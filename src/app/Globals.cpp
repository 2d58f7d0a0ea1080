#include "app/Globals.h"

#include "cellar/NotesFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

// The share folder as seen from the installed executable's folder.
#ifndef CAVETO_SHARE_FROM_BIN
#define CAVETO_SHARE_FROM_BIN "../share/caveto"
#endif

namespace caveto {

namespace {
QString &appFolderOverride()
{
    static QString folder;
    return folder;
}

QString &dataRoot()
{
    static QString folder;
    return folder;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString installedPicturesFolder()
{
    return QDir::cleanPath(
        programFolder() + QLatin1Char('/') + QStringLiteral(CAVETO_SHARE_FROM_BIN "/ApliGraf"));
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
    dataRoot().clear();
    computeAppFolder();
}

DataPlace chooseDataPlace(const DataPlaceFacts &facts)
{
    if (facts.dataBesideWritable)
        return DataPlace::BesideProgram;
    if (facts.installedLayout || !facts.programFolderWritable)
        return DataPlace::UserFolder;
    return DataPlace::BesideProgram;
}

QString dataRootPath()
{
    QString &root = dataRoot();
    if (!root.isEmpty())
        return root;
    if (program().AppFolder.isEmpty())
        computeAppFolder();
    if (!appFolderOverride().isEmpty()) {
        root = program().AppFolder;
        return root;
    }
    const QString folder = program().AppFolder;
    const QFileInfo datos(folder + QStringLiteral("Datos"));
    DataPlaceFacts facts;
    facts.programFolderWritable = QFileInfo(folder).isWritable();
    facts.installedLayout = !QFileInfo::exists(folder + QStringLiteral("ApliGraf"))
        && QFileInfo(installedPicturesFolder()).isDir();
    facts.dataBesideWritable = datos.isDir() && datos.isWritable();
    if (chooseDataPlace(facts) == DataPlace::BesideProgram) {
        root = folder;
    } else {
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        root = user.isEmpty() ? folder : withSeparator(user);
    }
    return root;
}

QString dataFolderPath()
{
    return dataRootPath() + QStringLiteral("Datos");
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
    const QString beside
        = program().AppFolder + QStringLiteral("ApliGraf") + QDir::separator() + fileName;
    if (!appFolderOverride().isEmpty() || QFileInfo::exists(beside))
        return beside;
    const QString installed = installedPicturesFolder() + QLatin1Char('/') + fileName;
    return QFileInfo::exists(installed) ? QDir::toNativeSeparators(installed) : beside;
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
