#include "app/Globals.h"

#include <QCoreApplication>
#include <QDir>

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

QString notesFilePath(const QString &notesFileSpec)
{
    return dataFolderPath() + QDir::separator() + notesFileSpec;
}

QString apliGrafPath(const QString &fileName)
{
    return program().AppFolder + QStringLiteral("ApliGraf") + QDir::separator() + fileName;
}

} // namespace caveto
