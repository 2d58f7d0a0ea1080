#include "notes/PhotoRules.h"

#include "cellar/Modes.h"
#include "cellar/RecordLine.h"

#include <QFileInfo>

namespace caveto::photo {

Fit fitInBox(QSize trueSize, int boxSide)
{
    // "Both below 201": a picture as large as the box is still shown unscaled.
    if (trueSize.width() <= boxSide && trueSize.height() <= boxSide)
        return { false, trueSize };
    return { true, QSize(boxSide, boxSide) };
}

Led ledForPath(const QString &path)
{
    const QString trimmed = trimBlanks(path);
    if (trimmed.isEmpty())
        return Led::Off;
    return ledForFile(QFileInfo(trimmed).isFile());
}

Led ledForFile(bool exists)
{
    return exists ? Led::Green : Led::Red;
}

QString modeWord(const QString &mode)
{
    if (mode == mode::Alta)
        return QStringLiteral("Alta");
    if (mode == mode::Baja)
        return QStringLiteral("Baja");
    if (mode == mode::Modi)
        return QStringLiteral("Modificación");
    if (mode == mode::Cons)
        return QStringLiteral("Consulta");
    return QString();
}

int jpegReduction(QSize trueSize, QSize target)
{
    int reduction = 1;
    for (int next : { 2, 4, 8 }) {
        // libjpeg rounds a reduced side up.
        const int w = (trueSize.width() + next - 1) / next;
        const int h = (trueSize.height() + next - 1) / next;
        if (w < target.width() || h < target.height())
            break;
        reduction = next;
    }
    return reduction;
}

} // namespace caveto::photo
