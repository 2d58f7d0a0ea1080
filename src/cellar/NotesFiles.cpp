#include "cellar/NotesFiles.h"

#include "cellar/RecordLine.h"

#include <QDir>
#include <QFileInfo>

namespace caveto {

bool isUsableNotesName(QStringView notesName)
{
    const QStringView name = notesName.trimmed();
    if (name.size() != kNotesNameLength)
        return false;
    if (name.contains(u".."))
        return false;
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7F
            || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

QString notesFileIn(const QString &dataFolder, QStringView notesName)
{
    if (!isUsableNotesName(notesName))
        return {};
    const QString fileName = notesName.trimmed().toString() + QStringLiteral(".txt");
    const QDir folder(dataFolder);
    const QString path = QDir::cleanPath(folder.absoluteFilePath(fileName));
    // The name holds no separator, so this only fails for a name like "." that
    // the checks above let through in some other spelling.
    if (QFileInfo(path).absolutePath() != QDir::cleanPath(folder.absolutePath()))
        return {};
    return QDir::toNativeSeparators(path);
}

QString freeNotesName(const QString &start, const std::function<bool(const QString &)> &taken)
{
    QString name = start;
    for (int guard = 0; guard < 1000000 && taken(name); ++guard)
        name = nextNotesName(name);
    return name;
}

} // namespace caveto
